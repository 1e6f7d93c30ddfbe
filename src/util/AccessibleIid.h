#pragma once

#include "util/Win32.h"

namespace tornavel {

// IID_IAccessible, declared here: MinGW's import library gives wrong bytes
// for it in a static link.
inline constexpr IID kIidAccessible = {
    0x618736E0, 0x3C3D, 0x11CF, {0x81, 0x0C, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71}};

}  // namespace tornavel
