// SPDX-License-Identifier: GPL-3.0-or-later
// intarsello: starts on its black backdrop with the puzzle window in front, and ends when that window closes.
#include "intarsello/ui/Form1.h"
#include "intarsello/ui/frmPuzzle.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Program.h"

int main(int argc, char** argv) {
    // The puzzle plays no sound, and only its own window shows the program's icon.
    const tk::ui::Program program{{"intarsello", "Intarsello: il puzzle dei dodici pentamini colorati."},
                                  intarsello::ui::frmPuzzle::kExtent,
                                  false,
                                  false};
    return tk::ui::runProgram(argc, argv, program, [](const tk::ui::Services& services) {
        auto* form1 = new intarsello::ui::Form1(services.messages);
        QObject::connect(form1, &intarsello::ui::Form1::ended, form1, [] { tk::ui::endProgram(); });
        form1->Form_Load();
        return form1;
    });
}
