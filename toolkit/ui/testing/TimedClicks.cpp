// SPDX-License-Identifier: GPL-3.0-or-later
// Timed clicks through the window-system interface, with the timestamps the test chose.
#include "toolkit/ui/testing/TimedClicks.h"

#include "toolkit/ui/testing/MouseDriver.h"

#include <QCoreApplication>
#include <qpa/qwindowsysteminterface.h>

namespace tk::ui::testing {

namespace {

void send(QWindow* handle, ulong at, QPointF local, Qt::MouseButtons held, QEvent::Type type) {
    QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::SynchronousDelivery>(
        handle, at, local, handle->mapToGlobal(local), held, Qt::LeftButton, type);
}

} // namespace

void TimedClicks::click(QWidget* widget, int pressedAtMs, int heldMs) {
    QWindow* handle = handleOf(widget);
    const QPointF at = inWindow(widget, widget->rect().center());
    const ulong pressedAt = start_ + ulong(pressedAtMs);
    last_ = pressedAt + ulong(heldMs);
    send(handle, pressedAt, at, Qt::LeftButton, QEvent::MouseButtonPress);
    send(handle, last_, at, Qt::NoButton, QEvent::MouseButtonRelease);
    QCoreApplication::processEvents();
}

} // namespace tk::ui::testing
