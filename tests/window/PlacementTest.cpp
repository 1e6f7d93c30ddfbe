#include "window/Placement.h"

#include "window/MessageWindow.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <thread>

#include "util/ScreenDpi.h"

namespace tornavel {
namespace {

// Each turn is one among all our pop-ups: one that finds it taken waits, up
// to its longest wait, then goes ahead without it; a pop-up shows (is
// activated) only once it has its placement (activation) turn; one whose
// owner ended without letting go (a pop-up that crashed) passes it on at once.
TEST(PopUpTurn, WaitsItsTimeForAnOwnerAndPassesOnFromOneThatEnded) {
    for (const PopUpTurn::Of of : {PopUpTurn::Of::kPlacement, PopUpTurn::Of::kActivation}) {
        SCOPED_TRACE(static_cast<int>(of));
        const UniqueKernelHandle taken(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
        std::thread owner([&] {
            const PopUpTurn turn(of);
            ::SetEvent(taken.Get());
            ::Sleep(600);
        });
        ::WaitForSingleObject(taken.Get(), INFINITE);
        ULONGLONG before = ::GetTickCount64();
        EXPECT_FALSE(PopUpTurn(of, 300).Held()) << "had a turn another held";
        EXPECT_GE(::GetTickCount64() - before, 250u) << "did not wait for it";
        MessageWindow window;
        window.Show();
        EXPECT_GE(::GetTickCount64() - before, 550u) << "shown or activated without its turn";
        owner.join();
        std::optional<PopUpTurn> ended;  // kept past the end of the thread that took it
        std::thread([&] { ended.emplace(of); }).join();
        EXPECT_TRUE(ended->Held() && PopUpTurn(of, 300).Held()) << "a turn whose owner ended";
    }
}

// Under a window manager a shown pop-up's rectangle is for a moment another
// (the manager's frame taking it in): its place stays taken until a person
// has moved the pop-up.
TEST(Placement, APlaceStaysTakenUntilThePersonMovesItsPopUp) {
    MessageWindow window;
    window.Show();
    RECT taken{};
    ::GetWindowRect(window.Handle(), &taken);
    ::SetWindowPos(window.Handle(), nullptr, 0, 0, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    for (const bool moved : {false, true}) {
        if (moved) ::SendMessageW(window.Handle(), WM_EXITSIZEMOVE, 0, 0);
        const RECT at = NewPopUpRect(L"TornavelMensajeWindow", ScreenDpi());
        EXPECT_EQ(::EqualRect(&at, &taken) != 0, moved) << "moved by the person: " << moved;
    }
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
