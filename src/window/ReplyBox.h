#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "util/ControlSubclass.h"

namespace tornavel {

// The reply box: a multi-line edit control named "Respuesta" for screen
// readers, whose every character is one the peer will read as shown (in the
// machine's ANSI code page), and which holds no more than one datagram can
// carry, whichever way the text comes: typed, pasted, set or put in place of
// the selection by another program, or put in by the control itself (its undo;
// on Windows, an input method's composition). No edit leaves half of a pair: Backspace,
// Delete, a selection's edge and a caret's stop take whole characters.
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
    // The most the text may take in the code page's bytes.
    void LimitBytes(std::size_t most) noexcept { mostBytes_ = most; }
    // A line break typed at the caret, when it fits.
    void TypeLineBreak();
    // The parent hands over each WM_COMMAND it gets; true when it was the
    // box's own notification. Its EN_CHANGE catches text that came with no
    // message the box sees (the control's own undo; on Windows, an input
    // method's composition the control inserts itself).
    bool OnCommand(WPARAM wParam, LPARAM lParam);

  private:
    // Every way in ends here: `proposed` in place of the characters from
    // `from` to `to`, as the peer will read it (with a beep when that is not
    // what was proposed), or nothing when the text would then be more than
    // the limit (refused whole, with a beep).
    std::optional<std::wstring> Admit(std::wstring_view proposed, std::size_t from,
                                      std::size_t to) const;
    // Makes an admitted change, as one edit; the catch-all lets it be.
    template <typename Edit>
    void Apply(Edit&& edit);
    // Admitted text in place of the selection, as one edit the person can undo.
    void ReplaceSelection(const std::wstring& text) const;
    std::pair<std::size_t, std::size_t> Selection() const;
    // The selection, first widened to whole characters.
    std::pair<std::size_t, std::size_t> WholeSelection() const;
    // Backspace (`backwards`) or Delete without a selection: the whole
    // character beside the caret, as one edit. Nothing when the control is to
    // do it (a selection to clear or cut, nothing beside the caret).
    std::optional<LRESULT> Erase(bool backwards);

    std::optional<LRESULT> OnCharacter(UINT message, wchar_t typed, LPARAM lParam);
    std::optional<LRESULT> OnKeyDown(WPARAM key, LPARAM lParam);
    // An input method's finished composition.
    std::optional<LRESULT> OnComposition(LPARAM parts);
    std::optional<LRESULT> OnPaste();
    LRESULT OnSetText(const wchar_t* text);
    LRESULT OnReplaceSelection(WPARAM canUndo, const wchar_t* text);
    void OnChanged();

    std::size_t mostBytes_ = SIZE_MAX;
    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    bool applying_ = false;
    std::wstring accepted_;  // the text as it stood after the last change
    wchar_t held_ = 0;       // the first half of a pair, until its second comes
};

}  // namespace tornavel
