// SPDX-License-Identifier: GPL-3.0-or-later
// The array-to-operation window: its captions and places.
#include "filarino/ui/FrmFilarino.h"

#include "filarino/ui/Shell.h"

namespace filarino::ui {

namespace {

ExerciseWindow::Layout operationLayout() {
    return {
        .caption = QStringLiteral("  DALLO FILARINO ALL'OPERAZIONE"),
        .title = QStringLiteral("  DALLO  FILARINO  ALL'OPERAZIONE"),
        .label1 = {0, 0, 11865, 405},
        .label18 = {0, 405, 11955, 405},
        .frame4 = {180, 840, 5625, 5820},
        .frame1 = {5835, 870, 5985, 2280},
        .label3 = {240, 225, 1560, 435},
        .label15 = {2610, 225, 930, 390},
        .lblNumero1 = {225, 690, 1605, 1335},
        .lblNumero2 = {2580, 690, 1605, 1335},
        .lblPer = {2025, 1215, 345, 660},
        .lblVolte = {4365, 1215, 1335, 660},
        .signPoints = 27.75,
        .lblEsito = {5820, 5640, 6015, 2475},
        .image2 = {7200, 6165, 1650, 1200},
        .frmElaborazione = {165, 6675, 5655, 1440},
        .lblOperazioneLeft = 150,
        .line5X = 2130,
        .line6X = 3270,
        .cmdOperazione = {6015, 7485, 3750, 495},
        .cmdVerifica = {5985, 7485, 3765, 495},
        .cmdFine = {9945, 7485, 1815, 495},
        .cmdVerificaFace = QColor(192, 192, 0),
    };
}

} // namespace

FrmFilarino::FrmFilarino(Shell& shell, QWidget* backdrop)
    : ExerciseWindow(shell, backdrop, operationLayout()) {}

void FrmFilarino::unloadBackdrop() {
    shell().unloadForm11();
}

} // namespace filarino::ui
