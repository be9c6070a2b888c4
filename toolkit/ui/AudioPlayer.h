// SPDX-License-Identifier: GPL-3.0-or-later
// Plays WAV images held in memory through the sound server, one sound at a time, silently on any failure. The
// window's thread only decodes and keeps time: finding the device, opening, starting and stopping happen on
// an audio thread, so a sound server that stalls never stalls the windows.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <memory>

class QThread;

namespace tk {
struct PcmAudio;
}

namespace tk::ui {

class FirstPaintWatch;

class AudioPlayer : public QObject {
    Q_OBJECT

public:
    explicit AudioPlayer(QObject* parent = nullptr);
    // From now on, players made afterwards play nothing and open no audio device, yet keep every sound's
    // time: a synchronous sound still waits its own length. Call before the first player is made.
    static void muteAll();
    // For a program's start: the next player made connects to the sound server, and decodes and starts any
    // sound asked of it, only once the first window has been painted (or a second has passed), so that none
    // of that takes time from the paint. The sound's length still counts from when it was asked for, and it
    // counts as playing meanwhile (an image that then proves undecodable ends there).
    static void holdUntilFirstPaint();
    // Meant to run as the program ends. If the audio thread is still waiting on a stalled server a second
    // later, the process ends at once (status 0, output flushed): the library would otherwise hold the
    // exit for as long as the server stays stalled, up to half a minute.
    ~AudioPlayer() override;

    // Starts `wavImage` and returns at once. Any sound still playing is cut off first, even when the new
    // image cannot be played. An image that cannot be decoded, or no output device, is silence.
    void playAsync(const QByteArray& wavImage);
    // Plays `wavImage` and returns when its own length has passed (counted from its decoded samples, not by
    // the sound server) or it has been cut off by another play or stop(). Meanwhile timers and painting go
    // on, but user input is held back until it returns. Returns at once when the image cannot be decoded or
    // no output device was found.
    void playSync(const QByteArray& wavImage);
    void stop();
    // For the length of the sound started last, unless it was cut off or there is no output device.
    bool isPlaying() const { return playing_.isActive() || !held_.isEmpty(); }

signals:
    // The sound started last has reached its length or has been cut off.
    void finished();

private:
    struct Spares;
    struct Line;
    // Decodes `wavImage` and starts it, `playedMs` of its length already gone.
    bool start(const QByteArray& wavImage, int playedMs = 0);
    void startOutput();
    void release();
    // Asks the audio thread to play `sound` now.
    void send(std::shared_ptr<const PcmAudio> sound);

    std::shared_ptr<Spares> spares_;
    QThread* thread_ = nullptr; // none when muted
    Line* line_ = nullptr;      // lives on thread_
    QTimer playing_;
    std::unique_ptr<FirstPaintWatch> hold_; // while held until the first paint
    QByteArray held_;                       // the sound asked for meanwhile, not yet decoded
    QElapsedTimer heldSince_;
};

} // namespace tk::ui
