#include "window/MessageWindow.h"

#include <algorithm>
#include <utility>

#include "window/InputEvents.h"

// What the message window does with the person's keys and presses: the input
// rules decide, and this carries out their answers or asks the owner.
namespace tornavel {

bool MessageWindow::PreTranslate(const MSG& msg) noexcept {
    if (hwnd_ == nullptr) return false;
    if (msg.hwnd != hwnd_ && !::IsChild(hwnd_, msg.hwnd)) return false;
    const std::wstring_view handler =
        IsMousePress(msg.message) ? texts::kMouseHandlerName : texts::kKeyHandlerName;
    return Guarded(handler, false, [&] {
        const std::optional<Answer> answer =
            AnswerFor(rules_, msg,
                      {hwnd_, replyBox_.Handle(), closeButton_.Handle(), sendButton_.Handle(),
                       Pixels(layout::kTitleLabel)});
        return answer && CarryOut(*answer);
    });
}

std::optional<MessageWindow::Request> MessageWindow::TakeRequest() noexcept {
    return std::exchange(request_, std::nullopt);
}

void MessageWindow::Ask(Request request) {
    // A click is carried out once, whichever key or message brought it.
    if (requested_) return;
    requested_ = true;
    request_ = std::move(request);
    // A request made inside a message sent from elsewhere still reaches the
    // owner's loop at once: it takes requests after each message it gets.
    ::PostMessageW(hwnd_, WM_NULL, 0, 0);
}

bool MessageWindow::CarryOut(Answer answer) {
    switch (answer) {
        case Answer::kPassOn:
            return false;
        case Answer::kHoldBack:
            ::MessageBeep(MB_OK);  // the key does nothing, and the person hears so
            return true;
        case Answer::kIgnore:
            return true;
        case Answer::kSend:  // the reply is not blank: the rules saw to it
            Ask({Request::Kind::kSendReply, replyBox_.Text()});  // as typed: the sender trims it
            return true;
        case Answer::kClose:
        case Answer::kEndAtOnce:
            Ask({answer == Answer::kClose ? Request::Kind::kClose : Request::Kind::kEndAtOnce, {}});
            return true;
        case Answer::kLineBreak:
            replyBox_.TypeLineBreak();
            return true;
        case Answer::kFocusNext:
        case Answer::kFocusPrevious:
            MoveFocus(answer == Answer::kFocusPrevious);
            return true;
        case Answer::kStartDrag:
            // The system moves the window as if its caption bar had been
            // pressed; SendMessageA returns when the button is released.
            ::ReleaseCapture();
            ::SendMessageA(hwnd_, WM_NCLBUTTONDOWN, HTCAPTION, 0);
            return true;
    }
    return false;
}

void MessageWindow::MoveFocus(bool backwards) {
    const HWND stops[] = {replyBox_.Handle(), closeButton_.Handle()};  // in tab order
    const std::size_t count = std::size(stops);
    const auto at = static_cast<std::size_t>(std::find(stops, stops + count, ::GetFocus()) - stops);
    const std::size_t next = at == count ? 0 : (at + (backwards ? count - 1 : 1)) % count;
    // The keyboard is in use: from now on the focus shows.
    ::SendMessageW(hwnd_, WM_CHANGEUISTATE, MAKEWPARAM(UIS_CLEAR, UISF_HIDEFOCUS), 0);
    ::SetFocus(stops[next]);
}

void MessageWindow::OnMouseButton(UINT message) {
    // The window keeps the mouse from a press to the last release, wherever it goes.
    if (IsMousePress(message)) {
        if (::GetCapture() != hwnd_) ::SetCapture(hwnd_);
        return;
    }
    if (!AnyMouseButtonDown() && ::GetCapture() == hwnd_) ::ReleaseCapture();
}

}  // namespace tornavel
