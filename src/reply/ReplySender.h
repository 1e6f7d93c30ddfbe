#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "controls/DatagramSocket.h"
#include "core/FieldRecord.h"
#include "core/ReplyDatagram.h"

namespace tornavel {

class RuntimeError;

// What sending a reply takes from its surroundings, so that tests can give it.
struct ReplyContext {
    const FieldRecord& record;
    DatagramSocket& socket;
    TimeOfDay time;
    float random;  // in [0, 1)
    std::function<void(const RuntimeError&, std::wstring_view location, std::wstring_view detail)>
        reportFailure;
};

// Sends the reply as two datagrams: the first-token one to fields 2 and 3 of
// the record, then the second-token one to fields 8 and 9. A failure stops the
// sending where it happens and is reported with the datagram being sent as
// detail; the function then returns normally.
void SendReplyDatagrams(std::wstring_view reply, const ReplyContext& context);

// Sends replies for one hand-off record through its own socket, at the local
// time, and shows a failure in the program's error box.
class ReplySender {
  public:
    explicit ReplySender(FieldRecord record);
    void Send(std::wstring_view reply);

  private:
    FieldRecord record_;
    DatagramSocket socket_;
};

}  // namespace tornavel
