#include "core/TickCount.h"

namespace tornavel {

std::int64_t WidenTick(std::uint32_t stamp, std::uint64_t now) noexcept {
    const auto behind = static_cast<std::int32_t>(stamp - static_cast<std::uint32_t>(now));
    return static_cast<std::int64_t>(now) + behind;
}

}  // namespace tornavel
