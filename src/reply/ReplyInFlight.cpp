#include "reply/ReplyInFlight.h"

#include <system_error>
#include <utility>

namespace tornavel {
namespace {

UniqueKernelHandle ManualResetEvent() {
    UniqueKernelHandle event(::CreateEventW(nullptr, TRUE, FALSE, nullptr));
    if (!event)
        throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                "CreateEventW");
    return event;
}

}  // namespace

ReplyInFlight::ReplyInFlight(ReplySender& sender, std::wstring reply)
    : ended_(ManualResetEvent()), worker_([this, &sender, reply = std::move(reply)]() noexcept {
          // No exception leaves the thread: one that escapes Send (memory
          // for the detail) is the failure itself.
          try {
              failure_ = sender.Send(reply);
          } catch (...) {
              failure_ = SendFailure{std::current_exception(), {}};
          }
          ::SetEvent(ended_.Get());
      }) {}

bool ReplyInFlight::WaitToEnd(DWORD milliseconds) const noexcept {
    return ::WaitForSingleObject(ended_.Get(), milliseconds) == WAIT_OBJECT_0;
}

std::optional<SendFailure> ReplyInFlight::TakeFailure() {
    if (worker_.joinable()) worker_.join();
    return std::exchange(failure_, std::nullopt);
}

}  // namespace tornavel
