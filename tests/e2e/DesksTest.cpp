// The pop-up answered on each desk: its code page, its script, its fonts,
// a window manager.
#include <iconv.h>

#include "PopUp.h"

namespace e2e {
namespace {

// A person answering on each desk the README names: the hand-off file in the
// desk's code page with a sender and a message in its script, the window
// legible, a reply typed (characters of the code page, one outside it, an
// emoji) and pasted, Enter, and both datagrams in the desk's code page.
struct Desk {
    std::string name, deskEnv, codePage;  // as ctest lists it, wine-run's DESK=, iconv's name
    // UTF-8: the sender, the message, what is typed and what the peer reads
    // of it and of the probe's paste ("Vale ł Привет 😀 ok").
    std::string sender, message, typed, read;
};
void PrintTo(const Desk& desk, std::ostream* out) { *out << desk.name; }

// `utf8` in `codePage`.
std::string Encode(const std::string& utf8, const std::string& codePage) {
    iconv_t convert = iconv_open(codePage.c_str(), "UTF-8");
    std::string out(utf8.size() * 4, '\0');
    char* in = const_cast<char*>(utf8.data());
    char* to = out.data();
    std::size_t inLeft = utf8.size(), outLeft = out.size();
    const bool whole = iconv(convert, &in, &inLeft, &to, &outLeft) != static_cast<std::size_t>(-1);
    iconv_close(convert);
    if (!whole) throw std::runtime_error(utf8 + " has no bytes in " + codePage);
    return out.substr(0, out.size() - outLeft);
}

// A title made of one glyph repeated: a row of boxes for characters the
// font lacks. Glyphs are the runs of columns that hold white pixels.
bool OneGlyphRepeated(const Shown& shown, const Box& title) {
    std::vector<std::vector<std::uint32_t>> glyphs{{}};
    for (int x = title.left; x < title.right; ++x) {
        std::uint32_t column = 0;  // which rows are white
        for (int y = title.top; y < title.bottom; ++y)
            column |= (shown.Pixel(x, y) == 0xFFFFFF ? 1u : 0u) << (y - title.top);
        if (column != 0) glyphs.back().push_back(column);
        if (column == 0 && !glyphs.back().empty()) glyphs.emplace_back();
    }
    if (glyphs.back().empty()) glyphs.pop_back();
    return glyphs.size() > 1 && std::all_of(glyphs.begin(), glyphs.end(),
                                            [&](const auto& glyph) { return glyph == glyphs[0]; });
}

// The pop-up on `desk` answered; its window as shown before Enter.
Shown Answer(const Desk& desk) {
    std::optional<tools::WindowManager> manager;
    if (desk.deskEnv == "window-manager") manager.emplace();
    const Args env{"DESK=" + desk.deskEnv};
    struct EndsItsServer {  // the desk without Open Sans has a prefix, and server, of its own
        Args env;
        ~EndsItsServer() {
            if (env[0] == "DESK=without-open-sans") Process(Wine("--stop", {}, env)).WaitExit(30s);
        }
    } ends{env};
    // The desk is what it says it is (if not, remove build/desk-without-open-sans
    // to have it made anew).
    if (desk.deskEnv == "without-open-sans") {
        const fs::path listed = kBuild / "fonts-of-the-desk-without-open-sans.txt";
        const std::string key = "HKLM\\Software\\Microsoft\\Windows NT\\CurrentVersion\\Fonts";
        Process(Wine("reg.exe", {"query", key}, env), listed).WaitExit(60s);
        const std::string fonts = tools::ReadFile(listed);
        EXPECT_TRUE(fonts.find("DejaVu Sans") != fonts.npos &&
                    fonts.find("Open Sans") == fonts.npos)
            << "its Wine lists Open Sans, or no font: " << fonts;
    }
    const auto bytes = [&](const std::string& utf8) { return Encode(utf8, desk.codePage); };
    PopUp popUp({"", bytes(desk.sender), "", "", "", "", bytes(desk.message), "", "", ""},
                "127.0.0.1", {}, env, bytes("\u00B6"));
    EXPECT_EQ(popUp.window["children"][0]["name"], "Mensaje de " + desk.sender);
    EXPECT_EQ(popUp.window["children"][0]["value"],
              std::regex_replace(desk.message, std::regex("\\{ENTER\\}"), "\r\n"));
    // Without a window manager the keys go to the window under the pointer.
    // Wine loses the first key xdotool lends for a character the keyboard
    // lacks, so each typing starts in ASCII.
    popUp.MoveTo(240, 80);
    popUp.Do({{"wait", "1100"}, {"slow", desk.typed}});
    EXPECT_TRUE(Probe(2s, {.paste = 19, .env = env}).value("found", false));
    // Tab takes the focus, and the blinking caret, out of the reply box (to
    // the close button, which shows a cue), and back before Enter.
    popUp.Do({{"key", "Tab"}});
    const Shown shown(Probe(2s, {.env = env}));
    EXPECT_EQ(shown.window["focus"], 2) << "Tab did not reach the close button";
    EXPECT_EQ(shown.window["children"][1]["text"], desk.read) << "what the peer will read";
    const Box title{0, 8, shown.children[2].left, 32};
    const auto [white, middle] = shown.Find(title, 0xFFFFFF);
    EXPECT_TRUE(white > 50 && std::abs(middle - shown.width / 2) <= 4) << "the name, centred";
    EXPECT_FALSE(OneGlyphRepeated(shown, title)) << "the name is a row of boxes";
    popUp.Do({{"key", "Tab"}, {"key", "Return"}});
    const std::optional<std::string> sent = popUp.first.Receive(10s);
    const std::optional<std::string> copy = popUp.second.Receive(5s);
    EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0));
    EXPECT_EQ(ReplyPiece(popUp, sent.value_or("")), bytes(desk.read)) << "in the desk's bytes";
    EXPECT_EQ(copy, "MSG-ENVIADO_KORVexe" + sent.value_or("MSG-ENVIAR").substr(10));
    return shown;
}

class OnEveryDesk : public testing::TestWithParam<Desk> {};

// Spanish on a Western desk: "ł" becomes "l", what else the code page lacks "?".
const Desk kTestRoom{"TestRoom",
                     "test-room",
                     "CP1252",
                     "Ana Martínez",
                     "Hola, ¿cómo estás?{ENTER}Te espero mañana a las diez en la cafetería de "
                     "siempre, con los papeles.",
                     "Sí ł 😀",
                     "Sí l ??Vale l ?????? ?? ok"};

// clang-format off
const Desk kJapanese{"Japanese", "japanese", "CP932", "山本さくら", "こんにちは{ENTER}明日会いましょう",
                     "Ok はい ł 😀", "Ok はい ? ??Vale ? Привет ?? ok"};
// clang-format on

// The test room's person on another Western desk.
Desk Western(const std::string& name, const std::string& deskEnv) {
    const Desk& room = kTestRoom;
    return {name, deskEnv, room.codePage, room.sender, room.message, room.typed, room.read};
}

TEST_P(OnEveryDesk, TheMessageShowsAndTheReplyGoesOutInTheDesksCodePage) {
    const Shown shown = Answer(GetParam());
    if (GetParam().deskEnv != "without-open-sans") return;
    // Windows ships no Open Sans: the pop-up brings the design's faces, so
    // the whole window, the title, the message (its wrap included), the reply
    // and both buttons show the pixels of the test room, where Open Sans is
    // installed.
    const Shown inRoom = Answer(kTestRoom);
    EXPECT_EQ(Differing(shown, inRoom, {0, 0, shown.width, shown.height}), 0);
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Desks, OnEveryDesk, testing::Values(
    kTestRoom,
    Desk{"Utf8", "utf-8", "UTF-8", "Łucja Żak", "Cześć! Привет, 你好 😀{ENTER}Do jutra",
         "Ok żółw ☃ 😀", "Ok żółw ☃ 😀Vale ł Привет 😀 ok"},
    Desk{"Cyrillic", "cyrillic", "CP1251", "Анна Петрова", "Привет!{ENTER}Жду тебя завтра",
         "Ok Да ł 😀", "Ok Да l ??Vale l Привет ?? ok"},
    kJapanese, Western("WithoutOpenSans", "without-open-sans"), Western("WindowManager", "window-manager")),
    [](const testing::TestParamInfo<Desk>& desk) { return desk.param.name; });
// clang-format on

class HeardOnADesk : public testing::TestWithParam<Desk> {};

// A screen reader beside the pop-up, listening to every program's events as
// one does, hears one alert from the window as it appears, and reads the
// window as the focus's parent: each time an alert named for the sender,
// saying the message once, as the message box shows it.
TEST_P(HeardOnADesk, AScreenReaderHearsWhoWroteAndWhatAsThePopUpAppears) {
    const Desk& desk = GetParam();
    const Args env{"DESK=" + desk.deskEnv};
    tools::Listener listener(kRun, env);
    const auto bytes = [&](const std::string& utf8) { return Encode(utf8, desk.codePage); };
    PopUp popUp({"", bytes(desk.sender), "", "", "", "", bytes(desk.message), "", "", ""},
                "127.0.0.1", {}, env, bytes("\u00B6"));
    const std::string message = std::regex_replace(desk.message, std::regex("\\{ENTER\\}"), "\r\n");
    int alerts = 0, parents = 0;
    for (const nlohmann::json& event :
         listener.Heard(60s).value_or(std::vector<nlohmann::json>{})) {
        const bool alert = event.value("event", 0) == 2;  // EVENT_SYSTEM_ALERT
        if (!alert && !event.contains("focusParent")) continue;
        ++(alert ? alerts : parents);
        EXPECT_EQ(event["role"], 8) << event;  // ROLE_SYSTEM_ALERT
        EXPECT_EQ(event["name"], "Mensaje de " + desk.sender);
        EXPECT_EQ(event["description"], message);
        EXPECT_TRUE(event["value"].is_null()) << "the message once: " << event;
    }
    EXPECT_EQ(alerts, 1);
    EXPECT_EQ(parents, 1);
    popUp.Do({{"ask", "close"}});
    EXPECT_EQ(popUp.program->WaitExit(15s), std::optional<int>(0));
}

INSTANTIATE_TEST_SUITE_P(Desks, HeardOnADesk, testing::Values(kTestRoom, kJapanese),
                         [](const testing::TestParamInfo<Desk>& desk) { return desk.param.name; });

}  // namespace
}  // namespace e2e
