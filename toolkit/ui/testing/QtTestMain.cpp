// SPDX-License-Identifier: GPL-3.0-or-later
// GoogleTest main for widget tests: a QApplication on the offscreen platform (1280x1024 at 96 dpi)
// unless the environment names another platform, so the same binary also runs under Xvfb.
#include "toolkit/ui/Application.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    QTemporaryDir configDir;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        const QString config = configDir.filePath(QStringLiteral("screens.json"));
        QFile file(config);
        if (file.open(QIODevice::WriteOnly)) {
            file.write(R"({"screens":[{"name":"s0","x":0,"y":0,"width":1280,"height":1024,)"
                       R"("logicalDpi":96,"logicalBaseDpi":96,"dpr":1}]})");
            file.close();
            qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toLocal8Bit());
        } else {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
    }
    QApplication app(argc, argv);
    tk::ui::prepareApplication(app);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
