#pragma once

#include <functional>
#include <optional>

namespace tornavel {

// What Windows says of the person's moment now, as
// SHQueryUserNotificationState answers; nothing when it cannot say.
using MomentSource = std::function<std::optional<int>()>;

// A source that asks the shell. The shell is large: it is loaded, from
// System32 only, at the first question, kept while questions may follow,
// and let go when the last copy of the source goes.
MomentSource AskingTheShell();

}  // namespace tornavel
