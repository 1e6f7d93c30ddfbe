#include "startup/ShowingTime.h"

#include <gtest/gtest.h>

#include <vector>

#include "window/Placement.h"

namespace tornavel {
namespace {

// Runs the message loop for `ms`, or until `done` answers true.
void PumpFor(ULONGLONG ms, const std::function<bool()>& done = nullptr) {
    const ULONGLONG end = ::GetTickCount64() + ms;
    for (MSG msg{}; ::GetTickCount64() < end && !(done && done());) {
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageW(&msg);
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 20, QS_ALLINPUT);
    }
}

// For each alert event heard, whether its window was shown by then.
std::vector<bool> alerts;
void CALLBACK OnAlert(HWINEVENTHOOK, DWORD, HWND hwnd, LONG, LONG, DWORD, DWORD) {
    alerts.push_back(::IsWindowVisible(hwnd) != FALSE);
}

// Windows says the person presents for 3 s, then that notifications are
// welcome: the pop-up waits hidden, asked once a second, shows centred and
// top-most at the first ask after the change, and stays shown, asked no more
// (a moment that flickers back cannot hide it). Screen readers hear one
// alert, once it shows.
TEST(ShowingTime, APopUpWaitsWhileThePersonPresentsAndShowsWhenThatEnds) {
    constexpr int kPresenting = 4, kWelcome = 5;
    HWINEVENTHOOK hook =
        ::SetWinEventHook(EVENT_SYSTEM_ALERT, EVENT_SYSTEM_ALERT, nullptr, &OnAlert,
                          ::GetCurrentProcessId(), 0, WINEVENT_OUTOFCONTEXT);
    MessageWindow window;
    const ULONGLONG start = ::GetTickCount64();
    std::vector<ULONGLONG> asked;  // when, from the start
    ShowWhenWelcome(window, [&]() -> std::optional<int> {
        EXPECT_FALSE(::IsWindowVisible(window.Handle())) << "asked once shown";
        asked.push_back(::GetTickCount64() - start);
        return asked.back() < 3000 ? kPresenting : kWelcome;
    });
    PumpFor(1000);
    EXPECT_FALSE(::IsWindowVisible(window.Handle())) << "shown while the person presents";
    PumpFor(10000, [&] { return ::IsWindowVisible(window.Handle()) != FALSE; });
    PumpFor(1500);
    ASSERT_TRUE(::IsWindowVisible(window.Handle()) && asked.size() >= 3);
    EXPECT_LT(asked[asked.size() - 2], 3000u) << "the first ask after the change showed it";
    RECT at{}, centred = CentredPopUpRect(static_cast<int>(::GetDpiForWindow(window.Handle())));
    EXPECT_TRUE(::GetWindowRect(window.Handle(), &at) && ::EqualRect(&at, &centred));
    EXPECT_TRUE(::GetWindowLongPtrW(window.Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    ::UnhookWinEvent(hook);
    EXPECT_EQ(alerts, std::vector<bool>{true});
}

// A waiting pop-up closes, sending nothing, when Windows shuts down or the
// person logs off.
TEST(ShowingTime, AWaitingPopUpClosesAtLogOff) {
    MessageWindow waiting;
    ShowWhenWelcome(waiting, [] { return 3; });  // a game full screen
    EXPECT_FALSE(::IsWindowVisible(waiting.Handle()));
    ::SendMessageW(waiting.Handle(), WM_ENDSESSION, TRUE, ENDSESSION_LOGOFF);
    EXPECT_EQ(waiting.TakeRequest().value().kind, MessageWindow::Request::Kind::kClose);
}

}  // namespace
}  // namespace tornavel
