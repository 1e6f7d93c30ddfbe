#include "core/MessageText.h"

#include "core/Surrogates.h"
#include "core/SystemTexts.h"

namespace tornavel {

std::wstring ExpandEnterTokens(std::wstring_view message) {
    constexpr std::wstring_view kToken = L"{ENTER}";
    std::wstring shown;
    shown.reserve(message.size());
    std::size_t start = 0;
    for (;;) {
        const std::size_t at = message.find(kToken, start);
        if (at == std::wstring_view::npos) break;
        shown.append(message.substr(start, at - start));
        shown.append(L"\r\n");
        start = at + kToken.size();
    }
    shown.append(message.substr(start));
    return shown;
}

namespace {

// `at` (less than text's size), or one before it where a cut at `at` would
// split a CR LF pair or a surrogate pair.
std::size_t CutOutsidePairs(std::wstring_view text, std::size_t at) {
    const wchar_t last = text[at - 1];
    return IsHighSurrogate(last) || (last == L'\r' && text[at] == L'\n') ? at - 1 : at;
}

}  // namespace

std::wstring ClipForDisplay(std::wstring text) {
    if (text.size() <= kMostShownMessageChars) return text;
    text.resize(CutOutsidePairs(text, kMostShownMessageChars));
    text += L'\u2026';
    return text;
}

std::vector<std::wstring_view> PiecesOf(std::wstring_view text, std::size_t most) {
    std::vector<std::wstring_view> pieces;
    while (text.size() > most) {
        pieces.push_back(text.substr(0, CutOutsidePairs(text, most)));
        text.remove_prefix(pieces.back().size());
    }
    if (!text.empty()) pieces.push_back(text);
    return pieces;
}

std::wstring MessageBoxName(std::wstring_view sender) {
    std::wstring name;
    bool blank = true;  // drops leading blanks, and runs of them
    for (const wchar_t c : sender) {
        const bool isBlank = c <= L' ' || (c >= 0x7F && c <= 0x9F);
        if (isBlank && blank) continue;
        name += isBlank ? L' ' : c;
        blank = isBlank;
    }
    if (!name.empty() && name.back() == L' ') name.pop_back();
    if (name.size() > kMostNamedSenderChars) {
        std::size_t cut = kMostNamedSenderChars;
        if (IsHighSurrogate(name[cut - 1])) --cut;
        name.resize(cut);
        name += L'\u2026';
    }
    return texts::kMessageBoxNamePrefix + name;
}

}  // namespace tornavel
