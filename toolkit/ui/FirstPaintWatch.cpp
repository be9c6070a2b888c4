// SPDX-License-Identifier: GPL-3.0-or-later
// The first paint seen through an application-wide event filter.
#include "toolkit/ui/FirstPaintWatch.h"

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace tk::ui {

FirstPaintWatch::FirstPaintWatch(std::function<void()> then, int longestMs)
    : then_(std::move(then)) {
    longest_.setSingleShot(true);
    connect(&longest_, &QTimer::timeout, this, &FirstPaintWatch::finish);
    longest_.start(longestMs);
    QCoreApplication::instance()->installEventFilter(this);
}

FirstPaintWatch::~FirstPaintWatch() {
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
}

bool FirstPaintWatch::eventFilter(QObject* watched, QEvent* event) {
    if (!painted_ && event->type() == QEvent::Paint && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->isWindow()) {
        painted_ = true;
        // A window's paint event comes before its picture is flushed to the screen, in the same call.
        QTimer::singleShot(0, this, &FirstPaintWatch::finish);
    }
    return false;
}

void FirstPaintWatch::finish() {
    if (!then_) return;
    longest_.stop();
    if (QCoreApplication* app = QCoreApplication::instance()) app->removeEventFilter(this);
    std::function<void()> then = std::move(then_);
    then_ = nullptr;
    then();
}

} // namespace tk::ui
