// SPDX-License-Identifier: GPL-3.0-or-later
// Painting widgets at a ratio and comparing device pixels with the logical pixels beneath them.
#include "tests/scaling/RatioImages.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <vector>

namespace scaling {

namespace {

constexpr double kEpsilon = 1e-6;

// The logical pixels that device pixel `device` overlaps along one axis.
struct Span {
    int from, to;
};
Span overlapped(int device, qreal ratio, int logicalSize) {
    const int from = static_cast<int>(std::floor(device / ratio + kEpsilon));
    const int to = static_cast<int>(std::ceil((device + 1) / ratio - kEpsilon)) - 1;
    return {std::clamp(from, 0, logicalSize - 1), std::clamp(to, 0, logicalSize - 1)};
}

QString describe(QColor colour) {
    return colour.name();
}

} // namespace

qreal screenRatio() {
    QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->devicePixelRatio() : 1.0;
}

qreal intendedRatio() {
    return qEnvironmentVariable("SCALING_RATIO").toDouble();
}

bool isWholeRatio(qreal ratio) {
    return std::abs(ratio - std::round(ratio)) < kEpsilon;
}

QImage paintedAt(QWidget* widget, qreal ratio) {
    QImage image(widget->size() * ratio, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::magenta); // anything left unpainted shows
    widget->render(&image);
    return image.convertToFormat(QImage::Format_RGB32);
}

Departures departures(const QImage& logical, const QImage& scaled, qreal ratio, Edges edges,
                      const QRegion& area) {
    std::vector<char> judged(static_cast<std::size_t>(logical.width() * logical.height()), 0);
    for (const QRect& r : area.intersected(logical.rect()))
        for (int y = r.top(); y <= r.bottom(); ++y)
            std::fill_n(judged.begin() + static_cast<std::ptrdiff_t>(y) * logical.width() + r.left(),
                        r.width(), 1);
    auto isJudged = [&](int x, int y) {
        return judged[static_cast<std::size_t>(y * logical.width() + x)] != 0;
    };

    Departures found;
    for (int j = 0; j < scaled.height(); ++j) {
        const Span rows = overlapped(j, ratio, logical.height());
        for (int i = 0; i < scaled.width(); ++i) {
            const Span columns = overlapped(i, ratio, logical.width());
            bool inArea = true, matchesOne = false;
            int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
            const QColor got = scaled.pixelColor(i, j);
            for (int y = rows.from; y <= rows.to && inArea; ++y)
                for (int x = columns.from; x <= columns.to && inArea; ++x) {
                    inArea = isJudged(x, y);
                    const QColor under = logical.pixelColor(x, y);
                    matchesOne = matchesOne || under == got;
                    const int channels[3] = {under.red(), under.green(), under.blue()};
                    for (int c = 0; c < 3; ++c) {
                        low[c] = std::min(low[c], channels[c]);
                        high[c] = std::max(high[c], channels[c]);
                    }
                }
            if (!inArea) continue;
            const bool inside = rows.from == rows.to && columns.from == columns.to;
            bool fine = matchesOne;
            if (!inside && edges == Edges::Blended) {
                // One unit either way for the rounding of the blend.
                const int channels[3] = {got.red(), got.green(), got.blue()};
                fine = true;
                for (int c = 0; c < 3; ++c)
                    fine = fine && channels[c] >= low[c] - 1 && channels[c] <= high[c] + 1;
            }
            if (fine) continue;
            if (found.count++ == 0) {
                QStringList under;
                for (int y = rows.from; y <= rows.to; ++y)
                    for (int x = columns.from; x <= columns.to; ++x)
                        under << QStringLiteral("(%1, %2) %3")
                                     .arg(x)
                                     .arg(y)
                                     .arg(describe(logical.pixelColor(x, y)));
                found.first = QStringLiteral("device pixel (%1, %2) is %3 over logical pixels %4")
                                  .arg(i)
                                  .arg(j)
                                  .arg(describe(got), under.join(QStringLiteral(", ")));
            }
        }
    }
    return found;
}

} // namespace scaling
