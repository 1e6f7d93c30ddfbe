#pragma once

#include <optional>
#include <string>

#include "util/Win32.h"

namespace tornavel {

// The answer to a WM_GETOBJECT that `control` received: for its client area,
// the system's own accessible object for it with `name` as its name (what a
// screen reader says); nothing for any other object, which the control then
// answers itself. The accessibility library is loaded at the first question,
// from System32, so a start-up without a screen reader pays nothing for it.
std::optional<LRESULT> AnswerWithName(HWND control, WPARAM wParam, LPARAM lParam,
                                      const std::wstring& name);

}  // namespace tornavel
