#include "core/MessageText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ExpandEnterTokens, TurnsEachExactTokenIntoCrLf) {
    struct Case {
        const wchar_t* field;
        const wchar_t* shown;
    };
    const Case cases[] = {
        {L"", L""},
        {L"Hola", L"Hola"},
        {L"{ENTER}", L"\r\n"},
        {L"Hola{ENTER}Adi\u00F3s", L"Hola\r\nAdi\u00F3s"},
        {L"a{ENTER}{ENTER}b", L"a\r\n\r\nb"},
        {L"{ENTER}a{ENTER}", L"\r\na\r\n"},
        // Other letter cases and broken tokens stay as typed.
        {L"{enter}{Enter}{ENTER", L"{enter}{Enter}{ENTER"},
        {L"{{ENTER}}", L"{\r\n}"},
        {L"ENTER}", L"ENTER}"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(ExpandEnterTokens(c.field), c.shown)
            << "field: " << ::testing::PrintToString(std::wstring(c.field));
    }
}

TEST(ExpandEnterTokens, LongMessageOfTokens) {
    std::wstring field;
    for (int i = 0; i < 200'000; ++i) field += L"{ENTER}";
    const std::wstring shown = ExpandEnterTokens(field);
    EXPECT_EQ(shown.size(), 400'000u);
    EXPECT_EQ(shown.find_first_not_of(L"\r\n"), std::wstring::npos);
}

TEST(ClipForDisplay, ShortMessagesStayWhole) {
    const std::wstring exact(kMostShownMessageChars, L'a');
    EXPECT_EQ(ClipForDisplay(exact), exact);
    EXPECT_EQ(ClipForDisplay(L""), L"");
}

TEST(ClipForDisplay, LongMessagesAreCutWithAnEllipsis) {
    const std::wstring shown = ClipForDisplay(std::wstring(1'000'000, L'm'));
    ASSERT_EQ(shown.size(), kMostShownMessageChars + 1);
    EXPECT_EQ(shown.back(), L'\u2026');
    EXPECT_EQ(shown[kMostShownMessageChars - 1], L'm');
}

TEST(ClipForDisplay, NeverSplitsALineBreakOrASurrogatePair) {
    std::wstring crlf(kMostShownMessageChars - 1, L'a');
    crlf += L"\r\nmore";
    EXPECT_EQ(ClipForDisplay(crlf), std::wstring(kMostShownMessageChars - 1, L'a') + L"\u2026");

    std::wstring pair(kMostShownMessageChars - 1, L'a');
    pair += L"\xD83D\xDE00more";  // U+1F600 as UTF-16
    EXPECT_EQ(ClipForDisplay(pair), std::wstring(kMostShownMessageChars - 1, L'a') + L"\u2026");
}

}  // namespace
}  // namespace tornavel
