#include <exception>
#include <optional>
#include <string>

#include "core/SystemTexts.h"
#include "reply/ReplyInFlight.h"
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

// How long the end of the session waits for a reply on its way: Windows
// names a program that takes more than 5 s to answer WM_ENDSESSION to the
// person as one that keeps the session from ending.
constexpr DWORD kSessionEndWaitMs = 4000;

void ShowErrorBox(const tornavel::SendFailure& failure) {
    try {
        std::rethrow_exception(failure.error);
    } catch (...) {
        tornavel::ShowErrorBoxForCurrentFailure(tornavel::texts::kSendReplyLocation,
                                                failure.detail);
    }
}

// Sends `reply` on a thread of its own while this thread goes on answering
// the hidden window's messages (a broadcast, the log-off's question): nothing
// waits on a window that is gone, whatever the network does. Then a failure
// says why in the error box, the person's words in its detail, and the
// program ends.
[[noreturn]] void SendAndEnd(tornavel::MessageWindow& window, tornavel::ReplySender& sender,
                             const std::wstring& reply) {
    using namespace tornavel;
    // Gone from the screen at once, before any name is resolved.
    window.Hide();
    std::optional<ReplyInFlight> inFlight;
    try {
        inFlight.emplace(sender, reply);
    } catch (...) {
        // No thread to be had, or no memory: nothing is on its way, which the
        // box says too, what the person wrote as its detail.
        ShowErrorBoxForCurrentFailure(texts::kSendReplyLocation, reply);
        EndAtOnce();
    }
    // A reply already on its way still leaves when the session ends, if it
    // can within the time Windows gives. One that cannot may be inside
    // Winsock: the process is then ended without detaching its DLLs, which
    // could wait on a lock that thread holds.
    window.WhenSessionEnds([&inFlight] {
        if (!inFlight->WaitToEnd(kSessionEndWaitMs)) ::TerminateProcess(::GetCurrentProcess(), 0);
        EndAtOnce();
    });
    const HANDLE ended = inFlight->Ended();
    while (!inFlight->WaitToEnd(0)) {
        ::MsgWaitForMultipleObjectsEx(1, &ended, INFINITE, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
        MSG msg{};
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
    }
    if (const std::optional<SendFailure> failure = inFlight->TakeFailure()) ShowErrorBox(*failure);
    EndAtOnce();
}

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
                SendAndEnd(*window, sender, request->reply);
            case Request::Kind::kEndAtOnce:
                EndAtOnce();
            case Request::Kind::kClose:
                Close(*window);
                break;
        }
    }
    return 0;
}
