// SPDX-License-Identifier: GPL-3.0-or-later
// Pixel lines against Qt's own pen at scale 1 and at other ratios; pictures enlarged all the way to a ratio.
// enlarged whole.
#include "toolkit/ui/PixelPainting.h"

#include "tests/scaling/RatioImages.h"

#include <QPainter>
#include <gtest/gtest.h>

namespace {

using namespace tk::ui;

QImage blank(QSize size, qreal ratio = 1) {
    QImage image(size * ratio, QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

QRect inkBounds(const QImage& image) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != qRgb(255, 255, 255)) bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Every pixel of the picture a different colour, so that any misplaced pixel shows.
QImage distinctPixels(QSize size) {
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y)
        for (int x = 0; x < size.width(); ++x)
            image.setPixelColor(x, y, QColor(40 * x % 256, 60 * y % 256, 255 - 20 * (x + y) % 256));
    return image;
}

struct LineCase {
    QPoint from, to;
    int width;
};

// At scale 1 a window must look exactly as it did when lines were drawn with a pen.
TEST(PixelLine, CoversWhatAPenLineCoversAtOneDevicePixelPerPixel) {
    const LineCase cases[] = {
        {{5, 10}, {30, 10}, 1}, {{30, 10}, {5, 10}, 1},  {{8, 4}, {8, 33}, 1},
        {{5, 10}, {30, 10}, 2}, {{8, 4}, {8, 33}, 2},    {{5, 10}, {30, 10}, 3},
        {{8, 33}, {8, 4}, 3},   {{12, 12}, {12, 12}, 1}, {{5, 20}, {30, 20}, 4},
    };
    for (const LineCase& line : cases) {
        QImage pen = blank({40, 40});
        {
            QPainter painter(&pen);
            painter.setPen(QPen(Qt::black, line.width, Qt::SolidLine, Qt::SquareCap));
            painter.drawLine(line.from, line.to);
        }
        QImage filled = blank({40, 40});
        {
            QPainter painter(&filled);
            drawPixelLine(painter, line.from, line.to, Qt::black, line.width);
        }
        EXPECT_EQ(filled, pen) << line.width << " px from " << line.from.x() << "," << line.from.y();
        EXPECT_EQ(pixelLineCover(line.from, line.to, line.width), inkBounds(pen)) << line.width << " px";
    }
}

// A pen scaled to 1.5 or 2 device pixels straddles them: half-covered pixels in a blend, or a line shifted
// by half a pixel.
TEST(PixelLine, IsWholeDevicePixelsOfItsColourAtEveryRatio) {
    auto lines = [](qreal ratio) {
        QImage image = blank({40, 40}, ratio);
        QPainter painter(&image);
        for (int width = 1; width <= 3; ++width) {
            drawPixelLine(painter, {3, 5 * width}, {30, 5 * width}, Qt::black, width);
            drawPixelLine(painter, {5 * width, 20}, {5 * width, 35}, Qt::blue, width);
        }
        return image;
    };
    const QImage logical = lines(1);
    for (qreal ratio : {1.25, 1.5, 2.0, 3.0}) {
        const QImage scaled = lines(ratio);
        const scaling::Departures found =
            scaling::departures(logical, scaled, ratio, scaling::Edges::Exact, QRegion(logical.rect()));
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
        // None thins away: the three lines, 1 + 2 + 3 pixels wide, keep at least as many device pixels.
        int black = 0;
        for (int y = 0; y < scaled.height(); ++y)
            black += scaled.pixelColor(static_cast<int>(25 * ratio), y) == Qt::black;
        EXPECT_GE(black, 6) << "ratio " << ratio;
    }
}

// A grid or a table drawn with lone lines: at 1.5 every line 1 device pixel wide, none 2 by chance of place.
TEST(LonePixelLine, HasOneDeviceWidthWhereverItFalls) {
    auto lines = [](qreal ratio) {
        QImage image = blank({40, 40}, ratio);
        QPainter painter(&image);
        for (int x = 2; x < 40; x += 3)
            drawLonePixelLine(painter, {x, 5}, {x, 30}, Qt::black);
        return image;
    };
    const QImage logical = lines(1);
    for (qreal ratio : {1.25, 1.5, 1.75, 2.0, 3.0}) {
        const QImage scaled = lines(ratio);
        const scaling::Departures found =
            scaling::departures(logical, scaled, ratio, scaling::Edges::Exact, QRegion(logical.rect()));
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
        std::vector<int> widths;
        const int row = static_cast<int>(20 * ratio);
        for (int x = 0; x < scaled.width(); ++x) {
            const bool black = scaled.pixelColor(x, row) == Qt::black;
            if (black && (x == 0 || scaled.pixelColor(x - 1, row) != Qt::black)) widths.push_back(0);
            if (black) ++widths.back();
        }
        ASSERT_EQ(widths.size(), 13u) << "ratio " << ratio;
        EXPECT_EQ(*std::min_element(widths.begin(), widths.end()),
                  *std::max_element(widths.begin(), widths.end()))
            << "ratio " << ratio;
    }
}

TEST(CrispEnlarged, KeepsEachPixelsColourWhereItCoversWholeDevicePixels) {
    const QImage original = distinctPixels({32, 32});
    for (qreal ratio : {1.5, 2.0, 1.25}) {
        const QImage enlarged = crispEnlarged(original, ratio);
        EXPECT_EQ(enlarged.size(), QSize(32, 32) * ratio) << ratio;
        EXPECT_EQ(enlarged.devicePixelRatio(), ratio);
        const scaling::Departures found = scaling::departures(
            original, enlarged.convertToFormat(QImage::Format_RGB32), ratio,
            scaling::isWholeRatio(ratio) ? scaling::Edges::Exact : scaling::Edges::Blended,
            QRegion(original.rect()));
        EXPECT_EQ(found.count, 0) << "ratio " << ratio << ": " << found.first.toStdString();
    }
}

} // namespace
