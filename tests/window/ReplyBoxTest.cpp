#include "window/ReplyBox.h"

#include <gtest/gtest.h>

#include <functional>
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

// Text from any road is made what the peer reads, and nothing goes beyond
// the bytes one datagram leaves: a key or a line break does nothing, the rest
// is refused whole. A refused change leaves the person's text, selection and
// undo as they were. A drop comes with no message the box sees: the control
// makes it, and the box mends it after.
TEST(ReplyBox, EveryWayInIsWhatThePeerReadsWithinTheRoom) {
    Box box(1252, 6, L"ab");
    const auto setText = [&](const wchar_t* text) {
        return [&box, text] { box.Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text)); };
    };
    const auto replace = [&](const wchar_t* text) {
        return [&box, text] { box.Send(EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text)); };
    };
    const auto drop = [&](const wchar_t* text) {
        return [&box, text] {
            ::CallWindowProcW(
                reinterpret_cast<WNDPROC>(::GetClassLongPtrW(box.reply.Handle(), GCLP_WNDPROC)),
                box.reply.Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text));
        };
    };
    // clang-format off
    const std::pair<std::function<void()>, std::optional<std::wstring>> rows[] = {
        {[&] { box.Send(WM_CHAR, L'c', 0); }, L"abc"},
        {[&] { box.reply.TypeLineBreak(); }, L"abc\r\n"},
        {[&] { box.Send(WM_CHAR, L'\u0142', 0); }, L"abc\r\nl"},
        {[&] { box.Send(WM_CHAR, L'x', 0); }, {}}, {[&] { box.reply.TypeLineBreak(); }, {}},
        {[&] { Paste(box, L"xy"); }, {}}, {setText(L"\u041F\u0440\u0438"), L"???"},
        {[&] { Paste(box, L"\u0442"); }, L"????"}, {setText(L"1234567"), {}},
        {replace(L"\u0142"), L"????l"}, {replace(L"ab"), {}}, {drop(L"\u0416"), L"????l?"}};
    // clang-format on
    for (const auto& [road, expected] : rows) {
        box.Send(EM_SETSEL, 0, -1);
        box.Send(EM_SETSEL, -1, -1);  // the caret at the end
        const auto before = box.State();
        road();
        EXPECT_EQ(box.reply.Text(), expected.value_or(std::get<0>(before)));
        if (!expected) {
            EXPECT_EQ(box.State(), before) << "text, selection and undo as they were";
        }
    }
    // A pair's halves go in together, as one edit, where the code page holds the pair.
    const Box utf8(65001, SIZE_MAX, L"\xD83D\xDE00");
    EXPECT_EQ(utf8.State(), std::tuple(std::wstring(L"\xD83D\xDE00"), 2ul, 2ul, std::wstring()));
    // A drop beyond the room is taken back where it went; the selection is
    // the caret after the text that was there.
    const auto before = box.State();
    drop(L"xy")();
    EXPECT_EQ(std::tuple(std::get<0>(box.State()), std::get<1>(box.State())),
              std::tuple(std::get<0>(before), std::get<1>(before)));
}

}  // namespace
}  // namespace tornavel
