#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// Paints into a memory bitmap, then copies it to the window in one go, so
// nothing flickers.
class BufferedPaint {
  public:
    explicit BufferedPaint(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &ps_)) {}
    ~BufferedPaint() {
        ::BitBlt(dc_, 0, 0, client_.right, client_.bottom, memory_.Get(), 0, 0, SRCCOPY);
        ::EndPaint(hwnd_, &ps_);
    }
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC Dc() const noexcept { return memory_.Get(); }
    const RECT& Client() const noexcept { return client_; }

  private:
    static RECT ClientOf(HWND hwnd) {
        RECT client{};
        ::GetClientRect(hwnd, &client);
        return client;
    }

    // In this order, so that the bitmap leaves the memory DC before it is
    // deleted, and the DC goes last.
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
    RECT client_ = ClientOf(hwnd_);
    UniqueMemoryDc memory_{::CreateCompatibleDC(dc_)};
    UniqueBitmap bitmap_{::CreateCompatibleBitmap(dc_, client_.right, client_.bottom)};
    SelectedObject selected_{memory_.Get(), bitmap_.Get()};
};

}  // namespace tornavel
