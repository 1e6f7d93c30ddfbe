#pragma once

// Waits on the X display for a top-level window of a given name to be
// mapped: it hears the display, so it answers within milliseconds of the
// window showing. Used by startup-timer and the end-to-end tests.

#include <chrono>
#include <string>

struct _XDisplay;

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

  private:
    _XDisplay* display_;
};
