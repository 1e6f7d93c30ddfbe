#include "core/Palette.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// The layout's own colours (0x00BBGGRR): window back and text, reply back,
// frame, title bar fill, hatch and text, then each button's back, hover back,
// text and hover text. A high-contrast theme's are checked on screen.
TEST(Palette, TheLayoutsColoursWhileNoHighContrastThemeIsOn) {
    // clang-format off
    EXPECT_EQ(ChoosePalette(false, SystemColours{1, 2, 3, 4, 5, 6, 7, 8, 9}),
        (Palette{0xF9F9F9, 0x353535, 0xFFFFFF, 0xE0E0E0, 0x4F4F4F, 0x555555, 0xFFFFFF, 0x555555,
                 0x0000D9, 0xFFFFFF, 0xFFFFFF, 0xCC8000, 0xCC8000, 0xFFFFFF, 0xFFFFFF}));
    // clang-format on
}

}  // namespace
}  // namespace tornavel
