#include "window/CurrentPalette.h"

#include "util/Win32.h"

namespace tornavel {

Palette CurrentPalette() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool on = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const auto colour = [](int index) { return static_cast<Colour>(::GetSysColor(index)); };
    return ChoosePalette(on, {.window = colour(COLOR_WINDOW),
                              .windowText = colour(COLOR_WINDOWTEXT),
                              .buttonFace = colour(COLOR_BTNFACE),
                              .buttonText = colour(COLOR_BTNTEXT),
                              .highlight = colour(COLOR_HIGHLIGHT),
                              .highlightText = colour(COLOR_HIGHLIGHTTEXT),
                              .activeCaption = colour(COLOR_ACTIVECAPTION),
                              .captionText = colour(COLOR_CAPTIONTEXT),
                              .windowFrame = colour(COLOR_WINDOWFRAME)});
}

}  // namespace tornavel
