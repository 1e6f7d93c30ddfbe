#include "core/HandoffPath.h"

#include "core/SystemTexts.h"

namespace tornavel {

std::wstring DirectoryOf(std::wstring_view exePath) {
    const std::size_t slash = exePath.find_last_of(L"\\/");
    if (slash == std::wstring_view::npos) return {};
    std::wstring directory(exePath.substr(0, slash));
    if (directory.size() == 2 && directory[1] == L':') directory += exePath[slash];
    return directory;
}

std::wstring ComposeHandoffPath(std::wstring_view applicationDirectory) {
    if (applicationDirectory.empty()) return {};
    std::wstring path(applicationDirectory);
    path += L'\\';
    path += texts::kHandoffFileName;
    return path;
}

}  // namespace tornavel
