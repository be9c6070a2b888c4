// SPDX-License-Identifier: GPL-3.0-or-later
// Paints friendly cartoon animal heads: cats, dogs, bears, frogs, owls and the rest of the zoo.
#pragma once

#include "tools/assets/painter/Face.h"

class QPainter;

class AnimalPainter {
public:
    // Paints `face` (any species but Human) in portrait pixels (32 x 32) on `painter`.
    static void paint(QPainter& painter, const Face& face);
};
