#include "startup/ProcessHardening.h"

#include <gtest/gtest.h>

#include "util/UniqueHandle.h"

namespace tornavel {
namespace {

// tornavel_planted.dll lies beside this test program.
TEST(ProcessHardening, ADllBesideTheExeLoadsByNameBeforeAndNeverAfter) {
    ASSERT_NE(UniqueModule(::LoadLibraryW(L"tornavel_planted.dll")).Get(), nullptr)
        << "the planted DLL must load at first, or nothing is shown";

    HardenProcess();

    EXPECT_EQ(::LoadLibraryW(L"tornavel_planted.dll"), nullptr)
        << "loaded from the exe's folder after hardening";
    EXPECT_NE(UniqueModule(::LoadLibraryW(L"version.dll")).Get(), nullptr)
        << "System32's DLLs still load";
}

}  // namespace
}  // namespace tornavel
