#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe and the X display, keys and clicks through xdotool, and
// a UDP receiver on loopback standing in for the peer.

#include <gtest/gtest.h>

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "PopUpRun.h"
#include "UdpReceiver.h"
#include "XDisplay.h"

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using tools::Args;
using Process = tools::ChildProcess;
using tools::Picture;
using tools::Screenshot;
using tools::UdpReceiver;

inline const fs::path kBuild = TORNAVEL_WINDOWS_BUILD_DIR;
inline const tools::Build kRun{fs::path(TORNAVEL_SOURCE_DIR) / "scripts/wine-run",
                               kBuild / "TornavelMensaje.exe", kBuild / "tools/probe.exe"};
using tools::HandoffLine;
using tools::ProbeFor;

// The command line that runs a Windows program of the build under Wine, with
// `env` (NAME=value) added to its environment.
inline Args Wine(const std::string& program, Args args = {}, const Args& env = {}) {
    return tools::WineCommand(kRun, program, std::move(args), env);
}

// Runs xdotool with these arguments, failing the test when it fails.
inline void Xdotool(const Args& args) {
    EXPECT_TRUE(tools::Xdotool(args)) << "xdotool " << args.at(0);
}

// A folder holding a copy of this build's TornavelMensaje.exe.
struct AppFolder : tools::AppFolder {
    AppFolder() : tools::AppFolder(kRun) {}
};

inline nlohmann::json Probe(std::chrono::milliseconds wait, const ProbeFor& what = {}) {
    return tools::Probe(kRun, wait, what);
}

// The pop-up's JSON; throws, failing the test, when it does not show within 20 s.
inline nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    return window;
}

}  // namespace e2e
