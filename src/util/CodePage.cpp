#include "util/CodePage.h"

#include <climits>
#include <stdexcept>

#include "core/TypedText.h"
#include "util/Win32.h"

namespace tornavel {

std::wstring AnsiToWide(std::string_view ansi, unsigned codePage) {
    if (ansi.empty()) return {};
    if (ansi.size() > INT_MAX) throw std::length_error("text too long to convert");
    const int length = static_cast<int>(ansi.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, ansi.data(), length, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, ansi.data(), length, wide.data(), needed);
    return wide;
}

std::string WideToAnsi(std::wstring_view wide, unsigned codePage) {
    if (wide.empty()) return {};
    if (wide.size() > INT_MAX) throw std::length_error("text too long to convert");
    const int length = static_cast<int>(wide.size());
    const int needed =
        ::WideCharToMultiByte(codePage, 0, wide.data(), length, nullptr, 0, nullptr, nullptr);
    std::string ansi(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, 0, wide.data(), length, ansi.data(), needed, nullptr, nullptr);
    return ansi;
}

std::wstring ThroughAnsiCodePage(std::wstring_view wide, unsigned codePage) {
    // UTF-8 would carry a lone half as U+FFFD: "?" in every code page.
    return AnsiToWide(WideToAnsi(WithLoneHalvesAsQuestionMarks(wide), codePage), codePage);
}

bool InAnsiCodePage(wchar_t c) {
    // ASCII in any code page (and the check below fails for UTF-8 as the ANSI
    // code page, which takes no default character).
    if (c < 0x80) return true;
    char bytes[8];
    BOOL usedDefault = FALSE;
    return ::WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, &c, 1, bytes, sizeof(bytes), nullptr,
                                 &usedDefault) > 0 &&
           !usedDefault;
}

}  // namespace tornavel
