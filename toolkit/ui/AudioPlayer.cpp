// Decodes WAV images and feeds them to a QAudioSink; a quiet message filter keeps sound-server noise away.
#include "AudioPlayer.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QEventLoop>
#include <QMediaDevices>
#include <cmath>
#include <span>

namespace tk::ui {

namespace {

// How long the device goes on playing after the source has run dry: up to one buffer (about 145 ms)
// is still queued then, and stopping at once would clip the end of the sound.
constexpr int kTailMs = 300;
// A synchronous sound still not ended this long after its own length is given up (a stalled server).
constexpr int kSyncGraceMs = 2000;

QtMessageHandler previousHandler = nullptr;

// Qt Multimedia reports a missing sound server or device in the default category, once at the first
// use of the devices and again for every sink. For the games no sound is silence, not a message.
bool isSoundServerNoise(const QMessageLogContext& context, const QString& message) {
    return (context.category != nullptr && qstrncmp(context.category, "qt.multimedia", 13) == 0) ||
           message.startsWith(QLatin1String("PulseAudioService")) ||
           message.startsWith(QLatin1String("QPulseAudio")) ||
           message.startsWith(QLatin1String("No audio device detected"));
}

void quietMessageHandler(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!isSoundServerNoise(context, message) && previousHandler != nullptr)
        previousHandler(type, context, message);
}

void installQuietMessages() {
    static const bool installed = [] {
        previousHandler = qInstallMessageHandler(quietMessageHandler);
        return true;
    }();
    (void)installed;
}

} // namespace

AudioPlayer::AudioPlayer(QObject* parent)
    : QObject(parent) {
    installQuietMessages();
    source_.setBuffer(&pcm_);
    tail_.setSingleShot(true);
    connect(&tail_, &QTimer::timeout, this, &AudioPlayer::stop);
    // Connects to the sound server now rather than at the first sound, so a click sounds at once.
    QMediaDevices::defaultAudioOutput();
}

AudioPlayer::~AudioPlayer() {
    if (sink_ != nullptr) release();
    // Sinks stopped earlier may still wait for their deferred deletion; none may outlive `source_`.
    qDeleteAll(findChildren<QAudioSink*>(Qt::FindDirectChildrenOnly));
}

void AudioPlayer::playAsync(const QByteArray& wavImage) {
    start(wavImage);
}

void AudioPlayer::playSync(const QByteArray& wavImage) {
    if (!start(wavImage)) return;
    const std::uint64_t sound = soundsStarted_;
    QEventLoop loop;
    connect(this, &AudioPlayer::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(lengthMs_ + kTailMs + kSyncGraceMs, &loop, &QEventLoop::quit);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (isPlaying() && soundsStarted_ == sound) stop();
}

void AudioPlayer::stop() {
    if (sink_ == nullptr) return;
    release();
    emit finished();
}

bool AudioPlayer::start(const QByteArray& wavImage) {
    stop();
    const std::span<const std::uint8_t> image(reinterpret_cast<const std::uint8_t*>(wavImage.constData()),
                                              static_cast<std::size_t>(wavImage.size()));
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) return false;
    pcm_ = QByteArray();
    if (decodeWavInto(image, audio_) != WavError::None) return false;

    QAudioFormat format;
    format.setSampleRate(audio_.sampleRate);
    format.setChannelCount(audio_.channels);
    format.setSampleFormat(QAudioFormat::Int16);
    pcm_ = QByteArray::fromRawData(reinterpret_cast<const char*>(audio_.samples.data()),
                                   static_cast<qsizetype>(audio_.samples.size() * sizeof(std::int16_t)));
    source_.open(QIODevice::ReadOnly);
    lengthMs_ = static_cast<int>(std::ceil(audio_.seconds() * 1000.0));
    ++soundsStarted_;

    sink_ = new QAudioSink(device, format, this);
    connect(sink_, &QAudioSink::stateChanged, this, &AudioPlayer::onStateChanged);
    sink_->start(&source_);
    // A sink that could not open its stream has stopped already (and may have said so through a signal).
    if (sink_ != nullptr && sink_->state() == QAudio::StoppedState) stop();
    return sink_ != nullptr;
}

void AudioPlayer::onStateChanged(QAudio::State state) {
    if (state == QAudio::IdleState) {
        if (source_.atEnd()) tail_.start(kTailMs);
    } else if (state == QAudio::StoppedState) {
        stop(); // the device failed
    } else {
        tail_.stop(); // an underrun is over
    }
}

void AudioPlayer::release() {
    tail_.stop();
    sink_->disconnect(this);
    sink_->stop();
    // Not deleted here: this may run inside the sink's own signal.
    sink_->deleteLater();
    sink_ = nullptr;
    source_.close();
}

} // namespace tk::ui
