#pragma once

#include <cstddef>
#include <string_view>

namespace tornavel {

// The one stretch that differs between two texts: `before` becomes `after`
// when its `beforeLength` characters from `start` are replaced by the
// `afterLength` characters of `after` from the same place. Replacing only
// that keeps an edit control's work (and its undo) to what changed.
struct ChangedSpan {
    std::size_t start = 0;
    std::size_t beforeLength = 0;
    std::size_t afterLength = 0;
    bool operator==(const ChangedSpan&) const = default;
};

// The span between the longest common beginning and the longest common end
// that does not overlap it, widened where an edge would cut a pair in two.
ChangedSpan FindChangedSpan(std::wstring_view before, std::wstring_view after) noexcept;

}  // namespace tornavel
