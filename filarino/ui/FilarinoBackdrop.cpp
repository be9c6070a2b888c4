// SPDX-License-Identifier: GPL-3.0-or-later
// filarino's backdrops: load and click handling.
#include "filarino/ui/FilarinoBackdrop.h"

#include <QCloseEvent>

namespace filarino::ui {

FilarinoBackdrop::FilarinoBackdrop(QColor colour, std::function<void()> openWorkingWindow)
    : Backdrop(colour)
    , openWorkingWindow_(std::move(openWorkingWindow)) {
    // A click and a double click both bring the working window back to the front.
    connect(this, &Backdrop::clicked, this, [this] { openWorkingWindow_(); });
}

void FilarinoBackdrop::closeEvent(QCloseEvent* event) {
    event->ignore();
    openWorkingWindow_();
}

void FilarinoBackdrop::Form_Load() {
    showCovering();
    openWorkingWindow_();
}

} // namespace filarino::ui
