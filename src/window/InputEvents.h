#pragma once

#include <optional>

#include "core/InputRules.h"
#include "util/Win32.h"

namespace tornavel {

// Where input may land in the message window.
struct InputTargets {
    HWND window;
    HWND replyBox;
    HWND closeButton;
    HWND sendButton;
    RECT titleLabel;  // in the window's client coordinates
};

// A mouse button going down, a second click's included.
bool IsMousePress(UINT message);
// Whether any mouse button is held down now.
bool AnyMouseButtonDown();

// Turns a key going down, a typed character or a mouse press, meant for the
// window or one of its controls, into the event the rules take, and gives
// their answer; nothing for any other message.
std::optional<InputRules::Answer> AnswerFor(InputRules& rules, const MSG& msg,
                                            const InputTargets& targets);

}  // namespace tornavel
