#pragma once

// A program started from Linux, its arguments passed as a list, never through
// a shell. Its input is /dev/null (a Wine program can wait on an inherited
// terminal); its output and errors go to files, or nowhere. Its owner kills
// it, with every process it started, if it still runs. Used by startup-timer and the end-to-end
// tests.

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tools {

class ChildProcess {
  public:
    explicit ChildProcess(const std::vector<std::string>& argv,
                          const std::filesystem::path& out = {},
                          const std::filesystem::path& err = {});
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    pid_t Pid() const { return pid_; }
    // The exit code once the process has ended within `timeout`.
    std::optional<int> WaitExit(std::chrono::milliseconds timeout);

  private:
    pid_t pid_ = -1;
    std::optional<int> exitCode_;
};

}  // namespace tools
