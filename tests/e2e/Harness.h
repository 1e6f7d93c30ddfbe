#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe, keystrokes and clicks through xdotool.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Args = std::vector<std::string>;

fs::path WindowsBuildDir();

// Joins fields with the byte 0xB6, code page 1252's "¶".
std::string HandoffLine(const std::vector<std::string>& fields);

// A running program; arguments go to it as a list, never through a shell.
// Windows programs run through scripts/wine-run. The destructor kills what
// still runs.
class Process {
  public:
    struct Options {
        fs::path stdoutFile;  // /dev/null when empty
        fs::path stderrFile;
        std::vector<std::string> environment;  // NAME=value, added to ours
    };
    Process(const Args& argv, const Options& options);
    ~Process();
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;

    // The exit code once the process has ended within `timeout`.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);
    bool Running() { return !WaitExit(0ms); }

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

// Runs a program to its end; its standard output.
std::string Capture(const Args& argv);
// Runs a Windows program of the build's tools folder to its end; its output.
std::string CaptureTool(const std::string& tool, const Args& args);
// Runs xdotool with these arguments, failing the test when it fails.
void Xdotool(const Args& args);

// A folder holding a copy of TornavelMensaje.exe, removed afterwards.
class AppFolder {
  public:
    AppFolder();
    ~AppFolder();
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;

    const fs::path& Path() const { return path_; }
    fs::path Handoff() const { return path_ / "open.zelbarqin"; }
    void WriteHandoff(const std::string& bytes) const;
    std::optional<std::string> ReadHandoff() const;
    // Starts the exe with Wine's debug output of OutputDebugString on, to
    // DebugOutput().
    std::unique_ptr<Process> Start() const;
    // The lines the program wrote with OutputDebugString.
    std::vector<std::string> DebugLines() const;

  private:
    fs::path path_;
};

// The probe's JSON for the pop-up (or for a window of `className` titled
// `title`), waiting up to `wait` for it to show; {"found":false} otherwise.
nlohmann::json Probe(std::chrono::milliseconds wait, const std::string& title = "Tornavel - Mensaje",
                     const std::string& className = "");

// The pop-up's JSON, failing the test when it does not show within 20 s.
nlohmann::json WaitForWindow();

// The screen's dpi for Windows programs started while it lives (Wine reads
// it from the registry at each program's start); back to 96 at its end.
class ScopedScreenDpi {
  public:
    explicit ScopedScreenDpi(int dpi);
    ~ScopedScreenDpi();
    ScopedScreenDpi(const ScopedScreenDpi&) = delete;
    ScopedScreenDpi& operator=(const ScopedScreenDpi&) = delete;
};

}  // namespace e2e
