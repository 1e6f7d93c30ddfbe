#include "startup/Startup.h"

#include <stdexcept>
#include <string>

#include "core/HandoffPath.h"
#include "core/MessageText.h"
#include "core/RuntimeError.h"
#include "core/StartFailureText.h"
#include "core/SystemTexts.h"
#include "reply/ReplyRoom.h"
#include "startup/HandoffFile.h"
#include "util/CodePage.h"
#include "util/ErrorBox.h"

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

// A failed start is silent for the user; a debugger (or Wine with
// WINEDEBUG=warn+seh) sees why.
void ReportFailedStart(const std::wstring& path, std::wstring_view reason) noexcept {
    try {
        const std::wstring line = ComposeStartFailureLine(path, reason, &InAnsiCodePage) + L"\n";
        ::OutputDebugStringW(line.c_str());
    } catch (...) {
    }
}

// What a start was doing when it failed.
enum class Stage { kFinding, kOpening, kReading, kMakingWindow, kFillingWindow };

std::wstring ReasonFor(Stage stage, const RuntimeError& error, const FieldRecord& record,
                       std::wstring_view firstLine) {
    const std::wstring what =
        error.Description() + L" (error " + std::to_wstring(error.Number()) + L")";
    switch (stage) {
        case Stage::kFinding:
            return L"could not look for the hand-off file: " + what;
        case Stage::kOpening:
            return L"the hand-off file could not be opened: " + what;
        case Stage::kReading:
            if (error.Number() == kErrInputPastEndOfFile) return L"the hand-off file is empty";
            return L"the hand-off file could not be read: " + what;
        case Stage::kMakingWindow:
            return L"the window could not be made: " + what;
        case Stage::kFillingWindow:
            if (error.Number() == kErrSubscriptOutOfRange) {
                return L"too few fields: " + std::to_wstring(record.Count()) +
                       L", a message needs 7, in " + DescribeFirstLine(firstLine);
            }
            return L"the window could not be filled: " + what;
    }
    return what;
}

}  // namespace

std::optional<FieldRecord> StartUp(std::optional<MessageWindow>& window, std::wstring_view folder,
                                   MomentSource moment) {
    std::wstring path;
    std::optional<TextStream> stream;
    std::wstring firstLine;
    FieldRecord record;
    Stage stage = Stage::kFinding;
    try {
        path = ComposeHandoffPath(folder);
        if (path.empty()) {
            ReportFailedStart(texts::kHandoffFileName, L"the program's own folder is unknown");
            return std::nullopt;
        }
        if (!OrdinaryFileExists(path)) {
            ReportFailedStart(path, L"there is no hand-off file");
            return std::nullopt;
        }

        stage = Stage::kOpening;
        stream.emplace(TextStream::OpenForReading(path));
        stage = Stage::kReading;
        firstLine = stream->ReadFirstLine();
        stream->Close();
        stream.reset();
        if (firstLine.empty()) {
            ReportFailedStart(path, L"the first line is empty (the file is kept)");
            return std::nullopt;
        }
        record.Assign(firstLine);

        // The window is created and loaded before field 1 is read.
        stage = Stage::kMakingWindow;
        window.emplace();
        window->Load();
        stage = Stage::kFillingWindow;
        window->SetTitle(record.Field(1));
        window->SetMessage(ClipForDisplay(ExpandEnterTokens(record.Field(6))));
        window->LimitReply(ReplyRoomInBytes(record));
        ShowWhenWelcome(*window, std::move(moment));
        return record;
    } catch (...) {
        const RuntimeError error = CurrentFailureAsRuntimeError();
        CleanUp(path, stream, window);
        ReportFailedStart(path, ReasonFor(stage, error, record, firstLine));
        return std::nullopt;
    }
}

}  // namespace tornavel
