// SPDX-License-Identifier: GPL-3.0-or-later
// Paints a child's (or grown-up's) cartoon head: hair, face, glasses and hat.
#pragma once

#include "tools/assets/painter/Face.h"

#include <QPainterPath>

class QPainter;
class FeatureKit;

class HumanPainter {
public:
    // Paints `face` in portrait pixels (32 x 32) on `painter`.
    static void paint(QPainter& painter, const Face& face);

private:
    static void paintBackHair(FeatureKit& kit, const Face& face);
    static void paintFrontHair(FeatureKit& kit, const Face& face);
    static void paintFace(FeatureKit& kit, const Face& face);
    static void paintGlasses(FeatureKit& kit, const Face& face);
    static void paintHat(FeatureKit& kit, const Face& face);
    // The top of the hair down to a hairline that runs from the temples (at `templeY`) up to `middleY`.
    static QPainterPath cap(qreal middleY, qreal templeY);
};
