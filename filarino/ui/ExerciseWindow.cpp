// SPDX-License-Identifier: GPL-3.0-or-later
// The exercise window: layout, the road of one exercise from "Nuovo filarino" to the verdict, flashing and
// closing.
#include "filarino/ui/ExerciseWindow.h"

#include "filarino/logic/Captions.h"
#include "filarino/logic/Draws.h"
#include "filarino/logic/Modulo1.h"
#include "filarino/ui/HandCursor.h"
#include "filarino/ui/Shell.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Units.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QPointer>
#include <string>

namespace filarino::ui {

using tk::ui::Button;
using tk::ui::Frame;
using tk::ui::Label;
using tk::ui::makeFont;
using tk::ui::Picture;
using tk::ui::Shape;

namespace {

const QColor kPaleYellow(255, 255, 192);
const QColor kApricot(255, 224, 192);
const QColor kDarkRed(192, 0, 0);
const QColor kBlue(0, 0, 255);
// The check button blinks between these two faces.
const QColor kVerificaDim = kPaleYellow;
const QColor kVerificaBright(192, 192, 0);
// The ring round a key clicked and not yet used: in the gap between keys, so the key itself looks the same.
constexpr int kKeyMarkPx = 3;

const QString kClickNew = QStringLiteral("Clicca il pulsante \"Nuovo filarino\"");
const QString kDragKeys = QStringLiteral("Trascina i numeri del tastierino nelle caselle in alto");

QFont arial(double points) {
    return makeFont(QStringLiteral("Arial"), points);
}

Label* makeLabel(QWidget* parent, const QString& caption, double left, double top, double width,
                 double height, const QFont& font, QColor fore) {
    auto* label = new Label(parent, caption, left, top, width, height);
    label->setFont(font);
    label->setForeColour(fore);
    return label;
}

QColor toColour(tk::Rgb c) {
    return QColor(c.red, c.green, c.blue);
}

} // namespace

ExerciseWindow::ExerciseWindow(Shell& shell, QWidget* backdrop, const Layout& layout)
    : Window(backdrop, layout.caption, kWorkingWindowExtent.clientWidthTwips,
             kWorkingWindowExtent.clientHeightTwips, kPaleYellow)
    , shell_(shell)
    , exercise_(shell.modulo(), shell.services().clock, shell.services().random) {
    buildMenu();
    buildBanners(layout);
    buildArrayFrame(layout);
    buildAnswerArea(layout);
    buildKeypad();
    buildResults(layout);
    buildButtons(layout);

    Timer1.setInterval(200);
    connect(&Timer1, &QTimer::timeout, this, &ExerciseWindow::Timer1_Timer);
}

void ExerciseWindow::buildMenu() {
    QMenuBar* menu = menuBar();
    MnuEsci = menu->addAction(QStringLiteral("Esci"), this, &ExerciseWindow::MnuEsci_Click);
    // An entry with no caption and no action: a gap after "Esci".
    vuoto1 = menu->addAction(QStringLiteral("    "));
    vuoto1->setEnabled(false);
}

void ExerciseWindow::buildBanners(const Layout& layout) {
    const Box& one = layout.label1;
    Label1 =
        makeLabel(client(), layout.title, one.left, one.top, one.width, one.height, arial(20.25), Qt::black);
    const Box& range = layout.label18;
    Label18 = makeLabel(client(), {}, range.left, range.top, range.width, range.height, arial(20.25),
                        QColor(255, 0, 0));
}

void ExerciseWindow::buildArrayFrame(const Layout& layout) {
    const Box& f = layout.frame4;
    Frame4 = new Frame(client(), f.left, f.top, f.width, f.height, kPaleYellow);
    // One ruled line under each of the ten possible rows.
    for (int row = 0; row < 10; ++row) {
        const double y = 690 + 555 * row;
        Frame4->drawLine(0, y, 5600, y, QColor(128, 128, 128));
    }
    auto* dot = new Shape(Frame4, Shape::Kind::Circle, 165, 1350, 390, 390);
    dot->setBorderWidth(3);
    dot->setFillColour(QColor(255, 0, 0));
    dot->hide();
    Shape1 = tk::ui::ControlArray<Shape>(dot);
    auto* picture = new Picture(Frame4, 150, 2400, 480, 480);
    picture->hide();
    Image1 = tk::ui::ControlArray<Picture>(picture);
}

tk::ui::Label* ExerciseWindow::makeAnswerBox(Box place) {
    auto* box = makeLabel(Frame1, {}, place.left, place.top, place.width, place.height, arial(60), kBlue);
    box->setBackColour(kPaleYellow);
    box->setAlign(Label::Align::Centre);
    box->setBorder(true);
    return box;
}

void ExerciseWindow::setBoxCaption(Label* box, const QString& caption) {
    QFont font = arial(60);
    constexpr int kBorderPx = 2;
    const int room = box->width() - 2 * kBorderPx;
    const int needed = QFontMetrics(font).horizontalAdvance(caption);
    if (needed > room) font.setPixelSize(font.pixelSize() * room / needed);
    box->setFont(font);
    box->setCaption(caption);
}

void ExerciseWindow::buildAnswerArea(const Layout& layout) {
    const Box& f = layout.frame1;
    Frame1 = new Frame(client(), f.left, f.top, f.width, f.height, kPaleYellow);
    const QFont question = makeFont(QStringLiteral("MS Sans Serif"), 8.25);
    const Box& q1 = layout.label3;
    Label3 = makeLabel(Frame1, QStringLiteral("Quanti  pallini in una riga ?"), q1.left, q1.top, q1.width,
                       q1.height, question, kDarkRed);
    const Box& q2 = layout.label15;
    Label15 = makeLabel(Frame1, QStringLiteral("Quante righe ?"), q2.left, q2.top, q2.width, q2.height,
                        question, kDarkRed);
    LblNumero1 = makeAnswerBox(layout.lblNumero1);
    LblNumero1->setAccessibleName(QStringLiteral("Pallini in una riga"));
    LblNumero2 = makeAnswerBox(layout.lblNumero2);
    LblNumero2->setAccessibleName(QStringLiteral("Numero di righe"));
    const Box& per = layout.lblPer;
    LblPer = makeLabel(Frame1, QStringLiteral("x"), per.left, per.top, per.width, per.height,
                       arial(layout.signPoints), kDarkRed);
    LblPer->setAccessibleName(QStringLiteral("per")); // a reader would say the letter
    const Box& volte = layout.lblVolte;
    LblVolte = makeLabel(Frame1, QStringLiteral("volte"), volte.left, volte.top, volte.width, volte.height,
                         arial(layout.signPoints), kDarkRed);
    for (Label* onFrame : {Label3, Label15, LblPer, LblVolte})
        onFrame->setTransparent(true);

    for (Label* box : {LblNumero1, LblNumero2})
        box->setFocusPolicy(Qt::TabFocus);
    connect(LblNumero1, &Label::clicked, this, [this] { answerBoxClicked(1); });
    connect(LblNumero2, &Label::clicked, this, [this] { answerBoxClicked(2); });

    keypadDrag_ = new tk::ui::InWindowDrag(this);
    connect(keypadDrag_, &tk::ui::InWindowDrag::sourceClicked, this,
            [this](QWidget* source) { keyClicked(qobject_cast<Label*>(source)); });
    keypadDrag_->addTarget(LblNumero1, [this](QWidget* source, tk::ui::InWindowDrag::DragState state) {
        LblNumero1_DragOver(source, state);
    });
    keypadDrag_->addTarget(LblNumero2, [this](QWidget* source, tk::ui::InWindowDrag::DragState state) {
        LblNumero2_DragOver(source, state);
    });
}

void ExerciseWindow::buildKeypad() {
    frmTastierino = new Frame(client(), 5835, 3345, 5985, 1980, kPaleYellow, Frame::Border::Etched,
                              QStringLiteral("TASTIERINO"));
    frmTastierino->setFont(arial(12));
    auto key = [this](const QString& caption, double left, double top) {
        auto* label = makeLabel(frmTastierino, caption, left, top, 1035, 465, arial(21.75), kDarkRed);
        label->setBackColour(QColor(255, 255, 128));
        label->setAlign(Label::Align::Centre);
        label->setCursor(handCursor());
        label->setAccessibleName(QStringLiteral("Tasto %1").arg(caption));
        label->setFocusPolicy(Qt::TabFocus);
        keypadDrag_->addSource(label);
        return label;
    };
    Label4 = key(QStringLiteral("1"), 150, 555);
    Label5 = key(QStringLiteral("2"), 1290, 555);
    Label6 = key(QStringLiteral("3"), 2430, 555);
    Label2 = key(QStringLiteral("4"), 3570, 555);
    Label7 = key(QStringLiteral("5"), 4710, 555);
    Label10 = key(QStringLiteral("6"), 150, 1095);
    Label11 = key(QStringLiteral("7"), 1290, 1095);
    Label12 = key(QStringLiteral("8"), 2430, 1095);
    Label13 = key(QStringLiteral("9"), 3570, 1095);
    Label14 = key(QStringLiteral("10"), 4710, 1095);
    // Made after the keys, so it lies over them; the mouse passes through it to the key beneath.
    keyMark_ = new Shape(frmTastierino, Shape::Kind::Rectangle, 0, 0, 0, 0);
    keyMark_->setFilled(false);
    keyMark_->setBorderColour(kBlue);
    keyMark_->setBorderWidth(kKeyMarkPx);
    keyMark_->hide();
}

std::array<tk::ui::Label*, 10> ExerciseWindow::keys() const {
    return {Label4, Label5, Label6, Label2, Label7, Label10, Label11, Label12, Label13, Label14};
}

void ExerciseWindow::buildResults(const Layout& layout) {
    LblIstruzione = makeLabel(client(), {}, 5820, 5340, 6000, 285, arial(12), QColor(0, 0, 192));
    LblIstruzione->setBackColour(QColor(192, 255, 255));
    LblIstruzione->setAlign(Label::Align::Centre);
    const Box& e = layout.lblEsito;
    LblEsito = makeLabel(client(), QStringLiteral(" "), e.left, e.top, e.width, e.height, arial(48), kBlue);
    LblEsito->setBackColour(kApricot);
    LblEsito->setAlign(Label::Align::Centre);
    LblEsito->setAccessibleName(QStringLiteral("Esito"));
    const Box& arrow = layout.image2;
    Image2 = new Picture(client(), arrow.left, arrow.top, arrow.width, arrow.height);
    Image2->setPicture(tk::ui::resourcePixmap(QStringLiteral("PICTURE"), 1));
    Image2->setPictureId(1);
    Image2->setDecorative(true);

    const Box& f = layout.frmElaborazione;
    frmElaborazione = new Frame(client(), f.left, f.top, f.width, f.height, kApricot, Frame::Border::Etched,
                                QStringLiteral("ELABORAZIONE"));
    frmElaborazione->setFont(arial(12));
    const QFont header = makeFont(QStringLiteral("MS Sans Serif"), 8.25);
    Label8 = makeLabel(frmElaborazione,
                       QStringLiteral("Operaz.     Risposte       Risposte       Tempo          Tempo "), 150,
                       315, 5385, 255, header, Qt::black);
    Label9 = makeLabel(frmElaborazione,
                       QStringLiteral("         esatte          errate           parziale         totale"),
                       615, 525, 4710, 255, header, Qt::black);
    // Opaque, so the column separators run only between the cells below the headings.
    Label8->setBackColour(kApricot);
    Label9->setBackColour(kApricot);
    // Named after their columns, as a screen reader cannot line them up with the headings.
    auto cell = [this](const QString& column, double left, double width, QColor fore) {
        auto* label = makeLabel(frmElaborazione, {}, left, 825, width, 480, arial(15.75), fore);
        label->setAccessibleName(column);
        label->setBackColour(tk::ui::systemWindowColour());
        label->setAlign(Label::Align::Centre);
        label->setBorder(true);
        return label;
    };
    lblOperazione = cell(QStringLiteral("Operazioni"), layout.lblOperazioneLeft, 660, QColor(0, 192, 0));
    lblRisEsatte = cell(QStringLiteral("Risposte esatte"), 1241, 690, kBlue);
    lblRisErrate = cell(QStringLiteral("Risposte errate"), 2377, 690, kBlue);
    lblTempoParziale = cell(QStringLiteral("Tempo parziale"), 3513, 690, QColor(255, 0, 0));
    lblTempoTotale = cell(QStringLiteral("Tempo totale"), 4650, 690, QColor(255, 0, 0));
    lblTempoParziale->setToolTip(QStringLiteral("Secondi impiegati per ogni risposta"));
    lblTempoTotale->setToolTip(QStringLiteral("Secondi impiegati per ogni esercizio"));
    for (double x : {1005.0, layout.line5X, layout.line6X, 4440.0})
        frmElaborazione->drawLine(x, 440, x, 1310, tk::ui::systemTextColour());
}

void ExerciseWindow::buildButtons(const Layout& layout) {
    auto button = [this](const QString& caption, const Box& place, QColor face) {
        auto* b = new Button(client(), caption, place.left, place.top, place.width, place.height, face);
        b->setFont(arial(12));
        b->setCursor(handCursor());
        return b;
    };
    CmdOperazione = button(QStringLiteral("Nuovo filarino"), layout.cmdOperazione, QColor(128, 255, 128));
    CmdVerifica = button(QStringLiteral("C o n t r o l l a"), layout.cmdVerifica, layout.cmdVerificaFace);
    CmdFine = button(QStringLiteral("Esci"), layout.cmdFine, kPaleYellow);
    CmdVerifica->setAccessibleName(QStringLiteral("Controlla")); // read as a word, not spelled out
    connect(CmdOperazione, &Button::clicked, this, &ExerciseWindow::CmdOperazione_Click);
    connect(CmdVerifica, &Button::clicked, this, &ExerciseWindow::CmdVerifica_Click);
    connect(CmdFine, &Button::clicked, this, &ExerciseWindow::CmdFine_Click);
}

void ExerciseWindow::Form_Load() {
    shell_.unloadFrmInizioPiu();
    // The keys and boxes come first in the Tab order, yet the window opens with the focus on "Nuovo
    // filarino", the one control a pupil needs first.
    CmdOperazione->setFocus(Qt::OtherFocusReason);
    showModeless();
    Label1->setBackColour(QColor(255, 240, 150));
    Label1->setForeColour(QColor(250, 170, 110));
    Label18->setBackColour(QColor(250, 200, 110));
    const Modulo1& modulo = shell_.modulo();
    Label18->setCaption(QString::fromStdString(rangeTitle(modulo.NumeroMinimo, modulo.NumeroMassimo)));
    // The series' counters were zeroed when the exercise was made with the window.
    showExercise();
}

void ExerciseWindow::CmdOperazione_Click() {
    const std::optional<Exercise::NewArray> array = exercise_.NuovoFilarino();
    if (!array) return; // the open exercise has not been checked yet
    markKey(nullptr);
    Timer1.start();
    beginFact();
    lblOperazione->setCaption(QString::number(shell_.modulo().NumOperazioni));
    DisegnaPallini(*array);
    keypadDrag_->setEnabled(exercise_.keypadDraggable());
    AvviaRisposta();
    showExercise();
}

void ExerciseWindow::DisegnaPallini(const Exercise::NewArray& array) {
    const int count = exercise_.dotCount();
    // The dots of the array before are reused up to the new count and the rest destroyed, so a long
    // series does not create and destroy a hundred pairs of widgets per array.
    for (int i = count + 1; i <= array.previousDotCount; ++i) {
        Shape1.unload(i);
        Image1.unload(i);
    }
    const Shape& model = *Shape1[0];
    // Dot numbers run row by row, so this lays the rows out from the top.
    for (int i = 1; i <= count; ++i) {
        Shape* dot = Shape1.load(i);
        Picture* picture = Image1.load(i);
        const DotPlace circle = exercise_.circlePlace(i);
        const DotPlace place = exercise_.picturePlace(i);
        picture->hide();
        picture->move(tk::ui::twipsPoint(place.leftTwips, place.topTwips));
        dot->setFillColour(model.fillColour());
        dot->setBorderColour(model.borderColour());
        dot->move(tk::ui::twipsPoint(circle.leftTwips, circle.topTwips));
        dot->show();
    }
}

void ExerciseWindow::AvviaRisposta() {
    exercise_.AvviaRisposta();
    LblEsito->setCaption({});
}

void ExerciseWindow::LblNumero1_DragOver(QWidget* source, tk::ui::InWindowDrag::DragState) {
    auto* key = qobject_cast<Label*>(source);
    if (!key || !exercise_.RiempiCasella1(key->caption().toStdString())) return;
    showExercise();
}

void ExerciseWindow::LblNumero2_DragOver(QWidget* source, tk::ui::InWindowDrag::DragState) {
    auto* key = qobject_cast<Label*>(source);
    if (!key || !exercise_.RiempiCasella2(key->caption().toStdString())) return;
    showExercise();
}

void ExerciseWindow::showExercise() {
    // The answer area stands from the first array on; until then the arrow points at "Nuovo filarino".
    const bool arrayDrawn = exercise_.state() != Exercise::State::Waiting;
    for (Label* answering : {Label3, Label15, LblNumero1, LblNumero2, LblPer, LblVolte})
        answering->setVisible(arrayDrawn);
    Image2->setVisible(!arrayDrawn);
    setBoxCaption(LblNumero1, QString::fromStdString(exercise_.firstBox()));
    setBoxCaption(LblNumero2, QString::fromStdString(exercise_.secondBox()));
    // The two buttons share a place. The one offered shows before the other hides, so that the focus passes
    // to it, and one shown during a click on the other ignores the second press of a double click.
    Button* offered = exercise_.checkOffered()      ? CmdVerifica
                      : exercise_.newArrayOffered() ? CmdOperazione
                                                    : nullptr;
    if (offered) offered->show();
    for (Button* button : {CmdOperazione, CmdVerifica})
        if (button != offered) button->hide();
    LblIstruzione->setCaption(exercise_.newArrayOffered() ? kClickNew : kDragKeys);
}

void ExerciseWindow::markKey(Label* key) {
    markedKey_ = key;
    if (key == nullptr) {
        keyMark_->hide();
        return;
    }
    keyMark_->setGeometry(key->geometry().adjusted(-kKeyMarkPx, -kKeyMarkPx, kKeyMarkPx, kKeyMarkPx));
    keyMark_->show();
}

void ExerciseWindow::keyClicked(Label* key) {
    if (key == nullptr || !keypadDrag_->isEnabled()) return;
    markKey(key);
}

void ExerciseWindow::answerBoxClicked(int box) {
    if (!markedKey_ || !keypadDrag_->isEnabled()) return;
    const std::string value = markedKey_->caption().toStdString();
    if (!(box == 1 ? exercise_.RiempiCasella1(value) : exercise_.RiempiCasella2(value))) return;
    markKey(nullptr);
    showExercise();
}

void ExerciseWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if (plain && key >= Qt::Key_0 && key <= Qt::Key_9) {
        if (keypadDrag_->isEnabled()) {
            const int value = key == Qt::Key_0 ? 10 : key - Qt::Key_0;
            if (exercise_.RiempiPrimaCasellaVuota(std::to_string(value))) showExercise();
        }
        return;
    }
    if (plain && key == Qt::Key_Backspace) {
        if (keypadDrag_->isEnabled())
            if (exercise_.SvuotaUltimaCasella()) showExercise();
        return;
    }
    if (plain && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
        if (CmdVerifica->isVisible())
            CmdVerifica->click();
        else if (CmdOperazione->isVisible())
            CmdOperazione->click();
        return;
    }
    if (plain && key == Qt::Key_Space) {
        QWidget* focused = focusWidget();
        if (focused == LblNumero1 || focused == LblNumero2) {
            answerBoxClicked(focused == LblNumero1 ? 1 : 2);
            return;
        }
        for (Label* k : keys())
            if (focused == k) {
                keyClicked(k);
                return;
            }
    }
    Window::keyPressEvent(event);
}

void ExerciseWindow::CmdVerifica_Click() {
    // One verdict per exercise: a click that arrives while the verdict's sound starts finds nothing to judge.
    const std::optional<Exercise::Verdict> verdict = exercise_.Verifica();
    if (!verdict) return;
    Timer1.stop();
    keypadDrag_->setEnabled(false);
    markKey(nullptr);

    tk::Random& random = shell_.services().random;
    // The sound lets queued events run, and one of them may close this window.
    const QPointer<ExerciseWindow> alive(this);
    if (verdict->right) {
        LblEsito->setCaption(QStringLiteral("E s a t t o"));
        completeFact();
        shell_.SuonaRisorsa(drawVerdictSound(random, true));
        if (!alive || isUnloading()) return;
        MostraFigure();
        lblRisEsatte->setCaption(QString::number(verdict->count));
    } else {
        LblEsito->setCaption(QStringLiteral("E r r a t o"));
        shell_.SuonaRisorsa(drawVerdictSound(random, false));
        if (!alive || isUnloading()) return;
        lblRisErrate->setCaption(QString::number(verdict->count));
    }
    showExercise();
    CmdOperazione->setText(QStringLiteral("Nuovo filarino"));
    lblTempoParziale->setCaption(QString::fromStdString(verdict->partialTimeText));
    lblTempoTotale->setCaption(QString::fromStdString(verdict->totalTimeText));
}

void ExerciseWindow::MostraFigure() {
    tk::Random& random = shell_.services().random;
    for (int i = 1; i <= exercise_.dotCount(); ++i) {
        Shape1[i]->hide();
        const int id = drawPortraitId(random);
        Picture* picture = Image1[i];
        picture->setPicture(tk::ui::freshResourcePixmap(QStringLiteral("ICON"), id));
        picture->setPictureId(id);
        picture->show();
    }
}

void ExerciseWindow::Timer1_Timer() {
    // The check button blinks even while it is hidden, so it appears in either face.
    CmdVerifica->setFace(CmdVerifica->face() == kVerificaDim ? kVerificaBright : kVerificaDim);
    tk::Random& random = shell_.services().random;
    for (int i = 1; i <= exercise_.dotCount(); ++i) {
        Shape* dot = Shape1[i];
        dot->setBorderColour(toColour(drawFlashColour(random)));
        dot->setFillColour(toColour(drawFlashColour(random)));
    }
}

void ExerciseWindow::CmdFine_Click() {
    unloadBackdrop();
    unload();
}

void ExerciseWindow::MnuEsci_Click() {
    unload();
}

// However the window closes, an open exercise is abandoned without a verdict and the start window returns.
void ExerciseWindow::queryUnload() {
    Timer1.stop();
    keypadDrag_->setEnabled(false);
    unloadBackdrop();
    shell_.loadForm1();
}

} // namespace filarino::ui
