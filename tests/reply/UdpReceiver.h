#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "util/UniqueHandle.h"

namespace tornavel::testing {

// A UDP socket bound to a free port of a loopback address, for tests to
// receive what the program sends.
class UdpReceiver {
  public:
    explicit UdpReceiver(const char* address = "127.0.0.1");
    std::uint16_t Port() const noexcept { return port_; }
    std::wstring PortText() const { return std::to_wstring(port_); }
    // The next datagram's bytes, or nothing within `timeoutMs`.
    std::optional<std::string> Receive(int timeoutMs = 2000);

  private:
    UniqueSocket socket_;
    std::uint16_t port_ = 0;
};

}  // namespace tornavel::testing
