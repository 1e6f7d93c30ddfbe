#include "UdpReceiver.h"

#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

namespace tools {

UdpReceiver::UdpReceiver(int family) : fd_(socket(family, SOCK_DGRAM, 0)) {
    sockaddr_storage address{};
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);  // the port lies alike in both
    auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
    address.ss_family = static_cast<sa_family_t>(family);
    if (family == AF_INET6)
        v6.sin6_addr = in6addr_loopback;
    else
        v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = family == AF_INET6 ? sizeof(v6) : sizeof(v4);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0)
        throw std::runtime_error("cannot bind a receiver");
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(v4.sin_port);
}

UdpReceiver::~UdpReceiver() { close(fd_); }

std::optional<std::string> UdpReceiver::Receive(std::chrono::milliseconds timeout) {
    pollfd ready{fd_, POLLIN, 0};
    std::string bytes(70000, '\0');
    if (poll(&ready, 1, static_cast<int>(timeout.count())) != 1) return std::nullopt;
    const ssize_t got = recv(fd_, bytes.data(), bytes.size(), 0);
    if (got < 0) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

}  // namespace tools
