#include "window/Placement.h"

#include "window/MessageWindow.h"

#include <gtest/gtest.h>

#include <optional>
#include <thread>

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

}  // namespace
}  // namespace tornavel
