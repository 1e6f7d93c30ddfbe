#pragma once

#include <string>
#include <string_view>

#include "controls/DatagramSocket.h"
#include "core/FieldRecord.h"

namespace tornavel {

// Sends replies for one hand-off record through its own socket.
class ReplySender {
  public:
    explicit ReplySender(FieldRecord record);

    // Sends the reply as two datagrams, stamped with the local time: the
    // first-token one to fields 2 and 3 of the record, then the second-token
    // one to fields 8 and 9. A failure stops the sending where it happens and
    // is shown in the program's error box, with the datagram being sent as
    // detail; the call then returns normally.
    void Send(std::wstring_view reply);

  private:
    FieldRecord record_;
    DatagramSocket socket_;
};

}  // namespace tornavel
