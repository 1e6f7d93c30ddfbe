#include "window/MessageWindow.h"

#include "core/MessageText.h"
#include "core/RuntimeError.h"
#include "util/AccessibleName.h"
#include "util/BufferedPaint.h"
#include "util/SystemMessage.h"
#include "util/WindowIcons.h"
#include "window/WindowlessPainting.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelMensajeWindow";
constexpr std::int32_t kErrElementNotFound = 35601;
// A second or more between keystrokes ends a typing burst.
constexpr DWORD kBurstGapMs = 1000;

RuntimeError CreationFailure() {
    const DWORD code = ::GetLastError();
    return RuntimeError(static_cast<std::int32_t>(code), SystemErrorText(code),
                        texts::kApplicationName);
}

int ScreenDpi() {
    HDC screen = ::GetDC(nullptr);
    const int dpi = ::GetDeviceCaps(screen, LOGPIXELSY);
    ::ReleaseDC(nullptr, screen);
    return dpi > 0 ? dpi : 96;
}

HWND CreateTextBox(HWND parent, DWORD style) {
    HWND box = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | style, 0,
                                 0, 0, 0, parent, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (box == nullptr) throw CreationFailure();
    return box;
}

void Place(HWND control, const RECT& r) {
    ::SetWindowPos(control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
}

bool IsBlank(std::wstring_view text) {
    return text.find_first_not_of(L' ') == std::wstring_view::npos;
}

// Ends the program at once: no further handler runs, the window's unload
// included.
[[noreturn]] void EndProgram() noexcept { ::ExitProcess(0); }

}  // namespace

MessageWindow::MessageWindow(Callbacks callbacks) : callbacks_(std::move(callbacks)) {
    if (!RegisterOwnedWindowClass<MessageWindow>(kClassName)) throw CreationFailure();
    dpi_ = ScreenDpi();
    const int width = layout::ToPixels(layout::kWindowWidthTwips, dpi_);
    const int height = layout::ToPixels(layout::kWindowHeightTwips, dpi_);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // A popup without border or caption: its outer size is its client size.
    ::CreateWindowExW(WS_EX_APPWINDOW, kClassName, texts::kWindowCaption,
                      WS_POPUP | WS_CLIPCHILDREN, x, y, width, height, nullptr, nullptr,
                      ::GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) throw CreationFailure();
    try {
        CreateControls();
        // On a monitor whose dpi is not the system's, the window takes that
        // monitor's dpi from the start.
        if (const int own = static_cast<int>(::GetDpiForWindow(hwnd_)); own > 0 && own != dpi_)
            OnDpiChanged(own, nullptr);
        // Keyboard cues stay hidden until the keyboard is used.
        ::SendMessageW(hwnd_, WM_CHANGEUISTATE,
                       MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS | UISF_HIDEACCEL), 0);
    } catch (...) {
        // No destructor runs for a half-built object: take the window down here.
        Destroy();
        throw;
    }
}

MessageWindow::~MessageWindow() { Destroy(); }

void MessageWindow::Destroy() noexcept {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

RECT MessageWindow::Pixels(const layout::TwipsRect& rect) const {
    return layout::ToPixels(rect, dpi_);
}

HFONT MessageWindow::MakeFont(const layout::FontDesign& design, UniqueFont& owner) const {
    owner.Reset(::CreateFontW(-::MulDiv(design.centiPoints, dpi_, 7200), 0, 0, 0, design.weight,
                              FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              design.family));
    return owner.Get();
}

void MessageWindow::CreateControls() {
    using namespace layout;
    windowBack_.Reset(::CreateSolidBrush(kWindowBack));
    replyBack_.Reset(::CreateSolidBrush(kReplyBack));

    // Message: read-only but selectable, outside the tab order. Reply:
    // editable, no length limit, first in the tab order. Screen readers get a
    // name for each.
    messageBox_ = CreateTextBox(hwnd_, ES_READONLY | ES_AUTOVSCROLL);
    replyBox_ = CreateTextBox(hwnd_, ES_AUTOVSCROLL | WS_TABSTOP);
    ::SendMessageW(replyBox_, EM_SETLIMITTEXT, 0, 0);
    messageBoxSubclass_.Attach(
        messageBox_, kHandlerName, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_GETOBJECT
                       ? AnswerWithName(messageBox_, wParam, lParam, messageBoxName_)
                       : std::nullopt;
        });
    replyBoxSubclass_.Attach(
        replyBox_, kHandlerName, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_GETOBJECT
                       ? AnswerWithName(replyBox_, wParam, lParam, texts::kReplyBoxName)
                       : std::nullopt;
        });

    // The close button shows its cross, and says its name.
    const bool made = closeButton_.Create(hwnd_, {}, texts::kCloseButtonName, false, true,
                                          {kCloseBack, kCloseHoverBack, kButtonText, kButtonText},
                                          [this](HDC dc, const RECT& rect, COLORREF colour) {
                                              PaintCloseGlyph(dc, rect, colour, dpi_);
                                          }) &&
                      sendButton_.Create(hwnd_, {}, texts::kSendCaption, true, false,
                                         {kSendBack, kSendBack, kButtonText, kButtonText});
    if (!made) throw CreationFailure();
    closeButton_.OnClick([this] { callbacks_.close(); });
    sendButton_.OnClick([this] { SendAndEnd(); });
    ApplyDpi(dpi_);
    lastFocus_ = replyBox_;
}

void MessageWindow::ApplyDpi(int dpi) {
    using namespace layout;
    dpi_ = dpi;
    Place(messageBox_, Pixels(kMessageBox));
    Place(replyBox_, Pixels(kReplyBox));
    Place(closeButton_.Handle(), Pixels(kCloseButton));
    Place(sendButton_.Handle(), Pixels(kSendButton));
    ::SendMessageW(messageBox_, WM_SETFONT,
                   reinterpret_cast<WPARAM>(MakeFont(kMessageFont, messageFont_)), TRUE);
    ::SendMessageW(replyBox_, WM_SETFONT,
                   reinterpret_cast<WPARAM>(MakeFont(kReplyFont, replyFont_)), TRUE);
    closeButton_.SetFont(MakeFont(kCloseFont, closeFont_));
    sendButton_.SetFont(MakeFont(kSendFont, sendFont_));
    MakeFont(kTitleFont, titleFont_);
    if (handCursor_) LoadHandCursor();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MessageWindow::LoadHandCursor() {
    const int size = ::MulDiv(32, dpi_, 96);
    UniqueCursor hand(static_cast<HCURSOR>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"CURHAND", IMAGE_CURSOR, size, size, 0)));
    if (!hand)
        throw RuntimeError(kErrElementNotFound, L"No se encontr\u00F3 el elemento", L"ImageList");
    for (FlatButton* button : {&closeButton_, &sendButton_}) {
        button->SetMouseIcon(hand.Get());
        button->SetMousePointer(FlatButton::kCustomPointer);
    }
    // The buttons hold the new cursor before the old one goes.
    handCursor_ = std::move(hand);
}

void MessageWindow::OnDpiChanged(int dpi, const RECT* suggested) {
    if (dpi <= 0) return;
    RECT target{};
    if (suggested != nullptr && !::IsRectEmpty(suggested)) {
        target = *suggested;
    } else {
        // No usable suggestion: the size for the new dpi about the same centre.
        RECT now{};
        ::GetWindowRect(hwnd_, &now);
        const int width = layout::ToPixels(layout::kWindowWidthTwips, dpi);
        const int height = layout::ToPixels(layout::kWindowHeightTwips, dpi);
        target = {(now.left + now.right - width) / 2, (now.top + now.bottom - height) / 2, 0, 0};
        target.right = target.left + width;
        target.bottom = target.top + height;
    }
    ApplyDpi(dpi);
    ::SetWindowPos(hwnd_, nullptr, target.left, target.top, target.right - target.left,
                   target.bottom - target.top, SWP_NOZORDER | SWP_NOACTIVATE);
}

void MessageWindow::Load() {
    SetWindowIcons(hwnd_, L"IconoAPL", true);
    LoadHandCursor();
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MessageWindow::SetTitle(std::wstring title) {
    messageBoxName_ = MessageBoxName(title);
    title_ = std::move(title);
    const RECT label = Pixels(layout::kTitleLabel);
    ::InvalidateRect(hwnd_, &label, FALSE);
}

void MessageWindow::SetMessage(const std::wstring& text) {
    ::SetWindowTextW(messageBox_, text.c_str());
}

std::wstring MessageWindow::ReplyText() const {
    const int length = ::GetWindowTextLengthW(replyBox_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(replyBox_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void MessageWindow::Show() {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::SetFocus(lastFocus_);
}

bool MessageWindow::PreTranslate(const MSG& msg) noexcept {
    if (hwnd_ == nullptr) return false;
    if (msg.hwnd != hwnd_ && !::IsChild(hwnd_, msg.hwnd)) return false;
    return Guarded(texts::kKeyHandlerName, false, [&] { return HandleKey(msg); });
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            BufferedPaint paint(hwnd_);
            Paint(paint.Dc(), paint.Client());
            return 0;
        }
        case WM_CTLCOLORSTATIC:  // the read-only message box
        case WM_CTLCOLOREDIT: {
            const bool reply = reinterpret_cast<HWND>(lParam) == replyBox_;
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, layout::kWindowFore);
            ::SetBkColor(dc, reply ? layout::kReplyBack : layout::kWindowBack);
            return reinterpret_cast<LRESULT>(reply ? replyBack_.Get() : windowBack_.Get());
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            for (const FlatButton* button : {&closeButton_, &sendButton_})
                if (item.hwndItem == button->Handle()) button->Draw(item);
            return TRUE;
        }
        case WM_COMMAND:
            for (FlatButton* button : {&closeButton_, &sendButton_}) {
                if (HIWORD(wParam) == BN_CLICKED &&
                    reinterpret_cast<HWND>(lParam) == button->Handle())
                    button->Click();
            }
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouseButton(message, lParam);
            return 0;
        case WM_MOUSEMOVE:
            if (pressedOnTitle_) StartDragIfLeftButton(wParam);
            return 0;
        case WM_CAPTURECHANGED:
            pressedOnTitle_ = false;
            return 0;
        case WM_DPICHANGED:
            OnDpiChanged(HIWORD(wParam), reinterpret_cast<const RECT*>(lParam));
            return 0;
        case WM_ACTIVATE:
            // Give the focus back to the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
            } else {
                if (lastFocus_ != nullptr) ::SetFocus(lastFocus_);
                inTypingBurst_ = true;
                lastKeyTime_ = ::GetTickCount();
            }
            return 0;
        case WM_DESTROY:
            // The program ends when its window is gone.
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool MessageWindow::HandleKey(const MSG& msg) {
    constexpr wchar_t kEscape = 27;
    if (msg.message == WM_CHAR) {
        if (static_cast<wchar_t>(msg.wParam) == kEscape) EndProgram();
        return false;
    }
    if (msg.message != WM_KEYDOWN) return false;
    const bool inBurst = InTypingBurst(msg.time);
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (msg.wParam == VK_TAB && !control) {
        MoveFocus(shift);
        return true;
    }
    if (msg.wParam != VK_RETURN || shift || control) return false;
    // Ctrl+Enter and Shift+Enter reach the reply box and type a line break.
    // Enter presses the close button when it has the focus; elsewhere the
    // send button (the default button), unless it was meant for another
    // window or there is nothing to send.
    if (msg.hwnd == closeButton_.Handle()) {
        closeButton_.Click();
    } else if (!inBurst && !IsBlank(ReplyText())) {
        sendButton_.Click();
    }
    return true;
}

bool MessageWindow::InTypingBurst(DWORD time) {
    if (time - lastKeyTime_ >= kBurstGapMs) inTypingBurst_ = false;
    lastKeyTime_ = time;
    return inTypingBurst_;
}

void MessageWindow::MoveFocus(bool backwards) {
    const HWND stops[] = {replyBox_, closeButton_.Handle()};  // in tab order
    const HWND focus = ::GetFocus();
    const std::size_t count = std::size(stops);
    std::size_t at = 0;
    while (at < count && stops[at] != focus) ++at;
    const std::size_t next = at == count ? 0 : (at + (backwards ? count - 1 : 1)) % count;
    // The keyboard is in use: from now on the focus shows.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(stops[next]);
}

void MessageWindow::OnMouseButton(UINT message, LPARAM lParam) {
    // The window keeps the mouse from a press to the last release, wherever
    // the pointer goes; only a press on the title label may start a drag.
    if (message == WM_LBUTTONDOWN || message == WM_RBUTTONDOWN || message == WM_MBUTTONDOWN) {
        if (::GetCapture() == hwnd_) return;
        ::SetCapture(hwnd_);
        const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        const RECT label = Pixels(layout::kTitleLabel);
        pressedOnTitle_ = ::PtInRect(&label, at) != FALSE;
        return;
    }
    const bool anyDown = ::GetKeyState(VK_LBUTTON) < 0 || ::GetKeyState(VK_RBUTTON) < 0 ||
                         ::GetKeyState(VK_MBUTTON) < 0;
    if (!anyDown && ::GetCapture() == hwnd_) ::ReleaseCapture();
}

void MessageWindow::Paint(HDC dc, const RECT& client) const {
    using namespace layout;
    ::FillRect(dc, &client, windowBack_.Get());
    // Back to front: the frame round the whole window, title bar, title, reply border.
    PaintShape(dc, client, {kWindowBack, kFrameLine, std::nullopt});
    PaintShape(dc, Pixels(kTitleBar), {kTitleBarFill, kTitleBarFill, kTitleBarHatch});
    PaintLabel(dc, Pixels(kTitleLabel), title_, titleFont_.Get(), kTitleText);
    PaintShape(dc, Pixels(kReplyBorder), {kReplyBack, kFrameLine, std::nullopt});
}

void MessageWindow::StartDragIfLeftButton(WPARAM buttons) {
    // Exactly the left button: let the system move the window as if its
    // caption bar had been pressed. Returns when the button is released.
    if ((buttons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != MK_LBUTTON) return;
    ::ReleaseCapture();
    ::SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void MessageWindow::SendAndEnd() {
    // Sent as typed; the sender trims it itself.
    const std::wstring reply = ReplyText();
    if (!IsBlank(reply)) callbacks_.sendReply(reply);
    EndProgram();
}

}  // namespace tornavel
