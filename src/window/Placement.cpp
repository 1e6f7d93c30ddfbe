#include "window/Placement.h"

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/Cascade.h"
#include "util/UniqueHandle.h"
#include "window/Layout.h"

namespace tornavel {
namespace {

ScreenBox BoxOf(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The place a pop-up holds, its top-left corner, in a window property that
// any process reads: each coordinate moved by an offset, so that none of
// them is 0 (no property).
constexpr wchar_t kPlaceProperty[] = L"TornavelMensajePlace";
constexpr LONG kOffset = 1 << 30;

// The top-left corner of the place `hwnd` holds; none when it took none.
std::optional<POINT> PlaceOf(HWND hwnd) {
    const auto place = reinterpret_cast<std::uintptr_t>(::GetPropW(hwnd, kPlaceProperty));
    if (place == 0) return std::nullopt;
    return POINT{static_cast<LONG>(place & 0xFFFFFFFFu) - kOffset,
                 static_cast<LONG>(place >> 32) - kOffset};
}

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
            if (::GetClassNameW(other, name, 256) == 0 || std::wstring_view(name) != s.className ||
                !::IsWindowVisible(other) || !::GetWindowRect(other, &r))
                return TRUE;
            s.taken.push_back(BoxOf(r));
            // Where it is and the place it took: a window manager's frame
            // shows it elsewhere for a moment.
            if (const std::optional<POINT> place = PlaceOf(other))
                s.taken.push_back(
                    {place->x, place->y, place->x + r.right - r.left, place->y + r.bottom - r.top});
            return TRUE;
        },
        reinterpret_cast<LPARAM>(&search));
    const ScreenBox spot = CascadeSpot(BoxOf(centred), search.taken, BoxOf(monitor.rcWork),
                                       layout::ToPixels(layout::kTitleBar.height, dpi));
    return {spot.left, spot.top, spot.right, spot.bottom};
}

void TakePlace(HWND hwnd) {
    RECT r{};
    if (!::GetWindowRect(hwnd, &r)) return;
    const std::uintptr_t place = static_cast<std::uint32_t>(r.left + kOffset) |
                                 std::uintptr_t{static_cast<std::uint32_t>(r.top + kOffset)} << 32;
    ::SetPropW(hwnd, kPlaceProperty, reinterpret_cast<HANDLE>(place));
}

void LeavePlace(HWND hwnd) { ::RemovePropW(hwnd, kPlaceProperty); }

PopUpTurn::PopUpTurn(Of of, DWORD longestWaitMs)
    : mutex_(::CreateMutexW(nullptr, FALSE,
                            of == Of::kPlacement ? L"Local\\TornavelMensajePlacement"
                                                 : L"Local\\TornavelMensajeActivation")) {
    if (!mutex_) return;
    // An owner that ended without letting go (WAIT_ABANDONED) hands it on.
    const DWORD waited = ::WaitForSingleObject(mutex_.Get(), longestWaitMs);
    held_ = waited == WAIT_OBJECT_0 || waited == WAIT_ABANDONED;
}

PopUpTurn::~PopUpTurn() {
    if (held_) ::ReleaseMutex(mutex_.Get());
}

}  // namespace tornavel
