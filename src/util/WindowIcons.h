#pragma once

#include <string>

#include "util/Win32.h"

namespace tornavel {

// Gives `window` its large and small icons from the icon group `resourceName`
// of the running executable, sized as the system asks; the last window of
// its owner chain, when it has one, gets them too. Icons are shared (the
// system owns them); a missing resource sends null handles and changes
// nothing else.
void SetWindowIcons(HWND window, const std::wstring& resourceName);

}  // namespace tornavel
