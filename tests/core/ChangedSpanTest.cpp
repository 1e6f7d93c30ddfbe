#include "core/ChangedSpan.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ChangedSpan, TheOneStretchThatDiffers) {
    // A surrogate pair as Windows holds it; the common end never overlaps the start.
    // clang-format off
    const std::tuple<const wchar_t*, const wchar_t*, ChangedSpan> rows[] = {{L"", L"", {0, 0, 0}},
        {L"Voy", L"Voy", {3, 0, 0}}, {L"a\xD83D\xDE00" L"b", L"a??b", {1, 2, 2}},
        {L"aa", L"aaa", {2, 0, 1}}, {L"abcabc", L"abc", {3, 3, 0}},
        {L"Vale \u0142 \u041F ok", L"Vale l ? ok", {5, 3, 3}},
        // Halves in common at an edge go with their partners: no pair is cut.
        {L"ab\xD83D\xDE01", L"ab\xD83D\xDE00", {2, 2, 2}}, {L"\xD83D\xDE00", L"\xD83D", {0, 2, 1}},
        {L"\xD83D\xDE00z", L"\xD83E\xDE00z", {0, 2, 2}}, {L"a\xDE00", L"a\xD83D\xDE00", {1, 1, 2}}};
    // clang-format on
    for (const auto& [before, after, span] : rows)
        EXPECT_EQ(FindChangedSpan(before, after), span) << testing::PrintToString(before);
}

}  // namespace
}  // namespace tornavel
