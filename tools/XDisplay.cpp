#include "XDisplay.h"

#include <poll.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <memory>
#include <stdexcept>

namespace tools {
namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;
DisplayPtr OpenDisplay() {
    DisplayPtr display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) throw std::runtime_error("no X display");
    return display;
}

}  // namespace

void ClickNow(unsigned button) {
    const DisplayPtr display = OpenDisplay();
    XTestFakeButtonEvent(display.get(), button, True, CurrentTime);
    XTestFakeButtonEvent(display.get(), button, False, CurrentTime);
    XSync(display.get(), False);
}

MappedWindowWatch::MappedWindowWatch() : display_(XOpenDisplay(nullptr)) {
    if (display_ == nullptr) throw std::runtime_error("no X display");
    // Without a window manager every top-level window is mapped as a child
    // of the root: its MapNotify arrives here.
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

MappedWindowWatch::~MappedWindowWatch() { XCloseDisplay(display_); }

bool MappedWindowWatch::WaitFor(const std::string& name,
                                std::chrono::steady_clock::time_point deadline) {
    while (std::chrono::steady_clock::now() < deadline) {
        if (XPending(display_) == 0) {
            pollfd ready{ConnectionNumber(display_), POLLIN, 0};
            poll(&ready, 1, 50);
            continue;
        }
        XEvent event{};
        XNextEvent(display_, &event);
        char* found = nullptr;
        if (event.type != MapNotify || XFetchName(display_, event.xmap.window, &found) == 0)
            continue;
        const bool named = found != nullptr && name == found;
        XFree(found);
        if (named) return true;
    }
    return false;
}

Picture Screenshot() {
    DisplayPtr display = OpenDisplay();
    XWindowAttributes root{};
    XGetWindowAttributes(display.get(), DefaultRootWindow(display.get()), &root);
    XImage* image = XGetImage(display.get(), DefaultRootWindow(display.get()), 0, 0, root.width,
                              root.height, AllPlanes, ZPixmap);
    Picture shot{root.width, root.height, 0, 0, {}};
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            shot.argb.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) | 0xFF000000u);
    XDestroyImage(image);
    return shot;
}

Picture CurrentCursor() {
    DisplayPtr display = OpenDisplay();
    XFixesCursorImage* image = XFixesGetCursorImage(display.get());
    if (image == nullptr) throw std::runtime_error("no cursor image");
    Picture cursor{image->width, image->height, image->xhot, image->yhot, {}};
    cursor.argb.assign(image->pixels, image->pixels + cursor.width * cursor.height);
    XFree(image);
    return cursor;
}

}  // namespace tools
