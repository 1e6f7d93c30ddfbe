#pragma once

#include <cstdint>
#include <string_view>

namespace tornavel {

// Converts text to a 32-bit signed integer as the program's run-time does:
// blanks (spaces, tabs) around the number, an optional sign, decimal digits,
// and an optional fraction after "." that is rounded half to even. Text that
// is no number raises error 13 (type mismatch); a number outside the 32-bit
// range raises error 6 (overflow).
std::int32_t TextToInteger(std::wstring_view text);

}  // namespace tornavel
