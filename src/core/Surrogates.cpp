#include "core/Surrogates.h"

namespace tornavel {

std::wstring WithLoneHalvesAsQuestionMarks(std::wstring_view text) {
    std::wstring whole(text);
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (IsHighSurrogate(whole[i]) && i + 1 < whole.size() && IsLowSurrogate(whole[i + 1])) {
            ++i;  // a pair
        } else if (IsHighSurrogate(whole[i]) || IsLowSurrogate(whole[i])) {
            whole[i] = L'?';
        }
    }
    return whole;
}

bool SplitsPair(std::wstring_view text, std::size_t at) noexcept {
    return at > 0 && at < text.size() && IsHighSurrogate(text[at - 1]) && IsLowSurrogate(text[at]);
}

std::pair<std::size_t, std::size_t> WholeCharacters(std::wstring_view text, std::size_t from,
                                                    std::size_t to) noexcept {
    if (from == to) {
        const std::size_t at = SettledCaret(text, from, from);
        return {at, at};
    }
    return {SplitsPair(text, from) ? from - 1 : from, SplitsPair(text, to) ? to + 1 : to};
}

std::size_t SettledCaret(std::wstring_view text, std::size_t at, std::size_t was) noexcept {
    if (!SplitsPair(text, at)) return at;
    return at < was ? at - 1 : at + 1;
}

}  // namespace tornavel
