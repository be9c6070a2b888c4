// SPDX-License-Identifier: GPL-3.0-or-later
// Building the circles and cells of the triangle, showing the model's cells in them, and taking the caret
// to a cell by mouse or arrow key.
#include "cestaro/ui/BoardView.h"

#include "cestaro/logic/CellGeometry.h"
#include "toolkit/ui/Accessibility.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Units.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <algorithm>
#include <array>
#include <optional>

namespace cestaro::ui {

namespace {

// What a screen reader calls cell 1..15: its number and where it stands in the triangle.
QString spokenCellName(int n) {
    const int row = Triangle::rowOf(n);
    if (row == 1) return QStringLiteral("Cerchio %1 (in alto)").arg(n);
    static const std::array<const char*, Triangle::kRows> kOrdinals{"primo", "secondo", "terzo", "quarto",
                                                                    "quinto"};
    const QString ordinal =
        QString::fromLatin1(kOrdinals[static_cast<std::size_t>(Triangle::placeOf(n) - 1)]);
    if (row == Triangle::kRows)
        return QStringLiteral("Cerchio %1 (in basso, %2 da sinistra)").arg(n).arg(ordinal);
    return QStringLiteral("Cerchio %1 (riga %2, %3 da sinistra)").arg(n).arg(row).arg(ordinal);
}

// A given is told apart by its name, not by its red ink alone.
QString spokenCellName(int n, CellColour ink) {
    if (ink == CellColour::Red) return spokenCellName(n) + QStringLiteral(", numero in rosso");
    return spokenCellName(n);
}

// The caret ring: navy as the score panel, which shows on white, on the glow's yellows and reds and on
// the teal window alike; 45 twips (3 pixels) wide, laid on the edge of the circle so that the layout
// stays as it is.
const QColor kRingColour(0, 0, 128);
constexpr double kRingWidthTwips = 45;

std::optional<CellNavigation::Arrow> arrowOf(const QKeyEvent& key) {
    // Shift and Ctrl with an arrow keep their meaning in the text box (selecting, moving by words).
    if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return std::nullopt;
    switch (key.key()) {
    case Qt::Key_Left:
        return CellNavigation::Arrow::Left;
    case Qt::Key_Right:
        return CellNavigation::Arrow::Right;
    case Qt::Key_Up:
        return CellNavigation::Arrow::Up;
    case Qt::Key_Down:
        return CellNavigation::Arrow::Down;
    default:
        return std::nullopt;
    }
}

} // namespace

QColor inkColour(CellColour colour) {
    if (const auto rgb = rgbOf(colour)) return QColor(rgb->red, rgb->green, rgb->blue);
    return tk::ui::systemWindowColour();
}

BoardView::BoardView(QWidget* surface)
    : QObject(surface)
    , surface_(surface) {
    for (int n = 1; n <= Triangle::kCells; ++n) {
        const auto& place = CellGeometry::of(n);
        auto* circle = new tk::ui::Shape(surface, tk::ui::Shape::Kind::Circle, place.circleLeftTwips,
                                         place.circleTopTwips, CellGeometry::kCircleSizeTwips,
                                         CellGeometry::kCircleSizeTwips);
        circle->setObjectName(QStringLiteral("Shape%1").arg(n));
        circles_[index(n)] = circle;
    }
    // Over the circles, under the text boxes.
    ring_ = new tk::ui::Shape(surface, tk::ui::Shape::Kind::Circle, 0, 0, 0, 0);
    tk::ui::hideFromScreenReaders(ring_);
    ring_->setObjectName(QStringLiteral("caretRing"));
    ring_->setFilled(false);
    ring_->setBorderColour(kRingColour);
    ring_->setBorderWidth(std::max(1, tk::ui::px(kRingWidthTwips)));
    ring_->hide();
    const QFont font = tk::ui::makeFont(QStringLiteral("Arial"), CellGeometry::kTextPoints);
    for (int n = 1; n <= Triangle::kCells; ++n) {
        const auto& place = CellGeometry::of(n);
        auto* box = new QLineEdit(surface);
        box->setObjectName(QStringLiteral("T%1").arg(n));
        box->setGeometry(tk::ui::twipsRect(place.textLeftTwips, place.textTopTwips,
                                           CellGeometry::kTextWidthTwips, CellGeometry::kTextHeightTwips));
        box->setFrame(false);
        box->setAlignment(Qt::AlignCenter);
        box->setFont(font);
        box->setTextMargins(0, 0, 0, 0);
        // Its menu would speak English; cut, copy and paste stay on the keyboard.
        box->setContextMenuPolicy(Qt::NoContextMenu);
        box->setAccessibleName(spokenCellName(n));
        connect(box, &QLineEdit::textChanged, this, [this, n] { emit edited(n); });
        box->installEventFilter(this);
        cells_[index(n)] = box;
    }
    surface->installEventFilter(this);
    connect(qApp, &QApplication::focusChanged, this, &BoardView::markCaretCell);
}

void BoardView::show(int n, const CellView& view) {
    QLineEdit* box = cell(n);
    QPalette colours = box->palette();
    const QColor ink = inkColour(view.colour);
    if (colours.color(QPalette::Text) != ink) {
        colours.setColor(QPalette::Text, ink);
        box->setPalette(colours);
    }
    box->setReadOnly(view.locked);
    if (const QString name = spokenCellName(n, view.colour); box->accessibleName() != name)
        box->setAccessibleName(name);
    const QString text = QString::fromStdString(view.text);
    if (box->text() != text) box->setText(text);
}

void BoardView::freeze() {
    for (QLineEdit* box : cells_)
        box->setReadOnly(true);
}

void BoardView::setCircleColour(int n, QColor colour) {
    circle(n)->setFillColour(colour);
}

void BoardView::setCellBackground(int n, QColor colour) {
    QLineEdit* box = cell(n);
    QPalette colours = box->palette();
    if (colours.color(QPalette::Base) == colour) return;
    colours.setColor(QPalette::Base, colour);
    box->setPalette(colours);
}

QColor BoardView::cellBackground(int n) const {
    return cell(n)->palette().color(QPalette::Base);
}

QColor BoardView::cellInk(int n) const {
    return cell(n)->palette().color(QPalette::Text);
}

bool BoardView::eventFilter(QObject* watched, QEvent* event) {
    if (watched == surface_ && event->type() == QEvent::MouseButtonPress) {
        // The text box covers only the middle of its circle: the rest of the circle comes here.
        if (const int n = cellUnder(static_cast<QMouseEvent*>(event)->position()))
            giveCaret(n, Qt::MouseFocusReason);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int from = cellOf(watched);
    const std::optional<CellNavigation::Arrow> arrow = arrowOf(*static_cast<QKeyEvent*>(event));
    if (from == 0 || !arrow) return false;
    const std::optional<int> to =
        navigation_.step(from, *arrow, [this](int n) { return !cell(n)->isReadOnly(); });
    if (to) {
        stepping_ = true;
        giveCaret(*to, Qt::OtherFocusReason);
        stepping_ = false;
    }
    return true;
}

int BoardView::cellUnder(QPointF point) const {
    for (int n = 1; n <= Triangle::kCells; ++n) {
        const QRectF box = circle(n)->geometry();
        const double radius = std::min(box.width(), box.height()) / 2;
        const QPointF offset = point - box.center();
        if (QPointF::dotProduct(offset, offset) <= radius * radius) return n;
    }
    return 0;
}

int BoardView::cellOf(const QObject* object) const {
    for (int n = 1; n <= Triangle::kCells; ++n)
        if (cell(n) == object) return n;
    return 0;
}

void BoardView::giveCaret(int n, Qt::FocusReason reason) {
    cell(n)->setFocus(reason);
    cell(n)->end(false);
    markCaretCell();
}

void BoardView::markCaretCell() {
    if (!stepping_) navigation_.endRun();
    const int n = cellOf(surface_->window()->focusWidget());
    if (n == 0) {
        ring_->hide();
        return;
    }
    ring_->setGeometry(circle(n)->geometry());
    ring_->show();
}

} // namespace cestaro::ui
