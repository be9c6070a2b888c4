// SPDX-License-Identifier: GPL-3.0-or-later
// Application-wide set-up: style, palette, fonts, logging filter, yielding and ending.
#include "toolkit/ui/Application.h"

#include "toolkit/core/QuietSession.h"
#include "toolkit/core/StandardStreams.h"
#include "toolkit/ui/Accessibility.h"
#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/DisplayProbe.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/QuietMessages.h"
#include "toolkit/ui/Units.h"
#include "toolkit/ui/Zoom.h"

#include <QApplication>
#include <QPalette>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <cstdio>

namespace tk::ui {

QColor systemWindowColour() {
    return QApplication::palette().color(QPalette::Base);
}
QColor systemTextColour() {
    return QApplication::palette().color(QPalette::Text);
}

void prepareProcess() {
    openMissingStandardStreams();
    quietSession();
    installQuietMessages();
}

QFont applicationFont() {
    return makeFont(QStringLiteral("MS Sans Serif"), 8.25, Weight::Regular);
}

void prepareApplication(QApplication& app, const WindowExtent& largest, const StartOptions& options) {
    closeDisplayProbe();
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(style);
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette);
    installFontSubstitutions();
    shrinkToFitScreen(largest);
    QApplication::setFont(applicationFont());
    app.setQuitOnLastWindowClosed(false);
    installAccessibility();
    if (options.mute) AudioPlayer::muteAll();
}

bool displayCanShowColours() {
    constexpr int kFewestBits = 15;
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr || screen->depth() >= kFewestBits) return true;
    const QString line =
        QStringLiteral("%1: non posso disegnare su uno schermo a %2 bit di colore, ne servono "
                       "almeno %3.\n")
            .arg(QCoreApplication::applicationName())
            .arg(screen->depth())
            .arg(kFewestBits);
    std::fputs(line.toLocal8Bit().constData(), stderr);
    return false;
}

void yieldToPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void endProgram() {
    QCoreApplication::exit(0);
}

} // namespace tk::ui
