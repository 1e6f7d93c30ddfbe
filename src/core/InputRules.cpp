#include "core/InputRules.h"

namespace tornavel {
void InputRules::Appeared(std::int64_t timeMs) noexcept {
    appeared_ = true;
    appearedMs_ = timeMs;
}

void InputRules::Activated(std::int64_t timeMs) noexcept {
    inBurst_ = true;
    lastKeyMs_ = timeMs;
}

bool InputRules::KeyInBurst(std::int64_t timeMs) noexcept {
    const std::int64_t gap = timeMs - lastKeyMs_;
    if (gap >= kBurstGapMs) inBurst_ = false;
    // A key stamped before the last one (or the activation) moves nothing back.
    if (gap > 0) lastKeyMs_ = timeMs;
    return inBurst_;
}

InputRules::Answer InputRules::OnKeyDown(const KeyDown& key) noexcept {
    const bool burst = KeyInBurst(key.timeMs);
    switch (key.key) {
        case Key::kEnter:
            // Ctrl+Enter and Shift+Enter type a line break, burst or not.
            if (key.shift || key.control)
                return key.focus == Focus::kReplyBox ? Answer::kLineBreak : Answer::kPassOn;
            if (burst) return Answer::kHoldBack;
            if (key.focus == Focus::kCloseButton) return Answer::kClose;
            return key.replyBlank ? Answer::kHoldBack : Answer::kSend;
        case Key::kEscape:
            // Its character ends the program (OnCharacter).
            return burst ? Answer::kHoldBack : Answer::kPassOn;
        case Key::kTab:
            // Ctrl+Tab types a tab.
            if (key.control) return Answer::kPassOn;
            if (burst) return Answer::kHoldBack;
            return key.shift ? Answer::kFocusPrevious : Answer::kFocusNext;
        case Key::kF4:
            if (!key.alt) return Answer::kPassOn;
            return burst ? Answer::kHoldBack : Answer::kClose;
        case Key::kSpace:
            // Space presses the focused button: the close button, when a
            // burst began while it had the focus.
            return burst && key.focus == Focus::kCloseButton ? Answer::kHoldBack : Answer::kPassOn;
        case Key::kOther:
            break;
    }
    return Answer::kPassOn;
}

InputRules::Answer InputRules::OnCharacter(wchar_t character) const noexcept {
    constexpr wchar_t kEscape = 27;
    if (character != kEscape) return Answer::kPassOn;
    return inBurst_ ? Answer::kHoldBack : Answer::kEndAtOnce;
}

InputRules::Answer InputRules::OnPress(Spot spot, std::int64_t timeMs,
                                       bool anotherButtonDown) noexcept {
    const bool onButton = spot == Spot::kCloseButton || spot == Spot::kSendButton;
    // A press meant for what was there a moment ago: as if it never happened.
    if (onButton && (!appeared_ || timeMs - appearedMs_ < kButtonsDeadMs)) return Answer::kIgnore;
    inBurst_ = false;
    // A second button keeps what the first one's press decided.
    if (!anotherButtonDown) dragArmed_ = spot == Spot::kTitleLabel;
    return Answer::kPassOn;
}

InputRules::Answer InputRules::OnMove(bool left, bool right, bool middle) noexcept {
    // Exactly the left button, after a press on the title label.
    if (!dragArmed_ || !left || right || middle) return Answer::kPassOn;
    dragArmed_ = false;
    return Answer::kStartDrag;
}

InputRules::Answer InputRules::OnSendClicked(bool replyBlank) noexcept {
    return replyBlank ? Answer::kEndAtOnce : Answer::kSend;
}

}  // namespace tornavel
