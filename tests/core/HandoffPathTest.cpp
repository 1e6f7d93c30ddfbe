#include "core/HandoffPath.h"

#include <gtest/gtest.h>

namespace tornavel {
namespace {

TEST(DirectoryOf, DropsTheFileNameAndTrailingSeparator) {
    struct Case {
        const wchar_t* exe;
        const wchar_t* directory;
    };
    const Case cases[] = {
        {L"C:\\Programas\\Tornavel\\TornavelMensaje.exe", L"C:\\Programas\\Tornavel"},
        {L"C:\\TornavelMensaje.exe", L"C:\\"},
        {L"d:\\x.exe", L"d:\\"},
        {L"\\\\servidor\\recurso\\TornavelMensaje.exe", L"\\\\servidor\\recurso"},
        {L"C:\\Carpeta con espacios\\\u00D1and\u00FA\\a.exe",
         L"C:\\Carpeta con espacios\\\u00D1and\u00FA"},
        {L"Z:/unix/style/a.exe", L"Z:/unix/style"},
    };
    for (const Case& c : cases) EXPECT_EQ(DirectoryOf(c.exe), c.directory);
}

TEST(ComposeHandoffPath, AppendsOneBackslashUnconditionally) {
    EXPECT_EQ(ComposeHandoffPath(L"C:\\Programas\\Tornavel"),
              L"C:\\Programas\\Tornavel\\open.zelbarqin");
    // A drive root keeps its own separator, so two stand in a row.
    EXPECT_EQ(ComposeHandoffPath(L"C:\\"), L"C:\\\\open.zelbarqin");
    EXPECT_EQ(ComposeHandoffPath(DirectoryOf(L"E:\\TornavelMensaje.exe")), L"E:\\\\open.zelbarqin");
}

}  // namespace
}  // namespace tornavel
