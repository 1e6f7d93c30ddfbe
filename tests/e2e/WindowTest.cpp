// The shown window, as the probe and a screenshot see it.
#include <gtest/gtest.h>

#include <thread>

#include "Harness.h"

namespace e2e {
namespace {

constexpr int kWidth = 492;
constexpr int kHeight = 281;

class ShownWindow : public ::testing::Test {
  protected:
    void SetUp() override {
        app_.WriteHandoff(HandoffLine({"0", "Ana Mart\xEDnez", "127.0.0.1", "9001", "7", "5",
                                       "Hola, \xBF"
                                       "c\xF3mo est\xE1s?{ENTER}{ENTER}Te espero.",
                                       "7", "127.0.0.1", "9002"}));
        program_ = app_.Start();
        window_ = WaitForWindow();
        ASSERT_TRUE(window_.value("found", false));
        left_ = window_["rect"][0];
        top_ = window_["rect"][1];
    }

    // A pixel of the window, from its top-left corner.
    Rgb Pixel(const Screenshot& shot, int x, int y) const { return shot.At(left_ + x, top_ + y); }

    AppFolder app_;
    std::unique_ptr<WineProcess> program_;
    nlohmann::json window_;
    int left_ = 0;
    int top_ = 0;
};

TEST_F(ShownWindow, IsABorderlessTopMostPopUpCentredOnTheScreen) {
    EXPECT_EQ(window_["caption"], "Tornavel - Mensaje");
    EXPECT_EQ(window_["client"], nlohmann::json({kWidth, kHeight}));
    EXPECT_EQ(window_["rect"],
              nlohmann::json({(1280 - kWidth) / 2, (1024 - kHeight) / 2,
                              (1280 - kWidth) / 2 + kWidth, (1024 - kHeight) / 2 + kHeight}));
    const auto style = window_["style"].get<std::uint32_t>();
    EXPECT_TRUE(style & 0x80000000u) << "WS_POPUP";
    EXPECT_FALSE(style & 0x00C00000u) << "no caption bar";
    EXPECT_FALSE(style & 0x00040000u) << "no sizing border";
    EXPECT_FALSE(style & 0x00800000u) << "no border";
    EXPECT_TRUE(window_["topmost"].get<bool>());
    EXPECT_FALSE(window_["owner"].get<bool>());
}

TEST_F(ShownWindow, ShowsTheMessageWithLineBreaksAndTheCaretInTheReplyBox) {
    const nlohmann::json& children = window_["children"];
    ASSERT_EQ(children.size(), 4u) << "two text boxes and two buttons are windows";
    EXPECT_EQ(children[0]["class"], "Edit");
    EXPECT_EQ(children[0]["rect"], nlohmann::json({18, 54, 473, 135}));
    EXPECT_EQ(children[0]["text"], "Hola, \u00BFc\u00F3mo est\u00E1s?\r\n\r\nTe espero.");
    EXPECT_TRUE(children[0]["style"].get<std::uint32_t>() & 0x0800u) << "ES_READONLY";
    EXPECT_FALSE(children[0]["style"].get<std::uint32_t>() & 0x00010000u) << "not a tab stop";

    EXPECT_EQ(children[1]["class"], "Edit");
    EXPECT_EQ(children[1]["rect"], nlohmann::json({26, 156, 465, 199}));
    EXPECT_EQ(children[1]["text"], "");
    EXPECT_EQ(window_["focus"], 1) << "the caret is in the reply box";

    EXPECT_EQ(children[2]["rect"], nlohmann::json({425, 0, 492, 40}));
    EXPECT_EQ(children[3]["rect"], nlohmann::json({18, 218, 473, 262}));
    EXPECT_EQ(children[3]["text"], "Enviar respuesta y cerrar");
    for (const auto& child : children) {
        EXPECT_FALSE(child["style"].get<std::uint32_t>() & 0x00300000u) << "no scroll bars";
        EXPECT_FALSE(child["style"].get<std::uint32_t>() & 0x00800000u) << "no border";
    }
}

TEST_F(ShownWindow, LooksAsLaidOut) {
    std::this_thread::sleep_for(500ms);  // let the first paint land
    const Screenshot shot = Screenshot::Take();
    shot.SavePng(fs::path(TORNAVEL_BINARY_DIR) / "e2e-window.png");

    const Rgb frame{224, 224, 224};
    EXPECT_EQ(Pixel(shot, 0, 120), frame) << "frame line, left";
    EXPECT_EQ(Pixel(shot, kWidth - 1, 120), frame) << "frame line, right";
    EXPECT_EQ(Pixel(shot, 200, kHeight - 1), frame) << "frame line, bottom";
    EXPECT_EQ(Pixel(shot, 8, 140), (Rgb{249, 249, 249})) << "window background";

    // Title bar: the fill or its hatch lines, across the whole width.
    for (int x : {1, 100, 300, 420}) {
        const Rgb bar = Pixel(shot, x, 3);
        EXPECT_TRUE(bar == (Rgb{79, 79, 79}) || bar == (Rgb{85, 85, 85}))
            << x << ": " << ToString(bar);
    }
    // Close button: its back colour with a white cross drawn from (4, 4) of a
    // 24-pixel glyph centred in it.
    EXPECT_EQ(Pixel(shot, 430, 3), (Rgb{85, 85, 85})) << "close button";
    const int glyphLeft = 425 + (67 - 24) / 2;
    const int glyphTop = (40 - 24) / 2;
    EXPECT_EQ(Pixel(shot, glyphLeft + 4, glyphTop + 4), (Rgb{255, 255, 255})) << "cross";
    EXPECT_EQ(Pixel(shot, glyphLeft + 19, glyphTop + 4), (Rgb{255, 255, 255})) << "cross";
    EXPECT_EQ(Pixel(shot, glyphLeft + 12, glyphTop + 4), (Rgb{85, 85, 85})) << "no cross there";

    // Send button: blue, with white text in its middle.
    EXPECT_EQ(Pixel(shot, 22, 222), (Rgb{0, 128, 204}));
    int white = 0;
    for (int y = 218; y < 262; ++y) {
        for (int x = 18; x < 473; ++x) white += Pixel(shot, x, y) == Rgb{255, 255, 255};
    }
    EXPECT_GT(white, 100) << "the caption is drawn in white";

    // Reply box: white inside a light grey border.
    EXPECT_EQ(Pixel(shot, 18, 170), frame) << "reply border, left";
    EXPECT_EQ(Pixel(shot, 300, 149), frame) << "reply border, top";
    EXPECT_EQ(Pixel(shot, 20, 170), (Rgb{255, 255, 255})) << "reply box";

    // The message's darkest pixels are its text colour.
    int darkest = 255 * 3;
    Rgb darkestColour{};
    for (int y = 54; y < 135; ++y) {
        for (int x = 18; x < 473; ++x) {
            const Rgb c = Pixel(shot, x, y);
            if (c.r + c.g + c.b < darkest) {
                darkest = c.r + c.g + c.b;
                darkestColour = c;
            }
        }
    }
    EXPECT_EQ(darkestColour, (Rgb{53, 53, 53}));

    // The sender's name in white on the bar, centred.
    int titleLeft = kWidth;
    int titleRight = 0;
    for (int y = 8; y < 32; ++y) {
        for (int x = 0; x < 425; ++x) {
            if (Pixel(shot, x, y) == Rgb{255, 255, 255}) {
                titleLeft = std::min(titleLeft, x);
                titleRight = std::max(titleRight, x);
            }
        }
    }
    ASSERT_LT(titleLeft, titleRight) << "no title drawn";
    EXPECT_NEAR((titleLeft + titleRight) / 2, kWidth / 2, 4) << "title centred";
}

// At 150 % (144 dpi) the window and every control grow by half, each edge
// rounded on its own, so nothing sticks out past the window's edge.
TEST(ScaledWindow, At144DpiEverythingGrowsByHalfAndStaysInside) {
    const ScopedScreenDpi dpi(144);
    AppFolder app;
    app.WriteHandoff(HandoffLine(
        {"0", "Ana", "127.0.0.1", "9001", "7", "5", "Hola", "7", "127.0.0.1", "9002"}));
    const std::unique_ptr<WineProcess> program = app.Start();
    const nlohmann::json window = WaitForWindow();
    ASSERT_TRUE(window.value("found", false));

    EXPECT_EQ(window["client"], nlohmann::json({738, 422}));
    EXPECT_EQ(window["rect"], nlohmann::json({271, 301, 271 + 738, 301 + 422})) << "centred";
    const nlohmann::json& children = window["children"];
    ASSERT_EQ(children.size(), 4u);
    EXPECT_EQ(children[0]["rect"], nlohmann::json({27, 81, 710, 203})) << "message";
    EXPECT_EQ(children[1]["rect"], nlohmann::json({39, 234, 698, 299})) << "reply";
    EXPECT_EQ(children[2]["rect"], nlohmann::json({638, 0, 738, 60})) << "close button";
    EXPECT_EQ(children[3]["rect"], nlohmann::json({27, 327, 710, 393})) << "send button";

    std::this_thread::sleep_for(500ms);  // let the first paint land
    const Screenshot shot = Screenshot::Take();
    const auto pixel = [&](int x, int y) { return shot.At(271 + x, 301 + y); };
    const Rgb frame{224, 224, 224};
    EXPECT_EQ(pixel(737, 3), (Rgb{85, 85, 85})) << "close button up to the right edge";
    EXPECT_EQ(pixel(737, 200), frame) << "frame line, right";
    EXPECT_EQ(pixel(300, 421), frame) << "frame line, bottom";
    EXPECT_EQ(pixel(500, 224), frame) << "reply border, top";
    EXPECT_EQ(pixel(500, 260), (Rgb{255, 255, 255})) << "reply box";
    EXPECT_EQ(pixel(33, 333), (Rgb{0, 128, 204})) << "send button";
}

}  // namespace
}  // namespace e2e
