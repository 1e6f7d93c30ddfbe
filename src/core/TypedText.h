#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace tornavel {

// What typed text becomes in the reply box, so that the box holds what the
// peer will read, and never half a character.

// The two halves of a UTF-16 pair, which stand for one character outside the
// Basic Multilingual Plane (an emoji) only together.
constexpr bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// `text` with every half that has no partner as "?", which is what a code
// page that lacks a character makes of it: no code page, UTF-8 included,
// can carry half a character.
std::wstring WithLoneHalvesAsQuestionMarks(std::wstring_view text);

// Text as the peer will read it: through the code page and back.
using ThroughCodePage = std::function<std::wstring(std::wstring_view)>;

// What the reply box does with one typed UTF-16 unit (a key's character, or
// one from an input method), so that it only ever holds what the peer reads.
struct TypingStep {
    std::wstring type;    // typed into the box first, as the peer will read it
    bool passOn = false;  // then the character itself goes in as typed
    bool beep = false;    // something typed became what the peer will read
    wchar_t held = 0;     // the first half of a pair, kept for its second half
};

// A pair's halves come one after the other: the first is held until its
// second comes, and both go in together, as the peer reads the pair, so the
// box never holds half a character. A first half whose second never comes
// (another character came instead) goes in on its own, as "?", before that
// character is handled; so does a second half with no first. ASCII, control
// characters (Backspace, Ctrl+Z) included, is in every code page.
TypingStep TypeCharacter(wchar_t held, wchar_t typed, const ThroughCodePage& through);

}  // namespace tornavel
