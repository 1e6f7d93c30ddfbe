#include "core/InputRules.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/ChangedSpan.h"
#include "core/ReplyDatagram.h"

namespace tornavel {

// How a failed expectation names an answer (found by argument-dependent lookup).
void PrintTo(InputRules::Answer answer, std::ostream* out) {
    constexpr const char* kNames[] = {"pass on",        "hold back",   "ignore",     "send",
                                      "close",          "end at once", "line break", "focus next",
                                      "focus previous", "start drag"};
    *out << kNames[static_cast<int>(answer)];
}

namespace {

using Rules = InputRules;
using Answer = InputRules::Answer;
using Key = InputRules::Key;
using Focus = InputRules::Focus;
using Spot = InputRules::Spot;

Rules::KeyDown Down(std::uint32_t timeMs, Key key = Key::kOther) { return {key, timeMs}; }
Rules::KeyDown Enter(std::uint32_t timeMs) { return Down(timeMs, Key::kEnter); }

// What a person does, from a window that appeared and became active at 0;
// the answer to the last step.
struct Row {
    const char* what;
    std::function<Answer(Rules&)> steps;
    Answer answer;
};

TEST(InputRules, AKeyEndsInsideOrOutsideTheTypingBurst) {
    const Row rows[] = {
        {"a key 999 ms after the last is in the burst",
         [](Rules& r) {
             r.OnKeyDown(Down(500));
             return r.OnKeyDown(Enter(1499));
         },
         Answer::kHoldBack},
        {"1000 ms after the last ends it",
         [](Rules& r) {
             r.OnKeyDown(Down(500));
             return r.OnKeyDown(Enter(1500));
         },
         Answer::kSend},
        {"the activation counts as the first key", [](Rules& r) { return r.OnKeyDown(Enter(999)); },
         Answer::kHoldBack},
        {"1000 ms after the activation", [](Rules& r) { return r.OnKeyDown(Enter(1000)); },
         Answer::kSend},
        {"activation again in the middle of a burst starts it anew",
         [](Rules& r) {
             r.OnKeyDown(Down(800));
             r.Activated(1500);
             return r.OnKeyDown(Enter(2400));
         },
         Answer::kHoldBack},
        {"activation after a burst ended starts another",
         [](Rules& r) {
             r.OnKeyDown(Down(1200));
             r.Activated(1300);
             return r.OnKeyDown(Enter(1400));
         },
         Answer::kHoldBack},
        {"a key stamped before the activation is in the burst",
         [](Rules& r) {
             r.Activated(1000);
             return r.OnKeyDown(Enter(990));
         },
         Answer::kHoldBack},
        {"and moves its start nothing back",
         [](Rules& r) {
             r.Activated(1000);
             r.OnKeyDown(Down(10));
             return r.OnKeyDown(Enter(2000));
         },
         Answer::kSend},
        {"the clock wraps inside a burst",
         [](Rules& r) {
             r.Activated(0xFFFFFF00u);
             return r.OnKeyDown(Enter(0x2E7));
         },
         Answer::kHoldBack},
        {"the clock wraps, then a second passes",
         [](Rules& r) {
             r.Activated(0xFFFFFF00u);
             return r.OnKeyDown(Enter(0x2E8));
         },
         Answer::kSend},
        {"a press inside the window ends the burst",
         [](Rules& r) {
             r.OnPress(Spot::kElsewhere, 300, false);
             return r.OnKeyDown(Enter(400));
         },
         Answer::kSend},
        {"a press the buttons ignore does not",
         [](Rules& r) {
             r.OnPress(Spot::kSendButton, 300, false);
             return r.OnKeyDown(Enter(400));
         },
         Answer::kHoldBack},
    };
    for (const Row& row : rows) {
        Rules rules;
        rules.Appeared(0);
        rules.Activated(0);
        EXPECT_EQ(row.steps(rules), row.answer) << row.what;
    }
}

TEST(InputRules, EachKeyInAndAfterABurst) {
    struct KeyRow {
        Rules::KeyDown key;  // its time is set twice: in the burst and after it
        Answer inBurst;
        Answer after;
    };
    // clang-format off
    const KeyRow rows[] = {
        {{Key::kEnter},                                        Answer::kHoldBack, Answer::kSend},
        {{Key::kEnter, 0, false, false, false, Focus::kCloseButton},
                                                               Answer::kHoldBack, Answer::kClose},
        {{Key::kEnter, 0, false, false, false, Focus::kElsewhere},
                                                               Answer::kHoldBack, Answer::kSend},
        {{Key::kEnter, 0, false, false, false, Focus::kReplyBox, true},
                                                               Answer::kHoldBack, Answer::kHoldBack},
        {{Key::kEnter, 0, false, true},                        Answer::kLineBreak, Answer::kLineBreak},
        {{Key::kEnter, 0, true},                               Answer::kLineBreak, Answer::kLineBreak},
        {{Key::kEnter, 0, true, false, false, Focus::kCloseButton},
                                                               Answer::kPassOn, Answer::kPassOn},
        {{Key::kEscape},                                       Answer::kHoldBack, Answer::kPassOn},
        {{Key::kTab},                                          Answer::kHoldBack, Answer::kFocusNext},
        {{Key::kTab, 0, true},                                 Answer::kHoldBack, Answer::kFocusPrevious},
        {{Key::kTab, 0, false, true},                          Answer::kPassOn, Answer::kPassOn},
        {{Key::kF4, 0, false, false, true},                    Answer::kHoldBack, Answer::kClose},
        {{Key::kF4},                                           Answer::kPassOn, Answer::kPassOn},
        {{Key::kSpace, 0, false, false, false, Focus::kCloseButton},
                                                               Answer::kHoldBack, Answer::kPassOn},
        {{Key::kSpace},                                        Answer::kPassOn, Answer::kPassOn},
        {{Key::kOther},                                        Answer::kPassOn, Answer::kPassOn},
    };
    // clang-format on
    for (const KeyRow& row : rows) {
        SCOPED_TRACE(&row - rows);
        Rules rules;
        rules.Activated(0);
        Rules::KeyDown key = row.key;
        key.timeMs = 300;
        EXPECT_EQ(rules.OnKeyDown(key), row.inBurst);
        key.timeMs = 1400;
        EXPECT_EQ(rules.OnKeyDown(key), row.after);
    }
}

TEST(InputRules, EscapesCharacterEndsTheProgramOnlyAfterABurst) {
    Rules rules;
    rules.Activated(0);
    rules.OnKeyDown(Down(100));  // Ctrl+[ types Esc too
    EXPECT_EQ(rules.OnCharacter(27), Answer::kHoldBack);
    EXPECT_EQ(rules.OnCharacter(L'a'), Answer::kPassOn);
    rules.OnKeyDown(Down(1100));
    EXPECT_EQ(rules.OnCharacter(27), Answer::kEndAtOnce);
    EXPECT_EQ(rules.OnCharacter(L'\r'), Answer::kPassOn);
}

TEST(InputRules, ButtonsTakeNoPressForHalfASecondAndOnlyTheTitleLabelDrags) {
    const Row rows[] = {
        {"send button 499 ms after appearing",
         [](Rules& r) { return r.OnPress(Spot::kSendButton, 499, false); }, Answer::kIgnore},
        {"close button 499 ms after",
         [](Rules& r) { return r.OnPress(Spot::kCloseButton, 499, false); }, Answer::kIgnore},
        {"send button 500 ms after",
         [](Rules& r) { return r.OnPress(Spot::kSendButton, 500, false); }, Answer::kPassOn},
        {"close button stamped before appearing",
         [](Rules& r) {
             r.Appeared(1000);
             return r.OnPress(Spot::kCloseButton, 900, false);
         },
         Answer::kIgnore},
        {"the title label at once", [](Rules& r) { return r.OnPress(Spot::kTitleLabel, 0, false); },
         Answer::kPassOn},
        {"the title label, then the left button alone",
         [](Rules& r) {
             r.OnPress(Spot::kTitleLabel, 0, false);
             return r.OnMove(true, false, false);
         },
         Answer::kStartDrag},
        {"one drag for one press",
         [](Rules& r) {
             r.OnPress(Spot::kTitleLabel, 0, false);
             r.OnMove(true, false, false);
             return r.OnMove(true, false, false);
         },
         Answer::kPassOn},
        {"off the title label",
         [](Rules& r) {
             r.OnPress(Spot::kElsewhere, 0, false);
             return r.OnMove(true, false, false);
         },
         Answer::kPassOn},
        {"the left and the right button, then the left alone",
         [](Rules& r) {
             r.OnPress(Spot::kTitleLabel, 0, false);
             EXPECT_EQ(r.OnMove(true, true, false), Answer::kPassOn);
             EXPECT_EQ(r.OnMove(false, true, false), Answer::kPassOn);
             EXPECT_EQ(r.OnMove(true, false, true), Answer::kPassOn);
             return r.OnMove(true, false, false);
         },
         Answer::kStartDrag},
        {"a second button keeps the first press's place",
         [](Rules& r) {
             r.OnPress(Spot::kTitleLabel, 0, false);
             r.OnPress(Spot::kElsewhere, 10, true);
             return r.OnMove(true, false, false);
         },
         Answer::kStartDrag},
        {"even on the title label",
         [](Rules& r) {
             r.OnPress(Spot::kElsewhere, 0, false);
             r.OnPress(Spot::kTitleLabel, 10, true);
             return r.OnMove(true, false, false);
         },
         Answer::kPassOn},
        {"the mouse taken away",
         [](Rules& r) {
             r.OnPress(Spot::kTitleLabel, 0, false);
             r.OnCaptureLost();
             return r.OnMove(true, false, false);
         },
         Answer::kPassOn},
    };
    for (const Row& row : rows) {
        Rules rules;
        rules.Appeared(0);
        EXPECT_EQ(row.steps(rules), row.answer) << row.what;
    }
    EXPECT_EQ(Rules().OnPress(Spot::kSendButton, 5000, false), Answer::kIgnore) << "never shown";
}

TEST(InputRules, TheSendButtonSendsAnythingButBlanks) {
    const std::pair<const wchar_t*, Answer> rows[] = {
        {L"", Answer::kEndAtOnce}, {L"   ", Answer::kEndAtOnce}, {L"\r\n\r\n", Answer::kSend},
        {L"\t", Answer::kSend},    {L" \u00A0 ", Answer::kSend}, {L"  Voy ", Answer::kSend}};
    for (const auto& [reply, answer] : rows) {
        EXPECT_EQ(Rules::OnSendClicked(reply), answer) << testing::PrintToString(reply);
        EXPECT_EQ(IsBlankReply(reply), answer == Answer::kEndAtOnce);
    }
}

TEST(ChangedSpan, TheOneStretchThatDiffers) {
    // clang-format off
    const std::tuple<const wchar_t*, const wchar_t*, ChangedSpan> rows[] = {
        {L"", L"", {0, 0, 0}},
        {L"Voy", L"Voy", {3, 0, 0}},
        {L"a\xD83D\xDE00" L"b", L"a??b", {1, 2, 2}},  // a surrogate pair, as Windows holds it
        {L"\u0142", L"l", {0, 1, 1}},
        {L"aa", L"aaa", {2, 0, 1}},        // the common end never overlaps the beginning
        {L"abcabc", L"abc", {3, 3, 0}},
        {L"xyz", L"", {0, 3, 0}},
        {L"Vale \u0142 \u041F ok", L"Vale l ? ok", {5, 3, 3}},
    };
    // clang-format on
    for (const auto& [before, after, span] : rows) {
        const ChangedSpan found = FindChangedSpan(before, after);
        EXPECT_EQ(found, span) << testing::PrintToString(std::wstring(before));
    }
}

}  // namespace
}  // namespace tornavel
