// SPDX-License-Identifier: GPL-3.0-or-later
// The help panel with its slow reveal, the information box, and the end of the program.
#include "intarsello/tests/ui/PuzzleFixture.h"
#include "intarsello/ui/HelpPanel.h"
#include "toolkit/core/Contact.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"

#include <QMenuBar>
#include <QStringList>

namespace intarsello::test {
namespace {

using HelpAndInfo = PuzzleFixture;

const QString kFirstText = QString::fromUtf8("Questo gioco di intarsello può essere risolto in duemila modi "
                                             "diversi. Ecco alcuni esempi, ma occorre un "
                                             "po' di tempo per vederli bene... Vuoi ripassare più tardi?");
const QString kSecondText = QString::fromUtf8(
    "Questo gioco di intarsello può essere risolto in duemila modi diversi. Ecco alcuni esempi:");

void tick(ui::frmPuzzle& puzzle, int times) {
    for (int i = 0; i < times; ++i)
        puzzle.Timer1_Timer();
}

// Every cover is `widthTwips` wide (in pixels), at the top-left of its picture's inner area.
void expectCovers(const ui::HelpPanel& panel, int widthTwips) {
    for (tk::ui::Surface* cover : panel.PicCopertura) {
        EXPECT_EQ(cover->width(), tk::ui::px(widthTwips));
        EXPECT_EQ(cover->pos(), QPoint(1, 2));
        EXPECT_EQ(cover->background(), QColor(Qt::white));
    }
}

TEST_F(HelpAndInfo, HelpShowsTheExamplesUnderFullCoversAndAgainChangesNothing) {
    ui::HelpPanel& panel = *view().PicHelp();
    EXPECT_FALSE(panel.isVisible());
    EXPECT_TRUE(view().Timer1().isActive());
    EXPECT_EQ(view().Timer1().interval(), 1000);

    view().mnuHelp()->trigger();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.geometry(), tk::ui::twipsRect(1590, 690, 6330, 5085));
    EXPECT_EQ(panel.Label5->caption(), kFirstText);
    expectCovers(panel, 2400);
    for (int i = 0; i < ui::HelpPanel::kExamples; ++i) {
        const tk::ui::Picture* picture = panel.PicSoluzione[static_cast<std::size_t>(i)];
        ASSERT_FALSE(picture->isEmpty()) << i;
        EXPECT_GE(picture->picture().width(), 160);
        EXPECT_GE(picture->picture().height(), 96);
    }
    // The cover hides all but slivers of the picture: its middle shows white.
    const QImage shot = panel.PicSoluzione[0]->grab().toImage();
    EXPECT_EQ(shot.pixelColor(80, 48), QColor(Qt::white));

    view().mnuHelp()->trigger();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(puzzle->RevealCount(), 0);

    panel.OKButton->click();
    EXPECT_FALSE(panel.isVisible());
}

TEST_F(HelpAndInfo, RevealNarrowsTheCoversHidesThePanelEverySixthTickAndEndsAtTick1196) {
    ui::HelpPanel& panel = *view().PicHelp();
    puzzle->mnuHelp_Click();
    tick(*puzzle, 5);
    EXPECT_TRUE(panel.isVisible());
    expectCovers(panel, 2390);
    tick(*puzzle, 1);
    EXPECT_FALSE(panel.isVisible());
    EXPECT_EQ(puzzle->RevealCount(), 12);

    // Hidden whether or not it is shown; shown again it goes at the next multiple of six.
    tick(*puzzle, 6);
    EXPECT_FALSE(panel.isVisible());
    puzzle->mnuHelp_Click();
    tick(*puzzle, 5);
    EXPECT_TRUE(panel.isVisible());
    tick(*puzzle, 1);
    EXPECT_FALSE(panel.isVisible());

    tick(*puzzle, 1194 - 18);
    EXPECT_EQ(puzzle->RevealCount(), 2388);
    puzzle->mnuHelp_Click();
    tick(*puzzle, 1);
    EXPECT_EQ(panel.Label5->caption(), kFirstText);
    EXPECT_TRUE(view().Timer1().isActive());

    tick(*puzzle, 1); // tick 1196: the last
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.Label5->caption(), kSecondText);
    EXPECT_FALSE(view().Timer1().isActive());
    expectCovers(panel, 8);

    // From now on the panel stays until OK.
    tick(*puzzle, 12);
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(puzzle->RevealCount(), 2392);
    panel.OKButton->click();
    EXPECT_FALSE(panel.isVisible());
    puzzle->mnuHelp_Click();
    EXPECT_TRUE(panel.isVisible());
    EXPECT_EQ(panel.Label5->caption(), kSecondText);
}

TEST_F(HelpAndInfo, TheRevealTimerTicksOnItsOwn) {
    // One tick a second; a loaded machine may deliver it late, never early.
    EXPECT_TRUE(QTest::qWaitFor([&] { return puzzle->RevealCount() >= 2; }, 3000));
    EXPECT_EQ(puzzle->RevealCount(), 2);
    expectCovers(*view().PicHelp(), 2398);
}

TEST_F(HelpAndInfo, InfoClosesTheHelpPanelFirstThenShowsNineLines) {
    puzzle->mnuHelp_Click();
    bool panelHiddenMeanwhile = false;
    messages.whileShown = [&](const auto&) { panelHiddenMeanwhile = !view().PicHelp()->isVisible(); };
    view().mnuInfo()->trigger();
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(panelHiddenMeanwhile);
    EXPECT_FALSE(view().PicHelp()->isVisible());

    const auto& box = messages.shown[0];
    EXPECT_EQ(box.icon, tk::ui::MessageIcon::Information);
    EXPECT_EQ(box.title, "Intarsello");
    const QStringList lines = box.text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_TRUE(lines[0].startsWith(QString::fromUtf8("Intarsello è un rompicapo geometrico creato da ")));
    EXPECT_TRUE(lines[0].endsWith(','));
    EXPECT_EQ(lines[1], QString::fromUtf8("un 'papà programmatore'."));
    EXPECT_TRUE(lines[2].startsWith("Per contattare l'autore: ") && lines[2].contains('@'));
    EXPECT_EQ(lines[3], "");
    EXPECT_EQ(lines[4], QString::fromUtf8(
                            "Scopo del gioco è spostare e collocare i 12 tasselli colorati nella griglia"));
    EXPECT_EQ(lines[5], "quadrettata, in modo da riempire tutta la griglia.");
    EXPECT_EQ(lines[6], "");
    EXPECT_FALSE(lines[7].isEmpty());
    EXPECT_EQ(lines[8], "progetti e risorse per l'uso attivo del computer a scuola.");
}

TEST_F(HelpAndInfo, InfoNamesTheProjectsOwnContactDetails) {
    QMenuBar* menu = puzzle->menuBar();
    tk::ui::testing::click(menu, menu->actionGeometry(view().mnuInfo()).center());
    ASSERT_EQ(messages.shown.size(), 1u);
    const QStringList lines = messages.shown[0].text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 9);
    EXPECT_EQ(lines[0], QString::fromUtf8("Intarsello è un rompicapo geometrico creato da ") +
                            tk::contact::kName + ',');
    EXPECT_EQ(lines[2], QString("Per contattare l'autore: ") + tk::contact::kEmail);
    EXPECT_EQ(lines[7], tk::contact::kWebAddress);
}

TEST_F(HelpAndInfo, ClosingThePuzzleWindowEndsTheProgramWhileTheRevealRuns) {
    ASSERT_TRUE(view().Timer1().isActive());
    puzzle->close(); // as the close box does
    EXPECT_EQ(ended->count(), 1);
    settle();
    EXPECT_TRUE(puzzle.isNull());
    EXPECT_TRUE(form1.isNull());
}

TEST_F(HelpAndInfo, ClosingTheBackdropGoesThroughThePuzzleWindow) {
    form1->close();
    EXPECT_EQ(ended->count(), 1);
    settle();
    EXPECT_TRUE(puzzle.isNull());
    EXPECT_TRUE(form1.isNull());
}

} // namespace
} // namespace intarsello::test
