#pragma once

#include "ResourceIds.h"
#include "util/Win32.h"

namespace tornavel::layout {

// The message window's design, in twips from the client area's top-left corner
// (15 twips a pixel at 96 dpi).

struct TwipsRect {
    int left;
    int top;
    int width;
    int height;
};

// Where each part of the window lies. The two text boxes and the two buttons
// are windows; the rest is painted.
inline constexpr TwipsRect kMessageBox{270, 810, 6825, 1215};
inline constexpr TwipsRect kReplyBox{390, 2340, 6585, 645};
inline constexpr TwipsRect kCloseButton{6375, 0, 1005, 600};
inline constexpr TwipsRect kSendButton{270, 3270, 6825, 660};
// The reply box's white field and its border line.
inline constexpr TwipsRect kReplyBorder{270, 2235, 6825, 825};
// The sender's name, centred on the title bar; a press on it starts a drag.
inline constexpr TwipsRect kTitleLabel{0, 120, 7380, 360};
inline constexpr TwipsRect kTitleBar{0, 0, 7380, 600};

inline constexpr int kWindowWidthTwips = 7380;
inline constexpr int kWindowHeightTwips = 4215;
inline constexpr int kTwipsPerInch = 1440;

// The colours are the palette's (core/Palette.h): the layout's own, or a
// high-contrast theme's.

struct FontDesign {
    const wchar_t* family;
    int centiPoints;  // 975 is 9.75 pt
    int weight;
};

// The exe carries both faces (Light and Regular), loaded privately while the
// window lives; the title's bold is GDI's emboldening of the Light face.
inline constexpr int kFontResources[] = {TORNAVEL_FONT_LIGHT, TORNAVEL_FONT_REGULAR};

inline constexpr FontDesign kMessageFont{L"Open Sans", 1425, 400};
inline constexpr FontDesign kReplyFont{L"Open Sans Light", 1125, 300};
inline constexpr FontDesign kTitleFont{L"Open Sans Light", 1200, 700};
inline constexpr FontDesign kCloseFont{L"Open Sans Light", 1125, 300};
inline constexpr FontDesign kSendFont{L"Open Sans", 1200, 400};

// Twips to pixels at `dpi`.
constexpr int ToPixels(int twips, int dpi) {
    return (twips * dpi + kTwipsPerInch / 2) / kTwipsPerInch;
}

// Each edge is rounded on its own, so controls that share an edge in twips
// share it in pixels, and none passes the window's edge at any dpi.
inline RECT ToPixels(const TwipsRect& r, int dpi) {
    return {ToPixels(r.left, dpi), ToPixels(r.top, dpi), ToPixels(r.left + r.width, dpi),
            ToPixels(r.top + r.height, dpi)};
}

// The window's rectangle at `dpi`, centred in `area`.
inline RECT WindowRectCentredIn(const RECT& area, int dpi) {
    const int width = ToPixels(kWindowWidthTwips, dpi);
    const int height = ToPixels(kWindowHeightTwips, dpi);
    const int left = area.left + (area.right - area.left - width) / 2;
    const int top = area.top + (area.bottom - area.top - height) / 2;
    return {left, top, left + width, top + height};
}

}  // namespace tornavel::layout
