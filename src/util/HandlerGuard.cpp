#include "util/HandlerGuard.h"

#include <cstdlib>

namespace tornavel {
namespace {

FailureHandler g_handler = nullptr;

}  // namespace

void SetFailureHandler(FailureHandler handler) noexcept { g_handler = handler; }

void HandleEscapedFailure(std::wstring_view where) noexcept {
    if (g_handler != nullptr) g_handler(where);
    // Nothing reported it: end rather than run on in an unknown state.
    std::abort();
}

}  // namespace tornavel
