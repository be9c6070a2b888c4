// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions window: layout, and the puzzle alone for three seconds, then puzzle and solution in turn.
#include "cestaro/ui/frmAbout.h"

#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Zoom.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPalette>
#include <algorithm>

namespace cestaro::ui {

using tk::ui::Label;
using tk::ui::makeFont;
using tk::ui::Weight;

namespace {

Label* rulesLabel(QWidget* parent, const QString& caption, double left, double top, double width,
                  double height) {
    auto* label = new Label(parent, caption, left, top, width, height);
    label->setFont(makeFont(QStringLiteral("Arial"), 12, Weight::Regular));
    label->setTransparent(true);
    return label;
}

} // namespace

frmAbout::frmAbout(QWidget* owner)
    : Window(owner, QStringLiteral("ISTRUZIONI"), 8880, 6915, QApplication::palette().color(QPalette::Window),
             Role::Secondary) {
    setFont(makeFont(QStringLiteral("Arial"), 8.25, Weight::Regular));
    Label1 =
        rulesLabel(client(),
                   QStringLiteral("La cestaro è composta da 15 cerchietti bianchi. All'inizio del gioco "
                                  "in alcuni di questi cerchietti compaiono dei numeri scritti in rosso."),
                   105, 150, 8655, 630);
    Image1 = new tk::ui::Picture(client(), 1785, 1020, 5055, 4245);
    Image1->setAccessibleName(QStringLiteral("Esempio: una cestaro da completare e la sua soluzione"));
    Label2 = rulesLabel(client(),
                        QStringLiteral("Devi completare la cestaro inserendo i numeri che mancano nei "
                                       "cerchietti vuoti. Per inserire un numero, clicca un cerchietto, poi "
                                       "scrivi il numero con la tastiera. Non è necessario premere il tasto "
                                       "ENTER."),
                        60, 5400, 8655, 915);
    Command1 = new tk::ui::Button(client(), QStringLiteral("ESCI"), 7920, 6315, 855, 495);
    connect(Command1, &tk::ui::Button::clicked, this, &frmAbout::Command1_Click);
    // A coarse timer may fire 5% early: the puzzle is to stay alone for the full three seconds.
    Timer1.setTimerType(Qt::PreciseTimer);
    connect(&Timer1, &QTimer::timeout, this, &frmAbout::Timer1_Timer);
    Form_Load();
}

void frmAbout::Form_Load() {
    showPicture(kPuzzlePicture);
    PictureFlag = 0;
    Timer1.start(kFirstIntervalMs);
}

void frmAbout::Timer1_Timer() {
    Timer1.setInterval(kIntervalMs);
    if (PictureFlag != 0) {
        showPicture(kPuzzlePicture);
        PictureFlag = 0;
    } else {
        showPicture(kSolutionPicture);
        PictureFlag = 1;
    }
}

void frmAbout::showPicture(int id) {
    const QPixmap picture = tk::ui::resourcePixmap(QStringLiteral("BITMAP"), id);
    // An image element is as large as its picture: the box never clips it.
    if (!picture.isNull()) {
        const QSize shown = tk::ui::zoomed(picture.size());
        Image1->resize(std::max(Image1->width(), shown.width()), std::max(Image1->height(), shown.height()));
    }
    Image1->setPicture(picture);
    Image1->setPictureId(id);
}

void frmAbout::Command1_Click() {
    unload();
}

void frmAbout::queryUnload() {
    Timer1.stop();
}

void frmAbout::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Command1_Click();
        return;
    }
    Window::keyPressEvent(event);
}

} // namespace cestaro::ui
