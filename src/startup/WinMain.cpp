#include <optional>
#include <string>

#include "core/SystemTexts.h"
#include "reply/ReplySender.h"
#include "startup/ProcessHardening.h"
#include "startup/Startup.h"
#include "util/ErrorBox.h"
#include "util/HandlerGuard.h"
#include "util/Win32.h"
#include "window/MessageWindow.h"

namespace {

// A failure that escapes an event handler: shown in the standard error box,
// then the program ends.
void ReportAndEnd(std::wstring_view where) noexcept {
    try {
        std::wstring location = tornavel::texts::kWindowLocationPrefix;
        location += where;
        tornavel::ShowErrorBoxForCurrentFailure(location, L"");
    } catch (...) {
    }
    ::ExitProcess(1);
}

}  // namespace

// The composition root: owns the window and the reply sender for the whole run.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tornavel;
    HardenProcess();
    SetFailureHandler(&ReportAndEnd);

    std::optional<MessageWindow> window;
    std::optional<ReplySender> sender;
    std::optional<FieldRecord> record = StartUp(
        window,
        {[&](std::wstring_view reply) { sender->Send(reply); }, [&] { window->Destroy(); }});
    if (!record) return 0;
    sender.emplace(std::move(*record));

    // The program runs while its window exists.
    MSG msg{};
    while (window->Exists() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (window->PreTranslate(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
