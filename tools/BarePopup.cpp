// bare-popup.exe: the floor that scripts/bench measures the program against:
// what any message pop-up must do to show. A top-most borderless window of the
// pop-up's size, two edit boxes and a line of text, in the layout's fonts.
#include "util/Win32.h"

namespace {

HFONT g_titleFont = nullptr;

LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT ps{};
        HDC dc = ::BeginPaint(hwnd, &ps);
        RECT title{0, 8, 492, 32};
        ::SelectObject(dc, g_titleFont);
        ::DrawTextW(dc, L"Ana Mart\u00EDnez", -1, &title, DT_CENTER | DT_SINGLELINE);
        ::EndPaint(hwnd, &ps);
        return 0;
    }
    if (message == WM_DESTROY) ::PostQuitMessage(0);
    return ::DefWindowProcW(hwnd, message, wParam, lParam);
}

HFONT Font(const wchar_t* family, int height, int weight) {
    return ::CreateFontW(-height, 0, 0, 0, weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, family);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof(wc);
    wc.lpfnWndProc = &WindowProc;
    wc.hInstance = instance;
    wc.hbrBackground = static_cast<HBRUSH>(::GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"BarePopup";
    ::RegisterClassExW(&wc);
    g_titleFont = Font(L"Open Sans Light", 16, 700);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - 492) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - 281) / 2;
    HWND hwnd = ::CreateWindowExW(WS_EX_TOPMOST, L"BarePopup", L"Bare pop-up", WS_POPUP, x, y, 492,
                                  281, nullptr, nullptr, instance, nullptr);
    const RECT boxes[] = {{18, 54, 473, 135}, {26, 156, 465, 199}};
    const HFONT fonts[] = {Font(L"Open Sans", 19, 400), Font(L"Open Sans Light", 15, 300)};
    for (int i = 0; i < 2; ++i) {
        const RECT& r = boxes[i];
        HWND box = ::CreateWindowExW(
            0, L"EDIT", i == 0 ? L"Hola" : L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE, r.left, r.top,
            r.right - r.left, r.bottom - r.top, hwnd, nullptr, instance, nullptr);
        ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(fonts[i]), FALSE);
    }
    ::ShowWindow(hwnd, SW_SHOWNORMAL);
    MSG msg{};
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
