// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel laid over the board: a short text, four solved boards under narrowing covers, and OK.
#pragma once

#include "toolkit/ui/Frame.h"

#include <QString>
#include <array>

namespace tk::ui {
class Button;
class Label;
class Picture;
class Surface;
} // namespace tk::ui

namespace intarsello::ui {

class HelpPanel : public tk::ui::Frame {
    Q_OBJECT
public:
    static constexpr int kExamples = 4;

    // Placed on `parent` (the puzzle window's client area) in front of everything made before it, hidden.
    explicit HelpPanel(QWidget* parent);

    // Sets every cover to `widthTwips` (each keeps its left edge) and repaints them at once.
    void setCoverWidth(int widthTwips);

    tk::ui::Label* Label5 = nullptr;
    std::array<tk::ui::Picture*, kExamples> PicSoluzione{};
    std::array<tk::ui::Surface*, kExamples> PicCopertura{};
    tk::ui::Button* OKButton = nullptr;
};

} // namespace intarsello::ui
