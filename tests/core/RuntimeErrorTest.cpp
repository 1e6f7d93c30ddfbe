#include "core/RuntimeError.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(RuntimeError, CarriesNumberDescriptionAndSource) {
    const RuntimeError error(-2147467259, L"", L"");
    EXPECT_EQ(error.Number(), -2147467259);
    EXPECT_EQ(error.Description(), L"");
    EXPECT_EQ(error.Source(), L"");
    EXPECT_STREQ(error.what(), "run-time error -2147467259");
}

TEST(RuntimeError, OwnErrorsHaveSpanishTextsAndTheApplicationAsSource) {
    struct Case {
        RuntimeError error;
        std::int32_t number;
        const wchar_t* description;
    };
    const Case cases[] = {
        {OverflowError(), 6, L"Desbordamiento"},
        {SubscriptOutOfRangeError(), 9, L"Sub\u00EDndice fuera del intervalo"},
        {TypeMismatchError(), 13, L"No coinciden los tipos"},
        {InputPastEndOfFileError(), 62, L"La entrada ha pasado del final del archivo"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.error.Number(), c.number);
        EXPECT_EQ(c.error.Description(), c.description);
        EXPECT_EQ(c.error.Source(), L"TornavelMensaje");
    }
}

TEST(RuntimeError, CaughtAsStdException) {
    try {
        throw SubscriptOutOfRangeError();
    } catch (const std::exception& e) {
        EXPECT_STREQ(e.what(), "run-time error 9");
    }
}

}  // namespace
}  // namespace tornavel
