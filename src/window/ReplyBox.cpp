#include "window/ReplyBox.h"

#include "core/ChangedSpan.h"
#include "core/SystemTexts.h"
#include "util/AccessibleName.h"
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
                     [this](UINT message, WPARAM wParam, LPARAM lParam) {
                         return message == WM_GETOBJECT
                                    ? AnswerWithName(hwnd_, wParam, lParam, texts::kReplyBoxName)
                                    : std::nullopt;
                     });
    return true;
}

std::wstring ReplyBox::Text() const { return WindowText(hwnd_); }

void ReplyBox::TypeLineBreak() {
    ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
}

void ReplyBox::KeepInCodePage() {
    if (converting_) return;  // our own replacement's EN_CHANGE
    const std::wstring typed = Text();
    const std::wstring wire = ThroughAnsiCodePage(typed);
    if (wire == typed) return;
    DWORD caret = 0;
    ::SendMessageW(hwnd_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    const std::size_t newCaret =
        ThroughAnsiCodePage(std::wstring_view(typed).substr(0, caret)).size();
    // Only what changed is replaced, in one go: the rest keeps its layout,
    // and undo brings back what was there (to be converted again).
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
