#include "core/ReplyDatagram.h"

#include "core/SystemTexts.h"

namespace tornavel {
namespace {

void AppendTwoDigits(std::wstring& text, int value) {
    text += static_cast<wchar_t>(L'0' + value / 10 % 10);
    text += static_cast<wchar_t>(L'0' + value % 10);
}

}  // namespace

int RandomPart(float r) {
    const float scaled = r * 99.0f;  // single precision, as the generator's r
    return static_cast<int>(scaled) + 1;
}

std::int32_t MakeReplyId(const TimeOfDay& time, int randomPart) {
    return time.hour * 1'000'000 + time.minute * 10'000 + time.second * 100 + randomPart;
}

std::wstring TimeStamp(const TimeOfDay& time) {
    const int hour12 = time.hour % 12 == 0 ? 12 : time.hour % 12;
    std::wstring stamp;
    AppendTwoDigits(stamp, hour12);
    stamp += L':';
    AppendTwoDigits(stamp, time.minute);
    stamp += time.hour < 12 ? L" AM" : L" PM";
    return stamp;
}

std::wstring ComposeReplyDatagram(std::wstring_view token, const FieldRecord& record,
                                  std::int32_t replyId, std::wstring_view trimmedReply,
                                  std::wstring_view timeStamp) {
    const std::wstring& field4 = record.Field(4);
    const std::wstring& field8 = record.Field(8);
    const std::wstring& field9 = record.Field(9);
    std::wstring datagram(token);
    for (const std::wstring* piece : {&field4, &field8, &field9, &record.Field(1)}) {
        datagram += kFieldSeparator;
        datagram += *piece;
    }
    datagram += kFieldSeparator;
    datagram += std::to_wstring(replyId);
    datagram += kFieldSeparator;
    datagram += trimmedReply;
    datagram += kFieldSeparator;
    datagram += timeStamp;
    return datagram;
}

std::wstring LongestEmptyReplyDatagram(const FieldRecord& record) {
    const std::wstring_view first = texts::kFirstReplyToken, second = texts::kSecondReplyToken;
    const std::wstring_view token = first.size() > second.size() ? first : second;
    return ComposeReplyDatagram(token, record, MakeReplyId({23, 59, 59}, 99), L"",
                                TimeStamp({23, 59, 59}));
}

}  // namespace tornavel
