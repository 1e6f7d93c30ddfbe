#pragma once

#include <optional>
#include <string>

#include "util/Win32.h"

namespace tornavel {

// The clipboard's text, as a paste into an edit control takes it (up to its
// first null character); nothing when it holds no text or cannot be opened.
std::optional<std::wstring> ClipboardText(HWND owner);

}  // namespace tornavel
