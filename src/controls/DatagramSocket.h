#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "core/SystemTexts.h"
#include "util/UniqueHandle.h"
#include "util/WindowDispatch.h"

namespace tornavel {

class RuntimeError;

// Our UDP socket control. It starts with no remote host, remote port 0 and no
// fixed local port; each SendData sends one text as one datagram, encoded in
// the machine's ANSI code page, to the host and port set last. Errors at a
// call are raised there as RuntimeErrors with Winsock's number, the system's
// description and the control's name as source. Errors it notices on its own
// later (an ICMP "port unreachable" answer, say) go to its error event; when
// no handler cancels the display, it shows them in a message box itself. They
// arrive as notices on a message-only window of its own, made with the first
// socket.
class DatagramSocket : private OwnedWindowHandle {
  public:
    struct ErrorEvent {
        std::int32_t number;
        std::wstring description;
        std::int32_t scode;
        std::wstring source;
        std::wstring helpFile;
        std::int32_t helpContext;
        bool cancelDisplay;
    };

    explicit DatagramSocket(std::wstring name);
    ~DatagramSocket();
    DatagramSocket(const DatagramSocket&) = delete;
    DatagramSocket& operator=(const DatagramSocket&) = delete;

    // A host name, a dotted IPv4 address or an IPv6 address; resolved at send.
    void SetRemoteHost(std::wstring host) { remoteHost_ = std::move(host); }

    // Refuses what is no usable port (1 to 65535) with error 380.
    void SetRemotePort(std::int32_t port);

    // Sends `text` whole as one datagram, or raises: a host that does not
    // resolve, a text too long for one datagram (never cut), a failed send.
    void SendData(std::wstring_view text);

    void OnError(std::function<void(ErrorEvent&)> handler) { onError_ = std::move(handler); }
    // Raises the error event; shows the error unless a handler cancels that.
    void RaiseErrorEvent(std::int32_t number, const std::wstring& description);

  private:
    template <typename Owner>
    friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static constexpr std::wstring_view kHandlerName = texts::kSocketErrorHandlerName;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    SOCKET SocketFor(int family);
    void Drain(SOCKET socket);
    RuntimeError Error(std::int32_t number) const;

    std::wstring name_;
    std::wstring remoteHost_;
    std::int32_t remotePort_ = 0;
    UniqueSocket ipv4_;
    UniqueSocket ipv6_;
    std::function<void(ErrorEvent&)> onError_;
};

}  // namespace tornavel
