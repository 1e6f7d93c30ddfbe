#include "window/ReplyBox.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// A reply box of `codePage` taking at most `most` bytes, on a hidden window;
// `typed` comes one UTF-16 unit at a time, as WM_CHAR brings a pair's halves.
struct Box {
    Box(unsigned codePage, std::size_t most, std::wstring_view typed) : reply(codePage) {
        reply.Create(parent);
        reply.LimitBytes(most);
        for (const wchar_t unit : typed) ::SendMessageW(reply.Handle(), WM_CHAR, unit, 0);
    }
    ~Box() { ::DestroyWindow(parent); }
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 9, 9, 0, 0, 0, 0);
    ReplyBox reply;
};

// What each code page makes of an emoji, a Japanese character and "ł": the
// box shows it as the peer will read it, and the datagram carries its bytes.
// A half whose partner never came is "?", typed before the next key (here
// Backspace, which takes it away again).
TEST(ReplyBox, TypedTextIsWhatTheCodePageMakesOfItWholePairsIncluded) {
    const std::wstring emoji = L"\xD83D\xDE00", day = L"\u65E5", l = L"\u0142";
    // clang-format off
    const std::tuple<unsigned, std::wstring, std::wstring, std::string> rows[] = {
        {1252, emoji, L"??", "??"}, {1252, day, L"?", "?"}, {1252, l, L"l", "l"},
        {932, emoji, L"??", "??"}, {932, day, day, "\x93\xFA"}, {932, l, L"?", "?"},
        {65001, emoji, emoji, "\xF0\x9F\x98\x80"}, {65001, day, day, "\xE6\x97\xA5"},
        {65001, l, l, "\xC5\x82"}, {65001, L"x\xD83D\b", L"x", "x"}};
    // clang-format on
    for (const auto& [codePage, typed, shown, bytes] : rows) {
        const std::wstring text = Box(codePage, SIZE_MAX, typed).reply.Text();
        EXPECT_EQ(text, shown) << codePage << " " << testing::PrintToString(typed);
        EXPECT_EQ(WideToAnsi(text, codePage), bytes) << codePage;
    }
}

// No key, line break, paste or text from another program goes beyond the
// bytes one datagram leaves: a key does nothing, the rest is refused whole.
TEST(ReplyBox, NothingGoesBeyondTheBytesOneDatagramLeaves) {
    EXPECT_EQ(Box(65001, 5, L"\u0142\u0142\u0142a").reply.Text(), L"\u0142\u0142a") << "2+2+1";
    Box box(1252, 4, L"ab");
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, sizeof(L"xyz"));
    ::memcpy(::GlobalLock(memory), L"xyz", sizeof(L"xyz"));
    ::GlobalUnlock(memory);
    ASSERT_TRUE(::OpenClipboard(box.parent) && ::EmptyClipboard() &&
                ::SetClipboardData(CF_UNICODETEXT, memory) && ::CloseClipboard());
    ::SendMessageW(box.reply.Handle(), WM_PASTE, 0, 0);
    box.reply.TypeLineBreak();
    box.reply.TypeLineBreak();
    box.reply.KeepInCodePage();  // as the window does at each change
    ::SetWindowTextW(box.reply.Handle(), L"abcde");
    box.reply.KeepInCodePage();
    EXPECT_EQ(box.reply.Text(), L"ab\r\n");
}

}  // namespace
}  // namespace tornavel
