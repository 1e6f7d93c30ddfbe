#include "window/Placement.h"

#include "window/MessageWindow.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "util/ScreenDpi.h"

namespace tornavel {
namespace {

// The turn is one among all our pop-ups: one that finds it taken waits, up to
// its longest wait, then goes ahead without it; a pop-up shows only once it
// has it; one whose owner ended without letting go (a pop-up that crashed)
// passes it on at once.
TEST(PlacementTurn, WaitsItsTimeForAnOwnerAndPassesOnFromOneThatEnded) {
    const UniqueKernelHandle taken(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    std::thread owner([&] {
        const PlacementTurn turn;
        ::SetEvent(taken.Get());
        ::Sleep(600);
    });
    ::WaitForSingleObject(taken.Get(), INFINITE);
    ULONGLONG before = ::GetTickCount64();
    EXPECT_FALSE(PlacementTurn(300).Held()) << "had a turn another held";
    EXPECT_GE(::GetTickCount64() - before, 250u) << "did not wait for it";
    MessageWindow window;
    window.Show();
    EXPECT_GE(::GetTickCount64() - before, 550u) << "shown without its turn";
    owner.join();
    std::optional<PlacementTurn> ended;  // kept past the end of the thread that took it
    std::thread([&] { ended.emplace(); }).join();
    EXPECT_TRUE(ended->Held() && PlacementTurn(300).Held()) << "a turn whose owner ended";
}

// Pop-ups raise themselves once shown (activated after their turn) while
// another chooses its place: that place lies on none of them.
TEST(Placement, CountsEveryShownPopUpWhileTheyAreRaised) {
    MessageWindow shown[2];
    for (MessageWindow& window : shown) window.Show();
    std::atomic<int> onAnother = -1;  // until the places are chosen
    std::thread chooser([&] {
        int found = 0;
        for (int i = 0; i < 1000; ++i) {
            const RECT at = NewPopUpRect(L"TornavelMensajeWindow", ScreenDpi());
            for (RECT r{}; const MessageWindow& window : shown)
                found += ::GetWindowRect(window.Handle(), &r) && ::EqualRect(&at, &r);
        }
        onAnother = found;
    });
    for (int i = 0; onAnother < 0; ++i)  // the bottom one to the top, again and again
        ::SetWindowPos(shown[i % 2].Handle(), HWND_TOPMOST, 0, 0, 0, 0,
                       SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
    chooser.join();
    EXPECT_EQ(onAnother, 0) << "of 1000 places chosen, on another pop-up";
}

}  // namespace
}  // namespace tornavel
