#include "core/ChangedSpan.h"

#include <algorithm>

namespace tornavel {

ChangedSpan FindChangedSpan(std::wstring_view before, std::wstring_view after) noexcept {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) ++start;
    std::size_t end = 0;  // common characters at the end, after `start`
    while (start + end < shorter &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    return {start, before.size() - start - end, after.size() - start - end};
}

}  // namespace tornavel
