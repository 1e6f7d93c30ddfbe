// What a person sees, or does not, when the program starts next to each kind
// of hand-off file, and what an integrator's debugger sees.
#include "Harness.h"

namespace e2e {
namespace {

std::string Fields(int count) { return HandoffLine(std::vector<std::string>(count, "f")); }

// A failed start shows nothing to the user: no window, no box, and the
// program ends by itself; its file is kept or deleted, and one debug line says
// why. Lines that are odd but whole show the window, with at most
// 8192 characters of the message, and say nothing to the debugger.
TEST(Start, ShowsTheWindowOrEndsQuietlyAndTellsADebuggerWhy) {
    struct Case {
        const char* what;
        std::optional<std::string> bytes;  // nothing: no hand-off file
        bool kept;
        std::string reason;  // empty: the window shows
        bool held = false;   // its writer holds it without sharing
    };
    const std::string huge = Fields(5) + "\xB6" + std::string(300000, 'm') + "\x01";
    std::string hugeMessage(1'000'000, 'm');
    for (std::size_t i = 0; i < hugeMessage.size(); i += 80) hugeMessage.replace(i, 7, "{ENTER}");
    std::string controls;
    for (char c = 1; c < 32; ++c) controls += c == '\r' || c == '\n' ? ' ' : c;
    // clang-format off
    const Case cases[] = {
        {"no file", std::nullopt, false, "there is no hand-off file"},
        {"no bytes", "", false, "the hand-off file is empty"},
        {"a line break first", "\r\n" + Fields(10), true, "the first line is empty"},
        {"one field", Fields(1), false,
         "too few fields: 1, a message needs 7, in a first line of 1 character, \\\"f\\\""},
        {"six fields", Fields(6), false, "too few fields: 6"},
        {"a huge line", huge, false,
         "too few fields: 6, a message needs 7, in a first line of 300011 characters\\n\""},
        {"held by its writer", Fields(10), true, "the hand-off file could not be opened", true},
        {"seven empty fields", HandoffLine({"", "", "", "", "", "", ""}), true, ""},
        {"a huge message", HandoffLine({"0", "Ana", "h", "1", "4", "5", hugeMessage}), true, ""},
        {"control characters", HandoffLine({"0", controls, "h", "1", "4", "5", controls}), true,
         ""}};
    // clang-format on
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        AppFolder app;
        if (c.bytes) app.WriteHandoff(*c.bytes);
        std::unique_ptr<Process> writer;
        if (c.held) {
            const fs::path held = app.Handoff().parent_path() / "held.txt";
            writer = std::make_unique<Process>(Wine((kBuild / "tools" / "hold-file.exe").string(),
                                                    {"Z:" + app.Handoff().string(), "15000"}),
                                               held);
            for (int i = 0; i < 200 && fs::file_size(held) == 0; ++i)
                std::this_thread::sleep_for(50ms);
            ASSERT_GT(fs::file_size(held), 0u) << "the writer never held the file";
        }
        auto program = app.Start();
        if (c.reason.empty()) {
            const nlohmann::json window = WaitForWindow();
            EXPECT_LE(window["children"][0]["text"].get<std::string>().size(), 8192u * 3 + 3);
        } else {
            EXPECT_EQ(program->WaitExit(30s), std::optional<int>(0)) << "ended by itself";
            EXPECT_FALSE(Probe(0ms).value("found", true)) << "a window was left behind";
        }
        EXPECT_EQ(app.ReadHandoff(), c.kept ? c.bytes : std::nullopt);
        const std::vector<std::string> lines = app.DebugLines();
        ASSERT_EQ(lines.size(), c.reason.empty() ? 0u : 1u) << "one line for the debugger";
        if (lines.empty()) continue;
        EXPECT_EQ(lines[0].rfind("TornavelMensaje: Z:", 0), 0u) << lines[0];
        EXPECT_NE(lines[0].find("open.zelbarqin: " + c.reason), std::string::npos) << lines[0];
    }
}

}  // namespace
}  // namespace e2e
