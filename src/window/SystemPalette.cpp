#include "window/SystemPalette.h"

#include "util/Win32.h"

namespace tornavel {

Palette CurrentPalette() {
    HIGHCONTRASTW contrast{};
    contrast.cbSize = sizeof(contrast);
    const bool on = ::SystemParametersInfoW(SPI_GETHIGHCONTRAST, sizeof(contrast), &contrast, 0) &&
                    (contrast.dwFlags & HCF_HIGHCONTRASTON) != 0;
    const auto colour = [](int index) { return static_cast<Colour>(::GetSysColor(index)); };
    return ChoosePalette(
        on, {colour(COLOR_WINDOW), colour(COLOR_WINDOWTEXT), colour(COLOR_BTNFACE),
             colour(COLOR_BTNTEXT), colour(COLOR_HIGHLIGHT), colour(COLOR_HIGHLIGHTTEXT),
             colour(COLOR_ACTIVECAPTION), colour(COLOR_CAPTIONTEXT), colour(COLOR_WINDOWFRAME)});
}

}  // namespace tornavel
