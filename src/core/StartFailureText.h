#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace tornavel {

// Whether a character can be written as it is in a diagnostic line (the
// machine's code page holds it, say). Control characters never are.
using CharacterTest = bool (*)(wchar_t c);

// The longest first line quoted whole in a diagnostic; a longer one is
// described by its length alone.
inline constexpr std::size_t kMostQuotedLineChars = 200;

// `text` as one readable line: every control character and every character
// `printable` refuses becomes <U+XXXX> (UTF-16 units, upper-case hex).
std::wstring EscapeForLine(std::wstring_view text, CharacterTest printable);

// A hand-off line for a diagnostic: its length in characters and, when short
// enough, the line itself in quotes (not yet escaped).
std::wstring DescribeFirstLine(std::wstring_view line);

// The line a failed start writes for a debugger: "TornavelMensaje: <path>:
// <reason>", escaped as one line.
std::wstring ComposeStartFailureLine(std::wstring_view path, std::wstring_view reason,
                                     CharacterTest printable);

}  // namespace tornavel
