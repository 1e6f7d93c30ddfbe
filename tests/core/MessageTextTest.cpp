#include "core/MessageText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ExpandEnterTokens, TurnsEachExactTokenIntoCrLf) {
    // Other letter cases and broken tokens stay as typed.
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"", L""}, {L"{ENTER}", L"\r\n"}, {L"{ENTER}a{ENTER}", L"\r\na\r\n"},
        {L"a{ENTER}{ENTER}b", L"a\r\n\r\nb"}, {L"Hola{ENTER}Adi\u00F3s", L"Hola\r\nAdi\u00F3s"},
        {L"{enter}{Enter}{ENTER", L"{enter}{Enter}{ENTER"}, {L"{{ENTER}}", L"{\r\n}"},
        {L"ENTER}", L"ENTER}"}};
    // clang-format on
    for (const auto& [field, shown] : cases)
        EXPECT_EQ(ExpandEnterTokens(field), shown) << ::testing::PrintToString(std::wstring(field));
}

TEST(MessageCuts, ClippedWithAnEllipsisAndInPiecesNeverInsideAPair) {
    const std::size_t most = kMostShownMessageChars;
    const std::wstring fill(most - 1, L'a');
    // A CR LF pair or a surrogate pair (U+10000, U+10FFFF) across the cut goes
    // whole; a lone LF after the cut, or a CR before a character, is no pair.
    // clang-format off
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""}, {fill + L"a", fill + L"a"}, {fill + L"ab", fill + L"a\u2026"},
        {fill + L"\r\nmore", fill + L"\u2026"}, {fill + L"\xD800\xDC00more", fill + L"\u2026"},
        {fill + L"\xDBFF\xDFFFmore", fill + L"\u2026"}, {fill + L"a\nmore", fill + L"a\u2026"},
        {fill + L"\rmore", fill + L"\r\u2026"}};
    // clang-format on
    for (const auto& [text, shown] : cases) EXPECT_EQ(ClipForDisplay(text), shown);
    EXPECT_EQ(ClipForDisplay(std::wstring(1'000'000, L'm')).size(), most + 1);

    // The pieces the message box takes it in, of at most 3 here.
    // clang-format off
    const std::pair<std::wstring_view, std::vector<std::wstring_view>> inPieces[] = {
        {L"", {}}, {L"abc", {L"abc"}}, {L"ab\xD800", {L"ab\xD800"}}, {L"abcd", {L"abc", L"d"}},
        {L"abcdefg", {L"abc", L"def", L"g"}}, {L"ab\r\ncd", {L"ab", L"\r\nc", L"d"}},
        {L"ab\xD800\xDC00" L"c", {L"ab", L"\xD800\xDC00" L"c"}}, {L"a\rb\ncd", {L"a\rb", L"\ncd"}},
        {L"a\r\r\nb", {L"a\r", L"\r\nb"}}};
    // clang-format on
    for (const auto& [text, pieces] : inPieces)
        EXPECT_EQ(PiecesOf(text, 3), pieces) << ::testing::PrintToString(std::wstring(text));
}

TEST(MessageBoxName, TheSenderOnOneLineCutSensibly) {
    const std::wstring most(kMostNamedSenderChars, L'x');
    // clang-format off
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""}, {L" \t Ana\r\n  Mart\u00EDnez \x7F\x9F", L"Ana Mart\u00EDnez"}, {most, most},
        {std::wstring(600, L'x'), most + L"\u2026"}, {most + L"\xD83D\xDE00", most + L"\u2026"},
        {most.substr(1) + L"\xD800\xDC00", most.substr(1) + L"\u2026"},
        {most.substr(1) + L"\xDBFF\xDFFF", most.substr(1) + L"\u2026"}};
    // clang-format on
    for (const auto& [sender, name] : cases)
        EXPECT_EQ(MessageBoxName(sender), L"Mensaje de " + name);
}

}  // namespace
}  // namespace tornavel
