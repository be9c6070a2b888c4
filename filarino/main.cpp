// SPDX-License-Identifier: GPL-3.0-or-later
// filarino: starts on its green backdrop with the start window in front, and runs until no window is left.
#include "filarino/logic/Modulo1.h"
#include "filarino/ui/Shell.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/AudioPlayer.h"
#include "toolkit/ui/DisplayProbe.h"
#include "toolkit/ui/QtMessageBoxes.h"
#include "toolkit/ui/ResourceSound.h"
#include "toolkit/ui/Resources.h"

#include <QApplication>

int main(int argc, char** argv) {
    tk::ui::prepareProcess();
    const tk::ui::ProgramAbout about{"filarino",
                                     "Filarino: le moltiplicazioni contando i puntini in righe e colonne."};
    const tk::ui::StartOptions options = tk::ui::readCommandLine(argc, argv, about);
    if (!tk::ui::prepareDisplay(about, options, filarino::ui::kWorkingWindowExtent)) return 1;
    QApplication app(argc, argv);
    if (!tk::ui::displayCanShowColours()) return 1;
    tk::ui::prepareApplication(app, filarino::ui::kWorkingWindowExtent, options);
    QApplication::setWindowIcon(tk::ui::resourceIcon(QStringLiteral("ICON"), 1));

    filarino::Modulo1 modulo;
    tk::RandomSource random;
    tk::SystemClock clock;
    // The sound server is reached once the first window is on the screen.
    tk::ui::AudioPlayer::holdUntilFirstPaint();
    tk::ui::ResourceSound sound;
    tk::ui::QtMessageBoxes messages;
    filarino::ui::Shell shell({modulo, random, clock, sound, messages});
    QObject::connect(&shell, &filarino::ui::Shell::ended, &app, [] { QCoreApplication::exit(0); });

    shell.loadForm1();
    return QApplication::exec();
}
