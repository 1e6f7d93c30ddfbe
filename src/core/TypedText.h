#pragma once

#include <string>

namespace tornavel {

// What one typed UTF-16 unit (a key's character, or one from an input
// method) puts into the reply box. A pair's halves come one after the other
// and stand for one character only together: the first is held until its
// second comes, and both go in as one, so the box never holds half a
// character. A first half whose second never comes (another unit came
// instead) goes in alone before that unit, and so does a second half with no
// first: the code page makes each of them "?". A unit that brings no text
// (Ctrl+Z) drops a held half, and a Backspace is then used up by it. A line break ("\r" or "\n")
// is "\r\n" and a tab a tab: text like any other.
struct TypingStep {
    std::wstring text;    // enters the box now, in place of the selection
    bool passOn = false;  // then the unit goes on to the control: no text (Backspace, Ctrl+Z)
    wchar_t held = 0;     // the first half of a pair, kept for its second half
};

TypingStep TypeCharacter(wchar_t held, wchar_t typed);

}  // namespace tornavel
