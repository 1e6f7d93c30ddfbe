#include "controls/DatagramSocket.h"

#include <memory>

#include "core/RuntimeError.h"
#include "util/CodePage.h"
#include "util/SystemMessage.h"

namespace tornavel {
namespace {

constexpr UINT kSocketNotice = WM_APP + 1;
constexpr wchar_t kNotifyClass[] = L"TornavelDatagramSocketNotify";
constexpr std::int32_t kErrInvalidPropertyValue = 380;

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

DatagramSocket::DatagramSocket(std::wstring name) : name_(std::move(name)) {}

DatagramSocket::~DatagramSocket() {
    ipv4_.Reset();
    ipv6_.Reset();
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

RuntimeError DatagramSocket::Error(std::int32_t number) const {
    return RuntimeError(number, SystemErrorText(static_cast<DWORD>(number)), name_);
}

void DatagramSocket::SetRemotePort(std::int32_t port) {
    if (port < 1 || port > 65535)
        throw RuntimeError(kErrInvalidPropertyValue, L"El valor de la propiedad no es v\u00E1lido",
                           name_);
    remotePort_ = port;
}

SOCKET DatagramSocket::SocketFor(int family) {
    UniqueSocket& slot = family == AF_INET6 ? ipv6_ : ipv4_;
    if (!slot) {
        if (!StartWinsock()) throw Error(::WSAGetLastError());
        slot.Reset(::socket(family, SOCK_DGRAM, IPPROTO_UDP));
        if (!slot) throw Error(::WSAGetLastError());
        // Answers the peer's system sends back (such as "port unreachable")
        // arrive as notices on our message-only window.
        if (hwnd_ == nullptr && RegisterOwnedWindowClass<DatagramSocket>(kNotifyClass)) {
            ::CreateWindowExW(0, kNotifyClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                              ::GetModuleHandleW(nullptr), this);
        }
        if (hwnd_ != nullptr) ::WSAAsyncSelect(slot.Get(), hwnd_, kSocketNotice, FD_READ);
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
    if (resolved != 0 || found == nullptr)
        throw Error(resolved != 0 ? resolved : WSAHOST_NOT_FOUND);

    const std::string bytes = WideToAnsi(text);
    // The largest UDP payload: 65535 less the IP and UDP headers.
    const std::size_t largest = found->ai_family == AF_INET6 ? 65527 : 65507;
    if (bytes.size() > largest) throw Error(WSAEMSGSIZE);

    const SOCKET socket = SocketFor(found->ai_family);
    const int sent = ::sendto(socket, bytes.data(), static_cast<int>(bytes.size()), 0,
                              found->ai_addr, static_cast<int>(found->ai_addrlen));
    if (sent == SOCKET_ERROR) throw Error(::WSAGetLastError());
    if (static_cast<std::size_t>(sent) != bytes.size()) throw Error(WSAEMSGSIZE);
}

void DatagramSocket::RaiseErrorEvent(std::int32_t number, const std::wstring& description) {
    ErrorEvent event{number, description, number, name_, L"", 0, false};
    if (onError_) onError_(event);
    if (!event.cancelDisplay) ::MessageBoxW(nullptr, description.c_str(), name_.c_str(), MB_OK);
}

void DatagramSocket::Drain(SOCKET socket) {
    char buffer[2048];
    for (;;) {
        const int got = ::recv(socket, buffer, sizeof(buffer), 0);
        if (got != SOCKET_ERROR) continue;
        const int error = ::WSAGetLastError();
        if (error == WSAEWOULDBLOCK) return;
        RaiseErrorEvent(error, SystemErrorText(static_cast<DWORD>(error)));
        if (error != WSAECONNRESET && error != WSAEMSGSIZE) return;
    }
}

LRESULT DatagramSocket::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message != kSocketNotice) return ::DefWindowProcW(hwnd_, message, wParam, lParam);
    const int error = WSAGETSELECTERROR(lParam);
    if (error != 0) {
        RaiseErrorEvent(error, SystemErrorText(static_cast<DWORD>(error)));
    } else {
        Drain(static_cast<SOCKET>(wParam));
    }
    return 0;
}

}  // namespace tornavel
