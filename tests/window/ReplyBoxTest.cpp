#include "window/ReplyBox.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "util/CodePage.h"

namespace tornavel {
namespace {

// A reply box of `codePage` taking at most `most` bytes, on a hidden window.
struct Box {
    explicit Box(unsigned codePage, std::size_t most = SIZE_MAX) : reply(codePage) {
        reply.Create(parent);
        reply.LimitBytes(most);
    }
    ~Box() { ::DestroyWindow(parent); }
    // Each UTF-16 unit as WM_CHAR brings it, a pair's halves one by one.
    std::wstring Type(std::wstring_view units) {
        for (const wchar_t unit : units) ::SendMessageW(reply.Handle(), WM_CHAR, unit, 0);
        return reply.Text();
    }
    HWND parent = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 100, nullptr,
                                    nullptr, nullptr, nullptr);
    ReplyBox reply;
};

// What each code page makes of an emoji, a Japanese character and "ł": the
// box shows it as the peer will read it, and the datagram carries its bytes.
// A half whose partner never came is "?" and goes in before the next key.
TEST(ReplyBox, TypedTextIsWhatTheCodePageMakesOfItWholePairsIncluded) {
    const std::wstring emoji = L"\xD83D\xDE00", day = L"\u65E5", l = L"\u0142";
    // clang-format off
    const std::tuple<unsigned, std::wstring, std::wstring, std::string> rows[] = {
        {1252, emoji, L"??", "??"}, {1252, day, L"?", "?"}, {1252, l, L"l", "l"},
        {932, emoji, L"??", "??"}, {932, day, day, "\x93\xFA"}, {932, l, L"?", "?"},
        {65001, emoji, emoji, "\xF0\x9F\x98\x80"}, {65001, day, day, "\xE6\x97\xA5"},
        {65001, l, l, "\xC5\x82"},
        {65001, L"\xD83D" L"a", L"?a", "?a"}, {65001, L"x\xD83D\b", L"x", "x"},
        {65001, L"\xDE00", L"?", "?"}};
    // clang-format on
    for (const auto& [codePage, typed, shown, bytes] : rows) {
        Box box(codePage);
        const std::wstring text = box.Type(typed);
        EXPECT_EQ(text, shown) << codePage << " " << testing::PrintToString(typed);
        EXPECT_EQ(WideToAnsi(text, codePage), bytes) << codePage;
    }
}

// The box takes no more than its bytes: a key that would go beyond does
// nothing, and a paste that would is refused whole.
TEST(ReplyBox, NoKeyOrPasteGoesBeyondTheBytesOneDatagramLeaves) {
    Box utf8(65001, 5);
    EXPECT_EQ(utf8.Type(L"\u0142\u0142\u0142a"), L"\u0142\u0142a") << "2 + 2 + 1 bytes";
    Box box(1252, 4);
    box.Type(L"ab");
    ASSERT_TRUE(::OpenClipboard(box.parent) && ::EmptyClipboard());
    HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, 4 * sizeof(wchar_t));
    ::memcpy(::GlobalLock(memory), L"xyz", 4 * sizeof(wchar_t));
    ::GlobalUnlock(memory);
    ::SetClipboardData(CF_UNICODETEXT, memory);
    ::CloseClipboard();
    ::SendMessageW(box.reply.Handle(), WM_PASTE, 0, 0);
    EXPECT_EQ(box.reply.Text(), L"ab") << "a paste of 3 bytes after 2 of 4";
    box.reply.TypeLineBreak();
    EXPECT_EQ(box.reply.Text(), L"ab\r\n");
    EXPECT_EQ(box.Type(L"c"), L"ab\r\n");
}

}  // namespace
}  // namespace tornavel
