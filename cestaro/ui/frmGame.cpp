// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: its controls, the glow, the level menu and the play of each triangle.
#include "cestaro/ui/frmGame.h"

#include "cestaro/ui/BoardView.h"
#include "cestaro/ui/Module1.h"
#include "cestaro/ui/frmAbout.h"
#include "toolkit/core/Clock.h"
#include "toolkit/core/Random.h"
#include "toolkit/ui/Accessibility.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/MessageBoxes.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Units.h"

#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace cestaro::ui {

using tk::ui::Label;
using tk::ui::makeFont;

namespace {

const QColor kTeal(0, 128, 128);
const QColor kNavy(0, 0, 128);
const QColor kYellow(255, 255, 0);
constexpr int kSuccessSound = 101;

// A yellow caption on the score panel, as wide and high as its text.
Label* panelLabel(QWidget* parent, const QString& caption, double left, double top, double points) {
    auto* label = new Label(parent, caption, left, top, 0, 0);
    label->setFont(makeFont(QStringLiteral("Arial"), points));
    label->setForeColour(kYellow);
    label->setTransparent(true);
    label->setAutoSize(true);
    return label;
}

} // namespace

frmGame::frmGame(tk::ui::Services services)
    : Window(nullptr, QStringLiteral("LA CESTARO"), kExtent.clientWidthTwips, kExtent.clientHeightTwips,
             kTeal)
    , services_(services)
    , game_(services.random) {
    buildMenu();
    buildScorePanel();
    // Defined before the cells, so it lies beneath T2 and first in the tab order.
    Text1 = new QLineEdit(client());
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setGeometry(tk::ui::twipsRect(2160, 2040, 150, 300));
    Text1->setContextMenuPolicy(Qt::NoContextMenu);
    // Nobody sees it, so no screen reader names it either, not even when it takes the focus; and what is
    // typed while it has the focus is dropped rather than kept where nobody can read it.
    tk::ui::hideFromScreenReaders(Text1);
    Text1->setReadOnly(true);
    board_ = new BoardView(client());
    connect(board_, &BoardView::edited, this, &frmGame::T_Change);
    Command1 = new tk::ui::Button(client(), QStringLiteral("ESCI"), 7920, 6015, 855, 495);
    connect(Command1, &tk::ui::Button::clicked, this, &frmGame::Command1_Click);

    DEMO.setInterval(DemoGlow::kIntervalMs);
    connect(&DEMO, &QTimer::timeout, this, &frmGame::DEMO_Timer);
    Form_Load();
}

frmGame::~frmGame() = default;

void frmGame::buildMenu() {
    QMenuBar* bar = menuBar();
    mnuGame = bar->addMenu(QStringLiteral("SCEGLI IL LIVELLO DI GIOCO"));
    const std::array<QString, Game::kLevels> captions{QStringLiteral("Facile"), QStringLiteral("Medio"),
                                                      QStringLiteral("Difficile")};
    for (int i = 0; i < Game::kLevels; ++i) {
        QAction* item = mnuGame->addAction(captions[static_cast<std::size_t>(i)]);
        item->setCheckable(true);
        connect(item, &QAction::triggered, this, [this, i] { mnuNew_Click(i); });
        mnuNew[static_cast<std::size_t>(i)] = item;
    }
    mnuinfo = bar->addAction(QStringLiteral("ISTRUZIONI"), this, &frmGame::mnuinfo_Click);
    mnuexit = bar->addAction(QStringLiteral("ESCI"), this, &frmGame::mnuexit_Click);
}

void frmGame::buildScorePanel() {
    // The shadow first, so that the panel is drawn over it.
    Shape17 = new tk::ui::Shape(client(), tk::ui::Shape::Kind::RoundedRectangle, 6480, 705, 2295, 5055);
    Shape17->setFillColour(Qt::black);
    Shape18 = new tk::ui::Shape(client(), tk::ui::Shape::Kind::RoundedRectangle, 6360, 585, 2295, 5055);
    Shape18->setFillColour(kNavy);
    Label2 = panelLabel(client(), QStringLiteral("Punti"), 7170, 1785, 14.25);
    Punteggio = panelLabel(client(), QStringLiteral("0"), 7410, 2265, 18);
    Label5 = panelLabel(client(), QStringLiteral("Cestaro"), 6960, 3705, 14.25);
    LivelloLBL = panelLabel(client(), QStringLiteral("0"), 7440, 4185, 18);
    // A screen reader hears each number with the caption above it.
    Punteggio->setAccessibleName(QStringLiteral("Punti"));
    LivelloLBL->setAccessibleName(QStringLiteral("Cestaro"));
}

QLineEdit* frmGame::T(int n) const {
    return board_->cell(n);
}

tk::ui::Shape* frmGame::Shape(int n) const {
    return board_->circle(n);
}

void frmGame::Form_Load() {
    // The model starts as the load leaves it: no solution, no level, Score 0, triangle 0, cells empty.
    showGame();
    AWhite();
    services_.random.mix(services_.clock.secondsSinceMidnight());
    DEMO.start();
}

void frmGame::Colora(int R, int G, int B) {
    const QColor colour(std::clamp(R, 0, 255), std::clamp(G, 0, 255), std::clamp(B, 0, 255));
    for (int n = 1; n <= Triangle::kCells; ++n)
        board_->setCircleColour(n, colour);
    for (int n = 1; n <= Triangle::kCells; ++n)
        board_->setCellBackground(n, colour);
}

void frmGame::AWhite() {
    const QColor colour = tk::ui::systemWindowColour();
    for (int n = 1; n <= Triangle::kCells; ++n) {
        board_->setCellBackground(n, colour);
        board_->setCircleColour(n, colour);
    }
}

void frmGame::DEMO_Timer() {
    const tk::Rgb colour = glow_.tick();
    Colora(colour.red, colour.green, colour.blue);
}

void frmGame::mnuNew_Click(int index) {
    if (index < 0 || index >= Game::kLevels) return;
    for (QAction* item : mnuNew)
        item->setChecked(false);
    mnuNew[static_cast<std::size_t>(index)]->setChecked(true);
    // The glow ends for good with the first choice.
    DEMO.stop();
    Colora(255, 255, 255);
    game_.chooseLevel(index);
    showGame();
}

void frmGame::T_Change(int n) {
    const Game::EditOutcome outcome = game_.CN(n, T(n)->text().toStdString());
    // Wiped or refused text goes back to what the model holds; setting it raises the change once more,
    // which finds nothing new.
    board_->show(n, game_.cell(n));
    if (outcome.wiped) T(n)->setCursorPosition(0);
    if (outcome.solved) {
        // The finished triangle stays as it is until the message has been seen: keys pressed meanwhile,
        // held back or not, must not reach the cells.
        board_->freeze();
        // The reward runs once the text box has finished with the keystroke that completed the board:
        // the window may be closed during the sound, and the box must not be gone under its own feet.
        QMetaObject::invokeMethod(this, &frmGame::rewardTriangle, Qt::QueuedConnection);
    }
}

void frmGame::rewardTriangle() {
    QPointer<frmGame> self(this);
    Module1::PlayResSound(services_.sound, kSuccessSound);
    if (!self || isUnloading()) return;
    // A level chosen meanwhile has already replaced the triangle.
    if (!game_.rewardPending()) return;
    services_.messages.show(this, tk::ui::MessageIcon::Exclamation, QStringLiteral("COMPLIMENTI!"),
                            QStringLiteral("CESTARO FINITA!\r\n\r\nPreparati per una nuova cestaro"));
    if (!self || isUnloading()) return;
    Text1->setFocus();
    game_.rewardSolved();
    showGame();
}

void frmGame::showGame() {
    for (int n = 1; n <= Triangle::kCells; ++n)
        board_->show(n, game_.cell(n));
    Punteggio->setCaption(QString::number(game_.score()));
    LivelloLBL->setCaption(QString::number(game_.triangleNumber()));
}

void frmGame::mnuinfo_Click() {
    if (!about_ || about_->isUnloading()) about_ = new frmAbout(this);
    about_->showModal();
}

void frmGame::mnuexit_Click() {
    endProgram();
}

void frmGame::Command1_Click() {
    unload();
    endProgram();
}

void frmGame::queryUnload() {
    DEMO.stop();
    endProgram();
}

void frmGame::endProgram() {
    if (ended_) return;
    ended_ = true;
    emit ended();
}

} // namespace cestaro::ui
