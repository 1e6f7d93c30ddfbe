#pragma once

// Drives the real Windows program under Wine on the virtual display, as a
// person would: a hand-off file next to a copy of the exe, the window read
// through the probe and the X display, keys and clicks through xdotool, and
// a UDP receiver on loopback standing in for the peer.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
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

namespace e2e {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using Args = std::vector<std::string>;

inline const fs::path kBuild = TORNAVEL_WINDOWS_BUILD_DIR;

// The bytes of a file; none when it cannot be read.
inline std::string ReadFile(const fs::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

// Joins fields with the byte 0xB6, code page 1252's "¶".
inline std::string HandoffLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : "\xB6") + fields[i];
    return line;
}

// A running program, its arguments passed as a list, never through a shell;
// standard output and error go to files (or nowhere). The destructor kills
// what still runs.
class Process {
  public:
    explicit Process(const Args& argv, const fs::path& out = {}, const fs::path& err = {});
    ~Process() {
        if (exitCode_) return;
        kill(pid_, SIGKILL);
        WaitExit(10s);
        std::this_thread::sleep_for(200ms);  // for the Wine server to drop its windows
    }
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    // The exit code once the process has ended within `timeout`.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout) {
        const auto end = std::chrono::steady_clock::now() + timeout;
        for (int status = 0; !exitCode_;) {
            if (waitpid(pid_, &status, WNOHANG) == pid_)
                exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
            else if (std::chrono::steady_clock::now() >= end)
                break;
            else
                std::this_thread::sleep_for(50ms);
        }
        return exitCode_;
    }

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

// The command line that runs a Windows program of the build under Wine.
inline Args Wine(const std::string& program, const Args& args = {}) {
    Args argv{(fs::path(TORNAVEL_SOURCE_DIR) / "scripts" / "wine-run").string(), program};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

// Runs xdotool with these arguments, failing the test when it fails.
inline void Xdotool(const Args& args) {
    Args argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    EXPECT_EQ(Process(argv).WaitExit(30s), std::optional<int>(0)) << "xdotool " << args.at(0);
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
    // Starts the exe, with Wine showing what it writes by OutputDebugString.
    std::unique_ptr<Process> Start() const {
        Args argv = Wine((path_ / "TornavelMensaje.exe").string());
        argv.insert(argv.begin(), {"env", "WINEDEBUG=warn+seh"});
        return std::make_unique<Process>(argv, fs::path(), path_.parent_path() / "stderr");
    }
    // Those lines, as Wine quotes them.
    std::vector<std::string> DebugLines() const;

  private:
    const fs::path path_ = fs::temp_directory_path() /
                           ("tornavel-e2e-" + std::to_string(std::random_device()())) / "exe";
};

// The probe's JSON for the pop-up (or for a window of `className` titled
// `title`), waiting up to `wait` for it to show; {"found":false} otherwise.
// With `dpi`, the window is first told it moved to a monitor of that dpi;
// `nth` is the Nth such window, the top one first.
nlohmann::json Probe(std::chrono::milliseconds wait,
                     const std::string& title = "Tornavel - Mensaje",
                     const std::string& className = "", int dpi = -1, int nth = 0);

// The pop-up's JSON; throws, failing the test, when it does not show within 20 s.
inline nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    return window;
}

// An ARGB picture: a screenshot or the pointer.
struct Picture {
    int width = 0, height = 0, hotX = 0, hotY = 0;
    std::vector<std::uint32_t> argb;
    std::uint32_t At(int x, int y) const { return argb[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t Rgb(int x, int y) const { return At(x, y) & 0xFFFFFF; }
};
Picture Screenshot();
// The pointer's picture now shown.
Picture CurrentCursor();

// A UDP socket on loopback (127.0.0.1, or ::1 for AF_INET6) at a free port.
class UdpReceiver {
  public:
    explicit UdpReceiver(int family = AF_INET) : fd_(socket(family, SOCK_DGRAM, 0)) {
        sockaddr_storage address{};
        auto& v4 = reinterpret_cast<sockaddr_in&>(address);  // the port lies alike in both
        auto& v6 = reinterpret_cast<sockaddr_in6&>(address);
        address.ss_family = static_cast<sa_family_t>(family);
        if (family == AF_INET6)
            v6.sin6_addr = in6addr_loopback;
        else
            v4.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        socklen_t length = family == AF_INET6 ? sizeof(v6) : sizeof(v4);
        if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0)
            throw std::runtime_error("cannot bind a receiver");
        getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
        port_ = ntohs(v4.sin_port);
    }
    ~UdpReceiver() { close(fd_); }
    UdpReceiver(const UdpReceiver&) = delete;
    UdpReceiver& operator=(const UdpReceiver&) = delete;
    int Port() const { return port_; }
    std::optional<std::string> Receive(std::chrono::milliseconds timeout) {
        pollfd ready{fd_, POLLIN, 0};
        std::string bytes(70000, '\0');
        if (poll(&ready, 1, static_cast<int>(timeout.count())) != 1) return std::nullopt;
        const ssize_t got = recv(fd_, bytes.data(), bytes.size(), 0);
        if (got < 0) return std::nullopt;
        bytes.resize(static_cast<std::size_t>(got));
        return bytes;
    }

  private:
    const int fd_;
    int port_ = 0;
};

}  // namespace e2e
