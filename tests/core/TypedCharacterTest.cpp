#include "core/TypedCharacter.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// A code page like 1252: "ł" has the best fit "l", other characters beyond
// Latin-1 (each half of a pair too) become "?"; and one like UTF-8, which
// holds everything.
std::wstring Narrow(std::wstring_view text) {
    std::wstring wire;
    for (const wchar_t c : text) wire += c < 0x100 ? c : c == L'\u0142' ? L'l' : L'?';
    return wire;
}
std::wstring Wide(std::wstring_view text) { return std::wstring(text); }

TEST(TypedCharacter, APairGoesInWholeAndAHalfAloneAsAQuestionMark) {
    constexpr wchar_t kHigh = 0xD83D, kLow = 0xDE00;  // 😀
    struct Row {
        wchar_t held, typed;
        bool narrow;
        std::wstring type;
        bool passOn, beep;
        wchar_t nowHeld;
    };
    // clang-format off
    const Row rows[] = {
        {0, L'a', true, L"", true, false, 0}, {0, L'\b', true, L"", true, false, 0},
        {0, L'\u00E9', true, L"", true, false, 0},         // "é" is in the code page
        {0, L'\u0142', true, L"l", false, true, 0},        // "ł", its best fit
        {0, L'\u0142', false, L"", true, false, 0},
        {0, kHigh, false, L"", false, false, kHigh},       // held for its partner
        {kHigh, kLow, true, L"??", false, true, 0},
        {kHigh, kLow, false, {kHigh, kLow}, false, false, 0},  // both halves together
        // The partner never came: the half alone goes in first, as "?".
        {kHigh, L'a', false, L"?", true, true, 0}, {kHigh, L'\b', false, L"?", true, true, 0},
        {kHigh, L'\u0142', true, L"?l", false, true, 0},
        {kHigh, kHigh, false, L"?", false, true, kHigh},
        {0, kLow, false, L"?", false, true, 0}};  // a second half with no first
    // clang-format on
    for (const Row& row : rows) {
        const TypingStep step =
            TypeCharacter(row.held, row.typed, row.narrow ? ThroughCodePage(Narrow) : Wide);
        const auto got = std::tuple(step.type, step.passOn, step.beep, step.held);
        EXPECT_EQ(got, std::tuple(row.type, row.passOn, row.beep, row.nowHeld))
            << std::hex << int{row.held} << " " << int{row.typed} << (row.narrow ? " narrow" : "");
    }
}

}  // namespace
}  // namespace tornavel
