#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// Conversions between a code page (the machine's ANSI code page, unless
// told) and UTF-16. Text is UTF-16 everywhere inside the program; these run
// only where bytes come in or go out.
inline constexpr unsigned kAnsiCodePage = 0;  // CP_ACP
std::wstring AnsiToWide(std::string_view ansi, unsigned codePage = kAnsiCodePage);
std::string WideToAnsi(std::wstring_view wide, unsigned codePage = kAnsiCodePage);

// `wide` as the code page gives it back: what a reader of the bytes
// WideToAnsi makes sees. Characters the code page lacks become its best fit
// (a Polish "l" with a stroke becomes "l") or "?", and so does half of a
// pair standing alone, in every code page; the rest stay as they are.
std::wstring ThroughAnsiCodePage(std::wstring_view wide, unsigned codePage = kAnsiCodePage);

// True when the ANSI code page holds `c` itself (no best fit, no "?"), so an
// old debugger shows it as is.
bool InAnsiCodePage(wchar_t c);

}  // namespace tornavel
