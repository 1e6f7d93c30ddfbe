#include "controls/FlatButton.h"

#include "util/BufferedPaint.h"
#include "util/WindowDispatch.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelFlatButton";

}  // namespace

bool FlatButton::Create(HWND parent, const RECT& rect, const std::wstring& caption, bool tabStop,
                        const Colours& colours, HFONT font, PicturePainter picture) {
    if (!RegisterOwnedWindowClass<FlatButton>(kClassName, CS_HREDRAW | CS_VREDRAW)) return false;
    colours_ = colours;
    font_ = font;
    picture_ = std::move(picture);
    DWORD style = WS_CHILD | WS_VISIBLE;
    if (tabStop) style |= WS_TABSTOP;
    return ::CreateWindowExW(0, kClassName, caption.c_str(), style, rect.left, rect.top,
                             rect.right - rect.left, rect.bottom - rect.top, parent, nullptr,
                             ::GetModuleHandleW(nullptr), this) != nullptr;
}

void FlatButton::Click() {
    if (onClick_) onClick_();
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
            if (mousePointer_ == kCustomPointer && mouseIcon_ != nullptr &&
                LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(mouseIcon_);
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
        case WM_NCDESTROY: {
            const HWND hwnd = hwnd_;
            hwnd_ = nullptr;
            return ::DefWindowProcW(hwnd, message, wParam, lParam);
        }
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

    if (picture_) picture_(dc, client, hover_ ? colours_.hoverText : colours_.text);

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
