#include "core/TypedText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

constexpr wchar_t kHigh = 0xD83D, kLow = 0xDE00;  // the halves of 😀

TEST(TypedText, APairGoesInWholeAndAHalfAloneGoesInBeforeWhatCameInstead) {
    // held, typed; what enters, the unit passed on to the control, held now.
    // clang-format off
    const std::tuple<wchar_t, wchar_t, std::wstring, bool, wchar_t> rows[] = {
        {0, L'a', L"a", false, 0}, {0, L'\u0142', L"\u0142", false, 0}, {0, L' ', L" ", false, 0},
        {0, L'\b', L"", true, 0}, {0, 0x1F, L"", true, 0}, {0, 0x7F, L"", true, 0},
        {0, L'\r', L"\r\n", false, 0}, {0, L'\n', L"\r\n", false, 0}, {0, L'\t', L"\t", false, 0},
        {0, kHigh, L"", false, kHigh}, {kHigh, kLow, {kHigh, kLow}, false, 0},
        {0, kLow, {kLow}, false, 0},
        // The partner never came: the half alone goes in first.
        {kHigh, L'a', {kHigh, L'a'}, false, 0}, {kHigh, L'\b', L"", false, 0}, {kHigh, 0x1A, L"", true, 0},
        {kHigh, kHigh, {kHigh}, false, kHigh}};
    // clang-format on
    for (const auto& [held, typed, text, passOn, nowHeld] : rows) {
        const TypingStep step = TypeCharacter(held, typed);
        EXPECT_EQ(std::tuple(step.text, step.passOn, step.held), std::tuple(text, passOn, nowHeld))
            << std::hex << int{held} << " " << int{typed};
    }
}

}  // namespace
}  // namespace tornavel
