#pragma once

// What the X display shows of the pop-up: its icons, the pointer's picture,
// and a UDP receiver on loopback standing in for the peer.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// An ARGB picture as X keeps it for icons and cursors.
struct Picture {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
};

// The X window that shows the Windows window of this caption, or 0.
unsigned long XWindowByName(const std::string& caption);
// The icons Wine put in the window's _NET_WM_ICON, from WM_SETICON.
std::vector<Picture> WindowIcons(unsigned long xwindow);
// The pointer's picture now shown on the display.
Picture CurrentCursor();

// A UDP socket on 127.0.0.1 at a free port.
class UdpReceiver {
  public:
    UdpReceiver();
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;
    int Port() const { return port_; }
    std::optional<std::string> Receive(std::chrono::milliseconds timeout);

  private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace e2e
