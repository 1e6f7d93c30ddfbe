#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace tornavel {

// The kind of one address a host resolved to.
enum class AddressFamily { kIPv4, kIPv6, kOther };

// Which of a host's addresses, in the resolver's order, a reply goes to: the
// first IPv4 address, as the peer listens on IPv4; the first IPv6 address
// only when there is no IPv4 one (an IPv6 literal resolves to itself alone).
// Nothing when there is neither. The resolver's order between the two
// families never decides: Windows lists most names IPv6 first.
std::optional<std::size_t> ChooseAddress(const std::vector<AddressFamily>& resolved) noexcept;

// False for a host field that names nobody (empty, or blanks only): a reply
// is never sent there, though a resolver would take it for this machine.
bool NamesAHost(std::wstring_view host) noexcept;

}  // namespace tornavel
