#include <gtest/gtest.h>

#include <cstdlib>
#include <random>

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
        {{Do::kInserted, L"\u0416"}, L"?b??l\u00E9"}};
    // clang-format on
    std::vector<Step> steps;
    for (const auto& [step, text] : rows) steps.push_back(step);
    const Outcome outcome = RunSteps(6, steps);
    EXPECT_EQ(outcome.fault.value_or(""), "");
    for (std::size_t i = 0; i < outcome.texts.size(); ++i)
        EXPECT_EQ(outcome.texts[i], rows[i].second) << Row(rows[i].first);
}

// Seeded random edits on the real window, on the desk of the process's locale
// (ctest runs it on code pages 1252, 65001 and 932; scripts/fuzz longer).
// REPLY_BOX_SEED repeats a run, REPLY_BOX_STEPS sets its length.
TEST(ReplyBox, HoldsWhatThePeerReadsAfterAnyEdit) {
    const char* seed = std::getenv("REPLY_BOX_SEED");
    const char* steps = std::getenv("REPLY_BOX_STEPS");
    const unsigned long chosen =
        seed != nullptr ? std::strtoul(seed, nullptr, 10) : std::random_device{}();
    std::printf("code page %u, REPLY_BOX_SEED=%lu\n", ::GetACP(), chosen);
    EXPECT_EQ(Drive(chosen, steps != nullptr ? std::strtoul(steps, nullptr, 10) : 4000), "");
}

}  // namespace
}  // namespace tornavel::edits
