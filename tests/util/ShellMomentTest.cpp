#include "util/ShellMoment.h"

#include <gtest/gtest.h>

#include <optional>

#include "util/Win32.h"

namespace tornavel {
namespace {

// The shell is loaded at the first question, kept while more may follow,
// and let go with the source.
TEST(ShellMoment, TheShellIsLoadedOnceForTheQuestionsOfAWait) {
    const auto loaded = [] { return ::GetModuleHandleW(L"shell32.dll") != nullptr; };
    ASSERT_FALSE(loaded()) << "this test program holds the shell itself";
    std::optional<MomentSource> ask(AskingTheShell());
    EXPECT_TRUE((*ask)().has_value() && loaded() && (*ask)().has_value() && loaded());
    ask.reset();
    EXPECT_FALSE(loaded());
}

}  // namespace
}  // namespace tornavel
