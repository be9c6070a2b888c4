// SPDX-License-Identifier: GPL-3.0-or-later
// One stream at a time to Qt Multimedia's default output, on the audio thread, and the module's entry.
#include "toolkit/ui/QtAudioOutput.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

namespace tk::ui {

namespace {

// How long the device goes on playing after the source has run dry: up to one buffer (about 145 ms)
// is still queued then, and stopping at once would clip the end of the sound.
constexpr int kTailMs = 300;
// Later than this after it was asked for, a sound is no longer started (on a healthy server a stream
// starts within some tens of milliseconds).
constexpr std::chrono::milliseconds kLate(1000);

} // namespace

QtAudioOutput::QtAudioOutput() {
    source_.setBuffer(&pcm_);
    tail_.setSingleShot(true);
    connect(&tail_, &QTimer::timeout, this, &QtAudioOutput::stop);
}

QtAudioOutput::~QtAudioOutput() {
    tail_.stop();
    delete sink_;
}

void QtAudioOutput::probe() {
    device_ = QMediaDevices::defaultAudioOutput().isNull() ? Device::Absent : Device::Present;
}

void QtAudioOutput::play(std::shared_ptr<const PcmAudio> audio,
                         std::chrono::steady_clock::time_point requested) {
    stop();
    const auto late = [requested] { return std::chrono::steady_clock::now() - requested > kLate; };
    if (late()) return;
    // Both this and starting the stream wait on the server.
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    device_ = device.isNull() ? Device::Absent : Device::Present;
    if (device.isNull() || !audio || late()) return;

    QAudioFormat format;
    format.setSampleRate(audio->sampleRate);
    format.setChannelCount(audio->channels);
    format.setSampleFormat(QAudioFormat::Int16);
    audio_ = std::move(audio);
    pcm_ = QByteArray::fromRawData(reinterpret_cast<const char*>(audio_->samples.data()),
                                   static_cast<qsizetype>(audio_->samples.size() * sizeof(std::int16_t)));
    source_.open(QIODevice::ReadOnly);
    // Without a parent: Qt Multimedia hands the parent on to its own sink object, which then dies with
    // this one instead of with the sink.
    sink_ = new QAudioSink(device, format);
    connect(sink_, &QAudioSink::stateChanged, this, &QtAudioOutput::onStateChanged);
    sink_->start(&source_);
    // A sink that could not open its stream has stopped already (and may have said so through a signal).
    if (sink_ != nullptr && (sink_->state() == QAudio::StoppedState || late())) stop();
}

void QtAudioOutput::onStateChanged(QAudio::State state) {
    if (state == QAudio::IdleState) {
        if (source_.atEnd()) tail_.start(kTailMs);
    } else if (state == QAudio::StoppedState) {
        stop(); // the device failed
    } else {
        tail_.stop(); // an underrun is over
    }
}

void QtAudioOutput::stop() {
    tail_.stop();
    if (sink_ != nullptr) {
        sink_->disconnect(this);
        sink_->stop();
        // Not deleted here: this may run inside the sink's own signal.
        sink_->deleteLater();
        sink_ = nullptr;
    }
    source_.close();
    pcm_ = QByteArray();
    audio_.reset();
}

} // namespace tk::ui

// The module's one entry, looked up by name when the module is loaded.
extern "C" Q_DECL_EXPORT tk::ui::AudioOutput* giochi_make_audio_output() {
    return new tk::ui::QtAudioOutput;
}
