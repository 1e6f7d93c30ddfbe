#include "core/Cascade.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(Cascade, EachNewPopUpOneStepFurtherAndEachNewRunOneStepRight) {
    const ScreenBox area{0, 0, 1280, 1024}, first{394, 371, 886, 652};
    // `right` steps of 40 to the right and `down` steps down from the first.
    const auto at = [&](int right, int down) {
        return ScreenBox{first.left + 40 * right, first.top + 40 * down, first.right + 40 * right,
                         first.bottom + 40 * down};
    };
    std::vector<ScreenBox> firstRun;  // the ten that fit from the centre down
    for (int i = 0; i < 10; ++i) firstRun.push_back(at(i, i));
    std::vector<ScreenBox> elevenTaken = firstRun;
    elevenTaken.push_back(at(1, 0));
    const ScreenBox otherSize{394, 371, 1132, 793};  // one at another dpi does not lie there
    const ScreenBox room{394, 371, 926, 692};        // two runs of two, then none
    const std::tuple<std::vector<ScreenBox>, ScreenBox, ScreenBox> rows[] = {
        {{}, area, first},
        {{first}, area, at(1, 1)},
        {{at(1, 1), first}, area, at(2, 2)},
        {{at(1, 1)}, area, first},
        {{otherSize}, area, first},
        {firstRun, area, at(1, 0)},     // the next run, one step right of the last one's start
        {elevenTaken, area, at(2, 1)},  // the twelfth
        {{first, at(1, 1)}, {0, 0, 1280, 731}, at(1, 0)},  // the next step would leave it
        {{first}, room, at(1, 1)},                         // both touch the edges: still inside
        {{first, at(1, 1), at(1, 0)}, room, first},        // no room left at all: the centre
        {{}, {100, 50, 500, 300}, {100, 50, 592, 331}},    // too small: its top-left corner
        {{{100, 50, 592, 331}}, {100, 50, 500, 300}, {100, 50, 592, 331}},
    };
    for (const auto& [taken, workArea, spot] : rows) {
        const ScreenBox found = CascadeSpot(first, taken, workArea, 40);
        EXPECT_EQ(found, spot) << taken.size() << " taken; " << found.left << "," << found.top;
    }
    EXPECT_EQ(CascadeSpot(first, {first}, area, 0), first) << "no step: no cascade";
    EXPECT_EQ(CascadeSpot(first, {first}, area, 1).top, first.top + 1) << "the least step";
}

}  // namespace
}  // namespace tornavel
