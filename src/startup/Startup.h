#pragma once

#include <optional>

#include "core/FieldRecord.h"
#include "startup/ShowingTime.h"
#include "window/MessageWindow.h"

namespace tornavel {

// The start-up: reads the hand-off file in `folder` (the exe's own) and, when
// it holds a message, creates `window`, loads it, fills it and shows it above
// every other window, at once or, while `moment` says the person presents or
// plays full screen, when that ends. Returns the hand-off record then.
//
// Returns nothing, with `window` empty, when there is nothing to show: no
// file, or a first line that is empty. Any failure on the way is cleaned up
// silently: the hand-off file is deleted if it can be, the window destroyed.
// Without a folder it ends at once and touches no file.
std::optional<FieldRecord> StartUp(std::optional<MessageWindow>& window, std::wstring_view folder,
                                   MomentSource moment);

}  // namespace tornavel
