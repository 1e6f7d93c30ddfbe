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

    EXPECT_EQ(::LoadLibraryW(L"tornavel_planted.dll"), nullptr)
        << "loaded from the exe's folder after hardening";
    HMODULE system = ::LoadLibraryW(L"version.dll");
    EXPECT_NE(system, nullptr) << "System32's DLLs still load";
    if (system != nullptr) ::FreeLibrary(system);
}

}  // namespace
}  // namespace tornavel
