#include "core/AddressChoice.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

// A name's first IPv4 address, IPv6 only without one; a host field of
// nothing or blanks names nobody.
TEST(AddressChoice, ANamesIPv4AddressFirstAndIPv6OnlyWithoutOne) {
    constexpr auto v4 = AddressFamily::kIPv4, v6 = AddressFamily::kIPv6;
    std::vector<AddressFamily> dozen(11, v6);
    dozen.push_back(v4);
    // The first row is "localhost" as Windows lists it.
    // clang-format off
    const std::pair<std::vector<AddressFamily>, std::optional<std::size_t>> rows[] = {
        {{v6, v4}, 1}, {{v4, v6}, 0}, {{v4}, 0}, {{v6}, 0}, {{v6, v4, v4}, 1},
        {{AddressFamily::kOther, v6}, 1}, {dozen, 11}, {{AddressFamily::kOther}, std::nullopt},
        {{}, std::nullopt}};
    // clang-format on
    for (const auto& [resolved, chosen] : rows)
        EXPECT_EQ(ChooseAddress(resolved), chosen) << resolved.size() << " addresses";
    for (const auto& [host, names] :
         {std::pair{L"", false}, {L"   ", false}, {L" h ", true}, {L"\t", true}})
        EXPECT_EQ(NamesAHost(host), names) << testing::PrintToString(host);
}

}  // namespace
}  // namespace tornavel
