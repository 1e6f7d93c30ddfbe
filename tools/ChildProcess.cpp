#include "ChildProcess.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>

#include <stdexcept>
#include <thread>

extern char** environ;

namespace tools {

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::filesystem::path& out,
                           const std::filesystem::path& err) {
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
    // A group of its own: wine-run's helpers die with it.
    posix_spawnattr_t attributes;
    posix_spawnattr_init(&attributes);
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
    const int rc = posix_spawnp(&pid_, raw[0], &actions, &attributes, raw.data(), environ);
    posix_spawnattr_destroy(&attributes);
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) throw std::runtime_error("cannot start " + argv.at(0));
}

ChildProcess::~ChildProcess() {
    if (exitCode_) return;
    kill(-pid_, SIGKILL);
    WaitExit(std::chrono::seconds(10));
    // For the Wine server to drop the windows of a Windows program.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
}

std::optional<int> ChildProcess::WaitExit(std::chrono::milliseconds timeout) {
    const auto end = std::chrono::steady_clock::now() + timeout;
    for (int status = 0; !exitCode_;) {
        if (waitpid(pid_, &status, WNOHANG) == pid_)
            exitCode_ = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
        else if (std::chrono::steady_clock::now() >= end)
            break;
        else
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return exitCode_;
}

}  // namespace tools
