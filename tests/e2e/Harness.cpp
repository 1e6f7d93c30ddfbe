#include "Harness.h"

// After the harness's headers: X11's macros (None, Bool) break GoogleTest's.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xfixes.h>

extern char** environ;

namespace e2e {
namespace {

using DisplayPtr = std::unique_ptr<Display, int (*)(Display*)>;
DisplayPtr OpenDisplay() {
    DisplayPtr display(XOpenDisplay(nullptr), XCloseDisplay);
    if (!display) throw std::runtime_error("no X display");
    return display;
}

}  // namespace

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
                     const std::string& className, int dpi, int nth) {
    Args args{"--wait", std::to_string(wait.count()), "--title", title,
              "--nth",  std::to_string(nth)};
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

}  // namespace e2e
