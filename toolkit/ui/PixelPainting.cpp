// SPDX-License-Identifier: GPL-3.0-or-later
// Lines filled as whole logical pixels and pictures enlarged by whole device pixels.
#include "toolkit/ui/PixelPainting.h"

#include "toolkit/ui/Zoom.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPixmapCache>
#include <QTransform>
#include <algorithm>
#include <cmath>
#include <utility>

namespace tk::ui {

namespace {

// The pixels a pen of `widthPx` covers across (and, with its square cap, beyond the ends of) a line through
// pixel `at`: Qt draws aliased lines half a pixel right of and below their mathematical place.
int coverFrom(int at, int widthPx) {
    return at - widthPx / 2;
}
int coverTo(int at, int widthPx) {
    return at + (widthPx - 1) / 2;
}

bool isWholeRatio(qreal ratio) {
    return std::abs(ratio - std::round(ratio)) < 1e-6;
}

} // namespace

bool canPaint(const QPainter& painter) {
    if (!painter.isActive()) return false;
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine ? engine->paintDevice() : nullptr;
    if (target == nullptr) return false;
    if (target->devType() != QInternal::Image) return true;
    const auto* image = static_cast<const QImage*>(target);
    return !image->isNull() && image->constBits() != nullptr;
}

QRect pixelLineCover(QPoint from, QPoint to, int widthPx) {
    const int width = std::max(1, widthPx);
    const QPoint first(std::min(from.x(), to.x()), std::min(from.y(), to.y()));
    const QPoint last(std::max(from.x(), to.x()), std::max(from.y(), to.y()));
    return QRect(QPoint(coverFrom(first.x(), width), coverFrom(first.y(), width)),
                 QPoint(coverTo(last.x(), width), coverTo(last.y(), width)));
}

void drawPixelLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int widthPx) {
    if (from.x() == to.x() || from.y() == to.y()) {
        painter.fillRect(pixelLineCover(from, to, widthPx), colour);
        return;
    }
    painter.save();
    painter.setPen(QPen(colour, std::max(1, widthPx), Qt::SolidLine, Qt::SquareCap));
    painter.drawLine(from, to);
    painter.restore();
}

void drawLonePixelLine(QPainter& painter, QPoint from, QPoint to, QColor colour, int widthPx) {
    const QTransform toDevice = painter.deviceTransform();
    if ((from.x() != to.x() && from.y() != to.y()) || toDevice.type() > QTransform::TxScale) {
        drawPixelLine(painter, from, to, colour, widthPx);
        return;
    }
    const QRectF cover = toDevice.mapRect(QRectF(pixelLineCover(from, to, widthPx)));
    // The device pixels wholly inside [from, to), or the one holding its middle when none is.
    auto inside = [](qreal low, qreal high) {
        int first = static_cast<int>(std::ceil(low - 1e-6)), last = static_cast<int>(std::floor(high + 1e-6));
        if (last <= first) {
            first = static_cast<int>(std::floor((low + high) / 2));
            last = first + 1;
        }
        return std::pair{first, last};
    };
    const auto [left, right] = inside(cover.left(), cover.right());
    const auto [top, bottom] = inside(cover.top(), cover.bottom());
    painter.fillRect(toDevice.inverted().mapRect(QRectF(QPointF(left, top), QPointF(right, bottom))), colour);
}

void drawPixelFrame(QPainter& painter, const QRect& box, QColor colour) {
    if (box.isEmpty()) return;
    painter.fillRect(QRect(box.left(), box.top(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.bottom(), box.width(), 1), colour);
    painter.fillRect(QRect(box.left(), box.top(), 1, box.height()), colour);
    painter.fillRect(QRect(box.right(), box.top(), 1, box.height()), colour);
}

void drawDottedPixelFrame(QPainter& painter, const QRect& box, QColor colour) {
    if (box.isEmpty()) return;
    // Dots on the pixels whose coordinates add up to an even number, so the pattern turns corners evenly.
    auto dot = [&](int x, int y) {
        if (((x + y) & 1) == 0) painter.fillRect(QRect(x, y, 1, 1), colour);
    };
    for (int x = box.left(); x <= box.right(); ++x) {
        dot(x, box.top());
        if (box.bottom() != box.top()) dot(x, box.bottom());
    }
    for (int y = box.top() + 1; y < box.bottom(); ++y) {
        dot(box.left(), y);
        if (box.right() != box.left()) dot(box.right(), y);
    }
}

QPixmap pictureForRatio(const QPixmap& picture, qreal ratio) {
    if (picture.isNull() || ratio <= 1 || isWholeRatio(ratio)) return picture;
    const int whole = static_cast<int>(std::ceil(ratio));
    const QString key = QStringLiteral("tk-ui-crisp-%1-%2").arg(picture.cacheKey()).arg(whole);
    QPixmap enlarged;
    if (QPixmapCache::find(key, &enlarged)) return enlarged;
    const QImage original = picture.toImage();
    QImage image = original.scaled(original.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    image.setDevicePixelRatio(whole * picture.devicePixelRatio());
    enlarged = QPixmap::fromImage(image);
    QPixmapCache::insert(key, enlarged);
    return enlarged;
}

QImage crispEnlarged(const QImage& image, qreal ratio) {
    if (image.isNull() || ratio <= 1) return image;
    const int whole = static_cast<int>(std::ceil(ratio - 1e-6));
    QImage enlarged = image.scaled(image.size() * whole, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!isWholeRatio(ratio)) {
        // Drawn smoothly rather than scaled smoothly: QImage::scaled averages flat areas off by one.
        QImage fitted(QSize(static_cast<int>(std::lround(image.width() * ratio)),
                            static_cast<int>(std::lround(image.height() * ratio))),
                      QImage::Format_ARGB32_Premultiplied);
        fitted.fill(Qt::transparent);
        QPainter painter(&fitted);
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(fitted.rect(), enlarged);
        painter.end();
        enlarged = fitted;
    }
    enlarged.setDevicePixelRatio(ratio);
    return enlarged;
}

void drawCrispPicture(QPainter& painter, QPoint topLeft, const QPixmap& picture) {
    if (picture.isNull()) return;
    // The device painted on, not the widget: a widget rendered into an image of another ratio is redirected.
    const QPaintDevice* device =
        painter.paintEngine() ? painter.paintEngine()->paintDevice() : painter.device();
    const qreal ratio = device ? device->devicePixelRatioF() : 1.0;
    painter.save();
    if (zoom() == 1.0) {
        // Whole ratios repeat each pixel; from the enlarged copy the last step down is smooth.
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio > 1 && !isWholeRatio(ratio));
        painter.drawPixmap(topLeft, pictureForRatio(picture, ratio));
    } else {
        // Zoomed, a picture pixel covers zoom times ratio device pixels: the same preparation, drawn into
        // the zoomed size.
        const qreal shown = ratio * zoom();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, !isWholeRatio(shown));
        painter.drawPixmap(QRect(topLeft, zoomed(picture.deviceIndependentSize().toSize())),
                           pictureForRatio(picture, shown));
    }
    painter.restore();
}

} // namespace tk::ui
