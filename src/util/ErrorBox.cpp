#include "util/ErrorBox.h"

#include <exception>
#include <new>
#include <string>

#include "core/ErrorReportText.h"
#include "core/RuntimeError.h"
#include "core/SystemTexts.h"
#include "util/CodePage.h"
#include "ResourceIds.h"
#include "util/Win32.h"

namespace tornavel {
namespace {

// While it lives, windows are made with Common Controls 6, as the exe's own
// manifest no longer asks for them at start.
class VisualStylesScope {
  public:
    VisualStylesScope() {
        ACTCTXW request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_HMODULE_VALID | ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.hModule = ::GetModuleHandleW(nullptr);
        request.lpResourceName = MAKEINTRESOURCEW(TORNAVEL_VISUAL_STYLES_MANIFEST);
        context_ = ::CreateActCtxW(&request);
        if (context_ != INVALID_HANDLE_VALUE && !::ActivateActCtx(context_, &cookie_)) cookie_ = 0;
    }
    ~VisualStylesScope() {
        if (cookie_ != 0) ::DeactivateActCtx(0, cookie_);
        if (context_ != INVALID_HANDLE_VALUE) ::ReleaseActCtx(context_);
    }
    VisualStylesScope(const VisualStylesScope&) = delete;
    VisualStylesScope& operator=(const VisualStylesScope&) = delete;

  private:
    HANDLE context_ = INVALID_HANDLE_VALUE;
    ULONG_PTR cookie_ = 0;
};

}  // namespace

RuntimeError CurrentFailureAsRuntimeError() {
    try {
        throw;
    } catch (const RuntimeError& e) {
        return e;
    } catch (const std::bad_alloc&) {
        return RuntimeError(kErrOutOfMemory, texts::kOutOfMemoryDescription,
                            texts::kApplicationName);
    } catch (const std::exception& e) {
        return RuntimeError(kErrInternal,
                            texts::kInternalErrorDescription + (L": " + FromCodePage(e.what())),
                            texts::kApplicationName);
    } catch (...) {
        return RuntimeError(kErrInternal, texts::kInternalErrorDescription,
                            texts::kApplicationName);
    }
}

void ShowErrorBoxForCurrentFailure(std::wstring_view location, std::wstring_view detail) {
    const RuntimeError error = CurrentFailureAsRuntimeError();
    const std::wstring text =
        ComposeErrorReport(error.Number(), error.Description(), error.Source(), location, detail);
    const VisualStylesScope visualStyles;
    // When a reply fails the pop-up has already gone, and the box has no
    // shown owner to keep it above our other pop-ups: system-modal makes it
    // top-most (in Windows as in Wine 8, which reads no MB_TOPMOST), and it
    // is brought to the front.
    ::MessageBoxW(::GetActiveWindow(), text.c_str(), texts::kErrorBoxTitle,
                  MB_OK | MB_SYSTEMMODAL | MB_SETFOREGROUND);
}

}  // namespace tornavel
