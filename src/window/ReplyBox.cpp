#include "window/ReplyBox.h"

#include <imm.h>

#include <algorithm>

#include "core/ChangedSpan.h"
#include "core/Surrogates.h"
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
                         const auto* text = reinterpret_cast<const wchar_t*>(lParam);
                         switch (message) {
                             case WM_GETOBJECT:
                                 return AnswerWithName(hwnd_, wParam, lParam, texts::kReplyBoxName);
                             case WM_CHAR:
                             case WM_IME_CHAR:
                                 return OnCharacter(message, static_cast<wchar_t>(wParam), lParam);
                             case WM_IME_COMPOSITION:
                                 return OnComposition(lParam);
                             case WM_PASTE:
                                 return OnPaste();
                             case WM_KEYDOWN:
                                 return OnKeyDown(wParam, lParam);
                             case WM_CUT:
                             case WM_CLEAR:
                                 WholeSelection();
                                 return std::nullopt;
                             case WM_UNDO:
                             case EM_UNDO: {
                                 // An empty undo puts the caret where the last edit was.
                                 const LRESULT undone =
                                     subclass_.CallOriginal(message, wParam, lParam);
                                 WholeSelection();
                                 return undone;
                             }
                             case WM_SETTEXT:
                                 return OnSetText(text);
                             case EM_REPLACESEL:
                                 return OnReplaceSelection(wParam, text);
                             default:
                                 return std::nullopt;
                         }
                     });
    return true;
}

std::wstring ReplyBox::Text() const { return WindowText(hwnd_); }

std::optional<std::wstring> ReplyBox::Admit(std::wstring_view proposed, std::size_t from,
                                            std::size_t to) const {
    std::wstring entered = AsCodePageCarriesIt(proposed);
    if (mostBytes_ != SIZE_MAX) {
        std::wstring text = Text();
        from = std::min(from, text.size());
        to = std::clamp(to, from, text.size());
        text.replace(from, to - from, entered);
        if (ToCodePage(text).size() > mostBytes_) {
            ::MessageBeep(MB_OK);
            return std::nullopt;
        }
    }
    if (entered != proposed) ::MessageBeep(MB_OK);
    return entered;
}

template <typename Edit>
void ReplyBox::Apply(Edit&& edit) {
    applying_ = true;
    edit();
    applying_ = false;
    accepted_ = Text();
}

void ReplyBox::ReplaceSelection(const std::wstring& text) const {
    subclass_.CallOriginal(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

std::pair<std::size_t, std::size_t> ReplyBox::Selection() const {
    DWORD start = 0, end = 0;
    ::SendMessageW(hwnd_, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                   reinterpret_cast<LPARAM>(&end));
    return {start, end};
}

std::pair<std::size_t, std::size_t> ReplyBox::WholeSelection() const {
    const auto [from, to] = Selection();
    const auto whole = WholeCharacters(Text(), from, to);
    if (whole != std::pair(from, to)) ::SendMessageW(hwnd_, EM_SETSEL, whole.first, whole.second);
    return whole;
}

std::optional<LRESULT> ReplyBox::Erase(bool backwards) {
    const auto [from, to] = WholeSelection();
    const std::wstring text = Text();
    if (from != to || (backwards ? from == 0 : from == text.size())) return std::nullopt;
    const std::pair<std::size_t, std::size_t> gone =
        WholeCharacters(text, backwards ? from - 1 : from, backwards ? from : from + 1);
    if (gone.second - gone.first == 1)
        return std::nullopt;  // the control's own (a line break is whole)
    Apply([&] {
        ::SendMessageW(hwnd_, EM_SETSEL, gone.first, gone.second);
        ReplaceSelection({});
    });
    return 0;
}

std::optional<LRESULT> ReplyBox::OnKeyDown(WPARAM key, LPARAM lParam) {
    if (::GetKeyState(VK_MENU) < 0) return std::nullopt;  // the control takes no key with Alt
    const bool shift = ::GetKeyState(VK_SHIFT) < 0, control = ::GetKeyState(VK_CONTROL) < 0;
    // Wine's edit pastes on Insert with Shift (Ctrl too) without a WM_PASTE.
    if (key == VK_INSERT && shift) return ::SendMessageW(hwnd_, WM_PASTE, 0, 0);
    // Delete, and Shift+Delete (to the left); Ctrl+Delete clears to the line's end.
    if (key == VK_DELETE && !control) return Erase(shift);
    // A key that moves the caret may stop it between a pair's halves: it
    // goes on past the character, the way it went; the other edge stays.
    const auto [wasFrom, wasTo] = Selection();
    const LRESULT result = subclass_.CallOriginal(WM_KEYDOWN, key, lParam);
    const auto [from, to] = Selection();
    const std::wstring text = Text();
    const std::size_t settledFrom = SettledCaret(text, from, wasFrom);
    const std::size_t settledTo = SettledCaret(text, to, wasTo);
    if (settledFrom != from || settledTo != to) {
        const bool caretFirst = from != wasFrom && to == wasTo;
        ::SendMessageW(hwnd_, EM_SETSEL, caretFirst ? settledTo : settledFrom,
                       caretFirst ? settledFrom : settledTo);
    }
    return result;
}

std::optional<LRESULT> ReplyBox::OnCharacter(UINT message, wchar_t typed, LPARAM lParam) {
    const TypingStep step = TypeCharacter(held_, typed);
    held_ = step.held;
    if (!step.text.empty()) {
        const auto [from, to] = WholeSelection();
        if (const std::optional<std::wstring> entered = Admit(step.text, from, to)) {
            Apply([&] {
                // A key's character the code page keeps is typed by the control, as
                // any key is. (The control would post an input method's as a WM_CHAR,
                // to come after the characters behind it.)
                if (message == WM_CHAR && *entered == std::wstring(1, typed))
                    subclass_.CallOriginal(message, typed, lParam);
                else
                    ReplaceSelection(*entered);
            });
        }
    }
    if (!step.passOn) return 0;
    if (typed == L'\b' && ::GetKeyState(VK_CONTROL) >= 0) return Erase(true);
    return std::nullopt;
}

namespace {

// The finished composition an input method holds for `window`, through imm32
// (loaded by whatever sent the composition; the program does not import it).
std::optional<std::wstring> CompositionResult(HWND window) {
    const HMODULE imm = ::GetModuleHandleW(L"imm32.dll");
    if (imm == nullptr) return std::nullopt;
    const auto getContext =
        reinterpret_cast<HIMC(WINAPI*)(HWND)>(reinterpret_cast<void*>(::GetProcAddress(imm, "ImmGetContext")));
    const auto getString = reinterpret_cast<LONG(WINAPI*)(HIMC, DWORD, void*, DWORD)>(
        reinterpret_cast<void*>(::GetProcAddress(imm, "ImmGetCompositionStringW")));
    const auto releaseContext = reinterpret_cast<BOOL(WINAPI*)(HWND, HIMC)>(
        reinterpret_cast<void*>(::GetProcAddress(imm, "ImmReleaseContext")));
    if (getContext == nullptr || getString == nullptr || releaseContext == nullptr)
        return std::nullopt;
    const HIMC context = getContext(window);
    if (context == nullptr) return std::nullopt;
    std::optional<std::wstring> result;
    const LONG bytes = getString(context, GCS_RESULTSTR, nullptr, 0);
    if (bytes >= 0) {
        result.emplace(static_cast<std::size_t>(bytes) / sizeof(wchar_t), L'\0');
        getString(context, GCS_RESULTSTR, result->data(), static_cast<DWORD>(bytes));
    }
    releaseContext(window, context);
    return result;
}

}  // namespace

std::optional<LRESULT> ReplyBox::OnComposition(LPARAM parts) {
    // Taken whole, as one edit in place of the selection, before the control
    // (Wine's clears the selection first, then types the characters one by one).
    if ((parts & GCS_RESULTSTR) == 0) return std::nullopt;
    const std::optional<std::wstring> result = CompositionResult(hwnd_);
    if (!result) return std::nullopt;
    const auto [from, to] = WholeSelection();
    if (!result->empty())
        if (const std::optional<std::wstring> entered = Admit(*result, from, to))
            Apply([&] { ReplaceSelection(*entered); });
    return 0;
}

std::optional<LRESULT> ReplyBox::OnPaste() {
    const std::optional<std::wstring> pasted = ClipboardText(hwnd_);
    if (!pasted) return std::nullopt;
    const auto [from, to] = WholeSelection();
    // The text checked is the text entered, whatever the clipboard holds by now.
    if (const std::optional<std::wstring> entered = Admit(*pasted, from, to))
        Apply([&] { ReplaceSelection(*entered); });
    return 0;
}

LRESULT ReplyBox::OnSetText(const wchar_t* text) {
    const std::optional<std::wstring> entered = Admit(text != nullptr ? text : L"", 0, SIZE_MAX);
    if (!entered) return FALSE;
    LRESULT set = FALSE;
    Apply([&] {
        set = subclass_.CallOriginal(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(entered->c_str()));
    });
    return set;
}

LRESULT ReplyBox::OnReplaceSelection(WPARAM canUndo, const wchar_t* text) {
    const auto [from, to] = WholeSelection();
    if (const std::optional<std::wstring> entered = Admit(text != nullptr ? text : L"", from, to)) {
        Apply([&] {
            subclass_.CallOriginal(EM_REPLACESEL, canUndo,
                                   reinterpret_cast<LPARAM>(entered->c_str()));
        });
    }
    return 0;
}

void ReplyBox::TypeLineBreak() {
    ::SendMessageW(hwnd_, EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"\r\n"));
}

bool ReplyBox::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (reinterpret_cast<HWND>(lParam) != hwnd_) return false;
    if (HIWORD(wParam) == EN_CHANGE && !applying_) OnChanged();
    return true;
}

void ReplyBox::OnChanged() {
    // What came since the last change, in place of what was there.
    const std::wstring now = Text();
    const ChangedSpan span = FindChangedSpan(accepted_, now);
    const std::size_t end = span.start + span.afterLength;
    const std::wstring came = now.substr(span.start, span.afterLength);
    const std::optional<std::wstring> entered = Admit(came, span.start, end);
    if (entered == came) {
        accepted_ = now;
        return;
    }
    DWORD caret = 0;
    ::SendMessageW(hwnd_, EM_GETSEL, 0, reinterpret_cast<LPARAM>(&caret));
    Apply([&] {
        // Only what came is replaced: the rest keeps its layout. It is taken
        // back unrecorded, so that the control's undo gives back the text
        // from before it, and what is admitted goes in as the one edit.
        const std::wstring was = accepted_.substr(span.start, span.beforeLength);
        ::SendMessageW(hwnd_, EM_SETSEL, span.start, end);
        subclass_.CallOriginal(EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(was.c_str()));
        if (!entered) return;
        ::SendMessageW(hwnd_, EM_SETSEL, span.start, span.start + was.size());
        ReplaceSelection(*entered);
        // The caret stays after the text it was after.
        const std::size_t at =
            caret <= span.start ? caret
            : caret >= end
                ? caret - came.size() + entered->size()
                : span.start +
                      AsCodePageCarriesIt(std::wstring_view(came).substr(0, caret - span.start))
                          .size();
        ::SendMessageW(hwnd_, EM_SETSEL, at, at);
        ::SendMessageW(hwnd_, EM_SCROLLCARET, 0, 0);
    });
}

}  // namespace tornavel
