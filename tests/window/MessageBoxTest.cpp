#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "core/MessageText.h"
#include "window/MessageWindow.h"

namespace tornavel {
namespace {

// Wine's text box, given a paragraph whole, takes time that grows with the
// square of its length. Eight times the text (words, and one unbroken run)
// costs the message box about eight times the time, not sixty-four: each
// figure the fastest of three, taken in one run, so a busy machine slows both.
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
        std::printf("%zu characters of \"%ls\": %lld us, an eighth %lld us\n", text.size(), unit.c_str(),
                    static_cast<long long>(whole.count() / 1000), static_cast<long long>(eighth.count() / 1000));
        EXPECT_LT(whole, 28 * eighth);
    }
}

}  // namespace
}  // namespace tornavel
