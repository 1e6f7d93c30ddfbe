#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/SystemTexts.h"
#include "util/WindowDispatch.h"

namespace tornavel {

// A flat, colour-themed push button, painted by us: a back colour that changes
// while the pointer is over it, a centred caption, an optional picture drawn
// by the owner, and no focus rectangle. Its window text is its caption, so tools and screen readers
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

    // Paints the picture, centred in the button's client rectangle.
    using PicturePainter = std::function<void(HDC dc, const RECT& client, COLORREF colour)>;

    // Creates the button window; the parent destroys it. The button must not
    // move in memory after this. False when the window cannot be made.
    bool Create(HWND parent, const RECT& rect, const std::wstring& caption, bool tabStop,
                const Colours& colours, HFONT font, PicturePainter picture = {});

    HWND Handle() const noexcept { return hwnd_; }
    void OnClick(std::function<void()> handler) { onClick_ = std::move(handler); }
    void Click();

    // The pointer shown while MousePointer is kCustomPointer; the caller keeps
    // the cursor alive while the button lives.
    void SetMouseIcon(HCURSOR cursor) noexcept { mouseIcon_ = cursor; }
    void SetMousePointer(int pointer) noexcept { mousePointer_ = pointer; }

  private:
    template <typename Owner>
    friend LRESULT CALLBACK OwnedWindowProc(HWND, UINT, WPARAM, LPARAM) noexcept;
    static constexpr std::wstring_view kHandlerName = texts::kButtonHandlerName;

    void Attach(HWND hwnd) noexcept { hwnd_ = hwnd; }
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc, const RECT& client) const;
    void SetHover(bool hover);

    HWND hwnd_ = nullptr;
    Colours colours_{};
    HFONT font_ = nullptr;
    PicturePainter picture_;
    HCURSOR mouseIcon_ = nullptr;
    int mousePointer_ = kDefaultPointer;
    bool hover_ = false;
    bool pressed_ = false;
    std::function<void()> onClick_;
};

}  // namespace tornavel
