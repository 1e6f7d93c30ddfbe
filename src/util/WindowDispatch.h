#pragma once

#include <string_view>

#include "util/HandlerGuard.h"
#include "util/Win32.h"

namespace tornavel {

// Routes a window's messages to the object kept in its GWLP_USERDATA, so that
// no exception crosses into the system; messages before the object is set go
// to the default procedure.
template <typename Owner>
LRESULT DispatchToOwner(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                        std::wstring_view where,
                        LRESULT (Owner::*handle)(UINT, WPARAM, LPARAM)) noexcept {
    auto* owner = reinterpret_cast<Owner*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (owner == nullptr) return ::DefWindowProcW(hwnd, message, wParam, lParam);
    return Guarded(where, LRESULT{0}, [&] { return (owner->*handle)(message, wParam, lParam); });
}

}  // namespace tornavel
