#include "core/TypedText.h"

namespace tornavel {

std::wstring WithLoneHalvesAsQuestionMarks(std::wstring_view text) {
    std::wstring whole(text);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (IsHighSurrogate(whole[i]) && i + 1 < whole.size() && IsLowSurrogate(whole[i + 1])) {
            ++i;  // a pair
        } else if (IsHighSurrogate(whole[i]) || IsLowSurrogate(whole[i])) {
            whole[i] = L'?';
        }
    }
    return whole;
}

namespace {

// `typed` goes in as it is, or as the peer will read it. A single unit that
// stays as it is goes in as the control takes it; a pair was held back, so
// both its halves are typed.
void Enter(std::wstring_view typed, const ThroughCodePage& through, TypingStep& step) {
    const std::wstring wire = through(typed);
    if (wire != typed) step.beep = true;
    if (wire == typed && typed.size() == 1) {
        step.passOn = true;
    } else {
        step.type += wire;
    }
}

}  // namespace

TypingStep TypeCharacter(wchar_t held, wchar_t typed, const ThroughCodePage& through) {
    TypingStep step;
    if (held != 0 && IsLowSurrogate(typed)) {
        Enter(std::wstring{held, typed}, through, step);
        return step;
    }
    if (held != 0) {
        step.type = L"?";
        step.beep = true;
    }
    if (IsHighSurrogate(typed)) {
        step.held = typed;
    } else if (IsLowSurrogate(typed)) {
        step.type += L'?';
        step.beep = true;
    } else if (typed < 0x80) {
        step.passOn = true;
    } else {
        Enter(std::wstring(1, typed), through, step);
    }
    return step;
}

}  // namespace tornavel
