// The exe's own icon, read from the file as Explorer, shortcuts and the file's
// properties read it: the first icon group of the resource directory.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "util/UniqueHandle.h"
#include "util/Win32.h"

#include <shellapi.h>

namespace tornavel {
namespace {

// The exe as Wine names it: the Unix root is drive Z:.
std::wstring ExePath() {
    std::wstring path = L"Z:";
    for (const char* c = TORNAVEL_EXE_PATH; *c != '\0'; ++c)
        path += *c == '/' ? L'\\' : static_cast<wchar_t>(*c);
    return path;
}

std::vector<std::wstring> IconGroupsInDirectoryOrder(HMODULE module) {
    std::vector<std::wstring> names;
    ::EnumResourceNamesW(
        module, RT_GROUP_ICON,
        [](HMODULE, LPCWSTR, LPWSTR name, LONG_PTR found) -> BOOL {
            auto* list = reinterpret_cast<std::vector<std::wstring>*>(found);
            list->push_back(IS_INTRESOURCE(name)
                                ? L"#" + std::to_wstring(reinterpret_cast<ULONG_PTR>(name))
                                : std::wstring(name));
            return TRUE;
        },
        reinterpret_cast<LONG_PTR>(&names));
    return names;
}

// Width of the icon and the colour of one pixel of it, as 0xRRGGBB.
struct IconLook {
    int width = 0;
    COLORREF pixel = 0;
};

IconLook LookOf(HICON icon, int x, int y) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return {};
    UniqueBitmap mask(info.hbmMask);
    UniqueBitmap colour(info.hbmColor);
    BITMAP bm{};
    ::GetObjectW(info.hbmColor, sizeof(bm), &bm);
    HDC dc = ::CreateCompatibleDC(nullptr);
    HGDIOBJ old = ::SelectObject(dc, info.hbmColor);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::SelectObject(dc, old);
    ::DeleteDC(dc);
    return {bm.bmWidth, static_cast<COLORREF>(GetRValue(c) << 16 | GetGValue(c) << 8 | GetBValue(c))};
}

TEST(ExeIcon, TheApplicationIconIsTheFirstIconGroupAndWhatTheShellExtracts) {
    const std::wstring exe = ExePath();
    HMODULE module = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    ASSERT_NE(module, nullptr) << "cannot read the exe";
    const std::vector<std::wstring> groups = IconGroupsInDirectoryOrder(module);
    ::FreeLibrary(module);
    EXPECT_EQ(groups, (std::vector<std::wstring>{L"ICONOAPL", L"#1"}))
        << "the application icon first, the generic one kept";

    HICON large = nullptr;
    HICON small = nullptr;
    ASSERT_EQ(::ExtractIconExW(exe.c_str(), 0, &large, &small, 1), 2u);
    UniqueIcon largeOwner(large);
    UniqueIcon smallOwner(small);
    // The speech bubbles' slate-grey square, at both sizes the shell asks for.
    const IconLook big = LookOf(large, 16, 2);
    EXPECT_EQ(big.width, 32);
    EXPECT_EQ(big.pixel, 0x607080u);
    const IconLook little = LookOf(small, 8, 1);
    EXPECT_EQ(little.width, 16);
    EXPECT_EQ(little.pixel, 0x607080u);
}

}  // namespace
}  // namespace tornavel
