// SPDX-License-Identifier: GPL-3.0-or-later
// Where libpulse would look for a cookie, and a memory file to give it when it would make one.
#include "toolkit/ui/PulseCookie.h"

#include <QByteArray>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <cstring>
#include <string>
#include <sys/mman.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace tk::ui {

namespace {

// libpulse's cookie is 256 bytes.
constexpr std::size_t kCookieBytes = 256;

bool aCookieFileExists() {
    const QString home = QDir::homePath();
    QString configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (configHome.isEmpty()) configHome = home + QStringLiteral("/.config");
    return QFileInfo::exists(configHome + QStringLiteral("/pulse/cookie")) ||
           QFileInfo::exists(home + QStringLiteral("/.pulse-cookie")) ||
           QFileInfo::exists(home + QStringLiteral("/.config/pulse/cookie"));
}

bool theDisplayPublishesACookie() {
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (connection == nullptr) return false;
    static constexpr char kName[] = "PULSE_COOKIE";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(connection, xcb_intern_atom(connection, 1, std::strlen(kName), kName), nullptr);
    if (atom == nullptr) return false;
    bool found = false;
    if (atom->atom != XCB_ATOM_NONE) {
        const xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
        xcb_get_property_reply_t* property = xcb_get_property_reply(
            connection, xcb_get_property(connection, 0, screen->root, atom->atom, XCB_ATOM_ANY, 0, 1),
            nullptr);
        found = property != nullptr && property->type != XCB_ATOM_NONE;
        free(property);
    }
    free(atom);
    return found;
}

} // namespace

void keepPulseCookieInMemory() {
    if (!qEnvironmentVariableIsEmpty("PULSE_COOKIE") || aCookieFileExists() || theDisplayPublishesACookie())
        return;
    const int fd = memfd_create("pulse-cookie", MFD_CLOEXEC);
    if (fd < 0) return;
    const char zeros[kCookieBytes] = {};
    if (write(fd, zeros, sizeof zeros) != static_cast<ssize_t>(sizeof zeros)) {
        close(fd);
        return;
    }
    // Kept open for the life of the process: libpulse opens it by this name whenever it connects.
    qputenv("PULSE_COOKIE", QByteArray("/proc/self/fd/") + QByteArray::number(fd));
}

} // namespace tk::ui
