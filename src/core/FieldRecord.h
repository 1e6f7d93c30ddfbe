#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <string_view>
#include <vector>

namespace tornavel {

// Separates the fields of a hand-off line and the pieces of a reply datagram.
inline constexpr wchar_t kFieldSeparator = L'\u00B6';  // "¶"

// Splits on every "¶": n separators give n + 1 fields, empty ones included,
// nothing trimmed. An empty line gives one empty field.
std::vector<std::wstring> SplitFields(std::wstring_view line);

// A zero-based array of text fields. Reading past its end, or reading while it
// holds nothing, raises run-time error 9.
class FieldRecord {
  public:
    FieldRecord() = default;
    explicit FieldRecord(std::vector<std::wstring> fields) : fields_(std::move(fields)) {}

    // Replaces the contents with the fields of `line`.
    void Assign(std::wstring_view line) { fields_ = SplitFields(line); }

    const std::wstring& Field(std::size_t index) const;
    std::size_t Count() const noexcept { return fields_.size(); }

  private:
    std::vector<std::wstring> fields_;
};

}  // namespace tornavel
