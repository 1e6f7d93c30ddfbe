#include "core/Surrogates.h"

#include <gtest/gtest.h>

#include <array>

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

TEST(Surrogates, AnEdgeOrACaretBetweenHalvesTakesTheWholeCharacter) {
    // In "a😀b": a selection from, to, taking whole characters; where a caret
    // a key moved from `was` to `from` stops.
    const std::wstring text{L'a', kHigh, kLow, L'b'};
    using Row = std::array<std::size_t, 6>;  // from, to, whole from, whole to, was, stops
    // clang-format off
    const Row rows[] = {{0, 0, 0, 0, 0, 0}, {1, 2, 1, 3, 1, 1}, {2, 2, 3, 3, 1, 3},
        {2, 4, 1, 4, 3, 1}, {3, 3, 3, 3, 3, 3}, {2, 3, 1, 3, 2, 3}, {0, 4, 0, 4, 2, 0},
        {4, 4, 4, 4, 4, 4}};
    // clang-format on
    for (const auto& [from, to, wholeFrom, wholeTo, was, stops] : rows) {
        EXPECT_EQ(WholeCharacters(text, from, to), std::pair(wholeFrom, wholeTo)) << from << to;
        EXPECT_EQ(SettledCaret(text, from, was), stops) << from << " from " << was;
    }
    EXPECT_FALSE(SplitsPair(std::wstring{kHigh, L'a'}, 1));  // a lone half is no pair
    EXPECT_FALSE(SplitsPair(std::wstring{L'a', kLow}, 1));
}

}  // namespace
}  // namespace tornavel
