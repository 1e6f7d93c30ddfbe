#include <gtest/gtest.h>

#include <cstdlib>

#include "ReplyBoxEdits.h"

namespace tornavel::edits {
namespace {

// Every way text reaches the box (code page 1252 here, 6 bytes of room), each
// as it reaches the program, made what the peer reads; a key beyond the room
// does nothing, the rest is refused whole, and a refusal leaves the person's
// text, selection and undo as they were (the driver's checks, after every step).
TEST(ReplyBox, EveryWayInIsWhatThePeerReadsWithinTheRoom) {
    ASSERT_EQ(::GetACP(), 1252u) << "run under a locale of code page 1252";
    const Step kCtrlEnd{Do::kKey, L"", VK_END, false, true};
    const Step kShiftRight{Do::kKey, L"", VK_RIGHT, true, false};
    const Step kShiftLeft{Do::kKey, L"", VK_LEFT, true, false};
    // clang-format off
    const std::pair<Step, const wchar_t*> rows[] = {
        {{Do::kType, L"a"}, L"a"}, {{Do::kType, L"b"}, L"ab"}, {{Do::kType, L"\u0142"}, L"abl"},
        {{Do::kReplace, L"\r\n", 1}, L"abl\r\n"}, {{Do::kImeChar, L"\u0416"}, L"abl\r\n?"},
        {{Do::kKey, L"", VK_RETURN, true}, L"abl\r\n?"}, {{Do::kType, L"x"}, L"abl\r\n?"},
        {{Do::kType, L"\r"}, L"abl\r\n?"}, {{Do::kClipboard, L"xy"}, L"abl\r\n?"},
        {{Do::kKey, L"", 'V', false, true}, L"abl\r\n?"}, {{Do::kKey, L"", VK_INSERT, true}, L"abl\r\n?"},
        {{Do::kKey, L"", VK_INSERT, true, true}, L"abl\r\n?"}, {{Do::kCompose, L"z"}, L"abl\r\n?"},
        {{Do::kSetText, L"\u041F\u0440\u0438"}, L"???"}, {kCtrlEnd, L"???"},
        {{Do::kClipboard, L"\u0442"}, L"???"}, {{Do::kKey, L"", 'V', false, true}, L"????"},
        {{Do::kSetText, L"1234567"}, L"????"}, {{Do::kReplace, L"\u0142", 1}, L"????l"},
        {{Do::kReplace, L"ab", 1}, L"????l"}, {{Do::kCompose, L"\u00E9"}, L"????l\u00E9"},
        {{Do::kKey, L"", VK_HOME}, L"????l\u00E9"}, {kShiftRight, L"????l\u00E9"},
        {kShiftRight, L"????l\u00E9"}, {{Do::kReplace, L"ab", 0}, L"ab??l\u00E9"},
        {{Do::kKey, L"", VK_HOME}, L"ab??l\u00E9"}, {kShiftRight, L"ab??l\u00E9"},
        {{Do::kReplace, L"xy", 0}, L"ab??l\u00E9"}, {{Do::kKey, L"", VK_BACK}, L"b??l\u00E9"},
        {{Do::kInserted, L"\u0416"}, L"?b??l\u00E9"}, {{Do::kKey, L"", VK_END}, L"?b??l\u00E9"},
        {kShiftLeft, L"?b??l\u00E9"}, {kShiftLeft, L"?b??l\u00E9"}, {{Do::kKey, L"", VK_BACK}, L"?b??"}};
    // clang-format on
    std::vector<Step> steps;
    for (const auto& [step, text] : rows) steps.push_back(step);
    const Outcome outcome = RunSteps(6, steps);
    EXPECT_EQ(outcome.fault.value_or(""), "");
    for (std::size_t i = 0; i < outcome.texts.size(); ++i)
        EXPECT_EQ(outcome.texts[i], rows[i].second) << Row(rows[i].first);
}

// Seeded random edits on the real window, on the desk of the process's locale:
// REPLY_BOX_CODE_PAGE (1252 unless told), REPLY_BOX_SEED (1 unless told: ctest
// runs a fixed seed per desk; scripts/fuzz fresh ones), REPLY_BOX_STEPS.
TEST(ReplyBox, HoldsWhatThePeerReadsAfterAnyEdit) {
    const auto setting = [](const char* name, unsigned long otherwise) {
        const char* value = std::getenv(name);
        return value != nullptr ? std::strtoul(value, nullptr, 10) : otherwise;
    };
    ASSERT_EQ(::GetACP(), setting("REPLY_BOX_CODE_PAGE", 1252)) << "the desk's locale is missing";
    EXPECT_EQ(Drive(setting("REPLY_BOX_SEED", 1), setting("REPLY_BOX_STEPS", 4000)), "");
}

}  // namespace
}  // namespace tornavel::edits
