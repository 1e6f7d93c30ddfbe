#pragma once

namespace tornavel {

// The screen's dpi: the one a window gets before the system tells it its
// monitor's; 96 when the screen cannot say.
int ScreenDpi();

}  // namespace tornavel
