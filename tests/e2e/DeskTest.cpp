// A person answering on each desk the README names: the hand-off file in the
// desk's code page with a sender and a message in its script, the window
// legible, a reply typed (characters of the code page, one outside it, an
// emoji) and pasted, Enter, and both datagrams in the desk's code page.
#include <iconv.h>

#include <regex>
#include <set>

#include "Screen.h"

namespace e2e {
namespace {

struct Desk {
    std::string name;      // as ctest lists it
    std::string deskEnv;   // scripts/wine-run's DESK=
    std::string codePage;  // as iconv names it
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

// Joins `fields` with "¶" as the desk's code page writes it, as the program
// splits its line.
std::string Joined(const std::vector<std::string>& fields, const Desk& desk) {
    std::string line;
    for (const std::string& field : fields)
        line +=
            (line.empty() ? "" : Encode("\u00B6", desk.codePage)) + Encode(field, desk.codePage);
    return line;
}

// A title made of one glyph repeated: a row of boxes for characters the
// font lacks. Glyphs are the runs of columns that hold white pixels.
bool OneGlyphRepeated(const Shown& shown, const Box& title) {
    std::vector<std::vector<std::uint32_t>> glyphs;
    bool inGlyph = false;
    for (int x = title.left; x < title.right; ++x) {
        std::uint32_t column = 0;  // which rows are white
        for (int y = title.top; y < title.bottom; ++y)
            column |= (shown.Pixel(x, y) == 0xFFFFFF ? 1u : 0u) << (y - title.top);
        if (column != 0 && !inGlyph) glyphs.emplace_back();
        if (column != 0) glyphs.back().push_back(column);
        inGlyph = column != 0;
    }
    return glyphs.size() > 1 && std::count(glyphs.begin(), glyphs.end(), glyphs[0]) ==
                                    static_cast<std::ptrdiff_t>(glyphs.size());
}

// The pop-up on `desk` answered; its window as shown before Enter.
Shown Answer(const Desk& desk) {
    std::unique_ptr<Process> manager;
    if (desk.deskEnv == "window-manager") {
        manager = std::make_unique<Process>(Args{"openbox"});
        if (!tools::WaitForWindowManager(std::chrono::steady_clock::now() + 5s))
            throw std::runtime_error("openbox did not start");
    }
    const Args env{"DESK=" + desk.deskEnv};
    struct EndsItsServer {  // a desk of its own prefix has a server of its own
        Args env;
        ~EndsItsServer() { Process(Wine("--stop", {}, env)).WaitExit(30s); }
    } ends{env};
    UdpReceiver first, second;
    const std::string port = std::to_string(second.Port());
    AppFolder app;
    app.WriteHandoff(Joined({"0", desk.sender, "127.0.0.1", std::to_string(first.Port()), "7", "5",
                             desk.message, "x", "127.0.0.1", port},
                            desk));
    const std::unique_ptr<Process> program = app.Start(env);
    // A desk's first start makes its prefix.
    const nlohmann::json window = Probe(120s, {.env = env});
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    EXPECT_EQ(window["children"][0]["name"], "Mensaje de " + desk.sender);
    EXPECT_EQ(window["children"][0]["value"],
              std::regex_replace(desk.message, std::regex("\\{ENTER\\}"), "\r\n"));

    // Without a window manager the keys go to the window under the pointer.
    Xdotool({"mousemove", std::to_string(window["rect"][0].get<int>() + 240),
             std::to_string(window["rect"][1].get<int>() + 80)});
    std::this_thread::sleep_for(1100ms);  // a person who reads first
    // xdotool lends a key to each character the keyboard lacks; Wine loses
    // the first key of a run when it is lent, so each typing starts in ASCII.
    Xdotool({"type", "--delay", "300", desk.typed});
    EXPECT_TRUE(Probe(2s, {.paste = 19, .env = env}).value("found", false));
    const Shown shown(Probe(2s, {.env = env}));
    EXPECT_EQ(shown.window["children"][1]["text"], desk.read) << "what the peer will read";
    const Box title{0, 8, shown.children[2].left, 32};
    const auto [white, middle] = shown.Find(title, 0xFFFFFF);
    EXPECT_GT(white, 50) << "the sender's name is shown";
    EXPECT_NEAR(middle, shown.width / 2, 4) << "centred";
    EXPECT_FALSE(OneGlyphRepeated(shown, title)) << "the name is a row of boxes";

    Xdotool({"key", "Return"});
    const std::optional<std::string> sent = first.Receive(10s), copy = second.Receive(5s);
    EXPECT_EQ(program->WaitExit(15s), std::optional<int>(0));
    const std::string head = Joined({"MSG-ENVIAR", "7", "127.0.0.1", port, desk.sender, ""}, desk);
    const std::string separator = Encode("\u00B6", desk.codePage);
    std::smatch pieces;  // the id, the reply and the time stamp
    EXPECT_TRUE(sent && sent->starts_with(head) &&
                std::regex_match(sent->cbegin() + static_cast<std::ptrdiff_t>(head.size()),
                                 sent->cend(), pieces,
                                 std::regex("[0-9]{3,8}" + separator + "([\\s\\S]*)" + separator +
                                            "[01][0-9]:[0-5][0-9] [AP]M")))
        << sent.value_or("nothing sent");
    EXPECT_EQ(pieces[1].str(), Encode(desk.read, desk.codePage)) << "in the desk's code page";
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

// The test room's person on another Western desk.
Desk Western(const std::string& name, const std::string& deskEnv) {
    Desk desk = kTestRoom;
    desk.name = name;
    desk.deskEnv = deskEnv;
    return desk;
}

TEST_P(OnEveryDesk, TheMessageShowsAndTheReplyGoesOutInTheDesksCodePage) {
    const Shown shown = Answer(GetParam());
    if (GetParam().deskEnv != "without-open-sans") return;
    // Windows ships no Open Sans: the pop-up brings the design's faces, so
    // the title, the message (its wrap included), the reply and both buttons
    // show the pixels of the test room, where Open Sans is installed. Only
    // the caret's column may differ: it blinks.
    const Shown inRoom = Answer(kTestRoom);
    std::vector<Box> areas{{0, 8, shown.children[2].left, 32}};  // the title
    areas.insert(areas.end(), shown.children.begin(), shown.children.end());
    for (const Box& area : areas) {
        std::set<int> columns;
        for (int x = area.left; x < area.right; ++x)
            if (Differing(shown, inRoom, {x, area.top, x + 1, area.bottom}) > 0) columns.insert(x);
        EXPECT_TRUE(columns.empty() ||
                    (&area == &areas[2] && *columns.rbegin() - *columns.begin() < 2))
            << columns.size() << " columns differ in the area at " << area.left << "," << area.top;
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Desks, OnEveryDesk, testing::Values(
    kTestRoom,
    Desk{"Utf8", "utf-8", "UTF-8", "Łucja Żak", "Cześć! Привет, 你好 😀{ENTER}Do jutra",
         "Ok żółw ☃ 😀", "Ok żółw ☃ 😀Vale ł Привет 😀 ok"},
    Desk{"Cyrillic", "cyrillic", "CP1251", "Анна Петрова", "Привет!{ENTER}Жду тебя завтра",
         "Ok Да ł 😀", "Ok Да l ??Vale l Привет ?? ok"},
    Desk{"Japanese", "japanese", "CP932", "山本さくら", "こんにちは{ENTER}明日会いましょう",
         "Ok はい ł 😀", "Ok はい ? ??Vale ? Привет ?? ok"},
    Western("WithoutOpenSans", "without-open-sans"), Western("WindowManager", "window-manager")),
    [](const testing::TestParamInfo<Desk>& desk) { return desk.param.name; });
// clang-format on

}  // namespace
}  // namespace e2e
