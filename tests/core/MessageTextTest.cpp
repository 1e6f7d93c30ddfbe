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

TEST(ClipForDisplay, CutsLongMessagesWithAnEllipsisNeverInsideAPair) {
    const std::size_t most = kMostShownMessageChars;
    const std::wstring fill(most - 1, L'a');
    // A CR LF pair or a surrogate pair across the cut goes whole (PiecesOf's
    // table below has the pairs' other cases: one rule cuts both).
    // clang-format off
    const std::pair<std::wstring, std::wstring> cases[] = {
        {L"", L""}, {fill + L"a", fill + L"a"}, {fill + L"ab", fill + L"a\u2026"},
        {fill + L"\r\nmore", fill + L"\u2026"}, {fill + L"\xD800\xDC00more", fill + L"\u2026"}};
    // clang-format on
    for (const auto& [text, shown] : cases) EXPECT_EQ(ClipForDisplay(text), shown);

    // The pieces the message box takes it in (of at most 2 here): a lone LF,
    // or a CR before another character, is no pair.
    // clang-format off
    const std::pair<std::wstring_view, std::vector<std::wstring_view>> inPieces[] = {
        {L"", {}}, {L"a\xD800", {L"a\xD800"}}, {L"abc", {L"ab", L"c"}}, {L"a\rb", {L"a\r", L"b"}},
        {L"ab\nc", {L"ab", L"\nc"}}, {L"a\r\nb", {L"a", L"\r\n", L"b"}},
        {L"a\xD800\xDC00", {L"a", L"\xD800\xDC00"}}, {L"a\xDBFF\xDFFF", {L"a", L"\xDBFF\xDFFF"}}};
    // clang-format on
    for (const auto& [text, pieces] : inPieces)
        EXPECT_EQ(PiecesOf(text, 2), pieces) << ::testing::PrintToString(std::wstring(text));
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
