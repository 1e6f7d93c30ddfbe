// A reply that cannot go: the error box says why and what the person wrote.
// And one that is still on its way when the session ends.
#include <unistd.h>

#include "PopUp.h"

namespace e2e {
namespace {

// A name server of this test at a loopback address of its own, port 53,
// named in a resolv.conf that only the pop-up sees: root only.
struct NameServer {
    const int host = getpid() % 250 + 2;  // 127.53.0.host
    UdpReceiver socket{0x7F350000u + static_cast<std::uint32_t>(host), 53};
    std::string Env() const { return "NAMESERVER=127.53.0." + std::to_string(host); }
};
constexpr char kNeedsRoot[] = "a name server's port 53 and a mount namespace need root";

// The fields that replace the line's, what the box says, whether the first
// datagram goes out before its own destination fails or the second's does,
// the pop-up's environment, and whether a name server of ours is asked.
struct Failure {
    std::string name;
    std::vector<std::string> fields;
    std::string error;
    bool firstGoes;
    Args env = {};
    bool nameServer = false;
};
const std::string kOurs = "\r\n\r\nFuente: TornavelMensaje",
                  kSocket = "\r\n\r\nFuente: MensajeriaWSK_SEND";
// Winsock is loaded at the first send: where Windows cannot load it (here
// Wine is told not to), that send fails with the system's number.
// clang-format off
const Failure kFailures[] = {
    {"ShortLine", {"", "", "", "", "", "", ""},
     "9\r\nDescripci\u00F3n: Sub\u00EDndice fuera del intervalo" + kOurs, false},
    {"PortNoNumber", {"", "", "", "", "", "", "", "", "", "abc"},
     "13\r\nDescripci\u00F3n: No coinciden los tipos" + kOurs, true},
    {"PortBeyond32Bits", {"", "", "", "99999999999"}, "6\r\nDescripci\u00F3n: Desbordamiento" + kOurs,
     false},
    {"PortOutOfRange", {"", "", "", "70000"},
     "380\r\nDescripci\u00F3n: El valor de la propiedad no es v\u00E1lido" + kSocket, false},
    {"BlankHost", {"", "", "", "", "", "", "", "", "  "},
     "11001\r\nDescripci\u00F3n: Host not found." + kSocket, true},
    {"SilentNameServer", {"", "", "", "", "", "", "", "", "nadie.example"},
     "11002\r\nDescripci\u00F3n: Nonauthoritative host not found." + kSocket, true, {}, true},
    {"WinsockMissing", {}, "126\r\nDescripci\u00F3n: Module not found." + kSocket, false,
     {"WINEDLLOVERRIDES=mscoree,mshtml=;ws2_32=d"}}};
// clang-format on

void PrintTo(const Failure& row, std::ostream* out) { *out << row.name; }

class FailingDestination : public testing::TestWithParam<Failure> {};

// Enter on a reply that cannot go: the window is gone at once, before any
// name is resolved, and the error box, in front, says why and what the person
// wrote; closing it ends the program. A name server that never answers holds
// the second name for the resolver's 5 s, long after the window and the first
// datagram have gone, while the hidden window answers other programs at once;
// the resolver then gives up with 11002, "try again". Under a window manager,
// as on a desk: without one, Wine waits 2 s for a manager to confirm each
// window it hides before it unmaps it.
TEST_P(FailingDestination, TheErrorBoxSaysWhyAndWhatWasBeingSent) {
    const Failure& row = GetParam();
    if (row.nameServer && geteuid() != 0) GTEST_SKIP() << kNeedsRoot;
    const tools::WindowManager windowManager;
    std::optional<NameServer> silent;
    Args env = row.env;
    if (row.nameServer) env.push_back(silent.emplace().Env());
    PopUp popUp(row.fields, "127.0.0.1", {}, env);
    popUp.Do({{"type", "Voy"}, {"wait", "1100"}});
    const auto gone = popUp.watch.PressAndTimeItsUnmap("Return", 2s);
    EXPECT_TRUE(gone && *gone < 500ms) << "the window stayed after Enter";
    const std::optional<std::string> first = popUp.first.Receive(row.firstGoes ? 10s : 1s);
    EXPECT_EQ(first.has_value(), row.firstGoes);
    if (silent) {
        // A message from another program, and the log-off's question.
        const nlohmann::json asked = Probe(10s, {.askMs = 100});
        EXPECT_EQ(asked["errorBox"], false) << "asked once the resolver had given up";
        EXPECT_TRUE(asked["answeredMs"][0].is_number() && asked["answeredMs"][1].is_number())
            << "the hidden window did not answer within 100 ms: " << asked.dump();
        EXPECT_TRUE(silent->socket.Receive(0ms)) << "the name was not asked of the silent server";
    }
    const nlohmann::json box = Probe(10s, {.title = "Ha ocurrido un error", .className = "#32770"});
    ASSERT_TRUE(box.value("found", false)) << "no error box";
    EXPECT_TRUE(box["topmost"] && box["foreground"]) << "in front of the other pop-ups";
    std::string text;
    for (const auto& child : box["children"])
        if (child["id"] == 0xFFFF) text = child["text"];
    const std::string head = "N\u00FAmero: " + row.error +
                             "\r\nVentana: TIVwAPL        Proceso : "
                             "proMensajes_Mensaje_proEnviar\r\nDetalle : ";
    ASSERT_EQ(text.substr(0, head.size()), head);
    // The detail, in the line's bytes: the second datagram, the first (its id
    // unknown here), or the reply itself before any was made.
    const std::string detail =
        std::regex_replace(text.substr(head.size()), std::regex("\xC2\xB6"), "\xB6");
    if (first)
        EXPECT_EQ(detail, "MSG-ENVIADO_KORVexe" + first->substr(10));
    else if (row.fields.size() != 7)
        EXPECT_EQ(ReplyPiece(popUp, detail).value_or("(none)"), "Voy") << detail;
    else
        EXPECT_EQ(detail, "Voy");
    Xdotool({"key", "Return"});
    EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0)) << "ended after OK";
}
INSTANTIATE_TEST_SUITE_P(Rows, FailingDestination, testing::ValuesIn(kFailures),
                         [](const auto& row) { return row.param.name; });

// The session ends while the second name is being asked: the hidden window
// answers the log-off's question at once, and the end waits for the reply on
// its way, which leaves the moment the name is answered; then the program
// ends, with no box.
TEST(LogOff, AReplyOnItsWayStillLeaves) {
    if (geteuid() != 0) GTEST_SKIP() << kNeedsRoot;
    NameServer late;
    PopUp popUp({"", "", "", "", "", "", "", "", "tarde.example"}, "127.0.0.1", {}, {late.Env()});
    popUp.Do({{"type", "Voy"}, {"wait", "1100"}, {"key", "Return"}});
    const std::optional<std::string> first = popUp.first.Receive(10s);
    ASSERT_TRUE(first) << "the first datagram did not go";
    constexpr auto kAnswerAfter = 400ms;
    const auto answerLate = [&] {
        std::this_thread::sleep_for(kAnswerAfter);
        EXPECT_GT(late.socket.AnswerNameQueries(0x7F000001u, 300ms), 0) << "no name asked";
    };
    const nlohmann::json asked =
        Probe(10s, {.askMs = 100, .endSession = true, .whenEnding = answerLate});
    EXPECT_TRUE(asked["answeredMs"][1].is_number()) << "the log-off's question, not answered yes";
    EXPECT_GE(asked.value("endedMs", 0), kAnswerAfter.count()) << "ended before the name came";
    EXPECT_EQ(popUp.second.Receive(2s), "MSG-ENVIADO_KORVexe" + first->substr(10));
    EXPECT_EQ(popUp.program->WaitExit(10s), std::optional<int>(0)) << "ended, with no box";
}

}  // namespace
}  // namespace e2e
