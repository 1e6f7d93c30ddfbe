#include "core/TypedText.h"

#include "core/Surrogates.h"

namespace tornavel {

TypingStep TypeCharacter(wchar_t held, wchar_t typed) {
    TypingStep step;
    if (held != 0) step.text = held;  // whole with a second half typed now, or alone
    if (IsHighSurrogate(typed)) {
        step.held = typed;
    } else if (typed == L'\r' || typed == L'\n') {
        step.text += L"\r\n";  // what a multi-line edit control makes of either
    } else if ((typed < L' ' && typed != L'\t') || typed == 0x7F) {
        step.passOn = true;
    } else {
        step.text += typed;
    }
    return step;
}

}  // namespace tornavel
