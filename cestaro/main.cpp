// SPDX-License-Identifier: GPL-3.0-or-later
// cestaro: opens its glowing main window and runs until that window is closed or "ESCI" is chosen.
#include "cestaro/ui/frmGame.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/DisplayProbe.h"
#include "toolkit/ui/QtMessageBoxes.h"
#include "toolkit/ui/ResourceSound.h"
#include "toolkit/ui/Resources.h"

#include <QApplication>
#include <QPointer>

int main(int argc, char** argv) {
    tk::ui::prepareProcess();
    const tk::ui::ProgramAbout about{"cestaro", "Cestaro: il triangolo delle somme da completare."};
    const tk::ui::StartOptions options = tk::ui::readCommandLine(argc, argv, about);
    if (!tk::ui::prepareDisplay(about, options, cestaro::ui::frmGame::kExtent)) return 1;
    QApplication app(argc, argv);
    if (!tk::ui::displayCanShowColours()) return 1;
    tk::ui::prepareApplication(app, cestaro::ui::frmGame::kExtent, options);
    QApplication::setWindowIcon(tk::ui::resourceIcon(QStringLiteral("ICON"), 1));

    tk::RandomSource random;
    tk::SystemClock clock;
    // The sound server is reached once the first window is on the screen.
    tk::ui::AudioPlayer::holdUntilFirstPaint();
    tk::ui::ResourceSound sound;
    tk::ui::QtMessageBoxes messages;
    QPointer<cestaro::ui::frmGame> window = new cestaro::ui::frmGame({random, clock, sound, messages});
    QObject::connect(window, &cestaro::ui::frmGame::ended, &app, [] { tk::ui::endProgram(); });
    window->showModeless();
    const int result = QApplication::exec();
    // Ended from the menu, the window is still there: it goes without running any handler.
    delete window.data();
    return result;
}
