// SPDX-License-Identifier: GPL-3.0-or-later
// cestaro: opens its glowing main window and runs until that window is closed or "ESCI" is chosen.
#include "cestaro/ui/frmGame.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Program.h"

int main(int argc, char** argv) {
    const tk::ui::Program program{{"cestaro", "Cestaro: il triangolo delle somme da completare."},
                                  cestaro::ui::frmGame::kExtent};
    return tk::ui::runProgram(argc, argv, program, [](const tk::ui::Services& services) {
        auto* window = new cestaro::ui::frmGame(services);
        QObject::connect(window, &cestaro::ui::frmGame::ended, window, [] { tk::ui::endProgram(); });
        window->showModeless();
        return window;
    });
}
