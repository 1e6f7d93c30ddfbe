#include "core/FieldRecord.h"

#include "core/RuntimeError.h"

namespace tornavel {

std::vector<std::wstring> SplitFields(std::wstring_view line) {
    std::vector<std::wstring> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = line.find(kFieldSeparator, start);
        if (end == std::wstring_view::npos) {
            fields.emplace_back(line.substr(start));
            return fields;
        }
        fields.emplace_back(line.substr(start, end - start));
        start = end + 1;
    }
}

const std::wstring& FieldRecord::Field(std::size_t index) const {
    if (index >= fields_.size()) throw SubscriptOutOfRangeError();
    return fields_[index];
}

}  // namespace tornavel
