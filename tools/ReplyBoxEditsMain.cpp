// reply-box-edits STEPS [SEED]: drives the pop-up's reply box with STEPS
// random edits (from SEED, else a seed of its own) on the desk of the
// process's locale, and prints the seed, the time taken and what failed, if
// anything. Run by scripts/fuzz under Wine beside the hand-off fuzzer.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>

#include "ReplyBoxEdits.h"

int wmain(int argc, wchar_t** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: reply-box-edits STEPS [SEED]\n");
        return 2;
    }
    const std::size_t steps = std::wcstoul(argv[1], nullptr, 10);
    const unsigned long seed = argc > 2 ? std::wcstoul(argv[2], nullptr, 10)
                                        : static_cast<unsigned long>(std::random_device{}());
    const auto start = std::chrono::steady_clock::now();
    const std::string failure = tornavel::edits::Drive(seed, steps);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - start;
    std::printf("reply-box-edits: code page %u, seed %lu, %zu steps, %.1f s: %s\n", ::GetACP(),
                seed, steps, took.count(), failure.empty() ? "no failure" : "FAILED");
    std::fputs(failure.c_str(), stdout);
    return failure.empty() ? 0 : 1;
}
