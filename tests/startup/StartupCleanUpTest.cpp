#include "startup/Startup.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "core/HandoffPath.h"
#include "startup/ApplicationDirectory.h"
#include "startup/HandoffFile.h"

namespace tornavel {
namespace {

// Windows cannot say what the person is doing: a pop-up would show at once.
std::optional<int> NoAnswer() { return std::nullopt; }

// This test program carries none of the program's resources: it has no hand
// pointer, so loading the window fails inside the start-up, as a broken build
// would.
TEST(StartupCleanUp, FailureWhileLoadingTheWindowDeletesTheFileAndDestroysIt) {
    const std::wstring path = ComposeHandoffPath(ApplicationDirectory());
    ASSERT_FALSE(OrdinaryFileExists(path)) << "a hand-off file is in the way";
    // Seven fields, "\266" being the byte of "¶".
    std::ofstream(std::filesystem::path(path), std::ios::binary)
        << "0\266Ana\266h\2661\2664\2665\266Hola";

    std::optional<MessageWindow> window;
    const std::optional<FieldRecord> record = StartUp(window, ApplicationDirectory(), NoAnswer);

    EXPECT_FALSE(record.has_value());
    EXPECT_FALSE(window.has_value()) << "the window was destroyed, never shown";
    EXPECT_FALSE(::FindWindowW(nullptr, L"Tornavel - Mensaje")) << "no window is left";
    EXPECT_FALSE(OrdinaryFileExists(path)) << "the file was deleted";
    ::DeleteFileW(path.c_str());
}

// Without its own folder the start ends before it touches any file: one of
// the hand-off file's name at the root of the current drive is not ours.
TEST(StartupCleanUp, WithoutItsOwnFolderNoFileIsTouched) {
    ASSERT_TRUE(::SetCurrentDirectoryW(L"C:\\"));
    const std::wstring stranger = L"\\open.zelbarqin";
    std::ofstream(std::filesystem::path(stranger), std::ios::binary) << "0\266Ana";  // too short
    std::optional<MessageWindow> window;
    EXPECT_FALSE(StartUp(window, L"", NoAnswer).has_value());
    EXPECT_FALSE(window.has_value());
    EXPECT_TRUE(OrdinaryFileExists(stranger)) << "a file outside the program's folder was deleted";
    ::DeleteFileW(stranger.c_str());
}

}  // namespace
}  // namespace tornavel
