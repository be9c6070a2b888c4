// SPDX-License-Identifier: GPL-3.0-or-later
// Turns, mirrors and the orientation-free comparison of tile shapes.
#include "intarsello/logic/TileShape.h"

#include <algorithm>

namespace intarsello {

namespace {

int extreme(const TileShape::Cells& cells, int Offset::*axis, bool largest) {
    int v = cells[0].*axis;
    for (const Offset& o : cells)
        v = largest ? std::max(v, o.*axis) : std::min(v, o.*axis);
    return v;
}

} // namespace

TileShape TileShape::transformed(Transform t) const {
    Cells out = offsets_;
    for (Offset& o : out) {
        switch (t) {
        case Transform::QuarterTurn:
            o = {o.dy, -o.dx};
            break;
        case Transform::MirrorTopToBottom:
            o.dy = -o.dy;
            break;
        case Transform::MirrorLeftToRight:
            o.dx = -o.dx;
            break;
        case Transform::None:
            break;
        }
    }
    return TileShape(out);
}

TileShape::Cells TileShape::form() const {
    Cells out = offsets_;
    const int dx0 = minDx();
    const int dy0 = minDy();
    for (Offset& o : out)
        o = {o.dx - dx0, o.dy - dy0};
    std::sort(out.begin(), out.end());
    return out;
}

TileShape::Cells TileShape::freeForm() const {
    Cells best = form();
    TileShape s = *this;
    for (int mirror = 0; mirror < 2; ++mirror) {
        for (int turn = 0; turn < 4; ++turn) {
            best = std::min(best, s.form());
            s = s.quarterTurned();
        }
        s = s.mirroredLeftToRight();
    }
    return best;
}

int TileShape::minDx() const {
    return extreme(offsets_, &Offset::dx, false);
}
int TileShape::maxDx() const {
    return extreme(offsets_, &Offset::dx, true);
}
int TileShape::minDy() const {
    return extreme(offsets_, &Offset::dy, false);
}
int TileShape::maxDy() const {
    return extreme(offsets_, &Offset::dy, true);
}

} // namespace intarsello
