#pragma once
// A seeded random driver of the pop-up's reply box: edits a person or another
// program makes, sent the way each reaches the program (keys and characters
// through the window's message loop and its preview, as WinMain's loop does;
// messages from outside straight to the box), and after every step the
// checks: the box holds only what the peer reads, never half a pair, never
// beyond the room; text refused leaves text, selection and undo as they
// were; text taken goes in whole characters in place of the selection, as
// the peer reads it; an undo gives back a text the box held. The desk is the
// process's: its ANSI code page.

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "util/Win32.h"

namespace tornavel::edits {

// One thing a person or another program does to the reply box, sent the way
// it reaches the program: keys and characters through the window's message
// loop, messages from outside straight to the box.
enum class Do {
    kType,       // the text's units as typed characters (VK_PACKET, as an input method sends)
    kKey,        // a key, with Shift and Ctrl as given
    kClipboard,  // another program copies the text
    kSetText,    // WM_SETTEXT from outside
    kReplace,    // EM_REPLACESEL from outside (`key` 0: unrecorded, else recorded)
    kImeChar,    // WM_IME_CHAR of the text's first unit
    kCompose,    // an input method's finished composition (WM_IME_COMPOSITION with its result)
    kInserted,   // text the control inserts itself, as Windows' edit does a composition
};
struct Step {
    Do what;
    std::wstring text;
    UINT key = 0;
    bool shift = false, control = false;
};

// One step as a row of a table, ready to paste.
std::string Row(const Step& step);

// The steps on a new pop-up whose box takes `room` bytes: the box's text
// after each step run, and what a check found after the last, if anything.
struct Outcome {
    std::vector<std::wstring> texts;
    std::optional<std::string> fault;
};
Outcome RunSteps(std::size_t room, const std::vector<Step>& steps);

// `steps` random steps from `seed`, on a new pop-up every 200. Nothing when
// every check held; else what failed, the seed and the fewest steps that
// still fail, as rows.
std::string Drive(unsigned long seed, std::size_t steps);

}  // namespace tornavel::edits
