// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module's output: one stream at a time to Qt Multimedia's default output device.
#pragma once

#include "toolkit/core/WavDecoder.h"
#include "toolkit/ui/AudioOutput.h"

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <atomic>

class QAudioSink;

namespace tk::ui {

// Made on the audio thread, and used and destroyed there only.
class QtAudioOutput final : public QObject, public AudioOutput {
public:
    QtAudioOutput();
    ~QtAudioOutput() override;

    Device device() const override { return device_.load(); }
    void probe() override;
    void play(std::shared_ptr<const PcmAudio> audio,
              std::chrono::steady_clock::time_point requested) override;
    void stop() override;

private:
    void onStateChanged(QAudio::State state);

    std::atomic<Device> device_{Device::Unknown};
    // The sound playing and the view of its samples that the stream reads; both go only after the stream
    // has stopped.
    std::shared_ptr<const PcmAudio> audio_;
    QByteArray pcm_;
    QBuffer source_{this};
    QAudioSink* sink_ = nullptr;
    // The device still holds up to a buffer of audio when the source runs dry.
    QTimer tail_{this};
};

} // namespace tk::ui
