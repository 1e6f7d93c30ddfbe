#include "core/GlyphRuns.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(GlyphRuns, OnlyATextWithMissingGlyphsIsSplitAndAPairStaysWhole) {
    // The text, which characters the font has, the runs (none: drawn as it is).
    // clang-format off
    const std::tuple<std::wstring, std::string, std::vector<GlyphRun>> rows[] = {
        {L"", "", {}}, {L"Ana", "111", {}},
        {L"\u5C71\u7530", "00", {{0, 2, true}}},
        {L"Ana \u5C71\u7530 M", "11110011", {{0, 4, false}, {4, 2, true}, {6, 2, false}}},
        {L"a\xD83D\xDE00", "110", {{0, 1, false}, {1, 2, true}}},
        {L"\xD83D" L"a", "01", {{0, 1, true}, {1, 1, false}}}};  // a half alone
    // clang-format on
    for (const auto& [text, has, runs] : rows) {
        std::vector<bool> font;
        for (const char c : has) font.push_back(c == '1');
        EXPECT_EQ(RunsByFont(text, font), runs) << testing::PrintToString(text);
    }
}

}  // namespace
}  // namespace tornavel
