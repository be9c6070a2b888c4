// SPDX-License-Identifier: GPL-3.0-or-later
// filarino: starts on its green backdrop with the start window in front, and runs until no window is left.
#include "filarino/logic/Modulo1.h"
#include "filarino/ui/Shell.h"
#include "toolkit/ui/Application.h"
#include "toolkit/ui/Program.h"

int main(int argc, char** argv) {
    const tk::ui::Program program{
        {"filarino", "Filarino: le moltiplicazioni contando i puntini in righe e colonne."},
        filarino::ui::kWorkingWindowExtent};
    filarino::Modulo1 modulo;
    return tk::ui::runProgram(argc, argv, program, [&modulo](const tk::ui::Services& services) {
        auto* shell = new filarino::ui::Shell(modulo, services);
        QObject::connect(shell, &filarino::ui::Shell::ended, shell, [] { tk::ui::endProgram(); });
        shell->loadForm1();
        return shell;
    });
}
