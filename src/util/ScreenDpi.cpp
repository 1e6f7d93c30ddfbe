#include "util/ScreenDpi.h"

#include "util/UniqueHandle.h"

namespace tornavel {

int ScreenDpi() {
    const WindowDc screen(nullptr);
    const int dpi = ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
    return dpi > 0 ? dpi : 96;
}

}  // namespace tornavel
