#include "startup/ApplicationDirectory.h"

#include "core/HandoffPath.h"
#include "util/Win32.h"

namespace tornavel {

std::wstring ApplicationDirectory() {
    // GetModuleFileNameW cuts a long path silently; grow until it fits.
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD length =
            ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (length == 0) return {};
        if (length < path.size()) {
            path.resize(length);
            break;
        }
        path.resize(path.size() * 2);
    }
    return DirectoryOf(path);
}

}  // namespace tornavel
