#include "UdpReceiver.h"

#include <stdexcept>

namespace tornavel::testing {

UdpReceiver::UdpReceiver(const char* address) {
    static const bool started = [] {
        WSADATA data{};
        return ::WSAStartup(MAKEWORD(2, 2), &data) == 0;
    }();
    if (!started) throw std::runtime_error("Winsock did not start");

    ADDRINFOA hints{};
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_flags = AI_NUMERICHOST;
    ADDRINFOA* found = nullptr;
    if (::getaddrinfo(address, "0", &hints, &found) != 0) throw std::runtime_error("bad address");
    socket_.Reset(::socket(found->ai_family, SOCK_DGRAM, IPPROTO_UDP));
    const int bound =
        socket_ ? ::bind(socket_.Get(), found->ai_addr, static_cast<int>(found->ai_addrlen)) : -1;
    ::freeaddrinfo(found);
    if (bound != 0) throw std::runtime_error("cannot bind a receiver");

    sockaddr_storage local{};
    int length = sizeof(local);
    ::getsockname(socket_.Get(), reinterpret_cast<sockaddr*>(&local), &length);
    port_ = ntohs(local.ss_family == AF_INET6 ? reinterpret_cast<sockaddr_in6&>(local).sin6_port
                                              : reinterpret_cast<sockaddr_in&>(local).sin_port);
}

std::optional<std::string> UdpReceiver::Receive(int timeoutMs) {
    fd_set ready;
    FD_ZERO(&ready);
    FD_SET(socket_.Get(), &ready);
    timeval wait{timeoutMs / 1000, (timeoutMs % 1000) * 1000};
    if (::select(0, &ready, nullptr, nullptr, &wait) != 1) return std::nullopt;
    std::string bytes(70000, '\0');
    const int got = ::recv(socket_.Get(), bytes.data(), static_cast<int>(bytes.size()), 0);
    if (got < 0) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

}  // namespace tornavel::testing
