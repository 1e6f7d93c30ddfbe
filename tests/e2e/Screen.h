#pragma once

// The shown pop-up in a screenshot, read at the layout's places.

#include <algorithm>
#include <array>
#include <utility>

#include "Harness.h"

namespace e2e {

struct Box {
    int left, top, right, bottom;
};

// The window at one dpi: what the probe saw and a screenshot.
struct Shown {
    explicit Shown(const nlohmann::json& probed) : window(probed) {
        for (std::size_t i = 0; i < 4; ++i) {
            const nlohmann::json& r = window["children"].at(i)["rect"];
            children[i] = {r[0], r[1], r[2], r[3]};
        }
        std::this_thread::sleep_for(500ms);  // let the paint land
        shot = Screenshot();
    }
    std::uint32_t Pixel(int x, int y) const { return shot.Rgb(left + x, top + y); }
    // How many pixels of `box` have `colour`, and the middle of their span.
    std::pair<int, int> Find(const Box& box, std::uint32_t colour) const {
        int count = 0, from = box.right, to = box.left;
        for (int y = box.top; y < box.bottom; ++y)
            for (int x = box.left; x < box.right; ++x)
                if (Pixel(x, y) == colour) {
                    ++count;
                    from = std::min(from, x);
                    to = std::max(to, x);
                }
        return {count, (from + to) / 2};
    }

    nlohmann::json window;
    int left = window["rect"][0], top = window["rect"][1];
    int width = window["client"][0], height = window["client"][1];
    std::array<Box, 4> children;  // message, reply, close and send
    Picture shot;
};

// How many pixels of `box` differ between two screenshots of the window.
inline int Differing(const Shown& a, const Shown& b, const Box& box) {
    int count = 0;
    for (int y = box.top; y < box.bottom; ++y)
        for (int x = box.left; x < box.right; ++x) count += a.Pixel(x, y) != b.Pixel(x, y);
    return count;
}

}  // namespace e2e
