#pragma once

#include "util/ShellMoment.h"
#include "window/MessageWindow.h"

namespace tornavel {

// Shows `window` in its place among our pop-ups, above every window that is
// not top-most: now, or, while `moment` says the person presents or plays
// full screen, the first time it no longer does, asked every second from the
// message loop. Once shown, it stays shown, and `moment` is let go.
void ShowWhenWelcome(MessageWindow& window, MomentSource moment);

}  // namespace tornavel
