#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/FieldRecord.h"
#include "core/ReplyDatagram.h"

namespace tornavel {

class DatagramSocket;
class RuntimeError;

inline constexpr wchar_t kSendReplyLocation[] =
    L"Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar";

// Sends the reply as two datagrams through the message window's socket: the
// "MSG-ENVIAR" one to fields 2 and 3 of the hand-off record, then the
// "MSG-ENVIADO_KORVexe" one to fields 8 and 9. A failure stops the sending
// where it happens and is shown in the standard error box with the datagram
// being sent as detail; the routine then returns normally.
void SendReply(std::wstring reply);

// What SendReply takes from its surroundings, so that tests can give them.
struct ReplyContext {
    const FieldRecord& record;
    DatagramSocket& socket;
    TimeOfDay time;
    float random;  // in [0, 1)
    std::function<void(const RuntimeError&, std::wstring_view location, std::wstring_view detail)>
        reportFailure;
};
void SendReplyWith(std::wstring_view reply, const ReplyContext& context);

}  // namespace tornavel
