#include <string>

#include "reply/ErrorReportBox.h"
#include "startup/APLmMain.h"
#include "util/HandlerGuard.h"
#include "util/Win32.h"
#include "window/APLwAPP.h"

namespace {

// A failure that escapes an event handler: shown in the standard error box,
// then the program ends.
void ReportAndEnd(std::wstring_view where) noexcept {
    try {
        std::wstring location = L"Ventana: APLwAPP        Proceso : ";
        location += where;
        tornavel::ErrorReportBoxForCurrentFailure(location, L"");
    } catch (...) {
    }
    ::ExitProcess(1);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    tornavel::SetFailureHandler(&ReportAndEnd);
    tornavel::APLmMain();

    // The program runs while its window is loaded.
    MSG msg{};
    while (tornavel::APLwAPP::IsLoaded() && ::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (tornavel::APLwAPP::PreTranslate(msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return 0;
}
