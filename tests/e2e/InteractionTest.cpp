// A person answering the message, leaving it or moving it, with real keys
// and clicks; receivers on 127.0.0.1 stand in for the peer.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <regex>
#include <thread>

#include "Harness.h"

namespace e2e {
namespace {

// The pop-up, started next to a hand-off line whose destinations are the two
// receivers; `fields` replaces the line's fields where it has text, and a
// line of seven fields is cut to seven.
struct PopUp {
    explicit PopUp(const std::vector<std::string>& fields = {}) {
        std::vector<std::string> line{"0", "Ana", "127.0.0.1", std::to_string(first.Port()), "7", "5", "Hola",
                                      "x", "127.0.0.1", std::to_string(second.Port())};
        for (std::size_t i = 0; i < fields.size(); ++i) line[i] = fields[i].empty() ? line[i] : fields[i];
        if (fields.size() == 7) line.resize(7);
        handoff = HandoffLine(line);
        app.WriteHandoff(handoff);
        program = app.Start();
        const nlohmann::json window = WaitForWindow();
        found = window.value("found", false);
        if (found) origin = {window["rect"][0], window["rect"][1]};
    }
    void MoveTo(int x, int y) {
        // No --sync: it waits for ever when the pointer is already there.
        Xdotool({"mousemove", std::to_string(origin.first + x), std::to_string(origin.second + y)});
        std::this_thread::sleep_for(100ms);
    }
    void Click(std::pair<int, int> at) {
        MoveTo(at.first, at.second);
        Xdotool({"click", "1"});
    }
    // A character the keyboard lacks is typed slowly: xdotool lends it a key,
    // and Wine must read the changed keymap before the loan ends.
    void Type(const std::string& text, int delayMs = 20) {
        Xdotool({"type", "--delay", std::to_string(delayMs), text});
    }
    std::pair<int, int> Position() const {
        const nlohmann::json window = Probe(2s);
        return {window["rect"][0], window["rect"][1]};
    }

    UdpReceiver first, second;
    AppFolder app;
    std::string handoff;
    std::unique_ptr<Process> program;
    bool found = false;
    std::pair<int, int> origin;
};

constexpr std::pair<int, int> kClose{458, 20};
constexpr std::pair<int, int> kSend{240, 240};

int SecondsOfDay(const std::tm& t) { return t.tm_hour * 3600 + t.tm_min * 60 + t.tm_sec; }

TEST(Answering, BothDatagramsGoOutByteForByteAndTheProgramEnds) {
    const std::tuple<const char*, std::function<void(PopUp&)>, std::string> cases[] = {
        {"typed, then the send button", [](PopUp& p) { p.Type("  Voy  "); p.Click(kSend); }, "Voy"},
        {"Ctrl+Enter and Shift+Enter break lines, Enter sends",
         [](PopUp& p) {
             std::this_thread::sleep_for(1100ms);  // reads the message first
             p.Type("uno");
             Xdotool({"key", "ctrl+Return"});
             p.Type("dos ");
             p.Type("\xC2\xB6", 300);  // "¶" and "ñ", in UTF-8 for xdotool
             p.Type(" ");
             p.Type("\xC3\xB1", 300);
             Xdotool({"key", "shift+Return"});
             p.Type("tres");
             Xdotool({"key", "Return"});
         },
         "uno\r\ndos \xB6 \xF1\r\ntres"},
    };
    for (const auto& [how, answer, reply] : cases) {
        SCOPED_TRACE(how);
        PopUp popUp;
        ASSERT_TRUE(popUp.found);
        const std::time_t before = std::time(nullptr);
        answer(popUp);
        const std::optional<std::string> first = popUp.first.Receive(10s);
        const std::optional<std::string> second = popUp.second.Receive(5s);
        ASSERT_TRUE(first && second);
        // MSG-ENVIAR¶field 4¶field 8¶field 9¶field 1¶id¶reply¶stamp, the id
        // being the moment's hhmmss and a random part of 01 to 99.
        std::smatch piece;
        const std::string head = "MSG-ENVIAR\xB6" "7\xB6" "127.0.0.1\xB6" + std::to_string(popUp.second.Port()) +
                                 "\xB6" "Ana\xB6";
        ASSERT_TRUE(std::regex_match(*first, piece, std::regex(head + "([0-9]{3,8})\xB6([\\s\\S]*)\xB6(.*)"))) << *first;
        EXPECT_EQ(piece[2].str(), reply);
        std::tm local{};
        localtime_r(&before, &local);
        char stamp[16];
        std::strftime(stamp, sizeof(stamp), "%I:%M %p", &local);
        const int id = std::stoi(piece[1]);
        EXPECT_TRUE(id % 100 >= 1 && SecondsOfDay(local) <= id / 1000000 * 3600 + id / 10000 % 100 * 60 + id / 100 % 100)
            << piece[1].str();
        EXPECT_TRUE(piece[3].str() == stamp || local.tm_sec >= 55) << piece[3].str();
        EXPECT_EQ(*second, "MSG-ENVIADO_KORVexe" + first->substr(10));
        EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0));
        EXPECT_EQ(popUp.app.ReadHandoff(), popUp.handoff) << "the hand-off file stays";
    }
}

TEST(Leaving, EndsWithoutSendingAndKeepsTheFile) {
    const std::pair<const char*, std::function<void(PopUp&)>> cases[] = {
        {"Esc", [](PopUp& p) { p.Type("Voy"); Xdotool({"key", "Escape"}); }},
        {"the close button", [](PopUp& p) { p.Type("Voy"); p.Click(kClose); }},
        {"Tab to the close button, Space", [](PopUp& p) { p.Type("Voy"); Xdotool({"key", "Tab", "space"}); }},
        {"a blank reply sent", [](PopUp& p) { p.Type("   "); p.Click(kSend); }},
    };
    for (const auto& [how, leave] : cases) {
        SCOPED_TRACE(how);
        PopUp popUp;
        ASSERT_TRUE(popUp.found);
        leave(popUp);
        EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0)) << "the program ended";
        EXPECT_FALSE(popUp.first.Receive(700ms) || popUp.second.Receive(100ms)) << "something was sent";
        EXPECT_EQ(popUp.app.ReadHandoff(), popUp.handoff);
    }
}

TEST(FailingDestination, TheErrorBoxSaysWhyAndWhatWasBeingSent) {
    const std::tuple<const char*, std::vector<std::string>, std::string> cases[] = {
        {"a second port that is no number", {"", "", "", "", "", "", "", "", "", "abc"},
         "13\r\nDescripci\u00F3n: No coinciden los tipos"},
        {"a line of seven fields", {"", "", "", "", "", "", ""}, "9\r\nDescripci\u00F3n: Sub\u00EDndice fuera del intervalo"},
    };
    for (const auto& [what, fields, error] : cases) {
        SCOPED_TRACE(what);
        PopUp popUp(fields);
        ASSERT_TRUE(popUp.found);
        popUp.Type("Voy");
        popUp.Click(kSend);
        const std::optional<std::string> first = popUp.first.Receive(fields.size() == 10 ? 10s : 1s);
        EXPECT_EQ(first.has_value(), fields.size() == 10) << "the first went out before the failure";
        const nlohmann::json box = Probe(10s, "Ha ocurrido un error", "#32770");
        ASSERT_TRUE(box.value("found", false)) << "no error box";
        std::string text;
        for (const auto& child : box["children"])
            if (child["id"] == 0xFFFF) text = child["text"];
        // The detail is the datagram being sent: none yet, or the second one
        // (in UTF-8 here, where "¶" is two bytes).
        std::string detail = first ? "MSG-ENVIADO_KORVexe" + first->substr(10) : "";
        detail = std::regex_replace(detail, std::regex("\xB6"), "\xC2\xB6");
        EXPECT_EQ(text, "N\u00FAmero: " + error + "\r\n\r\nFuente: TornavelMensaje\r\n"
                        "Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar\r\nDetalle : " + detail);
        EXPECT_TRUE(popUp.program->Running()) << "the program waits for the box";
        Xdotool({"key", "Return"});
        EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0)) << "after OK the program ended";
        EXPECT_FALSE(popUp.second.Receive(300ms).has_value());
    }
}

// Enter is ours to make safe: it never sends a blank reply nor words typed
// while someone was still typing into the window they were in.
TEST(Keyboard, EnterNeverMisfiresAndTabShowsTheFocusOnTheCloseButtonOnly) {
    {
        PopUp popUp;
        ASSERT_TRUE(popUp.found);
        std::this_thread::sleep_for(1100ms);
        Xdotool({"key", "Return"});
        EXPECT_FALSE(popUp.first.Receive(700ms)) << "a blank reply was sent";
        EXPECT_TRUE(popUp.program->Running()) << "Enter on a blank reply closed the pop-up";
    }
    PopUp popUp;  // typed into from the first instant, Enter in the burst
    ASSERT_TRUE(popUp.found);
    popUp.Type("hola");
    Xdotool({"key", "Return"});
    EXPECT_FALSE(popUp.first.Receive(700ms)) << "Enter inside the burst sent";
    EXPECT_EQ(Probe(2s)["children"][1]["text"], "hola") << "the burst lands in the reply box";

    // Tab: a cue on the close button, nothing else changes.
    std::this_thread::sleep_for(600ms);
    const auto [left, top] = popUp.origin;
    const Picture before = Screenshot();
    Xdotool({"key", "Tab"});
    std::this_thread::sleep_for(400ms);
    const Picture after = Screenshot();
    int changedOnClose = 0;
    int changedElsewhere = 0;
    for (int y = 0; y < 281; ++y) {
        for (int x = 0; x < 492; ++x) {
            if (before.At(left + x, top + y) == after.At(left + x, top + y)) continue;
            const bool inReplyBox = x >= 26 && x < 465 && y >= 156 && y < 199;  // the caret left it
            if (x >= 425 && y < 40) {
                ++changedOnClose;
            } else if (!inReplyBox) {
                ++changedElsewhere;
            }
        }
    }
    EXPECT_GT(changedOnClose, 20) << "no focus cue on the close button";
    EXPECT_EQ(changedElsewhere, 0);

    // After a pause, Enter from the reply box sends the whole text.
    Xdotool({"key", "shift+Tab"});
    std::this_thread::sleep_for(1100ms);
    Xdotool({"key", "Return"});
    const std::optional<std::string> first = popUp.first.Receive(10s);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("\xB6hola\xB6"), std::string::npos) << *first;
    EXPECT_TRUE(popUp.second.Receive(5s).has_value());
}

// Presses `button` at the first point of `path` (in the pop-up), moves along
// the rest and releases at its end; where the window is then.
std::pair<int, int> Drag(PopUp& popUp, const char* button, const std::vector<std::pair<int, int>>& path) {
    popUp.MoveTo(path[0].first, path[0].second);
    Xdotool({"mousedown", button});
    for (std::size_t i = 1; i < path.size(); ++i) {
        popUp.MoveTo(path[i].first, path[i].second);
        std::this_thread::sleep_for(100ms);
    }
    Xdotool({"mouseup", button});
    std::this_thread::sleep_for(300ms);
    return popUp.Position();
}

// From (x, y): a first step of (4, 3), then on to (x + 104, y + 63).
std::vector<std::pair<int, int>> Straight(int x, int y) { return {{x, y}, {x + 4, y + 3}, {x + 104, y + 63}}; }

TEST(Mouse, ButtonsShowTheHandAndALeftDragOnTheTitleMovesTheWindow) {
    PopUp popUp;
    ASSERT_TRUE(popUp.found);
    const std::tuple<int, int, bool> points[] = {
        {kClose.first, kClose.second, true}, {kSend.first, kSend.second, true}, {100, 3, false}, {8, 140, false},
        {200, 20, false}};
    for (const auto& [x, y, onButton] : points) {
        popUp.MoveTo(x, y);
        std::this_thread::sleep_for(300ms);
        const Picture cursor = CurrentCursor();
        EXPECT_EQ(cursor.hotX == 16 && cursor.hotY == 10, onButton) << "the hand's fingertip at " << x << "," << y;
        if (onButton) {
            EXPECT_EQ(cursor.At(16, 10), 0xFF000000u) << "black outline at the fingertip";
            EXPECT_EQ(cursor.At(16, 20), 0xFFFFFFFFu) << "white fill";
            EXPECT_EQ(cursor.At(2, 2) >> 24, 0u) << "transparent around the hand";
        }
        // Under the pointer the close button turns red; the send button stays blue.
        const Picture shot = Screenshot();
        EXPECT_EQ(shot.Rgb(popUp.origin.first + 430, popUp.origin.second + 3), x == kClose.first ? 0xD90000u : 0x555555u);
        EXPECT_EQ(shot.Rgb(popUp.origin.first + 22, popUp.origin.second + 222), 0x0080CCu);
    }
    // The system's move follows the pointer from where the first step left
    // it; a first step that already left the title's band starts it too.
    const auto [x, y] = popUp.origin;
    EXPECT_EQ(popUp.origin = Drag(popUp, "1", Straight(100, 20)), std::make_pair(x + 100, y + 60));
    EXPECT_EQ(Drag(popUp, "1", {{100, 20}, {100, 43}, {200, 83}}), std::make_pair(x + 200, y + 100));
}

TEST(Mouse, NoOtherDragMovesTheWindow) {
    PopUp popUp;
    ASSERT_TRUE(popUp.found);
    EXPECT_EQ(Drag(popUp, "3", Straight(100, 20)), popUp.origin) << "right button";
    EXPECT_EQ(Drag(popUp, "1", Straight(100, 36)), popUp.origin) << "bar below the label";
    EXPECT_EQ(Drag(popUp, "1", Straight(200, 120)), popUp.origin) << "window body";
    EXPECT_EQ(Drag(popUp, "1", {{100, 3}, {100, 5}, {101, 8}, {102, 12}, {103, 16}, {104, 20}, {204, 83}}),
              popUp.origin)
        << "bar above the label, then over it in small steps";
    EXPECT_TRUE(popUp.program->Running());
}

}  // namespace
}  // namespace e2e
