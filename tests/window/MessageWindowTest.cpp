#include <gtest/gtest.h>

#include <chrono>

#include "core/Palette.h"
#include "util/UniqueHandle.h"
#include "window/MessageWindow.h"

namespace tornavel {
namespace {

COLORREF PixelOf(HWND hwnd, int x, int y) {
    ::UpdateWindow(hwnd);
    const WindowDc dc(hwnd);
    return ::GetPixel(dc.Get(), x, y);
}

// Wine cannot switch a high-contrast theme on (it always reports it off), so
// the window is handed the theme's palette here, then its own again, and
// read back each time: the frame, every pixel of the title bar's top row (a
// hatch would show there), both buttons and the reply's field.
TEST(HighContrast, TheWindowTakesTheThemesColoursAndGivesThemBackWithoutReopening) {
    MessageWindow window;
    window.SetTitle(L"Ana");
    window.Show();
    HWND popUp = window.Handle();
    HWND reply =
        ::FindWindowExW(popUp, ::FindWindowExW(popUp, nullptr, L"Edit", nullptr), L"Edit", nullptr);
    HWND close = ::FindWindowExW(popUp, nullptr, L"Button", nullptr);
    HWND send = ::FindWindowExW(popUp, close, L"Button", nullptr);
    ASSERT_TRUE(reply && close && send);
    // clang-format off
    const SystemColours theme{Rgb(0, 0, 1), Rgb(255, 255, 0), Rgb(0, 0, 3), Rgb(0, 255, 1),
        Rgb(0, 0, 5), Rgb(0, 255, 2), Rgb(0, 0, 7), Rgb(255, 255, 3), Rgb(0, 0, 9)};
    // clang-format on
    for (const bool highContrast : {true, false}) {
        SCOPED_TRACE(highContrast);
        const Palette palette = ChoosePalette(highContrast, theme);
        window.UsePalette(palette);
        EXPECT_EQ(PixelOf(popUp, 0, 140), palette.frameLine);
        int fill = 0, hatch = 0;
        for (int x = 1; x < 420; ++x) {
            const COLORREF bar = PixelOf(popUp, x, 3);
            fill += bar == palette.titleBarFill;
            hatch += palette.titleBarHatch && bar == *palette.titleBarHatch;
        }
        EXPECT_EQ(fill + hatch, 419) << "the title bar is its fill and its hatch, if any";
        EXPECT_EQ(hatch > 0, palette.titleBarHatch.has_value());
        EXPECT_EQ(PixelOf(close, 2, 2), palette.closeBack);
        EXPECT_EQ(PixelOf(send, 2, 2), palette.sendBack);
        EXPECT_EQ(PixelOf(reply, 200, 20), palette.replyBack);
    }
}

// Wine's text box, given a paragraph whole, takes time that grows with the
// square of its length; the message box gives it a piece at a time. So the
// longest message it shows (8,192 characters of one unbroken run, the worst
// case) costs it no more than two and a half times its eight eighths one
// after another (about as much here; five to six times set whole). The two
// take about as long, each the fastest of five taken in turns, so a busy
// machine slows both alike.
TEST(MessageWindow, ALongMessageCostsAboutWhatItsEighthsCostOneAfterAnother) {
    MessageWindow window;
    const auto timed = [&window](const std::vector<std::wstring>& texts) {
        const auto start = std::chrono::steady_clock::now();
        for (const std::wstring& text : texts) window.SetMessage(text);
        return std::chrono::steady_clock::now() - start;
    };
    const std::wstring text(8192, L'm');
    const std::vector<std::wstring> eighths(8, text.substr(0, 1024));
    auto whole = std::chrono::steady_clock::duration::max(), apart = whole;
    for (int i = 0; i < 5; ++i) {
        whole = std::min(whole, timed({text}));
        apart = std::min(apart, timed(eighths));
    }
    EXPECT_LT(whole, 5 * apart / 2);
}

}  // namespace
}  // namespace tornavel
