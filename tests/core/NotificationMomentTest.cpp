#include "core/NotificationMoment.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(NotificationMoment, AMessageWaitsWhileThePersonPresentsOrPlaysFullScreen) {
    const std::pair<std::optional<int>, bool> rows[] = {
        {1, false},  // not present: it waits on the person's own desktop, shown
        {2, true},
        {3, true},
        {4, true},
        {5, false},
        {6, false},  // quiet time is for programs new to the machine
        {7, true},
        {0, false},
        {8, false},
        {-1, false},            // values no header knows
        {std::nullopt, false},  // the call failed
    };
    for (const auto& [moment, waits] : rows)
        EXPECT_EQ(WaitsToShow(moment), waits) << moment.value_or(99);
}

}  // namespace
}  // namespace tornavel
