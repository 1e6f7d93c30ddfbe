#include "core/InputRules.h"

#include <gtest/gtest.h>

#include <functional>

#include "core/ChangedSpan.h"
#include "core/ReplyDatagram.h"

namespace tornavel {

namespace {

using Rules = InputRules;
using A = InputRules::Answer;
using K = InputRules::Key;
using F = InputRules::Focus;
using S = InputRules::Spot;
using Step = std::function<A(Rules&)>;

Step Key(std::uint32_t time, K key = K::kOther) {
    return [=](Rules& r) { return r.OnKeyDown({key, time}); };
}
Step Enter(std::uint32_t time) { return Key(time, K::kEnter); }
Step Activate(std::uint32_t time) {
    return [=](Rules& r) {
        r.Activated(time);
        return A::kPassOn;
    };
}
Step Press(S spot, std::uint32_t time, bool anotherDown = false) {
    return [=](Rules& r) { return r.OnPress(spot, time, anotherDown); };
}
Step Move(bool left, bool right = false, bool middle = false) {
    return [=](Rules& r) { return r.OnMove(left, right, middle); };
}
Step LoseMouse() {
    return [](Rules& r) {
        r.OnCaptureLost();
        return A::kPassOn;
    };
}

// Steps from a window that appeared and became active at 0; the answer to the last.
TEST(InputRules, TheBurstTheDeadButtonsAndTheDrag) {
    const std::tuple<const char*, std::vector<Step>, A> rows[] = {
        // clang-format off
        {"a key 999 ms after the last is in the burst", {Key(500), Enter(1499)}, A::kHoldBack},
        {"1000 ms after the last ends it", {Key(500), Enter(1500)}, A::kSend},
        {"the activation counts as a key", {Enter(999)}, A::kHoldBack},
        {"1000 ms after the activation", {Enter(1000)}, A::kSend},
        {"activation again in a burst starts it anew", {Key(800), Activate(1500), Enter(2400)}, A::kHoldBack},
        {"activation after a burst starts another", {Key(1200), Activate(1300), Enter(1400)}, A::kHoldBack},
        {"a key stamped before the activation", {Activate(1000), Enter(990)}, A::kHoldBack},
        {"moves the burst nothing back", {Activate(1000), Key(10), Enter(2000)}, A::kSend},
        {"the clock wraps in a burst", {Activate(0xFFFFFF00u), Enter(0x2E7)}, A::kHoldBack},
        {"then a second passes", {Activate(0xFFFFFF00u), Enter(0x2E8)}, A::kSend},
        {"a press in the window ends the burst", {Press(S::kElsewhere, 300), Enter(400)}, A::kSend},
        {"a press the buttons ignore does not", {Press(S::kSendButton, 300), Enter(400)}, A::kHoldBack},
        {"send button 499 ms after appearing", {Press(S::kSendButton, 499)}, A::kIgnore},
        {"close button 499 ms after", {Press(S::kCloseButton, 499)}, A::kIgnore},
        {"send button 500 ms after", {Press(S::kSendButton, 500)}, A::kPassOn},
        {"close button stamped before appearing", {Press(S::kCloseButton, 0xFFFFFFF0u)}, A::kIgnore},
        {"the title label, then the left button", {Press(S::kTitleLabel, 0), Move(true)}, A::kStartDrag},
        {"one drag for one press", {Press(S::kTitleLabel, 0), Move(true), Move(true)}, A::kPassOn},
        {"off the title label", {Press(S::kElsewhere, 0), Move(true)}, A::kPassOn},
        {"left and right", {Press(S::kTitleLabel, 0), Move(true, true)}, A::kPassOn},
        {"left and middle, then the left alone",
         {Press(S::kTitleLabel, 0), Move(true, false, true), Move(false, true), Move(true)}, A::kStartDrag},
        {"a second button keeps the first press's place",
         {Press(S::kTitleLabel, 0), Press(S::kElsewhere, 9, true), Move(true)}, A::kStartDrag},
        {"even off it", {Press(S::kElsewhere, 0), Press(S::kTitleLabel, 9, true), Move(true)}, A::kPassOn},
        {"the mouse taken away", {Press(S::kTitleLabel, 0), LoseMouse(), Move(true)}, A::kPassOn},
        // clang-format on
    };
    for (const auto& [what, steps, answer] : rows) {
        Rules rules;
        rules.Appeared(0);
        rules.Activated(0);
        A last = A::kPassOn;
        for (const Step& step : steps) last = step(rules);
        EXPECT_EQ(last, answer) << what;
    }
    EXPECT_EQ(Rules().OnPress(S::kSendButton, 5000, false), A::kIgnore) << "never shown";
}

TEST(InputRules, EachKeyInABurstAndAfterIt) {
    // clang-format off
    const std::tuple<Rules::KeyDown, A, A> rows[] = {
        {{K::kEnter}, A::kHoldBack, A::kSend},
        {{K::kEnter, 0, false, false, false, F::kCloseButton}, A::kHoldBack, A::kClose},
        {{K::kEnter, 0, false, false, false, F::kElsewhere}, A::kHoldBack, A::kSend},
        {{K::kEnter, 0, false, false, false, F::kReplyBox, true}, A::kHoldBack, A::kHoldBack},
        {{K::kEnter, 0, false, true}, A::kLineBreak, A::kLineBreak},
        {{K::kEnter, 0, true}, A::kLineBreak, A::kLineBreak},
        {{K::kEnter, 0, true, false, false, F::kCloseButton}, A::kPassOn, A::kPassOn},
        {{K::kEscape}, A::kHoldBack, A::kPassOn},
        {{K::kTab}, A::kHoldBack, A::kFocusNext},
        {{K::kTab, 0, true}, A::kHoldBack, A::kFocusPrevious},
        {{K::kTab, 0, false, true}, A::kPassOn, A::kPassOn},
        {{K::kF4, 0, false, false, true}, A::kHoldBack, A::kClose},
        {{K::kF4}, A::kPassOn, A::kPassOn},
        {{K::kSpace, 0, false, false, false, F::kCloseButton}, A::kHoldBack, A::kPassOn},
        {{K::kSpace}, A::kPassOn, A::kPassOn},
        {{K::kOther}, A::kPassOn, A::kPassOn},
    };
    // clang-format on
    for (std::size_t row = 0; row < std::size(rows); ++row) {
        auto [key, inBurst, after] = rows[row];
        Rules rules;
        rules.Activated(0);
        key.timeMs = 300;
        EXPECT_EQ(rules.OnKeyDown(key), inBurst) << "row " << row;
        key.timeMs = 1400;
        EXPECT_EQ(rules.OnKeyDown(key), after) << "row " << row;
    }
    // Esc's character (Ctrl+[ types one too) ends the program after a burst only.
    Rules rules;
    rules.Activated(0);
    EXPECT_EQ(rules.OnCharacter(27), A::kHoldBack);
    EXPECT_EQ(rules.OnCharacter(L'a'), A::kPassOn);
    rules.OnKeyDown({K::kOther, 1100});
    EXPECT_EQ(rules.OnCharacter(27), A::kEndAtOnce);
}

TEST(InputRules, TheSendButtonSendsAnythingButBlanks) {
    const std::pair<const wchar_t*, A> rows[] = {{L"", A::kEndAtOnce},    {L"   ", A::kEndAtOnce},
                                                 {L"\r\n\r\n", A::kSend}, {L"\t", A::kSend},
                                                 {L" \u00A0 ", A::kSend}, {L"  Voy ", A::kSend}};
    for (const auto& [reply, answer] : rows) {
        EXPECT_EQ(Rules::OnSendClicked(reply), answer) << testing::PrintToString(reply);
        EXPECT_EQ(IsBlankReply(reply), answer == A::kEndAtOnce);
    }
}

TEST(ChangedSpan, TheOneStretchThatDiffers) {
    const std::tuple<const wchar_t*, const wchar_t*, ChangedSpan> rows[] = {
        {L"", L"", {0, 0, 0}},
        {L"Voy", L"Voy", {3, 0, 0}},
        {L"a\xD83D\xDE00"
         L"b",
         L"a??b",
         {1, 2, 2}},                 // a surrogate pair, as Windows holds it
        {L"aa", L"aaa", {2, 0, 1}},  // the common end never overlaps the start
        {L"abcabc", L"abc", {3, 3, 0}},
        {L"Vale \u0142 \u041F ok", L"Vale l ? ok", {5, 3, 3}},
    };
    for (const auto& [before, after, span] : rows)
        EXPECT_EQ(FindChangedSpan(before, after), span) << testing::PrintToString(before);
}

}  // namespace
}  // namespace tornavel
