// A person reading the message and answering it, leaving it, or moving it,
// with real keystrokes and clicks; receivers on 127.0.0.1 stand in for the
// peer.
#include <gtest/gtest.h>

#include <ctime>
#include <functional>
#include <thread>

#include "Desktop.h"
#include "Harness.h"

namespace e2e {
namespace {

// The pop-up started next to a hand-off line whose two destinations are
// `first_` and `second_` (or, for the second, `secondPort`).
class PopUp {
  public:
    explicit PopUp(const std::vector<std::string>& fields = {}) {
        std::vector<std::string> line{"0", "Ana", "127.0.0.1", std::to_string(first_.Port()), "7", "5",
                                      "Hola", "x", "127.0.0.1", std::to_string(second_.Port())};
        for (std::size_t i = 0; i < fields.size(); ++i) line[i] = fields[i].empty() ? line[i] : fields[i];
        if (fields.size() == 7) line.resize(7);
        handoff_ = HandoffLine(line);
        app_.WriteHandoff(handoff_);
        program_ = app_.Start();
        const nlohmann::json window = WaitForWindow();
        found_ = window.value("found", false);
        if (found_) {
            left_ = window["rect"][0];
            top_ = window["rect"][1];
        }
    }

    bool Found() const { return found_; }
    // Points at, clicks at, a position of the window.
    void MoveTo(int x, int y) {
        // No --sync: it waits for ever when the pointer is already there.
        Xdotool({"mousemove", std::to_string(left_ + x), std::to_string(top_ + y)});
        std::this_thread::sleep_for(100ms);
    }
    void ClickAt(int x, int y) {
        MoveTo(x, y);
        Xdotool({"click", "1"});
    }
    void Type(const std::string& text) { Xdotool({"type", "--delay", "20", text}); }
    // A character the keyboard lacks: xdotool lends it a spare key while
    // typing it, and Wine must read the changed keymap before the loan ends.
    void TypeUnmapped(const std::string& character) { Xdotool({"type", "--delay", "300", character}); }
    void Key(const std::string& key) { Xdotool({"key", key}); }

    // The window's top-left corner now.
    std::pair<int, int> Position() const {
        const nlohmann::json window = Probe(2s);
        return {window["rect"][0], window["rect"][1]};
    }

    UdpReceiver first_;
    UdpReceiver second_;
    AppFolder app_;
    std::string handoff_;
    std::unique_ptr<Process> program_;
    bool found_ = false;
    int left_ = 0;
    int top_ = 0;
};

constexpr std::pair<int, int> kCloseButton{458, 20};
constexpr std::pair<int, int> kSendButton{240, 240};

std::string TimeStampAt(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    char stamp[16];
    std::strftime(stamp, sizeof(stamp), "%I:%M %p", &local);
    return stamp;
}

TEST(Answering, BothDatagramsGoOutByteForByteAndTheProgramEnds) {
    struct Case {
        const char* how;
        std::function<void(PopUp&)> answer;
        std::string reply;  // as it reaches the peer, in code page 1252
    };
    const Case cases[] = {
        {"typed, then the send button", [](PopUp& p) { p.Type("  Voy  "); p.ClickAt(kSendButton.first, kSendButton.second); },
         "Voy"},
        {"Ctrl+Enter and Shift+Enter break lines, Enter sends",
         [](PopUp& p) {
             p.Type("uno");
             p.Key("ctrl+Return");
             p.Type("dos ");
             p.TypeUnmapped("\xC2\xB6");  // "¶" and "ñ", as UTF-8 for xdotool
             p.Type(" ");
             p.TypeUnmapped("\xC3\xB1");
             p.Key("shift+Return");
             p.Type("tres");
             p.Key("Return");
         },
         "uno\r\ndos \xB6 \xF1\r\ntres"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.how);
        PopUp popUp;
        ASSERT_TRUE(popUp.Found());
        const std::time_t before = std::time(nullptr);
        c.answer(popUp);
        const std::optional<std::string> first = popUp.first_.Receive(10s);
        const std::optional<std::string> second = popUp.second_.Receive(5s);
        const std::time_t after = std::time(nullptr);
        ASSERT_TRUE(first && second);

        // MSG-ENVIAR¶field 4¶field 8¶field 9¶field 1¶id¶reply¶stamp.
        const std::string head = "MSG-ENVIAR\xB6" "7\xB6" "127.0.0.1\xB6" + std::to_string(popUp.second_.Port()) + "\xB6" "Ana\xB6";
        ASSERT_EQ(first->substr(0, head.size()), head) << *first;
        const std::size_t idEnd = first->find('\xB6', head.size());
        const std::string id = first->substr(head.size(), idEnd - head.size());
        const std::string tail = first->substr(idEnd);
        const bool stampFits = tail == "\xB6" + c.reply + "\xB6" + TimeStampAt(before) ||
                               tail == "\xB6" + c.reply + "\xB6" + TimeStampAt(after);
        EXPECT_TRUE(stampFits) << tail;
        // The id is hhmmss of the moment of sending and a random part, 01 to 99.
        const long value = std::stol(id);
        EXPECT_TRUE(value % 100 >= 1 && id.size() >= 3 && id.size() <= 8) << id;
        std::tm local{};
        localtime_r(&before, &local);
        EXPECT_GE(value / 100, local.tm_hour * 10000 + local.tm_min * 100 + local.tm_sec - 1) << id;
        EXPECT_EQ(*second, "MSG-ENVIADO_KORVexe" + first->substr(std::string("MSG-ENVIAR").size()));
        EXPECT_EQ(popUp.program_->WaitExit(15s), std::optional<int>(0));
        EXPECT_EQ(popUp.app_.ReadHandoff(), popUp.handoff_) << "the hand-off file stays";
    }
}

TEST(Leaving, EndsWithoutSendingAndKeepsTheFile) {
    const std::pair<const char*, std::function<void(PopUp&)>> cases[] = {
        {"Esc", [](PopUp& p) { p.Type("Voy"); p.Key("Escape"); }},
        {"the close button", [](PopUp& p) { p.Type("Voy"); p.ClickAt(kCloseButton.first, kCloseButton.second); }},
        {"Tab to the close button, Space", [](PopUp& p) { p.Type("Voy"); p.Key("Tab"); p.Key("space"); }},
        {"a blank reply sent", [](PopUp& p) { p.Type("   "); p.ClickAt(kSendButton.first, kSendButton.second); }},
    };
    for (const auto& [how, leave] : cases) {
        SCOPED_TRACE(how);
        PopUp popUp;
        ASSERT_TRUE(popUp.Found());
        leave(popUp);
        EXPECT_EQ(popUp.program_->WaitExit(15s), std::optional<int>(0)) << "the program ended";
        EXPECT_FALSE(popUp.first_.Receive(700ms).has_value());
        EXPECT_FALSE(popUp.second_.Receive(100ms).has_value());
        EXPECT_EQ(popUp.app_.ReadHandoff(), popUp.handoff_);
    }
}

// Code page 1252 bytes as the UTF-8 the probe prints.
std::string Utf8(const std::string& ansi) {
    std::string utf8;
    for (const unsigned char c : ansi) {
        if (c < 0x80) {
            utf8 += static_cast<char>(c);
        } else {
            utf8 += static_cast<char>(0xC0 | (c >> 6));
            utf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return utf8;
}

TEST(FailingDestination, TheErrorBoxSaysWhyAndWhatWasBeingSent) {
    struct Case {
        const char* what;
        std::vector<std::string> fields;
        std::string error;  // the box's first two lines
        bool firstArrives;
    };
    const Case cases[] = {
        {"a second port that is no number", {"", "", "", "", "", "", "", "", "", "abc"},
         "N\u00FAmero: 13\r\nDescripci\u00F3n: No coinciden los tipos", true},
        {"a line of seven fields", {"", "", "", "", "", "", ""},
         "N\u00FAmero: 9\r\nDescripci\u00F3n: Sub\u00EDndice fuera del intervalo", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        PopUp popUp(c.fields);
        ASSERT_TRUE(popUp.Found());
        popUp.Type("Voy");
        popUp.ClickAt(kSendButton.first, kSendButton.second);
        const std::optional<std::string> first = popUp.first_.Receive(c.firstArrives ? 10s : 1s);
        EXPECT_EQ(first.has_value(), c.firstArrives);
        const nlohmann::json box = Probe(10s, "Ha ocurrido un error", "#32770");
        ASSERT_TRUE(box.value("found", false)) << "no error box";
        std::string text;
        for (const auto& child : box["children"])
            if (child["id"] == 0xFFFF) text = child["text"];
        // The detail is the datagram being sent when it failed: none yet, or the second.
        const std::string detail =
            first ? Utf8("MSG-ENVIADO_KORVexe" + first->substr(std::string("MSG-ENVIAR").size())) : "";
        EXPECT_EQ(text, c.error + "\r\n\r\nFuente: TornavelMensaje\r\n"
                                  "Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar\r\n"
                                  "Detalle : " + detail);
        EXPECT_TRUE(popUp.program_->Running()) << "the program waits for the box";
        popUp.Key("Return");
        EXPECT_EQ(popUp.program_->WaitExit(15s), std::optional<int>(0)) << "after OK the program ended";
        EXPECT_FALSE(popUp.second_.Receive(300ms).has_value());
    }
}

TEST(Mouse, OnlyALeftDragOnTheTitleMovesTheWindowAndOnlyButtonsShowTheHand) {
    PopUp popUp;
    ASSERT_TRUE(popUp.Found());
    const auto start = popUp.Position();
    // Presses at (x, y), moves a first step and on by (dx, dy), releases.
    const auto drag = [&](const char* button, int x, int y, int dx, int dy) {
        popUp.MoveTo(x, y);
        Xdotool({"mousedown", button});
        popUp.MoveTo(x + 4, y + 3);
        std::this_thread::sleep_for(200ms);
        popUp.MoveTo(x + dx, y + dy);
        std::this_thread::sleep_for(200ms);
        Xdotool({"mouseup", button});
        std::this_thread::sleep_for(300ms);
        return popUp.Position();
    };
    EXPECT_EQ(drag("3", 100, 20, 104, 63), start) << "right button";
    EXPECT_EQ(drag("1", 100, 3, 104, 63), start) << "bar above the label";
    EXPECT_EQ(drag("1", 100, 36, 104, 63), start) << "bar below the label";
    EXPECT_EQ(drag("1", 200, 120, 104, 63), start) << "window body";
    // The system's move follows the pointer from where the first step left it.
    EXPECT_EQ(drag("1", 100, 20, 104, 63), std::make_pair(start.first + 100, start.second + 60));
    popUp.left_ += 100;
    popUp.top_ += 60;

    for (const auto& [x, y] : {kCloseButton, kSendButton}) {
        popUp.MoveTo(x, y);
        std::this_thread::sleep_for(300ms);
        const Picture cursor = CurrentCursor();
        ASSERT_EQ(cursor.width, 32);
        EXPECT_EQ(std::make_pair(cursor.hotX, cursor.hotY), std::make_pair(16, 10)) << "the fingertip";
        EXPECT_EQ(cursor.At(16, 10), 0xFF000000u) << "black outline at the fingertip";
        EXPECT_EQ(cursor.At(16, 20), 0xFFFFFFFFu) << "white fill";
        EXPECT_EQ(cursor.At(2, 2) >> 24, 0u) << "transparent around the hand";
        // Under the pointer the close button turns red; the send button stays blue.
        const Picture shot = Screenshot();
        EXPECT_EQ(shot.Rgb(popUp.left_ + 430, popUp.top_ + 3), x == kCloseButton.first ? 0xD90000u : 0x555555u);
        EXPECT_EQ(shot.Rgb(popUp.left_ + 22, popUp.top_ + 222), 0x0080CCu);
    }
    for (const auto& [x, y] : {std::pair{100, 3}, std::pair{8, 140}, std::pair{200, 20}}) {
        popUp.MoveTo(x, y);
        std::this_thread::sleep_for(300ms);
        const Picture cursor = CurrentCursor();
        EXPECT_FALSE(cursor.hotX == 16 && cursor.hotY == 10) << "an arrow at " << x << "," << y;
    }
    EXPECT_TRUE(popUp.program_->Running());
}

}  // namespace
}  // namespace e2e
