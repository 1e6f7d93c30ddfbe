// A reply that cannot go: the error box says why and what the person wrote.
#include <unistd.h>

#include "PopUp.h"

namespace e2e {
namespace {

// Enter on a reply that cannot go: the window is gone at once, before any
// name is resolved, and the error box, in front, says why and what was being
// sent, the reply in its detail; closing it ends the program. A name server
// that never answers (a socket of this test at a loopback address of its own,
// named in a resolv.conf that only the pop-up sees) holds the second name for
// 2 s, long after the window and the first datagram have gone; the resolver
// then gives up with 11002, "try again". Under a window manager, as on a
// desk: without one, Wine waits 2 s for a manager to confirm each window it
// hides before it unmaps it.
TEST(FailingDestination, TheErrorBoxSaysWhyAndWhatWasBeingSent) {
    if (geteuid() != 0) GTEST_SKIP() << "a name server's port 53 and a mount namespace need root";
    const tools::WindowManager windowManager;
    const int server = getpid() % 250 + 2;  // 127.53.0.server, port 53
    UdpReceiver silentServer(0x7F350000u + server, 53);
    const std::string ours = "\r\n\r\nFuente: TornavelMensaje",
                      socket = "\r\n\r\nFuente: MensajeriaWSK_SEND";
    const std::string mismatch = "13\r\nDescripci\u00F3n: No coinciden los tipos" + ours;
    // The fields that replace the line's, and what fails; the first datagram
    // goes out before its own destination fails or the second's does. Winsock
    // is loaded at the first send: where Windows cannot load it (here Wine is
    // told not to), that send fails with the system's number.
    // clang-format off
    const std::tuple<std::vector<std::string>, std::string, bool, Args> cases[] = {
        {{"", "", "", "", "", "", "", "", "", "abc"}, mismatch, true, {}},
        {{"", "", "", "", "", "", ""},
         "9\r\nDescripci\u00F3n: Sub\u00EDndice fuera del intervalo" + ours, false, {}},
        {{"", "", "", "70000"},
         "380\r\nDescripci\u00F3n: El valor de la propiedad no es v\u00E1lido" + socket, false, {}},
        {{"", "", "", "", "", "", "", "", "nadie.example"},
         "11002\r\nDescripci\u00F3n: Nonauthoritative host not found." + socket, true,
         {"NAMESERVER=127.53.0." + std::to_string(server)}},
        {{}, "126\r\nDescripci\u00F3n: Module not found." + socket, false,
         {"WINEDLLOVERRIDES=mscoree,mshtml=;ws2_32=d"}}};
    // clang-format on
    for (const auto& [fields, error, firstGoes, env] : cases) {
        SCOPED_TRACE(error);
        PopUp popUp(fields, "127.0.0.1", {}, env);
        popUp.Do({{"type", "Voy"}, {"wait", "1100"}});
        const auto gone = popUp.watch.PressAndTimeItsUnmap("Return", 2s);
        EXPECT_TRUE(gone && *gone < 500ms) << "the window stayed after Enter";
        const std::optional<std::string> first = popUp.first.Receive(firstGoes ? 10s : 1s);
        EXPECT_EQ(first.has_value(), firstGoes);
        const nlohmann::json box =
            Probe(10s, {.title = "Ha ocurrido un error", .className = "#32770"});
        ASSERT_TRUE(box.value("found", false)) << "no error box";
        EXPECT_TRUE(box["topmost"] && box["foreground"]) << "in front of the other pop-ups";
        std::string text;
        for (const auto& child : box["children"])
            if (child["id"] == 0xFFFF) text = child["text"];
        // The detail is the datagram being sent, in UTF-8 here: the second,
        // the first (its id unknown here), or none before a short line.
        const std::string head = "N\u00FAmero: " + error +
                                 "\r\nVentana: TIVwAPL        Proceso : "
                                 "proMensajes_Mensaje_proEnviar\r\nDetalle : ";
        const std::string detail = first               ? "MSG-ENVIADO_KORVexe" + first->substr(10)
                                   : fields.size() > 7 ? "MSG-ENVIAR\xB6"
                                                       : "";
        const std::string expected =
            head + std::regex_replace(detail, std::regex("\xB6"), "\xC2\xB6");
        EXPECT_EQ(text.substr(0, expected.size()), expected);
        Xdotool({"key", "Return"});
        EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0)) << "ended after OK";
    }
    EXPECT_TRUE(silentServer.Receive(0ms)) << "the name was not asked of the silent server";
}

}  // namespace
}  // namespace e2e
