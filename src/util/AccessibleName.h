#pragma once

#include <optional>
#include <string>
#include <utility>

#include "util/Win32.h"

namespace tornavel {

// How a window's client object presents itself to a screen reader where it
// differs from the system's own object for it: what is left empty (or 0) is
// the system's answer.
struct AccessibleFace {
    std::wstring name;         // what a screen reader calls it
    long role = 0;             // a ROLE_SYSTEM_ value
    std::wstring description;  // what it says after the name
    long state = 0;            // STATE_SYSTEM_ bits added to the system's
};

// The answer to a WM_GETOBJECT that `window` received: for its client area,
// the system's own accessible object for it, presenting itself as `face`;
// nothing for any other object, which the window then answers itself. The
// accessibility library is loaded at the first question, from System32, so a
// start-up without a screen reader pays nothing for it.
std::optional<LRESULT> AnswerAs(HWND window, WPARAM wParam, LPARAM lParam, AccessibleFace face);

// The same for a control that differs from the system's object only by its name.
inline std::optional<LRESULT> AnswerWithName(HWND control, WPARAM wParam, LPARAM lParam,
                                             std::wstring name) {
    return AnswerAs(control, wParam, lParam, {std::move(name), 0, {}, 0});
}

}  // namespace tornavel
