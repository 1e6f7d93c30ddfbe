#include "core/Surrogates.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(Surrogates, OnlyHalvesWithoutTheirPartnerBecomeQuestionMarks) {
    // clang-format off
    const std::pair<std::wstring, std::wstring> rows[] = {{L"", L""},
        {L"a\xD83D\xDE00" L"b", L"a\xD83D\xDE00" L"b"}, {L"\xD83D", L"?"}, {L"\xDE00" L"a", L"?a"},
        {L"\xDE00\xD83D", L"??"}, {L"\xD83D\xD83D\xDE00", L"?\xD83D\xDE00"}};
    // clang-format on
    for (const auto& [text, whole] : rows)
        EXPECT_EQ(WithLoneHalvesAsQuestionMarks(text), whole) << testing::PrintToString(text);
}

}  // namespace
}  // namespace tornavel
