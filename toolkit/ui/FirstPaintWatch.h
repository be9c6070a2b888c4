// SPDX-License-Identifier: GPL-3.0-or-later
// Waits for a program's first window to be painted, so that work the picture does not need can follow it.
#pragma once

#include <QObject>
#include <QTimer>
#include <functional>

namespace tk::ui {

class FirstPaintWatch : public QObject {
public:
    // Runs `then` once, on this thread, right after the first top-level window has been painted and its
    // picture handed to the window system, or after `longestMs` if no window has painted by then.
    FirstPaintWatch(std::function<void()> then, int longestMs);
    ~FirstPaintWatch() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void finish();

    std::function<void()> then_;
    QTimer longest_;
    bool painted_ = false;
};

} // namespace tk::ui
