#include "reply/ReplyRoom.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "core/DatagramLimit.h"
#include "core/ReplyDatagram.h"
#include "core/SystemTexts.h"

namespace tornavel {
namespace {

// A reply of exactly the room, sent at the widest moment, makes a datagram of
// exactly the most one carries, and one byte more does not fit: the line's
// fields count in the code page's bytes. A line too short to send leaves
// the whole datagram.
TEST(ReplyRoom, AReplyOfTheRoomFillsOneDatagramToTheByte) {
    for (const auto& [page, sender] :
         {std::pair(1252u, L"Ana"), {65001u, L"Анна"}, {932u, L"山本"}}) {
        const unsigned codePage = page;  // a lambda below takes it
        const FieldRecord record(SplitFields(std::wstring(L"0¶") + sender + L"¶h¶1¶7¶5¶m¶x¶Ñ¶9"));
        const std::size_t room = ReplyRoomInBytes(record, codePage);
        // The widest datagram a reply of `length` makes: either token, any hour.
        const auto widest = [&](std::size_t length) {
            std::size_t most = 0;
            for (const wchar_t* token : {texts::kFirstReplyToken, texts::kSecondReplyToken}) {
                for (int hour = 0; hour < 24; ++hour) {
                    const TimeOfDay at{hour, 59, 59};
                    const std::wstring datagram =
                        ComposeReplyDatagram(token, record, MakeReplyId(at, 99),
                                             std::wstring(length, L'x'), TimeStamp(at));
                    most = std::max(most, ToCodePage(datagram, codePage).size());
                }
            }
            return most;
        };
        EXPECT_EQ(widest(room), kLargestDatagramBytes) << codePage;
        EXPECT_EQ(widest(room + 1), kLargestDatagramBytes + 1) << codePage;
    }
    EXPECT_EQ(ReplyRoomInBytes(FieldRecord(SplitFields(L"0¶Ana¶h¶1¶7¶5¶m"))),
              kLargestDatagramBytes);
}

}  // namespace
}  // namespace tornavel
