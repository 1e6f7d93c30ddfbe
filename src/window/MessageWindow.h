#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "controls/FlatButton.h"
#include "core/SystemTexts.h"
#include "util/ControlSubclass.h"
#include "util/UniqueHandle.h"
#include "util/WindowDispatch.h"
#include "window/Layout.h"

namespace tornavel {

// The message window: a borderless, fixed-size pop-up with a painted title
// bar, the message, a reply box and two flat buttons. It knows nothing of how
// a reply is sent: it tells its owner through the callbacks.
class MessageWindow : public OwnedWindowHandle {
  public:
    struct Callbacks {
        // The send button with a reply that is not blank, as typed; the
        // program ends when it returns.
        std::function<void(std::wstring_view reply)> sendReply;
        // The close button.
        std::function<void()> close;
    };

    // Creates the window, hidden, with its controls. Throws a RuntimeError when
    // it cannot; nothing of the window is left then.
    explicit MessageWindow(Callbacks callbacks);
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
    void SetMessage(const std::wstring& text);
    std::wstring ReplyText() const;
    // Shows the window, modeless, with the caret in the reply box.
    void Show();

    // Key preview: the window sees keys typed into any of its controls before
    // the control does. True when the message was consumed.
    bool PreTranslate(const MSG& msg) noexcept;

  private:
    template <typename Owner>
    friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static constexpr std::wstring_view kHandlerName = texts::kWindowHandlerName;

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool HandleKey(const MSG& msg);

    void CreateControls();
    // Lays every control, font and picture out at `dpi`.
    void ApplyDpi(int dpi);
    // The buttons' hand pointer, at the window's dpi; raises 35601 when the
    // exe lacks it.
    void LoadHandCursor();
    void OnDpiChanged(int dpi, const RECT* suggested);
    RECT Pixels(const layout::TwipsRect& rect) const;
    HFONT MakeFont(const layout::FontDesign& design, UniqueFont& owner) const;
    void Paint(HDC dc, const RECT& client) const;
    void MoveFocus(bool backwards);
    void OnMouseButton(UINT message, LPARAM lParam);

    void StartDragIfLeftButton(WPARAM buttons);
    void SendAndEnd();
    // True while `time` (a message's time) belongs to a run of keystrokes
    // that began within a second of the window becoming active, each within
    // a second of the one before: someone still typing into another window.
    bool InTypingBurst(DWORD time);

    Callbacks callbacks_;
    int dpi_ = 96;
    std::wstring title_{texts::kTitlePlaceholder};
    HWND lastFocus_ = nullptr;
    bool pressedOnTitle_ = false;  // the mouse button now down went down on the title label
    bool inTypingBurst_ = false;
    DWORD lastKeyTime_ = 0;
    std::wstring messageBoxName_{texts::kMessageBoxNamePrefix};

    UniqueFont messageFont_;
    UniqueFont replyFont_;
    UniqueFont titleFont_;
    UniqueFont closeFont_;
    UniqueFont sendFont_;
    UniqueBrush windowBack_;
    UniqueBrush replyBack_;
    UniqueCursor handCursor_;

    HWND messageBox_ = nullptr;
    HWND replyBox_ = nullptr;
    ControlSubclass messageBoxSubclass_;
    ControlSubclass replyBoxSubclass_;
    FlatButton closeButton_;
    FlatButton sendButton_;
};

}  // namespace tornavel
