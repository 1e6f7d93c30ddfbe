#include "core/ReplyDatagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/RuntimeError.h"
#include "core/SystemTexts.h"

namespace tornavel {
namespace {

// Fields 1 = Ana, 4 = 7, 8 = B, 9 = 5001, as in the reference example.
FieldRecord ExampleRecord() {
    return FieldRecord(
        SplitFields(L"0\u00B6Ana\u00B6h\u00B64000\u00B67\u00B65\u00B6msg\u00B6x\u00B6B\u00B65001"));
}

TEST(ReplyDatagram, ReferenceExample) {
    const TimeOfDay time{14, 5, 9};
    const std::int32_t id = MakeReplyId(time, 42);
    EXPECT_EQ(id, 14050942);
    const std::wstring reply = TrimBlanks(L"  Voy  ");
    EXPECT_EQ(ComposeReplyDatagram(texts::kFirstReplyToken, ExampleRecord(), id, reply, TimeStamp(time)),
              L"MSG-ENVIAR\u00B67\u00B6B\u00B65001\u00B6Ana\u00B614050942\u00B6Voy\u00B602:05 PM");
    EXPECT_EQ(ComposeReplyDatagram(texts::kSecondReplyToken, ExampleRecord(), id, reply, TimeStamp(time)),
              L"MSG-ENVIADO_"
              L"KORVexe\u00B67\u00B6B\u00B65001\u00B6Ana\u00B614050942\u00B6Voy\u00B602:05 PM");
}

TEST(ReplyDatagram, ReplyIdFromTimeAndRandomPart) {
    EXPECT_EQ(MakeReplyId({0, 0, 0}, 1), 1);
    EXPECT_EQ(MakeReplyId({23, 59, 59}, 99), 23595999);
    EXPECT_EQ(MakeReplyId({0, 5, 9}, 7), 50907);
    EXPECT_EQ(MakeReplyId({10, 0, 0}, 10), 10000010);
}

TEST(ReplyDatagram, RandomPartStaysWithin1To99) {
    EXPECT_EQ(RandomPart(0.0f), 1);
    EXPECT_EQ(RandomPart(std::nextafter(1.0f, 0.0f)), 99);
    EXPECT_EQ(RandomPart(0.5f), 50);  // 49.5 truncated
    EXPECT_EQ(RandomPart(41.5f / 99.0f), 42);
    for (float r = 0.0f; r < 1.0f; r += 0.0001f) {
        const int k = RandomPart(r);
        ASSERT_GE(k, 1);
        ASSERT_LE(k, 99);
    }
}

TEST(ReplyDatagram, TimeStampOnTheTwelveHourClock) {
    struct Case {
        TimeOfDay time;
        const wchar_t* stamp;
    };
    const Case cases[] = {
        {{0, 0, 0}, L"12:00 AM"},    {{0, 30, 59}, L"12:30 AM"}, {{9, 7, 0}, L"09:07 AM"},
        {{11, 59, 59}, L"11:59 AM"}, {{12, 0, 0}, L"12:00 PM"},  {{13, 45, 0}, L"01:45 PM"},
        {{23, 59, 0}, L"11:59 PM"},
    };
    for (const Case& c : cases) EXPECT_EQ(TimeStamp(c.time), c.stamp);
}

TEST(ReplyDatagram, TrimsOnlyTheBlankCharacter) {
    EXPECT_EQ(TrimBlanks(L"  Voy  "), L"Voy");
    EXPECT_EQ(TrimBlanks(L"   "), L"");
    EXPECT_EQ(TrimBlanks(L""), L"");
    EXPECT_EQ(TrimBlanks(L" a  b "), L"a  b");
    EXPECT_EQ(TrimBlanks(L"\t a \r\n"), L"\t a \r\n");
    EXPECT_EQ(TrimBlanks(L"\u00A0x\u00A0"), L"\u00A0x\u00A0");
}

TEST(ReplyDatagram, ReplyTextGoesOutUnchanged) {
    const std::wstring datagram =
        ComposeReplyDatagram(texts::kFirstReplyToken, ExampleRecord(), 1, L"a\u00B6b\r\nc", L"12:00 AM");
    EXPECT_EQ(SplitFields(datagram).size(), 9u) << "a typed \u00B6 splits the reply in two";
    EXPECT_NE(datagram.find(L"a\u00B6b\r\nc"), std::wstring::npos);

    const std::wstring blank =
        ComposeReplyDatagram(texts::kFirstReplyToken, ExampleRecord(), 1, L"", L"x");
    EXPECT_NE(blank.find(L"\u00B6\u00B6x"), std::wstring::npos)
        << "an empty reply leaves an empty piece";
}

TEST(ReplyDatagram, NeedsTenFieldsAndIgnoresTheRest) {
    for (std::size_t count = 0; count < 10; ++count) {
        std::vector<std::wstring> fields(count, L"f");
        const FieldRecord record(fields);
        try {
            (void)ComposeReplyDatagram(texts::kFirstReplyToken, record, 1, L"r", L"s");
            ADD_FAILURE() << count << " fields built a datagram";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 9);
        }
    }
    std::vector<std::wstring> fields{L"0", L"1", L"2", L"3", L"4", L"5", L"6", L"7", L"8", L"9"};
    EXPECT_EQ(ComposeReplyDatagram(L"T", FieldRecord(fields), 5, L"r", L"s"),
              L"T\u00B64\u00B68\u00B69\u00B61\u00B65\u00B6r\u00B6s");
    fields.push_back(L"10");
    fields.push_back(L"11");
    EXPECT_EQ(ComposeReplyDatagram(L"T", FieldRecord(fields), 5, L"r", L"s"),
              L"T\u00B64\u00B68\u00B69\u00B61\u00B65\u00B6r\u00B6s");
}

}  // namespace
}  // namespace tornavel
