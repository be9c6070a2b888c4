// SPDX-License-Identifier: GPL-3.0-or-later
// Decoding on the window's thread and a queue of requests to the audio thread.
#include "toolkit/ui/AudioPlayer.h"

#include "toolkit/core/WavDecoder.h"
#include "toolkit/ui/AudioOutput.h"
#include "toolkit/ui/FirstPaintWatch.h"
#include "toolkit/ui/PulseCookie.h"
#include "toolkit/ui/SoundModule.h"

#include <QEventLoop>
#include <QThread>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <span>
#include <utility>
#include <vector>

namespace tk::ui {

namespace {

// How long the player waits for the audio thread to finish when it goes.
constexpr unsigned long kShutdownMs = 1000;

// Set once, before the first player, from the command line.
bool muted = false;
// Set by the program before its player is made; taken by that player.
bool holding = false;
// How long a held player waits for the first paint at most.
constexpr int kLongestHoldMs = 1000;

} // namespace

// Sample storage handed back by the audio thread once it is done with a sound, for the next decode: a
// player decoding sound after sound allocates only for a sound longer than any before.
struct AudioPlayer::Spares {
    std::mutex mutex;
    std::vector<std::unique_ptr<PcmAudio>> storage;

    std::unique_ptr<PcmAudio> take() {
        const std::lock_guard lock(mutex);
        if (storage.empty()) return std::make_unique<PcmAudio>();
        std::unique_ptr<PcmAudio> spare = std::move(storage.back());
        storage.pop_back();
        return spare;
    }
    void give(std::unique_ptr<PcmAudio> audio) {
        const std::lock_guard lock(mutex);
        if (storage.size() < 2) storage.push_back(std::move(audio));
    }
    // Whoever drops the last reference, on either thread, gives the storage back.
    static std::shared_ptr<const PcmAudio> lend(const std::shared_ptr<Spares>& spares,
                                                std::unique_ptr<PcmAudio> audio) {
        return {audio.release(), [weak = std::weak_ptr(spares)](const PcmAudio* done) {
                    std::unique_ptr<PcmAudio> owned(const_cast<PcmAudio*>(done));
                    if (const std::shared_ptr<Spares> back = weak.lock()) back->give(std::move(owned));
                }};
    }
};

// The audio thread's end of the player: the output, made there from the sound module at the first request,
// and what its last look for a device found, for the window's thread to read.
struct AudioPlayer::Line : QObject {
    std::unique_ptr<AudioOutput> output;
    bool made = false;
    std::atomic<AudioOutput::Device> device{AudioOutput::Device::Unknown};

    // On the audio thread: runs `use` on the output, made first if need be, then notes what it found.
    template <typename Use> void with(Use use) {
        if (!made) {
            made = true;
            output = makeAudioOutput();
        }
        if (!output) {
            device = AudioOutput::Device::Absent;
            return;
        }
        use(*output);
        device = output->device();
    }
};

AudioPlayer::AudioPlayer(QObject* parent)
    : QObject(parent)
    , spares_(std::make_shared<Spares>()) {
    playing_.setSingleShot(true);
    // A coarse timer may end a sound 5% early.
    playing_.setTimerType(Qt::PreciseTimer);
    connect(&playing_, &QTimer::timeout, this, &AudioPlayer::finished);
    if (muted) return;
    thread_ = new QThread;
    line_ = new Line;
    line_->moveToThread(thread_);
    thread_->setObjectName(QStringLiteral("audio"));
    if (holding) {
        holding = false;
        hold_ = std::make_unique<FirstPaintWatch>([this] { release(); }, kLongestHoldMs);
        return;
    }
    startOutput();
}

void AudioPlayer::muteAll() {
    muted = true;
}

void AudioPlayer::holdUntilFirstPaint() {
    holding = true;
}

void AudioPlayer::startOutput() {
    keepPulseCookieInMemory();
    thread_->start();
    // Connects to the sound server now rather than at the first sound, so a click sounds at once.
    QMetaObject::invokeMethod(
        line_, [line = line_] { line->with([](AudioOutput& output) { output.probe(); }); },
        Qt::QueuedConnection);
}

void AudioPlayer::release() {
    // Called by the watch itself: it goes once it has returned.
    hold_.release()->deleteLater();
    startOutput();
    if (held_.isEmpty()) return;
    // Decoded only now, as the rest of its time runs.
    const QByteArray image = std::exchange(held_, QByteArray());
    if (!start(image, static_cast<int>(heldSince_.elapsed()))) emit finished();
}

AudioPlayer::~AudioPlayer() {
    playing_.stop();
    if (thread_ == nullptr) return;
    if (hold_) {
        // The audio thread never ran: nothing waits on the server.
        hold_.reset();
        held_.clear();
        delete line_;
        delete thread_;
        return;
    }
    // The output goes on its own thread, after the requests before it.
    QMetaObject::invokeMethod(
        line_,
        [line = line_] {
            line->output.reset();
            QThread::currentThread()->quit();
        },
        Qt::QueuedConnection);
    if (thread_->wait(kShutdownMs)) {
        delete line_;
        delete thread_;
        return;
    }
    // The thread is still waiting on a stalled server for the requests queued before (each waits a second at
    // most); the process ends rather than the window waiting. The games keep nothing that needs saving.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}

void AudioPlayer::playAsync(const QByteArray& wavImage) {
    if (!hold_ || wavImage.isEmpty()) {
        start(wavImage);
        return;
    }
    stop();
    held_ = wavImage;
    heldSince_.start();
}

void AudioPlayer::playSync(const QByteArray& wavImage) {
    // A sound the program waits for is not held back.
    if (hold_) release();
    if (!start(wavImage) || !isPlaying()) return;
    QEventLoop loop;
    connect(this, &AudioPlayer::finished, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void AudioPlayer::stop() {
    if (!isPlaying()) return;
    playing_.stop();
    held_.clear();
    if (line_ != nullptr)
        QMetaObject::invokeMethod(
            line_, [line = line_] { line->with([](AudioOutput& output) { output.stop(); }); },
            Qt::QueuedConnection);
    emit finished();
}

void AudioPlayer::send(std::shared_ptr<const PcmAudio> sound) {
    QMetaObject::invokeMethod(
        line_,
        [line = line_, sound = std::move(sound), requested = std::chrono::steady_clock::now()]() mutable {
            line->with([&](AudioOutput& output) { output.play(std::move(sound), requested); });
        },
        Qt::QueuedConnection);
}

bool AudioPlayer::start(const QByteArray& wavImage, int playedMs) {
    stop();
    std::unique_ptr<PcmAudio> audio = spares_->take();
    const std::span<const std::uint8_t> image(reinterpret_cast<const std::uint8_t*>(wavImage.constData()),
                                              static_cast<std::size_t>(wavImage.size()));
    if (decodeWavInto(image, *audio) != WavError::None) {
        spares_->give(std::move(audio));
        return false;
    }
    const int lengthMs = std::max(0, static_cast<int>(std::ceil(audio->seconds() * 1000.0)) - playedMs);
    if (line_ == nullptr) {
        spares_->give(std::move(audio));
        playing_.start(lengthMs);
        return true;
    }
    // Sent even when the last look found no device: the server may be back.
    send(Spares::lend(spares_, std::move(audio)));
    if (line_->device != AudioOutput::Device::Absent) playing_.start(lengthMs);
    return true;
}

} // namespace tk::ui
