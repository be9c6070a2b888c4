// SPDX-License-Identifier: GPL-3.0-or-later
// Layout of the help panel and the width of the covers over its example pictures.
#include "intarsello/ui/HelpPanel.h"

#include "intarsello/logic/RevealTimeline.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Fonts.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Units.h"

namespace intarsello::ui {

namespace {

const QColor kPanelGrey(192, 192, 192);

// Boxes of the example pictures in the panel, in twips.
struct Box {
    int left, top, width, height;
};
constexpr std::array<Box, HelpPanel::kExamples> kPictureBoxes{
    {{630, 1155, 2415, 1455}, {3240, 1155, 2430, 1470}, {630, 2775, 2415, 1440}, {3240, 2760, 2430, 1455}}};

// Covers inside each picture box, in twips of the box's inner area.
constexpr int kCoverLeft = 0, kCoverTop = 15, kCoverHeight = 1410;
// A bordered picture draws its contents one pixel in from its edges.
constexpr int kBorderPx = 1;

} // namespace

HelpPanel::HelpPanel(QWidget* parent)
    : Frame(parent, 1590, 690, 6330, 5085, kPanelGrey, Border::Etched) {
    Label5 = new tk::ui::Label(this, QString::fromUtf8(RevealTimeline::kRevealingText), 255, 345, 6060, 735);
    Label5->setFont(tk::ui::makeFont(QStringLiteral("Verdana"), 8.25, tk::ui::Weight::Regular));
    Label5->setBackColour(kPanelGrey);
    Label5->setForeColour(Qt::black);

    for (int i = 0; i < kExamples; ++i) {
        const Box& b = kPictureBoxes[static_cast<std::size_t>(i)];
        auto* picture = new tk::ui::Picture(this, b.left, b.top, b.width, b.height);
        picture->setBorder(true);
        picture->setBackground(kPanelGrey);
        picture->setPicture(tk::ui::resourcePixmap(QStringLiteral("PICTURE"), i));
        picture->setPictureId(i);
        picture->setAccessibleName(QStringLiteral("Esempio di soluzione %1").arg(i + 1));
        PicSoluzione[static_cast<std::size_t>(i)] = picture;
        PicCopertura[static_cast<std::size_t>(i)] =
            new tk::ui::Surface(picture, tk::ui::systemWindowColour());
    }
    setCoverWidth(RevealTimeline::kStartCoverWidthTwips);

    OKButton = new tk::ui::Button(this, QStringLiteral("OK"), 5370, 4425, 690, 510);
    OKButton->setFont(tk::ui::makeFont(QStringLiteral("Verdana"), 9.75));
    setAccessibleName(QStringLiteral("Aiuto"));
    hide();
}

void HelpPanel::setCoverWidth(int widthTwips) {
    QRect box = tk::ui::twipsRect(kCoverLeft, kCoverTop, widthTwips, kCoverHeight);
    box.translate(kBorderPx, kBorderPx);
    for (tk::ui::Surface* cover : PicCopertura) {
        cover->setGeometry(box);
        cover->repaint();
    }
}

} // namespace intarsello::ui
