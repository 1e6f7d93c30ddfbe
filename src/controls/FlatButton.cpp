#include "controls/FlatButton.h"

#include "core/SystemTexts.h"
#include "util/UniqueHandle.h"
#include "util/WindowText.h"

namespace tornavel {

bool FlatButton::Create(HWND parent, const std::wstring& name, bool paintName, bool tabStop,
                        PicturePainter picture) {
    paintName_ = paintName;
    picture_ = std::move(picture);
    DWORD style = WS_CHILD | WS_VISIBLE | BS_OWNERDRAW;
    if (tabStop) style |= WS_TABSTOP;
    hwnd_ = ::CreateWindowExW(0, L"BUTTON", name.c_str(), style, 0, 0, 0, 0, parent, nullptr,
                              ::GetModuleHandleW(nullptr), nullptr);
    if (hwnd_ == nullptr) return false;
    subclass_.Attach(hwnd_, texts::kButtonHandlerName,
                     [this](UINT message, WPARAM wParam, LPARAM lParam) {
                         return HandleMessage(message, wParam, lParam);
                     });
    return true;
}

void FlatButton::SetColours(const Colours& colours) {
    colours_ = colours;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void FlatButton::SetFont(UniqueFont font) {
    // The old font goes only here: the button selects a font only while it draws.
    font_ = std::move(font);
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

std::optional<LRESULT> FlatButton::HandleMessage(UINT message, WPARAM, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;  // Draw fills every pixel
        case WM_SETCURSOR:
            if (mouseIcon_ && *mouseIcon_ && LOWORD(lParam) == HTCLIENT) {
                ::SetCursor(mouseIcon_->Get());
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
            break;
        case WM_MOUSELEAVE:
            SetHover(false);
            break;
        case WM_UPDATEUISTATE:
            ::InvalidateRect(hwnd_, nullptr, FALSE);
            break;
        default:
            break;
    }
    return std::nullopt;
}

void FlatButton::SetHover(bool hover) {
    if (hover_ == hover) return;
    hover_ = hover;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void FlatButton::Draw(const DRAWITEMSTRUCT& item) const {
    HDC dc = item.hDC;
    const RECT& rect = item.rcItem;
    UniqueBrush back(::CreateSolidBrush(hover_ ? colours_.hoverBack : colours_.back));
    ::FillRect(dc, &rect, back.Get());
    const COLORREF fore = hover_ ? colours_.hoverText : colours_.text;
    if (picture_) picture_(dc, rect, fore);

    const std::wstring caption = paintName_ ? WindowText(hwnd_) : std::wstring();
    if (!caption.empty()) {
        const SelectedObject font(dc, font_.Get());
        const int oldMode = ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, fore);
        RECT text = rect;
        ::DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &text,
                    DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
        ::SetBkMode(dc, oldMode);
    }

    // The focus cue, as Windows shows it: only once the keyboard was used.
    const bool cuesHidden = (::SendMessageW(hwnd_, WM_QUERYUISTATE, 0, 0) & UISF_HIDEFOCUS) != 0;
    if ((item.itemState & ODS_FOCUS) != 0 && !cuesHidden) {
        RECT cue = rect;
        ::InflateRect(&cue, -3, -3);
        ::SetTextColor(dc, RGB(0, 0, 0));
        ::SetBkColor(dc, RGB(255, 255, 255));
        ::DrawFocusRect(dc, &cue);
    }
}

}  // namespace tornavel
