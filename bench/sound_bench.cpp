// SPDX-License-Identifier: GPL-3.0-or-later
// Sound figures: decoding time of every embedded sound, and the delay from starting a sound to its first
// audio at the sound server's sink (measured through a recording of the sink, so an upper bound).
#include "toolkit/core/WavDecoder.h"
#include "toolkit/core/tests/WavImages.h"
#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/testing/MonitorRecorder.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

namespace {

namespace fs = std::filesystem;
using tk::wavimages::Bytes;

void registerDecodeBenchmarks() {
    const fs::path root = fs::path(__FILE__).parent_path().parent_path();
    for (const char* folder :
         {"filarino/resources/CUSTOM", "cestaro/resources/CUSTOM", "toolkit/core/tests/fixtures"}) {
        if (!fs::is_directory(root / folder)) continue;
        std::vector<fs::path> files;
        for (const auto& entry : fs::directory_iterator(root / folder))
            if (entry.path().extension() == ".wav") files.push_back(entry.path());
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            std::ifstream in(file, std::ios::binary);
            auto image =
                std::make_shared<Bytes>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
            const std::string name = "decode/" + fs::relative(file, root).string();
            benchmark::RegisterBenchmark(name.c_str(), [image](benchmark::State& state) {
                double seconds = 0;
                for (auto _ : state) {
                    const tk::WavDecode decoded = tk::decodeWav(*image);
                    benchmark::DoNotOptimize(decoded.audio.samples.data());
                    seconds = decoded.audio.seconds();
                }
                state.counters["sound_s"] = seconds;
            })->Unit(benchmark::kMillisecond);
        }
    }
}

// A PulseAudio server of the benchmark's own with a recordable null sink, for runs without one; its
// processes are stopped by their ids when it goes.
class PrivateSoundServer {
public:
    bool start() {
        const QString runtime = dir_.filePath(QStringLiteral("xdg"));
        QDir().mkpath(runtime);
        QFile::setPermissions(runtime,
                              QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        const QString socket = dir_.filePath(QStringLiteral("native"));
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime);
        server_.setProcessEnvironment(environment);
        server_.start(
            QStringLiteral("pulseaudio"),
            {QStringLiteral("-n"), QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"),
             QStringLiteral("--system=false"), QStringLiteral("--log-target=file:%1/pa.log").arg(dir_.path()),
             QStringLiteral("--load=module-null-sink sink_name=nullsink rate=44100 channels=2"),
             QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
        QElapsedTimer clock;
        clock.start();
        while (!QFileInfo::exists(socket) && clock.elapsed() < 3000)
            QThread::msleep(20);
        if (!QFileInfo::exists(socket)) return false;
        qputenv("PULSE_SERVER", ("unix:" + socket).toLocal8Bit());
        // Without a low-latency client the null sink plays at a fraction of real time.
        keepAlive_.start(QStringLiteral("pacat"),
                         {QStringLiteral("--latency-msec=10"), QStringLiteral("--rate=44100"),
                          QStringLiteral("--channels=2"), QStringLiteral("--format=s16le"),
                          QStringLiteral("/dev/zero")});
        return keepAlive_.waitForStarted(2000);
    }

    ~PrivateSoundServer() {
        for (QProcess* p : {&keepAlive_, &server_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            p->waitForFinished(2000);
        }
    }

private:
    QTemporaryDir dir_;
    QProcess server_;
    QProcess keepAlive_;
};

void waitMs(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

// From the call that starts a sound (what a click handler does) to its first loud sample at the sink.
void BM_FirstAudio(benchmark::State& state) {
    tk::ui::soundtest::MonitorRecorder recorder(2);
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER") || !recorder.start()) {
        state.SkipWithError("no sound server to record");
        return;
    }
    tk::ui::AudioPlayer player;
    const Bytes tone = tk::wavimages::toneImage(22050, 1, 0.3, 440, 0.5);
    const QByteArray image(reinterpret_cast<const char*>(tone.data()), static_cast<qsizetype>(tone.size()));
    double startMs = 0;
    for (auto _ : state) {
        const qsizetype mark = recorder.recordedBytes();
        QElapsedTimer clock;
        clock.start();
        player.playAsync(image);
        startMs += static_cast<double>(clock.nsecsElapsed()) / 1e6;
        while (!recorder.loudSince(mark) && clock.elapsed() < 1000)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
        player.stop();
        waitMs(250); // the sink falls silent again
    }
    state.counters["start_call_ms"] = startMs / static_cast<double>(state.iterations());
}
BENCHMARK(BM_FirstAudio)->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::unique_ptr<PrivateSoundServer> server;
    if (qEnvironmentVariableIsEmpty("PULSE_SERVER")) {
        server = std::make_unique<PrivateSoundServer>();
        if (!server->start()) server.reset();
    }
    registerDecodeBenchmarks();
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
