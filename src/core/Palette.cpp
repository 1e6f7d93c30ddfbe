#include "core/Palette.h"

namespace tornavel {

Palette ChoosePalette(bool highContrast, const SystemColours& s) {
    if (highContrast) {
        return {.windowBack = s.window,
                .windowText = s.windowText,
                .replyBack = s.window,
                .frameLine = s.windowFrame,
                .titleBarFill = s.activeCaption,
                .titleBarHatch = std::nullopt,
                .titleText = s.captionText,
                .closeBack = s.buttonFace,
                .closeHoverBack = s.highlight,
                .closeText = s.buttonText,
                .closeHoverText = s.highlightText,
                .sendBack = s.buttonFace,
                .sendHoverBack = s.highlight,
                .sendText = s.buttonText,
                .sendHoverText = s.highlightText};
    }
    const Colour white = Rgb(255, 255, 255);
    const Colour blue = Rgb(0, 128, 204);
    return {.windowBack = Rgb(249, 249, 249),
            .windowText = Rgb(53, 53, 53),
            .replyBack = white,
            .frameLine = Rgb(224, 224, 224),
            .titleBarFill = Rgb(79, 79, 79),
            .titleBarHatch = Rgb(85, 85, 85),
            .titleText = white,
            .closeBack = Rgb(85, 85, 85),
            .closeHoverBack = Rgb(217, 0, 0),
            .closeText = white,
            .closeHoverText = white,
            .sendBack = blue,
            .sendHoverBack = blue,
            .sendText = white,
            .sendHoverText = white};
}

}  // namespace tornavel
