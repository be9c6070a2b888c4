// SPDX-License-Identifier: GPL-3.0-or-later
// Test support: a PulseAudio server of the test's own, with a null sink to record, that the test can pause
// (SIGSTOP) and resume as a stalled server would behave.
#pragma once

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>

namespace tk::ui::testing {

class PrivateSoundServer {
public:
    PrivateSoundServer() {
        for (const char* tool : {"pulseaudio", "pactl", "pacat", "parec"})
            if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
                why_ = QStringLiteral("no %1").arg(QString::fromLatin1(tool));
                return;
            }
        environment_ = QProcessEnvironment::systemEnvironment();
        environment_.insert(QStringLiteral("XDG_RUNTIME_DIR"), dir_.path());
        environment_.insert(QStringLiteral("PULSE_SERVER"),
                            QStringLiteral("unix:") + dir_.filePath("native"));
        server_.setProcessEnvironment(environment_);
        server_.start(
            QStringLiteral("pulseaudio"),
            {"-n", "--daemonize=no", "--exit-idle-time=-1", "--system=false",
             "--log-target=file:" + dir_.filePath("pa.log"),
             "--load=module-null-sink sink_name=nullsink rate=44100 channels=2",
             "--load=module-native-protocol-unix socket=" + dir_.filePath("native") + " auth-anonymous=1"});
        const bool answers = QTest::qWaitFor(
            [this] {
                QProcess info;
                info.setProcessEnvironment(environment_);
                info.start(QStringLiteral("pactl"), {QStringLiteral("info")});
                return info.waitForFinished(1000) && info.exitCode() == 0;
            },
            5000);
        if (!answers) {
            why_ = QStringLiteral("the private PulseAudio server did not start");
            return;
        }
        // Without a low-latency client the null sink plays streams at a fraction of real time.
        keepAlive_.setProcessEnvironment(environment_);
        keepAlive_.setStandardInputFile(QStringLiteral("/dev/zero"));
        keepAlive_.start(QStringLiteral("pacat"),
                         {"--latency-msec=10", "--rate=44100", "--channels=2", "--format=s16le"});
    }

    ~PrivateSoundServer() {
        resume();
        for (QProcess* p : {&keepAlive_, &server_}) {
            p->terminate();
            if (!p->waitForFinished(2000)) p->kill();
            p->waitForFinished(1000);
        }
    }

    // Why the server is not there to use, or empty.
    QString whyNot() const { return why_; }
    // This process's environment, pointed at the server (and at a runtime folder of its own).
    QProcessEnvironment environment() const { return environment_; }

    void pause() { signal(SIGSTOP); }
    void resume() { signal(SIGCONT); }
    // As a crash of the server would.
    void kill() { signal(SIGKILL); }

private:
    void signal(int which) {
        if (server_.processId() > 0) ::kill(static_cast<pid_t>(server_.processId()), which);
    }

    QTemporaryDir dir_;
    QProcessEnvironment environment_;
    QProcess server_;
    QProcess keepAlive_;
    QString why_;
};

} // namespace tk::ui::testing
