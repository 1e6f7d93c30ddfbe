#include "Harness.h"

namespace e2e {

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

nlohmann::json Probe(std::chrono::milliseconds wait, const ProbeFor& what) {
    // clang-format off
    const Args args{"--wait", std::to_string(wait.count()), "--title", what.title,
        "--class", what.className, "--topmost", what.className.empty() ? "1" : "0",
        "--nth", std::to_string(what.nth), "--dpi", std::to_string(what.dpi),
        "--paste", std::to_string(what.paste), "--close", what.close ? "1" : "0"};
    // clang-format on
    const fs::path out =
        fs::temp_directory_path() / ("probe-" + std::to_string(getpid()) + ".json");
    Process(Wine((kBuild / "tools" / "probe.exe").string(), args, what.env), out).WaitExit(60s);
    const std::string json = ReadFile(out);
    fs::remove(out);
    const std::size_t start = json.find('{');
    return start == std::string::npos ? nlohmann::json{{"found", false}}
                                      : nlohmann::json::parse(json.substr(start));
}

}  // namespace e2e
