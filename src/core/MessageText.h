#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// The message as the window shows it: every "{ENTER}" (exact, case-sensitive)
// becomes CR LF, scanning from the start.
std::wstring ExpandEnterTokens(std::wstring_view message);

}  // namespace tornavel
