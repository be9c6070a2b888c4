// Judging a full triangle: the sum rule at every parent and the dealt apex.
#pragma once

#include "Triangle.h"

#include <array>

namespace cestaro {

class Judge {
public:
    // Values of cells 1..15 at index 1..15 (index 0 unused), as read from their texts.
    using Values = std::array<double, Triangle::kCells + 1>;

    struct Verdict {
        // Sum check of each parent 1..10 at its index (index 0 unused).
        std::array<bool, Triangle::kParents + 1> sumChecks{};
        bool apexHolds = false;
        bool right = false;
    };

    // The sum of two children is rounded to the nearest 16-bit integer, halves to even; a parent passes
    // when its value equals that sum exactly. A sum with no 16-bit rounding (too large, infinite or not a
    // number) matches no parent, so such a triangle is simply wrong. The apex holds when the dealt apex
    // equals both the rounded sum of cells 2 and 3 and the value of cell 1. The triangle is right when
    // the apex holds and parents 2..10 all pass.
    static Verdict judge(const Values& values, int dealtApex);
};

} // namespace cestaro
