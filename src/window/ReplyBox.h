#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/CodePage.h"
#include "util/ControlSubclass.h"

namespace tornavel {

// The reply box: a multi-line edit control named "Respuesta" for screen
// readers, whose every character is one the peer will read as shown (in
// `codePage`, the machine's ANSI code page unless told), and which holds no
// more than one datagram can carry, however the text comes.
class ReplyBox {
  public:
    explicit ReplyBox(unsigned codePage = kAnsiCodePage) : codePage_(codePage) {}
    ReplyBox(const ReplyBox&) = delete;
    ReplyBox& operator=(const ReplyBox&) = delete;

    // Creates the control; the parent destroys it. The box must not move in
    // memory after this. False when the control cannot be made.
    bool Create(HWND parent);
    HWND Handle() const noexcept { return hwnd_; }

    std::wstring Text() const;
    // The most the text may take in the code page's bytes. A key or a paste
    // that would go beyond it beeps and changes nothing.
    void LimitBytes(std::size_t most) noexcept { mostBytes_ = most; }
    // A line break typed at the caret, when it fits.
    void TypeLineBreak();
    // The parent hands over the box's EN_CHANGE. Characters the code page
    // lacks become what the peer will read (the conversion the sender makes),
    // with one beep; the caret stays after the text it was after. A text of
    // the code page's characters only is left alone. Typed and pasted text is
    // converted before it enters, so that the control's undo holds the
    // person's own edit; this catches what comes another way (dropped, or
    // set by another program), and refuses it, with a beep, when it is more
    // than the limit: the box gets back the text it had.
    void KeepInCodePage();

  private:
    // A typed character (WM_CHAR, WM_IME_CHAR), as the peer will read it.
    std::optional<LRESULT> TypeInCodePage(UINT message, wchar_t character, LPARAM lParam);
    std::optional<LRESULT> PasteInCodePage();
    // Whether `added` in place of the selection keeps within the limit.
    bool Fits(std::wstring_view added) const;

    unsigned codePage_;
    std::size_t mostBytes_ = SIZE_MAX;
    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    bool converting_ = false;
    std::wstring accepted_;  // the text as it stood after the last change
    wchar_t highSurrogate_ = 0;  // the first half of a pair, until its second comes
};

}  // namespace tornavel
