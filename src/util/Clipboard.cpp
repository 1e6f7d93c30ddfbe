#include "util/Clipboard.h"

#include <cwchar>

namespace tornavel {
namespace {

// The clipboard, open while this lives.
class OpenClipboard {
  public:
    explicit OpenClipboard(HWND owner) noexcept : open_(::OpenClipboard(owner) != FALSE) {}
    ~OpenClipboard() {
        if (open_) ::CloseClipboard();
    }
    OpenClipboard(const OpenClipboard&) = delete;
    OpenClipboard& operator=(const OpenClipboard&) = delete;
    bool IsOpen() const noexcept { return open_; }

  private:
    bool open_;
};

// Global memory, locked while this lives.
class LockedMemory {
  public:
    explicit LockedMemory(HGLOBAL memory) noexcept : memory_(memory), data_(::GlobalLock(memory)) {}
    ~LockedMemory() {
        if (data_ != nullptr) ::GlobalUnlock(memory_);
    }
    LockedMemory(const LockedMemory&) = delete;
    LockedMemory& operator=(const LockedMemory&) = delete;
    const void* Data() const noexcept { return data_; }

  private:
    HGLOBAL memory_;
    void* data_;
};

}  // namespace

std::optional<std::wstring> ClipboardText(HWND owner) {
    const OpenClipboard clipboard(owner);
    if (!clipboard.IsOpen()) return std::nullopt;
    const auto memory = static_cast<HGLOBAL>(::GetClipboardData(CF_UNICODETEXT));
    if (memory == nullptr) return std::nullopt;
    const LockedMemory locked(memory);
    if (locked.Data() == nullptr) return std::nullopt;
    const std::size_t most = ::GlobalSize(memory) / sizeof(wchar_t);
    const auto* text = static_cast<const wchar_t*>(locked.Data());
    return std::wstring(text, ::wcsnlen(text, most));
}

}  // namespace tornavel
