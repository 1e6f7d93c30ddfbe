#include "window/Placement.h"

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
    // One being closed is hidden first: only those a person sees count.
    std::vector<ScreenBox> taken;
    for (HWND other = nullptr;
         (other = ::FindWindowExW(nullptr, other, className, nullptr)) != nullptr;) {
        RECT r{};
        if (::IsWindowVisible(other) && ::GetWindowRect(other, &r)) taken.push_back(BoxOf(r));
    }
    const ScreenBox spot = CascadeSpot(BoxOf(centred), taken, BoxOf(monitor.rcWork),
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
