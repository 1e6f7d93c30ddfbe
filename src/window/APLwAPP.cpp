#include "window/APLwAPP.h"

#include "core/RuntimeError.h"
#include "reply/APLmFunciones.h"
#include "util/BufferedPaint.h"
#include "util/HandlerGuard.h"
#include "util/SystemMessage.h"
#include "util/TIVUTLmFunciones.h"
#include "util/WindowDispatch.h"
#include "window/WindowlessPainting.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelMensajeWindow";

std::unique_ptr<APLwAPP> g_defaultInstance;

RuntimeError CreationFailure() {
    const DWORD code = ::GetLastError();
    return RuntimeError(static_cast<std::int32_t>(code), SystemErrorText(code), kApplicationName);
}

void RegisterClassOnce(WNDPROC proc) {
    static const ATOM atom = [proc] {
        WNDCLASSEXW wc{};
        wc.cbSize = sizeof(wc);
        wc.lpfnWndProc = proc;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kClassName;
        return ::RegisterClassExW(&wc);
    }();
    if (atom == 0) throw CreationFailure();
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

}  // namespace

[[noreturn]] void EndProgram() noexcept { ::ExitProcess(0); }

APLwAPP& APLwAPP::Instance() {
    if (!IsLoaded()) {
        g_defaultInstance.reset();
        g_defaultInstance = std::make_unique<APLwAPP>();
        g_defaultInstance->Form_Load();
    }
    return *g_defaultInstance;
}

bool APLwAPP::IsLoaded() noexcept { return g_defaultInstance && g_defaultInstance->hwnd_; }

void APLwAPP::Unload() noexcept {
    if (IsLoaded()) ::DestroyWindow(g_defaultInstance->hwnd_);
}

bool APLwAPP::PreTranslate(const MSG& msg) noexcept {
    if (!IsLoaded()) return false;
    APLwAPP& window = *g_defaultInstance;
    if (msg.hwnd != window.hwnd_ && !::IsChild(window.hwnd_, msg.hwnd)) return false;
    return Guarded(L"Form_KeyPress", false, [&] { return window.HandleKey(msg); });
}

APLwAPP::APLwAPP() {
    RegisterClassOnce(&APLwAPP::WindowProc);
    dpi_ = ScreenDpi();
    const int width = layout::ToPixels(layout::kWindowWidthTwips, dpi_);
    const int height = layout::ToPixels(layout::kWindowHeightTwips, dpi_);
    const int x = (::GetSystemMetrics(SM_CXSCREEN) - width) / 2;
    const int y = (::GetSystemMetrics(SM_CYSCREEN) - height) / 2;
    // A popup without border or caption: its outer size is its client size.
    ::CreateWindowExW(WS_EX_APPWINDOW, kClassName, layout::kCaption, WS_POPUP | WS_CLIPCHILDREN, x,
                      y, width, height, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
    if (hwnd_ == nullptr) throw CreationFailure();
    try {
        CreateControls();
    } catch (...) {
        // No destructor runs for a half-built object: take the window down here.
        ::DestroyWindow(hwnd_);
        throw;
    }
}

APLwAPP::~APLwAPP() {
    if (hwnd_ != nullptr) ::DestroyWindow(hwnd_);
}

RECT APLwAPP::Pixels(std::size_t control) const {
    return layout::ToPixels(layout::kControls[control].rect, dpi_);
}

HFONT APLwAPP::MakeFont(const layout::FontDesign& design, UniqueFont& owner) const {
    owner.Reset(::CreateFontW(-::MulDiv(design.centiPoints, dpi_, 7200), 0, 0, 0, design.weight,
                              FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_DEFAULT_PRECIS,
                              CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, DEFAULT_PITCH | FF_DONTCARE,
                              design.family));
    return owner.Get();
}

void APLwAPP::CreateControls() {
    using namespace layout;
    windowBack_.Reset(::CreateSolidBrush(kWindowBack));
    replyBack_.Reset(::CreateSolidBrush(kReplyBack));
    frame_ = Pixels(kFormMCO);

    // Message: read-only but selectable, outside the tab order.
    mensajeTXT_ = CreateTextBox(hwnd_, Pixels(kMensajeTXT), ES_READONLY | ES_AUTOVSCROLL,
                                MakeFont(kMessageFont, messageFont_));
    // Reply: editable, no length limit, first in the tab order.
    itemText_ = CreateTextBox(hwnd_, Pixels(kItemText), ES_AUTOVSCROLL | WS_TABSTOP,
                              MakeFont(kReplyFont, replyFont_));
    ::SendMessageW(itemText_, EM_SETLIMITTEXT, 0, 0);

    closeGlyph_.Reset(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"CLOSEGLYPH", IMAGE_ICON, 24, 24, 0)));
    formCerrar_.Create(hwnd_, Pixels(kFormCerrar), L"", true,
                       {kCloseBack, kCloseHoverBack, kButtonText, kButtonText},
                       MakeFont(kCloseFont, closeFont_), closeGlyph_.Get());
    botonAceptar_.Create(hwnd_, Pixels(kBotonAceptar), kSendCaption, false,
                         {kSendBack, kSendBack, kButtonText, kButtonText},
                         MakeFont(kSendFont, sendFont_), nullptr);
    if (!formCerrar_.Handle() || !botonAceptar_.Handle()) throw CreationFailure();
    formCerrar_.OnClick([this] { FormCerrar_Click(); });
    botonAceptar_.OnClick([this] { BotonAceptar_Click(); });
    mensajeriaWSK_SEND_.OnError(
        [this](DatagramSocket::ErrorEvent& e) { MensajeriaWSK_SEND_Error(e); });
    MakeFont(kTitleFont, titleFont_);

    // An exe without the picture leaves the list without it, and the load fails.
    UniqueIcon hand(static_cast<HICON>(
        ::LoadImageW(::GetModuleHandleW(nullptr), L"CURHAND", IMAGE_ICON, 32, 32, 0)));
    if (hand) ico48x48_.Add(L"curHand", std::move(hand));

    for (const ControlDesign& design : kControls) {
        FlatButton* button = nullptr;
        if (design.name == kControls[kFormCerrar].name) button = &formCerrar_;
        if (design.name == kControls[kBotonAceptar].name) button = &botonAceptar_;
        controls_.push_back({design.name, design.kind, button});
    }
    lastFocus_ = itemText_;
}

void APLwAPP::SetTitle(std::wstring title) {
    title_ = std::move(title);
    const RECT label = Pixels(layout::kFormBarraTituloTXT);
    ::InvalidateRect(hwnd_, &label, FALSE);
}

void APLwAPP::SetMessage(const std::wstring& text) { ::SetWindowTextW(mensajeTXT_, text.c_str()); }

std::wstring APLwAPP::ReplyText() const {
    const int length = ::GetWindowTextLengthW(itemText_);
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        ::GetWindowTextW(itemText_, text.data(), static_cast<int>(text.size()))));
    return text;
}

void APLwAPP::Show() {
    ::ShowWindow(hwnd_, SW_SHOWNORMAL);
    ::SetFocus(lastFocus_);
}

LRESULT CALLBACK APLwAPP::WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                     LPARAM lParam) noexcept {
    if (message == WM_NCCREATE) {
        auto* self =
            static_cast<APLwAPP*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = hwnd;
        ::SetWindowLongPtrW(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    }
    return DispatchToOwner(hwnd, message, wParam, lParam, L"APLwAPP", &APLwAPP::HandleMessage);
}

LRESULT APLwAPP::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
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
            const bool reply = reinterpret_cast<HWND>(lParam) == itemText_;
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, layout::kWindowFore);
            ::SetBkColor(dc, reply ? layout::kReplyBack : layout::kWindowBack);
            return reinterpret_cast<LRESULT>(reply ? replyBack_.Get() : windowBack_.Get());
        }
        case WM_MOUSEMOVE: {
            const POINT at{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
            const RECT label = Pixels(layout::kFormBarraTituloTXT);
            if (::PtInRect(&label, at)) FormBarraTituloTXT_MouseMove(wParam);
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
            Form_Unload();
            return 0;
        case WM_NCDESTROY:
            hwnd_ = nullptr;
            break;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool APLwAPP::HandleKey(const MSG& msg) {
    if (msg.message == WM_CHAR) {
        Form_KeyPress(static_cast<wchar_t>(msg.wParam));
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
        (msg.hwnd == formCerrar_.Handle() ? formCerrar_ : botonAceptar_).Click();
        return true;
    }
    return false;
}

void APLwAPP::MoveFocus(bool backwards) {
    // Tab stops in tab order: ItemText (0), FormCerrar (1).
    const HWND stops[] = {itemText_, formCerrar_.Handle()};
    const HWND focus = ::GetFocus();
    const std::size_t count = std::size(stops);
    std::size_t at = 0;
    while (at < count && stops[at] != focus) ++at;
    const std::size_t next = at == count ? 0 : (at + (backwards ? count - 1 : 1)) % count;
    ::SetFocus(stops[next]);
}

void APLwAPP::Paint(HDC dc, const RECT& client) const {
    using namespace layout;
    ::FillRect(dc, &client, windowBack_.Get());
    // Back to front: frame, title bar, title, reply border.
    PaintShape(dc, frame_, {kWindowBack, kFrameLine, std::nullopt});
    PaintShape(dc, Pixels(kFormBarraTitulo), {kTitleBarFill, kTitleBarFill, kTitleBarHatch});
    PaintLabel(dc, Pixels(kFormBarraTituloTXT), title_, titleFont_.Get(), kTitleText);
    PaintShape(dc, Pixels(kItemBorde), {kReplyBack, kFrameLine, std::nullopt});
}

void APLwAPP::Form_Load() {
    SetWindowIcons(hwnd_, L"IconoAPL", true);
    for (const Control& control : controls_) {
        if (control.kind != layout::ControlKind::kFlatButton) continue;
        control.button->SetMouseIcon(ico48x48_.Picture(L"curHand"));
        control.button->SetMousePointer(FlatButton::kCustomPointer);
    }
    // The frame shape covers the whole window, so its border frames it.
    RECT outer{};
    ::GetWindowRect(hwnd_, &outer);
    frame_ = {0, 0, outer.right - outer.left, outer.bottom - outer.top};
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void APLwAPP::Form_KeyPress(wchar_t keyAscii) {
    constexpr wchar_t kEscape = 27;
    if (keyAscii == kEscape) EndProgram();
}

void APLwAPP::Form_Unload() {
    // The program ends when no window is left.
    ::PostQuitMessage(0);
}

void APLwAPP::FormBarraTituloTXT_MouseMove(WPARAM buttons) {
    // Exactly the left button: let the system move the window as if its
    // caption bar had been pressed. Returns when the button is released.
    if ((buttons & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON)) != MK_LBUTTON) return;
    ::ReleaseCapture();
    ::SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
}

void APLwAPP::FormCerrar_Click() { Unload(); }

void APLwAPP::BotonAceptar_Click() {
    // Sent as typed; the sender trims it itself.
    if (!IsBlank(ReplyText())) SendReply(ReplyText());
    EndProgram();
}

void APLwAPP::MensajeriaWSK_SEND_Error(DatagramSocket::ErrorEvent& event) {
    // Errors the socket notices on its own are not shown.
    event.cancelDisplay = true;
}

}  // namespace tornavel
