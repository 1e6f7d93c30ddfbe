#include <memory>

#include "core/RuntimeError.h"
#include "window/MessageWindow.h"

// Laying the message window out at a dpi: positions, fonts, the hand pointer,
// and the move to a monitor of another scale.
namespace tornavel {
namespace {

void Place(HWND control, const RECT& r) {
    ::SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace

RECT MessageWindow::Pixels(const layout::TwipsRect& rect) const {
    return layout::ToPixels(rect, dpi_);
}

UniqueFont MessageWindow::MakeFont(const layout::FontDesign& design) const {
    return UniqueFont(::CreateFontW(-::MulDiv(design.centiPoints, dpi_, 7200), 0, 0, 0,
                                    design.weight, FALSE, FALSE, FALSE, ANSI_CHARSET,
                                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                    DEFAULT_PITCH | FF_DONTCARE, design.family));
}

void MessageWindow::ApplyDpi(int dpi) {
    using namespace layout;
    dpi_ = dpi;
    // The message box lays its text out again for a new size or font, all of
    // it at once: emptied first, it is laid out once, a piece at a time, when
    // it is filled again.
    ::SetWindowTextW(messageBox_, L"");
    Place(messageBox_, Pixels(kMessageBox));
    Place(replyBox_.Handle(), Pixels(kReplyBox));
    Place(closeButton_.Handle(), Pixels(kCloseButton));
    Place(sendButton_.Handle(), Pixels(kSendButton));
    // Each box holds its new font before the old one is deleted.
    UniqueFont message = MakeFont(kMessageFont);
    UniqueFont reply = MakeFont(kReplyFont);
    ::SendMessageW(messageBox_, WM_SETFONT, reinterpret_cast<WPARAM>(message.Get()), TRUE);
    ::SendMessageW(replyBox_.Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(reply.Get()), TRUE);
    messageFont_ = std::move(message);
    replyFont_ = std::move(reply);
    closeButton_.SetFont(MakeFont(kCloseFont));
    sendButton_.SetFont(MakeFont(kSendFont));
    titleFont_ = MakeFont(kTitleFont);
    FillMessageBox();
    if (loaded_) LoadHandCursor();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MessageWindow::LoadHandCursor() {
    const int size = ::MulDiv(32, dpi_, 96);
    // Both buttons share it; the old one goes when neither holds it any more.
    const auto hand = std::make_shared<const UniqueCursor>(static_cast<HCURSOR>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"CURHAND", IMAGE_CURSOR, size, size, 0)));
    if (!*hand)
        throw RuntimeError(kErrElementNotFound, texts::kElementNotFoundDescription,
                           texts::kImageListName);
    for (FlatButton* button : {&closeButton_, &sendButton_}) button->SetMouseIcon(hand);
}

void MessageWindow::OnDpiChanged(int dpi, const RECT* suggested) {
    if (dpi <= 0) return;
    // Without a usable suggestion: the size for the new dpi about the same centre.
    RECT now{};
    ::GetWindowRect(hwnd_, &now);
    const RECT target = suggested != nullptr && !::IsRectEmpty(suggested)
                            ? *suggested
                            : layout::WindowRectCentredIn(now, dpi);
    ApplyDpi(dpi);
    ::SetWindowPos(hwnd_, nullptr, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tornavel
