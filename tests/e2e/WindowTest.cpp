// The shown window, as the probe, a screen reader and a screenshot see it, at
// 96 dpi and after moving to a monitor of 144 dpi.
#include <deque>
#include <set>

#include "Screen.h"

namespace e2e {
namespace {

constexpr std::uint32_t kFrame = 0xE0E0E0;
constexpr std::uint32_t kWhite = 0xFFFFFF;
// In code page 1252, octal: "Ana Martínez", and a message of a line and one
// that wraps: "Hola, ¿cómo estás?{ENTER}Te espero mañana…".
const std::string kLine =
    HandoffLine({"0", "Ana Mart\355nez", "127.0.0.1", "9001", "7", "5",
                 "Hola, \277c\363mo est\341s?{ENTER}Te espero ma\361ana a las "
                 "diez en la cafeter\355a de siempre, con los papeles.",
                 "7", "127.0.0.1", "9002"});

TEST(ShownWindow, ABorderlessTopMostPopUpLaidOutTheSameAtEveryDpi) {
    AppFolder app;
    app.WriteHandoff(kLine);
    const std::unique_ptr<Process> program = app.Start();
    const nlohmann::json first = WaitForWindow();
    ASSERT_EQ(first["screen"], nlohmann::json({1280, 1024}))
        << "Wine reports Xvfb's screen by another size: its desktop has not finished starting";
    const Shown at96(first);

    // What the probe sees: a pop-up with no caption, border or sizing border,
    // with the caret in the reply box (found top-most by its caption; the
    // centre is the first place of the six started together, below).
    EXPECT_EQ(first["client"], nlohmann::json({492, 281}));
    EXPECT_EQ(first["style"].get<std::uint32_t>() & 0x80C40000u, 0x80000000u) << "WS_POPUP only";
    EXPECT_EQ(first["focus"], 1);
    const nlohmann::json& children = first["children"];
    ASSERT_EQ(children.size(), 4u) << "two text boxes and two buttons are windows";
    // What a screen reader says, through MSAA; the buttons are the system's
    // own owner-drawn push buttons (Wine's MSAA calls every button "client").
    const char* names[] = {"Mensaje de Ana Mart\u00EDnez", "Respuesta", "Cerrar",
                           "Enviar respuesta y cerrar"};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_EQ(children[i]["name"], names[i]);
    for (std::size_t i : {2u, 3u}) {
        EXPECT_EQ(children[i]["class"], "Button");
        EXPECT_EQ(children[i]["style"].get<std::uint32_t>() & 0xFu, 0xBu) << "BS_OWNERDRAW";
    }
    EXPECT_EQ(children[0]["style"].get<std::uint32_t>() & 0x10800u, 0x0800u)
        << "the message is read-only, with no tab stop";
    EXPECT_EQ(children[1]["text"], "");

    // Moved to a monitor of 150 %: laid out anew about the same centre.
    const Shown at144(Probe(2s, {.dpi = 144}));
    EXPECT_EQ(at144.window["client"], nlohmann::json({738, 422}));
    EXPECT_NEAR(at144.left + 369, at96.left + 246, 1);
    EXPECT_NEAR(at144.top + 211, at96.top + 140, 1);

    for (const Shown* shown : {&at96, &at144}) {
        SCOPED_TRACE(shown->width);
        const auto [w, h] = std::pair(shown->width, shown->height);
        const auto& [message, reply, close, send] = shown->children;
        EXPECT_TRUE(close.right == w && close.top == 0) << "the close button in the corner";
        EXPECT_TRUE(message.left == send.left && message.right == send.right) << "one column";
        EXPECT_TRUE(message.bottom < reply.top && reply.bottom < send.top) << "one above the other";

        // The frame line round the edge, the title bar's fill or hatch, the
        // close button's grey with its white cross, the blue send button with
        // white text, and the reply box white in its grey border.
        for (const auto& [x, y] : {std::pair{0, h / 2}, {w - 1, h / 2}, {w / 3, h - 1}})
            EXPECT_EQ(shown->Pixel(x, y), kFrame) << "frame";
        for (int x : {1, w / 4, w / 2, close.left - 2}) {
            const std::uint32_t bar = shown->Pixel(x, 3 * h / 281);
            EXPECT_TRUE(bar == 0x4F4F4F || bar == 0x555555) << x;
        }
        EXPECT_EQ(shown->Pixel(close.left + 2, 2), 0x555555u) << "close button";
        const int glyph = 24 * w / 492;
        const auto [cross, crossMiddle] = shown->Find(close, kWhite);
        EXPECT_TRUE(cross > glyph && cross < glyph * glyph / 2) << "a cross of lines: " << cross;
        EXPECT_NEAR(crossMiddle, (close.left + close.right) / 2, 1) << "centred";
        EXPECT_EQ(shown->Pixel(send.left + 4, send.top + 4), 0x0080CCu) << "send button";
        EXPECT_GT(shown->Find(send, kWhite).first, 100) << "its caption in white";
        EXPECT_EQ(shown->Pixel(message.left, reply.top - 2), kFrame) << "reply border, left";
        EXPECT_EQ(shown->Pixel(w / 2, reply.top + 1), kWhite) << "reply box";
        EXPECT_GT(shown->Find(message, 0x353535).first, 20) << "message text";
        EXPECT_NEAR(shown->Find({0, 0, close.left, close.bottom}, kWhite).second, w / 2, 4)
            << "the sender's name centred";
    }
    // Everything grew by half, give or take the rounding of each edge, and
    // came back when the window returned to 96 dpi.
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_NEAR(at144.children[i].left, at96.children[i].left * 3 / 2, 1) << i;
        EXPECT_NEAR(at144.children[i].bottom, at96.children[i].bottom * 3 / 2, 1) << i;
    }
    const nlohmann::json back = Probe(2s, {.dpi = 96});
    EXPECT_EQ(back["children"], first["children"]) << "every child as it was";

    // A reply typed, then Tab after a pause (so it is no stray key): a cue on
    // the close button; nothing else changes but the reply and its caret.
    const Shown before(Probe(2s));
    Xdotool({"type", "--delay", "20", "Vale, all\303\255 estar\303\251"});
    std::this_thread::sleep_for(1100ms);
    Xdotool({"key", "Tab"});
    const Shown room(Probe(2s));
    ASSERT_EQ(room.window["focus"], 2) << "Tab did not reach the close button";
    const Box cue{room.children[2].left, 0, room.width, 40}, all{0, 0, room.width, room.height};
    const int onClose = Differing(before, room, cue);
    EXPECT_GT(onClose, 20) << "no focus cue on the close button";
    EXPECT_EQ(Differing(before, room, all), onClose + Differing(before, room, room.children[1]));
}

// Six messages that arrive in the same instant take the cascade's first six
// places, one each, whatever order they choose in, with or without a window
// manager; without one, the one activated last (Windows' foreground window)
// lies on top.
// The top one is answered on its own: its reply goes to its own peer only,
// and the others stay.
class StartedTogether : public testing::TestWithParam<bool> {};

TEST_P(StartedTogether, PopUpsStartedTogetherTakeAPlaceEachAndAreAnsweredOnTheirOwn) {
    constexpr int kCount = 6;
    std::optional<tools::WindowManager> manager;
    if (GetParam()) manager.emplace();
    std::deque<AppFolder> folders(kCount);
    std::deque<UdpReceiver> peers(kCount);
    std::vector<std::unique_ptr<Process>> programs;
    std::set<std::pair<int, int>> cascade;
    for (int i = 0; i < kCount; ++i) {
        const std::string port = std::to_string(peers[i].Port());
        folders[i].WriteHandoff(
            HandoffLine({"0", "Ana", "127.0.0.1", port, "7", "5",
                         std::string(4, static_cast<char>('a' + i)), "x", "127.0.0.1", port}));
        programs.push_back(folders[i].Start());
        cascade.insert({(1280 - 492) / 2 + 40 * i, (1024 - 281) / 2 + 40 * i});
    }
    ASSERT_TRUE(Probe(60s, {.nth = kCount - 1}).value("found", false)) << "not all shown";
    const tools::EachOnce read = tools::ReadEachOnce(kRun, kCount);
    ASSERT_TRUE(read.complete) << "the pop-ups never held still to be read";
    const std::vector<nlohmann::json>& shown = read.windows;
    std::set<std::pair<int, int>> places;
    for (const nlohmann::json& window : shown)
        places.insert({window["rect"][0].get<int>(), window["rect"][1].get<int>()});
    EXPECT_EQ(places, cascade);
    // The keys go to the one on top where the pointer rests (without a window
    // manager, the window under the pointer): it alone ends, and it alone
    // answers, to its own peer.
    std::this_thread::sleep_for(1100ms);
    const nlohmann::json onTop = Probe(2s);
    EXPECT_TRUE(onTop["foreground"])
        << "the one on top is not the one activated last: " << onTop.value("foregroundIs", "");
    Xdotool({"mousemove", std::to_string(onTop["rect"][0].get<int>() + 240),
             std::to_string(onTop["rect"][1].get<int>() + 80)});
    Xdotool({"type", "Voy"});
    Xdotool({"key", "Return"});
    int top = -1;
    for (int round = 0; round < 25 && top < 0; ++round)
        for (int i = 0; i < kCount && top < 0; ++i) top = programs[i]->WaitExit(100ms) ? i : -1;
    ASSERT_GE(top, 0) << "no pop-up took the reply";
    EXPECT_TRUE(peers[top].Receive(10s).has_value()) << "its reply";
    for (int i = 0; i < kCount; ++i)
        EXPECT_TRUE(i == top || (!peers[i].Receive(100ms) && !programs[i]->WaitExit(0ms))) << i;
    // The one on top now (the z-order among the rest is Wine's) stays as it was.
    const nlohmann::json left = Probe(2s);
    const int next = left["children"][0]["text"].get<std::string>()[0] - 'a';
    for (const nlohmann::json& before : shown) {
        if (before["children"][0]["text"].get<std::string>()[0] - 'a' != next) continue;
        EXPECT_TRUE(next != top && left["rect"] == before["rect"]) << "another one moved";
    }
}

INSTANTIATE_TEST_SUITE_P(ShownWindow, StartedTogether, testing::Bool(), [](const auto& manager) {
    return manager.param ? "UnderOpenbox" : "Alone";
});

}  // namespace
}  // namespace e2e
