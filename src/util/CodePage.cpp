#include "util/CodePage.h"

#include <climits>
#include <stdexcept>

#include "core/Surrogates.h"
#include "util/Win32.h"

namespace tornavel {

std::wstring FromCodePage(std::string_view bytes, unsigned codePage) {
    if (bytes.empty()) return {};
    if (bytes.size() > INT_MAX) throw std::length_error("text too long to convert");
    const int length = static_cast<int>(bytes.size());
    const int needed = ::MultiByteToWideChar(codePage, 0, bytes.data(), length, nullptr, 0);
    std::wstring text(static_cast<std::size_t>(needed), L'\0');
    ::MultiByteToWideChar(codePage, 0, bytes.data(), length, text.data(), needed);
    return text;
}

std::string ToCodePage(std::wstring_view text, unsigned codePage) {
    if (text.empty()) return {};
    if (text.size() > INT_MAX) throw std::length_error("text too long to convert");
    const int length = static_cast<int>(text.size());
    const int needed =
        ::WideCharToMultiByte(codePage, 0, text.data(), length, nullptr, 0, nullptr, nullptr);
    std::string bytes(static_cast<std::size_t>(needed), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), length, bytes.data(), needed, nullptr, nullptr);
    return bytes;
}

std::wstring AsCodePageCarriesIt(std::wstring_view text, unsigned codePage) {
    // UTF-8 would carry a lone half as U+FFFD: "?" in every code page.
    return FromCodePage(ToCodePage(WithLoneHalvesAsQuestionMarks(text), codePage), codePage);
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
