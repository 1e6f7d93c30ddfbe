#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe and the X display, keys and clicks through xdotool, and
// a UDP receiver on loopback standing in for the peer.

#include <gtest/gtest.h>

#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <random>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include <nlohmann/json.hpp>

#include "ChildProcess.h"
#include "UdpReceiver.h"
#include "XDisplay.h"

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Args = std::vector<std::string>;
using Process = tools::ChildProcess;
using tools::Picture;
using tools::Screenshot;
using tools::UdpReceiver;

inline const fs::path kBuild = TORNAVEL_WINDOWS_BUILD_DIR;

// The bytes of a file; none when it cannot be read.
inline std::string ReadFile(const fs::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

// Joins fields with "¶" in a code page's bytes: 0xB6 in 1252 unless told.
inline std::string HandoffLine(const std::vector<std::string>& fields,
                               const std::string& separator = "\xB6") {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : separator) + fields[i];
    return line;
}

// The command line that runs a Windows program of the build under Wine, with
// `env` (NAME=value) added to its environment.
inline Args Wine(const std::string& program, Args args = {}, const Args& env = {}) {
    args.insert(args.begin(),
                {(fs::path(TORNAVEL_SOURCE_DIR) / "scripts/wine-run").string(), program});
    args.insert(args.begin(), env.begin(), env.end());
    args.insert(args.begin(), "env");
    return args;
}

// Runs xdotool with these arguments, failing the test when it fails.
inline void Xdotool(Args args) {
    args.insert(args.begin(), "xdotool");
    EXPECT_EQ(Process(args).WaitExit(30s), std::optional<int>(0)) << "xdotool " << args.at(1);
}

// A folder holding a copy of TornavelMensaje.exe, removed afterwards.
class AppFolder {
  public:
    AppFolder() {
        fs::create_directories(path_);
        fs::copy_file(kBuild / "TornavelMensaje.exe", path_ / "TornavelMensaje.exe");
    }
    ~AppFolder() { fs::remove_all(path_.parent_path()); }
    AppFolder(const AppFolder&) = delete;
    AppFolder& operator=(const AppFolder&) = delete;
    fs::path Handoff() const { return path_ / "open.zelbarqin"; }
    void WriteHandoff(const std::string& bytes) const {
        std::ofstream(Handoff(), std::ios::binary) << bytes;
    }
    std::optional<std::string> ReadHandoff() const {
        return fs::exists(Handoff()) ? std::optional(ReadFile(Handoff())) : std::nullopt;
    }
    // Starts the exe, with Wine showing what it writes by OutputDebugString,
    // and `env` added to its environment.
    std::unique_ptr<Process> Start(Args env = {}) const {
        env.insert(env.begin(), "WINEDEBUG=warn+seh");
        return std::make_unique<Process>(Wine((path_ / "TornavelMensaje.exe").string(), {}, env),
                                         fs::path(), path_.parent_path() / "stderr");
    }
    // Those lines, as Wine quotes them.
    std::vector<std::string> DebugLines() const;

  private:
    const fs::path path_ = fs::temp_directory_path() /
                           ("tornavel-e2e-" + std::to_string(std::random_device()())) / "exe";
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
};

// The probe's JSON for a window, waiting up to `wait` for it to show (the
// pop-up: until its start-up has ended, shown and top-most); {"found":false}
// otherwise.
nlohmann::json Probe(std::chrono::milliseconds wait, const ProbeFor& what = {});

// The pop-up's JSON; throws, failing the test, when it does not show within 20 s.
inline nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    return window;
}

}  // namespace e2e
