#include "XDisplay.h"

#include <poll.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/extensions/Xfixes.h>

#include <memory>
#include <string_view>

#include "ChildProcess.h"
#include <stdexcept>

namespace tools {
namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;
DisplayPtr OpenDisplay() {
    DisplayPtr display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) throw std::runtime_error("no X display");
    return display;
}

// True when `window`, or a window inside it, is named `name`: a window
// manager maps its frame, which holds the program's own window.
bool Holds(Display* display, Window window, const std::string& name, int depth = 2) {
    char* found = nullptr;
    if (XFetchName(display, window, &found) != 0 && found != nullptr) {
        const bool named = name == found;
        XFree(found);
        if (named) return true;
    }
    Window root = 0, parent = 0, *children = nullptr;
    unsigned count = 0;
    if (depth == 0 || XQueryTree(display, window, &root, &parent, &children, &count) == 0)
        return false;
    bool held = false;
    for (unsigned i = 0; i < count && !held; ++i)
        held = Holds(display, children[i], name, depth - 1);
    if (children != nullptr) XFree(children);
    return held;
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
    // Every top-level window, or a window manager's frame round it, is
    // mapped as a child of the root: its MapNotify arrives here.
    XSelectInput(display_, DefaultRootWindow(display_), SubstructureNotifyMask);
    XSync(display_, False);
}

MappedWindowWatch::~MappedWindowWatch() { XCloseDisplay(display_); }

bool MappedWindowWatch::NextEvent(void* event, std::chrono::steady_clock::time_point deadline) {
    while (std::chrono::steady_clock::now() < deadline) {
        if (XPending(display_) == 0) {
            pollfd ready{ConnectionNumber(display_), POLLIN, 0};
            poll(&ready, 1, 50);
            continue;
        }
        XNextEvent(display_, static_cast<XEvent*>(event));
        return true;
    }
    return false;
}

bool MappedWindowWatch::WaitFor(const std::string& name,
                                std::chrono::steady_clock::time_point deadline) {
    for (XEvent event{}; NextEvent(&event, deadline);) {
        if (event.type != MapNotify || !Holds(display_, event.xmap.window, name)) continue;
        found_ = event.xmap.window;
        return true;
    }
    return false;
}

bool MappedWindowWatch::WaitForInk(int left, int top, int width, int height,
                                   std::chrono::steady_clock::time_point deadline) {
    do {
        XImage* image = XGetImage(display_, found_, left, top, static_cast<unsigned>(width),
                                  static_cast<unsigned>(height), AllPlanes, ZPixmap);
        bool inked = false;
        for (int y = 0; image != nullptr && y < height && !inked; ++y)
            for (int x = 0; x < width && !inked; ++x)
                inked = XGetPixel(image, x, y) != XGetPixel(image, 0, 0);
        if (image != nullptr) XDestroyImage(image);
        if (inked) return true;
        poll(nullptr, 0, 2);
    } while (std::chrono::steady_clock::now() < deadline);
    return false;
}

bool MappedWindowWatch::WaitForItsUnmap(std::chrono::steady_clock::time_point deadline) {
    for (XEvent event{}; NextEvent(&event, deadline);) {
        if ((event.type == UnmapNotify && event.xunmap.window == found_) ||
            (event.type == DestroyNotify && event.xdestroywindow.window == found_))
            return true;
    }
    return false;
}

std::optional<std::chrono::milliseconds> MappedWindowWatch::PressAndTimeItsUnmap(
    const char* keysym, std::chrono::milliseconds timeout) {
    const auto pressed = std::chrono::steady_clock::now();
    PressKeyNow(keysym);
    if (!WaitForItsUnmap(pressed + timeout)) return std::nullopt;
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 pressed);
}

bool WaitForWindowManager(std::chrono::steady_clock::time_point deadline) {
    const DisplayPtr display = OpenDisplay();
    for (;;) {
        XWindowAttributes root{};
        XGetWindowAttributes(display.get(), DefaultRootWindow(display.get()), &root);
        if ((root.all_event_masks & SubstructureRedirectMask) != 0) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        poll(nullptr, 0, 50);
    }
}

WindowManager::WindowManager()
    : process_(std::make_unique<ChildProcess>(std::vector<std::string>{"openbox"})) {
    if (!WaitForWindowManager(std::chrono::steady_clock::now() + std::chrono::seconds(5)))
        throw std::runtime_error("openbox did not start");
}

WindowManager::~WindowManager() {
    process_.reset();
    const DisplayPtr display = OpenDisplay();
    const Window root = DefaultRootWindow(display.get());
    int count = 0;
    Atom* atoms = XListProperties(display.get(), root, &count);
    for (int i = 0; i < count; ++i) {
        char* name = XGetAtomName(display.get(), atoms[i]);
        const std::string_view property = name != nullptr ? name : "";
        if (property.starts_with("_NET_") || property.starts_with("_OB_"))
            XDeleteProperty(display.get(), root, atoms[i]);
        XFree(name);
    }
    if (atoms != nullptr) XFree(atoms);
    XSync(display.get(), False);
}

void PressKeyNow(const char* keysym) {
    const DisplayPtr display = OpenDisplay();
    const KeyCode key = XKeysymToKeycode(display.get(), XStringToKeysym(keysym));
    XTestFakeKeyEvent(display.get(), key, True, CurrentTime);
    XTestFakeKeyEvent(display.get(), key, False, CurrentTime);
    XSync(display.get(), False);
}

void MovePointerNow(int x, int y) {
    const DisplayPtr display = OpenDisplay();
    XTestFakeMotionEvent(display.get(), -1, x, y, CurrentTime);
    XSync(display.get(), False);
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
