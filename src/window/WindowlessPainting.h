#pragma once

#include <optional>
#include <string>

#include "core/Palette.h"
#include "util/Win32.h"

namespace tornavel {

// A rectangle shape: an opaque fill, an optional hatch of lines over it
// (upward diagonals), and a one-pixel border line inside its edge.
struct ShapeLook {
    COLORREF fill;
    COLORREF line;
    std::optional<COLORREF> upwardHatch;
};
void PaintShape(HDC dc, const RECT& rect, const ShapeLook& look);

// A label with a transparent background: its text centred along its top,
// wrapped at word breaks, clipped to its rectangle; "&" is shown as typed.
// A text with characters `font` lacks is drawn on one line, those characters
// in a font that has them.
void PaintLabel(HDC dc, const RECT& rect, const std::wstring& text, HFONT font, COLORREF colour);

// The window's painted face at `dpi`, back to front: the frame round (and
// filling) the whole window, the title bar, the title, the reply's field and
// its border.
void PaintWindowFace(HDC dc, const RECT& client, const Palette& palette, const std::wstring& title,
                     HFONT titleFont, int dpi);

// The close button's cross: two diagonals from (4, 4) to (19, 19) of a 24-pixel
// square at 96 dpi, scaled to `dpi` and centred in `rect`.
void PaintCloseGlyph(HDC dc, const RECT& rect, COLORREF colour, int dpi);

}  // namespace tornavel
