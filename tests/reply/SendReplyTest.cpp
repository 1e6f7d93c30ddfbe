#include "reply/ReplySender.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "UdpReceiver.h"
#include "controls/DatagramSocket.h"
#include "core/RuntimeError.h"

namespace tornavel {
namespace {

using testing::UdpReceiver;
using namespace std::string_literals;

struct Report {
    std::int32_t number;
    std::wstring source;
    std::wstring location;
    std::wstring detail;
};

// Sends a reply through a real socket to two receivers on 127.0.0.1, at
// 14:05:09 with the random part 42, and keeps what the error box would show.
class SendReply : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_EQ(::GetACP(), 1252u); }

    // Fields 0 to 9: field 2/3 the first destination, 8/9 the second.
    std::vector<std::wstring> Fields() const {
        return {L"0", L"Ana", L"127.0.0.1", first_.PortText(), L"7",
                L"5", L"msg", L"x",         L"127.0.0.1",      second_.PortText()};
    }

    void Send(const std::vector<std::wstring>& fields, std::wstring_view reply) {
        const FieldRecord record(fields);
        SendReplyDatagrams(
            reply,
            {record,
             socket_,
             {14, 5, 9},
             41.5f / 99.0f,
             [this](const RuntimeError& e, std::wstring_view location, std::wstring_view detail) {
                 report_ =
                     Report{e.Number(), e.Source(), std::wstring(location), std::wstring(detail)};
             }});
    }

    // "MSG-ENVIAR¶7¶127.0.0.1¶<port>¶Ana¶14050942¶<reply>¶02:05 PM" in code page 1252.
    std::string Expected(const std::string& token, const std::string& reply) const {
        return token +
               "\xB6"
               "7\xB6"
               "127.0.0.1\xB6" +
               std::to_string(second_.Port()) +
               "\xB6"
               "Ana\xB6"
               "14050942\xB6" +
               reply +
               "\xB6"
               "02:05 PM";
    }

    std::wstring ExpectedWide(const std::wstring& token) const {
        return token + L"\u00B67\u00B6127.0.0.1\u00B6" + second_.PortText() +
               L"\u00B6Ana\u00B614050942\u00B6Voy\u00B602:05 PM";
    }

    void ExpectNothingArrives() {
        EXPECT_FALSE(first_.Receive(300).has_value()) << "something reached the first destination";
        EXPECT_FALSE(second_.Receive(300).has_value())
            << "something reached the second destination";
    }

    UdpReceiver first_;
    UdpReceiver second_;
    DatagramSocket socket_{L"MensajeriaWSK_SEND"};
    std::optional<Report> report_;
};

TEST_F(SendReply, SendsBothDatagramsByteForByte) {
    Send(Fields(), L"  Voy  ");
    EXPECT_FALSE(report_.has_value());
    EXPECT_EQ(first_.Receive(), Expected("MSG-ENVIAR", "Voy"));
    EXPECT_EQ(second_.Receive(), Expected("MSG-ENVIADO_KORVexe", "Voy"));
    ExpectNothingArrives();
}

TEST_F(SendReply, RecordOfSevenFieldsSendsNothingAndShowsError9WithoutDetail) {
    std::vector<std::wstring> fields = Fields();
    fields.resize(7);
    Send(fields, L"Voy");
    ASSERT_TRUE(report_.has_value());
    EXPECT_EQ(report_->number, 9);
    EXPECT_EQ(report_->source, L"TornavelMensaje");
    EXPECT_EQ(report_->location,
              L"Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar");
    EXPECT_EQ(report_->detail, L"");
    ExpectNothingArrives();
}

TEST_F(SendReply, BadFirstPortSendsNothingAndShowsTheFirstDatagram) {
    struct Case {
        const wchar_t* port;
        std::int32_t number;
    };
    for (const Case& c : {Case{L"abc", 13}, Case{L"", 13}, Case{L"2147483648", 6}, Case{L"0", 380},
                          Case{L"70000", 380}, Case{L"-1", 380}}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(c.port)));
        report_.reset();
        std::vector<std::wstring> fields = Fields();
        fields[3] = c.port;
        Send(fields, L"Voy");
        ASSERT_TRUE(report_.has_value());
        EXPECT_EQ(report_->number, c.number);
        EXPECT_EQ(report_->detail, ExpectedWide(L"MSG-ENVIAR"));
        ExpectNothingArrives();
    }
}

TEST_F(SendReply, BadSecondPortSendsOnlyTheFirstAndShowsTheSecondDatagram) {
    for (const wchar_t* port : {L"x", L"99999999999", L"65536"}) {
        SCOPED_TRACE(::testing::PrintToString(std::wstring(port)));
        report_.reset();
        std::vector<std::wstring> fields = Fields();
        fields[9] = port;
        Send(fields, L"Voy");
        ASSERT_TRUE(report_.has_value());
        EXPECT_EQ(report_->detail.substr(0, 20), L"MSG-ENVIADO_KORVexe\u00B6");
        EXPECT_NE(report_->detail.find(L"\u00B6Voy\u00B602:05 PM"), std::wstring::npos);
        EXPECT_TRUE(first_.Receive().has_value()) << "the first datagram went out";
        ExpectNothingArrives();
    }
}

TEST_F(SendReply, UnresolvableHostsFailWithTheSocketsError) {
    std::vector<std::wstring> fields = Fields();
    fields[2] = L"nadie.invalid";
    Send(fields, L"Voy");
    ASSERT_TRUE(report_.has_value());
    EXPECT_EQ(report_->number, WSAHOST_NOT_FOUND);
    EXPECT_EQ(report_->source, L"MensajeriaWSK_SEND");
    EXPECT_EQ(report_->detail, ExpectedWide(L"MSG-ENVIAR"));
    ExpectNothingArrives();

    report_.reset();
    fields = Fields();
    fields[8] = L"nadie.invalid";
    Send(fields, L"Voy");
    ASSERT_TRUE(report_.has_value());
    EXPECT_EQ(report_->number, WSAHOST_NOT_FOUND);
    EXPECT_TRUE(first_.Receive().has_value());
    EXPECT_FALSE(second_.Receive(300).has_value());
}

TEST_F(SendReply, ReplyTooLongForOneDatagramIsRefusedNotCut) {
    Send(Fields(), std::wstring(70'000, L'a'));
    ASSERT_TRUE(report_.has_value());
    EXPECT_EQ(report_->number, WSAEMSGSIZE);
    EXPECT_EQ(report_->source, L"MensajeriaWSK_SEND");
    EXPECT_GT(report_->detail.size(), 70'000u) << "the detail is the whole datagram";
    ExpectNothingArrives();
}

TEST(DatagramSocket, StartsEmptyAndRefusesUnusablePorts) {
    DatagramSocket socket(L"MensajeriaWSK_SEND");
    for (std::int32_t port : {0, -1, 65536, std::numeric_limits<std::int32_t>::max()}) {
        try {
            socket.SetRemotePort(port);
            ADD_FAILURE() << port << " accepted";
        } catch (const RuntimeError& e) {
            EXPECT_EQ(e.Number(), 380);
            EXPECT_EQ(e.Source(), L"MensajeriaWSK_SEND");
        }
    }
    socket.SetRemotePort(65535);
}

TEST(DatagramSocket, SendsToIpv6Loopback) {
    std::optional<UdpReceiver> receiver;
    try {
        receiver.emplace("::1");
    } catch (const std::exception&) {
        GTEST_SKIP() << "no IPv6 loopback on this machine";
    }
    DatagramSocket socket(L"MensajeriaWSK_SEND");
    socket.SetRemoteHost(L"::1");
    socket.SetRemotePort(receiver->Port());
    socket.SendData(L"hola \u00B6 \u00F1");
    EXPECT_EQ(receiver->Receive(), "hola \xB6 \xF1");
}

TEST(DatagramSocket, ErrorEventHandlerCanCancelTheDisplay) {
    DatagramSocket socket(L"MensajeriaWSK_SEND");
    std::optional<DatagramSocket::ErrorEvent> seen;
    socket.OnError([&](DatagramSocket::ErrorEvent& event) {
        seen = event;
        event.cancelDisplay = true;
    });
    socket.RaiseErrorEvent(WSAECONNRESET, L"reset");
    ASSERT_TRUE(seen.has_value());
    EXPECT_EQ(seen->number, WSAECONNRESET);
    EXPECT_EQ(seen->source, L"MensajeriaWSK_SEND");
    EXPECT_FALSE(seen->cancelDisplay) << "the flag starts false";
}

}  // namespace
}  // namespace tornavel
