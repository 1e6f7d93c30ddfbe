#pragma once

#include <cstdint>

namespace tornavel {

// A message's 32-bit time stamp as the 64-bit tick count of the same moment,
// given that count now. The 32-bit count wraps every 49.7 days; a message is
// never more than seconds old (or, stamped by another clock reading, a little
// ahead), so the difference read as signed places it, across the wrap too.
std::int64_t WidenTick(std::uint32_t stamp, std::uint64_t now) noexcept;

}  // namespace tornavel
