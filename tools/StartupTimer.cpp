// startup-timer: starts a program and prints how long it took until a window
// of the given name appeared on the X display, and the program's peak
// resident memory by then. With --answer it then answers the pop-up as a
// person would (a key, a pause, Enter) and also prints how long the window
// stayed on the screen after Enter. With --drawn it also prints when the
// rectangle LEFT,TOP,WIDTH,HEIGHT of the window (in pixels) first showed
// something drawn on its ground. Linux side of scripts/bench:
//   startup-timer [--drawn LEFT,TOP,WIDTH,HEIGHT] [--answer] NAME PROGRAM [ARG ...]
// prints "visible_ms=N [drawn_ms=N] peak_kib=N [gone_ms=N]", or fails after 30 s.
#include <array>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "ChildProcess.h"
#include "XDisplay.h"

namespace {

// The peak resident set of `pid` so far, in KiB (VmHWM).
long PeakKib(pid_t pid) {
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0) return std::stol(line.substr(6));
    }
    return -1;
}

// Milliseconds from `from` to `to`.
long long Ms(std::chrono::steady_clock::time_point from, std::chrono::steady_clock::time_point to) {
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

// How long the pop-up stays on the screen after Enter: a key typed once its
// start's typing burst is over, then a pause, so that Enter sends.
long long AnswerAndTimeTheEnter(tools::MappedWindowWatch& watch) {
    using namespace std::chrono_literals;
    tools::MovePointerNow(640, 512);  // the keys go to the window under the pointer
    std::this_thread::sleep_for(1200ms);
    tools::PressKeyNow("x");
    std::this_thread::sleep_for(1200ms);
    const auto gone = watch.PressAndTimeItsUnmap("Return", 10s);
    return gone ? gone->count() : -1;
}

}  // namespace

int main(int argc, char** argv) {
    bool answer = false;
    std::optional<std::array<int, 4>> drawn;  // left, top, width, height
    for (; argc > 1 && std::string(argv[1]).rfind("--", 0) == 0; --argc, ++argv) {
        answer = answer || std::string(argv[1]) == "--answer";
        std::array<int, 4> r{};
        if (argc > 2 && std::string(argv[1]) == "--drawn" &&
            std::sscanf(argv[2], "%d,%d,%d,%d", &r[0], &r[1], &r[2], &r[3]) == 4)
            drawn = r, --argc, ++argv;
    }
    if (argc < 3) {
        std::fprintf(stderr,
                     "usage: startup-timer [--drawn L,T,W,H] [--answer] NAME PROGRAM ...\n");
        return 2;
    }
    tools::MappedWindowWatch watch;
    const auto start = std::chrono::steady_clock::now();
    const tools::ChildProcess program(std::vector<std::string>(argv + 2, argv + argc));
    const bool shown = watch.WaitFor(argv[1], start + std::chrono::seconds(30));
    const auto visible = std::chrono::steady_clock::now();
    const bool inked = shown && drawn &&
                       watch.WaitForInk((*drawn)[0], (*drawn)[1], (*drawn)[2], (*drawn)[3],
                                        visible + std::chrono::seconds(10));
    const auto ink = std::chrono::steady_clock::now();
    // Let the first paint land before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long peak = PeakKib(program.Pid());
    if (!shown || (drawn && !inked)) {
        std::fprintf(stderr, "startup-timer: no window named %s%s\n", argv[1],
                     shown ? " with its rectangle drawn" : "");
        return 1;
    }
    std::printf("visible_ms=%lld", Ms(start, visible));
    if (drawn) std::printf(" drawn_ms=%lld", Ms(start, ink));
    std::printf(" peak_kib=%ld", peak);
    if (answer) std::printf(" gone_ms=%lld", AnswerAndTimeTheEnter(watch));
    std::printf("\n");
    return 0;
}
