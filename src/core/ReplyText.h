#pragma once

#include <string>
#include <string_view>

namespace tornavel {

// Only U+0020 counts as a blank in a reply.
inline constexpr wchar_t kBlank = L' ';

// A reply of blanks only, or nothing: there is nothing to send.
bool IsBlankReply(std::wstring_view reply) noexcept;

// The reply without leading and trailing U+0020 blanks; tabs and line breaks
// stay. This is the reply the datagrams carry.
std::wstring TrimBlanks(std::wstring_view text);

}  // namespace tornavel
