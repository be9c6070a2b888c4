// SPDX-License-Identifier: GPL-3.0-or-later
// The sound player: what reaches the sound server, cutting off, synchronous play and silence on failure.
#include "toolkit/ui/AudioPlayer.h"

#include "toolkit/ui/QuietMessages.h"
#include "toolkit/ui/testing/MonitorRecorder.h"
#include "toolkit/ui/testing/PrivateSoundServer.h"
#include "toolkit/ui/tests/SoundServer.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <gtest/gtest.h>
#include <qpa/qwindowsysteminterface.h>
#include <sys/resource.h>

namespace {

using tk::ui::AudioPlayer;
using namespace tk::ui::soundtest;

class AudioPlayerWithServer : public ::testing::Test {
protected:
    void SetUp() override {
        if (const QString why = whyNoSoundServer(); !why.isEmpty()) GTEST_SKIP() << why.toStdString();
    }
};

TEST_F(AudioPlayerWithServer, SyncSoundArrivesWholeAtTheSink) {
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.start());
    AudioPlayer player;
    QElapsedTimer clock;
    clock.start();
    player.playSync(toneImage(22257, 1, 1.0, 440)); // an uncommon rate, as some old recordings have
    const qint64 elapsedMs = clock.elapsed();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_GE(elapsedMs, 1000);
    EXPECT_LT(elapsedMs, 2000);
    QTest::qWait(200);
    const LoudPart heard = MonitorRecorder::loudPart(recorder.stop());
    EXPECT_NEAR(heard.seconds, 1.0, 0.1);
    EXPECT_GT(heard.rms, 0.25 * 32767);
}

TEST_F(AudioPlayerWithServer, SecondAsyncPlayCutsTheFirst) {
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.start());
    AudioPlayer player;
    QSignalSpy finished(&player, &AudioPlayer::finished);
    player.playAsync(toneImage(22050, 2, 2.0, 440));
    EXPECT_TRUE(player.isPlaying());
    QTest::qWait(300);
    player.playAsync(toneImage(11025, 1, 0.5, 880));
    EXPECT_EQ(finished.count(), 1); // the first, cut off
    EXPECT_TRUE(player.isPlaying());
    ASSERT_TRUE(QTest::qWaitFor([&] { return finished.count() == 2; }, 3000));
    EXPECT_FALSE(player.isPlaying());
    QTest::qWait(200);
    // About 0.3 s of the first sound, then the whole second one; never the rest of the first.
    const LoudPart heard = MonitorRecorder::loudPart(recorder.stop());
    EXPECT_GT(heard.seconds, 0.7);
    EXPECT_LT(heard.seconds, 1.1);
}

TEST_F(AudioPlayerWithServer, AHeldSoundIsHeardWholeOnceTheFirstWindowHasPainted) {
    MonitorRecorder recorder;
    ASSERT_TRUE(recorder.start());
    AudioPlayer::holdUntilFirstPaint();
    AudioPlayer player;
    player.playAsync(toneImage(22050, 1, 0.8, 440));
    EXPECT_TRUE(player.isPlaying());
    QTest::qWait(300);
    EXPECT_FALSE(recorder.loudSince(0)) << "nothing is heard before a window has painted";
    QWidget window;
    window.resize(120, 80);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QTest::qWait(1200);
    const LoudPart heard = MonitorRecorder::loudPart(recorder.stop());
    EXPECT_NEAR(heard.seconds, 0.8, 0.1);
}

TEST_F(AudioPlayerWithServer, StopCutsOffOnceAndOnlyOnce) {
    AudioPlayer player;
    QSignalSpy finished(&player, &AudioPlayer::finished);
    player.playAsync(toneImage(22050, 1, 2.0, 440));
    QTest::qWait(100);
    player.stop();
    player.stop();
    EXPECT_FALSE(player.isPlaying());
    EXPECT_EQ(finished.count(), 1);
}

// A window that counts the presses and paints it receives.
class CountingWidget : public QWidget {
public:
    int presses = 0;
    int paints = 0;

protected:
    void mousePressEvent(QMouseEvent*) override { ++presses; }
    void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST_F(AudioPlayerWithServer, SyncHoldsBackInputButRunsTimersAndPainting) {
    CountingWidget window;
    window.resize(200, 100);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();
    AudioPlayer player;
    bool tickedWhilePlaying = false;
    int paintsBefore = 0;
    QTimer::singleShot(100, [&] {
        tickedWhilePlaying = player.isPlaying();
        paintsBefore = window.paints;
        window.update();
        // A click as the window system delivers it: queued, to be handled by the event loop.
        QWindow* handle = window.windowHandle();
        const QPointF at(20, 20);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, at, handle->mapToGlobal(at), Qt::LeftButton, Qt::LeftButton, QEvent::MouseButtonPress);
        QWindowSystemInterface::handleMouseEvent<QWindowSystemInterface::AsynchronousDelivery>(
            handle, at, handle->mapToGlobal(at), Qt::NoButton, Qt::LeftButton, QEvent::MouseButtonRelease);
    });
    player.playSync(toneImage(22050, 1, 0.5, 440));
    EXPECT_TRUE(tickedWhilePlaying);
    EXPECT_GT(window.paints, paintsBefore);
    EXPECT_EQ(window.presses, 0);
    QCoreApplication::processEvents();
    EXPECT_EQ(window.presses, 1);
}

TEST(AudioPlayer, UnplayableImagesAreSilentAndReturnAtOnce) {
    QByteArray truncated = toneImage(22050, 1, 0.5, 440);
    truncated.chop(100);
    QByteArray noChannels = toneImage(22050, 1, 0.5, 440);
    noChannels[22] = 0;
    AudioPlayer player;
    for (const QByteArray& image :
         {QByteArray(), QByteArray("RIFF"), QByteArray(5000, '\xff'), truncated, noChannels}) {
        QElapsedTimer clock;
        clock.start();
        player.playSync(image);
        player.playAsync(image);
        EXPECT_LT(clock.elapsed(), 100);
        EXPECT_FALSE(player.isPlaying());
    }
}

TEST(AudioPlayer, WithoutASoundServerNothingIsPrinted) {
    // The same binary as a child, pointed at a server that is not there (and with a runtime folder of its
    // own, so Qt has nothing else to say).
    QTemporaryDir runtime;
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/pulse/native"));
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime.path());
    child.setProcessEnvironment(environment);
    QElapsedTimer clock;
    clock.start();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kPlayWithoutServerFlag)});
    ASSERT_TRUE(child.waitForFinished(20000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_EQ(child.readAllStandardError().toStdString(), "");
    EXPECT_EQ(child.readAllStandardOutput().toStdString(), "");
    EXPECT_LT(clock.elapsed(), 5000); // no waiting for sounds that cannot play
}

TEST(QuietMessages, TheRuntimeFolderComplaintIsDroppedAndNothingElse) {
    using tk::ui::isSessionNoise;
    EXPECT_TRUE(isSessionNoise(
        QStringLiteral("QStandardPaths: XDG_RUNTIME_DIR not set, defaulting to '/tmp/runtime-pupil'")));
    for (const char* other : {"QPainter::begin: Paint device returned engine == 0", "\"QStandardPaths\"",
                              "Error: QStandardPaths: "})
        EXPECT_FALSE(isSessionNoise(QString::fromLatin1(other))) << other;
}

#if defined(__has_feature)
constexpr bool kAddressSanitizer = __has_feature(address_sanitizer);
#elif defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSanitizer = true;
#else
constexpr bool kAddressSanitizer = false;
#endif

// Whatever the sound server does, a player prints nothing: a TCP address nobody answers at (Qt retries
// every 3 s), a server killed or stopped while sounds play, and a machine short of memory, where libpulse
// cannot map its shared memory.
TEST(AudioPlayer, NothingReachesTheTerminalWhateverTheServerDoes) {
    enum class Fault { Refused, Killed, Stopped, ShortOfMemory };
    for (const Fault fault : {Fault::Refused, Fault::Killed, Fault::Stopped, Fault::ShortOfMemory}) {
        // The address sanitizer reserves more address space than the limit allows.
        if (fault == Fault::ShortOfMemory && kAddressSanitizer) continue;
        tk::ui::testing::PrivateSoundServer server;
        if (!server.whyNot().isEmpty()) GTEST_SKIP() << server.whyNot().toStdString();
        QProcessEnvironment environment = server.environment();
        if (fault == Fault::Refused)
            environment.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("tcp:127.0.0.1:9"));
        QProcess child;
        child.setProcessEnvironment(environment);
        if (fault == Fault::ShortOfMemory)
            child.setChildProcessModifier([] {
                const rlimit half{512L << 20, 512L << 20};
                setrlimit(RLIMIT_AS, &half);
            });
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kKeepPlayingFlag)});
        ASSERT_TRUE(QTest::qWaitFor([&] { return child.canReadLine(); }, 5000));
        QTest::qWait(300);
        if (fault == Fault::Killed) server.kill();
        if (fault == Fault::Stopped) server.pause();
        ASSERT_TRUE(child.waitForFinished(10000)) << int(fault);
        EXPECT_EQ(child.exitCode(), 0) << int(fault);
        EXPECT_EQ(child.readAllStandardError().toStdString(), "") << int(fault);
    }
}

// libpulse makes a cookie file in the home folder when it finds none; the games write nothing.
TEST(AudioPlayer, PlayingLeavesTheHomeFolderAsItWas) {
    tk::ui::testing::PrivateSoundServer server;
    if (!server.whyNot().isEmpty()) GTEST_SKIP() << server.whyNot().toStdString();
    QTemporaryDir home;
    QProcessEnvironment environment = server.environment();
    environment.insert(QStringLiteral("HOME"), home.path());
    for (const char* name : {"XDG_CONFIG_HOME", "PULSE_COOKIE"})
        environment.remove(QString::fromLatin1(name));
    QProcess child;
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kTimeSyncPlayFlag)});
    ASSERT_TRUE(child.waitForFinished(10000));
    EXPECT_GE(child.readAllStandardOutput().trimmed().toInt(), 500) << "the sound played";
    EXPECT_EQ(QDir(home.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}

// Muted, a player opens no audio device (the server never hears of the program), yet a synchronous sound
// keeps its length.
TEST(AudioPlayer, MutedASyncSoundIsSilentButLastsItsOwnLength) {
    tk::ui::testing::PrivateSoundServer server;
    if (!server.whyNot().isEmpty()) GTEST_SKIP() << server.whyNot().toStdString();
    QProcess child;
    child.setProcessEnvironment(server.environment());
    child.start(QCoreApplication::applicationFilePath(),
                {QString::fromLatin1(kTimeSyncPlayFlag), QString::fromLatin1(kMutedFlag)});
    ASSERT_TRUE(child.waitForStarted());
    QTest::qWait(300);
    QProcess clients;
    clients.setProcessEnvironment(server.environment());
    clients.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("clients")});
    ASSERT_TRUE(clients.waitForFinished(5000));
    const QByteArray known = clients.readAllStandardOutput();
    EXPECT_TRUE(known.contains("application.process.id")) << "the listing names each client's process";
    EXPECT_FALSE(
        known.contains(QStringLiteral("application.process.id = \"%1\"").arg(child.processId()).toUtf8()));
    ASSERT_TRUE(child.waitForFinished(10000));
    const int elapsedMs = child.readAllStandardOutput().trimmed().toInt();
    EXPECT_GE(elapsedMs, 500);
    EXPECT_LT(elapsedMs, 900);
}

// A stalled server answers nothing for as long as it stays so; a synchronous sound waits only its own length.
TEST(AudioPlayer, ASyncSoundLastsItsOwnLengthWhileTheServerIsStalled) {
    tk::ui::testing::PrivateSoundServer server;
    if (!server.whyNot().isEmpty()) GTEST_SKIP() << server.whyNot().toStdString();
    server.pause();
    QProcess child;
    child.setProcessEnvironment(server.environment());
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kTimeSyncPlayFlag)});
    ASSERT_TRUE(child.waitForFinished(10000));
    const int elapsedMs = child.readAllStandardOutput().trimmed().toInt();
    EXPECT_GE(elapsedMs, 500);
    EXPECT_LT(elapsedMs, 900);
    EXPECT_EQ(child.readAllStandardError().toStdString(), "");
}

} // namespace
