#pragma once

#include <cstddef>

namespace tornavel {

// The largest UDP payload over IPv4, where the peer listens: 65535 less the
// IP and UDP headers.
inline constexpr std::size_t kLargestDatagramBytes = 65507;

}  // namespace tornavel
