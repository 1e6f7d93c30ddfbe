#include "controls/FlatButton.h"

#include "util/BufferedPaint.h"
#include "util/WindowDispatch.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelFlatButton";

void RegisterClassOnce() {
    static const ATOM atom = [] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.style = CS_HREDRAW | CS_VREDRAW;
        wc.lpfnWndProc = ::DefWindowProcW;  // replaced per window at creation
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc);
    }();
    (void)atom;
}

}  // namespace

void FlatButton::Create(HWND parent, const RECT& rect, const std::wstring& caption, bool tabStop,
                        const Colours& colours, HFONT font, HICON picture) {
    RegisterClassOnce();
    colours_ = colours;
    font_ = font;
    picture_ = picture;
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (tabStop) style |= WS_TABSTOP;
    hwnd_ = ::CreateWindowExW(0, kClassName, caption.c_str(), style, rect.left, rect.top,
                              rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return;
    ::SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    ::SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&FlatButton::WindowProc));
}

void FlatButton::Click() {
    if (onClick_) onClick_();
}

void FlatButton::SetMouseIcon(HICON picture) {
    mouseIcon_.Reset();
    if (picture == nullptr) return;
    // A cursor made from the picture, its hot spot where the pointer points:
    // the middle column, on the picture's first row that holds anything.
    ICONINFO info{};
    if (!::GetIconInfo(picture, &info)) return;
    UniqueBitmap mask(info.hbmMask);
    UniqueBitmap colour(info.hbmColor);
    BITMAP bm{};
    ::GetObjectW(info.hbmMask, sizeof(bm), &bm);
    DWORD hotX = static_cast<DWORD>(bm.bmWidth / 2);
    DWORD hotY = 0;
    if (HDC dc = ::CreateCompatibleDC(nullptr)) {
        HGDIOBJ old = ::SelectObject(dc, info.hbmMask);
        const int height = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        for (int y = 0; y < height; ++y) {
            bool found = false;
            for (int x = 0; x < bm.bmWidth && !found; ++x)
                found = ::GetPixel(dc, x, y) == RGB(0, 0, 0);
            if (found) {
                hotY = static_cast<DWORD>(y);
                break;
            }
        }
        ::SelectObject(dc, old);
        ::DeleteDC(dc);
    }
    ICONINFO cursor{FALSE, hotX, hotY, info.hbmMask, info.hbmColor};
    mouseIcon_.Reset(::CreateIconIndirect(&cursor));
}

LRESULT CALLBACK FlatButton::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                        LPARAM lParam) noexcept {
    return DispatchToOwner(hwnd, message, wParam, lParam, L"FlatButton",
                           &FlatButton::HandleMessage);
}

LRESULT FlatButton::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            BufferedPaint paint(hwnd_);
            Paint(paint.Dc(), paint.Client());
            return 0;
        }
        case WM_SETCURSOR:
            if (mousePointer_ == kCustomPointer && mouseIcon_ && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(mouseIcon_.Get());
                return TRUE;
            }
            break;
        case WM_MOUSEMOVE:
            if (!hover_) {
                TRACKMOUSEEVENT track{};
                track.cbSize = sizeof(track);
                track.dwFlags = TME_LEAVE;
                track.hwndTrack = hwnd_;
                ::TrackMouseEvent(&track);
                SetHover(true);
            }
            return 0;
        case WM_MOUSELEAVE:
            SetHover(false);
            return 0;
        case WM_LBUTTONDOWN:
            pressed_ = true;
            ::SetCapture(hwnd_);
            return 0;
        case WM_LBUTTONUP: {
            const bool wasPressed = pressed_;
            pressed_ = false;
            ::ReleaseCapture();
            RECT client{};
            ::GetClientRect(hwnd_, &client);
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            if (wasPressed && ::PtInRect(&client, at)) Click();
            return 0;
        }
        case WM_CAPTURECHANGED:
            pressed_ = false;
            return 0;
        case WM_GETDLGCODE:
            return DLGC_BUTTON;
        case WM_KEYUP:
            if (wParam == VK_SPACE) {
                Click();
                return 0;
            }
            break;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
        case WM_ENABLE:
            ::InvalidateRect(hwnd_, nullptr, FALSE);
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void FlatButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void FlatButton::Paint(HDC dc, const RECT& client) const {
    UniqueBrush back(::CreateSolidBrush(hover_ ? colours_.hoverBack : colours_.back));
    ::FillRect(dc, &client, back.Get());

    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (picture_ != nullptr) {
        // The picture's own mask keeps the back colour around it.
        ICONINFO info{};
        int pw = 0;
        int ph = 0;
        if (::GetIconInfo(picture_, &info)) {
            BITMAP bm{};
            ::GetObjectW(info.hbmMask, sizeof(bm), &bm);
            pw = bm.bmWidth;
            ph = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
            if (info.hbmMask) ::DeleteObject(info.hbmMask);
            if (info.hbmColor) ::DeleteObject(info.hbmColor);
        }
        ::DrawIconEx(dc, (width - pw) / 2, (height - ph) / 2, picture_, pw, ph, 0, nullptr,
                     DI_NORMAL);
    }

    const int length = ::GetWindowTextLengthW(hwnd_);
    if (length > 0) {
        std::wstring caption(static_cast<std::size_t>(length) + 1, L'\0');
        caption.resize(static_cast<std::size_t>(
            ::GetWindowTextW(hwnd_, caption.data(), static_cast<int>(caption.size()))));
        HGDIOBJ oldFont = ::SelectObject(dc, font_);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, hover_ ? colours_.hoverText : colours_.text);
        RECT text = client;
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        ::SelectObject(dc, oldFont);
    }
}

}  // namespace tornavel
