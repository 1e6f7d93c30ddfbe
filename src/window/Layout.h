#pragma once

#include <array>
#include <string_view>

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

enum class ControlKind { kTextBox, kFlatButton, kImageList, kDatagramSocket, kShape, kLabel };

struct ControlDesign {
    std::wstring_view name;
    ControlKind kind;
    TwipsRect rect;
    int tabIndex;  // -1: not in the tab order
};

// Front to back: the order in which the window keeps its controls.
inline constexpr std::array<ControlDesign, 10> kControls{{
    {L"MensajeTXT", ControlKind::kTextBox, {270, 810, 6825, 1215}, 3},
    {L"ItemText", ControlKind::kTextBox, {390, 2340, 6585, 645}, 0},
    {L"FormCerrar", ControlKind::kFlatButton, {6375, 0, 1005, 600}, 1},
    {L"BotonAceptar", ControlKind::kFlatButton, {270, 3270, 6825, 660}, 4},
    {L"ico48x48", ControlKind::kImageList, {960, 4110, 0, 0}, -1},
    {L"MensajeriaWSK_SEND", ControlKind::kDatagramSocket, {1620, 4110, 0, 0}, -1},
    {L"ItemBorde", ControlKind::kShape, {270, 2235, 6825, 825}, -1},
    {L"FormBarraTituloTXT", ControlKind::kLabel, {0, 120, 7380, 360}, 2},
    {L"FormBarraTitulo", ControlKind::kShape, {0, 0, 7380, 600}, -1},
    {L"FormMCO", ControlKind::kShape, {0, 0, 810, 4215}, -1},
}};

// Positions in kControls.
inline constexpr std::size_t kMensajeTXT = 0;
inline constexpr std::size_t kItemText = 1;
inline constexpr std::size_t kFormCerrar = 2;
inline constexpr std::size_t kBotonAceptar = 3;
inline constexpr std::size_t kIco48x48 = 4;
inline constexpr std::size_t kMensajeriaWSK = 5;
inline constexpr std::size_t kItemBorde = 6;
inline constexpr std::size_t kFormBarraTituloTXT = 7;
inline constexpr std::size_t kFormBarraTitulo = 8;
inline constexpr std::size_t kFormMCO = 9;

inline constexpr int kWindowWidthTwips = 7380;
inline constexpr int kWindowHeightTwips = 4215;
inline constexpr int kTwipsPerInch = 1440;

inline constexpr wchar_t kCaption[] = L"Tornavel - Mensaje";
inline constexpr wchar_t kTitlePlaceholder[] = L"<NombreRemitente>";
inline constexpr wchar_t kSendCaption[] = L"Enviar respuesta y cerrar";

inline constexpr COLORREF kWindowBack = RGB(249, 249, 249);
inline constexpr COLORREF kWindowFore = RGB(53, 53, 53);
inline constexpr COLORREF kReplyBack = RGB(255, 255, 255);
inline constexpr COLORREF kFrameLine = RGB(224, 224, 224);
inline constexpr COLORREF kTitleBarFill = RGB(79, 79, 79);
inline constexpr COLORREF kTitleBarHatch = RGB(85, 85, 85);
inline constexpr COLORREF kTitleText = RGB(255, 255, 255);
inline constexpr COLORREF kCloseBack = RGB(85, 85, 85);
inline constexpr COLORREF kCloseHoverBack = RGB(217, 0, 0);
inline constexpr COLORREF kSendBack = RGB(0, 128, 204);
inline constexpr COLORREF kButtonText = RGB(255, 255, 255);
inline constexpr COLORREF kPictureMask = RGB(192, 192, 192);

struct FontDesign {
    const wchar_t* family;
    int centiPoints;  // 975 is 9.75 pt
    int weight;
};

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

}  // namespace tornavel::layout
