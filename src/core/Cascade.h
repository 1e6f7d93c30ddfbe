#pragma once

#include <vector>

namespace tornavel {

// A rectangle in screen pixels, right and bottom outside it.
struct ScreenBox {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const ScreenBox&) const = default;
};

// Where a new pop-up opens, as Windows cascades windows: at `first` (centred,
// as the first one opens), or, while one of `taken` lies exactly there, one
// `step` lower and to the right, then further. A run that would leave
// `workArea` starts again level with `first`, one step to the right of the
// last run's start, so that no two pop-ups lie exactly on each other while
// there is room. A new run's pop-ups do cover title bars of the run before:
// the second run's first covers the first run's second, and so on down. When
// no spot is free at all, `first`. A pop-up larger than the
// work area opens at its top-left corner, so that its title bar can be
// reached. A `step` below 1 is refused: `first` (or that corner).
ScreenBox CascadeSpot(const ScreenBox& first, const std::vector<ScreenBox>& taken,
                      const ScreenBox& workArea, int step);

}  // namespace tornavel
