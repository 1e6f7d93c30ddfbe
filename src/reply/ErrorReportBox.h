#pragma once

#include <string_view>

namespace tornavel {

class RuntimeError;

// Shows the program's standard error box for `error`, modal, OK only, no icon,
// and returns when the user has dismissed it.
void ErrorReportBox(const RuntimeError& error, std::wstring_view location, std::wstring_view detail);

// The same for whatever failure is being handled now (call it inside a catch
// block). A failure that is no RuntimeError is shown as error 7 (out of
// memory) or 51 (internal error).
void ErrorReportBoxForCurrentFailure(std::wstring_view location, std::wstring_view detail);

}  // namespace tornavel
