#include "core/NotificationMoment.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(NotificationMoment, AMessageWaitsWhileThePersonPresentsOrPlaysFullScreen) {
    // Not present (1): it waits on the person's own desktop, shown; quiet
    // time (6) is for programs new to the machine; a store app (7) is an
    // ordinary window today; then values no header knows, and a failed call.
    // clang-format off
    const std::pair<std::optional<int>, bool> rows[] = {{1, false}, {2, true}, {3, true},
        {4, true}, {5, false}, {6, false}, {7, false}, {0, false}, {8, false}, {-1, false},
        {std::nullopt, false}};
    // clang-format on
    for (const auto& [moment, waits] : rows)
        EXPECT_EQ(WaitsToShow(moment), waits) << moment.value_or(99);
}

}  // namespace
}  // namespace tornavel
