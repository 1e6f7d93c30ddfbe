#include "controls/DatagramSocket.h"

#include <mswsock.h>

#include <memory>
#include <optional>
#include <vector>

#include "core/AddressChoice.h"
#include "core/DatagramLimit.h"
#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "util/CodePage.h"
#include "util/SystemMessage.h"

namespace tornavel {
namespace {

AddressFamily FamilyOf(const ADDRINFOW& address) {
    if (address.ai_family == AF_INET) return AddressFamily::kIPv4;
    return address.ai_family == AF_INET6 ? AddressFamily::kIPv6 : AddressFamily::kOther;
}

struct AddrInfoDeleter {
    void operator()(ADDRINFOW* info) const noexcept { LoadedWinsock().call.freeAddrInfo(info); }
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
    const WinsockFunctions& winsock = LoadedWinsock().call;
    UniqueSocket& slot = family == AF_INET6 ? ipv6_ : ipv4_;
    if (!slot) {
        slot.Reset(winsock.socket(family, SOCK_DGRAM, IPPROTO_UDP));
        if (!slot) throw Error(winsock.lastError());
        // Best effort: where it cannot be turned off, nothing else changes.
        BOOL reportUnreachable = FALSE;
        DWORD returned = 0;
        winsock.ioctl(slot.Get(), SIO_UDP_CONNRESET, &reportUnreachable, sizeof(reportUnreachable),
                      nullptr, 0, &returned, nullptr, nullptr);
    }
    return slot.Get();
}

void DatagramSocket::SendData(std::wstring_view text) {
    // Loaded here, at the first send, not at start.
    const Winsock& winsock = LoadedWinsock();
    if (winsock.error != 0) throw Error(winsock.error);
    // An empty host would resolve to this machine, which nobody named.
    if (!NamesAHost(remoteHost_)) throw Error(kWsaHostNotFound);
    ADDRINFOW hints{};
    hints.ai_family = AF_UNSPEC;
    hints.ai_socktype = SOCK_DGRAM;
    hints.ai_protocol = IPPROTO_UDP;
    ADDRINFOW* found = nullptr;
    const std::wstring port = std::to_wstring(remotePort_);
    const int resolved =
        winsock.call.getAddrInfo(remoteHost_.c_str(), port.c_str(), &hints, &found);
    std::unique_ptr<ADDRINFOW, AddrInfoDeleter> addresses(found);
    if (resolved != 0) throw Error(resolved);
    std::vector<const ADDRINFOW*> candidates;
    std::vector<AddressFamily> families;
    for (const ADDRINFOW* at = found; at != nullptr; at = at->ai_next) {
        candidates.push_back(at);
        families.push_back(FamilyOf(*at));
    }
    const std::optional<std::size_t> chosen = ChooseAddress(families);
    if (!chosen) throw Error(kWsaHostNotFound);
    const ADDRINFOW& to = *candidates[*chosen];

    const std::string bytes = ToCodePage(text);
    // The largest UDP payload: 65535 less the IP and UDP headers (IPv6's 20
    // bytes fewer).
    const std::size_t largest =
        to.ai_family == AF_INET6 ? kLargestDatagramBytes + 20 : kLargestDatagramBytes;
    if (bytes.size() > largest) throw Error(kWsaMessageTooLong);

    const SOCKET socket = SocketFor(to.ai_family);
    const int sent = winsock.call.sendTo(socket, bytes.data(), static_cast<int>(bytes.size()), 0,
                                         to.ai_addr, static_cast<int>(to.ai_addrlen));
    if (sent == SOCKET_ERROR) throw Error(winsock.call.lastError());
    if (static_cast<std::size_t>(sent) != bytes.size()) throw Error(kWsaMessageTooLong);
}

}  // namespace tornavel
