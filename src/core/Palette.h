#pragma once

#include <cstdint>
#include <optional>

namespace tornavel {

// A colour as the platform stores it: 0x00BBGGRR.
using Colour = std::uint32_t;

constexpr Colour Rgb(unsigned red, unsigned green, unsigned blue) {
    return red | (green << 8) | (blue << 16);
}

// The system colours a high-contrast theme sets, as Windows reports them.
struct SystemColours {
    Colour window;
    Colour windowText;
    Colour buttonFace;
    Colour buttonText;
    Colour highlight;
    Colour highlightText;
    Colour activeCaption;
    Colour captionText;
    Colour windowFrame;
};

// Every colour the pop-up draws with.
struct Palette {
    Colour windowBack;  // the window, the message box, the frame's fill
    Colour windowText;  // the message and the reply
    Colour replyBack;   // the reply box and its field
    Colour frameLine;   // the window's frame and the reply's border
    Colour titleBarFill;
    std::optional<Colour> titleBarHatch;  // upward diagonals over the fill
    Colour titleText;
    Colour closeBack;
    Colour closeHoverBack;
    Colour closeText;  // the cross
    Colour closeHoverText;
    Colour sendBack;
    Colour sendHoverBack;
    Colour sendText;
    Colour sendHoverText;
    bool operator==(const Palette&) const = default;
};

// The pop-up's own colours, or, while a high-contrast theme is on, the
// theme's: window and window text for the window, the message and the reply;
// button face and text for both buttons, highlight and highlight text under
// the pointer; the active caption for the title bar, without its hatch; the
// window frame for the frame and the reply's border.
Palette ChoosePalette(bool highContrast, const SystemColours& system);

}  // namespace tornavel
