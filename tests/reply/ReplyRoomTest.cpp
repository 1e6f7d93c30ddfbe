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
    const std::pair<unsigned, std::wstring> rows[] = {
        {1252, L"Ana"}, {65001, L"\u0410\u043D\u0430"}, {932, L"\u65E5\u672C"}};
    for (const auto& [codePage, sender] : rows) {
        const FieldRecord record(SplitFields(L"0\u00B6" + sender +
                                             L"\u00B6h\u00B61\u00B67\u00B65\u00B6m\u00B6x\u00B6"
                                             L"\u00D1\u00B65001"));
        const std::size_t room = ReplyRoomInBytes(record, codePage);
        for (const std::size_t more : {0u, 1u}) {
            const std::wstring datagram =
                ComposeReplyDatagram(texts::kSecondReplyToken, record, 23595999,
                                     std::wstring(room + more, L'x'), L"11:59 PM");
            EXPECT_EQ(ToCodePage(datagram, codePage).size(), kLargestDatagramBytes + more)
                << codePage;
        }
    }
    const FieldRecord tooShort(SplitFields(L"0\u00B6Ana\u00B6h\u00B61\u00B67\u00B65\u00B6m"));
    EXPECT_EQ(ReplyRoomInBytes(tooShort), kLargestDatagramBytes);
}

}  // namespace
}  // namespace tornavel
