#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "controls/FlatButton.h"
#include "core/InputRules.h"
#include "core/Palette.h"
#include "core/SystemTexts.h"
#include "util/ControlSubclass.h"
#include "util/PrivateFonts.h"
#include "util/UniqueHandle.h"
#include "util/WindowDispatch.h"
#include "window/Layout.h"
#include "window/ReplyBox.h"

namespace tornavel {

// The message window: a borderless, fixed-size pop-up with a painted title
// bar, the message, a reply box and two flat buttons. It knows nothing of how
// a reply is sent or how the program ends: it says what the person asked for,
// and its owner carries that out.
class MessageWindow : public OwnedWindowHandle {
  public:
    struct Request {
        enum class Kind {
            kSendReply,  // send `reply` (not blank, as typed), then end at once
            kEndAtOnce,  // end now, nothing sent (Esc, the send button on a blank reply)
            kClose,      // close the window (the close button, Alt+F4)
        };
        Kind kind;
        std::wstring reply;
    };

    // Creates the window, hidden, with its controls. Throws a RuntimeError when
    // it cannot; nothing of the window is left then.
    MessageWindow();
    ~MessageWindow();
    MessageWindow(const MessageWindow&) = delete;
    MessageWindow& operator=(const MessageWindow&) = delete;

    // What the window does once it exists: the icons, the buttons' hand
    // pointer, the frame. A failure (a picture missing from the exe) leaves the
    // window as it is, for the caller to destroy.
    void Load();

    // False once the window has been destroyed.
    bool Exists() const noexcept { return hwnd_ != nullptr; }
    // Destroys the window; its owner's message loop then ends.
    void Destroy() noexcept;

    // The sender's name on the title bar (and in the message box's name for
    // screen readers).
    void SetTitle(std::wstring title);
    void SetMessage(std::wstring text);
    // The most the reply may take, in the code page's bytes (what one
    // datagram leaves beside the line's fields).
    void LimitReply(std::size_t bytes) noexcept { replyBox_.LimitBytes(bytes); }
    // Shows the window, modeless and top-most, in its place among our
    // pop-ups shown by now (chosen and taken in our pop-ups' placement turn),
    // then raises and activates it with the caret in the reply box (in their
    // activation turn).
    void Show();
    // Takes the window off the screen; it goes on existing.
    void Hide() noexcept;
    // From now on the session's end calls `then` in place of closing the
    // window, inside WM_ENDSESSION: Windows may end the process at any time
    // once that message has been answered.
    void WhenSessionEnds(std::function<void()> then) { sessionEnds_ = std::move(then); }
    // Asks `ready` every second, from the message loop, until it answers
    // true; then calls `then`, once.
    void EverySecondUntil(std::function<bool()> ready, std::function<void()> then);

    // Draws the window in `palette` from now on (Windows' theme is followed
    // by itself: a switch of high contrast repaints it in the new colours).
    void UsePalette(const Palette& palette);

    // Input preview: the window sees keys and mouse presses meant for any of
    // its controls before the control does. True when the message was consumed.
    bool PreTranslate(const MSG& msg) noexcept;

    // What the person asked for since the last call; the first request
    // counts, once.
    std::optional<Request> TakeRequest() noexcept;

  private:
    template <typename Owner>
    friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static constexpr std::wstring_view kHandlerName = texts::kWindowHandlerName;

    using Answer = InputRules::Answer;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // Carries out an answer; true when the message is used up.
    bool CarryOut(Answer answer);
    void Ask(Request request);

    void CreateControls();
    // The message box given message_, laid out once at its size and font.
    void FillMessageBox();
    // Sends what the program has for the display now and handles what the
    // display answers, until it is quiet.
    void SettleWithDisplay();
    // Lays every control, font and picture out at `dpi`.
    void ApplyDpi(int dpi);
    // The buttons' hand pointer, at the window's dpi; raises 35601 when the
    // exe lacks it.
    void LoadHandCursor();
    void OnDpiChanged(int dpi, const RECT* suggested);
    RECT Pixels(const layout::TwipsRect& rect) const;
    UniqueFont MakeFont(const layout::FontDesign& design) const;
    void MoveFocus(bool backwards);
    void OnMouseButton(UINT message);
    void OnSecondPassed();

    int dpi_ = 96;
    std::wstring title_{texts::kTitlePlaceholder};
    HWND lastFocus_ = nullptr;
    InputRules rules_;
    std::optional<Request> request_;
    std::function<bool()> ready_;
    std::function<void()> whenReady_;
    std::function<void()> sessionEnds_;
    bool requested_ = false;
    bool loaded_ = false;     // Load() has given the buttons their pointer
    bool announced_ = false;  // the alert event has been raised
    Palette palette_{};
    std::wstring messageBoxName_{texts::kMessageBoxNamePrefix};
    std::wstring message_;

    // Before the fonts made from them, which go first.
    PrivateFonts designFaces_{layout::kFontResources};
    UniqueFont messageFont_;
    UniqueFont replyFont_;
    UniqueFont titleFont_;
    UniqueBrush windowBack_;
    UniqueBrush replyBack_;

    HWND messageBox_ = nullptr;
    ControlSubclass messageBoxSubclass_;
    ReplyBox replyBox_;
    FlatButton closeButton_;
    FlatButton sendButton_;
};

}  // namespace tornavel
