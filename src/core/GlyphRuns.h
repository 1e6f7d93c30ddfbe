#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

namespace tornavel {

// A stretch of a text drawn in one font: the font's own, or, where the font
// has no glyph, another font that has.
struct GlyphRun {
    std::size_t start = 0;
    std::size_t length = 0;
    bool missing = false;  // the font has no glyph for these characters
    bool operator==(const GlyphRun&) const = default;
};

// Splits `text` where the font's answer changes; `has[i]` says whether the
// font has a glyph for text[i]. The two halves of a pair stand for one
// character and stay in one run: the pair is missing when either half is.
// None when the font has every character: then the text is drawn as it is.
std::vector<GlyphRun> RunsByFont(std::wstring_view text, const std::vector<bool>& has);

}  // namespace tornavel
