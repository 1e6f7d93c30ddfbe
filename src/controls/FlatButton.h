#pragma once

#include <functional>
#include <string>

#include "util/UniqueHandle.h"

namespace tornavel {

// A flat, colour-themed push button, painted by us: a back colour that changes
// while the pointer is over it, a centred caption, an optional picture, and no
// focus rectangle. Its window text is its caption, so tools and screen readers
// read it. It clicks on a left-button release over it, and on Space when it
// has the focus.
class FlatButton {
  public:
    struct Colours {
        COLORREF back;
        COLORREF hoverBack;
        COLORREF text;
        COLORREF hoverText;
    };

    // MousePointer value that shows the button's mouse icon.
    static constexpr int kCustomPointer = 99;
    static constexpr int kDefaultPointer = 0;

    FlatButton() = default;
    FlatButton(const FlatButton&) = delete;
    FlatButton& operator=(const FlatButton&) = delete;

    // Creates the button window; the parent destroys it. The button must not
    // move in memory after this.
    void Create(HWND parent, const RECT& rect, const std::wstring& caption, bool tabStop,
                const Colours& colours, HFONT font, HICON picture);

    HWND Handle() const noexcept { return hwnd_; }
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void Click();

    // The picture shown while MousePointer is kCustomPointer. The button keeps
    // its own cursor made from it; the caller keeps the picture.
    void SetMouseIcon(HICON picture);
    void SetMousePointer(int pointer) noexcept { mousePointer_ = pointer; }
    int MousePointer() const noexcept { return mousePointer_; }

  private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT message, WPARAM wParam,
                                       LPARAM lParam) noexcept;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& client) const;
    void SetHover(bool hover);

    HWND hwnd_ = nullptr;
    Colours colours_{};
    HFONT font_ = nullptr;
    HICON picture_ = nullptr;
    UniqueCursor mouseIcon_;
    int mousePointer_ = kDefaultPointer;
    bool hover_ = false;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

}  // namespace tornavel
