#pragma once

#include <functional>
#include <memory>
#include <string>

#include "util/ControlSubclass.h"
#include "util/UniqueHandle.h"

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

    FlatButton() = default;
    FlatButton(const FlatButton&) = delete;
    FlatButton& operator=(const FlatButton&) = delete;

    // Creates the button window, to be placed by the parent, which destroys
    // it. Its window text is `name`, what screen readers say; it is painted
    // only with `paintName`. The button must not move in memory after this.
    // False when the window cannot be made.
    bool Create(HWND parent, const std::wstring& name, bool paintName, bool tabStop,
                PicturePainter picture = {});
    void SetColours(const Colours& colours);
    HWND Handle() const noexcept { return hwnd_; }

    // The caption's font, the button's own from now on.
    void SetFont(UniqueFont font);
    // The parent hands over its WM_DRAWITEM for this button.
    void Draw(const DRAWITEMSTRUCT& item) const;

    // The pointer shown over the button (its MousePointer setting of 99),
    // shared with whoever else shows it.
    void SetMouseIcon(std::shared_ptr<const UniqueCursor> cursor) noexcept {
        mouseIcon_ = std::move(cursor);
    }

  private:
    std::optional<LRESULT> HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void SetHover(bool hover);

    HWND hwnd_ = nullptr;
    ControlSubclass subclass_;
    Colours colours_{0, 0, 0, 0};
    UniqueFont font_;
    bool paintName_ = true;
    PicturePainter picture_;
    std::shared_ptr<const UniqueCursor> mouseIcon_;
    bool hover_ = false;
};

}  // namespace tornavel
