#include "core/Palette.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// The layout's own colours (0x00BBGGRR): window back and text, reply back,
// frame, title bar fill, hatch and text, then each button's back, hover back,
// text and hover text; or a high-contrast theme's (window 1, window text 2,
// button face 3 and text 4, highlight 5 and its text 6, active caption 7 and
// its text 8, window frame 9), the title bar without its hatch.
TEST(Palette, TheLayoutsColoursOrWhileAHighContrastThemeIsOnTheThemes) {
    // clang-format off
    EXPECT_EQ(ChoosePalette(false, SystemColours{1, 2, 3, 4, 5, 6, 7, 8, 9}),
        (Palette{0xF9F9F9, 0x353535, 0xFFFFFF, 0xE0E0E0, 0x4F4F4F, 0x555555, 0xFFFFFF, 0x555555,
                 0x0000D9, 0xFFFFFF, 0xFFFFFF, 0xCC8000, 0xCC8000, 0xFFFFFF, 0xFFFFFF}));
    EXPECT_EQ(ChoosePalette(true, SystemColours{1, 2, 3, 4, 5, 6, 7, 8, 9}),
              (Palette{1, 2, 1, 9, 7, std::nullopt, 8, 3, 5, 4, 6, 3, 5, 4, 6}));
    // clang-format on
}

}  // namespace
}  // namespace tornavel
