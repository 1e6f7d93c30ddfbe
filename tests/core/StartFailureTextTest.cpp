#include "core/StartFailureText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

bool Latin1(wchar_t c) { return c <= 0xFF; }

TEST(StartFailureText, OneReadableLineWhateverThePathAndLineHold) {
    EXPECT_EQ(ComposeStartFailureLine(L"C:\\A\u00F1o\\open.zelbarqin", L"there is no hand-off file",
                                      &Latin1),
              L"TornavelMensaje: C:\\A\u00F1o\\open.zelbarqin: there is no hand-off file");
    // clang-format off
    const std::pair<std::wstring, std::wstring> escapes[] = {
        {L"a\r\nb\tc", L"a<U+000D><U+000A>b<U+0009>c"}, {L"\uABCD", L"<U+ABCD>"},
        {std::wstring(L"\0\x1F\x20", 3), L"<U+0000><U+001F> "},
        {L"\x7E\x7F\x9F\xA0", L"~<U+007F><U+009F>\xA0"},
        {L"\u20AC\xD83D\xDE00", L"<U+20AC><U+D83D><U+DE00>"}};
    // clang-format on
    for (const auto& [text, line] : escapes) EXPECT_EQ(EscapeForLine(text, &Latin1), line);
}

TEST(StartFailureText, AFirstLineIsQuotedUpToItsLimitThenOnlyMeasured) {
    EXPECT_EQ(DescribeFirstLine(L"a\u00B6b"), L"a first line of 3 characters, \"a\u00B6b\"");
    EXPECT_EQ(DescribeFirstLine(L"a"), L"a first line of 1 character, \"a\"");
    const std::wstring longest(kMostQuotedLineChars, L'x');
    EXPECT_EQ(DescribeFirstLine(longest), L"a first line of 200 characters, \"" + longest + L"\"");
    EXPECT_EQ(DescribeFirstLine(longest + L"x"), L"a first line of 201 characters");
}

}  // namespace
}  // namespace tornavel
