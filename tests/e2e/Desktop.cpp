#include "Desktop.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <memory>
#include <stdexcept>

namespace e2e {
namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr OpenDisplay() {
    DisplayPtr display(XOpenDisplay(nullptr));
    if (!display) throw std::runtime_error("no X display");
    return display;
}

// The mapped child of the root window named `caption` (there is no window
// manager, so Wine's top-level windows are the root's children), or 0.
Window FindWindow(Display* display, const std::string& caption) {
    Window root = 0;
    Window parent = 0;
    Window* children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    XQueryTree(display, DefaultRootWindow(display), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && found == 0; ++i) {
        XWindowAttributes attributes{};
        char* name = nullptr;
        if (XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable &&
            XFetchName(display, children[i], &name) && name != nullptr) {
            if (caption == name) found = children[i];
        }
        if (name != nullptr) XFree(name);
    }
    if (children != nullptr) XFree(children);
    return found;
}

}  // namespace

Picture Screenshot() {
    DisplayPtr display = OpenDisplay();
    const Window root = DefaultRootWindow(display.get());
    XWindowAttributes attributes{};
    XGetWindowAttributes(display.get(), root, &attributes);
    XImage* image = XGetImage(display.get(), root, 0, 0, static_cast<unsigned>(attributes.width),
                              static_cast<unsigned>(attributes.height), AllPlanes, ZPixmap);
    if (image == nullptr) throw std::runtime_error("no screenshot");
    Picture shot{attributes.width, attributes.height, 0, 0, {}};
    shot.argb.reserve(static_cast<std::size_t>(shot.width) * shot.height);
    for (int y = 0; y < shot.height; ++y) {
        for (int x = 0; x < shot.width; ++x)
            shot.argb.push_back(0xFF000000u | static_cast<std::uint32_t>(XGetPixel(image, x, y) & 0xFFFFFF));
    }
    XDestroyImage(image);
    return shot;
}

std::vector<Picture> WindowIcons(const std::string& caption) {
    DisplayPtr display = OpenDisplay();
    const Window window = FindWindow(display.get(), caption);
    Atom type = 0;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    std::vector<Picture> icons;
    if (window == 0 ||
        XGetWindowProperty(display.get(), window, XInternAtom(display.get(), "_NET_WM_ICON", False), 0,
                           1 << 24, False, XA_CARDINAL, &type, &format, &count, &remaining, &data) != Success ||
        data == nullptr)
        return icons;
    // Format 32 comes as longs: width, height, then width * height ARGB values.
    const auto* values = reinterpret_cast<const unsigned long*>(data);
    for (unsigned long i = 0; i + 2 <= count;) {
        Picture icon{static_cast<int>(values[i]), static_cast<int>(values[i + 1]), 0, 0, {}};
        i += 2;
        const unsigned long pixels = static_cast<unsigned long>(icon.width) * icon.height;
        if (i + pixels > count) break;
        for (unsigned long p = 0; p < pixels; ++p) icon.argb.push_back(static_cast<std::uint32_t>(values[i + p]));
        i += pixels;
        icons.push_back(std::move(icon));
    }
    XFree(data);
    return icons;
}

Picture CurrentCursor() {
    DisplayPtr display = OpenDisplay();
    XFixesCursorImage* image = XFixesGetCursorImage(display.get());
    if (image == nullptr) throw std::runtime_error("no cursor image");
    Picture cursor{image->width, image->height, image->xhot, image->yhot, {}};
    for (int i = 0; i < cursor.width * cursor.height; ++i)
        cursor.argb.push_back(static_cast<std::uint32_t>(image->pixels[i]));
    XFree(image);
    return cursor;
}

UdpReceiver::UdpReceiver() {
    fd_ = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0)
        throw std::runtime_error("cannot bind a receiver");
    socklen_t length = sizeof(address);
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

UdpReceiver::~UdpReceiver() {
    if (fd_ >= 0) close(fd_);
}

std::optional<std::string> UdpReceiver::Receive(std::chrono::milliseconds timeout) {
    pollfd ready{fd_, POLLIN, 0};
    if (poll(&ready, 1, static_cast<int>(timeout.count())) != 1) return std::nullopt;
    std::string bytes(70000, '\0');
    const ssize_t got = recv(fd_, bytes.data(), bytes.size(), 0);
    if (got < 0) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

}  // namespace e2e
