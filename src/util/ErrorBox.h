#pragma once

#include <string_view>

#include "core/RuntimeError.h"

namespace tornavel {

// The failure being handled now (call it inside a catch block) as a run-time
// error: one that is no RuntimeError becomes error 7 (out of memory) or 51
// (internal error).
RuntimeError CurrentFailureAsRuntimeError();

// Shows the program's standard error box for the failure being handled now
// (call it inside a catch block), modal, OK only, no icon, and returns when
// the user has dismissed it.
void ShowErrorBoxForCurrentFailure(std::wstring_view location, std::wstring_view detail);

}  // namespace tornavel
