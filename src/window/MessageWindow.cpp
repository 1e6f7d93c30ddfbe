#include "window/MessageWindow.h"

#include "core/RuntimeError.h"
#include "util/BufferedPaint.h"
#include "util/SystemMessage.h"
#include "util/WindowIcons.h"
#include "window/WindowlessPainting.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelMensajeWindow";
constexpr std::int32_t kErrElementNotFound = 35601;

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

HWND CreateTextBox(HWND parent, const RECT& r, DWORD style, HFONT font) {
    HWND box = ::CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | style,
                                 r.left, r.top, r.right - r.left, r.bottom - r.top, parent, nullptr,
                                 ::GetModuleHandleW(nullptr), nullptr);
    if (box == nullptr) throw CreationFailure();
    ::SendMessageW(box, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return box;
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

    // Message: read-only but selectable, outside the tab order.
    messageBox_ = CreateTextBox(hwnd_, Pixels(kMessageBox), ES_READONLY | ES_AUTOVSCROLL,
                                MakeFont(kMessageFont, messageFont_));
    // Reply: editable, no length limit, first in the tab order.
    replyBox_ = CreateTextBox(hwnd_, Pixels(kReplyBox), ES_AUTOVSCROLL | WS_TABSTOP,
                              MakeFont(kReplyFont, replyFont_));
    ::SendMessageW(replyBox_, EM_SETLIMITTEXT, 0, 0);

    const bool made =
        closeButton_.Create(hwnd_, Pixels(kCloseButton), L"", true,
                            {kCloseBack, kCloseHoverBack, kButtonText, kButtonText},
                            MakeFont(kCloseFont, closeFont_),
                            [this](HDC dc, const RECT& client, COLORREF colour) {
                                PaintCloseGlyph(dc, client, colour, dpi_);
                            }) &&
        sendButton_.Create(hwnd_, Pixels(kSendButton), texts::kSendCaption, false,
                           {kSendBack, kSendBack, kButtonText, kButtonText},
                           MakeFont(kSendFont, sendFont_));
    if (!made) throw CreationFailure();
    closeButton_.OnClick([this] { callbacks_.close(); });
    sendButton_.OnClick([this] { SendAndEnd(); });
    MakeFont(kTitleFont, titleFont_);
    lastFocus_ = replyBox_;
}

void MessageWindow::Load() {
    SetWindowIcons(hwnd_, L"IconoAPL", true);
    handCursor_.Reset(static_cast<HCURSOR>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"CURHAND", IMAGE_CURSOR, 32, 32, 0)));
    if (!handCursor_)
        throw RuntimeError(kErrElementNotFound, L"No se encontr\u00F3 el elemento", L"ImageList");
    for (FlatButton* button : {&closeButton_, &sendButton_}) {
        button->SetMouseIcon(handCursor_.Get());
        button->SetMousePointer(FlatButton::kCustomPointer);
    }
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MessageWindow::SetTitle(std::wstring title) {
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
        case WM_MOUSEMOVE: {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const RECT label = Pixels(layout::kTitleLabel);
            if (::PtInRect(&label, at)) StartDragIfLeftButton(wParam);
            return 0;
        }
        case WM_ACTIVATE:
            // Give the focus back to the control that had it.
            if (LOWORD(wParam) == WA_INACTIVE) {
                HWND focus = ::GetFocus();
                if (focus != nullptr && ::IsChild(hwnd_, focus)) lastFocus_ = focus;
            } else if (lastFocus_ != nullptr) {
                ::SetFocus(lastFocus_);
            }
            return 0;
        case WM_DESTROY:
            // The program ends when its window is gone.
            ::PostQuitMessage(0);
            return 0;
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

bool MessageWindow::HandleKey(const MSG& msg) {
    constexpr wchar_t kEscape = 27;
    if (msg.message == WM_CHAR) {
        if (static_cast<wchar_t>(msg.wParam) == kEscape) EndProgram();
        return false;
    }
    if (msg.message != WM_KEYDOWN) return false;
    const bool shift = ::GetKeyState(VK_SHIFT) < 0;
    const bool control = ::GetKeyState(VK_CONTROL) < 0;
    if (msg.wParam == VK_TAB && !control) {
        MoveFocus(shift);
        return true;
    }
    // The send button is the default button: Enter presses it from any control
    // but the close button, which Enter presses when it has the focus. Ctrl+Enter
    // and Shift+Enter reach the reply box and type a line break.
    if (msg.wParam == VK_RETURN && !shift && !control) {
        (msg.hwnd == closeButton_.Handle() ? closeButton_ : sendButton_).Click();
        return true;
    }
    return false;
}

void MessageWindow::MoveFocus(bool backwards) {
    const HWND stops[] = {replyBox_, closeButton_.Handle()};  // in tab order
    const HWND focus = ::GetFocus();
    const std::size_t count = std::size(stops);
    std::size_t at = 0;
    while (at < count && stops[at] != focus) ++at;
    const std::size_t next = at == count ? 0 : (at + (backwards ? count - 1 : 1)) % count;
    ::SetFocus(stops[next]);
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
