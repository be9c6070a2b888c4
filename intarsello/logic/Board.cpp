// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of the board: grab, drag, drop with snap, steps of one square, quarter turn and mirrors.
#include "intarsello/logic/Board.h"

#include "intarsello/logic/Geometry.h"
#include "toolkit/core/HalfEven.h"

#include <algorithm>
#include <cmath>

namespace intarsello {

namespace {

constexpr double finiteOrZero(double v) {
    return std::isfinite(v) ? v : 0.0;
}

// How far (in whole steps of 360 twips, signed) a span [low, high + 360) must move to lie inside
// [0, limit]; 0 when it already does.
double stepsIntoView(double low, double high, int limit) {
    if (low < 0) return std::ceil(-low / kSquareTwips);
    const double overshoot = high + kSquareTwips - limit;
    if (overshoot > 0) return -std::ceil(overshoot / kSquareTwips);
    return 0;
}

bool visible(const SquarePosition& p) {
    return p.left < kClientWidthTwips && p.left + kSquareTwips > 0 && p.top < kClientHeightTwips &&
           p.top + kSquareTwips > 0;
}

} // namespace

Board::Board() {
    SetupTiles();
}

void Board::SetupTiles() {
    for (int k = 0; k < kTileCount; ++k) {
        const Tile& tile = tiles()[static_cast<std::size_t>(k)];
        shapes_[static_cast<std::size_t>(k)] = tile.start;
        placeFromAnchor(k, tile.startLeft, tile.startTop);
    }
}

BoardAction Board::handle(const MouseEvent& e) {
    if (e.cell < 0 || e.cell >= kCellCount) return BoardAction::None;
    const int k = tileOf(e.cell);
    switch (e.kind) {
    case MouseEventKind::Press:
        if (e.button == LeftButton) {
            grab(e.xTwips, e.yTwips);
            return BoardAction::Grabbed;
        }
        if (e.button == RightButton) {
            switch (e.modifiers & (ShiftKey | CtrlKey | AltKey)) {
            case 0:
                transform(k, Transform::QuarterTurn);
                return BoardAction::Turned;
            case ShiftKey:
                transform(k, Transform::MirrorTopToBottom);
                return BoardAction::MirroredTopToBottom;
            case CtrlKey:
                transform(k, Transform::MirrorLeftToRight);
                return BoardAction::MirroredLeftToRight;
            default:
                transform(k, Transform::None);
                return BoardAction::Replaced;
            }
        }
        return BoardAction::None;
    case MouseEventKind::Motion:
        if (e.heldButtons != LeftButton) return BoardAction::None;
        drag(k, e.xTwips, e.yTwips);
        return BoardAction::Dragged;
    case MouseEventKind::Release:
        if (e.button != LeftButton) return BoardAction::None;
        drop(k);
        return BoardAction::Dropped;
    }
    return BoardAction::None;
}

void Board::grab(double xTwips, double yTwips) {
    grabX_ = finiteOrZero(xTwips);
    grabY_ = tk::clampToInt16(yTwips);
}

void Board::drag(int tile, double xTwips, double yTwips) {
    moveTile(tile, finiteOrZero(xTwips - grabX_), finiteOrZero(yTwips - grabY_));
}

Board::Extent Board::extent(int tile) const {
    const SquarePosition& anchor = position(cellOf(tile, 0));
    Extent e{anchor.left, anchor.left, anchor.top, anchor.top};
    for (int j = 1; j < kSquaresPerTile; ++j) {
        const SquarePosition& p = position(cellOf(tile, j));
        e.minLeft = std::min(e.minLeft, p.left);
        e.maxLeft = std::max(e.maxLeft, p.left);
        e.minTop = std::min(e.minTop, p.top);
        e.maxTop = std::max(e.maxTop, p.top);
    }
    return e;
}

void Board::moveTile(int tile, double dxTwips, double dyTwips) {
    // The whole tile stops at the 16-bit limits, so no square leaves the range and the formation holds.
    const Extent e = extent(tile);
    dxTwips = std::clamp(dxTwips, std::min(0.0, kMinTwips - e.minLeft), std::max(0.0, kMaxTwips - e.maxLeft));
    dyTwips = std::clamp(dyTwips, std::min(0.0, kMinTwips - e.minTop), std::max(0.0, kMaxTwips - e.maxTop));
    shiftTile(tile, dxTwips, dyTwips);
}

void Board::shiftTile(int tile, double dxTwips, double dyTwips) {
    for (int j = 0; j < kSquaresPerTile; ++j) {
        SquarePosition& p = positions_[static_cast<std::size_t>(cellOf(tile, j))];
        p.top += dyTwips;
        p.left += dxTwips;
    }
}

void Board::drop(int tile) {
    for (int j = 0; j < kSquaresPerTile; ++j) {
        SquarePosition& p = positions_[static_cast<std::size_t>(cellOf(tile, j))];
        p.top = snapToLattice(p.top);
        p.left = snapToLattice(p.left);
    }
    bringBackIntoView(tile);
}

void Board::step(int tile, int columns, int rows) {
    moveTile(tile, double(kSquareTwips) * columns, double(kSquareTwips) * rows);
    drop(tile);
}

void Board::bringBackIntoView(int tile) {
    // A tile with any square still in sight can be picked up again: it stays where it is.
    for (int j = 0; j < kSquaresPerTile; ++j)
        if (visible(position(cellOf(tile, j)))) return;
    const Extent e = extent(tile);
    shiftTile(tile, kSquareTwips * stepsIntoView(e.minLeft, e.maxLeft, kClientWidthTwips),
              kSquareTwips * stepsIntoView(e.minTop, e.maxTop, kClientHeightTwips));
}

void Board::transform(int tile, Transform t) {
    TileShape& s = shapes_[static_cast<std::size_t>(tile)];
    s = s.transformed(t);
    // The anchor's left is taken as it is, its top rounded to a whole twip.
    const SquarePosition anchor = position(cellOf(tile, 0));
    placeFromAnchor(tile, anchor.left, tk::clampToInt16(anchor.top));
    // A tile pressed on its last visible strip can turn wholly out of the window.
    bringBackIntoView(tile);
}

void Board::placeTile(int tile, double leftTwips, double topTwips) {
    placeFromAnchor(tile, finiteOrZero(leftTwips), finiteOrZero(topTwips));
}

void Board::placeFromAnchor(int tile, double anchorLeft, double anchorTop) {
    const TileShape& s = shape(tile);
    // A turn near the 16-bit limits moves the anchor just enough to keep every square within them.
    anchorLeft = std::clamp(anchorLeft, double(kMinTwips - kSquareTwips * s.minDx()),
                            double(kMaxTwips - kSquareTwips * s.maxDx()));
    anchorTop = std::clamp(anchorTop, double(kMinTwips - kSquareTwips * s.minDy()),
                           double(kMaxTwips - kSquareTwips * s.maxDy()));
    for (int j = 0; j < kSquaresPerTile; ++j) {
        SquarePosition& p = positions_[static_cast<std::size_t>(cellOf(tile, j))];
        p.top = anchorTop + kSquareTwips * s[j].dy;
        p.left = anchorLeft + kSquareTwips * s[j].dx;
    }
}

} // namespace intarsello
