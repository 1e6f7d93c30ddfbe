#include "core/AddressChoice.h"

#include <algorithm>

namespace tornavel {

std::optional<std::size_t> ChooseAddress(const std::vector<AddressFamily>& resolved) noexcept {
    for (const AddressFamily wanted : {AddressFamily::kIPv4, AddressFamily::kIPv6}) {
        const auto found = std::find(resolved.begin(), resolved.end(), wanted);
        if (found != resolved.end()) return static_cast<std::size_t>(found - resolved.begin());
    }
    return std::nullopt;
}

bool NamesAHost(std::wstring_view host) noexcept {
    return host.find_first_not_of(L' ') != std::wstring_view::npos;
}

}  // namespace tornavel
