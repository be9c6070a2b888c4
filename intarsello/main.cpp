// SPDX-License-Identifier: GPL-3.0-or-later
// intarsello: starts on its black backdrop with the puzzle window in front, and ends when that window closes.
#include "intarsello/ui/Form1.h"
#include "intarsello/ui/frmPuzzle.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Program.h"

int main(int argc, char** argv) {
    const tk::ui::Program program{
        .about = {"intarsello", "Intarsello: il puzzle dei dodici pentamini colorati."},
        .largest = intarsello::ui::frmPuzzle::kExtent,
        .playsSounds = false,
        .iconOnEveryWindow = false,
    };
    return tk::ui::runProgram(argc, argv, program, [](const tk::ui::Services& services) {
        auto* form1 = new intarsello::ui::Form1(services.messages);
        QObject::connect(form1, &intarsello::ui::Form1::ended, form1, [] { tk::ui::endProgram(); });
        form1->Form_Load();
        return form1;
    });
}
