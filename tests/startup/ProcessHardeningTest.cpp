#include "startup/ProcessHardening.h"

#include <gtest/gtest.h>

#include "util/Win32.h"

namespace tornavel {
namespace {

// tornavel_planted.dll lies beside this test program.
TEST(ProcessHardening, ADllBesideTheExeLoadsByNameBeforeAndNeverAfter) {
    HMODULE planted = ::LoadLibraryW(L"tornavel_planted.dll");
    ASSERT_NE(planted, nullptr) << "the planted DLL must load at first, or nothing is shown";
    ::FreeLibrary(planted);

    HardenProcess();

    planted = ::LoadLibraryW(L"tornavel_planted.dll");
    EXPECT_EQ(planted, nullptr) << "loaded from the exe's folder after hardening";
    if (planted != nullptr) ::FreeLibrary(planted);
    HMODULE system = ::LoadLibraryW(L"version.dll");
    EXPECT_NE(system, nullptr) << "System32's DLLs still load";
    if (system != nullptr) ::FreeLibrary(system);
}

}  // namespace
}  // namespace tornavel
