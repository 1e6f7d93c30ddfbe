#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "controls/Winsock.h"

namespace tornavel {

class RuntimeError;

// Our UDP socket control. It starts with no remote host, remote port 0 and no
// fixed local port; each SendData sends one text as one datagram, encoded in
// the machine's ANSI code page, to the host and port set last, synchronously.
// Errors at a call are raised there as RuntimeErrors with Winsock's number,
// the system's description and the control's name as source.
//
// It raises no later error event of its own: the program sends and ends, and
// only ever cancelled such an event. An ICMP "port unreachable" answer to
// one datagram, which Windows would report at the next call on the socket,
// is turned off, so it cannot fail the send to the other destination.
class DatagramSocket {
  public:
    explicit DatagramSocket(std::wstring name) : name_(std::move(name)) {}

    // A host name, a dotted IPv4 address or an IPv6 address, resolved at send
    // (a name to its IPv4 address when it has one). A host that names nobody
    // (empty, or blanks) is refused there as one that cannot be found.
    void SetRemoteHost(std::wstring host) { remoteHost_ = std::move(host); }

    // Refuses what is no usable port (1 to 65535) with error 380.
    void SetRemotePort(std::int32_t port);

    // Sends `text` whole as one datagram, or raises: a host that does not
    // resolve, a text too long for one datagram (never cut), a failed send.
    void SendData(std::wstring_view text);

  private:
    SOCKET SocketFor(int family);
    RuntimeError Error(std::int32_t number) const;

    std::wstring name_;
    std::wstring remoteHost_;
    std::int32_t remotePort_ = 0;
    UniqueSocket ipv4_;
    UniqueSocket ipv6_;
};

}  // namespace tornavel
