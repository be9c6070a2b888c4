// SPDX-License-Identifier: GPL-3.0-or-later
// The audio thread's half of the player: finds the output device and opens, starts and stops one stream at
// a time. Every one of these steps may wait on the sound server, so this object lives on a thread of its own.
#pragma once

#include "toolkit/core/WavDecoder.h"

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <atomic>
#include <chrono>
#include <memory>

class QAudioSink;

namespace tk::ui {

class AudioOutput : public QObject {
public:
    // What the last look for an output device found; read from any thread.
    enum class Device { Unknown, Present, Absent };

    AudioOutput();
    ~AudioOutput() override;

    Device device() const { return device_.load(); }

    // The calls below run on the audio thread.
    // Looks for the output device, connecting to the sound server.
    void probe();
    // Stops the stream playing, then plays `audio`, asked for at `requested`, which is held until its stream
    // ends. Without an output device it is silence; the device is looked for again at every sound, so a
    // server that comes back is heard again. A sound that waited too long here, behind a stalled server,
    // is silence too: it would no longer sound with what asked for it.
    void play(std::shared_ptr<const PcmAudio> audio, std::chrono::steady_clock::time_point requested);
    void stop();

private:
    void onStateChanged(QAudio::State state);

    std::atomic<Device> device_{Device::Unknown};
    // The sound playing and the view of its samples that the stream reads; both go only after the stream
    // has stopped.
    std::shared_ptr<const PcmAudio> audio_;
    // Children, so that they move to the audio thread with this object.
    QByteArray pcm_;
    QBuffer source_{this};
    QAudioSink* sink_ = nullptr;
    // The device still holds up to a buffer of audio when the source runs dry.
    QTimer tail_{this};
};

} // namespace tk::ui
