#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// Conversions between the machine's ANSI code page and UTF-16. Text is UTF-16
// everywhere inside the program; these run only where bytes come in or go out.
std::wstring AnsiToWide(std::string_view ansi);
std::string WideToAnsi(std::wstring_view wide);

}  // namespace tornavel
