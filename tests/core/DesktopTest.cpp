#include <gtest/gtest.h>

#include "core/Cascade.h"
#include "core/Palette.h"

namespace tornavel {
namespace {

TEST(Palette, TheLayoutsColoursOrTheThemesWhileHighContrastIsOn) {
    const SystemColours system{1, 2, 3, 4, 5, 6, 7, 8, 9};
    const Palette theirs{.windowBack = 1,
                         .windowText = 2,
                         .replyBack = 1,
                         .frameLine = 9,
                         .titleBarFill = 7,
                         .titleBarHatch = std::nullopt,
                         .titleText = 8,
                         .closeBack = 3,
                         .closeHoverBack = 5,
                         .closeText = 4,
                         .closeHoverText = 6,
                         .sendBack = 3,
                         .sendHoverBack = 5,
                         .sendText = 4,
                         .sendHoverText = 6};
    EXPECT_EQ(ChoosePalette(true, system), theirs);
    const Palette ours{.windowBack = 0xF9F9F9,
                       .windowText = 0x353535,
                       .replyBack = 0xFFFFFF,
                       .frameLine = 0xE0E0E0,
                       .titleBarFill = 0x4F4F4F,
                       .titleBarHatch = 0x555555,
                       .titleText = 0xFFFFFF,
                       .closeBack = 0x555555,
                       .closeHoverBack = 0x0000D9,
                       .closeText = 0xFFFFFF,
                       .closeHoverText = 0xFFFFFF,
                       .sendBack = 0xCC8000,
                       .sendHoverBack = 0xCC8000,
                       .sendText = 0xFFFFFF,
                       .sendHoverText = 0xFFFFFF};
    EXPECT_EQ(ChoosePalette(false, system), ours) << "0x00BBGGRR, whatever the system says";
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
        {{}, {100, 50, 500, 300}, {100, 50, 592, 331}},  // too small: its top-left corner
        {{{100, 50, 592, 331}}, {100, 50, 500, 300}, {100, 50, 592, 331}},
    };
    for (const auto& [taken, workArea, spot] : rows) {
        const ScreenBox found = CascadeSpot(first, taken, workArea, 40);
        EXPECT_EQ(found, spot) << taken.size() << " taken; " << found.left << "," << found.top;
    }
}

}  // namespace
}  // namespace tornavel
