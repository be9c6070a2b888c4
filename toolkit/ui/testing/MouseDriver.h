// SPDX-License-Identifier: GPL-3.0-or-later
// Real mouse events sent through a window (routing and implicit grab included), in widget coordinates.
#pragma once

#include <QMouseEvent>
#include <QTest>
#include <QWidget>
#include <QWindow>

namespace tk::ui::testing {

// The point `local` of `widget`, in the coordinates of its top-level window.
inline QPoint inWindow(QWidget* widget, QPoint local) {
    return widget->mapTo(widget->window(), local);
}

inline QWindow* handleOf(QWidget* widget) {
    return widget->window()->windowHandle();
}

inline void press(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = {}) {
    QTest::mousePress(handleOf(widget), button, modifiers, inWindow(widget, local));
}

inline void release(QWidget* widget, QPoint local, Qt::MouseButton button = Qt::LeftButton,
                    Qt::KeyboardModifiers modifiers = {}) {
    QTest::mouseRelease(handleOf(widget), button, modifiers, inWindow(widget, local));
}

// Moves the pointer to `local` of `widget`; the buttons held come from the last press.
inline void moveTo(QWidget* widget, QPoint local) {
    QTest::mouseMove(handleOf(widget), inWindow(widget, local));
}

inline void click(QWidget* widget, QPoint local = {}, Qt::MouseButton button = Qt::LeftButton) {
    if (local.isNull()) local = widget->rect().center();
    QTest::mouseClick(handleOf(widget), button, {}, inWindow(widget, local));
}

} // namespace tk::ui::testing
