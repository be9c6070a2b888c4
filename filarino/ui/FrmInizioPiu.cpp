// SPDX-License-Identifier: GPL-3.0-or-later
// The start window: layout, portrait animation, range choice and credits.
#include "filarino/ui/FrmInizioPiu.h"

#include "filarino/logic/Draws.h"
#include "filarino/logic/Modulo1.h"
#include "filarino/ui/Credits.h"
#include "filarino/ui/HandCursor.h"
#include "filarino/ui/Shell.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/ComboBox.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Units.h"

#include <QMenuBar>

namespace filarino::ui {

using tk::ui::Button;
using tk::ui::Frame;
using tk::ui::Label;
using tk::ui::makeFont;
using tk::ui::Shape;
using tk::ui::Weight;

namespace {

const QColor kGreen(192, 255, 192);
const QColor kBlueText(0, 0, 192);
const QColor kCyanBand(128, 255, 255);

} // namespace

FrmInizioPiu::FrmInizioPiu(Shell& shell, QWidget* backdrop)
    : Window(backdrop, QStringLiteral("FILARINO"), kWorkingWindowExtent.clientWidthTwips,
             kWorkingWindowExtent.clientHeightTwips, kGreen)
    , shell_(shell) {
    setWindowIcon(tk::ui::resourceIcon(QStringLiteral("WINDOWICON"), 1));
    buildMenu();
    buildTitle();
    buildArrayPicture();
    buildButtons();
    buildCredits();

    Timer1.setInterval(500);
    Timer2.setInterval(800);
    Timer3.setInterval(1000);
    connect(&Timer1, &QTimer::timeout, this, &FrmInizioPiu::Timer1_Timer);
    connect(&Timer2, &QTimer::timeout, this, &FrmInizioPiu::Timer2_Timer);
    connect(&Timer3, &QTimer::timeout, this, &FrmInizioPiu::Timer3_Timer);

    setTabOrder(Combo1, Command2);
    setTabOrder(Command2, Command1);
    setTabOrder(Command1, Command3);
    setTabOrder(Command3, Command4);
    setTabOrder(Command4, Command9);
}

void FrmInizioPiu::buildMenu() {
    QMenuBar* menu = menuBar();
    MnuEsci = menu->addAction(QStringLiteral("Esci"), this, &FrmInizioPiu::MnuEsci_Click);
    // An entry with no caption that only leaves a gap between the other two.
    vuoto = menu->addAction(QStringLiteral("    "));
    vuoto->setEnabled(false);
    mnuAutore = menu->addAction(QStringLiteral("Autore"), this, &FrmInizioPiu::mnuAutore_Click);
}

void FrmInizioPiu::buildTitle() {
    frmTitolo = new Frame(client(), 0, 150, 11745, 1845, kGreen, Frame::Border::None);
    auto* shadow = new Shape(frmTitolo, Shape::Kind::RoundedRectangle, 60, 90, 11655, 1515);
    shadow->setFillColour(QColor(0, 192, 192));
    shadow->setBorderWidth(2);
    auto* face = new Shape(frmTitolo, Shape::Kind::RoundedRectangle, 120, 60, 11595, 1515);
    face->setFillColour(QColor(0, 255, 255));
    Label4 = new Label(frmTitolo, QStringLiteral("FILARINO "), 195, 315, 11415, 1095);
    Label4->setFont(makeFont(QStringLiteral("Verdana"), 36));
    Label4->setForeColour(kBlueText);
    Label4->setBackColour(QColor(0, 255, 255));
    Label4->setAlign(Label::Align::Centre);
    Label6 = new Label(frmTitolo, QStringLiteral("Esercitazioni"), 9345, 1125, 2265, 375);
    Label6->setFont(makeFont(QStringLiteral("Verdana"), 15.75));
    Label6->setForeColour(kBlueText);
    Label6->setTransparent(true);
    // Image2(0) is the template of the portrait array; it lives in Frame1 (made later) and is set there.
}

void FrmInizioPiu::buildArrayPicture() {
    Combo1 = new tk::ui::ComboBox(client(), makeFont(QStringLiteral("Arial"), 24, Weight::Regular));
    QPalette colours = Combo1->palette();
    colours.setColor(QPalette::Base, QColor(255, 255, 192));
    colours.setColor(QPalette::Button, QColor(255, 255, 192));
    Combo1->setPalette(colours);
    Combo1->setEditable(false);
    const QRect place = tk::ui::twipsRect(210, 2070, 11550, 0);
    Combo1->setGeometry(place.x(), place.y(), place.width(), Combo1->sizeHint().height());
    Combo1->setAccessibleName(QStringLiteral("Esercizio"));

    auto* box = new tk::ui::Picture(client(), 210, 2940, 4560, 4320);
    box->setBorder(true);
    Label8 = new Label(client(), QStringLiteral("FILARINO"), 1515, 3210, 1995, 285);
    Label8->setFont(makeFont(QStringLiteral("Arial"), 12));
    Label8->setForeColour(QColor(192, 0, 0));
    Label8->setTransparent(true);
    Label8->setAlign(Label::Align::Centre);
    for (int top : {3990, 4710, 5430, 6150})
        for (int left : {555, 1515, 2445, 3375}) {
            auto* square = new Shape(client(), Shape::Kind::Square, left, top, 945, 525);
            square->setFillColour(QColor(255, 0, 0));
        }
}

tk::ui::Picture* FrmInizioPiu::addPortrait(int index, QWidget* container, double left, double top) {
    tk::ui::Picture* picture = nullptr;
    if (index == 0) {
        picture = new tk::ui::Picture(container, left, top, 480, 480);
        picture->setDecorative(true); // and so is every copy
        Image2 = tk::ui::ControlArray<tk::ui::Picture>(picture);
        return picture;
    }
    picture = Image2.load(index);
    picture->setParent(container);
    picture->setGeometry(tk::ui::twipsRect(left, top, 480, 480));
    picture->show();
    return picture;
}

void FrmInizioPiu::buildButtons() {
    Frame1 = new Frame(client(), 4905, 2835, 6735, 4425, kGreen);
    // The portraits sit on their containers below any button: they are made first.
    addPortrait(0, Frame1, 2445, 2145);
    addPortrait(1, Frame1, 5205, 2805);
    addPortrait(2, Frame1, 5505, 180);
    addPortrait(3, Frame1, 4305, 1500);
    addPortrait(4, Frame1, 870, 870);
    addPortrait(5, Frame1, 2925, 3915);
    addPortrait(6, frmTitolo, 585, 1095);
    addPortrait(7, frmTitolo, 8280, 1095);
    addPortrait(8, Frame1, 375, 3915);
    addPortrait(9, client(), 780, 3510);

    const QColor rangeFace(255, 255, 128);
    auto makeButton = [&](const QString& caption, double left, double top, double width, double height,
                          QColor face) {
        auto* button = new Button(Frame1, caption, left, top, width, height, face);
        button->setFont(makeFont(QStringLiteral("Arial"), 15.75));
        button->setCursor(handCursor());
        return button;
    };
    Command3 = makeButton(QStringLiteral("Numeri da 6 a 10"), 3465, 675, 3090, 705, rangeFace);
    Command1 = makeButton(QStringLiteral("Numeri da 1 a 4"), 180, 1350, 3090, 705, rangeFace);
    Command4 = makeButton(QStringLiteral("Numeri da 1 a 10"), 3465, 1995, 3090, 705, rangeFace);
    Command2 = makeButton(QStringLiteral("Numeri da 4 a 7"), 180, 2640, 3090, 705, rangeFace);
    Command9 = makeButton(QStringLiteral("E S C I"), 3480, 3285, 3075, 675, QColor(255, 224, 192));
    Command9->setAccessibleName(QStringLiteral("Esci")); // read as a word, not spelled out
    connect(Command1, &Button::clicked, this, &FrmInizioPiu::Command1_Click);
    connect(Command2, &Button::clicked, this, &FrmInizioPiu::Command2_Click);
    connect(Command3, &Button::clicked, this, &FrmInizioPiu::Command3_Click);
    connect(Command4, &Button::clicked, this, &FrmInizioPiu::Command4_Click);
    connect(Command9, &Button::clicked, this, &FrmInizioPiu::Command9_Click);
}

void FrmInizioPiu::buildCredits() {
    Label3 = new Label(client(), QStringLiteral(" Ideazione, progettazione e realizzazione:"), 195, 7365,
                       11415, 420);
    Label3->setFont(makeFont(QStringLiteral("Verdana"), 15.75));
    Label3->setBackColour(kCyanBand);
    Label5 = new Label(client(), QStringLiteral("Squadra Filarino"), 7890, 7365, 3660, 375);
    Label5->setFont(makeFont(QStringLiteral("Verdana"), 15.75));
    Label5->setForeColour(QColor(192, 0, 0));
    Label5->setBackColour(kCyanBand);
    addPortrait(10, client(), 7500, 7845);
    addPortrait(11, client(), 1920, 7845);
}

void FrmInizioPiu::Form_Load() {
    for (int k = 0; k <= 11; ++k)
        showRandomPortrait(k);
    Combo1->clear();
    Combo1->addItem(QStringLiteral("Dallo filarino all'operazione"));
    Combo1->addItem(QStringLiteral("Dallo filarino alla tavola pitagorica"));
    Combo1->setCurrentIndex(0);
    Combo1->setFocus();
    Timer1.start();
    Timer2.start();
    Timer3.start();
    Modulo1& modulo = shell_.modulo();
    if (!modulo.SuonoIniziale) {
        shell_.SuonaRisorsa(114);
        modulo.SuonoIniziale = true;
    }
}

void FrmInizioPiu::showRandomPortrait(int index) {
    tk::ui::Picture* picture = Image2[index];
    const int id = drawPortraitId(shell_.services().random);
    picture->setPicture(tk::ui::freshResourcePixmap(QStringLiteral("ICON"), id));
    picture->setPictureId(id);
}

void FrmInizioPiu::Timer1_Timer() {
    for (int k : {0, 3, 6, 9})
        showRandomPortrait(k);
    Image2[drawBlankIndex(shell_.services().random)]->clear();
}

void FrmInizioPiu::Timer2_Timer() {
    for (int k : {1, 4, 7, 10})
        showRandomPortrait(k);
}

void FrmInizioPiu::Timer3_Timer() {
    for (int k : {2, 5, 8, 11})
        showRandomPortrait(k);
}

void FrmInizioPiu::Command1_Click() {
    chooseRange(1, 4);
}
void FrmInizioPiu::Command2_Click() {
    chooseRange(4, 7);
}
void FrmInizioPiu::Command3_Click() {
    chooseRange(6, 10);
}
void FrmInizioPiu::Command4_Click() {
    chooseRange(1, 10);
}

void FrmInizioPiu::chooseRange(int numeroMinimo, int numeroMassimo) {
    Modulo1& modulo = shell_.modulo();
    modulo.NumeroMinimo = static_cast<std::int16_t>(numeroMinimo);
    modulo.NumeroMassimo = static_cast<std::int16_t>(numeroMassimo);
    Shell& shell = shell_; // this window may be gone once the exercise has opened
    ApriEsercizio();
    shell.unloadFrmInizioPiu();
    shell.unloadForm1();
}

void FrmInizioPiu::ApriEsercizio() {
    switch (Combo1->currentIndex()) {
    case 0:
        shell_.loadForm11();
        break;
    case 1:
        shell_.loadForm12();
        break;
    default:
        break;
    }
}

void FrmInizioPiu::Command9_Click() {
    Shell& shell = shell_;
    shell.unloadForm1();
    shell.unloadFrmInizioPiu();
}

void FrmInizioPiu::MnuEsci_Click() {
    shell_.endProgram();
}

void FrmInizioPiu::mnuAutore_Click() {
    showCredits(shell_.services().messages, this);
}

void FrmInizioPiu::queryUnload() {
    Timer1.stop();
    Timer2.stop();
    Timer3.stop();
    shell_.unloadForm1();
}

} // namespace filarino::ui
