// SPDX-License-Identifier: GPL-3.0-or-later
// Test support for sound: whether a PulseAudio server is there to play to, and the flag of the child run.
#pragma once

#include "toolkit/core/tests/WavImages.h"

#include <QByteArray>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace tk::ui::soundtest {

// The test binary runs itself with this flag, and no reachable server, to show that such a run is silent.
inline constexpr char kPlayWithoutServerFlag[] = "--play-without-server";
// With this one it plays a half-second tone synchronously and prints how many milliseconds that took.
inline constexpr char kTimeSyncPlayFlag[] = "--time-sync-play";
// Followed by this one, it plays muted.
inline constexpr char kMutedFlag[] = "--mute";
// With this one it starts a one-second tone every half second for four seconds; it prints "playing" once
// the first has been asked for.
inline constexpr char kKeepPlayingFlag[] = "--keep-playing";

// A WAV image of a 16-bit sine tone at half of full scale.
inline QByteArray toneImage(int sampleRate, int channels, double seconds, double frequencyHz) {
    const wavimages::Bytes image = wavimages::toneImage(sampleRate, channels, seconds, frequencyHz, 0.5);
    return QByteArray(reinterpret_cast<const char*>(image.data()), static_cast<qsizetype>(image.size()));
}

// Why sound cannot be heard here, or an empty string when a server, an output and parec are all there.
inline QString whyNoSoundServer() {
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) return QStringLiteral("PULSE_SERVER is not set");
    for (const char* tool : {"pactl", "parec"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("no %1").arg(QString::fromLatin1(tool));
    QProcess sinks;
    sinks.start(QStringLiteral("pactl"),
                {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sinks")});
    if (!sinks.waitForFinished(5000) || sinks.exitCode() != 0 ||
        sinks.readAllStandardOutput().trimmed().isEmpty())
        return QStringLiteral("the sound server lists no output");
    return {};
}

} // namespace tk::ui::soundtest
