// SPDX-License-Identifier: GPL-3.0-or-later
// Painting that stays sharp when the desktop scales: lines of whole logical pixels in their exact colour,
// pictures enlarged by whole device pixels.
#pragma once

#include <QColor>
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QRect>

class QPainter;

namespace tk::ui {

// Whether `painter` has something to paint on: on a machine short of memory the image behind a window may
// not have been allocated, and a paint event then paints nothing rather than into it.
bool canPaint(const QPainter& painter);

// The pixels that a horizontal or vertical pen line `widthPx` wide covers at one device pixel per logical
// pixel: both ends included, the width centred on the line (an even width puts its extra pixel before it).
QRect pixelLineCover(QPoint from, QPoint to, int widthPx = 1);

// Draws a line as those pixels filled: at any device pixel ratio it covers whole logical pixels in exactly
// its colour, where a pen of the scaled width would straddle device pixels. A slanted line uses a pen.
void drawPixelLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int widthPx = 1);

// Draws a line standing alone on its background as drawPixelLine does, except where a device pixel lies
// across the edge of the line's pixels: there the background keeps it. At a fractional ratio the line then
// has one width in device pixels wherever it falls (at 1.5 a 1-pixel line is 1 device pixel, where
// drawPixelLine gives 1 or 2 by position), and at least one device pixel across. Lines that meet other
// lines side by side (bevels) need drawPixelLine, which leaves no gap between them.
void drawLonePixelLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int widthPx = 1);

// The ring of pixels just inside `box`, as drawRect(box.adjusted(0, 0, -1, -1)) draws it with a 1-pixel pen.
void drawPixelFrame(QPainter& painter, const QRect& box, QColor colour);

// The same ring, every other pixel: the outline of a focus or of a drag.
void drawDottedPixelFrame(QPainter& painter, const QRect& box, QColor colour);

// `picture` ready to be drawn at `ratio` device pixels per logical pixel, its logical size unchanged. At a
// whole ratio it stays as it is, to be drawn without smoothing: each pixel becomes a square block. At any
// other ratio it is enlarged by whole pixels to the next whole ratio, to be drawn smoothly down from there:
// every pixel keeps its size and colour, and each edge between two of them softens by one device pixel at
// most (plain enlargement would give pixels of uneven sizes, smoothing from 1x a blur). Kept in a cache.
QPixmap pictureForRatio(const QPixmap& picture, qreal ratio);

// `image` enlarged to `ratio` times its size in the same way, all the way: for pictures shown pixel for
// pixel whatever the scale, such as mouse cursors. Its device pixel ratio is `ratio`.
QImage crispEnlarged(const QImage& image, qreal ratio);

// Draws `picture` at natural size times the zoom with its top-left corner at `topLeft`, prepared for the
// painter's device.
void drawCrispPicture(QPainter& painter, QPoint topLeft, const QPixmap& picture);

} // namespace tk::ui
