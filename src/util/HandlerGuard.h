#pragma once

#include <string_view>

namespace tornavel {

// What the program does with a failure that escapes an event handler. It is
// called inside the catch block, so std::current_exception() is the failure;
// `where` names the handler. The program's handler reports it and ends.
using FailureHandler = void (*)(std::wstring_view where) noexcept;

void SetFailureHandler(FailureHandler handler) noexcept;
void HandleEscapedFailure(std::wstring_view where) noexcept;

// Runs `body` so that no exception leaves it: the edge of a window procedure.
template <typename Result, typename Body>
Result Guarded(std::wstring_view where, Result onFailure, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        HandleEscapedFailure(where);
        return onFailure;
    }
}

}  // namespace tornavel
