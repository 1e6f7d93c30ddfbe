#include "UdpReceiver.h"

#include <netinet/in.h>
#include <poll.h>
#include <unistd.h>

#include <stdexcept>

namespace tools {

UdpReceiver::UdpReceiver(int family) : fd_(socket(family, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
    sockaddr_storage address{};
    address.ss_family = static_cast<sa_family_t>(family);
    if (family == AF_INET6)
        reinterpret_cast<sockaddr_in6&>(address).sin6_addr = in6addr_loopback;
    else
        reinterpret_cast<sockaddr_in&>(address).sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    Bind(address);
}

UdpReceiver::UdpReceiver(std::uint32_t ipv4, int port)
    : fd_(socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0)) {
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

int UdpReceiver::AnswerNameQueries(std::uint32_t ipv4, std::chrono::milliseconds timeout) {
    int answered = 0;
    for (pollfd ready{fd_, POLLIN, 0}; poll(&ready, 1, static_cast<int>(timeout.count())) == 1;) {
        std::string query(512, '\0');
        sockaddr_storage from{};
        socklen_t fromLength = sizeof(from);
        const ssize_t got = recvfrom(fd_, query.data(), query.size(), 0,
                                     reinterpret_cast<sockaddr*>(&from), &fromLength);
        // The header, then the question: its name's labels up to the empty
        // one, its type and its class.
        const std::size_t size = got > 0 ? static_cast<std::size_t>(got) : 0;
        std::size_t end = 12;
        while (end < size && query[end] != 0) end += 1 + static_cast<unsigned char>(query[end]);
        if (end + 5 > size) continue;
        const bool forIPv4 = query[end + 1] == 0 && query[end + 2] == 1;
        // The id as asked; a recursive answer, no error; the question; then
        // the address, its name pointing at the question's.
        std::string answer = query.substr(0, 2) + "\x81\x80" + query.substr(4, 2) + '\0' +
                             static_cast<char>(forIPv4) + std::string(4, '\0') +
                             query.substr(12, end + 5 - 12);
        if (forIPv4) {
            answer += std::string("\xC0\x0C\0\x01\0\x01\0\0\0\0\0\x04", 12);
            for (int shift = 24; shift >= 0; shift -= 8)
                answer += static_cast<char>((ipv4 >> shift) & 0xFF);
        }
        if (sendto(fd_, answer.data(), answer.size(), 0, reinterpret_cast<sockaddr*>(&from),
                   fromLength) == static_cast<ssize_t>(answer.size()))
            ++answered;
    }
    return answered;
}

}  // namespace tools
