#include "startup/APLmMain.h"

#include <optional>
#include <stdexcept>
#include <string>

#include "controls/TextFileReader.h"
#include "core/HandoffPath.h"
#include "core/MessageText.h"
#include "startup/APLmDeclaraciones.h"
#include "startup/ApplicationDirectory.h"
#include "window/APLwAPP.h"

namespace tornavel {
namespace {

// Runs one clean-up step; a step that fails is skipped and the next one runs.
template <typename Step>
void IgnoringErrors(Step step) noexcept {
    try {
        step();
    } catch (...) {
    }
}

void CleanUp(const std::wstring& path, std::optional<TextStream>& stream) noexcept {
    // Closing first is what lets a file that failed to read be deleted.
    IgnoringErrors([&] {
        if (!stream) throw std::logic_error("no stream");
        stream->Close();
    });
    IgnoringErrors([&] {
        if (OrdinaryFileExists(path)) DeleteTextFile(path);
    });
    APLwAPP::Unload();
}

}  // namespace

void APLmMain() {
    std::wstring path;
    std::optional<TextStream> stream;
    try {
        path = ComposeHandoffPath(ApplicationDirectory());
        if (!OrdinaryFileExists(path)) return;

        stream.emplace(TextStream::OpenForReading(path));
        const std::wstring firstLine = stream->ReadFirstLine();
        stream->Close();
        stream.reset();
        if (firstLine.empty()) return;

        HandoffRecord.Assign(firstLine);

        // The first use of the window creates and loads it, before field 1 is read.
        APLwAPP& window = APLwAPP::Instance();
        window.SetTitle(HandoffRecord.Field(1));
        window.SetMessage(ClipForDisplay(ExpandEnterTokens(HandoffRecord.Field(6))));
        window.Show();
        // Above every window that is not top-most, without taking the activation.
        constexpr UINT kTopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
        static_assert(kTopMostFlags == 0x53);
        ::SetWindowPos(window.Handle(), HWND_TOPMOST, 0, 0, 0, 0, kTopMostFlags);
    } catch (...) {
        CleanUp(path, stream);
    }
}

}  // namespace tornavel
