// stress COUNT ROUNDS EXE MANAGER [LOGS]: starts COUNT pop-ups together,
// ROUNDS times, and prints what became of them. Run by scripts/stress from
// the repository's root, on an X display with the project's Wine server up.
// MANAGER is "none" or "openbox": a window manager holding the display
// throughout, as the desks start it.
//
// Each pop-up has a folder of its own with a copy of the build's exe and a
// hand-off line of its own: the message "pop-up NN" and both destinations its
// own UDP receivers on 127.0.0.1. The probe is the windows build's. Each round
// prints how many were shown and how long the last took, the distinct places
// they hold as the probe reads them (each known by its message; those that
// share a place are named), whether the one on top is Windows' foreground
// window (the one activated last), and the datagrams received once each is
// answered: a click in its reply box, a reply typed, Enter. With LOGS, each
// pop-up's standard error (Wine's OutputDebugString lines on it) is kept in
// that folder.
#include <cstdio>
#include <cstdlib>
#include <deque>
#include <map>
#include <set>
#include <thread>

#include "PopUpRun.h"
#include "UdpReceiver.h"
#include "XDisplay.h"

namespace {

using namespace std::chrono_literals;
using namespace tools;
using Clock = std::chrono::steady_clock;

// The pop-up's number, from its message "pop-up NN"; -1 when unreadable.
int NumberOf(const nlohmann::json& window) {
    const std::string text = MessageOf(window);
    return text.starts_with("pop-up ") ? std::atoi(text.c_str() + 7) : -1;
}

struct Round {
    Round(const Build& build, int count) {
        for (int i = 0; i < count; ++i) {
            folders.emplace_back(build);
            receivers.emplace_back(), receivers.emplace_back();
            const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
            folders[i].WriteHandoff(HandoffLine(
                {"0", "Ana " + n, "127.0.0.1", std::to_string(receivers[2 * i].Port()), "7", "5",
                 "pop-up " + n, "x", "127.0.0.1", std::to_string(receivers[2 * i + 1].Port())}));
        }
        for (const AppFolder& folder : folders) programs.push_back(folder.Start());
    }
    int Running() const {
        int running = 0;
        for (const auto& program : programs) running += !program->WaitExit(0ms).has_value();
        return running;
    }
    std::deque<AppFolder> folders;
    std::deque<UdpReceiver> receivers;
    std::vector<std::unique_ptr<ChildProcess>> programs;
};

// Prints one round's line; true when every pop-up showed and had a place of
// its own, the one on top was the foreground window, and every datagram came.
bool OneRound(const Build& build, int number, int count, const char* logs) {
    const Clock::time_point began = Clock::now();
    Round round(build, count);
    int shown = count;
    if (!Probe(build, 60s, {.nth = count - 1}).value("found", false)) {
        shown = 0;
        for (int i = 0; i < count; ++i)
            shown += Probe(build, 0ms, {.nth = i}).value("found", false);
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - began).count();
    // Each read once, known by its number.
    const EachOnce read = ReadEachOnce(build, shown);
    std::map<int, std::pair<int, int>> places;
    for (const nlohmann::json& window : read.windows)
        if (NumberOf(window) >= 0)
            places[NumberOf(window)] = {window["rect"][0], window["rect"][1]};
    // The probe, a program too, may fail to start on a busy machine: tried again.
    nlohmann::json onTop = Probe(build, 2s);
    for (int tries = 1; tries < 3 && !onTop.value("found", false); ++tries) onTop = Probe(build, 2s);
    const bool topIsForeground = onTop.value("foreground", false);
    // The top one answered until none is left; a few tries each.
    for (int tries = 0; tries < 3 * count && round.Running() > 0; ++tries) {
        const int running = round.Running();
        const nlohmann::json top = Probe(build, 2s);
        if (!top.value("found", false)) continue;  // between one going and the next made top-most
        const int x = top["rect"][0], y = top["rect"][1];
        Xdotool({"mousemove", std::to_string(x + 240), std::to_string(y + 175), "click", "1"});
        std::this_thread::sleep_for(500ms);
        Xdotool({"type", "Voy"}), Xdotool({"key", "Return"});
        for (const Clock::time_point end = Clock::now() + 10s;
             Clock::now() < end && round.Running() == running;)
            std::this_thread::sleep_for(100ms);
    }
    int received = 0;
    for (UdpReceiver& receiver : round.receivers) received += receiver.Receive(1s).has_value();
    std::map<std::pair<int, int>, std::string> held;
    for (const auto& [n, place] : places)
        held[place] += (held[place].empty() ? "" : "+") + std::to_string(n);
    std::string shared;
    for (const auto& [place, names] : held)
        if (names.find('+') != std::string::npos)
            shared += (shared.empty() ? "; shared: " : ", ") + names + " at (" +
                      std::to_string(place.first) + ", " + std::to_string(place.second) + ")";
    std::printf(
        "round %d: %d of %d shown in %.1f s, %zu distinct places of %zu read%s, the one on top "
        "%s the foreground window, %d of %d datagrams from %d answered%s\n",
        number, shown, count, seconds, held.size(), places.size(),
        read.passes > 1 ? (" (read " + std::to_string(read.passes) + " times)").c_str() : "",
        topIsForeground ? "is"
                        : (onTop.value("found", false)
                                  ? "is NOT (that is " + onTop.value("foregroundIs", "?") + ")"
                                  : std::string("could not be read as"))
                                     .c_str(),
        received, 2 * count, count - round.Running(), shared.c_str());
    std::fflush(stdout);
    for (int i = 0; logs != nullptr && i < count; ++i)
        std::filesystem::copy_file(
            round.folders[i].Errors(),
            std::string(logs) + "/" + std::to_string(number) + "-" + std::to_string(i) + ".err",
            std::filesystem::copy_options::overwrite_existing);
    return shown == count && static_cast<int>(held.size()) == count && topIsForeground &&
           received == 2 * count;
}

double Load() {
    double load = 0;
    return getloadavg(&load, 1) == 1 ? load : -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 5 || (std::string(argv[4]) != "none" && std::string(argv[4]) != "openbox")) {
        std::fprintf(stderr, "usage: stress COUNT ROUNDS EXE none|openbox [LOGS]\n");
        return 2;
    }
    const bool managed = std::string(argv[4]) == "openbox";
    std::optional<WindowManager> manager;
    if (managed) manager.emplace();
    const int count = std::atoi(argv[1]), rounds = std::atoi(argv[2]);
    const Build build{std::filesystem::absolute("scripts/wine-run"), argv[3],
                      "build/windows/tools/probe.exe"};
    std::printf(
        "%d rounds of %d pop-ups started together, %s, one core busy (load %.2f at the start)\n",
        rounds, count, managed ? "under openbox" : "without a window manager", Load());
    std::fflush(stdout);
    int good = 0;
    for (int r = 1; r <= rounds; ++r)
        good += OneRound(build, r, count, argc > 5 ? argv[5] : nullptr);
    std::printf(
        "%d of %d rounds clean: %d shown, %d places, the one on top the foreground window, %d "
        "datagrams (%s, load %.2f at the end)\n",
        good, rounds, count, count, 2 * count, managed ? "openbox" : "no manager", Load());
    return good == rounds ? 0 : 1;
}
