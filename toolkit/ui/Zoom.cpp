// SPDX-License-Identifier: GPL-3.0-or-later
// The zoom's setting, and the choice of it that fits the program to a small screen.
#include "toolkit/ui/Zoom.h"

#include "toolkit/ui/Application.h"
#include "toolkit/ui/Units.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace tk::ui {

namespace {

double zoom_ = 1.0;

// Below this a window is unreadable anyway; a screen that small gets a window larger than itself.
constexpr double kSmallestZoom = 0.25;

bool fits(QSize outer, QSize available) {
    return outer.width() <= available.width() && outer.height() <= available.height();
}

// A menu bar's height in the application's font at the current zoom: its margins do not shrink with it.
int menuBarHeight() {
    QMenuBar bar;
    bar.setNativeMenuBar(false);
    bar.setFont(applicationFont());
    bar.addAction(QStringLiteral("Esci"));
    return bar.sizeHint().height();
}

} // namespace

double zoom() {
    return zoom_;
}

void setZoom(double factor) {
    zoom_ = factor;
}

QSize zoomed(QSize natural) {
    if (zoom_ == 1.0) return natural;
    return {static_cast<int>(std::lround(natural.width() * zoom_)),
            static_cast<int>(std::lround(natural.height() * zoom_))};
}

QSize frameAllowance(const QScreen& screen) {
    const qreal ratio = screen.devicePixelRatio();
    return {static_cast<int>(std::ceil(kWindowFrameAllowance.width() / ratio)),
            static_cast<int>(std::ceil(kWindowFrameAllowance.height() / ratio))};
}

double zoomToFit(QSize designed, QSize available) {
    if (designed.isEmpty()) return 1.0;
    const double across = static_cast<double>(available.width()) / designed.width();
    const double down = static_cast<double>(available.height()) / designed.height();
    return std::clamp(std::min(across, down), kSmallestZoom, 1.0);
}

void shrinkToFitScreen(const WindowExtent& largest) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return;
    const QSize available = screen->availableGeometry().size();
    const QSize frame = frameAllowance(*screen);
    const auto outerAt = [&](double factor) {
        setZoom(factor);
        const int menu = largest.menuBar ? menuBarHeight() : 0;
        return QSize(px(largest.clientWidthTwips), px(largest.clientHeightTwips) + menu) + frame;
    };
    setZoom(1.0);
    // Most screens are far larger than the window: no menu bar need be measured for them.
    constexpr int kRoomyMenuBar = 100;
    if (fits(QSize(px(largest.clientWidthTwips), px(largest.clientHeightTwips) + kRoomyMenuBar) + frame,
             available))
        return;
    const QSize designed = outerAt(1.0);
    if (fits(designed, available)) return;
    // Margins and whole pixels do not shrink in proportion: step down until the window fits.
    double factor = zoomToFit(designed, available);
    while (factor > kSmallestZoom && !fits(outerAt(factor), available))
        factor = std::max(kSmallestZoom, factor - 0.01);
    setZoom(factor);
}

} // namespace tk::ui
