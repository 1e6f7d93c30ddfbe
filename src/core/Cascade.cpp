#include "core/Cascade.h"

#include <algorithm>

namespace tornavel {
namespace {

ScreenBox Moved(const ScreenBox& box, int right, int down) {
    return {box.left + right, box.top + down, box.right + right, box.bottom + down};
}

bool Inside(const ScreenBox& box, const ScreenBox& area) {
    return box.left >= area.left && box.top >= area.top && box.right <= area.right &&
           box.bottom <= area.bottom;
}

}  // namespace

ScreenBox CascadeSpot(const ScreenBox& first, const std::vector<ScreenBox>& taken,
                      const ScreenBox& workArea, int step) {
    ScreenBox start = first;
    if (!Inside(first, workArea)) {
        const int width = first.right - first.left;
        const int height = first.bottom - first.top;
        start = {workArea.left, workArea.top, workArea.left + width, workArea.top + height};
    }
    // Without a step every spot would be the same one: no run would ever end.
    if (step < 1) return start;
    const auto free = [&](const ScreenBox& box) {
        return std::find(taken.begin(), taken.end(), box) == taken.end();
    };
    for (ScreenBox run = start; Inside(run, workArea); run = Moved(run, step, 0))
        for (ScreenBox spot = run; Inside(spot, workArea); spot = Moved(spot, step, step))
            if (free(spot)) return spot;
    return start;
}

}  // namespace tornavel
