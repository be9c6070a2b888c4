// SPDX-License-Identifier: GPL-3.0-or-later
// Whether a whole window paints crisply at the screen's ratio: its line art, its pictures and its text.
#pragma once

#include <QRegion>

class QWidget;

namespace scaling {

// The parts of `window` (in its logical pixels) painted soft by nature: the text of captions, round shapes,
// and the controls that Qt's style paints (text boxes, lists, menu bars).
QRegion softParts(QWidget* window);
// The pictures shown in `window`, less any soft part over them.
QRegion pictureParts(QWidget* window);

// Fails the running test where `window` painted at `ratio` departs from its painting at one device pixel
// per logical pixel: line art must keep exact colours, pictures may soften their edges only at fractional
// ratios. At whole ratios its captions must also be text drawn at the device's resolution.
void expectCrisp(QWidget* window, qreal ratio);

} // namespace scaling
