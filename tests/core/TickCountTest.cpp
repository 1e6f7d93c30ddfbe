#include "core/TickCount.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(TickCount, AMessagesStampPlacedNearNowAcrossEveryWrap) {
    // Stamped before the 32-bit wrap, a little ahead across it, about 2^31,
    // 248 days up.
    // clang-format off
    const std::tuple<std::uint32_t, std::uint64_t, std::int64_t> rows[] = {{5, 10, 5},
        {0xFFFFFFF0, 0x100000010, 0xFFFFFFF0}, {0x10, 0xFFFFFFF0, 0x100000010},
        {0x7FFFFFFF, 0x80000010, 0x7FFFFFFF}, {0x80000010, 0x7FFFFFFF, 0x80000010},
        {3, 0x500000005, 0x500000003}, {0xFFFFFFFF, 0, -1}};
    // clang-format on
    for (const auto& [stamp, now, widened] : rows) EXPECT_EQ(WidenTick(stamp, now), widened) << now;
}

}  // namespace
}  // namespace tornavel
