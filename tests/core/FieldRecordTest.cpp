#include "core/FieldRecord.h"

#include <gtest/gtest.h>

#include "core/RuntimeError.h"

namespace tornavel {
namespace {

using Fields = std::vector<std::wstring>;

TEST(SplitFields, KeepsEveryFieldAsItStands) {
    struct Case {
        const wchar_t* line;
        Fields fields;
    };
    const Case cases[] = {
        {L"", {L""}},
        {L"\u00B6", {L"", L""}},
        {L"solo", {L"solo"}},
        {L"a\u00B6b\u00B6\u00B6d", {L"a", L"b", L"", L"d"}},
        {L"\u00B6a", {L"", L"a"}},
        {L"a\u00B6", {L"a", L""}},
        {L" a \u00B6\tb\t", {L" a ", L"\tb\t"}},
        // Only the pilcrow separates; look-alikes and its neighbours do not.
        {L"a\u00B5b\u00B7c|d", {L"a\u00B5b\u00B7c|d"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(SplitFields(c.line), c.fields) << "line: " << ::testing::PrintToString(c.line);
    }
}

TEST(SplitFields, SeparatorCountGivesFieldCount) {
    std::wstring seven = L"0";
    for (int i = 1; i <= 6; ++i) seven += L"\u00B6" + std::to_wstring(i);
    EXPECT_EQ(SplitFields(seven).size(), 7u);
    std::wstring ten = seven + L"\u00B67\u00B68\u00B69";
    EXPECT_EQ(SplitFields(ten).size(), 10u);
}

TEST(SplitFields, ManyFieldsInLinearTime) {
    // 2 million separators: a quadratic splitter would not finish in time.
    const std::wstring line(2'000'000, L'\u00B6');
    const Fields fields = SplitFields(line);
    ASSERT_EQ(fields.size(), 2'000'001u);
    EXPECT_TRUE(fields.front().empty());
    EXPECT_TRUE(fields.back().empty());
}

TEST(FieldRecord, ReadsFieldsByZeroBasedIndex) {
    FieldRecord record;
    record.Assign(L"cero\u00B6Ana\u00B6\u00B6tres");
    ASSERT_EQ(record.Count(), 4u);
    EXPECT_EQ(record.Field(0), L"cero");
    EXPECT_EQ(record.Field(1), L"Ana");
    EXPECT_EQ(record.Field(2), L"");
    EXPECT_EQ(record.Field(3), L"tres");
}

TEST(FieldRecord, ReadingPastTheEndRaisesError9) {
    FieldRecord record;
    record.Assign(L"solo");
    EXPECT_EQ(record.Field(0), L"solo");
    try {
        (void)record.Field(1);
        FAIL() << "no error raised";
    } catch (const RuntimeError& e) {
        EXPECT_EQ(e.Number(), 9);
        EXPECT_EQ(e.Source(), L"TornavelMensaje");
    }
}

TEST(FieldRecord, EmptyRecordRaisesError9ForAnyIndex) {
    const FieldRecord record;
    EXPECT_TRUE(record.Empty());
    for (std::size_t index : {std::size_t{0}, std::size_t{1}, std::size_t{9}, SIZE_MAX}) {
        EXPECT_THROW((void)record.Field(index), RuntimeError);
    }
}

}  // namespace
}  // namespace tornavel
