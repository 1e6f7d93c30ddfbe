#pragma once

#include <string_view>

#include "util/HandlerGuard.h"
#include "util/Win32.h"

namespace tornavel {

template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept;

// The handle of a window of ours, kept by OwnedWindowProc: set at WM_NCCREATE,
// so handlers see it during creation, and cleared once WM_NCDESTROY has run.
class OwnedWindowHandle {
  public:
    HWND Handle() const noexcept { return hwnd_; }

  protected:
    HWND hwnd_ = nullptr;

  private:
    template <typename Owner>
    friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
};

// The one window procedure of every window class we register. The object
// passed as CreateWindowExW's last argument (an OwnedWindowHandle) is kept in
// the window's user data at WM_NCCREATE; every message goes to its
// HandleMessage, and no exception crosses into the system (a failure is
// reported under Owner::kHandlerName).
//
// Owner needs, reachable from here (a friend declaration will do):
//   static constexpr std::wstring_view kHandlerName;
//   LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
template <typename Owner>
LRESULT CALLBACK OwnedWindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* owner =
            static_cast<Owner*>(reinterpret_cast<const CREATESTRUCTW*>(lParam)->lpCreateParams);
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(owner));
        if (owner != nullptr) static_cast<OwnedWindowHandle*>(owner)->hwnd_ = hwnd;
    }
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (owner == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    const LRESULT result = Guarded(Owner::kHandlerName, LRESULT{0},
                                   [&] { return owner->HandleMessage(message, wParam, lParam); });
    if (message == WM_NCDESTROY) static_cast<OwnedWindowHandle*>(owner)->hwnd_ = nullptr;
    return result;
}

// Registers the window class `name` for OwnedWindowProc<Owner>, once per
// process; the arrow is its pointer. False when the class cannot be made.
template <typename Owner>
bool RegisterOwnedWindowClass(const wchar_t* name) {
    static const ATOM atom = [&] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = &OwnedWindowProc<Owner>;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = name;
        return ::RegisterClassExW(&wc);
    }();
    return atom != 0;
}

}  // namespace tornavel
