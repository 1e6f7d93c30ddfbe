#include "PopUpRun.h"

#include <unistd.h>

#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <thread>

namespace tools {

namespace fs = std::filesystem;

std::string ReadFile(const fs::path& file) {
    std::ostringstream bytes;
    bytes << std::ifstream(file, std::ios::binary).rdbuf();
    return bytes.str();
}

std::string HandoffLine(const std::vector<std::string>& fields, const std::string& separator) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) line += (i == 0 ? "" : separator) + fields[i];
    return line;
}

Args WineCommand(const Build& build, const std::string& program, Args args, const Args& env) {
    args.insert(args.begin(), {build.wineRun.string(), program});
    args.insert(args.begin(), env.begin(), env.end());
    args.insert(args.begin(), "env");
    return args;
}

AppFolder::AppFolder(Build build)
    : build_(std::move(build)),
      path_(fs::temp_directory_path() / ("tornavel-run-" + std::to_string(std::random_device()())) /
            "exe") {
    fs::create_directories(path_);
    fs::copy_file(build_.exe, path_ / "TornavelMensaje.exe");
}

AppFolder::~AppFolder() { fs::remove_all(path_.parent_path()); }

void AppFolder::WriteHandoff(const std::string& bytes) const {
    std::ofstream(Handoff(), std::ios::binary) << bytes;
}

std::optional<std::string> AppFolder::ReadHandoff() const {
    return fs::exists(Handoff()) ? std::optional(ReadFile(Handoff())) : std::nullopt;
}

std::unique_ptr<ChildProcess> AppFolder::Start(Args env) const {
    env.insert(env.begin(), "WINEDEBUG=warn+seh");
    return std::make_unique<ChildProcess>(
        WineCommand(build_, (path_ / "TornavelMensaje.exe").string(), {}, env), fs::path(),
        Errors());
}

std::vector<std::string> AppFolder::DebugLines() const {
    std::istringstream err(ReadFile(Errors()));
    std::vector<std::string> lines;
    const std::string marker = "OutputDebugStringA \"";
    for (std::string line; std::getline(err, line);) {
        if (const std::size_t at = line.find(marker); at != std::string::npos)
            lines.push_back(line.substr(at + marker.size()));
    }
    return lines;
}

nlohmann::json Probe(const Build& build, std::chrono::milliseconds wait, const ProbeFor& what) {
    // clang-format off
    const Args args{"--wait", std::to_string(wait.count()), "--title", what.title,
        "--class", what.className, "--topmost", what.className.empty() ? "1" : "0",
        "--nth", std::to_string(what.nth), "--dpi", std::to_string(what.dpi),
        "--paste", std::to_string(what.paste), "--close", what.close ? "1" : "0",
        "--ask", std::to_string(what.askMs), "--end-session", what.endSession ? "1" : "0"};
    // clang-format on
    const fs::path out =
        fs::temp_directory_path() / ("probe-" + std::to_string(getpid()) + ".json");
    ChildProcess probe(WineCommand(build, build.probe.string(), args, what.env), out);
    bool told = false;  // up to a minute
    for (int polls = 0; !probe.WaitExit(std::chrono::milliseconds(50)) && polls < 1200; ++polls)
        if (what.whenEnding && !told && ReadFile(out).find("\"ending\"") != std::string::npos) {
            told = true;
            what.whenEnding();
        }
    const std::string json = ReadFile(out);
    fs::remove(out);
    const std::size_t start = json.find('{');
    return start == std::string::npos ? nlohmann::json{{"found", false}}
                                      : nlohmann::json::parse(json.substr(start));
}

Listener::Listener(const Build& build, const Args& env)
    : out_(fs::temp_directory_path() / ("heard-" + std::to_string(getpid()) + ".json")) {
    const Args args{"--class", "TornavelMensajeWindow", "--for", "120000", "--settle", "2000"};
    process_ = std::make_unique<ChildProcess>(
        WineCommand(build, (build.probe.parent_path() / "listen.exe").string(), args, env), out_);
    // A first start of Wine may take long.
    for (int i = 0; i < 600 && ReadFile(out_).find("\"listening\"") == std::string::npos; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(100));
}

Listener::~Listener() {
    process_.reset();
    fs::remove(out_);
}

std::optional<std::vector<nlohmann::json>> Listener::Heard(std::chrono::milliseconds wait) {
    if (process_->WaitExit(wait) != std::optional<int>(0)) return std::nullopt;
    std::istringstream lines(ReadFile(out_));
    std::vector<nlohmann::json> heard;
    for (std::string line; std::getline(lines, line);)
        if (line.starts_with("{")) heard.push_back(nlohmann::json::parse(line));
    return heard;
}

bool Xdotool(Args args) {
    args.insert(args.begin(), "xdotool");
    return ChildProcess(args).WaitExit(std::chrono::seconds(30)) == std::optional<int>(0);
}

std::string MessageOf(const nlohmann::json& window) {
    return window.value("found", false) ? window["children"][0]["text"].get<std::string>() : "";
}

EachOnce ReadEachOnce(const Build& build, int count, int passes) {
    EachOnce read;
    while (!read.complete && read.passes < passes) {
        ++read.passes;
        read.windows.clear();
        std::set<std::string> messages;
        for (int i = 0; i < count; ++i) {
            read.windows.push_back(Probe(build, std::chrono::seconds(2), {.nth = i}));
            if (!MessageOf(read.windows.back()).empty())
                messages.insert(MessageOf(read.windows.back()));
        }
        read.complete = static_cast<int>(messages.size()) == count;
    }
    return read;
}

}  // namespace tools
