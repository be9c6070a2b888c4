// SPDX-License-Identifier: GPL-3.0-or-later
// intarsello: starts on its black backdrop with the puzzle window in front, and ends when that window closes.
#include "intarsello/ui/Form1.h"
#include "intarsello/ui/frmPuzzle.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/DisplayProbe.h"
#include "toolkit/ui/QtMessageBoxes.h"

#include <QApplication>

int main(int argc, char** argv) {
    tk::ui::prepareProcess();
    const tk::ui::ProgramAbout about{"intarsello", "Intarsello: il puzzle dei dodici pentamini colorati."};
    const tk::ui::StartOptions options = tk::ui::readCommandLine(argc, argv, about);
    if (!tk::ui::prepareDisplay(about, options, intarsello::ui::frmPuzzle::kExtent)) return 1;
    QApplication app(argc, argv);
    if (!tk::ui::displayCanShowColours()) return 1;
    tk::ui::prepareApplication(app, intarsello::ui::frmPuzzle::kExtent, options);

    tk::ui::QtMessageBoxes messages;
    auto* form1 = new intarsello::ui::Form1(messages);
    QObject::connect(form1, &intarsello::ui::Form1::ended, &app, [] { tk::ui::endProgram(); });
    form1->Form_Load();
    return QApplication::exec();
}
