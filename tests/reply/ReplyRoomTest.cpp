#include "reply/ReplyRoom.h"

#include <gtest/gtest.h>

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
    for (const auto& [codePage, sender] :
         {std::pair(1252u, L"Ana"), {65001u, L"Анна"}, {932u, L"山本"}}) {
        const FieldRecord record(SplitFields(std::wstring(L"0¶") + sender + L"¶h¶1¶7¶5¶m¶x¶Ñ¶9"));
        const std::size_t room = ReplyRoomInBytes(record, codePage);
        for (const std::size_t more : {0u, 1u}) {
            const std::wstring datagram =
                ComposeReplyDatagram(texts::kSecondReplyToken, record, 23595999,
                                     std::wstring(room + more, L'x'), L"11:59 PM");
            EXPECT_EQ(ToCodePage(datagram, codePage).size(), kLargestDatagramBytes + more)
                << codePage;
        }
    }
    EXPECT_EQ(ReplyRoomInBytes(FieldRecord(SplitFields(L"0¶Ana¶h¶1¶7¶5¶m"))),
              kLargestDatagramBytes);
}

}  // namespace
}  // namespace tornavel
