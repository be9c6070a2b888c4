// SPDX-License-Identifier: GPL-3.0-or-later
// Screen geometry of the soak driver: points and rectangles in screen pixels.
#pragma once

#include <algorithm>

namespace soak {

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool empty() const { return width <= 0 || height <= 0; }
    bool contains(Point p) const { return p.x >= x && p.x < x + width && p.y >= y && p.y < y + height; }
    Rect moved(int dx, int dy) const { return {x + dx, y + dy, width, height}; }
    Rect grown(int margin) const { return {x - margin, y - margin, width + 2 * margin, height + 2 * margin}; }
    Rect intersected(const Rect& o) const {
        const int left = std::max(x, o.x), top = std::max(y, o.y);
        const int right = std::min(x + width, o.x + o.width), bottom = std::min(y + height, o.y + o.height);
        return {left, top, std::max(0, right - left), std::max(0, bottom - top)};
    }
    Point centre() const { return {x + width / 2, y + height / 2}; }
    bool operator==(const Rect&) const = default;
};

} // namespace soak
