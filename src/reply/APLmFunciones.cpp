#include "reply/APLmFunciones.h"

#include <random>

#include "controls/DatagramSocket.h"
#include "core/RuntimeError.h"
#include "core/TextToInteger.h"
#include "reply/ErrorReportBox.h"
#include "startup/APLmDeclaraciones.h"
#include "util/Win32.h"
#include "window/APLwAPP.h"

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

void SendReplyWith(std::wstring_view reply, const ReplyContext& context) {
    std::wstring datagram;  // the ReplyDatagram: what the error box shows
    try {
        const std::int32_t replyId = MakeReplyId(context.time, RandomPart(context.random));
        const std::wstring trimmed = TrimBlanks(reply);
        const std::wstring stamp = TimeStamp(context.time);
        const FieldRecord& record = context.record;
        DatagramSocket& socket = context.socket;

        datagram = ComposeReplyDatagram(kFirstReplyToken, record, replyId, trimmed, stamp);
        socket.SetRemoteHost(record.Field(2));
        socket.SetRemotePort(TextToInteger(record.Field(3)));
        socket.SendData(datagram);

        datagram = ComposeReplyDatagram(kSecondReplyToken, record, replyId, trimmed, stamp);
        socket.SetRemoteHost(record.Field(8));
        socket.SetRemotePort(TextToInteger(record.Field(9)));
        socket.SendData(datagram);
    } catch (...) {
        context.reportFailure(CurrentFailureAsRuntimeError(), kSendReplyLocation, datagram);
    }
}

void SendReply(std::wstring reply) {
    APLwAPP& window = APLwAPP::Instance();
    const TimeOfDay time = LocalTimeOfDay();
    const float random = ClockSeededRandom();
    SendReplyWith(reply,
                  {HandoffRecord, window.MensajeriaWSK_SEND(), time, random,
                   [](const RuntimeError& error, std::wstring_view location,
                      std::wstring_view detail) { ErrorReportBox(error, location, detail); }});
}

}  // namespace tornavel
