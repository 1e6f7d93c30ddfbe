#pragma once

#include <string>

#include "util/Win32.h"

namespace tornavel {

// The system's own description of a Win32 or Winsock error number, without the
// trailing line break; a generic text when the system has none.
std::wstring SystemErrorText(DWORD code);

}  // namespace tornavel
