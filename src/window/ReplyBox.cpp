#include "window/ReplyBox.h"

#include <algorithm>

#include "core/ChangedSpan.h"
#include "core/SystemTexts.h"
#include "core/TypedText.h"
#include "util/AccessibleName.h"
#include "util/Clipboard.h"
#include "util/CodePage.h"
#include "util/WindowText.h"

namespace tornavel {

bool ReplyBox::Create(HWND parent) {
    hwnd_ = ::CreateWindowExW(0, L"EDIT", L"",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL, 0,
                              0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    ::SendMessageW(hwnd_, EM_SETLIMITTEXT, 0, 0);
    subclass_.Attach(hwnd_, texts::kWindowHandlerName,
                     [this](UINT message, WPARAM wParam, LPARAM lParam) -> std::optional<LRESULT> {
                         switch (message) {
                             case WM_GETOBJECT:
                                 return AnswerWithName(hwnd_, wParam, lParam, texts::kReplyBoxName);
                             case WM_CHAR:
                             case WM_IME_CHAR:
                                 return TypeInCodePage(message, static_cast<wchar_t>(wParam),
                                                       lParam);
                             case WM_PASTE:
                                 return PasteInCodePage();
                             default:
                                 return std::nullopt;
                         }
                     });
    return true;
}

std::optional<LRESULT> ReplyBox::TypeInCodePage(UINT message, wchar_t character, LPARAM lParam) {
    const TypingStep step =
        TypeCharacter(highSurrogate_, character, [this](std::wstring_view typed) {
            return ThroughAnsiCodePage(typed, codePage_);
        });
    highSurrogate_ = step.held;
    // Control characters (Backspace, Ctrl+Z) add nothing to the text.
    const bool adds = character >= L' ' && character != 0x7F;
    const std::wstring added = step.type + (step.passOn && adds ? std::wstring(1, character) : L"");
    if (!added.empty() && !Fits(added)) {
        ::MessageBeep(MB_OK);
        return 0;
    }
    for (const wchar_t c : step.type) subclass_.CallOriginal(message, c, lParam);
    if (step.beep) ::MessageBeep(MB_OK);
    if (step.passOn) return std::nullopt;
    return 0;
}

std::optional<LRESULT> ReplyBox::PasteInCodePage() {
    const std::optional<std::wstring> pasted = ClipboardText(hwnd_);
    if (!pasted) return std::nullopt;
    const std::wstring wire = ThroughAnsiCodePage(*pasted, codePage_);
    if (!Fits(wire)) {
        ::MessageBeep(MB_OK);  // refused whole: the box keeps what it had
        return 0;
    }
    if (wire == *pasted) return std::nullopt;
    // As the control pastes: in place of the selection, one undo takes it back.
    ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(wire.c_str()));
    ::MessageBeep(MB_OK);
    return 0;
}

bool ReplyBox::Fits(std::wstring_view added) const {
    if (mostBytes_ == SIZE_MAX) return true;
    DWORD start = 0, end = 0;
    ::SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    std::wstring text = Text();
    const std::size_t from = std::min<std::size_t>(start, text.size());
    const std::size_t to = std::clamp<std::size_t>(end, from, text.size());
    text.replace(from, to - from, added);
    return WideToAnsi(text, codePage_).size() <= mostBytes_;
}

std::wstring ReplyBox::Text() const { return WindowText(hwnd_); }

void ReplyBox::TypeLineBreak() {
    if (!Fits(L"\r\n")) {
        ::MessageBeep(MB_OK);
        return;
    }
    ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
}

void ReplyBox::KeepInCodePage() {
    if (converting_) return;  // our own replacement's EN_CHANGE
    const std::wstring typed = Text();
    const std::wstring wire = ThroughAnsiCodePage(typed, codePage_);
    // Text that came another way and is more than one datagram carries is
    // refused whole, as a paste would be: the box gets back what it had.
    if (mostBytes_ != SIZE_MAX && WideToAnsi(wire, codePage_).size() > mostBytes_) {
        converting_ = true;
        ::SetWindowTextW(hwnd_, accepted_.c_str());
        converting_ = false;
        ::MessageBeep(MB_OK);
        return;
    }
    accepted_ = wire;
    if (wire == typed) return;
    DWORD caret = 0;
    ::SendMessageW(hwnd_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const std::size_t newCaret =
        ThroughAnsiCodePage(std::wstring_view(typed).substr(0, caret), codePage_).size();
    // Only what changed is replaced, in one go: the rest keeps its layout.
    const ChangedSpan span = FindChangedSpan(typed, wire);
    const std::wstring replacement = wire.substr(span.start, span.afterLength);
    converting_ = true;
    ::SendMessageW(hwnd_, EM_SETSEL, span.start, span.start + span.beforeLength);
    ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(replacement.c_str()));
    ::SendMessageW(hwnd_, EM_SETSEL, newCaret, newCaret);
    ::SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    converting_ = false;
    ::MessageBeep(MB_OK);
}

}  // namespace tornavel
