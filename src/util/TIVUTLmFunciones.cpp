#include "util/TIVUTLmFunciones.h"

#include "util/CodePage.h"
#include "util/TIVUTLmDeclaraciones.h"

namespace tornavel {
namespace {

HANDLE LoadSharedIcon(const std::string& name, int cx, int cy) {
    return ::LoadImageA(::GetModuleHandleW(nullptr), name.c_str(), tivutl::kImageIcon, cx, cy,
                        tivutl::kLrShared);
}

}  // namespace

void SetWindowIcons(HWND window, const std::wstring& resourceName, bool alsoOwner) {
    HWND owner = window;
    if (alsoOwner) {
        for (HWND current = window; current != nullptr;) {
            current = ::GetWindow(current, tivutl::kGwOwner);
            if (current != nullptr) owner = current;
        }
    }
    const std::string name = WideToAnsi(resourceName);

    const int bigCx = ::GetSystemMetrics(tivutl::kSmCxIcon);
    const int bigCy = ::GetSystemMetrics(tivutl::kSmCyIcon);
    const auto bigIcon = reinterpret_cast<LPARAM>(LoadSharedIcon(name, bigCx, bigCy));
    if (alsoOwner) ::SendMessageA(owner, tivutl::kWmSetIcon, tivutl::kIconBig, bigIcon);
    ::SendMessageA(window, tivutl::kWmSetIcon, tivutl::kIconBig, bigIcon);

    const int smallCx = ::GetSystemMetrics(tivutl::kSmCxSmIcon);
    const int smallCy = ::GetSystemMetrics(tivutl::kSmCySmIcon);
    const auto smallIcon = reinterpret_cast<LPARAM>(LoadSharedIcon(name, smallCx, smallCy));
    if (alsoOwner) ::SendMessageA(owner, tivutl::kWmSetIcon, tivutl::kIconSmall, smallIcon);
    ::SendMessageA(window, tivutl::kWmSetIcon, tivutl::kIconSmall, smallIcon);
}

}  // namespace tornavel
