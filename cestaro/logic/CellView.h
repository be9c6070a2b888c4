// SPDX-License-Identifier: GPL-3.0-or-later
// What one cell shows: its text, the colour kind of that text, and whether the pupil may edit it.
#pragma once

#include "toolkit/core/RgbColour.h"

#include <optional>
#include <string>

namespace cestaro {

// The ink of a cell's text. Hidden is the window's background colour (text written but not seen).
enum class CellColour { Hidden, Blue, Red };

struct CellView {
    std::string text; // UTF-8
    CellColour colour = CellColour::Blue;
    bool locked = false;

    friend bool operator==(const CellView&, const CellView&) = default;
};

// The RGB of a colour kind; nothing for Hidden, whose colour is the desktop's window background.
constexpr std::optional<tk::Rgb> rgbOf(CellColour colour) {
    switch (colour) {
    case CellColour::Blue:
        return tk::Rgb{0, 0, 255};
    case CellColour::Red:
        return tk::Rgb{255, 0, 0};
    case CellColour::Hidden:
        break;
    }
    return std::nullopt;
}

} // namespace cestaro
