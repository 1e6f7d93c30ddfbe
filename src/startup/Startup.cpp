#include "startup/Startup.h"

#include <stdexcept>
#include <string>

#include "core/HandoffPath.h"
#include "core/MessageText.h"
#include "startup/ApplicationDirectory.h"
#include "startup/HandoffFile.h"

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

void CleanUp(const std::wstring& path, std::optional<TextStream>& stream,
             std::optional<MessageWindow>& window) noexcept {
    // Closing first is what lets a file that failed to read be deleted.
    IgnoringErrors([&] {
        if (!stream) throw std::logic_error("no stream");
        stream->Close();
    });
    IgnoringErrors([&] {
        if (OrdinaryFileExists(path)) DeleteTextFile(path);
    });
    window.reset();
}

}  // namespace

std::optional<FieldRecord> StartUp(std::optional<MessageWindow>& window,
                                   const MessageWindow::Callbacks& callbacks) {
    std::wstring path;
    std::optional<TextStream> stream;
    try {
        path = ComposeHandoffPath(ApplicationDirectory());
        if (!OrdinaryFileExists(path)) return std::nullopt;

        stream.emplace(TextStream::OpenForReading(path));
        const std::wstring firstLine = stream->ReadFirstLine();
        stream->Close();
        stream.reset();
        if (firstLine.empty()) return std::nullopt;

        FieldRecord record;
        record.Assign(firstLine);

        // The window is created and loaded before field 1 is read.
        window.emplace(callbacks);
        window->Load();
        window->SetTitle(record.Field(1));
        window->SetMessage(ClipForDisplay(ExpandEnterTokens(record.Field(6))));
        window->Show();
        // Above every window that is not top-most, without taking the activation.
        constexpr UINT kTopMostFlags = SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE | SWP_SHOWWINDOW;
        static_assert(kTopMostFlags == 0x53);
        ::SetWindowPos(window->Handle(), HWND_TOPMOST, 0, 0, 0, 0, kTopMostFlags);
        return record;
    } catch (...) {
        CleanUp(path, stream, window);
        return std::nullopt;
    }
}

}  // namespace tornavel
