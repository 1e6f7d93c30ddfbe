#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "core/FieldRecord.h"

namespace tornavel {

struct TimeOfDay {
    int hour;  // 0 to 23
    int minute;
    int second;
};

// The two-digit random part of a reply id, 1 to 99, from r in [0, 1): r times
// 99 in single precision, truncated, plus one.
int RandomPart(float r);

// hhmmss followed by the random part as two digits, read as one number: the
// hour's leading zeros vanish (00:05:09 with 7 gives 50907).
std::int32_t MakeReplyId(const TimeOfDay& time, int randomPart);

// "hh:mm AM" on the 12-hour clock: 00:30 gives "12:30 AM", 12:00 "12:00 PM".
std::wstring TimeStamp(const TimeOfDay& time);

// token¶field 4¶field 8¶field 9¶field 1¶id¶reply¶stamp. A record without one
// of those fields raises error 9 before anything is built.
std::wstring ComposeReplyDatagram(std::wstring_view token, const FieldRecord& record,
                                  std::int32_t replyId, std::wstring_view trimmedReply,
                                  std::wstring_view timeStamp);

// The longest datagram an empty reply can make for `record`: the longer
// token, the widest id and a stamp. What it leaves of one datagram is the
// room for the reply. Raises 9 as ComposeReplyDatagram does.
std::wstring LongestEmptyReplyDatagram(const FieldRecord& record);

}  // namespace tornavel
