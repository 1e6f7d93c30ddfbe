#include <optional>
#include <string>

#include "core/SystemTexts.h"
#include "reply/ReplySender.h"
#include "startup/ApplicationDirectory.h"
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

// The two ways the program ends. At once: no further handler runs, the
// window's unload included.
[[noreturn]] void EndAtOnce() noexcept { ::ExitProcess(0); }

// By closing the window: its message loop then ends, and so does the program.
void Close(tornavel::MessageWindow& window) noexcept { window.Destroy(); }

}  // namespace

// The composition root: owns the window and the reply sender for the whole
// run, and carries out what the person asks the window for.
int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    using namespace tornavel;
    using Request = MessageWindow::Request;
    HardenProcess();
    SetFailureHandler(&ReportAndEnd);

    std::optional<MessageWindow> window;
    std::optional<FieldRecord> record =
        StartUp(window, ApplicationDirectory(), AskingTheShell());
    if (!record) return 0;
    ReplySender sender(std::move(*record));

    // The program runs while its window exists.
    MSG msg{};
    while (window->Exists() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (!window->PreTranslate(msg)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        const std::optional<Request> request = window->TakeRequest();
        if (!request) continue;
        switch (request->kind) {
            case Request::Kind::kSendReply:
                // Gone from the screen at once, before any name is resolved:
                // a resolver that never answers would otherwise leave a
                // window on the screen that answers nothing. A failure still
                // says why in the error box, the reply in its detail.
                window->Hide();
                sender.Send(request->reply);
                EndAtOnce();
            case Request::Kind::kEndAtOnce:
                EndAtOnce();
            case Request::Kind::kClose:
                Close(*window);
                break;
        }
    }
    return 0;
}
