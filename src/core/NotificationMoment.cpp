#include "core/NotificationMoment.h"

namespace tornavel {

bool WaitsToShow(std::optional<int> moment) noexcept {
    if (!moment) return false;
    switch (static_cast<UserMoment>(*moment)) {
        case UserMoment::kBusy:
        case UserMoment::kDirect3DFullScreen:
        case UserMoment::kPresenting:
            return true;
        default:
            return false;
    }
}

}  // namespace tornavel
