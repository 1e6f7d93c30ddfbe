#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// The Winsock functions the socket uses, called through the library loaded
// at the first send: nothing touches the network before a reply goes, so a
// pop-up closed unanswered never loads it. (Naming them here with decltype
// imports nothing.)
struct WinsockFunctions {
    decltype(&::WSAStartup) startup = nullptr;
    decltype(&::WSACleanup) cleanup = nullptr;
    decltype(&::WSAGetLastError) lastError = nullptr;
    decltype(&::WSAIoctl) ioctl = nullptr;
    decltype(&::GetAddrInfoW) getAddrInfo = nullptr;
    decltype(&::FreeAddrInfoW) freeAddrInfo = nullptr;
    decltype(&::socket) socket = nullptr;
    decltype(&::closesocket) closeSocket = nullptr;
    decltype(&::sendto) sendTo = nullptr;
};

// Winsock loaded from System32 and started, the first time it is asked for,
// for the rest of the process.
struct Winsock {
    // 0 when the functions can be called; otherwise why not: the system's
    // error number for a library or function that could not be loaded, or
    // WSAStartup's own.
    int error = 0;
    WinsockFunctions call;
};
const Winsock& LoadedWinsock();

struct SocketTraits {
    using Type = SOCKET;
    static Type Empty() noexcept { return INVALID_SOCKET; }
    // A socket exists only once Winsock is loaded.
    static void Free(Type socket) noexcept { LoadedWinsock().call.closeSocket(socket); }
};
using UniqueSocket = UniqueHandle<SocketTraits>;

}  // namespace tornavel
