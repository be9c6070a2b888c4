// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: records what a private sound server plays (its null sink's monitor) through parec.
#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QProcess>
#include <QTest>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

namespace tk::ui::soundtest {

// How loud a recording is: the span from its first to its last loud sample, and the RMS over that span.
struct LoudPart {
    double seconds = 0;
    double rms = 0;
};

class MonitorRecorder {
public:
    static constexpr int kRateHz = 44100;

    // `latencyMs`: how much audio parec gathers before it hands it on. `server` names the server in
    // PULSE_SERVER; by default the one of this process's environment.
    explicit MonitorRecorder(int latencyMs = 20,
                             const QProcessEnvironment& server = QProcessEnvironment::systemEnvironment())
        : latencyMs_(latencyMs) {
        parec_.setProcessEnvironment(server);
    }
    ~MonitorRecorder() { stop(); }

    // Starts recording and returns once the first audio (silence) has arrived, so nothing played from
    // now on is missed. False when parec does not deliver within two seconds.
    bool start() {
        QObject::connect(&parec_, &QProcess::readyReadStandardOutput,
                         [this] { data_ += parec_.readAllStandardOutput(); });
        parec_.start(QStringLiteral("parec"),
                     {QStringLiteral("-d"), QStringLiteral("nullsink.monitor"), QStringLiteral("--raw"),
                      QStringLiteral("--format=s16le"), QStringLiteral("--rate=%1").arg(kRateHz),
                      QStringLiteral("--channels=2"), QStringLiteral("--latency-msec=%1").arg(latencyMs_)});
        return parec_.waitForStarted(2000) && QTest::qWaitFor([this] { return !data_.isEmpty(); }, 2000);
    }

    // Stops parec (by its own process id, through QProcess) and returns the recording, stereo interleaved.
    std::vector<std::int16_t> stop() {
        if (parec_.state() != QProcess::NotRunning) {
            parec_.terminate();
            parec_.waitForFinished(2000);
            data_ += parec_.readAllStandardOutput();
        }
        std::vector<std::int16_t> samples(static_cast<std::size_t>(data_.size()) / 2);
        std::memcpy(samples.data(), data_.constData(), samples.size() * 2);
        return samples;
    }

    // How much has arrived so far; the event loop must run for more to arrive.
    qsizetype recordedBytes() const { return data_.size(); }

    // Whether a sample louder than `threshold` has arrived after the first `offset` bytes.
    bool loudSince(qsizetype offset, int threshold = 1000) const {
        const auto* samples = reinterpret_cast<const std::int16_t*>(data_.constData());
        for (qsizetype i = offset / 2; i < data_.size() / 2; ++i)
            if (std::abs(samples[i]) > threshold) return true;
        return false;
    }

    // The loud part of interleaved `samples`; by default those of a recording.
    static LoudPart loudPart(const std::vector<std::int16_t>& samples, int channels = 2, int rateHz = kRateHz,
                             int threshold = 1000) {
        std::size_t first = samples.size();
        std::size_t last = 0;
        for (std::size_t i = 0; i < samples.size(); ++i) {
            if (std::abs(samples[i]) <= threshold) continue;
            first = std::min(first, i);
            last = i;
        }
        if (first > last) return {};
        double sum = 0;
        for (std::size_t i = first; i <= last; ++i)
            sum += static_cast<double>(samples[i]) * samples[i];
        const double count = static_cast<double>(last - first + 1);
        return {count / channels / rateHz, std::sqrt(sum / count)};
    }

private:
    int latencyMs_;
    QProcess parec_;
    QByteArray data_;
};

} // namespace tk::ui::soundtest
