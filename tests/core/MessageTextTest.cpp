#include "core/MessageText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ExpandEnterTokens, TurnsEachExactTokenIntoCrLf) {
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""},
        {L"{ENTER}", L"\r\n"},
        {L"{ENTER}a{ENTER}", L"\r\na\r\n"},
        {L"a{ENTER}{ENTER}b", L"a\r\n\r\nb"},
        {L"Hola{ENTER}Adi\u00F3s", L"Hola\r\nAdi\u00F3s"},
        // Other letter cases and broken tokens stay as typed.
        {L"{enter}{Enter}{ENTER", L"{enter}{Enter}{ENTER"},
        {L"{{ENTER}}", L"{\r\n}"},
        {L"ENTER}", L"ENTER}"},
    };
    for (const auto& [field, shown] : cases)
        EXPECT_EQ(ExpandEnterTokens(field), shown) << ::testing::PrintToString(std::wstring(field));
}

TEST(ClipForDisplay, CutsLongMessagesWithAnEllipsisNeverInsideAPair) {
    const std::size_t most = kMostShownMessageChars;
    const std::wstring fill(most - 1, L'a');
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""},
        {fill + L"a", fill + L"a"},
        {fill + L"ab", fill + L"a\u2026"},
        // A CR LF pair or a surrogate pair (U+1F600) across the cut goes whole.
        {fill + L"\r\nmore", fill + L"\u2026"},
        {fill + L"\xD83D\xDE00more", fill + L"\u2026"},
        {fill + L"\xDBFF\xDFFFmore", fill + L"\u2026"},
        // A lone LF after the cut, or a CR before a character, is no pair.
        {fill + L"a\nmore", fill + L"a\u2026"},
        {fill + L"\rmore", fill + L"\r\u2026"},
    };
    for (const auto& [text, shown] : cases) EXPECT_EQ(ClipForDisplay(text), shown);
    EXPECT_EQ(ClipForDisplay(std::wstring(1'000'000, L'm')).size(), most + 1);
}

}  // namespace
}  // namespace tornavel
