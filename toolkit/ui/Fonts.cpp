// SPDX-License-Identifier: GPL-3.0-or-later
// Font construction in points at 96 dpi and the Windows font-name substitutions.
#include "toolkit/ui/Fonts.h"

#include "toolkit/core/Twips.h"
#include "toolkit/ui/Zoom.h"

#include <algorithm>

namespace tk::ui {

QFont makeFont(const QString& family, double points, Weight weight) {
    QFont font(family);
    font.setPixelSize(std::max(1, tk::pointsToPixels(points * zoom())));
    font.setBold(weight == Weight::Bold);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

void installFontSubstitutions() {
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
}

} // namespace tk::ui
