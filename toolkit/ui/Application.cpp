// Application-wide set-up: style, palette, fonts, logging filter, yielding and ending.
#include "Application.h"

#include "Accessibility.h"
#include "Fonts.h"
#include "Units.h"

#include <QApplication>
#include <QLoggingCategory>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

namespace tk::ui {

QColor systemWindowColour() {
    return QApplication::palette().color(QPalette::Base);
}
QColor systemTextColour() {
    return QApplication::palette().color(QPalette::Text);
}

void prepareApplication(QApplication& app) {
    if (QStyle* style = QStyleFactory::create(QStringLiteral("Windows"))) QApplication::setStyle(style);
    QPalette palette = QApplication::style()->standardPalette();
    palette.setColor(QPalette::Base, Qt::white);
    palette.setColor(QPalette::Text, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::black);
    QApplication::setPalette(palette);
    installFontSubstitutions();
    QApplication::setFont(makeFont(QStringLiteral("MS Sans Serif"), 8.25, Weight::Regular));
    app.setQuitOnLastWindowClosed(false);
    installAccessibility();
    // Without a sound server Qt Multimedia would warn on every sound; silence is the contract.
    QLoggingCategory::setFilterRules(QStringLiteral("qt.multimedia*=false\nqt.multimedia.*=false"));
}

void yieldToPendingEvents() {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void endProgram() {
    QCoreApplication::exit(0);
}

} // namespace tk::ui
