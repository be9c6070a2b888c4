// Plays WAV images held in memory through Qt Multimedia, one sound at a time, silently on any failure.
#pragma once

#include "WavDecoder.h"

#include <QAudio>
#include <QBuffer>
#include <QByteArray>
#include <QObject>
#include <QTimer>
#include <cstdint>

class QAudioSink;

namespace tk::ui {

class AudioPlayer : public QObject {
    Q_OBJECT

public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    // Starts `wavImage` and returns at once. Any sound still playing is cut off first, even when the new
    // image cannot be played. An image that cannot be decoded, or no output device, is silence.
    void playAsync(const QByteArray& wavImage);
    // Plays `wavImage` and returns when it has ended or has been cut off by another play or stop().
    // Meanwhile timers and painting go on, but user input is held back until it returns. Returns at once
    // when the image cannot be played.
    void playSync(const QByteArray& wavImage);
    void stop();
    // From the start of a sound until its last sample has been played or it is cut off.
    bool isPlaying() const { return sink_ != nullptr; }

signals:
    // The sound started last has ended or has been cut off.
    void finished();

private:
    bool start(const QByteArray& wavImage);
    void onStateChanged(QAudio::State state);
    void release();

    // The decoded sound, read by the sink until it stops through `pcm_`, a view of its samples; both are
    // replaced only after the sink has been stopped. The sample storage is kept from sound to sound.
    PcmAudio audio_;
    QByteArray pcm_;
    QBuffer source_;
    QAudioSink* sink_ = nullptr;
    // The output device still holds up to a buffer of audio when the source runs dry.
    QTimer tail_;
    std::uint64_t soundsStarted_ = 0;
    int lengthMs_ = 0;
};

} // namespace tk::ui
