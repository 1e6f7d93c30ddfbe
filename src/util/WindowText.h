#pragma once

#include <string>

#include "util/Win32.h"

namespace tornavel {

// The whole text of a window or control.
std::wstring WindowText(HWND hwnd);

}  // namespace tornavel
