// What a person sees, or does not, when the program starts next to each kind
// of hand-off file.
#include <gtest/gtest.h>

#include <fstream>
#include <thread>

#include "Harness.h"

namespace e2e {
namespace {

std::vector<std::string> Fields(int count) {
    std::vector<std::string> fields;
    for (int i = 0; i < count; ++i) fields.push_back("f" + std::to_string(i));
    return fields;
}

// Starts the program and expects it to end by itself without showing a window.
void ExpectEndsWithoutWindow(const AppFolder& app) {
    auto program = app.Start();
    const std::optional<int> exit = program->WaitExit(30s);
    ASSERT_TRUE(exit.has_value()) << "the program did not end by itself";
    EXPECT_EQ(*exit, 0);
    EXPECT_FALSE(Probe(0ms).value("found", true)) << "a window was left behind";
}

TEST(Startup, NoHandoffFileEndsAtOnceAndLeavesTheFolderAsItWas) {
    AppFolder app;
    ExpectEndsWithoutWindow(app);
    EXPECT_EQ(std::distance(fs::directory_iterator(app.Path()), fs::directory_iterator()), 1)
        << "only the exe is there";
}

TEST(Startup, EmptyFileIsDeletedAndNoWindowShows) {
    AppFolder app;
    app.WriteHandoff("");
    ExpectEndsWithoutWindow(app);
    EXPECT_FALSE(fs::exists(app.Handoff()));
}

TEST(Startup, FileBeginningWithALineBreakIsKeptAndNoWindowShows) {
    AppFolder app;
    const std::string bytes = "\r\n" + HandoffLine(Fields(10));
    app.WriteHandoff(bytes);
    ExpectEndsWithoutWindow(app);
    EXPECT_EQ(app.ReadHandoff(), bytes);
}

TEST(Startup, TooFewFieldsDeleteTheFileWithoutShowingTheWindow) {
    for (int count : {1, 2, 6}) {
        SCOPED_TRACE(std::to_string(count) + " fields");
        AppFolder app;
        app.WriteHandoff(HandoffLine(Fields(count)));
        ExpectEndsWithoutWindow(app);
        EXPECT_FALSE(fs::exists(app.Handoff()));
    }
}

TEST(Startup, FileHeldWithoutSharingByItsWriterIsKeptAndNoWindowShows) {
    AppFolder app;
    const std::string bytes = HandoffLine(Fields(10));
    app.WriteHandoff(bytes);
    const fs::path heldFlag = app.Path() / "held.txt";
    WineProcess writer(WindowsBuildDir() / "tools" / "hold-file.exe",
                       {app.WindowsPathOf(app.Handoff()), "15000"}, heldFlag);
    for (int i = 0; i < 200 && fs::file_size(heldFlag) == 0; ++i) std::this_thread::sleep_for(50ms);
    ASSERT_GT(fs::file_size(heldFlag), 0u) << "the writer never held the file";

    ExpectEndsWithoutWindow(app);
    EXPECT_EQ(app.ReadHandoff(), bytes) << "the deletion failed too, so the file stays";
}

TEST(Startup, SevenFieldsShowTheWindowAndKeepTheFile) {
    AppFolder app;
    const std::string bytes = HandoffLine({"0", "Ana", "h", "1", "4", "5", "Hola{ENTER}Adi\xF3s"});
    app.WriteHandoff(bytes);
    {
        auto program = app.Start();
        const nlohmann::json window = WaitForWindow();
        EXPECT_TRUE(window["visible"].get<bool>());
        EXPECT_EQ(window["children"][0]["text"], "Hola\r\nAdi\u00F3s");
        EXPECT_TRUE(program->Running());
    }
    EXPECT_EQ(app.ReadHandoff(), bytes);

    // The file stayed, so a second start shows the same message again.
    auto again = app.Start();
    EXPECT_EQ(WaitForWindow()["children"][0]["text"], "Hola\r\nAdi\u00F3s");
}

TEST(Startup, AwkwardLinesShowTheWindowWithoutCrashOrHang) {
    std::string manyFields = HandoffLine(Fields(7));
    for (int i = 0; i < 5000; ++i) manyFields += "\xB6x";
    std::string hugeMessage(1'000'000, 'm');
    for (std::size_t i = 0; i < hugeMessage.size(); i += 80) hugeMessage.replace(i, 7, "{ENTER}");
    std::string controls;
    for (int c = 1; c < 32; ++c) {
        if (c != '\r' && c != '\n') controls += static_cast<char>(c);
    }
    const std::string wideName(3000, 'W');
    std::string words;
    while (words.size() < 1'000'000) words += "palabra ";

    const std::string lines[] = {
        manyFields,
        HandoffLine({"0", "Ana", "h", "1", "4", "5", hugeMessage}),
        HandoffLine({"0", "Ana", "h", "1", "4", "5", std::string(1'000'000, 'm')}),
        HandoffLine({"0", "Ana", "h", "1", "4", "5", words}),
        HandoffLine({"0", controls, "h", "1", "4", "5", controls}),
        HandoffLine({"0", wideName, "h", "1", "4", "5", "m"}),
        HandoffLine({"", "", "", "", "", "", ""}),
    };
    for (const std::string& line : lines) {
        SCOPED_TRACE(line.substr(0, 60));
        AppFolder app;
        app.WriteHandoff(line);
        auto program = app.Start();
        const nlohmann::json window = WaitForWindow();
        EXPECT_EQ(window["rect"], nlohmann::json({394, 371, 886, 652}))
            << "the window kept its size";
        // At most 8192 characters and an ellipsis are shown (UTF-8 here).
        EXPECT_LE(window["children"][0]["text"].get<std::string>().size(), 8192u * 3 + 3);
        EXPECT_TRUE(program->Running());
        EXPECT_TRUE(fs::exists(app.Handoff()));
    }
}

}  // namespace
}  // namespace e2e
