// SPDX-License-Identifier: GPL-3.0-or-later
// Widgets painted at a device pixel ratio, and the rule by which a scaled painting counts as crisp.
#pragma once

#include <QImage>
#include <QRegion>
#include <QString>

class QWidget;

namespace scaling {

// Device pixels per logical pixel of the primary screen.
qreal screenRatio();
// The ratio the run was set up for (SCALING_RATIO in the environment), or 0 when none was given.
qreal intendedRatio();
bool isWholeRatio(qreal ratio);

// `widget` with its children painted at `ratio` device pixels per logical pixel, as RGB.
QImage paintedAt(QWidget* widget, qreal ratio);

enum class Edges {
    // Line art: a device pixel across an edge between logical pixels takes the colour of one of them.
    Exact,
    // Pictures at a fractional ratio: such a pixel may blend the colours it lies across.
    Blended,
};

// Device pixels of `scaled` (painted at `ratio`) that break faith with `logical` (the same painted at one
// device pixel per logical pixel). A device pixel inside one logical pixel must have exactly its colour; one
// across several must follow `edges`. Only device pixels over the logical pixels of `area` are judged.
struct Departures {
    int count = 0;
    QString first; // where and how the first one departs, for the failure message
};
Departures departures(const QImage& logical, const QImage& scaled, qreal ratio, Edges edges,
                      const QRegion& area);

} // namespace scaling
