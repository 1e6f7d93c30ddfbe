#include "reply/ReplySender.h"

#include <random>

#include "core/ReplyDatagram.h"
#include "core/ReplyText.h"
#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "core/TextToInteger.h"
#include "util/Win32.h"

namespace tornavel {
namespace {

TimeOfDay LocalTimeOfDay() {
    SYSTEMTIME now{};
    ::GetLocalTime(&now);
    return {now.wHour, now.wMinute, now.wSecond};
}

// A uniform single-precision number in [0, 1) from a generator seeded anew
// from the clock on every call.
float ClockSeededRandom() {
    LARGE_INTEGER counter{};
    ::QueryPerformanceCounter(&counter);
    std::mt19937 generator(static_cast<std::uint32_t>(counter.QuadPart) ^
                           static_cast<std::uint32_t>(::GetTickCount()));
    return static_cast<float>(generator() >> 8) * (1.0f / 16777216.0f);
}

}  // namespace

ReplySender::ReplySender(FieldRecord record)
    : record_(std::move(record)), socket_(texts::kSocketName) {}

std::optional<SendFailure> ReplySender::Send(std::wstring_view reply) {
    const TimeOfDay time = LocalTimeOfDay();
    std::wstring datagram;  // the one being sent: what the error box shows
    try {
        const std::int32_t replyId = MakeReplyId(time, RandomPart(ClockSeededRandom()));
        const std::wstring trimmed = TrimBlanks(reply);
        const std::wstring stamp = TimeStamp(time);

        datagram = ComposeReplyDatagram(texts::kFirstReplyToken, record_, replyId, trimmed, stamp);
        socket_.SetRemoteHost(record_.Field(2));
        socket_.SetRemotePort(TextToInteger(record_.Field(3)));
        socket_.SendData(datagram);

        datagram = ComposeReplyDatagram(texts::kSecondReplyToken, record_, replyId, trimmed, stamp);
        socket_.SetRemoteHost(record_.Field(8));
        socket_.SetRemotePort(TextToInteger(record_.Field(9)));
        socket_.SendData(datagram);
    } catch (...) {
        return SendFailure{std::current_exception(),
                           datagram.empty() ? std::wstring(reply) : std::move(datagram)};
    }
    return std::nullopt;
}

}  // namespace tornavel
