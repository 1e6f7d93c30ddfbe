#include <gtest/gtest.h>

#include "core/Cascade.h"
#include "core/Palette.h"

namespace tornavel {
namespace {

TEST(Palette, TheLayoutsColoursOrTheThemesWhileHighContrastIsOn) {
    // The system's: window, window text, button face and text, highlight and
    // its text, active caption and its text, window frame.
    const SystemColours system{1, 2, 3, 4, 5, 6, 7, 8, 9};
    // clang-format off
    // Window back and text, reply back, frame, title bar fill, hatch and text,
    // then each button's back, hover back, text and hover text (0x00BBGGRR).
    EXPECT_EQ(ChoosePalette(true, system),
              (Palette{1, 2, 1, 9, 7, std::nullopt, 8, 3, 5, 4, 6, 3, 5, 4, 6}));
    EXPECT_EQ(ChoosePalette(false, system),
              (Palette{0xF9F9F9, 0x353535, 0xFFFFFF, 0xE0E0E0, 0x4F4F4F, 0x555555, 0xFFFFFF,
                       0x555555, 0x0000D9, 0xFFFFFF, 0xFFFFFF, 0xCC8000, 0xCC8000, 0xFFFFFF,
                       0xFFFFFF}));
    // clang-format on
}

TEST(Cascade, EachNewPopUpOneStepFurtherUntilTheWorkAreaEnds) {
    const ScreenBox area{0, 0, 1280, 1024}, first{394, 371, 886, 652};
    const auto at = [&](int steps) {
        return ScreenBox{first.left + 40 * steps, first.top + 40 * steps, first.right + 40 * steps,
                         first.bottom + 40 * steps};
    };
    const ScreenBox otherSize{394, 371, 1132, 793};  // one at another dpi does not lie there
    const std::tuple<std::vector<ScreenBox>, ScreenBox, ScreenBox> rows[] = {
        {{}, area, first},
        {{first}, area, at(1)},
        {{at(1), first}, area, at(2)},
        {{at(1)}, area, first},
        {{otherSize}, area, first},
        {{first, at(1), at(2), at(3), at(4), at(5), at(6), at(7), at(8), at(9)}, area, first},
        {{first, at(1)}, {0, 0, 1280, 731}, first},      // the next step would leave it
        {{first}, {394, 371, 926, 692}, at(1)},          // both touch the edges: still inside
        {{}, {100, 50, 500, 300}, {100, 50, 592, 331}},  // too small: its top-left corner
        {{{100, 50, 592, 331}}, {100, 50, 500, 300}, {100, 50, 592, 331}},
    };
    for (const auto& [taken, workArea, spot] : rows) {
        const ScreenBox found = CascadeSpot(first, taken, workArea, 40);
        EXPECT_EQ(found, spot) << taken.size() << " taken; " << found.left << "," << found.top;
    }
    EXPECT_EQ(CascadeSpot(first, {first}, area, 0), first) << "no step: no cascade";
}

}  // namespace
}  // namespace tornavel
