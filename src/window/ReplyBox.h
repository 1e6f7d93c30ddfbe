#pragma once

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
    // A text of the code page's characters only is left alone.
    void KeepInCodePage();

  private:
    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    bool converting_ = false;
};

}  // namespace tornavel
