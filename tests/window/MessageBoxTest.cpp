#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "core/MessageText.h"
#include "window/MessageWindow.h"

namespace tornavel {
namespace {

// Wine's text box, given a paragraph whole, takes time that grows with the
// square of its length; the message box gives it a piece at a time. Eight
// times the text (words, and one unbroken run) then costs less than 28 times
// as long (under 20 here; over 30 set whole). Each figure is the fastest of
// three in one run, so a busy machine slows both alike.
TEST(MessageWindow, ALongMessageCostsInProportionToItsLength) {
    MessageWindow window;
    const auto fastest = [&window](const std::wstring& text) {
        auto best = std::chrono::steady_clock::duration::max();
        for (int i = 0; i < 3; ++i) {
            const auto start = std::chrono::steady_clock::now();
            window.SetMessage(text);
            best = std::min(best, std::chrono::steady_clock::now() - start);
        }
        return best;
    };
    for (const std::wstring unit : {L"palabra ", L"m"}) {
        std::wstring text;
        while (text.size() < kMostShownMessageChars) text += unit;
        const auto whole = fastest(text);
        const auto eighth = fastest(text.substr(0, kMostShownMessageChars / 8));
        using std::chrono::microseconds, std::chrono::duration_cast;
        EXPECT_LT(whole, 28 * eighth)
            << (unit.size() > 1 ? "words: " : "one run: ")
            << duration_cast<microseconds>(whole).count() << " us, an eighth "
            << duration_cast<microseconds>(eighth).count() << " us";
    }
}

}  // namespace
}  // namespace tornavel
