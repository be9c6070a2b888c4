// SPDX-License-Identifier: GPL-3.0-or-later
// The message filter of the session.
#include "toolkit/ui/QuietMessages.h"

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

namespace tk::ui {

namespace {

QtMessageHandler previousHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isSessionNoise(message) && previousHandler != nullptr) previousHandler(type, context, message);
}

} // namespace

bool isSessionNoise(const QString& message) {
    return message.startsWith(QLatin1String("QStandardPaths: "));
}

void installQuietMessages() {
    static const bool installed = [] {
        previousHandler = qInstallMessageHandler(quietMessageHandler);
        return true;
    }();
    (void)installed;
}

} // namespace tk::ui
