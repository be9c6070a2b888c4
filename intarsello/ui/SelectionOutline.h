// SPDX-License-Identifier: GPL-3.0-or-later
// The outline round the tile chosen from the keyboard: a ring just outside its squares, over nothing of them.
#pragma once

#include <QColor>
#include <QRegion>
#include <QWidget>

namespace intarsello::ui {

class SelectionOutline : public QWidget {
    Q_OBJECT
public:
    // Pixels of the ring: a white gap next to the tile, then the coloured band.
    static constexpr int kGapPx = 1;
    static constexpr int kBandPx = 3;
    static inline const QColor kBandColour{255, 128, 0};

    // Made hidden on `parent`, in front of every sibling made before it; mouse events pass through it.
    explicit SelectionOutline(QWidget* parent);

    // Rings the shape made by `squares` (rectangles in pixels of the parent) and shows the outline.
    void surround(const QRegion& squares);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Both relative to this widget.
    QRegion gap_;
    QRegion band_;
};

} // namespace intarsello::ui
