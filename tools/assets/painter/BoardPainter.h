// SPDX-License-Identifier: GPL-3.0-or-later
// Paints the instructions' example board of cestaro: fifteen white circles in a triangle on teal.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <array>

class BoardPainter {
public:
    static constexpr int kWidth = 313;
    static constexpr int kHeight = 284;
    // What one circle shows: `text` empty for an empty circle.
    struct Cell {
        QString text;
        QColor colour;
    };
    // Cells in board order: apex first, then each row from left to right (5 rows, 15 cells).
    static QImage paint(const std::array<Cell, 15>& cells);
    // Reads cells written as "29r,,,7r,8k,..." (number then r for red or k for black; empty for none).
    static std::array<Cell, 15> parse(const QString& text);
};
