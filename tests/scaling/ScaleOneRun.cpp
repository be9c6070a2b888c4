// SPDX-License-Identifier: GPL-3.0-or-later
// Running the current test in a child process without scaling, and handing lines back through a file.
#include "tests/scaling/ScaleOneRun.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace scaling {

namespace {

const char* const kHandBack = "SCALING_HAND_BACK";

} // namespace

bool handBackToParent(const QStringList& lines) {
    const QString path = qEnvironmentVariable(kHandBack);
    if (path.isEmpty()) return false;
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) file.write(lines.join('\n').toUtf8());
    return true;
}

QStringList linesAtScaleOne() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("lines.txt"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // With no platform named, the test main sets up its plain 96-dpi offscreen screen.
    for (const char* scaling : {"QT_QPA_PLATFORM", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                                "QT_FONT_DPI", "QT_ENABLE_HIGHDPI_SCALING", "QT_USE_PHYSICAL_DPI"})
        environment.remove(QString::fromLatin1(scaling));
    environment.insert(QStringLiteral("SCALING_RATIO"), QStringLiteral("1"));
    environment.insert(QString::fromLatin1(kHandBack), path);
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(),
                {QStringLiteral("--gtest_filter=%1.%2").arg(test->test_suite_name(), test->name())});
    const bool finished = child.waitForFinished(60000);
    QFile file(path);
    if (!finished || child.exitCode() != 0 || !file.open(QIODevice::ReadOnly)) {
        ADD_FAILURE() << "the same test at scale 1 did not run: "
                      << child.readAllStandardOutput().toStdString();
        return {};
    }
    return QString::fromUtf8(file.readAll()).split('\n');
}

} // namespace scaling
