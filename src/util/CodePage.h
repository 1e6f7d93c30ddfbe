#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// Conversions between a code page's bytes (the machine's ANSI code page,
// unless told: 1252, 932, or UTF-8 on a desk set to it) and UTF-16. Text is
// UTF-16 everywhere inside the program; these run only where bytes come in
// or go out.
inline constexpr unsigned kAnsiCodePage = 0;  // CP_ACP
std::wstring FromCodePage(std::string_view bytes, unsigned codePage = kAnsiCodePage);
std::string ToCodePage(std::wstring_view text, unsigned codePage = kAnsiCodePage);

// `text` as a reader of the bytes ToCodePage makes sees it. Characters the
// code page lacks become its best fit (a Polish "l" with a stroke becomes
// "l") or "?", and so does half of a pair standing alone, in every code
// page; the rest stay as they are.
std::wstring AsCodePageCarriesIt(std::wstring_view text, unsigned codePage = kAnsiCodePage);

// True when the ANSI code page holds `c` itself (no best fit, no "?"), so an
// old debugger shows it as is.
bool InAnsiCodePage(wchar_t c);

}  // namespace tornavel
