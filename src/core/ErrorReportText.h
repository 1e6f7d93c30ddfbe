#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace tornavel {

// The text of the program's standard error box: number, description, an empty
// line, source, the caller's location line, and the detail, on CR LF lines,
// with no line break after the detail.
std::wstring ComposeErrorReport(std::int32_t number, std::wstring_view description,
                                std::wstring_view source, std::wstring_view location,
                                std::wstring_view detail);

}  // namespace tornavel
