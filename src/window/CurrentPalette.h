#pragma once

#include "core/Palette.h"

namespace tornavel {

// The pop-up's colours now: its own, or the theme's while Windows reports a
// high-contrast theme.
Palette CurrentPalette();

}  // namespace tornavel
