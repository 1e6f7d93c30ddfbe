#include "window/WindowlessPainting.h"

#include <algorithm>

#include "util/UniqueHandle.h"
#include "window/Layout.h"

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

void PaintWindowFace(HDC dc, const RECT& client, const Palette& palette, const std::wstring& title,
                     HFONT titleFont, int dpi) {
    using namespace layout;
    PaintShape(dc, client, {palette.windowBack, palette.frameLine, std::nullopt});
    PaintShape(dc, ToPixels(kTitleBar, dpi),
               {palette.titleBarFill, palette.titleBarFill, palette.titleBarHatch});
    PaintLabel(dc, ToPixels(kTitleLabel, dpi), title, titleFont, palette.titleText);
    PaintShape(dc, ToPixels(kReplyBorder, dpi),
               {palette.replyBack, palette.frameLine, std::nullopt});
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

void PaintCloseGlyph(HDC dc, const RECT& rect, COLORREF colour, int dpi) {
    const auto scaled = [dpi](int pixels) { return ::MulDiv(pixels, dpi, 96); };
    const int size = scaled(24);
    const int left = rect.left + (rect.right - rect.left - size) / 2;
    const int top = rect.top + (rect.bottom - rect.top - size) / 2;
    const int first = scaled(4);
    const int last = scaled(20) - 1;  // the last pixel of each diagonal
    const int width = std::max(1, scaled(1));
    // One square of `width` pixels a step: the same pixels at any dpi as a
    // pen of that width would give, without the pen's rounded ends.
    UniqueBrush brush(::CreateSolidBrush(colour));
    for (int step = 0; step <= last - first; ++step) {
        const int x = left + first + step;
        const RECT down{x, top + first + step, x + width, top + first + step + width};
        const RECT up{x, top + last - step, x + width, top + last - step + width};
        ::FillRect(dc, &down, brush.Get());
        ::FillRect(dc, &up, brush.Get());
    }
}

}  // namespace tornavel
