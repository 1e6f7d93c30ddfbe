#include "Harness.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace e2e {

fs::path WindowsBuildDir() { return TORNAVEL_WINDOWS_BUILD_DIR; }
fs::path WineRun() { return fs::path(TORNAVEL_SOURCE_DIR) / "scripts" / "wine-run"; }

std::string HandoffLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i != 0) line += '\xB6';
        line += fields[i];
    }
    return line;
}

WineProcess::WineProcess(const fs::path& exe, const std::vector<std::string>& args,
                         const fs::path& stdoutFile) {
    std::vector<std::string> argv{WineRun().string(), exe.string()};
    argv.insert(argv.end(), args.begin(), args.end());
    std::vector<char*> raw;
    for (std::string& a : argv) raw.push_back(a.data());
    raw.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    const std::string out = stdoutFile.empty() ? "/dev/null" : stdoutFile.string();
    posix_spawn_file_actions_addopen(&actions, 1, out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    const int rc = posix_spawn(&pid_, raw[0], &actions, nullptr, raw.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + exe.string());
}

WineProcess::~WineProcess() { Kill(); }

std::optional<int> WineProcess::WaitExit(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!exitCode_) {
        int status = 0;
        const pid_t done = waitpid(pid_, &status, WNOHANG);
        if (done == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            break;
        }
        if (std::chrono::steady_clock::now() >= end) break;
        std::this_thread::sleep_for(50ms);
    }
    return exitCode_;
}

bool WineProcess::Running() { return !WaitExit(0ms); }

void WineProcess::Kill() {
    if (exitCode_ || pid_ <= 0) return;
    kill(pid_, SIGKILL);
    WaitExit(10s);
    // Give the Wine server a moment to drop the dead process's windows.
    std::this_thread::sleep_for(200ms);
}

AppFolder::AppFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() /
            ("tornavel-e2e-" + std::to_string(getpid()) + "-" + std::to_string(random()));
    fs::create_directories(path_);
    fs::copy_file(WindowsBuildDir() / "TornavelMensaje.exe", path_ / "TornavelMensaje.exe");
}

AppFolder::~AppFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

void AppFolder::WriteHandoff(const std::string& bytes) const {
    std::ofstream(Handoff(), std::ios::binary) << bytes;
}

std::optional<std::string> AppFolder::ReadHandoff() const {
    std::ifstream in(Handoff(), std::ios::binary);
    if (!in) return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::string AppFolder::WindowsPathOf(const fs::path& file) const {
    std::string path = "Z:" + file.string();
    for (char& c : path) {
        if (c == '/') c = '\\';
    }
    return path;
}

std::unique_ptr<WineProcess> AppFolder::Start() const {
    return std::make_unique<WineProcess>(path_ / "TornavelMensaje.exe");
}

std::string Capture(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    if (!pipe) throw std::runtime_error("cannot run " + command);
    std::string out;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = fread(buffer, 1, sizeof(buffer), pipe.get())) > 0) out.append(buffer, got);
    return out;
}

void Xdotool(const std::string& args) {
    const std::string command = "xdotool " + args + " </dev/null >/dev/null 2>&1";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;
}

nlohmann::json Probe(std::chrono::milliseconds wait, const std::string& title,
                     const std::string& className) {
    std::string command = "'" + WineRun().string() + "' '" +
                          (WindowsBuildDir() / "tools" / "probe.exe").string() + "' --wait " +
                          std::to_string(wait.count()) + " --title '" + title + "'";
    if (!className.empty()) command += " --class '" + className + "'";
    const std::string out = Capture(command + " 2>/dev/null");
    const std::size_t start = out.find('{');
    if (start == std::string::npos) return {{"found", false}, {"raw", out}};
    return nlohmann::json::parse(out.substr(start));
}

namespace {

void SetScreenDpi(int dpi) {
    const std::string command = "'" + WineRun().string() +
                                "' reg.exe add 'HKCU\\Control Panel\\Desktop' /v LogPixels "
                                "/t REG_DWORD /d " +
                                std::to_string(dpi) + " /f </dev/null >/dev/null 2>&1";
    if (std::system(command.c_str()) != 0) throw std::runtime_error("cannot set the dpi");
}

}  // namespace

ScopedScreenDpi::ScopedScreenDpi(int dpi) { SetScreenDpi(dpi); }

ScopedScreenDpi::~ScopedScreenDpi() {
    try {
        SetScreenDpi(96);
    } catch (const std::exception&) {
        ADD_FAILURE() << "the screen's dpi stays changed";
    }
}

nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    EXPECT_TRUE(window.value("found", false)) << "the pop-up did not show: " << window.dump();
    return window;
}

Screenshot Screenshot::Take() {
    const std::string ppm = Capture("import -window root -depth 8 ppm:- 2>/dev/null");
    Screenshot shot;
    std::istringstream in(ppm);
    std::string magic;
    int maxValue = 0;
    in >> magic >> shot.width_ >> shot.height_ >> maxValue;
    in.get();
    if (magic != "P6" || maxValue != 255) throw std::runtime_error("unexpected screenshot format");
    const std::size_t offset = static_cast<std::size_t>(in.tellg());
    shot.pixels_.assign(ppm.begin() + static_cast<std::ptrdiff_t>(offset), ppm.end());
    if (shot.pixels_.size() < static_cast<std::size_t>(shot.width_) * shot.height_ * 3)
        throw std::runtime_error("short screenshot");
    return shot;
}

Rgb Screenshot::At(int x, int y) const {
    const std::size_t i = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return {pixels_[i], pixels_[i + 1], pixels_[i + 2]};
}

void Screenshot::SavePng(const fs::path& file) const {
    const std::string command = "convert ppm:- '" + file.string() + "'";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "w"), pclose);
    std::fprintf(pipe.get(), "P6\n%d %d\n255\n", width_, height_);
    std::fwrite(pixels_.data(), 1, pixels_.size(), pipe.get());
}

std::string ToString(const Rgb& c) {
    return "(" + std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b) +
           ")";
}

}  // namespace e2e
