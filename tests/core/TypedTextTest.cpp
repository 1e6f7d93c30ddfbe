#include "core/TypedText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

constexpr wchar_t kHigh = 0xD83D, kLow = 0xDE00;  // the halves of 😀

TEST(TypedText, OnlyHalvesWithoutTheirPartnerBecomeQuestionMarks) {
    // clang-format off
    const std::pair<std::wstring, std::wstring> rows[] = {{L"", L""}, {{kHigh}, L"?"},
        {{L'a', kHigh, kLow}, {L'a', kHigh, kLow}}, {{kLow, L'a'}, L"?a"}, {{kLow, kHigh}, L"??"},
        {{kHigh, kHigh, kLow}, {L'?', kHigh, kLow}}};
    // clang-format on
    for (const auto& [text, whole] : rows)
        EXPECT_EQ(WithLoneHalvesAsQuestionMarks(text), whole) << testing::PrintToString(text);
}

// A code page like 1252: "ł" has the best fit "l", the rest beyond Latin-1
// and its C1 controls (each half of a pair too) become "?"; and UTF-8, which
// holds everything.
std::wstring Narrow(std::wstring_view text) {
    std::wstring wire;
    for (const wchar_t c : text)
        wire += (c < 0x80 || (c >= 0xA0 && c < 0x100)) ? c : c == L'\u0142' ? L'l' : L'?';
    return wire;
}
std::wstring Utf8(std::wstring_view text) { return std::wstring(text); }

TEST(TypedText, APairGoesInWholeAndAHalfAloneAsAQuestionMark) {
    // held, typed, the code page; typed first, the character passed on, a beep, held now.
    // clang-format off
    const std::tuple<wchar_t, wchar_t, std::wstring (*)(std::wstring_view), std::wstring, bool,
                     bool, wchar_t> rows[] = {
        {0, L'a', Narrow, L"", true, false, 0}, {0, L'\b', Narrow, L"", true, false, 0},
        {0, L'\u00E9', Narrow, L"", true, false, 0}, {0, L'\u0142', Narrow, L"l", false, true, 0},
        {0, L'\u0080', Narrow, L"?", false, true, 0},  // the first beyond ASCII
        {0, L'\u0142', Utf8, L"", true, false, 0}, {0, kHigh, Utf8, L"", false, false, kHigh},
        {kHigh, kLow, Narrow, L"??", false, true, 0}, {kHigh, kLow, Utf8, {kHigh, kLow}, false, false, 0},
        // The partner never came: the half alone goes in first, as "?".
        {kHigh, L'a', Utf8, L"?", true, true, 0}, {kHigh, L'\b', Utf8, L"?", true, true, 0},
        {kHigh, L'\u0142', Narrow, L"?l", false, true, 0}, {kHigh, kHigh, Utf8, L"?", false, true, kHigh},
        {0, kLow, Utf8, L"?", false, true, 0}};
    // clang-format on
    for (const auto& [held, typed, through, type, passOn, beep, nowHeld] : rows) {
        const TypingStep step = TypeCharacter(held, typed, through);
        EXPECT_EQ(std::tuple(step.type, step.passOn, step.beep, step.held),
                  std::tuple(type, passOn, beep, nowHeld))
            << std::hex << int{held} << " " << int{typed};
    }
}

}  // namespace
}  // namespace tornavel
