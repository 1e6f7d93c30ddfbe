#include "core/Surrogates.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

constexpr wchar_t kHigh = 0xD83D, kLow = 0xDE00;  // the halves of 😀

TEST(Surrogates, OnlyHalvesWithoutTheirPartnerBecomeQuestionMarks) {
    // clang-format off
    const std::pair<std::wstring, std::wstring> rows[] = {{L"", L""}, {{kHigh}, L"?"},
        {{L'a', kHigh, kLow}, {L'a', kHigh, kLow}}, {{kLow, L'a'}, L"?a"}, {{kLow, kHigh}, L"??"},
        {{kHigh, kHigh, kLow}, {L'?', kHigh, kLow}}};
    // clang-format on
    for (const auto& [text, whole] : rows)
        EXPECT_EQ(WithLoneHalvesAsQuestionMarks(text), whole) << testing::PrintToString(text);
}

}  // namespace
}  // namespace tornavel
