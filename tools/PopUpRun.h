#pragma once

// The pop-up run from Linux as it runs on a desk: a folder with a copy of the
// exe and a hand-off file beside it, started under Wine (scripts/wine-run),
// and read through the probe. The end-to-end tests and stress share it.

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "ChildProcess.h"

namespace tools {

using Args = std::vector<std::string>;

// Where the run's pieces are.
struct Build {
    std::filesystem::path wineRun;  // scripts/wine-run
    std::filesystem::path exe;      // TornavelMensaje.exe
    std::filesystem::path probe;    // tools/probe.exe of the windows build
};

// The bytes of a file; none when it cannot be read.
std::string ReadFile(const std::filesystem::path& file);

// Joins fields with "¶" in a code page's bytes: 0xB6 in 1252 unless told.
std::string HandoffLine(const std::vector<std::string>& fields,
                        const std::string& separator = "\xB6");

// The command line that runs a Windows program under Wine, with `env`
// (NAME=value) added to its environment.
Args WineCommand(const Build& build, const std::string& program, Args args = {},
                 const Args& env = {});

// A folder holding a copy of the exe, removed afterwards.
class AppFolder {
  public:
    explicit AppFolder(Build build);
    ~AppFolder();
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;

    std::filesystem::path Handoff() const { return path_ / "open.zelbarqin"; }
    void WriteHandoff(const std::string& bytes) const;
    std::optional<std::string> ReadHandoff() const;
    // Starts the exe, with Wine writing what it says by OutputDebugString to
    // Errors(), and `env` added to its environment.
    std::unique_ptr<ChildProcess> Start(Args env = {}) const;
    std::filesystem::path Errors() const { return path_.parent_path() / "stderr"; }
    // Those lines, as Wine quotes them.
    std::vector<std::string> DebugLines() const;

  private:
    const Build build_;
    const std::filesystem::path path_;
};

// Which window the probe reads, and what it does first.
struct ProbeFor {
    std::string title = "Tornavel - Mensaje";
    std::string className = {};  // any
    int nth = 0;                 // the Nth such window, the top one first
    int dpi = -1;                // first tell it it moved to a monitor of this dpi
    int paste = 0;               // first paste this many characters into its reply box
    bool close = false;          // last, send it WM_CLOSE from this other process
    Args env = {};               // the pop-up's Wine environment, when not the usual one
    int askMs = 0;               // only ask it, shown or hidden, to answer within this
    bool endSession = false;     // then tell it the session ends, calling this as it does:
    std::function<void()> whenEnding = {};
};

// The probe's JSON for a window, waiting up to `wait` for it to show (the
// pop-up: until its start-up has ended, shown and top-most); {"found":false}
// otherwise.
nlohmann::json Probe(const Build& build, std::chrono::milliseconds wait, const ProbeFor& what = {});

// listen.exe (beside the probe) hearing the pop-up's window as a screen
// reader does, from before the pop-up starts: listening once constructed.
class Listener {
  public:
    // `env`: the pop-up's Wine environment, when not the usual one.
    Listener(const Build& build, const Args& env);
    ~Listener();
    Listener(const Listener&) = delete;
    Listener& operator=(const Listener&) = delete;

    // What it heard, an object for each event, once it has ended (2 s after
    // the window's first alert), waiting up to `wait` for that; none when it
    // did not end.
    std::optional<std::vector<nlohmann::json>> Heard(std::chrono::milliseconds wait);

  private:
    const std::filesystem::path out_;
    std::unique_ptr<ChildProcess> process_;
};

// Runs xdotool with these arguments; true when it ended well within 30 s.
bool Xdotool(Args args);

// The `count` shown pop-ups, read through the probe one by one from the top,
// until a pass has read each once (known by its message): the probe finds
// the Nth by walking the z-order, so one raised between two reads shifts the
// others, and that pass reads one twice and another not at all. Tried up to
// `passes` times; `passes` then says how many it took.
struct EachOnce {
    std::vector<nlohmann::json> windows;  // the last pass's, the top one first
    int passes = 0;
    bool complete = false;  // a pass read `count` different messages
};
EachOnce ReadEachOnce(const Build& build, int count, int passes = 10);
// A pop-up's message, as the probe read it; empty when it found none.
std::string MessageOf(const nlohmann::json& window);

}  // namespace tools
