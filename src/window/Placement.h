#pragma once

#include "util/Win32.h"

namespace tornavel {

// The dpi a window gets before the system tells it its monitor's.
int ScreenDpi();

// Where a new pop-up of ours opens at `dpi`: centred on the screen, or, when
// another one of ours (a window of `className`, shown, of any process) lies
// there already, cascaded one title-bar height lower and to the right, as
// far as the monitor's work area allows.
RECT NewPopUpRect(const wchar_t* className, int dpi);

}  // namespace tornavel
