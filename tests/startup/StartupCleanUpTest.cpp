#include <gtest/gtest.h>

#include "TempFolder.h"
#include "controls/TextFileReader.h"
#include "core/HandoffPath.h"
#include "startup/APLmMain.h"
#include "startup/ApplicationDirectory.h"
#include "window/APLwAPP.h"

namespace tornavel {
namespace {

// This test program carries none of the program's resources: its image list
// has no "curHand" picture, so loading the window fails inside the start-up,
// as a broken build would.
TEST(StartupCleanUp, FailureWhileLoadingTheWindowDeletesTheFileAndUnloadsIt) {
    const std::wstring path = ComposeHandoffPath(ApplicationDirectory());
    ASSERT_FALSE(OrdinaryFileExists(path)) << "a hand-off file is in the way";
    testing::WriteBytes(path,
                        "0\xB6"
                        "Ana\xB6"
                        "h\xB6"
                        "1\xB6"
                        "4\xB6"
                        "5\xB6"
                        "Hola");

    APLmMain();

    EXPECT_FALSE(APLwAPP::IsLoaded()) << "the window was unloaded, never shown";
    EXPECT_FALSE(OrdinaryFileExists(path)) << "the file was deleted";
    ::DeleteFileW(path.c_str());
}

}  // namespace
}  // namespace tornavel
