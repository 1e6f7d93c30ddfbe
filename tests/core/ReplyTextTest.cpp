#include "core/ReplyText.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(ReplyText, OnlyBlanksAreTrimmedAndABlankReplyHasNothingToSend) {
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> trims[] = {{L"", L""}, {L"   ", L""},
        {L" a  b ", L"a  b"}, {L"\t a \r\n", L"\t a \r\n"}, {L"\u00A0x\u00A0", L"\u00A0x\u00A0"}};
    // clang-format on
    for (const auto& [typed, sent] : trims) {
        EXPECT_EQ(TrimBlanks(typed), sent);
        EXPECT_EQ(IsBlankReply(typed), *sent == L'\0') << "nothing to send";
    }
}

}  // namespace
}  // namespace tornavel
