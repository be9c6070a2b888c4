// SPDX-License-Identifier: GPL-3.0-or-later
// Sorting a window's widgets into line art, pictures and soft parts, and judging each at the ratio.
#include "tests/scaling/WindowCrispness.h"

#include "tests/scaling/RatioImages.h"
#include "tests/scaling/TextSharpness.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"

#include <gtest/gtest.h>
#include <vector>

namespace scaling {

namespace {

QRect placeIn(QWidget* window, QWidget* widget) {
    return {widget->mapTo(window, QPoint(0, 0)), widget->size()};
}

std::vector<QWidget*> shownWidgets(QWidget* window) {
    std::vector<QWidget*> shown;
    for (QWidget* widget : window->findChildren<QWidget*>())
        if (!widget->isWindow() && widget->isVisibleTo(window)) shown.push_back(widget);
    return shown;
}

// A widget of Qt's own, painted by its style rather than by this toolkit or the programs.
bool paintedByQtStyle(QWidget* widget) {
    const QString kind = QString::fromLatin1(widget->metaObject()->className());
    return kind.startsWith('Q') && !kind.contains(QStringLiteral("::")) && kind != QStringLiteral("QWidget");
}

bool hasText(const QString& text) {
    return !text.trimmed().isEmpty();
}

// A control's caption, where it is drawn and in which colour; an empty area when it has none.
struct Caption {
    QRect area;
    QColor ink;
};
Caption captionOf(QWidget* window, QWidget* widget) {
    if (auto* label = qobject_cast<tk::ui::Label*>(widget); label && hasText(label->caption())) {
        const int border = label->hasBorder() ? 2 : 0;
        return {placeIn(window, label).adjusted(border, border, -border, -border), label->foreColour()};
    }
    if (auto* button = qobject_cast<tk::ui::Button*>(widget); button && hasText(button->text()))
        return {placeIn(window, button).adjusted(3, 3, -3, -3),
                button->palette().color(QPalette::ButtonText)};
    return {};
}

} // namespace

QRegion softParts(QWidget* window) {
    QRegion soft;
    for (QWidget* widget : shownWidgets(window)) {
        const QRect place = placeIn(window, widget);
        if (paintedByQtStyle(widget)) soft += place;
        soft += captionOf(window, widget).area;
        if (auto* frame = qobject_cast<tk::ui::Frame*>(widget); frame && hasText(frame->caption())) {
            const QFontMetrics metrics(frame->font());
            soft += QRect(place.topLeft() + QPoint(8, 0),
                          QSize(metrics.horizontalAdvance(frame->caption()) + 2, metrics.height()));
        }
        if (auto* shape = qobject_cast<tk::ui::Shape*>(widget);
            shape && shape->kind() != tk::ui::Shape::Kind::Rectangle &&
            shape->kind() != tk::ui::Shape::Kind::Square)
            soft += place;
    }
    return soft;
}

QRegion pictureParts(QWidget* window) {
    QRegion pictures;
    for (QWidget* widget : shownWidgets(window))
        if (qobject_cast<tk::ui::Picture*>(widget)) pictures += placeIn(window, widget);
    // Controls laid over a picture (the covers of the help panel's examples) are plain fills.
    for (QWidget* widget : shownWidgets(window))
        if (widget->parentWidget() && qobject_cast<tk::ui::Picture*>(widget->parentWidget()))
            pictures -= placeIn(window, widget);
    return pictures - softParts(window);
}

void expectCrisp(QWidget* window, qreal ratio) {
    const QString name = window->windowTitle();
    const QImage logical = paintedAt(window, 1), scaled = paintedAt(window, ratio);
    const QRegion soft = softParts(window), pictures = pictureParts(window);

    const Departures lines =
        departures(logical, scaled, ratio, Edges::Exact, QRegion(window->rect()) - soft - pictures);
    EXPECT_EQ(lines.count, 0) << name.toStdString() << ", lines and fills: " << lines.first.toStdString();
    const Departures inPictures =
        departures(logical, scaled, ratio, isWholeRatio(ratio) ? Edges::Exact : Edges::Blended, pictures);
    EXPECT_EQ(inPictures.count, 0) << name.toStdString() << ", pictures: " << inPictures.first.toStdString();

    if (!isWholeRatio(ratio)) return;
    const std::vector<QWidget*> shown = shownWidgets(window);
    for (QWidget* widget : shown) {
        const Caption caption = captionOf(window, widget);
        if (caption.area.isEmpty()) continue;
        // Only the caption's own pixels: other controls over or inside it have edges of their own.
        QRegion area(caption.area);
        for (QWidget* other : shown)
            if (other != widget && !other->isAncestorOf(widget)) area -= placeIn(window, other);
        const Sharpness sharpness =
            sharpnessOf(logical, scaled, static_cast<int>(std::round(ratio)), area, caption.ink);
        if (sharpness.softPixelsEnlarged == 0) continue; // no glyph edges there
        EXPECT_LT(sharpness.softPixels, 0.8 * sharpness.softPixelsEnlarged)
            << name.toStdString() << ", text of " << widget->metaObject()->className() << " "
            << widget->accessibleName().toStdString() << " at " << caption.area.x() << "," << caption.area.y()
            << ": " << sharpness.softPixels << " soft pixels, " << sharpness.softPixelsEnlarged
            << " when enlarged";
    }
}

} // namespace scaling
