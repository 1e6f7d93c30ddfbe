#include "core/FieldRecord.h"

#include <gtest/gtest.h>

#include "RaisedError.h"

namespace tornavel {
namespace {

using Fields = std::vector<std::wstring>;

TEST(SplitFields, KeepsEveryFieldAsItStands) {
    // Only the pilcrow separates; look-alikes and its neighbours do not.
    // clang-format off
    const std::pair<const wchar_t*, Fields> cases[] = {
        {L"", {L""}}, {L"\u00B6", {L"", L""}}, {L"\u00B6a", {L"", L"a"}}, {L"a\u00B6", {L"a", L""}},
        {L"solo", {L"solo"}}, {L"a\u00B6b\u00B6\u00B6d", {L"a", L"b", L"", L"d"}},
        {L" a \u00B6\tb\t", {L" a ", L"\tb\t"}}, {L"a\u00B5b\u00B7c|d", {L"a\u00B5b\u00B7c|d"}}};
    // clang-format on
    for (const auto& [line, fields] : cases)
        EXPECT_EQ(SplitFields(line), fields) << ::testing::PrintToString(std::wstring(line));
    // Linear time: a quadratic splitter would not finish 2 million separators.
    EXPECT_EQ(SplitFields(std::wstring(2'000'000, L'\u00B6')).size(), 2'000'001u);
}

TEST(FieldRecord, ReadsByZeroBasedIndexAndRaises9PastTheEnd) {
    FieldRecord record;
    EXPECT_EQ(RaisedError([&] { (void)record.Field(0); }), 9) << "an empty record holds nothing";
    record.Assign(L"cero\u00B6Ana\u00B6\u00B6tres");
    ASSERT_EQ(record.Count(), 4u);
    EXPECT_EQ(record.Field(0), L"cero");
    EXPECT_EQ(record.Field(2), L"");
    EXPECT_EQ(record.Field(3), L"tres");
    for (const std::size_t index : {std::size_t{4}, SIZE_MAX})
        EXPECT_EQ(RaisedError([&] { (void)record.Field(index); }), 9) << index;
}

}  // namespace
}  // namespace tornavel
