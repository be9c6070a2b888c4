// SPDX-License-Identifier: GPL-3.0-or-later
// Test support for sound: whether a PulseAudio server is there to play to, and the flag of the child run.
#pragma once

#include "toolkit/core/tests/WavImages.h"

#include <QAudioDevice>
#include <QByteArray>
#include <QMediaDevices>
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
    if (QMediaDevices::audioOutputs().isEmpty()) return QStringLiteral("the sound server lists no output");
    if (QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty()) return QStringLiteral("no parec");
    return {};
}

} // namespace tk::ui::soundtest
