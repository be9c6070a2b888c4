// SPDX-License-Identifier: GPL-3.0-or-later
// The titles of a menu bar, found from the columns where its captions are drawn.
#pragma once

#include <vector>

namespace soak {

// Columns [left, right) counted from the menu bar's left edge, in pixels.
struct Span {
    int left = 0;
    int right = 0;
    bool operator==(const Span&) const = default;
};

class MenuBar {
public:
    MenuBar() = default;
    // `inkColumns[x]` tells whether column x shows caption text. Text columns closer than `minGap` belong to
    // one title (the blanks between words); wider gaps separate titles.
    static MenuBar fromInk(const std::vector<bool>& inkColumns, int minGap = 8);

    int count() const { return static_cast<int>(titles_.size()); }
    Span title(int i) const { return titles_[static_cast<std::size_t>(i)]; }
    // Where a press may still reach title i: its caption widened by `margin` on both sides, and for the
    // first title everything from the bar's left edge.
    Span reach(int i, int margin) const;

private:
    std::vector<Span> titles_;
};

} // namespace soak
