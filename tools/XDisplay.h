#pragma once

// What the X display shows, read from Linux: a window of a given name being
// mapped, a screenshot, the pointer's picture; and a click made at once. Used by startup-timer and
// the end-to-end tests.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

struct _XDisplay;

namespace tools {

// Waits for a top-level window of a given name to be mapped: it hears the
// display, so it answers within milliseconds of the window showing.
class MappedWindowWatch {
  public:
    // Listens from now on, so make it before starting the program. Throws
    // std::runtime_error without a display.
    MappedWindowWatch();
    ~MappedWindowWatch();
    MappedWindowWatch(const MappedWindowWatch&) = delete;
    MappedWindowWatch& operator=(const MappedWindowWatch&) = delete;

    // True once a window named `name` has been mapped, before `deadline`.
    bool WaitFor(const std::string& name, std::chrono::steady_clock::time_point deadline);
    // True once the rectangle of the window WaitFor found at (left, top),
    // `width` by `height` pixels, shows more than one colour (text drawn on
    // its ground), before `deadline`.
    bool WaitForInk(int left, int top, int width, int height,
                    std::chrono::steady_clock::time_point deadline);
    // True once the window WaitFor found has been unmapped or destroyed,
    // before `deadline`.
    bool WaitForItsUnmap(std::chrono::steady_clock::time_point deadline);
    // Presses `keysym` at once (PressKeyNow), then how long the window WaitFor
    // found took to be unmapped; none when it was not within `timeout`.
    std::optional<std::chrono::milliseconds> PressAndTimeItsUnmap(
        const char* keysym, std::chrono::milliseconds timeout);

  private:
    // The next event, or false when `deadline` passed first.
    bool NextEvent(void* event, std::chrono::steady_clock::time_point deadline);

    _XDisplay* display_;
    unsigned long found_ = 0;  // the X window WaitFor found
};

// True once a window manager holds the display (it redirects the root
// window's children), before `deadline`.
bool WaitForWindowManager(std::chrono::steady_clock::time_point deadline);

// openbox holding the display while this lives (throws std::runtime_error
// when it does not within 5 s). Ended, it leaves nothing on the root window:
// a manager that is killed leaves its properties there, and Wine then asks a
// manager that is no more to move a window dragged by its title.
class WindowManager {
  public:
    WindowManager();
    ~WindowManager();
    WindowManager(const WindowManager&) = delete;
    WindowManager& operator=(const WindowManager&) = delete;

  private:
    std::unique_ptr<class ChildProcess> process_;
};

// A key (an X keysym name: "x", "Return") pressed and released where the
// keyboard focus is, sent by this process at once.
void PressKeyNow(const char* keysym);
// The pointer moved to (x, y) on the screen, at once.
void MovePointerNow(int x, int y);

// An ARGB picture: a screenshot or the pointer.
struct Picture {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
};

// A click of mouse button `button` where the pointer is, sent to the display
// by this process at once: no helper process to start, however busy the
// machine is.
void ClickNow(unsigned button);

// The whole screen now.
Picture Screenshot();
// The pointer's picture now shown, with its hot spot.
Picture CurrentCursor();

}  // namespace tools
