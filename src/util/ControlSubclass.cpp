#include "util/ControlSubclass.h"

#include "util/HandlerGuard.h"

namespace tornavel {

void ControlSubclass::Attach(HWND control, std::wstring_view where, Handler handler) {
    control_ = control;
    where_ = where;
    handler_ = std::move(handler);
    ::SetWindowLongPtrW(control, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    original_ = reinterpret_cast<WNDPROC>(::SetWindowLongPtrW(
        control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&ControlSubclass::Procedure)));
}

LRESULT ControlSubclass::CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::CallWindowProcW(original_, control_, message, wParam, lParam);
}

LRESULT CALLBACK ControlSubclass::Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                            LPARAM lParam) noexcept {
    auto* self = reinterpret_cast<ControlSubclass*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return Guarded(self->where_, LRESULT{0}, [&] {
        if (message != WM_NCDESTROY) {
            if (const std::optional<LRESULT> handled = self->handler_(message, wParam, lParam))
                return *handled;
        }
        return self->CallOriginal(message, wParam, lParam);
    });
}

}  // namespace tornavel
