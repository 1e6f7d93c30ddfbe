#pragma once

#include <functional>
#include <optional>
#include <string_view>

#include "util/Win32.h"

namespace tornavel {

// Puts our own handler in front of a control of the system's (a BUTTON, an
// EDIT): the handler sees every message first, and what it leaves (returns
// nothing for) goes on to the control's own procedure. No exception crosses
// into the system: a failure is reported under `where`. The object must
// outlive the control and not move after Attach.
class ControlSubclass {
  public:
    using Handler =
        std::function<std::optional<LRESULT>(UINT message, WPARAM wParam, LPARAM lParam)>;

    ControlSubclass() = default;
    ControlSubclass(const ControlSubclass&) = delete;
    ControlSubclass& operator=(const ControlSubclass&) = delete;

    void Attach(HWND control, std::wstring_view where, Handler handler);
    // The control's own procedure, for a handler that hands it a changed message.
    LRESULT CallOriginal(UINT message, WPARAM wParam, LPARAM lParam) const;

  private:
    static LRESULT CALLBACK Procedure(HWND hwnd, UINT message, WPARAM wParam,
                                      LPARAM lParam) noexcept;

    HWND control_ = nullptr;
    WNDPROC original_ = nullptr;
    std::wstring_view where_;
    Handler handler_;
};

}  // namespace tornavel
