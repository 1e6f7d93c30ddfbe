#include "controls/DatagramSocket.h"

#include <gtest/gtest.h>

#include "RaisedError.h"

namespace tornavel {
namespace {

TEST(DatagramSocket, RefusesUnusablePortsOversizeTextsAndUnknownHosts) {
    DatagramSocket socket(L"MensajeriaWSK_SEND");
    for (const std::pair<std::int32_t, std::int32_t>& port :
         {std::pair{0, 380}, {-1, 380}, {65536, 380}, {INT32_MAX, 380}, {1, 0}, {65535, 0}})
        EXPECT_EQ(RaisedError([&] { socket.SetRemotePort(port.first); }), port.second)
            << port.first;

    // Never cut: the largest IPv4 payload goes, one byte more does not.
    socket.SetRemoteHost(L"127.0.0.1");
    EXPECT_EQ(RaisedError([&] { socket.SendData(std::wstring(65507, L'a')); }), 0);
    EXPECT_EQ(RaisedError([&] { socket.SendData(std::wstring(65508, L'a')); }), WSAEMSGSIZE);
    // An empty host would resolve to this machine, which nobody named:
    // refused as unknown, like a name no resolver asks for (a label beyond
    // DNS's 63 bytes: no network needed; a name server that does not answer
    // would make it 11002), with the system's description (Wine's words).
    for (const std::wstring& host : {std::wstring(64, L'a') + L".invalid", std::wstring()}) {
        socket.SetRemoteHost(host);
        std::wstring said;
        EXPECT_EQ(RaisedError([&] { socket.SendData(L"x"); }, &said), WSAHOST_NOT_FOUND);
        EXPECT_EQ(said, L"Host not found. (MensajeriaWSK_SEND)");
    }
}

}  // namespace
}  // namespace tornavel
