// SPDX-License-Identifier: GPL-3.0-or-later
// A backdrop: a borderless window of one colour covering the screen, behind a working window.
#pragma once

#include <QColor>
#include <QWidget>

namespace tk::ui {

class Backdrop : public QWidget {
    Q_OBJECT
public:
    explicit Backdrop(QColor colour);

    // Covers the screen's available area (with or without a window manager) and shows the backdrop.
    void showCovering();
    // Destroys the backdrop and any window standing in front of it (later, in the event loop).
    void unload();

signals:
    // A click or double click anywhere on the backdrop.
    void clicked();

protected:
    void mousePressEvent(class QMouseEvent* event) override;
    void mouseDoubleClickEvent(class QMouseEvent* event) override;
};

} // namespace tk::ui
