#pragma once

#include <optional>
#include <string>

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
    // can be had; nothing is sent then.
    ReplyInFlight(ReplySender& sender, std::wstring reply);
    // Waits for the sending to end.
    ~ReplyInFlight();
    ReplyInFlight(const ReplyInFlight&) = delete;
    ReplyInFlight& operator=(const ReplyInFlight&) = delete;

    // Signalled once the sending has ended, whichever way.
    HANDLE Ended() const noexcept { return thread_.Get(); }
    // True once the sending has ended, waiting up to `milliseconds` for it.
    bool WaitToEnd(DWORD milliseconds) const noexcept;
    // Why the sending failed, none when both datagrams went; waits for it to
    // end first.
    std::optional<SendFailure> TakeFailure();

  private:
    static DWORD WINAPI Run(void* self) noexcept;

    ReplySender& sender_;
    const std::wstring reply_;
    std::optional<SendFailure> failure_;
    // A thread of the system's rather than std::thread, which adds 5 KB of
    // winpthreads' to the exe for the same. Signalled when it has ended.
    UniqueKernelHandle thread_;
};

}  // namespace tornavel
