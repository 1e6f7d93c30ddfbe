#include "Harness.h"

// Before X11's headers, whose macros (None, Bool) break its own.
#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace e2e {
namespace {

const fs::path kBuild = TORNAVEL_WINDOWS_BUILD_DIR;

std::string ReadFile(const fs::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;
DisplayPtr OpenDisplay() {
    DisplayPtr display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) throw std::runtime_error("no X display");
    return display;
}

}  // namespace

std::string HandoffLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : "\xB6") + fields[i];
    return line;
}

Process::Process(const Args& argv, const fs::path& out, const fs::path& err) {
    std::vector<char*> raw;
    for (const std::string& a : argv) raw.push_back(const_cast<char*>(a.c_str()));
    raw.push_back(nullptr);
    const std::string files[] = {"/dev/null", out.empty() ? "/dev/null" : out.string(),
                                 err.empty() ? "/dev/null" : err.string()};
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    for (int fd = 0; fd < 3; ++fd)
        posix_spawn_file_actions_addopen(&actions, fd, files[fd].c_str(),
                                         fd == 0 ? O_RDONLY : O_WRONLY | O_CREAT | O_TRUNC, 0644);
    const int rc = posix_spawnp(&pid_, raw[0], &actions, nullptr, raw.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
}

Process::~Process() {
    if (exitCode_) return;
    kill(pid_, SIGKILL);
    WaitExit(10s);
    std::this_thread::sleep_for(200ms);  // for the Wine server to drop its windows
}

std::optional<int> Process::WaitExit(std::chrono::milliseconds timeout) {
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

Args Wine(const std::string& program, const Args& args) {
    Args argv{(fs::path(TORNAVEL_SOURCE_DIR) / "scripts" / "wine-run").string(), program};
    argv.insert(argv.end(), args.begin(), args.end());
    return argv;
}

void Xdotool(const Args& args) {
    Args argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    EXPECT_EQ(Process(argv).WaitExit(30s), std::optional<int>(0)) << "xdotool " << args.at(0);
}

AppFolder::AppFolder()
    : path_(fs::temp_directory_path() / ("tornavel-e2e-" + std::to_string(std::random_device()())) /
            "exe") {
    fs::create_directories(path_);
    fs::copy_file(kBuild / "TornavelMensaje.exe", path_ / "TornavelMensaje.exe");
}

AppFolder::~AppFolder() { fs::remove_all(path_.parent_path()); }

void AppFolder::WriteHandoff(const std::string& bytes) const {
    std::ofstream(Handoff(), std::ios::binary) << bytes;
}

std::optional<std::string> AppFolder::ReadHandoff() const {
    if (!fs::exists(Handoff())) return std::nullopt;
    return ReadFile(Handoff());
}

std::unique_ptr<Process> AppFolder::Start() const {
    Args argv = Wine((path_ / "TornavelMensaje.exe").string());
    argv.insert(argv.begin(), {"env", "WINEDEBUG=warn+seh"});
    return std::make_unique<Process>(argv, fs::path(), path_.parent_path() / "stderr");
}

std::vector<std::string> AppFolder::DebugLines() const {
    std::istringstream err(ReadFile(path_.parent_path() / "stderr"));
    std::vector<std::string> lines;
    const std::string marker = "OutputDebugStringA \"";
    for (std::string line; std::getline(err, line);) {
        if (const std::size_t at = line.find(marker); at != std::string::npos)
            lines.push_back(line.substr(at + marker.size()));
    }
    return lines;
}

nlohmann::json Probe(std::chrono::milliseconds wait, const std::string& title,
                     const std::string& className, int dpi) {
    Args args{"--wait", std::to_string(wait.count()), "--title", title};
    if (!className.empty()) args.insert(args.end(), {"--class", className});
    if (dpi >= 0) args.insert(args.end(), {"--dpi", std::to_string(dpi)});
    const fs::path out =
        fs::temp_directory_path() / ("probe-" + std::to_string(getpid()) + ".json");
    Process(Wine((kBuild / "tools" / "probe.exe").string(), args), out).WaitExit(60s);
    const std::string json = ReadFile(out);
    fs::remove(out);
    const std::size_t start = json.find('{');
    return start == std::string::npos ? nlohmann::json{{"found", false}}
                                      : nlohmann::json::parse(json.substr(start));
}

nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    if (!window.value("found", false)) throw std::runtime_error("the pop-up did not show");
    return window;
}

Picture Screenshot() {
    DisplayPtr display = OpenDisplay();
    XWindowAttributes root{};
    XGetWindowAttributes(display.get(), DefaultRootWindow(display.get()), &root);
    XImage* image = XGetImage(display.get(), DefaultRootWindow(display.get()), 0, 0, root.width,
                              root.height, AllPlanes, ZPixmap);
    Picture shot{root.width, root.height, 0, 0, {}};
    for (int y = 0; y < shot.height; ++y)
        for (int x = 0; x < shot.width; ++x)
            shot.argb.push_back(static_cast<std::uint32_t>(XGetPixel(image, x, y)) | 0xFF000000u);
    XDestroyImage(image);
    return shot;
}

Picture CurrentCursor() {
    DisplayPtr display = OpenDisplay();
    XFixesCursorImage* image = XFixesGetCursorImage(display.get());
    if (image == nullptr) throw std::runtime_error("no cursor image");
    Picture cursor{image->width, image->height, image->xhot, image->yhot, {}};
    cursor.argb.assign(image->pixels, image->pixels + cursor.width * cursor.height);
    XFree(image);
    return cursor;
}

UdpReceiver::UdpReceiver() : fd_(socket(AF_INET, SOCK_DGRAM, 0)) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t length = sizeof(address);
    if (fd_ < 0 || bind(fd_, reinterpret_cast<sockaddr*>(&address), length) != 0)
        throw std::runtime_error("cannot bind a receiver");
    getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length);
    port_ = ntohs(address.sin_port);
}

UdpReceiver::~UdpReceiver() { close(fd_); }

std::optional<std::string> UdpReceiver::Receive(std::chrono::milliseconds timeout) {
    pollfd ready{fd_, POLLIN, 0};
    std::string bytes(70000, '\0');
    if (poll(&ready, 1, static_cast<int>(timeout.count())) != 1) return std::nullopt;
    const ssize_t got = recv(fd_, bytes.data(), bytes.size(), 0);
    if (got < 0) return std::nullopt;
    bytes.resize(static_cast<std::size_t>(got));
    return bytes;
}

}  // namespace e2e
