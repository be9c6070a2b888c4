// SPDX-License-Identifier: GPL-3.0-or-later
// Backdrop window: plain colour, no border, the whole available screen.
#include "toolkit/ui/Backdrop.h"

#include "toolkit/ui/ServerFill.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPixmap>
#include <QScreen>

namespace tk::ui {

Backdrop::Backdrop(QColor colour)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Form1"));
    QPixmap none(16, 16);
    none.fill(Qt::transparent);
    setWindowIcon(QIcon(none));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, colour);
    setPalette(colours);
    setAutoFillBackground(true);
}

void Backdrop::showCovering() {
    // Without a window manager a maximised state is only a flag: set the geometry itself.
    if (QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->availableGeometry());
    // Where the display server can fill the backdrop with its colour, it does: the colour is there the moment
    // the window maps, and the program holds no screen-sized picture of it (5 MB on a 1280 x 1024 screen).
    if (updatesEnabled() && fillByDisplayServer(*this, palette().color(QPalette::Window)))
        setUpdatesEnabled(false);
    show();
}

void Backdrop::unload() {
    hide();
    deleteLater();
}

void Backdrop::mousePressEvent(QMouseEvent* event) {
    emit clicked();
    event->accept();
}

void Backdrop::mouseDoubleClickEvent(QMouseEvent* event) {
    emit clicked();
    event->accept();
}

} // namespace tk::ui
