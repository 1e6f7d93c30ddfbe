#include "core/ReplyDatagram.h"

#include <gtest/gtest.h>

#include <cmath>

#include "core/SystemTexts.h"

namespace tornavel {
namespace {

// Fields 1 = Ana, 4 = 7, 8 = B, 9 = 5001.
FieldRecord ExampleRecord(std::size_t extraFields = 0) {
    std::wstring line =
        L"0\u00B6Ana\u00B6h\u00B64000\u00B67\u00B65\u00B6msg\u00B6x\u00B6B\u00B65001";
    for (std::size_t i = 0; i < extraFields; ++i) line += L"\u00B6extra";
    return FieldRecord(SplitFields(line));
}

TEST(ReplyDatagram, BothTokensWithTheSameIdReplyAndStamp) {
    const TimeOfDay time{14, 5, 9};
    const std::int32_t id = MakeReplyId(time, RandomPart(41.5f / 99.0f));
    const std::wstring reply = L"Voy";
    const std::wstring rest =
        L"\u00B67\u00B6B\u00B65001\u00B6Ana\u00B614050942\u00B6Voy\u00B602:05 PM";
    const std::pair<const wchar_t*, std::wstring> tokens[] = {
        {texts::kFirstReplyToken, L"MSG-ENVIAR"},
        {texts::kSecondReplyToken, L"MSG-ENVIADO_KORVexe"}};
    for (const std::size_t extra : {0u, 3u}) {
        for (const auto& [token, written] : tokens)
            EXPECT_EQ(ComposeReplyDatagram(token, ExampleRecord(extra), id, reply, TimeStamp(time)),
                      written + rest);
    }
}

TEST(ReplyDatagram, IdIsTheTimeOfDayAndARandomPartOf1To99) {
    EXPECT_EQ(MakeReplyId({0, 0, 0}, 1), 1);
    EXPECT_EQ(MakeReplyId({0, 5, 9}, 7), 50907);
    EXPECT_EQ(MakeReplyId({10, 0, 0}, 10), 10000010);
    EXPECT_EQ(MakeReplyId({23, 59, 59}, 99), 23595999);
    EXPECT_EQ(RandomPart(0.0f), 1);
    EXPECT_EQ(RandomPart(0.5f), 50);  // 49.5 truncated
    EXPECT_EQ(RandomPart(std::nextafter(1.0f, 0.0f)), 99);
}

TEST(ReplyDatagram, StampOnTheTwelveHourClock) {
    // clang-format off
    const std::pair<TimeOfDay, const wchar_t*> stamps[] = {
        {{0, 0, 0}, L"12:00 AM"}, {{0, 30, 59}, L"12:30 AM"}, {{9, 7, 0}, L"09:07 AM"},
        {{11, 59, 59}, L"11:59 AM"}, {{12, 0, 0}, L"12:00 PM"}, {{13, 45, 0}, L"01:45 PM"},
        {{23, 59, 0}, L"11:59 PM"}};
    // clang-format on
    for (const auto& [time, stamp] : stamps) EXPECT_EQ(TimeStamp(time), stamp);
}

// The room a reply has: the longer token, the widest id and a stamp.
TEST(ReplyDatagram, TheLongestEmptyReplyLeavesTheRoomForTheReply) {
    EXPECT_EQ(
        LongestEmptyReplyDatagram(ExampleRecord()),
        L"MSG-ENVIADO_KORVexe\u00B67\u00B6B\u00B65001\u00B6Ana\u00B623595999\u00B6\u00B611:59 PM");
}

}  // namespace
}  // namespace tornavel
