#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// The two halves of a UTF-16 pair, which stand for one character outside the
// Basic Multilingual Plane (an emoji) only together.
constexpr bool IsHighSurrogate(wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; }
constexpr bool IsLowSurrogate(wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

// `text` with every half that has no partner as "?", which is what a code
// page that lacks a character makes of it: no code page, UTF-8 included,
// can carry half a character.
std::wstring WithLoneHalvesAsQuestionMarks(std::wstring_view text);

}  // namespace tornavel
