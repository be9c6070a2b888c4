// SPDX-License-Identifier: GPL-3.0-or-later
// The display looked at through its own connection, closed before Qt opens its.
#include "toolkit/ui/DisplayProbe.h"

#include "toolkit/core/Twips.h"

#include <QSize>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <xcb/xcb.h>

namespace tk::ui {

namespace {

xcb_connection_t* probe = nullptr;

// A menu bar in the programs' font is 17 pixels high: a little more leaves the fit on the safe side.
constexpr int kMenuBarAllowance = 20;

bool drawsOnX11() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (!platform.isEmpty()) return platform.startsWith("xcb");
    // Qt picks Wayland by itself where it can: nothing to look at here.
    return qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") || !qEnvironmentVariableIsEmpty("DISPLAY");
}

void sayNoDisplay(const char* program) {
    const QByteArray display = qgetenv("DISPLAY");
    const QString line =
        display.isEmpty()
            ? QStringLiteral("%1: non c'è uno schermo su cui aprire le finestre (DISPLAY non è impostata).\n")
                  .arg(QString::fromLocal8Bit(program))
            : QStringLiteral("%1: non riesco a collegarmi allo schermo %2.\n")
                  .arg(QString::fromLocal8Bit(program), QString::fromLocal8Bit(display));
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

// The first desktop's work area (the screen less panels), or the whole screen when no window manager
// publishes one.
QSize workArea(xcb_connection_t* connection, const xcb_screen_t* screen) {
    QSize area(screen->width_in_pixels, screen->height_in_pixels);
    constexpr char kName[] = "_NET_WORKAREA";
    std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(kName), kName), nullptr),
        &std::free);
    if (!atom || atom->atom == XCB_ATOM_NONE) return area;
    std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> property(
        xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_CARDINAL, 0, 4),
            nullptr),
        &std::free);
    if (!property || property->format != 32 || xcb_get_property_value_length(property.get()) < 16)
        return area;
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(property.get()));
    if (values[2] > 0 && values[3] > 0)
        area = QSize(static_cast<int>(values[2]), static_cast<int>(values[3]));
    return area;
}

} // namespace

void closeDisplayProbe() {
    if (probe != nullptr) xcb_disconnect(probe);
    probe = nullptr;
}

double scaleToFit(QSize designed, QSize frame, QSize available) {
    if (designed.isEmpty()) return 1.0;
    const double across = static_cast<double>(available.width() - frame.width()) / designed.width();
    const double down = static_cast<double>(available.height() - frame.height()) / designed.height();
    return std::max(1.0, std::min(across, down));
}

bool prepareDisplay(const ProgramAbout& about, const StartOptions& options, const WindowExtent& largest) {
    if (!drawsOnX11()) return true;
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        xcb_disconnect(connection);
        sayNoDisplay(about.name);
        return false;
    }
    bool ok = false;
    double desktop = qEnvironmentVariable("QT_SCALE_FACTOR").toDouble(&ok);
    if (!ok || desktop <= 0) desktop = 1.0;
    // A factor given goes on top of the desktop's own; a fit takes the place of the desktop's when larger.
    double factor = desktop * options.zoom;
    if (options.zoomToFit) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        const QSize designed(tk::twipsToPixels(largest.clientWidthTwips),
                             tk::twipsToPixels(largest.clientHeightTwips) +
                                 (largest.menuBar ? kMenuBarAllowance : 0));
        factor = std::max(desktop, scaleToFit(designed, kWindowFrameAllowance, workArea(connection, screen)));
    }
    // Kept open until Qt has its own: an X server left with no client resets itself, and Qt's connection
    // would race the reset.
    probe = connection;
    if (factor != desktop) qputenv("QT_SCALE_FACTOR", QByteArray::number(factor, 'g', 6));
    return true;
}

} // namespace tk::ui
