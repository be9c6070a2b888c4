// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: layout, the squares' mouse and key handling through the board, the help panel's
// reveal and the information box.
#include "intarsello/ui/frmPuzzle.h"

#include "intarsello/logic/Board.h"
#include "intarsello/logic/Geometry.h"
#include "intarsello/logic/RevealTimeline.h"
#include "intarsello/logic/Tile.h"
#include "intarsello/ui/SelectionOutline.h"
#include "toolkit/core/Contact.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/MessageBoxes.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Units.h"

#include <QKeyEvent>
#include <QMenuBar>
#include <QStringList>
#include <array>

namespace intarsello::ui {

using tk::ui::px;

namespace {

tk::ui::Label* instructionLabel(QWidget* parent, const char* text, int top, int height) {
    auto* label = new tk::ui::Label(parent, QString::fromUtf8(text), 465, top, 3615, height);
    label->setFont(tk::ui::makeFont(QStringLiteral("Verdana"), 8.25, tk::ui::Weight::Regular));
    label->setAlign(tk::ui::Label::Align::Centre);
    label->setBackColour(Qt::white);
    label->setForeColour(Qt::black);
    return label;
}

QColor colourOfTile(int tile) {
    const tk::Rgb c = tiles()[static_cast<std::size_t>(tile)].colour;
    return {c.red, c.green, c.blue};
}

// What a screen reader calls a square of `tile`: the tile's letter and colour, "Tassello L nero".
QString spokenTileName(int tile) {
    static const std::array<const char*, kTileCount> kColourNames{
        "nero",        "blu scuro",     "verde scuro", "verde acqua", "bordeaux",     "viola",
        "verde oliva", "grigio chiaro", "grigio",      "blu",         "verde chiaro", "azzurro"};
    const auto k = static_cast<std::size_t>(tile);
    return QStringLiteral("Tassello %1 %2").arg(QChar::fromLatin1(tiles()[k].letter)).arg(kColourNames[k]);
}

} // namespace

frmPuzzle::frmPuzzle(QWidget* owner, tk::ui::MessageBoxes& messages)
    : Window(owner, QStringLiteral("Intarsello"), kClientWidthTwips, kClientHeightTwips, Qt::white)
    , messages_(messages)
    , board_(std::make_unique<Board>())
    , reveal_(std::make_unique<RevealTimeline>()) {
    setWindowIcon(tk::ui::resourceIcon(QStringLiteral("ICON"), 1));
    buildMenu();
    buildLabels();
    // Made in this order, so the squares pass in front of the labels and behind the help panel, higher
    // indexes in front of lower ones, with the keyboard's outline over them all; nothing is raised or
    // lowered afterwards.
    buildSquares();
    selectionOutline = new SelectionOutline(client());
    PicHelp = new HelpPanel(client());
    connect(PicHelp->OKButton, &tk::ui::Button::clicked, this, &frmPuzzle::OKButton_Click);

    Timer1.setInterval(RevealTimeline::kTickIntervalMs);
    connect(&Timer1, &QTimer::timeout, this, &frmPuzzle::Timer1_Timer);
    Form_Load();
}

frmPuzzle::~frmPuzzle() = default;

std::int16_t frmPuzzle::RevealCount() const {
    return reveal_->RevealCount();
}

void frmPuzzle::buildMenu() {
    QMenuBar* menu = menuBar();
    mnuInfo = menu->addAction(QStringLiteral("Info"), this, &frmPuzzle::mnuInfo_Click);
    mnuHelp = menu->addAction(QStringLiteral("Help"), this, &frmPuzzle::mnuHelp_Click);
}

void frmPuzzle::buildLabels() {
    Label2 = instructionLabel(client(),
                              "Per muovere un tassello cliccalo con il tasto sinistro del mouse e trascinalo "
                              "sulla griglia quadrettata.",
                              615, 615);
    Label3 = instructionLabel(client(), "Per ruotare un tassello cliccalo con il tasto destro del mouse.",
                              1230, 405);
    Label4 =
        instructionLabel(client(),
                         "Per riflettere un tassello a specchio clicca il tasto CTRL o SHIFT e poi clicca "
                         "il tassello con il tasto destro del mouse.",
                         1650, 615);
}

void frmPuzzle::buildSquares() {
    cell = tk::ui::ControlArray<TileSquare>(new TileSquare(client()));
    for (int i = 1; i < Board::kCellCount; ++i)
        cell.load(i);
    for (int i = 0; i < Board::kCellCount; ++i)
        connect(cell[i], &TileSquare::mouse, this,
                [this, i](MouseEventKind kind, unsigned button, unsigned held, unsigned modifiers,
                          QPoint at) { cellMouse(i, kind, button, held, modifiers, at); });
}

void frmPuzzle::Form_Load() {
    for (int i = 0; i < Board::kCellCount; ++i) {
        TileSquare* square = cell[i];
        square->setColour(colourOfTile(Board::tileOf(i)));
        square->setAccessibleName(spokenTileName(Board::tileOf(i)));
        square->resize(px(kSquareTwips), px(kSquareTwips));
        square->show();
    }
    SetupTiles();
    Timer1.start();
}

void frmPuzzle::SetupTiles() {
    board_->SetupTiles();
    for (int k = 0; k < kTileCount; ++k)
        showTile(k);
}

void frmPuzzle::showTile(int tile) {
    for (int j = 0; j < Board::kSquaresPerTile; ++j) {
        const int i = Board::cellOf(tile, j);
        const SquarePosition at = board_->position(i);
        cell[i]->setGeometry(tk::ui::twipsRect(at.left, at.top, kSquareTwips, kSquareTwips));
    }
    if (tile == selected_) select(tile);
}

void frmPuzzle::select(int tile) {
    selected_ = tile;
    if (tile < 0) {
        selectionOutline->hide();
        return;
    }
    QRegion squares;
    for (int j = 0; j < Board::kSquaresPerTile; ++j)
        squares += cell[Board::cellOf(tile, j)]->geometry();
    selectionOutline->surround(squares);
}

bool frmPuzzle::focusNextPrevChild(bool next) {
    // The help panel's OK joins the round after tile 11 while the panel shows, so that the keyboard can
    // close it too.
    const bool withOk = PicHelp->isVisible();
    const int stops = kTileCount + (withOk ? 1 : 0);
    int at = selected_;
    if ((withOk && PicHelp->OKButton->hasFocus()) || (at < 0 && !next)) at = kTileCount;
    at = (at + (next ? 1 : stops - 1)) % stops;
    if (at == kTileCount) {
        select(-1);
        PicHelp->OKButton->setFocus(Qt::TabFocusReason);
    } else {
        select(at);
        // The keys go to the window itself, whatever held the focus before.
        setFocus(Qt::TabFocusReason);
    }
    return true;
}

void frmPuzzle::keyPressEvent(QKeyEvent* event) {
    if (selected_ >= 0 && applyKey(event->key(), event->modifiers())) return;
    Window::keyPressEvent(event);
}

bool frmPuzzle::applyKey(int key, Qt::KeyboardModifiers modifiers) {
    // Shift only tells the two mirrors apart; a key with Ctrl, Alt or Meta is not the board's.
    if (modifiers & ~(Qt::ShiftModifier | Qt::KeypadModifier)) return false;
    const int tile = selected_;
    switch (key) {
    case Qt::Key_Left:
        board_->step(tile, -1, 0);
        break;
    case Qt::Key_Right:
        board_->step(tile, 1, 0);
        break;
    case Qt::Key_Up:
        board_->step(tile, 0, -1);
        break;
    case Qt::Key_Down:
        board_->step(tile, 0, 1);
        break;
    case Qt::Key_Space:
    case Qt::Key_R:
        board_->transform(tile, Transform::QuarterTurn);
        break;
    case Qt::Key_M:
        board_->transform(tile, (modifiers & Qt::ShiftModifier) ? Transform::MirrorTopToBottom
                                                                : Transform::MirrorLeftToRight);
        break;
    case Qt::Key_Escape:
        select(-1);
        return true;
    default:
        return false;
    }
    showTile(tile);
    return true;
}

void frmPuzzle::onActivate() {
    Form_Activate();
}

void frmPuzzle::Form_Activate() {
    for (const LineSegment& line : gridLines())
        client()->drawLine(line.x1, line.y1, line.x2, line.y2, Qt::black, 1);
}

void frmPuzzle::cellMouse(int index, MouseEventKind kind, unsigned button, unsigned heldButtons,
                          unsigned modifiers, QPoint pointerTwips) {
    // Relative to where the board holds the square, not to its rounded place on the screen, so that a
    // dragged tile keeps the pointer exactly where it was grabbed.
    const SquarePosition at = board_->position(index);
    const double x = pointerTwips.x() - at.left;
    const double y = pointerTwips.y() - at.top;
    switch (kind) {
    case MouseEventKind::Press:
        cell_MouseDown(index, button, modifiers, x, y);
        break;
    case MouseEventKind::Motion:
        cell_MouseMove(index, heldButtons, modifiers, x, y);
        break;
    case MouseEventKind::Release:
        cell_MouseUp(index, button, modifiers, x, y);
        break;
    }
}

void frmPuzzle::cell_MouseDown(int index, unsigned button, unsigned shift, double xTwips, double yTwips) {
    apply({MouseEventKind::Press, button, button, shift, xTwips, yTwips, index});
}

void frmPuzzle::cell_MouseMove(int index, unsigned heldButtons, unsigned shift, double xTwips,
                               double yTwips) {
    apply({MouseEventKind::Motion, 0, heldButtons, shift, xTwips, yTwips, index});
}

void frmPuzzle::cell_MouseUp(int index, unsigned button, unsigned shift, double xTwips, double yTwips) {
    apply({MouseEventKind::Release, button, 0, shift, xTwips, yTwips, index});
}

void frmPuzzle::apply(const MouseEvent& event) {
    if (board_->handle(event) != BoardAction::None) showTile(Board::tileOf(event.cell));
}

void frmPuzzle::mnuHelp_Click() {
    PicHelp->show();
}

void frmPuzzle::OKButton_Click() {
    PicHelp->hide();
}

void frmPuzzle::Timer1_Timer() {
    const RevealTimeline::Tick tick = reveal_->tick();
    if (tick.hidePanel) PicHelp->hide();
    if (tick.finished) {
        Timer1.stop();
        PicHelp->Label5->setCaption(QString::fromUtf8(reveal_->label5Text()));
    }
    PicHelp->setCoverWidth(reveal_->coverWidthTwips());
}

QString frmPuzzle::infoText() {
    const QStringList lines{
        QStringLiteral("Intarsello è un rompicapo geometrico creato da %1,")
            .arg(QString::fromUtf8(tk::contact::kName)),
        QStringLiteral("un 'papà programmatore'."),
        QStringLiteral("Per contattare l'autore: ") + QString::fromUtf8(tk::contact::kEmail),
        QString(),
        QStringLiteral("Scopo del gioco è spostare e collocare i 12 tasselli colorati nella griglia"),
        QStringLiteral("quadrettata, in modo da riempire tutta la griglia."),
        QString(),
        QString::fromUtf8(tk::contact::kWebAddress),
        QStringLiteral("progetti e risorse per l'uso attivo del computer a scuola."),
    };
    return lines.join(QStringLiteral("\r\n"));
}

void frmPuzzle::mnuInfo_Click() {
    PicHelp->hide();
    messages_.show(this, tk::ui::MessageIcon::Information, QStringLiteral("Intarsello"), infoText());
}

void frmPuzzle::queryUnload() {
    Timer1.stop();
}

} // namespace intarsello::ui
