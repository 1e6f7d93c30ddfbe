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

}  // namespace tornavel
