// SPDX-License-Identifier: GPL-3.0-or-later
// The message filter of the sound side and of the session.
#include "toolkit/ui/QuietMessages.h"

#include <QLatin1String>
#include <QString>
#include <QtGlobal>

namespace tk::ui {

namespace {

QtMessageHandler previousHandler = nullptr;

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isSessionNoise(context.category, message) && previousHandler != nullptr)
        previousHandler(type, context, message);
}

} // namespace

bool isSessionNoise(const char* category, const QString& message) {
    if (category != nullptr && qstrncmp(category, "qt.multimedia", 13) == 0) return true;
    // Streamed QStrings come out in quotes.
    QStringView text(message);
    if (text.startsWith(u'"')) text = text.mid(1);
    for (const char* start : {"PulseAudioService", "QPulseAudio", "Stream error", "No audio device detected",
                              "QAudioSink", "QAudioSource", "QAudioDevice", "QStandardPaths: "})
        if (text.startsWith(QLatin1String(start))) return true;
    return false;
}

void installQuietMessages() {
    static const bool installed = [] {
        previousHandler = qInstallMessageHandler(quietMessageHandler);
        return true;
    }();
    (void)installed;
}

} // namespace tk::ui
