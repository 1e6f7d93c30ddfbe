#include "core/TextToInteger.h"

#include <gtest/gtest.h>

#include "core/RuntimeError.h"

namespace tornavel {
namespace {

int ErrorNumberOf(const wchar_t* text) {
    try {
        (void)TextToInteger(text);
    } catch (const RuntimeError& e) {
        return e.Number();
    }
    return 0;
}

TEST(TextToInteger, ReadsDecimalNumbers) {
    struct Case {
        const wchar_t* text;
        std::int32_t value;
    };
    const Case cases[] = {
        {L"5001", 5001},
        {L"0", 0},
        {L"0065535", 65535},
        {L" 42\t", 42},
        {L"+7", 7},
        {L"-1", -1},
        {L"2147483647", 2147483647},
        {L"-2147483648", std::numeric_limits<std::int32_t>::min()},
        // Fractions round half to even.
        {L"2.5", 2},
        {L"3.5", 4},
        {L"2.51", 3},
        {L"2.4999", 2},
        {L".5", 0},
        {L"7.", 7},
        {L"-2.5", -2},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextToInteger(c.text), c.value) << ::testing::PrintToString(std::wstring(c.text));
}

TEST(TextToInteger, TextThatIsNoNumberIsError13) {
    for (const wchar_t* text : {L"", L" ", L"abc", L"50a1", L"-", L"+", L".", L"1 2", L"1,000",
                                L"--1", L"0x10", L"\u0661"}) {
        EXPECT_EQ(ErrorNumberOf(text), 13) << ::testing::PrintToString(std::wstring(text));
    }
}

TEST(TextToInteger, NumberOutsideThe32BitRangeIsError6) {
    for (const wchar_t* text : {L"2147483648", L"-2147483649", L"99999999999999999999999999",
                                L"2147483647.5", L"-2147483648.51"}) {
        EXPECT_EQ(ErrorNumberOf(text), 6) << ::testing::PrintToString(std::wstring(text));
    }
}

}  // namespace
}  // namespace tornavel
