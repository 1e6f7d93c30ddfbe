#include "reply/ReplySender.h"

#include <random>

#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "core/TextToInteger.h"
#include "util/ErrorBox.h"
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

void SendReplyDatagrams(std::wstring_view reply, const ReplyContext& context) {
    std::wstring datagram;  // the one being sent: what the error box shows
    try {
        const std::int32_t replyId = MakeReplyId(context.time, RandomPart(context.random));
        const std::wstring trimmed = TrimBlanks(reply);
        const std::wstring stamp = TimeStamp(context.time);
        const FieldRecord& record = context.record;
        DatagramSocket& socket = context.socket;

        datagram = ComposeReplyDatagram(texts::kFirstReplyToken, record, replyId, trimmed, stamp);
        socket.SetRemoteHost(record.Field(2));
        socket.SetRemotePort(TextToInteger(record.Field(3)));
        socket.SendData(datagram);

        datagram = ComposeReplyDatagram(texts::kSecondReplyToken, record, replyId, trimmed, stamp);
        socket.SetRemoteHost(record.Field(8));
        socket.SetRemotePort(TextToInteger(record.Field(9)));
        socket.SendData(datagram);
    } catch (...) {
        context.reportFailure(CurrentFailureAsRuntimeError(), texts::kSendReplyLocation, datagram);
    }
}

ReplySender::ReplySender(FieldRecord record)
    : record_(std::move(record)), socket_(texts::kSocketName) {
    // Errors the socket notices on its own are not shown.
    socket_.OnError([](DatagramSocket::ErrorEvent& event) { event.cancelDisplay = true; });
}

void ReplySender::Send(std::wstring_view reply) {
    SendReplyDatagrams(reply,
                       {record_, socket_, LocalTimeOfDay(), ClockSeededRandom(),
                        [](const RuntimeError& error, std::wstring_view location,
                           std::wstring_view detail) { ShowErrorBox(error, location, detail); }});
}

}  // namespace tornavel
