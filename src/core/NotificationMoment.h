#pragma once

#include <optional>

namespace tornavel {

// What Windows says of the person's moment, numbered as
// SHQueryUserNotificationState answers.
enum class UserMoment : int {
    kNotPresent = 1,  // the screen is locked, or another user is on it
    kBusy = 2,        // a program fills the screen in the foreground
    kDirect3DFullScreen = 3,
    kPresenting = 4,  // presentation mode, or a full-screen slide show
    kAcceptsNotifications = 5,
    kQuietTime = 6,  // the first hour of a new user or a new Windows
    // "A Windows Store app is running": on Windows 8 those filled the screen;
    // since Windows 10 they are ordinary windows (Settings, Calculator).
    kStoreAppRunning = 7,
};

// Whether a new message waits, hidden, instead of showing now: while the
// person presents or plays full screen, as Windows' own notifications do. A
// message someone sent shows in quiet time, while a store app runs, and on a
// locked desktop, where it waits, shown, for the person to come back. A value
// no Windows of today gives, or a call that failed (nothing), shows it: a
// message is never held back on a doubt.
bool WaitsToShow(std::optional<int> moment) noexcept;

}  // namespace tornavel
