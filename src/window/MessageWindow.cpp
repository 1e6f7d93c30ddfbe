#include "window/MessageWindow.h"

#include <oleacc.h>

#include <utility>

#include "core/MessageText.h"
#include "core/ReplyText.h"
#include "core/RuntimeError.h"
#include "util/AccessibleName.h"
#include "util/BufferedPaint.h"
#include "util/ScreenDpi.h"
#include "util/SystemMessage.h"
#include "util/WindowIcons.h"
#include "util/WindowText.h"
#include "window/Placement.h"
#include "window/CurrentPalette.h"
#include "window/WindowlessPainting.h"

namespace tornavel {
namespace {

constexpr wchar_t kClassName[] = L"TornavelMensajeWindow";
constexpr UINT_PTR kEverySecondTimer = 1;
// The display's answers come within a few milliseconds, 40 on a busy
// machine (tens of messages under a window manager).
constexpr DWORD kQuietMs = 20;
constexpr ULONGLONG kLongestSettleMs = 200;
RuntimeError CreationFailure() {
    const DWORD code = ::GetLastError();
    return RuntimeError(static_cast<std::int32_t>(code), SystemErrorText(code),
                        texts::kApplicationName);
}

}  // namespace

MessageWindow::MessageWindow() {
    if (!RegisterOwnedWindowClass<MessageWindow>(kClassName)) throw CreationFailure();
    dpi_ = ScreenDpi();
    const RECT at = CentredPopUpRect(dpi_);
    // A popup without border or caption: its outer size is its client size.
    ::CreateWindowExW(WS_EX_APPWINDOW, kClassName, texts::kWindowCaption,
                      WS_POPUP | WS_CLIPCHILDREN, at.left, at.top, at.right - at.left,
                      at.bottom - at.top, nullptr, nullptr, ::GetModuleHandleW(nullptr), this);
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

void MessageWindow::CreateControls() {
    using namespace layout;

    // The message: read-only, selectable, not a tab stop, named for screen readers.
    messageBox_ = ::CreateWindowExW(
        0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_READONLY | ES_AUTOVSCROLL, 0, 0,
        0, 0, hwnd_, nullptr, ::GetModuleHandleW(nullptr), nullptr);
    if (messageBox_ == nullptr || !replyBox_.Create(hwnd_)) throw CreationFailure();
    messageBoxSubclass_.Attach(
        messageBox_, kHandlerName, [this](UINT message, WPARAM wParam, LPARAM lParam) {
            return message == WM_GETOBJECT
                       ? AnswerWithName(messageBox_, wParam, lParam, messageBoxName_)
                       : std::nullopt;
        });

    // The close button shows its cross, and says its name.
    const bool made = closeButton_.Create(hwnd_, texts::kCloseButtonName, false, true,
                                          [this](HDC dc, const RECT& rect, COLORREF colour) {
                                              PaintCloseGlyph(dc, rect, colour, dpi_);
                                          }) &&
                      sendButton_.Create(hwnd_, texts::kSendCaption, true, false);
    if (!made) throw CreationFailure();
    UsePalette(CurrentPalette());
    ApplyDpi(dpi_);
    lastFocus_ = replyBox_.Handle();
}

void MessageWindow::Load() {
    SetWindowIcons(hwnd_, L"IconoAPL");
    LoadHandCursor();
    loaded_ = true;
    ::InvalidateRect(hwnd_, nullptr, FALSE);
}

void MessageWindow::SetTitle(std::wstring title) {
    messageBoxName_ = MessageBoxName(title);
    title_ = std::move(title);
    const RECT label = Pixels(layout::kTitleLabel);
    ::InvalidateRect(hwnd_, &label, FALSE);
}

void MessageWindow::SetMessage(std::wstring text) {
    message_ = std::move(text);
    FillMessageBox();
}

void MessageWindow::FillMessageBox() {
    // A piece at a time (kMessagePieceChars says why), each at the end, then
    // shown from its start, as a text set at once would be.
    ::SetWindowTextW(messageBox_, L"");
    std::size_t end = 0;
    for (const std::wstring_view piece : PiecesOf(message_, kMessagePieceChars)) {
        const std::wstring chars(piece);
        ::SendMessageW(messageBox_, EM_SETSEL, end, static_cast<LPARAM>(end));
        ::SendMessageW(messageBox_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(chars.c_str()));
        end += piece.size();
    }
    ::SendMessageW(messageBox_, EM_SETSEL, 0, 0);
    ::SendMessageW(messageBox_, EM_SCROLLCARET, 0, 0);
}

void MessageWindow::Show() {
    {
        // The place is chosen among the pop-ups shown by now, and taken, while
        // no other pop-up of ours does the same.
        const PopUpTurn turn(PopUpTurn::Of::kPlacement);
        const RECT at = NewPopUpRect(kClassName, dpi_);
        ::SetWindowPos(hwnd_, nullptr, at.left, at.top, at.right - at.left, at.bottom - at.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
        TakePlace(hwnd_);
        rules_.Appeared(static_cast<std::int64_t>(::GetTickCount64()));
        // Shown above every window that is not top-most, not yet active.
        constexpr UINT kTopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
        static_assert(kTopMostFlags == 0x53);
        ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, kTopMostFlags);
    }
    // Activation and the focus come after the placement's turn, in a turn of
    // their own: they may wait on other programs (input methods,
    // accessibility hooks). Raised and activated while no other pop-up does
    // either, so that of pop-ups started together the one with the focus is
    // the top one. Windows gives the focus only to a program the person has
    // just used; otherwise the taskbar button flashes.
    {
        const PopUpTurn turn(PopUpTurn::Of::kActivation);
        ::SetWindowPos(hwnd_, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE);
        ::SetFocus(lastFocus_);
        SettleWithDisplay();
    }
    // Screen readers that speak alerts hear the sender and the message now,
    // once; a reader that read the focus's parents already ignores it.
    if (!announced_) ::NotifyWinEvent(EVENT_SYSTEM_ALERT, hwnd_, OBJID_CLIENT, CHILDID_SELF);
    announced_ = true;
}

void MessageWindow::SettleWithDisplay() {
    // Under Wine the requests for the display (showing, the input focus, a
    // raise) wait in the program until it next looks for messages, and the
    // display's answers wait until it looks again. Two of those answers act
    // late on every window: the parts uncovered raise this one over the
    // windows that cover them by then, and a window manager's offer of the
    // focus makes it the foreground window again. Both are taken in the
    // turn, where they concern no later pop-up: the requests leave now, and
    // answers are handled until none has come for kQuietMs (kLongestSettleMs
    // at most).
    MSG message{};
    ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
    const ULONGLONG began = ::GetTickCount64();
    while (::GetTickCount64() - began < kLongestSettleMs &&
           ::MsgWaitForMultipleObjects(0, nullptr, FALSE, kQuietMs, QS_ALLINPUT) != WAIT_TIMEOUT)
        ::PeekMessageW(&message, nullptr, 0, 0, PM_NOREMOVE);
}

void MessageWindow::Hide() noexcept { ::ShowWindow(hwnd_, SW_HIDE); }

void MessageWindow::EverySecondUntil(std::function<bool()> ready, std::function<void()> then) {
    // Without a timer nothing would ask again: `then` goes ahead now.
    if (::SetTimer(hwnd_, kEverySecondTimer, 1000, nullptr) == 0) {
        then();
        return;
    }
    ready_ = std::move(ready);
    whenReady_ = std::move(then);
}

void MessageWindow::OnSecondPassed() {
    if (!ready_ || !ready_()) return;
    ::KillTimer(hwnd_, kEverySecondTimer);
    ready_ = nullptr;
    std::exchange(whenReady_, nullptr)();
}

LRESULT MessageWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_ERASEBKGND:
            return 1;
        case WM_PAINT: {
            BufferedPaint paint(hwnd_);
            PaintWindowFace(paint.Dc(), paint.Client(), palette_, title_, titleFont_.Get(), dpi_);
            return 0;
        }
        case WM_CTLCOLORSTATIC:  // the read-only message box
        case WM_CTLCOLOREDIT: {
            const bool reply = reinterpret_cast<HWND>(lParam) == replyBox_.Handle();
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetTextColor(dc, palette_.windowText);
            ::SetBkColor(dc, reply ? palette_.replyBack : palette_.windowBack);
            return reinterpret_cast<LRESULT>(reply ? replyBack_.Get() : windowBack_.Get());
        }
        case WM_DRAWITEM: {
            const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
            for (const FlatButton* button : {&closeButton_, &sendButton_})
                if (item.hwndItem == button->Handle()) button->Draw(item);
            return TRUE;
        }
        case WM_COMMAND: {
            const auto from = reinterpret_cast<HWND>(lParam);
            if (HIWORD(wParam) == BN_CLICKED && from == closeButton_.Handle())
                CarryOut(Answer::kClose);
            if (HIWORD(wParam) == BN_CLICKED && from == sendButton_.Handle())
                CarryOut(InputRules::OnSendClicked(IsBlankReply(replyBox_.Text())));
            replyBox_.OnCommand(wParam, lParam);
            return 0;
        }
        case WM_CLOSE:  // Alt+F4 the system saw, the taskbar's Close
            CarryOut(Answer::kClose);
            return 0;
        case WM_ENDSESSION:  // Windows shuts down or the person logs off
            // Before a reply is asked for, nothing is sent.
            if (wParam && sessionEnds_)
                sessionEnds_();
            else if (wParam)
                CarryOut(Answer::kClose);
            return 0;
        case WM_TIMER:
            if (wParam == kEverySecondTimer) OnSecondPassed();
            return 0;
        case WM_LBUTTONDOWN:
        case WM_RBUTTONDOWN:
        case WM_MBUTTONDOWN:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            OnMouseButton(message);
            return 0;
        case WM_XBUTTONDOWN:
        case WM_XBUTTONUP:
            OnMouseButton(message);
            return TRUE;
        case WM_MOUSEMOVE:
            CarryOut(rules_.OnMove((wParam & MK_LBUTTON) != 0, (wParam & MK_RBUTTON) != 0,
                                   (wParam & MK_MBUTTON) != 0));
            return 0;
        case WM_CAPTURECHANGED:
            rules_.OnCaptureLost();
            return 0;
        case WM_SYSCOLORCHANGE:  // a high-contrast theme switched on or off
        case WM_SETTINGCHANGE:
            UsePalette(CurrentPalette());
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
                rules_.Activated(static_cast<std::int64_t>(::GetTickCount64()));
            }
            return 0;
        case WM_GETOBJECT:
            // What arrived, for a screen reader: an alert named for the
            // sender, the message box's text as its description. Readers ask
            // for other objects often; only the client object is ours.
            if (static_cast<DWORD>(lParam) != static_cast<DWORD>(OBJID_CLIENT)) break;
            if (const std::optional<LRESULT> answer =
                    AnswerAs(hwnd_, wParam, lParam,
                             {messageBoxName_, ROLE_SYSTEM_ALERT, WindowText(messageBox_),
                              STATE_SYSTEM_ALERT_MEDIUM}))
                return *answer;
            break;
        case WM_EXITSIZEMOVE:  // moved by the person: that is its place now
            TakePlace(hwnd_);
            return 0;
        case WM_DESTROY:
            LeavePlace(hwnd_);
            // The program ends when its window is gone.
            ::PostQuitMessage(0);
            return 0;
        default:
            break;
    }
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

void MessageWindow::UsePalette(const Palette& palette) {
    palette_ = palette;
    // The boxes take a brush at each paint: the old one is in use by none.
    windowBack_.Reset(::CreateSolidBrush(palette.windowBack));
    replyBack_.Reset(::CreateSolidBrush(palette.replyBack));
    closeButton_.SetColours(
        {palette.closeBack, palette.closeHoverBack, palette.closeText, palette.closeHoverText});
    sendButton_.SetColours(
        {palette.sendBack, palette.sendHoverBack, palette.sendText, palette.sendHoverText});
    ::RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

}  // namespace tornavel
