#include "reply/ReplyInFlight.h"

#include <system_error>
#include <utility>

namespace tornavel {

ReplyInFlight::ReplyInFlight(ReplySender& sender, std::wstring reply)
    : sender_(sender),
      reply_(std::move(reply)),
      thread_(::CreateThread(nullptr, 0, &Run, this, 0, nullptr)) {
    if (!thread_)
        throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                "CreateThread");
}

ReplyInFlight::~ReplyInFlight() { WaitToEnd(INFINITE); }

DWORD WINAPI ReplyInFlight::Run(void* self) noexcept {
    auto& inFlight = *static_cast<ReplyInFlight*>(self);
    // No exception leaves the thread: one that escapes Send (memory for the
    // detail) is the failure itself.
    try {
        inFlight.failure_ = inFlight.sender_.Send(inFlight.reply_);
    } catch (...) {
        inFlight.failure_ = SendFailure{std::current_exception(), {}};
    }
    return 0;
}

bool ReplyInFlight::WaitToEnd(DWORD milliseconds) const noexcept {
    return ::WaitForSingleObject(thread_.Get(), milliseconds) == WAIT_OBJECT_0;
}

std::optional<SendFailure> ReplyInFlight::TakeFailure() {
    WaitToEnd(INFINITE);
    return std::exchange(failure_, std::nullopt);
}

}  // namespace tornavel
