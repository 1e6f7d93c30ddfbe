#include "core/HandoffPath.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(HandoffPath, TheFileBesideTheExeWithOneBackslashAddedAlways) {
    // A drive root keeps its own separator, so two stand in a row.
    // clang-format off
    const std::pair<const wchar_t*, const wchar_t*> cases[] = {
        {L"C:\\TornavelMensaje.exe", L"C:\\\\open.zelbarqin"},
        {L"d:\\x.exe", L"d:\\\\open.zelbarqin"},
        {L"Z:/unix/style/a.exe", L"Z:/unix/style\\open.zelbarqin"},
        {L"C:\\Programas\\Tornavel\\a.exe", L"C:\\Programas\\Tornavel\\open.zelbarqin"},
        {L"\\\\servidor\\recurso\\a.exe", L"\\\\servidor\\recurso\\open.zelbarqin"},
        {L"a.exe", L""}, {L"", L""},  // no folder: no path
        {L"C:\\Con espacios\\\u00D1and\u00FA\\a.exe",
         L"C:\\Con espacios\\\u00D1and\u00FA\\open.zelbarqin"}};
    // clang-format on
    for (const auto& [exe, path] : cases) EXPECT_EQ(ComposeHandoffPath(DirectoryOf(exe)), path);
}

}  // namespace
}  // namespace tornavel
