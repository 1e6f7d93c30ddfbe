#include "startup/ShowingTime.h"

#include "core/NotificationMoment.h"

namespace tornavel {

void ShowWhenWelcome(MessageWindow& window, MomentSource moment) {
    if (!WaitsToShow(moment())) {
        window.Show();
        return;
    }
    // The window lets go of the question, and so of `moment`, before it shows.
    window.EverySecondUntil([moment = std::move(moment)] { return !WaitsToShow(moment()); },
                            [&window] { window.Show(); });
}

}  // namespace tornavel
