// A person reading the message and answering it, closing it or moving it,
// with real keystrokes and clicks; a receiver on 127.0.0.1 stands in for the
// peer.
#include <gtest/gtest.h>

#include <ctime>
#include <thread>

#include "Desktop.h"
#include "Harness.h"

namespace e2e {
namespace {

int SecondsOfDay(std::time_t t) {
    std::tm local{};
    localtime_r(&t, &local);
    return local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec;
}

std::vector<std::string> Pieces(const std::string& datagram) {
    std::vector<std::string> pieces(1);
    for (char c : datagram) {
        if (c == '\xB6') {
            pieces.emplace_back();
        } else {
            pieces.back() += c;
        }
    }
    return pieces;
}

class Answering : public ::testing::Test {
  protected:
    void SetUp() override { Start(std::to_string(second_.Port())); }

    void Start(const std::string& secondPort) {
        handoff_ = HandoffLine({"0", "Ana", "127.0.0.1", std::to_string(first_.Port()), "7", "5",
                                "Hola", "x", "127.0.0.1", secondPort});
        app_.WriteHandoff(handoff_);
        program_ = app_.Start();
        window_ = WaitForWindow();
        ASSERT_TRUE(window_.value("found", false));
        left_ = window_["rect"][0];
        top_ = window_["rect"][1];
    }

    // Points, clicks and presses at a position of the window.
    void MoveTo(int x, int y) {
        // No --sync: it waits for ever when the pointer is already there.
        Xdotool("mousemove " + std::to_string(left_ + x) + " " + std::to_string(top_ + y));
        std::this_thread::sleep_for(100ms);
    }
    void ClickAt(int x, int y) {
        MoveTo(x, y);
        Xdotool("click 1");
    }
    void ClickSend() { ClickAt(240, 240); }
    void Type(const std::string& text) { Xdotool("type --delay 20 '" + text + "'"); }
    // A character that the keyboard lacks: xdotool lends it a spare key while
    // typing it, and Wine must read the changed keymap before the loan ends,
    // so such a character is typed slowly.
    void TypeUnmapped(const std::string& character) {
        Xdotool("type --delay 300 '" + character + "'");
    }

    void ExpectEndsAndNothingArrives() {
        EXPECT_EQ(program_->WaitExit(15s), std::optional<int>(0)) << "the program ended";
        EXPECT_FALSE(first_.Receive(700ms).has_value());
        EXPECT_FALSE(second_.Receive(100ms).has_value());
        EXPECT_EQ(app_.ReadHandoff(), handoff_) << "the hand-off file stays";
    }

    UdpReceiver first_;
    UdpReceiver second_;
    AppFolder app_;
    std::string handoff_;
    std::unique_ptr<WineProcess> program_;
    nlohmann::json window_;
    int left_ = 0;
    int top_ = 0;
};

TEST_F(Answering, SendButtonSendsBothDatagramsAndEnds) {
    Type("  Voy  ");
    const std::time_t before = std::time(nullptr);
    ClickSend();
    const std::optional<std::string> first = first_.Receive(10s);
    const std::optional<std::string> second = second_.Receive(5s);
    const std::time_t after = std::time(nullptr);
    ASSERT_TRUE(first && second);

    const std::vector<std::string> pieces = Pieces(*first);
    ASSERT_EQ(pieces.size(), 8u) << *first;
    EXPECT_EQ(pieces[0], "MSG-ENVIAR");
    EXPECT_EQ(pieces[1], "7");
    EXPECT_EQ(pieces[2], "127.0.0.1");
    EXPECT_EQ(pieces[3], std::to_string(second_.Port()));
    EXPECT_EQ(pieces[4], "Ana");
    EXPECT_EQ(pieces[6], "Voy") << "blanks around the reply are trimmed";

    // The id is the click's time of day and a random part of 01 to 99.
    const long id = std::stol(pieces[5]);
    const int clicked =
        static_cast<int>(id / 100 / 10000 * 3600 + id / 100 / 100 % 100 * 60 + id / 100 % 100);
    if (SecondsOfDay(after) >= SecondsOfDay(before)) {
        EXPECT_GE(clicked, SecondsOfDay(before));
        EXPECT_LE(clicked, SecondsOfDay(after));
    }
    EXPECT_GE(id % 100, 1);
    std::tm local{};
    localtime_r(&before, &local);
    char stamp[16];
    std::strftime(stamp, sizeof(stamp), "%I:%M %p", &local);
    std::tm localAfter{};
    localtime_r(&after, &localAfter);
    char stampAfter[16];
    std::strftime(stampAfter, sizeof(stampAfter), "%I:%M %p", &localAfter);
    EXPECT_TRUE(pieces[7] == stamp || pieces[7] == stampAfter) << pieces[7];

    EXPECT_EQ(*second, "MSG-ENVIADO_KORVexe" + first->substr(std::string("MSG-ENVIAR").size()));
    EXPECT_EQ(program_->WaitExit(15s), std::optional<int>(0));
    EXPECT_EQ(app_.ReadHandoff(), handoff_) << "the hand-off file stays";
}

TEST_F(Answering, EnterSendsAndCtrlOrShiftEnterTypeALineBreak) {
    Type("uno");
    Xdotool("key ctrl+Return");
    Type("dos ");
    TypeUnmapped("\xC2\xB6");  // "¶" and "ñ", as UTF-8 for xdotool
    Type(" ");
    TypeUnmapped("\xC3\xB1");
    Xdotool("key shift+Return");
    Type("tres");
    Xdotool("key Return");
    const std::optional<std::string> first = first_.Receive(10s);
    ASSERT_TRUE(first.has_value());
    EXPECT_NE(first->find("\xB6uno\r\ndos \xB6 \xF1\r\ntres\xB6"), std::string::npos) << *first;
    EXPECT_TRUE(second_.Receive(5s).has_value());
    EXPECT_EQ(program_->WaitExit(15s), std::optional<int>(0));
}

TEST_F(Answering, EscEndsWithoutSending) {
    Type("Voy");
    Xdotool("key Escape");
    ExpectEndsAndNothingArrives();
}

TEST_F(Answering, CloseButtonEndsWithoutSending) {
    Type("Voy");
    ClickAt(458, 20);
    ExpectEndsAndNothingArrives();
}

TEST_F(Answering, TabThenSpaceOnTheCloseButtonEndsWithoutSending) {
    Type("Voy");
    Xdotool("key Tab");
    Xdotool("key space");
    ExpectEndsAndNothingArrives();
}

TEST_F(Answering, BlankReplySendsNothingAndEnds) {
    Type("   ");
    ClickSend();
    ExpectEndsAndNothingArrives();
}

class AnsweringToABadSecondPort : public Answering {
  protected:
    void SetUp() override { Start("abc"); }
};

TEST_F(AnsweringToABadSecondPort, FirstDatagramGoesOutAndTheErrorBoxTellsWhy) {
    Type("Voy");
    ClickSend();
    const std::optional<std::string> first = first_.Receive(10s);
    ASSERT_TRUE(first.has_value());
    const nlohmann::json box = Probe(10s, "Ha ocurrido un error", "#32770");
    ASSERT_TRUE(box.value("found", false)) << "no error box";
    std::string text;
    for (const auto& child : box["children"]) {
        if (child["id"] == 0xFFFF) text = child["text"];
    }
    const std::string detail =
        "MSG-ENVIADO_KORVexe" + first->substr(std::string("MSG-ENVIAR").size());
    std::string detailUtf8;
    for (unsigned char c : detail) {
        if (c < 0x80) {
            detailUtf8 += static_cast<char>(c);
        } else {
            detailUtf8 += static_cast<char>(0xC0 | (c >> 6));
            detailUtf8 += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    EXPECT_EQ(text,
              "N\u00FAmero: 13\r\n"
              "Descripci\u00F3n: No coinciden los tipos\r\n"
              "\r\n"
              "Fuente: TornavelMensaje\r\n"
              "Ventana: TIVwAPL        Proceso : proMensajes_Mensaje_proEnviar\r\n"
              "Detalle : " +
                  detailUtf8);
    EXPECT_TRUE(program_->Running()) << "the program waits for the box";

    Xdotool("key Return");
    EXPECT_EQ(program_->WaitExit(15s), std::optional<int>(0)) << "after OK the program ended";
    EXPECT_FALSE(second_.Receive(300ms).has_value());
}

class Moving : public Answering {
  protected:
    // Presses `button` at (x, y), moves a first step and then on, releases;
    // the window's new top-left corner.
    std::pair<int, int> Drag(int button, int x, int y, int dx, int dy) {
        MoveTo(x, y);
        Xdotool("mousedown " + std::to_string(button));
        MoveTo(x + 4, y + 3);
        std::this_thread::sleep_for(200ms);
        MoveTo(x + dx, y + dy);
        std::this_thread::sleep_for(200ms);
        Xdotool("mouseup " + std::to_string(button));
        std::this_thread::sleep_for(300ms);
        const nlohmann::json moved = Probe(2s);
        return {moved["rect"][0], moved["rect"][1]};
    }
};

TEST_F(Moving, LeftDragOnTheTitleMovesTheWindow) {
    const auto [left, top] = Drag(1, 100, 20, 104, 63);
    // The system's move follows the pointer from where the first step left it.
    EXPECT_EQ(left - left_, 100);
    EXPECT_EQ(top - top_, 60);
}

TEST_F(Moving, RightDragOrPressesOutsideTheTitleBandMoveNothing) {
    EXPECT_EQ(Drag(3, 100, 20, 104, 63), std::make_pair(left_, top_)) << "right button";
    EXPECT_EQ(Drag(1, 100, 3, 104, 63), std::make_pair(left_, top_)) << "bar above the label";
    EXPECT_EQ(Drag(1, 100, 36, 104, 63), std::make_pair(left_, top_)) << "bar below the label";
    EXPECT_EQ(Drag(1, 200, 120, 104, 63), std::make_pair(left_, top_)) << "window body";
    EXPECT_TRUE(program_->Running());
}

TEST_F(Moving, HandPointerOverTheButtonsOnly) {
    for (const auto& [x, y] : {std::pair{458, 20}, std::pair{240, 240}}) {
        MoveTo(x, y);
        std::this_thread::sleep_for(300ms);
        const Picture cursor = CurrentCursor();
        ASSERT_EQ(cursor.width, 32);
        EXPECT_EQ(cursor.hotX, 16);
        EXPECT_EQ(cursor.hotY, 10) << "the hot spot is the fingertip";
        EXPECT_EQ(cursor.At(16, 10), 0xFF000000u) << "black outline at the fingertip";
        EXPECT_EQ(cursor.At(16, 20), 0xFFFFFFFFu) << "white fill";
        EXPECT_EQ(cursor.At(2, 2) >> 24, 0u) << "transparent around the hand";
    }
    for (const auto& [x, y] : {std::pair{100, 3}, std::pair{8, 140}, std::pair{200, 20}}) {
        MoveTo(x, y);
        std::this_thread::sleep_for(300ms);
        const Picture cursor = CurrentCursor();
        EXPECT_FALSE(cursor.hotX == 16 && cursor.hotY == 10) << "arrow at " << x << "," << y;
    }
}

TEST_F(Moving, CloseButtonTurnsRedUnderThePointerAndTheSendButtonStaysBlue) {
    MoveTo(440, 30);
    std::this_thread::sleep_for(300ms);
    Screenshot shot = Screenshot::Take();
    EXPECT_EQ(shot.At(left_ + 430, top_ + 3), (Rgb{217, 0, 0}));
    MoveTo(240, 240);
    std::this_thread::sleep_for(300ms);
    shot = Screenshot::Take();
    EXPECT_EQ(shot.At(left_ + 430, top_ + 3), (Rgb{85, 85, 85})) << "back to grey";
    EXPECT_EQ(shot.At(left_ + 22, top_ + 222), (Rgb{0, 128, 204}));
}

TEST_F(Moving, WindowCarriesTheApplicationIcons) {
    const unsigned long xwindow = XWindowByName("Tornavel - Mensaje");
    ASSERT_NE(xwindow, 0u);
    const std::vector<Picture> icons = WindowIcons(xwindow);
    const Picture* big = nullptr;
    const Picture* small = nullptr;
    for (const Picture& icon : icons) {
        if (icon.width == 32) big = &icon;
        if (icon.width == 16) small = &icon;
    }
    ASSERT_NE(big, nullptr) << "large icon set";
    ASSERT_NE(small, nullptr) << "small icon set";
    // Slate grey around, white bubbles inside: IconoAPL's picture.
    EXPECT_EQ(big->At(16, 2), 0xFF607080u);
    EXPECT_EQ(big->At(19, 19), 0xFFFFFFFFu);
    EXPECT_EQ(small->At(8, 1), 0xFF607080u);
    EXPECT_EQ(small->At(10, 9), 0xFFFFFFFFu);
}

}  // namespace
}  // namespace e2e
