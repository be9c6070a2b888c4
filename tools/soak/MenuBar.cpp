// SPDX-License-Identifier: GPL-3.0-or-later
// Menu titles from caption columns.
#include "tools/soak/MenuBar.h"

#include <algorithm>

namespace soak {

MenuBar MenuBar::fromInk(const std::vector<bool>& inkColumns, int minGap) {
    MenuBar bar;
    const int width = static_cast<int>(inkColumns.size());
    for (int x = 0; x < width; ++x) {
        if (!inkColumns[static_cast<std::size_t>(x)]) continue;
        if (!bar.titles_.empty() && x - bar.titles_.back().right < minGap)
            bar.titles_.back().right = x + 1;
        else
            bar.titles_.push_back({x, x + 1});
    }
    return bar;
}

Span MenuBar::reach(int i, int margin) const {
    const Span t = title(i);
    return {i == 0 ? 0 : std::max(0, t.left - margin), t.right + margin};
}

} // namespace soak
