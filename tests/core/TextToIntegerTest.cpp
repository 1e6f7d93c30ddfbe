#include "core/TextToInteger.h"

#include <gtest/gtest.h>

#include <utility>

#include "RaisedError.h"

namespace tornavel {
namespace {

// The value, and the number of the error raised instead (0: none).
using Outcome = std::pair<std::int32_t, std::int32_t>;

Outcome Convert(std::wstring_view text) {
    std::int32_t value = 0;
    const std::int32_t error = RaisedError([&] { value = TextToInteger(text); });
    return {value, error};
}

constexpr Outcome Value(std::int32_t v) { return {v, 0}; }
constexpr Outcome kTypeMismatch{0, 13};
constexpr Outcome kOverflow{0, 6};

TEST(TextToInteger, ReadsDecimalsAndRaises13ForNoNumberAnd6OutsideTheRange) {
    // Awkward first: nothing, blanks, signs and points alone; then blanks
    // around, signs, leading zeros; fractions, which round half to even; the
    // edges of the 32-bit range and long digit runs; anything else in the
    // text; and a view, which starts and ends where it says whatever lies
    // around it.
    // clang-format off
    const std::pair<std::wstring_view, Outcome> cases[] = {
        {L"", kTypeMismatch}, {L" ", kTypeMismatch}, {L"-", kTypeMismatch}, {L"+", kTypeMismatch},
        {L".", kTypeMismatch}, {L"--1", kTypeMismatch},
        {L" 42\t", Value(42)}, {L"+7", Value(7)}, {L"-1", Value(-1)}, {L"0065535", Value(65535)},
        {L"0", Value(0)},
        {L"2.5", Value(2)}, {L"3.5", Value(4)}, {L"2.51", Value(3)}, {L"2.6", Value(3)},
        {L"2.4999", Value(2)},
        {L"2.50", Value(2)}, {L".5", Value(0)}, {L"7.", Value(7)}, {L"-2.5", Value(-2)},
        {L"2147483647", Value(2147483647)}, {L"-2147483648", Value(INT32_MIN)},
        {L"2147483648", kOverflow}, {L"-2147483649", kOverflow}, {L"2147483647.5", kOverflow},
        {L"-2147483648.51", kOverflow}, {L"99999999999999999999999999", kOverflow},
        {L"abc", kTypeMismatch}, {L"50a1", kTypeMismatch}, {L"1 2", kTypeMismatch},
        {L"1,000", kTypeMismatch}, {L"0x10", kTypeMismatch}, {L"\u0661", kTypeMismatch},
        {std::wstring_view(L"7.5", 1), Value(7)}, {std::wstring_view(L"2.59", 3), Value(2)},
        {std::wstring_view(L"12", 1), Value(1)}, {std::wstring_view(L" 5").substr(1, 0), kTypeMismatch}};
    // clang-format on
    for (const auto& [text, outcome] : cases)
        EXPECT_EQ(Convert(text), outcome) << ::testing::PrintToString(std::wstring(text));
}

}  // namespace
}  // namespace tornavel
