#include "Harness.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#include <thread>

#include <gtest/gtest.h>

extern char** environ;

namespace e2e {
namespace {

fs::path WineRun() { return fs::path(TORNAVEL_SOURCE_DIR) / "scripts" / "wine-run"; }

pid_t Spawn(const Args& argv, int stdoutFd, const Process::Options& options) {
    std::vector<std::string> args = argv;
    std::vector<char*> rawArgs;
    for (std::string& a : args) rawArgs.push_back(a.data());
    rawArgs.push_back(nullptr);
    // Ours, then the inherited ones that ours do not replace.
    std::vector<std::string> env = options.environment;
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view inherited(*e);
        const auto sameName = [&](const std::string& own) {
            return inherited.substr(0, inherited.find('=') + 1) == own.substr(0, own.find('=') + 1);
        };
        if (std::none_of(options.environment.begin(), options.environment.end(), sameName))
            env.emplace_back(inherited);
    }
    std::vector<char*> rawEnv;
    for (std::string& e : env) rawEnv.push_back(e.data());
    rawEnv.push_back(nullptr);

    const auto output = [](const fs::path& file) {
        return file.empty() ? std::string("/dev/null") : file.string();
    };
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
    if (stdoutFd >= 0) {
        posix_spawn_file_actions_adddup2(&actions, stdoutFd, 1);
    } else {
        posix_spawn_file_actions_addopen(&actions, 1, output(options.stdoutFile).c_str(),
                                         O_WRONLY | O_CREAT | O_TRUNC, 0644);
    }
    posix_spawn_file_actions_addopen(&actions, 2, output(options.stderrFile).c_str(),
                                     O_WRONLY | O_CREAT | O_TRUNC, 0644);
    pid_t pid = -1;
    const int rc = posix_spawnp(&pid, rawArgs[0], &actions, nullptr, rawArgs.data(), rawEnv.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv[0]);
    return pid;
}

}  // namespace

fs::path WindowsBuildDir() { return TORNAVEL_WINDOWS_BUILD_DIR; }

std::string HandoffLine(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : "\xB6") + fields[i];
    return line;
}

Process::Process(const Args& argv, const Options& options) : pid_(Spawn(argv, -1, options)) {}

Process::~Process() {
    if (exitCode_ || pid_ <= 0) return;
    kill(pid_, SIGKILL);
    WaitExit(10s);
    // Give the Wine server a moment to drop the dead process's windows.
    std::this_thread::sleep_for(200ms);
}

std::optional<int> Process::WaitExit(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    while (!exitCode_) {
        int status = 0;
        if (waitpid(pid_, &status, WNOHANG) == pid_) {
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        } else if (std::chrono::steady_clock::now() >= end) {
            break;
        } else {
            std::this_thread::sleep_for(50ms);
        }
    }
    return exitCode_;
}

std::string Capture(const Args& argv) {
    int fds[2];
    if (pipe(fds) != 0) throw std::runtime_error("no pipe");
    const pid_t pid = Spawn(argv, fds[1], {});
    close(fds[1]);
    std::string out;
    char buffer[65536];
    ssize_t got = 0;
    while ((got = read(fds[0], buffer, sizeof(buffer))) > 0) out.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    int status = 0;
    waitpid(pid, &status, 0);
    return out;
}

std::string CaptureTool(const std::string& tool, const Args& args) {
    Args argv{WineRun().string(), (WindowsBuildDir() / "tools" / tool).string()};
    argv.insert(argv.end(), args.begin(), args.end());
    return Capture(argv);
}

void Xdotool(const Args& args) {
    Args argv{"xdotool"};
    argv.insert(argv.end(), args.begin(), args.end());
    Process xdotool(argv, {});
    EXPECT_EQ(xdotool.WaitExit(30s), std::optional<int>(0)) << "xdotool " << args.at(0);
}

AppFolder::AppFolder() {
    std::random_device random;
    path_ = fs::temp_directory_path() / ("tornavel-e2e-" + std::to_string(getpid()) + "-" + std::to_string(random()));
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

std::unique_ptr<Process> AppFolder::Start() const {
    return std::make_unique<Process>(
        Args{WineRun().string(), (path_ / "TornavelMensaje.exe").string()},
        Process::Options{{}, path_.parent_path() / (path_.filename().string() + ".stderr"), {"WINEDEBUG=warn+seh"}});
}

std::vector<std::string> AppFolder::DebugLines() const {
    std::ifstream in(path_.parent_path() / (path_.filename().string() + ".stderr"));
    std::vector<std::string> lines;
    const std::string marker = "OutputDebugStringA \"";
    for (std::string line; std::getline(in, line);) {
        const std::size_t at = line.find(marker);
        if (at != std::string::npos) lines.push_back(line.substr(at + marker.size()));
    }
    return lines;
}

nlohmann::json Probe(std::chrono::milliseconds wait, const std::string& title, const std::string& className) {
    Args args{"--wait", std::to_string(wait.count()), "--title", title};
    if (!className.empty()) args.insert(args.end(), {"--class", className});
    const std::string out = CaptureTool("probe.exe", args);
    const std::size_t start = out.find('{');
    if (start == std::string::npos) return {{"found", false}, {"raw", out}};
    return nlohmann::json::parse(out.substr(start));
}

nlohmann::json WaitForWindow() {
    nlohmann::json window = Probe(20s);
    EXPECT_TRUE(window.value("found", false)) << "the pop-up did not show: " << window.dump();
    return window;
}

namespace {

void SetScreenDpi(int dpi) {
    const Args reg{WineRun().string(), "reg.exe", "add", "HKCU\\Control Panel\\Desktop", "/v", "LogPixels",
                   "/t", "REG_DWORD", "/d", std::to_string(dpi), "/f"};
    if (Process(reg, {}).WaitExit(60s) != std::optional<int>(0)) throw std::runtime_error("cannot set the dpi");
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

}  // namespace e2e
