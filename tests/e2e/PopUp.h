#pragma once

// The pop-up as the interaction tests meet it: started next to a hand-off
// line whose destinations are receivers on loopback, driven by a person's
// steps, and the reply read back from what the peer receives.

#include <functional>
#include <map>
#include <regex>

#include "Screen.h"

namespace e2e {

// What a person does, step by step: {"type", text}, {"slow", text} for
// characters the keyboard lacks (xdotool lends them a key, and Wine must read
// the changed keymap before the loan ends), {"key", name}, {"click", "send",
// "close" or "reply"}, {"wait", milliseconds}, {"ask", "close"}: another
// program sends the pop-up WM_CLOSE, as the taskbar does.
using Steps = std::vector<std::pair<std::string, std::string>>;

// The pop-up, next to a hand-off line whose destinations are the two
// receivers (the second by `secondHost`: "::1" listens on IPv6, any other on
// 127.0.0.1); `fields` replaces the line's fields where it has text, and a
// line of seven fields is cut to seven. `atOnce` runs the moment the window
// shows; `environment` is added to the pop-up's (a desk's first start
// makes its Wine prefix); the line's "¶" is `pilcrow`, in its desk's bytes.
struct PopUp {
    explicit PopUp(const std::vector<std::string>& fields = {},
                   const std::string& host = "127.0.0.1", const std::function<void()>& atOnce = {},
                   Args environment = {}, std::string pilcrow = "\xB6")
        : second(host == "::1" ? AF_INET6 : AF_INET),
          secondHost(host),
          env(std::move(environment)),
          separator(std::move(pilcrow)) {
        std::vector<std::string> line{
            "0",    "Ana", "127.0.0.1", std::to_string(first.Port()), "7", "5",
            "Hola", "x",   secondHost,  std::to_string(second.Port())};
        for (std::size_t i = 0; i < fields.size(); ++i)
            if (!fields[i].empty()) line[i] = fields[i];
        if (fields.size() == 7) line.resize(7);
        sender = line[1];
        handoff = HandoffLine(line, separator);
        app.WriteHandoff(handoff);
        program = app.Start(env);
        if (!watch.WaitFor("Tornavel - Mensaje", std::chrono::steady_clock::now() + 120s))
            throw std::runtime_error("the pop-up did not show");
        mappedAt = std::chrono::steady_clock::now();
        if (atOnce) atOnce();
        buttonsAwake = std::chrono::steady_clock::now() + 600ms;
        window = Probe(20s, {.env = env});
        if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
        origin = {window["rect"][0], window["rect"][1]};
    }
    void MoveTo(int x, int y) {
        // No --sync: it waits for ever when the pointer is already there.
        Xdotool({"mousemove", std::to_string(origin.first + x), std::to_string(origin.second + y)});
        std::this_thread::sleep_for(100ms);
    }
    void Do(const Steps& steps) {
        for (const auto& [what, with] : steps) {
            if (what == "wait")
                std::this_thread::sleep_for(std::chrono::milliseconds(std::stoi(with)));
            if (what == "type" || what == "slow")
                Xdotool({"type", "--delay", what == "slow" ? "300" : "20", with});
            if (what == "key") Xdotool({"key", with});
            if (what == "ask") Probe(2s, {.close = true, .env = env});
            if (what != "click") continue;
            // A person's click comes after the buttons take presses.
            std::this_thread::sleep_until(buttonsAwake);
            const std::map<std::string, std::pair<int, int>> spots{
                {"send", {240, 240}}, {"close", {458, 20}}, {"reply", {240, 175}}};
            MoveTo(spots.at(with).first, spots.at(with).second);
            Xdotool({"click", "1"});
        }
    }

    UdpReceiver first, second;
    std::string secondHost;
    Args env;
    std::string separator, sender;
    nlohmann::json window;           // as it showed
    tools::MappedWindowWatch watch;  // from before the start: its map, then its unmap
    AppFolder app;
    std::string handoff;
    std::unique_ptr<Process> program;
    std::chrono::steady_clock::time_point mappedAt, buttonsAwake;
    std::pair<int, int> origin;
};

// What the top pop-up's reply box shows, in UTF-8.
inline std::string ReplyShown() { return Probe(2s)["children"][1]["text"]; }

// The reply piece of a first datagram to `popUp`'s peer, none when `bytes`
// is not one: MSG-ENVIAR¶field 4¶field 8¶field 9¶field 1¶id¶reply¶stamp.
inline std::optional<std::string> ReplyPiece(const PopUp& popUp, const std::string& bytes,
                                             std::smatch* pieces = nullptr) {
    const std::string& sep = popUp.separator;
    const std::string head = HandoffLine({"MSG-ENVIAR", "7", popUp.secondHost,
                                          std::to_string(popUp.second.Port()), popUp.sender, ""},
                                         sep);
    std::smatch found;
    if (!bytes.starts_with(head) ||
        !std::regex_match(bytes.begin() + static_cast<std::ptrdiff_t>(head.size()), bytes.end(),
                          found, std::regex("([0-9]{3,8})" + sep + "([\\s\\S]*)" + sep + "(.*)")))
        return std::nullopt;
    if (pieces != nullptr) *pieces = found;
    return found[2].str();
}

}  // namespace e2e
