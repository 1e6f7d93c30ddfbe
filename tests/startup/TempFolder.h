#pragma once

#include <string>
#include <string_view>

namespace tornavel::testing {

// A fresh folder under the system's temporary folder, removed with what it
// holds when the object goes.
class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::wstring& Path() const noexcept { return path_; }
    std::wstring File(std::wstring_view name) const { return path_ + L"\\" + std::wstring(name); }

  private:
    std::wstring path_;
};

// Writes `bytes` to `path` exactly, replacing what was there.
void WriteBytes(const std::wstring& path, std::string_view bytes);

}  // namespace tornavel::testing
