#pragma once

#include <optional>
#include <string>
#include <thread>

#include "reply/ReplySender.h"
#include "util/UniqueHandle.h"

namespace tornavel {

// A reply being sent on a thread of its own, so that the thread that owns the
// window goes on answering its messages whatever the network does (a name
// server that never answers holds the sending for the resolver's time-out).
class ReplyInFlight {
  public:
    // Starts sending `reply` through `sender`, which nothing else may use
    // until the sending has ended. Throws a std::system_error when no thread
    // or event can be had; nothing is sent then.
    ReplyInFlight(ReplySender& sender, std::wstring reply);
    ReplyInFlight(const ReplyInFlight&) = delete;
    ReplyInFlight& operator=(const ReplyInFlight&) = delete;

    // Signalled once the sending has ended, whichever way.
    HANDLE Ended() const noexcept { return ended_.Get(); }
    // True once the sending has ended, waiting up to `milliseconds` for it.
    bool WaitToEnd(DWORD milliseconds) const noexcept;
    // Why the sending failed, none when both datagrams went; waits for it to
    // end first.
    std::optional<SendFailure> TakeFailure();

  private:
    UniqueKernelHandle ended_;
    std::optional<SendFailure> failure_;
    std::jthread worker_;  // last: gone first, joined, before what it writes
};

}  // namespace tornavel
