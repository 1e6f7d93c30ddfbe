#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe and the X display, keys and clicks through xdotool, and
// a UDP receiver on loopback standing in for the peer.

#include <sys/types.h>

#include <chrono>
#include <cstdint>
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

// Joins fields with the byte 0xB6, code page 1252's "¶".
std::string HandoffLine(const std::vector<std::string>& fields);

// A running program, its arguments passed as a list, never through a shell;
// standard output and error go to files (or nowhere). The destructor kills
// what still runs.
class Process {
  public:
    explicit Process(const Args& argv, const fs::path& out = {}, const fs::path& err = {});
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

// The command line that runs a Windows program of the build under Wine.
Args Wine(const std::string& program, const Args& args = {});
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
    // Starts the exe, with Wine showing what it writes by OutputDebugString.
    std::unique_ptr<Process> Start() const;
    // Those lines, as Wine quotes them.
    std::vector<std::string> DebugLines() const;

  private:
    fs::path path_;
};

// The probe's JSON for the pop-up (or for a window of `className` titled
// `title`), waiting up to `wait` for it to show; {"found":false} otherwise.
// With `dpi`, the window is first told it moved to a monitor of that dpi.
nlohmann::json Probe(std::chrono::milliseconds wait,
                     const std::string& title = "Tornavel - Mensaje",
                     const std::string& className = "", int dpi = -1);
// The pop-up's JSON; throws, failing the test, when it does not show within 20 s.
nlohmann::json WaitForWindow();

// An ARGB picture: a screenshot, an icon or the pointer.
struct Picture {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
};
Picture Screenshot();
// The pointer's picture now shown.
Picture CurrentCursor();

// A UDP socket on 127.0.0.1 at a free port.
class UdpReceiver {
  public:
    UdpReceiver();
    ~UdpReceiver();
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;
    int Port() const { return port_; }
    std::optional<std::string> Receive(std::chrono::milliseconds timeout);

  private:
    int fd_ = -1;
    int port_ = 0;
};

}  // namespace e2e
