#include "UdpReceiver.h"

#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

namespace tools {

UdpReceiver::UdpReceiver(int family) : fd_(socket(family, SOCK_DGRAM, 0)) {
    sockaddr_storage address{};
    address.ss_family = static_cast<sa_family_t>(family);
    if (family == AF_INET6)
        reinterpret_cast<sockaddr_in6&>(address).sin6_addr = in6addr_loopback;
    else
        reinterpret_cast<sockaddr_in&>(address).sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Bind(address);
}

UdpReceiver::UdpReceiver(std::uint32_t ipv4, int port) : fd_(socket(AF_INET, SOCK_DGRAM, 0)) {
    if (ipv4 >> 24 != 127) throw std::invalid_argument("not a loopback address");
    sockaddr_storage address{};
    auto& v4 = reinterpret_cast<sockaddr_in&>(address);
    v4.sin_family = AF_INET;
    v4.sin_addr.s_addr = htonl(ipv4);
    v4.sin_port = htons(static_cast<std::uint16_t>(port));
    Bind(address);
}

void UdpReceiver::Bind(sockaddr_storage& address) {
    socklen_t length = address.ss_family == AF_INET6 ? sizeof(sockaddr_in6) : sizeof(sockaddr_in);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0)
        throw std::runtime_error("cannot bind a receiver");
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(reinterpret_cast<sockaddr_in&>(address).sin_port);  // alike in both
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
