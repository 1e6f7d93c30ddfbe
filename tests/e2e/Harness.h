#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe, screenshots, keystrokes and clicks.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// Where the Windows build and the Wine wrapper are.
fs::path WindowsBuildDir();
fs::path WineRun();

// Joins fields with the byte 0xB6, code page 1252's "¶".
std::string HandoffLine(const std::vector<std::string>& fields);

// A running Windows program. The destructor kills what still runs.
class WineProcess {
  public:
    WineProcess(const fs::path& exe, const std::vector<std::string>& args = {},
                const fs::path& stdoutFile = {});
    ~WineProcess();
    WineProcess(const WineProcess&) = delete;
    WineProcess& operator=(const WineProcess&) = delete;

    // The exit code once the process has ended within `timeout`.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);
    bool Running();
    void Kill();

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

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
    // The program's Windows path as Wine sees it (Z: is the Unix root).
    std::string WindowsPathOf(const fs::path& file) const;
    std::unique_ptr<WineProcess> Start() const;

  private:
    fs::path path_;
};

// The probe's JSON for the pop-up (or for a window of `className` titled
// `title`), waiting up to `wait` for it to show; {"found":false} otherwise.
nlohmann::json Probe(std::chrono::milliseconds wait,
                     const std::string& title = "Tornavel - Mensaje",
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

// Runs a shell command; its standard output.
std::string Capture(const std::string& command);
// Runs xdotool with these arguments.
void Xdotool(const std::string& args);

struct Rgb {
    int r, g, b;
    bool operator==(const Rgb&) const = default;
};

// A screenshot of the whole virtual display.
class Screenshot {
  public:
    static Screenshot Take();
    Rgb At(int x, int y) const;
    int Width() const { return width_; }
    int Height() const { return height_; }
    void SavePng(const fs::path& file) const;

  private:
    int width_ = 0;
    int height_ = 0;
    std::vector<std::uint8_t> pixels_;
};

std::string ToString(const Rgb& c);

}  // namespace e2e
