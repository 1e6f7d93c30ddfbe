#include "core/AddressChoice.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(AddressChoice, ANamesIPv4AddressFirstAndIPv6OnlyWithoutOne) {
    constexpr auto v4 = AddressFamily::kIPv4, v6 = AddressFamily::kIPv6,
                   other = AddressFamily::kOther;
    std::vector<AddressFamily> dozen(11, v6);
    dozen.push_back(v4);
    const std::pair<std::vector<AddressFamily>, std::optional<std::size_t>> rows[] = {
        {{v6, v4}, 1},      // "localhost" as Windows lists it
        {{v4, v6}, 0},      //
        {{v4}, 0},          // a dotted address, as it is
        {{v6}, 0},          // IPv6 only, or an IPv6 literal
        {{v6, v4, v4}, 1},  // several IPv4: the first
        {{other, v6}, 1},   //
        {dozen, 11},        //
        {{other}, std::nullopt},
        {{}, std::nullopt},  // none: the host cannot be found
    };
    for (const auto& [resolved, chosen] : rows)
        EXPECT_EQ(ChooseAddress(resolved), chosen) << resolved.size() << " addresses";
}

TEST(AddressChoice, AHostFieldOfNothingOrBlanksNamesNobody) {
    const std::pair<const wchar_t*, bool> rows[] = {
        {L"", false}, {L"   ", false}, {L"h", true}, {L" h ", true}, {L"\t", true}};
    for (const auto& [host, names] : rows)
        EXPECT_EQ(NamesAHost(host), names) << testing::PrintToString(host);
}

}  // namespace
}  // namespace tornavel
