#include "startup/ShowingTime.h"

#include <shellapi.h>

#include "core/NotificationMoment.h"
#include "util/UniqueHandle.h"
#include "window/Placement.h"

namespace tornavel {
namespace {

static_assert(QUNS_BUSY == static_cast<int>(UserMoment::kBusy) &&
              QUNS_PRESENTATION_MODE == static_cast<int>(UserMoment::kPresenting) &&
              QUNS_APP == static_cast<int>(UserMoment::kFullScreenApp));

void ShowOnTop(MessageWindow& window) {
    const PlacementTurn turn;
    window.Show();
    // Above every window that is not top-most, without taking the activation.
    constexpr UINT kTopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
    static_assert(kTopMostFlags == 0x53);
    ::SetWindowPos(window.Handle(), HWND_TOPMOST, 0, 0, 0, 0, kTopMostFlags);
}

}  // namespace

std::optional<int> AskWindowsForTheMoment() {
    // The shell is large, and asked once (or once a second while a message
    // waits): loaded for the question, from System32 only, and let go after.
    const UniqueModule shell(
        ::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
    if (!shell) return std::nullopt;
    using Query = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);
    const auto query = reinterpret_cast<Query>(
        reinterpret_cast<void*>(::GetProcAddress(shell.Get(), "SHQueryUserNotificationState")));
    QUERY_USER_NOTIFICATION_STATE state{};
    if (query == nullptr || FAILED(query(&state))) return std::nullopt;
    return static_cast<int>(state);
}

void ShowWhenWelcome(MessageWindow& window, MomentSource moment) {
    if (!WaitsToShow(moment())) {
        ShowOnTop(window);
        return;
    }
    window.EverySecondUntil([moment = std::move(moment)] { return !WaitsToShow(moment()); },
                            [&window] { ShowOnTop(window); });
}

}  // namespace tornavel
