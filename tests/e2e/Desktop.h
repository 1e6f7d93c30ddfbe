#pragma once

// What the X display shows of the pop-up (its pixels, icons and the pointer's
// picture), and a UDP receiver on loopback standing in for the peer.

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace e2e {

// An ARGB picture: a screenshot, an icon or the pointer.
struct Picture {
    int width = 0;
    int height = 0;
    int hotX = 0;
    int hotY = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    // The colour at (x, y) as 0xRRGGBB.
    std::uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
};

// The whole virtual display.
Picture Screenshot();
// The icons Wine put in _NET_WM_ICON of the window of this caption.
std::vector<Picture> WindowIcons(const std::string& caption);
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
