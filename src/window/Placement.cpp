#include "window/Placement.h"

#include <string_view>
#include <vector>

#include "core/Cascade.h"
#include "util/UniqueHandle.h"
#include "window/Layout.h"

namespace tornavel {
namespace {

ScreenBox BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

}  // namespace

RECT CentredPopUpRect(int dpi) {
    return layout::WindowRectCentredIn(
        {0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)}, dpi);
}

RECT NewPopUpRect(const wchar_t* className, int dpi) {
    const RECT centred = CentredPopUpRect(dpi);
    MONITORINFO monitor{};
    monitor.cbSize = sizeof(monitor);
    ::GetMonitorInfoW(::MonitorFromRect(&centred, MONITOR_DEFAULTTOPRIMARY), &monitor);
    // Our pop-ups from one list of all windows, taken at once: the others
    // raise themselves as they are activated, after their turn, and a walk
    // down the z-order one window at a time (FindWindowEx) misses one raised
    // past it, whose place then looks free.
    struct Search {
        const wchar_t* className;
        std::vector<ScreenBox> taken;
    } search{className, {}};
    ::EnumWindows(
        [](HWND other, LPARAM lParam) -> BOOL {
            auto& s = *reinterpret_cast<Search*>(lParam);
            wchar_t name[256] = {};
            RECT r{};
            // One being closed is hidden first: only those a person sees count.
            if (::GetClassNameW(other, name, 256) > 0 && std::wstring_view(name) == s.className &&
                ::IsWindowVisible(other) && ::GetWindowRect(other, &r))
                s.taken.push_back(BoxOf(r));
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    const ScreenBox spot = CascadeSpot(BoxOf(centred), search.taken, BoxOf(monitor.rcWork),
                                       layout::ToPixels(layout::kTitleBar.height, dpi));
    return {spot.left, spot.top, spot.right, spot.bottom};
}

PlacementTurn::PlacementTurn(DWORD longestWaitMs)
    : mutex_(::CreateMutexW(nullptr, FALSE, L"Local\\TornavelMensajePlacement")) {
    if (!mutex_) return;
    // An owner that ended without letting go (WAIT_ABANDONED) hands it on.
    const DWORD waited = ::WaitForSingleObject(mutex_.Get(), longestWaitMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

PlacementTurn::~PlacementTurn() {
    if (held_) ::ReleaseMutex(mutex_.Get());
}

}  // namespace tornavel
