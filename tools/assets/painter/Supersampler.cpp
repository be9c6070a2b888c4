// SPDX-License-Identifier: GPL-3.0-or-later
// Draws a picture several times larger than needed and averages it down, for clean edges at icon sizes.
#include "tools/assets/painter/Supersampler.h"

#include <QPainter>
#include <array>

QImage Supersampler::render(int width, int height, int factor, const std::function<void(QPainter&)>& draw) {
    QImage big(width * factor, height * factor, QImage::Format_RGBA8888_Premultiplied);
    big.fill(Qt::transparent);
    {
        QPainter painter(&big);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(factor, factor);
        draw(painter);
    }
    QImage small(width, height, QImage::Format_RGBA8888_Premultiplied);
    const int area = factor * factor;
    for (int y = 0; y < height; ++y) {
        uchar* out = small.scanLine(y);
        for (int x = 0; x < width; ++x) {
            std::array<int, 4> sum{};
            for (int dy = 0; dy < factor; ++dy) {
                const uchar* in = big.constScanLine(y * factor + dy) + 4 * x * factor;
                for (int dx = 0; dx < 4 * factor; ++dx)
                    sum[static_cast<std::size_t>(dx % 4)] += in[dx];
            }
            for (int c = 0; c < 4; ++c)
                out[4 * x + c] = static_cast<uchar>((sum[static_cast<std::size_t>(c)] + area / 2) / area);
        }
    }
    return small.convertToFormat(QImage::Format_RGBA8888);
}
