#include "window/ReplyBox.h"

#include <gtest/gtest.h>

#include <optional>

namespace tornavel {
namespace {

// A reply box of `codePage` taking at most `most` bytes, in a hidden parent
// that hands it its notifications as the pop-up does; `typed` comes one
// UTF-16 unit at a time, as WM_CHAR brings a pair's halves.
struct Box {
    Box(unsigned codePage, std::size_t most, std::wstring_view typed) : reply(codePage) {
        ::SetWindowLongPtrW(parent, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&reply));
        ::SetWindowLongPtrW(parent, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Forwarding));
        reply.Create(parent);
        reply.LimitBytes(most);
        for (const wchar_t unit : typed) Send(WM_CHAR, unit, 0);
    }
    ~Box() { ::DestroyWindow(parent); }
    static LRESULT CALLBACK Forwarding(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* box = reinterpret_cast<ReplyBox*>(::GetWindowLongPtrW(hwnd, GWLP_USERDATA));
        if (message == WM_COMMAND && box->OnCommand(wParam, lParam)) return 0;
        return ::DefWindowProcW(hwnd, message, wParam, lParam);
    }
    LRESULT Send(UINT message, WPARAM wParam, LPARAM lParam) const {
        return ::SendMessageW(reply.Handle(), message, wParam, lParam);
    }
    // The text, the selection and what an undo gives back.
    std::tuple<std::wstring, DWORD, DWORD, std::wstring> State() const {
        DWORD from = 0, to = 0;
        Send(EM_GETSEL, reinterpret_cast<WPARAM>(&from), reinterpret_cast<LPARAM>(&to));
        const std::wstring text = reply.Text();
        Send(EM_UNDO, 0, 0);
        const std::wstring undone = reply.Text();
        Send(EM_UNDO, 0, 0);  // and back
        Send(EM_SETSEL, from, to);
        return {text, from, to, undone};
    }
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0);
    ReplyBox reply;
};

void Paste(const Box& box, const std::wstring& text) {
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
    ::memcpy(::GlobalLock(memory), text.c_str(), (text.size() + 1) * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ASSERT_TRUE(::OpenClipboard(box.parent) && ::EmptyClipboard() &&
                ::SetClipboardData(CF_UNICODETEXT, memory) && ::CloseClipboard());
    box.Send(WM_PASTE, 0, 0);
}

// Text from any way in is made what the peer reads, and nothing goes beyond
// the bytes one datagram leaves: a key does nothing, the rest is refused
// whole, and a refusal leaves the person's text, selection and undo as they
// were. A drop comes with no message the box sees (here the control's own
// procedure takes the text): the box mends it after, taking back one beyond
// the room where it went, the caret after the text that was there.
TEST(ReplyBox, EveryWayInIsWhatThePeerReadsWithinTheRoom) {
    Box box(1252, 6, L"ab");
    constexpr UINT kDrop = WM_APP;
    const auto original =
        reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box.reply.Handle(), GCLP_WNDPROC));
    // clang-format off
    const std::tuple<UINT, const wchar_t*, std::optional<std::wstring>> rows[] = {
        {WM_CHAR, L"c", L"abc"}, {EM_REPLACESEL, L"\r\n", L"abc\r\n"},
        {WM_CHAR, L"\u0142", L"abc\r\nl"}, {WM_CHAR, L"x", {}}, {WM_PASTE, L"xy", {}},
        {WM_SETTEXT, L"\u041F\u0440\u0438", L"???"}, {WM_PASTE, L"\u0442", L"????"},
        {WM_SETTEXT, L"1234567", {}}, {EM_REPLACESEL, L"\u0142", L"????l"},
        {EM_REPLACESEL, L"ab", {}}, {kDrop, L"\u0416", L"????l?"}, {kDrop, L"xy", {}}};
    // clang-format on
    for (const auto& [message, text, expected] : rows) {
        box.Send(EM_SETSEL, 0, -1);
        box.Send(EM_SETSEL, -1, -1);  // the caret at the end
        const auto before = box.State();
        const auto lParam = reinterpret_cast<LPARAM>(text);
        if (message == WM_PASTE) Paste(box, text);
        if (message == kDrop)
            ::CallWindowProcW(original, box.reply.Handle(), EM_REPLACESEL, TRUE, lParam);
        if (message != WM_PASTE && message != kDrop)
            box.Send(message, message == WM_CHAR ? text[0] : TRUE, message == WM_CHAR ? 0 : lParam);
        auto after = box.State();
        if (message == kDrop) std::get<3>(after) = std::get<3>(before);  // the control's own undo
        EXPECT_EQ(std::get<0>(after), expected.value_or(std::get<0>(before)));
        EXPECT_TRUE(expected || after == before) << "text, selection and undo as they were";
    }
    // A pair's halves go in together, as one edit, where the code page holds the pair.
    const Box utf8(65001, SIZE_MAX, L"\xD83D\xDE00");
    EXPECT_EQ(utf8.State(), std::tuple(std::wstring(L"\xD83D\xDE00"), 2ul, 2ul, std::wstring()));
}

}  // namespace
}  // namespace tornavel
