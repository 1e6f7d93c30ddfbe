// The program's icon, as Explorer reads it from the exe (the first icon group
// of the resource directory) and as the taskbar gets it from the window.
#include <gtest/gtest.h>

#include <string>

#include "util/UniqueHandle.h"
#include "util/Win32.h"
#include "util/WindowIcons.h"

#include <shellapi.h>

namespace tornavel {
namespace {

// Where `icon` is slate grey (the speech bubbles' square) at (x, y): its width.
int SlateWidth(HICON icon, int x, int y) {
    ICONINFO info{};
    if (!::GetIconInfo(icon, &info)) return 0;
    const UniqueBitmap mask(info.hbmMask), colour(info.hbmColor);
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof(bitmap), &bitmap);
    const UniqueMemoryDc dc(::CreateCompatibleDC(nullptr));
    const SelectedObject selected(dc.Get(), info.hbmColor);
    return ::GetPixel(dc.Get(), x, y) == RGB(96, 112, 128) ? bitmap.bmWidth : 0;
}

// Explorer shows the first icon group of the exe's resource directory; were
// the generic icon's group to sort first, it would show instead. Its six
// images are 32-bit bitmaps, none PNG, which resource tools of every age read.
TEST(ExeIcon, TheShellExtractsTheApplicationIconLargeAndSmallFromSixBitmaps) {
    std::wstring exe = L"Z:";  // the Unix root, as Wine names it
    for (const char* c = TORNAVEL_EXE_PATH; *c != '\0'; ++c) exe += *c == '/' ? L'\\' : *c;
    HICON large = nullptr, small = nullptr;
    ASSERT_EQ(::ExtractIconExW(exe.c_str(), 0, &large, &small, 1), 2u);
    const UniqueIcon owners[] = {UniqueIcon(large), UniqueIcon(small)};
    EXPECT_EQ(SlateWidth(large, 16, 2), 32);
    EXPECT_EQ(SlateWidth(small, 8, 1), 16);

    const HMODULE file = ::LoadLibraryExW(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    const auto resource = [&](LPCWSTR name, LPCWSTR type) {
        return ::LockResource(::LoadResource(file, ::FindResourceW(file, name, type)));
    };
    // A 6-byte head, then 14 bytes for each image: its width (0: 256) first, its id last.
    const auto* group = static_cast<const BYTE*>(resource(L"ICONOAPL", RT_GROUP_ICON));
    ASSERT_TRUE(group != nullptr && group[4] == 6);
    for (const BYTE* entry = group + 6; entry < group + 6 + 6 * 14; entry += 14) {
        const auto* image = static_cast<const BITMAPINFOHEADER*>(
            resource(MAKEINTRESOURCEW(entry[12] | entry[13] << 8), RT_ICON));  // PNG: "\x89PNG"
        EXPECT_TRUE(image->biSize == 40 && image->biBitCount == 32) << "width " << int{entry[0]};
    }
    ::FreeLibrary(file);
}

// This test program carries the program's resources. (From another process,
// as a probe would ask, Wine answers WM_GETICON with no icon.)
TEST(WindowIcons, TheWindowGetsTheApplicationIconLargeAndSmall) {
    HWND window = ::CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                    nullptr, nullptr);
    SetWindowIcons(window, L"IconoAPL");
    const auto icon = [&](WPARAM kind) {
        return reinterpret_cast<HICON>(::SendMessageW(window, WM_GETICON, kind, 0));
    };
    EXPECT_EQ(SlateWidth(icon(ICON_BIG), 16, 2), ::GetSystemMetrics(SM_CXICON));
    EXPECT_EQ(SlateWidth(icon(ICON_SMALL), 8, 1), ::GetSystemMetrics(SM_CXSMICON));
    ::DestroyWindow(window);
}

}  // namespace
}  // namespace tornavel
