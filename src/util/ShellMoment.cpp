#include "util/ShellMoment.h"

#include <memory>

#include "core/NotificationMoment.h"
#include "util/UniqueHandle.h"

#include <shellapi.h>

namespace tornavel {
namespace {

static_assert(QUNS_BUSY == static_cast<int>(UserMoment::kBusy) &&
              QUNS_PRESENTATION_MODE == static_cast<int>(UserMoment::kPresenting) &&
              QUNS_APP == static_cast<int>(UserMoment::kStoreAppRunning));

using Query = HRESULT(WINAPI*)(QUERY_USER_NOTIFICATION_STATE*);

// The shell, loaded at the first question.
class Shell {
  public:
    std::optional<int> Ask() {
        if (!shell_) {
            shell_.Reset(::LoadLibraryExW(L"shell32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
            if (!shell_) return std::nullopt;
            query_ = reinterpret_cast<Query>(reinterpret_cast<void*>(
                ::GetProcAddress(shell_.Get(), "SHQueryUserNotificationState")));
        }
        QUERY_USER_NOTIFICATION_STATE state{};
        if (query_ == nullptr || FAILED(query_(&state))) return std::nullopt;
        return static_cast<int>(state);
    }

  private:
    UniqueModule shell_;
    Query query_ = nullptr;
};

}  // namespace

MomentSource AskingTheShell() {
    // Shared: a std::function is copied, the shell is loaded once.
    return [shell = std::make_shared<Shell>()] { return shell->Ask(); };
}

}  // namespace tornavel
