// Windows ships no Open Sans: the pop-up brings the design's faces itself.
#include "Harness.h"

namespace e2e {
namespace {

// A desk as Windows ships it, without Open Sans: a Wine prefix of its own
// (Wine keeps its font list in the prefix) whose fontconfig knows only the
// DejaVu folder. It is made at the first run and kept in the build.
class DeskWithoutOpenSans {
  public:
    DeskWithoutOpenSans() {
        fs::create_directories(prefix_);
        std::ofstream(config_) << "<?xml version=\"1.0\"?>\n<fontconfig>\n"
                                  "  <dir>/usr/share/fonts/truetype/dejavu</dir>\n"
                                  "  <cachedir>" << (prefix_ / "fontconfig-cache").string()
                               << "</cachedir>\n</fontconfig>\n";
    }
    // Its Wine server goes with the test.
    ~DeskWithoutOpenSans() {
        Process({"env", Env()[0], "wineserver", "-k"}).WaitExit(30s);
    }
    DeskWithoutOpenSans(const DeskWithoutOpenSans&) = delete;
    DeskWithoutOpenSans& operator=(const DeskWithoutOpenSans&) = delete;
    Args Env() const { return {"WINEPREFIX=" + prefix_.string(), "FONTCONFIG_FILE=" + config_.string()}; }

  private:
    const fs::path prefix_ = fs::path(TORNAVEL_BINARY_DIR) / "desk-without-open-sans";
    const fs::path config_ = prefix_.string() + ".conf";
};

struct Area {
    std::string what;
    int left, top, right, bottom;  // in the window
};

// The pop-up on the desk of `env`, with a reply typed and the focus then
// moved to the close button by Tab (no blinking caret in the picture): the
// screenshot, and where each text lies.
std::pair<Picture, std::vector<Area>> ShownOn(const Args& env) {
    AppFolder app;
    // In code page 1252, octal: "Ana Martínez" and "Hola, ¿nos vemos mañana…".
    app.WriteHandoff(HandoffLine(
        {"0", "Ana Mart\355nez", "127.0.0.1", "9001", "7", "5",
         "Hola, \277nos vemos ma\361ana a las diez en la cafeter\355a de siempre? Te espero "
         "con los papeles.",
         "7", "127.0.0.1", "9002"}));
    Xdotool({"mousemove", "634", "471"});  // resting on the message, where nothing hovers
    const std::unique_ptr<Process> program = app.Start(env);
    // The first start in a new prefix makes the prefix.
    const nlohmann::json window = Probe(120s, {.env = env});
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    Xdotool({"type", "--delay", "20", "Vale, all\303\255 estar\303\251"});
    std::this_thread::sleep_for(1100ms);  // a pause, so that Tab is no stray key
    Xdotool({"key", "Tab"});
    std::this_thread::sleep_for(500ms);
    const nlohmann::json after = Probe(2s, {.env = env});
    if (after["focus"] != 2) throw std::runtime_error("Tab did not reach the close button");
    std::vector<Area> areas{{"title", 0, 8, after["children"][2]["rect"][0], 32}};
    const char* names[] = {"message", "reply", "close button", "send button"};
    for (std::size_t i = 0; i < 4; ++i) {
        const nlohmann::json& r = after["children"][i]["rect"];
        areas.push_back({names[i], r[0], r[1], r[2], r[3]});
    }
    Picture shot = Screenshot();
    // Only the window: crop it out.
    const int left = after["rect"][0], top = after["rect"][1];
    Picture window_{after["client"][0], after["client"][1], 0, 0, {}};
    for (int y = 0; y < window_.height; ++y)
        for (int x = 0; x < window_.width; ++x) window_.argb.push_back(shot.At(left + x, top + y));
    return {window_, areas};
}

// The title, the message, the reply and both buttons are drawn with the same
// pixels on a desk without Open Sans as in the test room, where it is
// installed: line breaks, the cut and the centred title included.
TEST(Fonts, ADeskWithoutOpenSansShowsThePopUpPixelForPixel) {
    const auto [room, areas] = ShownOn({});
    const DeskWithoutOpenSans desk;
    const auto [bare, bareAreas] = ShownOn(desk.Env());
    ASSERT_EQ(room.width, bare.width);
    ASSERT_EQ(room.height, bare.height);
    for (const Area& area : areas) {
        int differ = 0, white = 0;
        for (int y = area.top; y < area.bottom; ++y)
            for (int x = area.left; x < area.right; ++x) {
                differ += room.Rgb(x, y) != bare.Rgb(x, y);
                white += bare.Rgb(x, y) == 0xFFFFFF;
            }
        EXPECT_EQ(differ, 0) << area.what << ": pixels that differ";
        if (area.what == "title") {
            EXPECT_GT(white, 50) << "the sender's name is shown";
        }
    }
}

}  // namespace
}  // namespace e2e
