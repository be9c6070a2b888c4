// SPDX-License-Identifier: GPL-3.0-or-later
// The hundred portraits of filarino, in resource order (101 first): 75 children and grown-ups, 25 animals.
#pragma once

#include "tools/assets/painter/Face.h"

#include <vector>

class FaceCatalog {
public:
    static constexpr int kCount = 100;
    // Always the same list: the features are drawn from a fixed seed.
    static std::vector<Face> faces();

private:
    static std::vector<Face> animals();
    static std::vector<Face> people(int count);
};
