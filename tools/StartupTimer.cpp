// startup-timer: starts a program and prints how long it took until a window
// of the given name appeared on the X display, and the program's peak
// resident memory by then. Linux side of scripts/bench:
//   startup-timer NAME PROGRAM [ARG ...]
// prints "visible_ms=N peak_kib=N", or fails after 30 s.
#include <chrono>
#include <cstdio>
#include <fstream>
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

}  // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-timer NAME PROGRAM [ARG ...]\n");
        return 2;
    }
    tools::MappedWindowWatch watch;
    const auto start = std::chrono::steady_clock::now();
    const tools::ChildProcess program(std::vector<std::string>(argv + 2, argv + argc));
    const bool shown = watch.WaitFor(argv[1], start + std::chrono::seconds(30));
    const auto visible = std::chrono::steady_clock::now();
    // Let the first paint land before reading the peak.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    const long peak = PeakKib(program.Pid());
    if (!shown) {
        std::fprintf(stderr, "startup-timer: no window named %s\n", argv[1]);
        return 1;
    }
    std::printf("visible_ms=%lld peak_kib=%ld\n",
                static_cast<long long>(
                    std::chrono::duration_cast<std::chrono::milliseconds>(visible - start).count()),
                peak);
    return 0;
}
