#pragma once

#include <optional>
#include <string>

#include "util/ControlSubclass.h"

namespace tornavel {

// The reply box: a multi-line edit control, with no length limit, named
// "Respuesta" for screen readers, whose every character is one the peer
// will read as shown.
class ReplyBox {
  public:
    ReplyBox() = default;
    ReplyBox(const ReplyBox&) = delete;
    ReplyBox& operator=(const ReplyBox&) = delete;

    // Creates the control; the parent destroys it. The box must not move in
    // memory after this. False when the control cannot be made.
    bool Create(HWND parent);
    HWND Handle() const noexcept { return hwnd_; }

    std::wstring Text() const;
    // A line break typed at the caret.
    void TypeLineBreak();
    // The parent hands over the box's EN_CHANGE. Characters the ANSI code
    // page lacks become what the peer will read (the conversion the sender
    // makes), with one beep; the caret stays after the text it was after.
    // A text of the code page's characters only is left alone. Typed and
    // pasted text is converted before it enters, so that the control's undo
    // holds the person's own edit; this catches what comes another way
    // (dropped, or set by another program).
    void KeepInCodePage();

  private:
    // A typed character (WM_CHAR, WM_IME_CHAR), or the pair of halves of one
    // outside the Basic Multilingual Plane, as the peer will read it.
    std::optional<LRESULT> TypeInCodePage(UINT message, wchar_t character, LPARAM lParam);
    std::optional<LRESULT> PasteInCodePage();

    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    bool converting_ = false;
    wchar_t highSurrogate_ = 0;  // the first half of a pair, until its second comes
};

}  // namespace tornavel
