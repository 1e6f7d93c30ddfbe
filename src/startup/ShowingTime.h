#pragma once

#include <functional>
#include <optional>

#include "window/MessageWindow.h"

namespace tornavel {

// What Windows says of the person's moment now, as
// SHQueryUserNotificationState answers; nothing when it cannot say.
using MomentSource = std::function<std::optional<int>()>;
std::optional<int> AskWindowsForTheMoment();

// Shows `window` above every window that is not top-most, in its own place
// among our pop-ups: now, or, while `moment` says the person presents or
// plays full screen, the first time it no longer does, asked every second
// from the message loop. Once shown, it stays shown.
void ShowWhenWelcome(MessageWindow& window, MomentSource moment);

}  // namespace tornavel
