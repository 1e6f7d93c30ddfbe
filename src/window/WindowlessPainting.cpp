#include "window/WindowlessPainting.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "core/GlyphRuns.h"
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

namespace {

// Which characters of `text` the font selected in `dc` has a glyph for. A
// control character counts as had: DrawTextW lays it out itself.
std::vector<bool> GlyphsOf(HDC dc, std::wstring_view text) {
    std::vector<WORD> glyphs(text.size());
    std::vector<bool> has(text.size(), true);
    if (::GetGlyphIndicesW(dc, text.data(), static_cast<int>(text.size()), glyphs.data(),
                           GGI_MARK_NONEXISTING_GLYPHS) == GDI_ERROR)
        return has;
    for (std::size_t i = 0; i < text.size(); ++i) has[i] = glyphs[i] != 0xFFFF || text[i] < L' ';
    return has;
}

// The runs on one line centred along the top of `rect`, on one baseline:
// the runs `font` has in it, the others in the font the font mapper picks
// for the desk's characters at the same size and weight, as an edit control
// falls back for a character its font lacks.
void PaintRunsCentred(HDC dc, const RECT& rect, std::wstring_view text,
                      const std::vector<GlyphRun>& runs, HFONT font) {
    LOGFONTW look{};
    ::GetObjectW(font, sizeof(look), &look);
    look.lfFaceName[0] = L'\0';
    look.lfCharSet = DEFAULT_CHARSET;
    const UniqueFont fallback(::CreateFontIndirectW(&look));
    const SelectedObject keep(dc, font);  // back before the fallback is deleted
    TEXTMETRICW metrics{};
    ::GetTextMetricsW(dc, &metrics);
    std::vector<int> widths;
    int width = 0;
    for (const GlyphRun& run : runs) {
        ::SelectObject(dc, run.missing ? fallback.Get() : font);
        SIZE size{};
        ::GetTextExtentPoint32W(dc, text.data() + run.start, static_cast<int>(run.length), &size);
        widths.push_back(size.cx);
        width += size.cx;
    }
    ::SetTextAlign(dc, TA_LEFT | TA_BASELINE);
    // Centred; a name wider than the label keeps its start in view.
    int x = static_cast<int>(rect.left + std::max<LONG>(0, rect.right - rect.left - width) / 2);
    for (std::size_t i = 0; i < runs.size(); ++i) {
        ::SelectObject(dc, runs[i].missing ? fallback.Get() : font);
        ::TextOutW(dc, x, rect.top + metrics.tmAscent, text.data() + runs[i].start,
                   static_cast<int>(runs[i].length));
        x += widths[i];
    }
}

}  // namespace

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
    const std::wstring_view shown(text.data(), std::min(text.size(), kMostVisibleChars));
    const std::vector<GlyphRun> runs = RunsByFont(shown, GlyphsOf(dc, shown));
    if (runs.empty())
        ::DrawTextW(dc, shown.data(), static_cast<int>(shown.size()), &box,
                    DT_CENTER | DT_TOP | DT_WORDBREAK | DT_NOPREFIX);
    else
        PaintRunsCentred(dc, rect, shown, runs, font);
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
