#include "util/WindowIcons.h"

#include "util/CodePage.h"

namespace tornavel {
namespace {

HANDLE LoadSharedIcon(const std::string& name, int cx, int cy) {
    return ::LoadImageA(::GetModuleHandleW(nullptr), name.c_str(), IMAGE_ICON, cx, cy, LR_SHARED);
}

}  // namespace

void SetWindowIcons(HWND window, const std::wstring& resourceName) {
    HWND owner = window;
    for (HWND current = window; current != nullptr;) {
        current = ::GetWindow(current, GW_OWNER);
        if (current != nullptr) owner = current;
    }
    // An ownerless window is its own last owner: it gets each icon once.
    const bool hasOwner = owner != window;
    const std::string name = ToCodePage(resourceName);

    const int bigCx = ::GetSystemMetrics(SM_CXICON);
    const int bigCy = ::GetSystemMetrics(SM_CYICON);
    const auto bigIcon = reinterpret_cast<LPARAM>(LoadSharedIcon(name, bigCx, bigCy));
    if (hasOwner) ::SendMessageA(owner, WM_SETICON, ICON_BIG, bigIcon);
    ::SendMessageA(window, WM_SETICON, ICON_BIG, bigIcon);

    const int smallCx = ::GetSystemMetrics(SM_CXSMICON);
    const int smallCy = ::GetSystemMetrics(SM_CYSMICON);
    const auto smallIcon = reinterpret_cast<LPARAM>(LoadSharedIcon(name, smallCx, smallCy));
    if (hasOwner) ::SendMessageA(owner, WM_SETICON, ICON_SMALL, smallIcon);
    ::SendMessageA(window, WM_SETICON, ICON_SMALL, smallIcon);
}

}  // namespace tornavel
