#include "core/RuntimeError.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

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

}  // namespace
}  // namespace tornavel
