// SPDX-License-Identifier: GPL-3.0-or-later
// filarino against a stalled sound server: the test pauses a server of its own, runs filarino with its real
// sound against it as a child process, and checks that the windows paint and answer at once, that the
// sounds come back once the server does, and that nothing reaches the terminal.
#include "filarino/logic/Modulo1.h"
#include "filarino/tests/ui/ExerciseWindowTesting.h"
#include "filarino/tests/ui/FrmInizioPiuTesting.h"
#include "filarino/ui/Shell.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/ResourceSound.h"
#include "toolkit/ui/testing/AnsweringMessageBoxes.h"
#include "toolkit/ui/testing/MonitorRecorder.h"
#include "toolkit/ui/testing/MouseDriver.h"
#include "toolkit/ui/testing/PrivateSoundServer.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTextStream>
#include <cstdio>
#include <gtest/gtest.h>
#include <string_view>

namespace {

constexpr char kChildFlag[] = "--stalled-session";

// Counts the paint events of a widget.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void say(const QString& line) {
    std::printf("%s\n", qPrintable(line));
    std::fflush(stdout);
}

// "Nuovo filarino", the right answer dragged into the boxes, then a click on "C o n t r o l l a".
// Returns the milliseconds from that click until the verdict has been painted.
qint64 answerRight(filarino::ui::ExerciseWindow& window) {
    using namespace tk::ui::testing;
    const filarino::ui::ExerciseWindowTesting view(window);
    click(view.CmdOperazione());
    const auto keys = window.keys();
    const auto drag = [](tk::ui::Label* key, QWidget* box) {
        press(key, {5, 5});
        moveTo(box, box->rect().center());
        release(box, box->rect().center());
    };
    drag(keys[std::size_t(window.exercise().PalliniPerRiga() - 1)], view.LblNumero1());
    drag(keys[std::size_t(window.exercise().NumeroRighe() - 1)], view.LblNumero2());
    PaintCounter verdict(view.LblEsito());
    QElapsedTimer clock;
    clock.start();
    click(view.CmdVerifica());
    return QTest::qWaitFor([&] { return verdict.paints > 0; }, 5000) ? clock.elapsed() : -1;
}

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform says so whenever a window is raised; a real display does not.
void withoutOffscreenNotes(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (!message.startsWith(QLatin1String("This plugin does not support")))
        defaultHandler(type, context, message);
}

// The child: filarino as it runs, on the offscreen platform, reporting on stdout.
int runStalledSession() {
    defaultHandler = qInstallMessageHandler(withoutOffscreenNotes);
    filarino::Modulo1 modulo;
    tk::RandomSource random;
    tk::SystemClock clock;
    tk::ui::ResourceSound sound;
    tk::ui::AnsweringMessageBoxes messages;
    filarino::ui::Shell shell(modulo, {random, clock, sound, messages});
    shell.loadForm1();
    filarino::ui::FrmInizioPiu* start = shell.frmInizioPiu();
    PaintCounter startPaints(start);
    if (!QTest::qWaitFor([&] { return startPaints.paints > 0; }, 5000)) return 2;
    say(QStringLiteral("painted"));

    tk::ui::testing::click(
        filarino::ui::FrmInizioPiuTesting(*start).Command4()); // numbers from 1 to 10, first exercise
    QTest::qWait(50);
    filarino::ui::ExerciseWindow* window = shell.exerciseWindow();
    if (!window || !QTest::qWaitForWindowExposed(window)) return 3;
    say(QStringLiteral("verdict %1").arg(answerRight(*window)));

    QTextStream in(stdin);
    if (in.readLine() != QLatin1String("resumed")) return 4;
    QTest::qWait(1500); // the player finds the server again
    answerRight(*window);
    QTest::qWait(2500); // the sound is heard meanwhile
    say(QStringLiteral("done"));
    return 0;
}

TEST(StalledSoundServer, FilarinoPaintsAndAnswersAtOnceAndSoundsAgainOnceTheServerIsBack) {
    tk::ui::testing::PrivateSoundServer server;
    if (!server.whyNot().isEmpty()) GTEST_SKIP() << server.whyNot().toStdString();
    tk::ui::soundtest::MonitorRecorder recorder(20, server.environment());
    ASSERT_TRUE(recorder.start());
    server.pause();

    QProcess child;
    QProcessEnvironment environment = server.environment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child.setProcessEnvironment(environment);
    QElapsedTimer sinceStart;
    sinceStart.start();
    child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(kChildFlag)});
    const auto nextLine = [&](int timeoutMs) {
        if (!QTest::qWaitFor([&] { return child.canReadLine() || child.state() == QProcess::NotRunning; },
                             timeoutMs))
            return QString();
        return QString::fromLocal8Bit(child.readLine()).trimmed();
    };

    EXPECT_EQ(nextLine(5000), "painted");
    EXPECT_LT(sinceStart.elapsed(), 1000) << "the start window is painted within 1 s of the process start";
    const QString verdict = nextLine(5000);
    ASSERT_TRUE(verdict.startsWith("verdict ")) << verdict.toStdString();
    EXPECT_GE(verdict.mid(8).toInt(), 0) << "the verdict is painted";
    EXPECT_LT(verdict.mid(8).toInt(), 100) << "a verdict click repaints within 100 ms";

    // Nothing asked for during the pause sounds once the server is back, seconds late.
    QTest::qWait(1500);
    const qsizetype atResume = recorder.recordedBytes();
    server.resume();
    QTest::qWait(500);
    EXPECT_FALSE(recorder.loudSince(atResume));
    child.write("resumed\n");
    EXPECT_EQ(nextLine(10000), "done");
    ASSERT_TRUE(child.state() == QProcess::NotRunning || child.waitForFinished(5000));
    EXPECT_EQ(child.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(child.exitCode(), 0);
    EXPECT_TRUE(recorder.loudSince(atResume)) << "the verdict after the pause is heard";
    EXPECT_EQ(child.readAllStandardError().toStdString(), "");
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    tk::ui::prepareApplication(app);
    if (argc > 1 && std::string_view(argv[1]) == kChildFlag) return runStalledSession();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
