#include "core/StartFailureText.h"

#include "core/SystemTexts.h"

namespace tornavel {

std::wstring EscapeForLine(std::wstring_view text, CharacterTest printable) {
    static constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    std::wstring line;
    line.reserve(text.size());
    for (const wchar_t c : text) {
        const bool control = c < 0x20 || (c >= 0x7F && c <= 0x9F);
        if (!control && printable(c)) {
            line += c;
            continue;
        }
        line += L"<U+";
        for (int shift = 12; shift >= 0; shift -= 4) line += kHex[(c >> shift) & 0xF];
        line += L'>';
    }
    return line;
}

std::wstring DescribeFirstLine(std::wstring_view line) {
    std::wstring text = L"a first line of " + std::to_wstring(line.size()) +
                        (line.size() == 1 ? L" character" : L" characters");
    if (line.size() <= kMostQuotedLineChars) {
        text += L", \"";
        text += line;
        text += L'"';
    }
    return text;
}

std::wstring ComposeStartFailureLine(std::wstring_view path, std::wstring_view reason,
                                     CharacterTest printable) {
    std::wstring line = texts::kApplicationName;
    line += L": ";
    line += path;
    line += L": ";
    line += reason;
    return EscapeForLine(line, printable);
}

}  // namespace tornavel
