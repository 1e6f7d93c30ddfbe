#include "util/ErrorBox.h"

#include <exception>
#include <new>
#include <string>

#include "core/ErrorReportText.h"
#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "util/CodePage.h"
#include "util/Win32.h"

namespace tornavel {
namespace {

constexpr std::int32_t kErrOutOfMemory = 7;
constexpr std::int32_t kErrInternal = 51;

}  // namespace

RuntimeError CurrentFailureAsRuntimeError() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return RuntimeError(kErrOutOfMemory, L"Memoria insuficiente", texts::kApplicationName);
    } catch (const std::exception& e) {
        return RuntimeError(kErrInternal, L"Error interno: " + AnsiToWide(e.what()),
                            texts::kApplicationName);
    } catch (...) {
        return RuntimeError(kErrInternal, L"Error interno", texts::kApplicationName);
    }
}

void ShowErrorBox(const RuntimeError& error, std::wstring_view location,
                    std::wstring_view detail) {
    const std::wstring text =
        ComposeErrorReport(error.Number(), error.Description(), error.Source(), location, detail);
    // Owned by the active window, so a top-most pop-up cannot hide it.
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), texts::kErrorBoxTitle, MB_OK);
}

void ShowErrorBoxForCurrentFailure(std::wstring_view location, std::wstring_view detail) {
    ShowErrorBox(CurrentFailureAsRuntimeError(), location, detail);
}

}  // namespace tornavel
