#include "reply/ReplyRoom.h"

#include "core/DatagramLimit.h"
#include "core/ReplyDatagram.h"

namespace tornavel {

std::size_t ReplyRoomInBytes(const FieldRecord& record, unsigned codePage) {
    constexpr std::size_t kFieldsSent = 10;  // the datagrams read fields 1, 4, 8 and 9
    if (record.Count() < kFieldsSent) return kLargestDatagramBytes;
    const std::size_t taken = ToCodePage(LongestEmptyReplyDatagram(record), codePage).size();
    return taken < kLargestDatagramBytes ? kLargestDatagramBytes - taken : 0;
}

}  // namespace tornavel
