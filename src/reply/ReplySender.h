#pragma once

#include <exception>
#include <optional>
#include <string>
#include <string_view>

#include "controls/DatagramSocket.h"
#include "core/FieldRecord.h"

namespace tornavel {

// Why a reply did not go, and what the person wrote, for the error box.
struct SendFailure {
    std::exception_ptr error;
    // The datagram being sent; the reply as typed when none was made yet.
    std::wstring detail;
};

// Sends replies for one hand-off record through its own socket.
class ReplySender {
  public:
    explicit ReplySender(FieldRecord record);

    // Sends the reply as two datagrams, stamped with the local time: the
    // first-token one to fields 2 and 3 of the record, then the second-token
    // one to fields 8 and 9. A failure stops the sending where it happens
    // and is returned, to be shown in the program's error box. Shows nothing
    // itself: it may run on a thread of its own.
    std::optional<SendFailure> Send(std::wstring_view reply);

  private:
    FieldRecord record_;
    DatagramSocket socket_;
};

}  // namespace tornavel
