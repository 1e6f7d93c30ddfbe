#include "controls/DatagramSocket.h"

#include <mswsock.h>

#include <memory>

#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "util/CodePage.h"
#include "util/SystemMessage.h"

namespace tornavel {
namespace {

// Winsock is started once per process and stopped at its end.
class WinsockSession {
  public:
    WinsockSession() { started_ = ::WSAStartup(MAKEWORD(2, 2), &data_) == 0; }
    ~WinsockSession() {
        if (started_) ::WSACleanup();
    }
    bool Started() const { return started_; }

  private:
    WSADATA data_{};
    bool started_ = false;
};

bool StartWinsock() {
    static WinsockSession session;
    return session.Started();
}

struct AddrInfoDeleter {
    void operator()(ADDRINFOW* info) const noexcept { ::FreeAddrInfoW(info); }
};

}  // namespace

RuntimeError DatagramSocket::Error(std::int32_t number) const {
    return RuntimeError(number, SystemErrorText(static_cast<DWORD>(number)), name_);
}

void DatagramSocket::SetRemotePort(std::int32_t port) {
    if (port < 1 || port > 65535)
        throw RuntimeError(kErrInvalidPropertyValue, texts::kInvalidPropertyValueDescription,
                           name_);
    remotePort_ = port;
}

SOCKET DatagramSocket::SocketFor(int family) {
    UniqueSocket& slot = family == AF_INET6 ? ipv6_ : ipv4_;
    if (!slot) {
        if (!StartWinsock()) throw Error(::WSAGetLastError());
        slot.Reset(::socket(family, SOCK_DGRAM, IPPROTO_UDP));
        if (!slot) throw Error(::WSAGetLastError());
        // Best effort: where it cannot be turned off, nothing else changes.
        BOOL reportUnreachable = FALSE;
        DWORD returned = 0;
        ::WSAIoctl(slot.Get(), SIO_UDP_CONNRESET, &reportUnreachable, sizeof(reportUnreachable),
                   nullptr, 0, &returned, nullptr, nullptr);
    }
    return slot.Get();
}

void DatagramSocket::SendData(std::wstring_view text) {
    if (!StartWinsock()) throw Error(::WSAGetLastError());
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    ADDRINFOW* found = nullptr;
    const std::wstring port = std::to_wstring(remotePort_);
    const int resolved = ::GetAddrInfoW(remoteHost_.c_str(), port.c_str(), &hints, &found);
    std::unique_ptr<ADDRINFOW, AddrInfoDeleter> addresses(found);
    if (resolved != 0 || found == nullptr) throw Error(resolved != 0 ? resolved : kWsaHostNotFound);

    const std::string bytes = WideToAnsi(text);
    // The largest UDP payload: 65535 less the IP and UDP headers.
    const std::size_t largest = found->ai_family == AF_INET6 ? 65527 : 65507;
    if (bytes.size() > largest) throw Error(kWsaMessageTooLong);

    const SOCKET socket = SocketFor(found->ai_family);
    const int sent = ::sendto(socket, bytes.data(), static_cast<int>(bytes.size()), 0,
                              found->ai_addr, static_cast<int>(found->ai_addrlen));
    if (sent == SOCKET_ERROR) throw Error(::WSAGetLastError());
    if (static_cast<std::size_t>(sent) != bytes.size()) throw Error(kWsaMessageTooLong);
}

}  // namespace tornavel
