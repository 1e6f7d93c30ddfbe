#pragma once

#include "util/Win32.h"

// The user32 values the shared utilities use, named once.
namespace tornavel::tivutl {

inline constexpr UINT kGwOwner = GW_OWNER;        // 4
inline constexpr int kSmCxIcon = SM_CXICON;       // 11
inline constexpr int kSmCyIcon = SM_CYICON;       // 12
inline constexpr int kSmCxSmIcon = SM_CXSMICON;   // 49
inline constexpr int kSmCySmIcon = SM_CYSMICON;   // 50
inline constexpr UINT kImageIcon = IMAGE_ICON;    // 1
inline constexpr UINT kLrShared = LR_SHARED;      // 0x8000
inline constexpr UINT kWmSetIcon = WM_SETICON;    // 0x80
inline constexpr WPARAM kIconBig = ICON_BIG;      // 1
inline constexpr WPARAM kIconSmall = ICON_SMALL;  // 0

static_assert(kGwOwner == 4 && kSmCxIcon == 11 && kSmCyIcon == 12 && kSmCxSmIcon == 49 &&
              kSmCySmIcon == 50 && kImageIcon == 1 && kLrShared == 0x8000 && kWmSetIcon == 0x80 &&
              kIconBig == 1 && kIconSmall == 0);

}  // namespace tornavel::tivutl
