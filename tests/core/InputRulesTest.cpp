#include "core/InputRules.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace tornavel {
namespace {

using A = InputRules::Answer;

// Plays `steps` to rules whose window appeared and became active at 0, and
// gives the answer to the last. A step: "Enter@300", "ctrl+shift+alt+Tab@300"
// (keys Enter, Esc, Tab, Space, F4, a), "Enter:close@300" with the focus on
// the close button (":other" elsewhere, ":blank" on a blank reply),
// "press:send@499" (title, close, send, other; "press2" with another button
// down), "move:L" with the left button down (L, R, M), "lost" the mouse,
// "active@1500", "char:27".
A Play(const std::string& steps) {
    using Spot = InputRules::Spot;
    using Key = InputRules::Key;
    constexpr auto npos = std::string::npos;
    // clang-format off
    const std::map<std::string, Spot> spots{{"title", Spot::kTitleLabel},
        {"close", Spot::kCloseButton}, {"send", Spot::kSendButton}, {"other", Spot::kElsewhere}};
    const std::map<std::string, Key> keys{{"Enter", Key::kEnter}, {"Esc", Key::kEscape},
        {"Tab", Key::kTab}, {"Space", Key::kSpace}, {"F4", Key::kF4}, {"a", Key::kOther}};
    InputRules rules;
    rules.Appeared(0);
    rules.Activated(0);
    A last = A::kPassOn;
    std::istringstream words(steps);
    for (std::string word; words >> word;) {  // [mods+]name[:arg][@time]
        const std::size_t at = word.find('@'), colon = word.find(':');
        const std::int64_t time = at == npos ? 0 : std::stoll(word.substr(at + 1), nullptr, 0);
        const std::string arg = colon == npos ? "" : word.substr(colon + 1, at - colon - 1);
        const std::string head = word.substr(0, std::min(colon, at));
        const std::string name = head.substr(head.rfind('+') + 1);
        const auto has = [&](const char* c) {
            return (name == "move" ? arg : head).find(c) != npos;
        };
        if (name == "active") rules.Activated(time);
        else if (name == "lost") rules.OnCaptureLost();
        else if (name == "char")
            last = rules.OnCharacter(static_cast<wchar_t>(std::stoi(arg)));
        else if (name == "move") last = rules.OnMove(has("L"), has("R"), has("M"));
        else if (name.rfind("press", 0) == 0)
            last = rules.OnPress(spots.at(arg), time, name == "press2");
        else
            last = rules.OnKeyDown({keys.at(name), time, has("shift+"), has("ctrl+"), has("alt+"),
                arg == "close" ? InputRules::Focus::kCloseButton : arg == "other"
                    ? InputRules::Focus::kElsewhere : InputRules::Focus::kReplyBox,
                arg == "blank"});
    }
    // clang-format on
    return last;
}

TEST(InputRules, TheBurstTheKeysTheDeadButtonsAndTheDrag) {
    // clang-format off
    const std::pair<const char*, A> rows[] = {
        // A key 999 ms after the last is in the burst, 1000 ms after is not;
        // the activation counts as a key, and comes again in a burst.
        {"a@500 Enter@1499", A::kHoldBack}, {"a@500 Enter@1500", A::kSend},
        {"a@500 a@501 Enter@1500", A::kHoldBack},  // each key extends it, 1 ms later too
        {"Enter@999", A::kHoldBack}, {"Enter@1000", A::kSend},
        {"a@800 active@1500 Enter@2400", A::kHoldBack},
        {"a@1200 active@1300 Enter@1400", A::kHoldBack},
        // Stamped before the activation; where a 32-bit count would wrap or
        // turn negative, and for a pop-up open 28 days.
        {"active@1000 Enter@990", A::kHoldBack}, {"active@1000 a@10 Enter@2000", A::kSend},
        {"active@0xFFFFFF00 Enter@0x1000002E7", A::kHoldBack},
        {"active@0xFFFFFF00 Enter@0x1000002E8", A::kSend},
        {"active@0x7FFFFFFF Enter@0x80000000", A::kHoldBack}, {"Enter@0x80000000", A::kSend},
        {"press:send@0x90000000", A::kPassOn}, {"press:send@0x100000000", A::kPassOn},
        // Each key in a burst, and after it.
        {"Enter:close@300", A::kHoldBack}, {"Enter:close@1400", A::kClose},
        {"Enter:other@1400", A::kSend}, {"Enter:blank@1400", A::kHoldBack},
        {"ctrl+Enter@300", A::kLineBreak}, {"shift+Enter@1400", A::kLineBreak},
        {"shift+Enter:close@300", A::kPassOn}, {"ctrl+Enter:close@1400", A::kPassOn},
        {"Esc@300", A::kHoldBack}, {"Esc@1400", A::kPassOn},
        {"a@300 char:27", A::kHoldBack}, {"a@1400 char:27", A::kEndAtOnce},
        {"char:97", A::kPassOn}, {"Tab@300", A::kHoldBack}, {"Tab@1400", A::kFocusNext},
        {"shift+Tab@1400", A::kFocusPrevious}, {"ctrl+Tab@300", A::kPassOn},
        {"alt+F4@300", A::kHoldBack}, {"alt+F4@1400", A::kClose}, {"F4@1400", A::kPassOn},
        {"Space:close@300", A::kHoldBack}, {"Space:close@1400", A::kPassOn},
        {"Space@300", A::kPassOn}, {"a@300", A::kPassOn},
        // A press in the window ends the burst; one the buttons ignore does not.
        {"press:other@300 Enter@400", A::kSend}, {"press:send@300 Enter@400", A::kHoldBack},
        {"press:send@499", A::kIgnore}, {"press:close@499", A::kIgnore},
        {"press:send@500", A::kPassOn}, {"press:close@-16", A::kIgnore},
        // Only a press on the title label, then the left button alone, drags.
        {"press:title@0 move:L", A::kStartDrag}, {"press:title@0 move:L move:L", A::kPassOn},
        {"press:other@0 move:L", A::kPassOn}, {"press:title@0 move:LR", A::kPassOn},
        {"press:title@0 move:LM move:R move:L", A::kStartDrag},
        {"press:title@0 press2:other@9 move:L", A::kStartDrag},
        {"press:other@0 press2:title@9 move:L", A::kPassOn},
        {"press:title@0 lost move:L", A::kPassOn},
    };
    // clang-format on
    for (const auto& [steps, answer] : rows)
        EXPECT_EQ(static_cast<int>(Play(steps)), static_cast<int>(answer)) << steps;
}

}  // namespace
}  // namespace tornavel
