// SPDX-License-Identifier: GPL-3.0-or-later
// Judging a full triangle: the sum rule at every parent and, when the givens fix it, the dealt apex.
#pragma once

#include "cestaro/logic/Triangle.h"

#include <array>
#include <optional>

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

    // Which cells 1..15 are givens, at index 1..15 (index 0 unused).
    using Givens = std::array<bool, Triangle::kCells + 1>;

    // The sum of two children is rounded to the nearest 16-bit integer, halves to even; a parent passes
    // when its value equals that sum exactly. A sum with no 16-bit rounding (too large, infinite or not a
    // number) matches no parent, so such a triangle is simply wrong.
    // With `dealtApex`, the apex holds when the dealt apex equals both the rounded sum of cells 2 and 3
    // and the value of cell 1, and the triangle is right when the apex holds and parents 2..10 all pass.
    // Without it (givens that leave the apex open), the apex holds when parent 1 passes, so any triangle
    // that obeys the sum rule everywhere is right.
    static Verdict judge(const Values& values, std::optional<int> dealtApex);

    // True when the givens fix the apex: every triangle that obeys the sum rule exactly and keeps the
    // givens' values has the dealt apex. Each cell is a weighted sum of the five base cells, so this holds
    // exactly when the apex's weights are a linear combination of the givens' weights.
    static bool apexFixedBy(const Givens& givens);
};

} // namespace cestaro
