#pragma once

#include <cstdint>

namespace tornavel {

// What the keyboard and the mouse do in the message window. The window turns
// its messages into these events and carries out the answers; every rule
// lives here.
//
// Two rules keep a message from being thrown away by input meant for another
// window:
// - A typing burst: keys that began within a second of the window becoming
//   active, each within a second of the one before, are someone still typing
//   into the window they were in. Inside it a key only ever types into the
//   reply box: Enter, Esc, Alt+F4, Tab (and Space on the close button) are
//   held back. A press of any mouse button inside the window ends it.
// - A press on either button within half a second of the window appearing
//   was meant for what was there before, and does nothing.
//
// Times are milliseconds of a 64-bit tick count (WidenTick), which never
// wraps: the rules hold for a pop-up left open for weeks.
class InputRules {
  public:
    enum class Key { kEnter, kEscape, kTab, kSpace, kF4, kOther };
    // Where the keyboard focus is.
    enum class Focus { kReplyBox, kCloseButton, kElsewhere };
    // Where a mouse press lands.
    enum class Spot { kTitleLabel, kCloseButton, kSendButton, kElsewhere };

    struct KeyDown {
        Key key = Key::kOther;
        std::int64_t timeMs = 0;
        bool shift = false;
        bool control = false;
        bool alt = false;
        Focus focus = Focus::kReplyBox;
        bool replyBlank = false;  // IsBlankReply of the reply box's text
    };

    enum class Answer {
        kPassOn,         // the platform and the control do what they do with it
        kHoldBack,       // the key does nothing; a beep says so
        kIgnore,         // the press does nothing, silently
        kSend,           // the send button's click
        kClose,          // the close button's click
        kEndAtOnce,      // the program ends now, nothing sent
        kLineBreak,      // a line break typed into the reply box
        kFocusNext,      // the next control in the tab order
        kFocusPrevious,  // the one before
        kStartDrag,      // the system moves the window with the pointer
    };

    static constexpr std::int64_t kBurstGapMs = 1000;
    static constexpr std::int64_t kButtonsDeadMs = 500;

    // The window has just been shown.
    void Appeared(std::int64_t timeMs) noexcept;
    // The window has just become active: a burst may be under way.
    void Activated(std::int64_t timeMs) noexcept;

    Answer OnKeyDown(const KeyDown& key) noexcept;
    // A character the keyboard typed, after its key went down.
    Answer OnCharacter(wchar_t character) const noexcept;
    // A mouse button going down; `anotherButtonDown` when one already was.
    Answer OnPress(Spot spot, std::int64_t timeMs, bool anotherButtonDown) noexcept;
    // The pointer moving while the window has the mouse.
    Answer OnMove(bool left, bool right, bool middle) noexcept;
    // The window has lost the mouse.
    void OnCaptureLost() noexcept { dragArmed_ = false; }

    // The send button's click: a reply that is not blank is sent, and the
    // program ends either way. (Enter answers kSend only for a reply that is
    // not blank.)
    static Answer OnSendClicked(bool replyBlank) noexcept;

  private:
    // Whether a key at `timeMs` belongs to the burst; it extends it.
    bool KeyInBurst(std::int64_t timeMs) noexcept;

    bool inBurst_ = false;
    std::int64_t lastKeyMs_ = 0;
    bool appeared_ = false;
    std::int64_t appearedMs_ = 0;
    bool dragArmed_ = false;  // the button now down went down on the title label
};

}  // namespace tornavel
