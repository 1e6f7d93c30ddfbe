#pragma once

#include <functional>
#include <string>

#include "util/ControlSubclass.h"

namespace tornavel {

// A flat, colour-themed push button: the system's own BUTTON, owner-drawn,
// so that clicking, Space, the focus and screen readers work as for any
// Windows button. It is painted by one function from the state the system
// hands over plus the hover state: a back colour that changes while the
// pointer is over it, a picture drawn by the owner, the caption, and a focus
// cue only while the window shows keyboard cues.
class FlatButton {
  public:
    struct Colours {
        COLORREF back;
        COLORREF hoverBack;
        COLORREF text;
        COLORREF hoverText;
    };
    // Paints the picture, centred in the button's rectangle.
    using PicturePainter = std::function<void(HDC dc, const RECT& rect, COLORREF colour)>;

    // MousePointer value that shows the button's mouse icon.
    static constexpr int kCustomPointer = 99;
    static constexpr int kDefaultPointer = 0;

    FlatButton() = default;
    FlatButton(const FlatButton&) = delete;
    FlatButton& operator=(const FlatButton&) = delete;

    // Creates the button window; the parent destroys it. Its window text is
    // `name`, what screen readers say; it is painted only with
    // `paintName`. The button must not move in memory after this. False when
    // the window cannot be made.
    bool Create(HWND parent, const RECT& rect, const std::wstring& name, bool paintName,
                bool tabStop, const Colours& colours, PicturePainter picture = {});
    HWND Handle() const noexcept { return hwnd_; }

    void SetFont(HFONT font);
    // The parent hands over its WM_DRAWITEM for this button.
    void Draw(const DRAWITEMSTRUCT& item) const;

    // The pointer shown while MousePointer is kCustomPointer; the caller keeps
    // the cursor alive while the button lives.
    void SetMouseIcon(HCURSOR cursor) noexcept { mouseIcon_ = cursor; }
    void SetMousePointer(int pointer) noexcept { mousePointer_ = pointer; }

  private:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHover(bool hover);

    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    Colours colours_{};
    HFONT font_ = nullptr;
    bool paintName_ = true;
    PicturePainter picture_;
    HCURSOR mouseIcon_ = nullptr;
    int mousePointer_ = kDefaultPointer;
    bool hover_ = false;
};

}  // namespace tornavel
