#include "core/TypedText.h"

#include "core/Surrogates.h"

namespace tornavel {

TypingStep TypeCharacter(wchar_t held, wchar_t typed) {
    TypingStep step;
    if ((typed < L' ' && typed != L'\t' && typed != L'\r' && typed != L'\n') || typed == 0x7F) {
        // No text (Backspace, Ctrl+Z): the half goes, and a Backspace with it.
        step.passOn = held == 0 || typed != L'\b';
        return step;
    }
    if (held != 0) step.text = held;  // whole with a second half typed now, or alone
    if (IsHighSurrogate(typed)) {
        step.held = typed;
    } else if (typed == L'\r' || typed == L'\n') {
        step.text += L"\r\n";  // what a multi-line edit control makes of either
    } else {
        step.text += typed;
    }
    return step;
}

}  // namespace tornavel
