#include "MappedWindowWatch.h"

#include <poll.h>

#include <X11/Xlib.h>

#include <stdexcept>

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
