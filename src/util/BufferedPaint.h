#pragma once

#include "util/UniqueHandle.h"

namespace tornavel {

// Paints into a memory bitmap, then copies it to the window in one go, so
// nothing flickers.
class BufferedPaint {
  public:
    explicit BufferedPaint(HWND hwnd) : hwnd_(hwnd), dc_(::BeginPaint(hwnd, &ps_)) {
        ::GetClientRect(hwnd, &client_);
        memory_ = ::CreateCompatibleDC(dc_);
        bitmap_.Reset(::CreateCompatibleBitmap(dc_, client_.right, client_.bottom));
        old_ = ::SelectObject(memory_, bitmap_.Get());
    }
    ~BufferedPaint() {
        ::BitBlt(dc_, 0, 0, client_.right, client_.bottom, memory_, 0, 0, SRCCOPY);
        ::SelectObject(memory_, old_);
        ::DeleteDC(memory_);
        ::EndPaint(hwnd_, &ps_);
    }
    BufferedPaint(const BufferedPaint&) = delete;
    BufferedPaint& operator=(const BufferedPaint&) = delete;

    HDC Dc() const noexcept { return memory_; }
    const RECT& Client() const noexcept { return client_; }

  private:
    HWND hwnd_;
    PAINTSTRUCT ps_{};
    HDC dc_;
    RECT client_{};
    HDC memory_ = nullptr;
    UniqueBitmap bitmap_;
    HGDIOBJ old_ = nullptr;
};

}  // namespace tornavel
