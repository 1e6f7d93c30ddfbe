#include "controls/DatagramSocket.h"

#include <gtest/gtest.h>

#include "core/RuntimeError.h"

namespace tornavel {
namespace {

// The error number a call raises, or 0; an error names the socket and says why.
template <typename Call>
std::int32_t ErrorOf(Call call) {
    try {
        call();
    } catch (const RuntimeError& e) {
        EXPECT_TRUE(e.Source() == L"MensajeriaWSK_SEND" && !e.Description().empty());
        return e.Number();
    }
    return 0;
}

TEST(DatagramSocket, RefusesUnusablePortsOversizeTextsAndUnknownHosts) {
    DatagramSocket socket(L"MensajeriaWSK_SEND");
    for (const std::pair<std::int32_t, std::int32_t>& port :
         {std::pair{0, 380}, {-1, 380}, {65536, 380}, {INT32_MAX, 380}, {1, 0}, {65535, 0}})
        EXPECT_EQ(ErrorOf([&] { socket.SetRemotePort(port.first); }), port.second) << port.first;

    // Never cut: the largest IPv4 payload goes, one byte more does not.
    socket.SetRemoteHost(L"127.0.0.1");
    EXPECT_EQ(ErrorOf([&] { socket.SendData(std::wstring(65507, L'a')); }), 0);
    EXPECT_EQ(ErrorOf([&] { socket.SendData(std::wstring(65508, L'a')); }), WSAEMSGSIZE);
    // A host that names nobody would resolve to this machine: refused as unknown.
    for (const wchar_t* host : {L"nadie.invalid", L"", L"   "}) {
        socket.SetRemoteHost(host);
        EXPECT_EQ(ErrorOf([&] { socket.SendData(L"x"); }), WSAHOST_NOT_FOUND) << host;
    }
}

}  // namespace
}  // namespace tornavel
