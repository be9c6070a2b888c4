// SPDX-License-Identifier: GPL-3.0-or-later
// Where each cell's text box and circle stand on the main window, in twips from its client area's corner.
#pragma once

#include "cestaro/logic/Triangle.h"

#include <array>

namespace cestaro {

class CellGeometry {
public:
    struct Place {
        int textLeftTwips;
        int textTopTwips;
        int circleLeftTwips;
        int circleTopTwips;
    };

    // Every text box is borderless, its text centred, so that only the number shows inside its circle.
    static constexpr int kTextWidthTwips = 735;
    static constexpr int kTextHeightTwips = 390;
    // Circles are drawn beneath the text boxes.
    static constexpr int kCircleSizeTwips = 975;
    // Text boxes are Arial bold at this size.
    static constexpr double kTextPoints = 15.75;

    // Place of cell 1..15.
    static constexpr const Place& of(int cell) { return kPlaces[static_cast<std::size_t>(cell - 1)]; }

private:
    static constexpr std::array<Place, Triangle::kCells> kPlaces{{
        {2760, 1035, 2640, 705},
        {2145, 1995, 2040, 1665},
        {3360, 1995, 3240, 1665},
        {1560, 3075, 1440, 2745},
        {2760, 3075, 2640, 2745},
        {3960, 3075, 3840, 2745},
        {960, 4155, 840, 3825},
        {2160, 4155, 2040, 3825},
        {3360, 4155, 3240, 3825},
        {4560, 4155, 4440, 3825},
        {360, 5235, 240, 4905},
        {1560, 5235, 1440, 4905},
        {2760, 5235, 2640, 4905},
        {3960, 5235, 3840, 4905},
        {5160, 5235, 5040, 4905},
    }};
};

} // namespace cestaro
