// Building the circles and cells of the triangle and showing the model's cells in them.
#include "BoardView.h"

#include "CellGeometry.h"
#include "Fonts.h"
#include "Shape.h"
#include "Units.h"

#include <QLineEdit>
#include <array>

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

} // namespace

QColor inkColour(CellColour colour) {
    if (const auto rgb = rgbOf(colour)) return QColor(rgb->red, rgb->green, rgb->blue);
    return tk::ui::systemWindowColour();
}

BoardView::BoardView(QWidget* surface)
    : QObject(surface) {
    for (int n = 1; n <= Triangle::kCells; ++n) {
        const auto& place = CellGeometry::of(n);
        auto* circle = new tk::ui::Shape(surface, tk::ui::Shape::Kind::Circle, place.circleLeftTwips,
                                         place.circleTopTwips, CellGeometry::kCircleSizeTwips,
                                         CellGeometry::kCircleSizeTwips);
        circle->setObjectName(QStringLiteral("Shape%1").arg(n));
        circles_[index(n)] = circle;
    }
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
        cells_[index(n)] = box;
    }
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

} // namespace cestaro::ui
