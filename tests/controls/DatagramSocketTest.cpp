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
    // refused as unknown, like a name nobody has.
    for (const wchar_t* host : {L"nadie.invalid", L""}) {
        socket.SetRemoteHost(host);
        EXPECT_EQ(RaisedError([&] { socket.SendData(L"x"); }), WSAHOST_NOT_FOUND) << host;
    }
}

}  // namespace
}  // namespace tornavel
