#include "core/ChangedSpan.h"

#include <algorithm>

#include "core/Surrogates.h"

namespace tornavel {

ChangedSpan FindChangedSpan(std::wstring_view before, std::wstring_view after) noexcept {
    const std::size_t shorter = std::min(before.size(), after.size());
    std::size_t start = 0;
    while (start < shorter && before[start] == after[start]) ++start;
    std::size_t end = 0;  // common characters at the end, after `start`
    while (start + end < shorter &&
           before[before.size() - 1 - end] == after[after.size() - 1 - end])
        ++end;
    ChangedSpan span{start, before.size() - start - end, after.size() - start - end};
    // A pair is never cut in two: an edge between its halves takes it whole.
    if (SplitsPair(before, start) || SplitsPair(after, start)) {
        --span.start;
        ++span.beforeLength;
        ++span.afterLength;
    }
    if (SplitsPair(before, span.start + span.beforeLength) ||
        SplitsPair(after, span.start + span.afterLength)) {
        ++span.beforeLength;
        ++span.afterLength;
    }
    return span;
}

}  // namespace tornavel
