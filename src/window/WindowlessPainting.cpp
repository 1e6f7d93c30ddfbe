#include "window/WindowlessPainting.h"

#include <algorithm>

#include "util/UniqueHandle.h"

namespace tornavel {

void PaintShape(HDC dc, const RECT& rect, const ShapeLook& look) {
    UniqueBrush fill(::CreateSolidBrush(look.fill));
    ::FillRect(dc, &rect, fill.Get());
    if (look.upwardHatch) {
        UniqueBrush hatch(::CreateHatchBrush(HS_BDIAGONAL, *look.upwardHatch));
        const int oldMode = ::SetBkMode(dc, TRANSPARENT);
        ::FillRect(dc, &rect, hatch.Get());
        ::SetBkMode(dc, oldMode);
    }
    UniqueBrush line(::CreateSolidBrush(look.line));
    ::FrameRect(dc, &rect, line.Get());
}

void PaintLabel(HDC dc, const RECT& rect, const std::wstring& text, HFONT font, COLORREF colour) {
    const int saved = ::SaveDC(dc);
    ::IntersectClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    ::SelectObject(dc, font);
    ::SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, colour);
    RECT box = rect;
    // Only the start of a long text can ever be seen in a one-line label;
    // measuring all of a huge one on every paint would stall the window.
    constexpr std::size_t kMostVisibleChars = 1024;
    const int length = static_cast<int>(std::min(text.size(), kMostVisibleChars));
    ::DrawTextW(dc, text.c_str(), length, &box, DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    ::RestoreDC(dc, saved);
}

}  // namespace tornavel
