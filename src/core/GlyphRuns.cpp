#include "core/GlyphRuns.h"

#include "core/Surrogates.h"

namespace tornavel {

std::vector<GlyphRun> RunsByFont(std::wstring_view text, const std::vector<bool>& has) {
    std::vector<GlyphRun> runs;
    bool anyMissing = false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool pair =
            IsHighSurrogate(text[i]) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]);
        const std::size_t width = pair ? 2 : 1;
        const bool missing = !has.at(i) || (pair && !has.at(i + 1));
        anyMissing = anyMissing || missing;
        if (!runs.empty() && runs.back().missing == missing)
            runs.back().length += width;
        else
            runs.push_back({i, width, missing});
        i += width - 1;
    }
    if (!anyMissing) runs.clear();
    return runs;
}

}  // namespace tornavel
