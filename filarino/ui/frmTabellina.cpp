// SPDX-License-Identifier: GPL-3.0-or-later
// The array-to-times-table window: its captions and places, the product box and the "volte"/"fa" ending.
#include "filarino/ui/frmTabellina.h"

#include "filarino/ui/Credits.h"
#include "filarino/ui/Shell.h"
#include "toolkit/ui/Label.h"

#include <QMenuBar>

namespace filarino::ui {

namespace {

ExerciseWindow::Layout timesTableLayout() {
    return {
        .caption = QStringLiteral("DALLO FILARINO ALLE TABELLINE"),
        .title = QStringLiteral("  DALLO  FILARINO  ALLE  TABELLINE"),
        .label1 = {0, 0, 11955, 435},
        .label18 = {0, 420, 11955, 420},
        .frame4 = {180, 855, 5625, 5820},
        .frame1 = {5835, 885, 6000, 2280},
        .label3 = {165, 195, 1260, 465},
        .label15 = {1890, 195, 1080, 435},
        .lblNumero1 = {135, 675, 1245, 1215},
        .lblNumero2 = {1755, 675, 1245, 1215},
        .lblPer = {1425, 1215, 315, 495},
        .lblVolte = {3045, 1215, 1050, 510},
        .signPoints = 21.75,
        .lblEsito = {5820, 5625, 6000, 2520},
        .image2 = {7125, 6150, 1650, 1200},
        .frmElaborazione = {165, 6705, 5655, 1440},
        .lblOperazioneLeft = 135,
        .line5X = 2145,
        .line6X = 3285,
        .cmdOperazione = {6075, 7530, 3675, 495},
        .cmdVerifica = {5985, 7530, 3765, 495},
        .cmdFine = {9885, 7545, 1815, 495},
        .cmdVerificaFace = QColor(255, 255, 192),
    };
}

} // namespace

frmTabellina::frmTabellina(Shell& shell, QWidget* backdrop)
    : ExerciseWindow(shell, backdrop, timesTableLayout()) {
    mnuAutore = menuBar()->addAction(QStringLiteral("Autore"), this, &frmTabellina::mnuAutore_Click);
    lblRisultato = makeAnswerBox({4170, 675, 1695, 1215});
    lblRisultato->setAccessibleName(QStringLiteral("Risultato"));
    lblRisultato->hide();
}

void frmTabellina::mnuAutore_Click() {
    showCredits(shell().services().messages, this);
}

void frmTabellina::beginFact() {
    LblVolte->setCaption(QStringLiteral("volte"));
    lblRisultato->hide();
}

void frmTabellina::completeFact() {
    LblVolte->setCaption(QStringLiteral("fa"));
    lblRisultato->show();
    setBoxCaption(lblRisultato, QString::number(exercise().product()));
}

void frmTabellina::unloadBackdrop() {
    shell().unloadForm12();
}

} // namespace filarino::ui
