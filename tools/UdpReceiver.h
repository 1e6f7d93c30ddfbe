#pragma once

// A UDP socket on loopback (127.0.0.1, or ::1 for AF_INET6) at a free port,
// standing in for the peer in the end-to-end tests: each datagram's bytes as
// they came. At another IPv4 loopback address and a given port (53) it stands
// in for a name server: one that never answers, or answers when told. No
// program the test starts inherits it: a Wine server started then would hold
// the port for ever.

#include <sys/socket.h>

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>

namespace tools {

class UdpReceiver {
  public:
    explicit UdpReceiver(int family = AF_INET);
    // At 127.0.0.0/8 address `ipv4` (host byte order) and `port`.
    UdpReceiver(std::uint32_t ipv4, int port);
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;

    int Port() const { return port_; }
    // The next datagram, if one comes within `timeout`.
    std::optional<std::string> Receive(std::chrono::milliseconds timeout);
    // As a name server: answers each query waiting or coming within
    // `timeout`, one for an IPv4 address with `ipv4` (host byte order), any
    // other with no address; how many it answered.
    int AnswerNameQueries(std::uint32_t ipv4, std::chrono::milliseconds timeout);

  private:
    void Bind(sockaddr_storage& address);

    const int fd_;
    int port_ = 0;
};

}  // namespace tools
