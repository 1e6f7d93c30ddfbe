#include "window/MessageWindow.h"

#include <gtest/gtest.h>

#include <optional>

#include "util/WindowText.h"

namespace tornavel {
namespace {

// The pop-up's own reply box (code page 1252 here) taking at most `most`
// bytes: its notifications reach it through the window, as in the program.
struct Box {
    explicit Box(std::size_t most) { window.LimitReply(most); }
    HWND Handle() const { return ::GetWindow(::GetWindow(window.Handle(), GW_CHILD), GW_HWNDNEXT); }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::SendMessageW(Handle(), message, wParam, lParam);
    }
    // The text, the selection and what an undo gives back.
    std::tuple<std::wstring, DWORD, DWORD, std::wstring> State() const {
        DWORD from = 0, to = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const std::wstring text = WindowText(Handle());
        Send(EM_UNDO, 0, 0);
        const std::wstring undone = WindowText(Handle());
        Send(EM_UNDO, 0, 0);  // and back
        Send(EM_SETSEL, from, to);
        return {text, from, to, undone};
    }
    MessageWindow window;
};

// Pastes `text` by WM_PASTE, or by Shift+Insert.
void Paste(const Box& box, const std::wstring& text, bool shiftInsert = false) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    ::memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ASSERT_TRUE(::OpenClipboard(box.window.Handle()) && ::EmptyClipboard() &&
                ::SetClipboardData(CF_UNICODETEXT, memory) && ::CloseClipboard());
    BYTE keys[256] = {};
    ::GetKeyboardState(keys);
    keys[VK_SHIFT] = shiftInsert ? 0x80 : 0;
    ::SetKeyboardState(keys);
    box.Send(shiftInsert ? WM_KEYDOWN : WM_PASTE, shiftInsert ? VK_INSERT : 0, 0);
    keys[VK_SHIFT] = 0;
    ::SetKeyboardState(keys);
}

// Text from any way in is made what the peer reads, and nothing goes beyond
// the bytes one datagram leaves: a key does nothing, the rest is refused
// whole, and a refusal leaves the person's text, selection and undo as they
// were. A drop comes with no message the box sees (here the control's own
// procedure takes the text): the box mends it after, taking back one beyond
// the room where it went, the caret after the text that was there.
TEST(ReplyBox, EveryWayInIsWhatThePeerReadsWithinTheRoom) {
    ASSERT_EQ(::GetACP(), 1252u) << "run under a locale of code page 1252";
    const Box box(6);
    for (const wchar_t typed : {L'a', L'b'}) box.Send(WM_CHAR, typed, 0);
    constexpr UINT kDrop = WM_APP;
    const auto original = reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box.Handle(), GCLP_WNDPROC));
    // clang-format off
    const std::tuple<UINT, const wchar_t*, std::optional<std::wstring>> rows[] = {
        {WM_CHAR, L"c", L"abc"}, {EM_REPLACESEL, L"\r\n", L"abc\r\n"},
        {WM_CHAR, L"\u0142", L"abc\r\nl"}, {WM_CHAR, L"x", {}}, {WM_CHAR, L"\r", {}},
        {WM_PASTE, L"xy", {}}, {WM_KEYDOWN, L"xy", {}},
        {WM_SETTEXT, L"\u041F\u0440\u0438", L"???"}, {WM_PASTE, L"\u0442", L"????"},
        {WM_SETTEXT, L"1234567", {}}, {EM_REPLACESEL, L"\u0142", L"????l"},
        {EM_REPLACESEL, L"ab", {}}, {kDrop, L"\u0416", L"????l?"}, {kDrop, L"xy", {}}};
    // clang-format on
    for (const auto& [message, text, expected] : rows) {
        box.Send(EM_SETSEL, 0, -1);
        box.Send(EM_SETSEL, -1, -1);  // the caret at the end
        const auto before = box.State();
        const auto lParam = reinterpret_cast<LPARAM>(text);
        if (message == WM_PASTE || message == WM_KEYDOWN) Paste(box, text, message == WM_KEYDOWN);
        if (message == kDrop)
            ::CallWindowProcW(original, box.Handle(), EM_REPLACESEL, TRUE, lParam);
        if (message != WM_PASTE && message != WM_KEYDOWN && message != kDrop)
            box.Send(message, message == WM_CHAR ? text[0] : TRUE, message == WM_CHAR ? 0 : lParam);
        auto after = box.State();
        if (message == kDrop) std::get<3>(after) = std::get<3>(before);  // the control's own undo
        EXPECT_EQ(std::get<0>(after), expected.value_or(std::get<0>(before)));
        EXPECT_TRUE(expected || after == before) << "text, selection and undo as they were";
    }
    // In place of a selection, its bytes make room; a refusal keeps the selection.
    box.Send(EM_SETSEL, 0, 4);
    box.Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"abcd"));
    box.Send(EM_SETSEL, 0, 1);
    const auto before = box.State();
    box.Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"xy"));
    EXPECT_EQ(box.State(), before);
    EXPECT_EQ(std::get<0>(before), L"abcdl?");
}

}  // namespace
}  // namespace tornavel
