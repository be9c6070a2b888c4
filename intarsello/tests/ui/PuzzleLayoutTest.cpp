// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window as it opens: backdrop, menu, instructions, squares in place and colour, grid lines,
// and the fixed stacking order.
#include "intarsello/logic/Geometry.h"
#include "intarsello/logic/Tile.h"
#include "intarsello/tests/ui/PuzzleFixture.h"
#include "toolkit/ui/Label.h"

#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace intarsello::test {
namespace {

using PuzzleLayout = PuzzleFixture;

TEST_F(PuzzleLayout, OpensCentredInFrontOfABlackBackdrop) {
    EXPECT_EQ(form1->windowTitle(), "Form1");
    EXPECT_EQ(form1->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(form1->grab().toImage().pixelColor(50, 50), QColor(Qt::black));

    EXPECT_EQ(puzzle->windowTitle(), "Intarsello");
    EXPECT_EQ(puzzle->parentWidget(), form1.data()); // kept in front of the backdrop
    EXPECT_EQ(puzzle->client()->size(), QSize(634, 428));
    EXPECT_FALSE(puzzle->windowIcon().isNull());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE((puzzle->geometry().center() - screen.center()).manhattanLength(), 4);

    const QList<QAction*> commands = puzzle->menuBar()->actions();
    ASSERT_EQ(commands.size(), 2);
    EXPECT_EQ(commands[0], view().mnuInfo());
    EXPECT_EQ(commands[0]->text(), "Info");
    EXPECT_EQ(commands[1], view().mnuHelp());
    EXPECT_EQ(commands[1]->text(), "Help");
    EXPECT_EQ(commands[0]->menu(), nullptr);
    EXPECT_EQ(commands[1]->menu(), nullptr);
}

TEST_F(PuzzleLayout, InstructionLabelsSayHowToMoveTurnAndMirror) {
    struct Case {
        tk::ui::Label* label;
        int top, height;
        const char* text;
    };
    for (const Case& c :
         {Case{view().Label2(), 615, 615,
               "Per muovere un tassello cliccalo con il tasto sinistro del mouse e trascinalo sulla griglia "
               "quadrettata."},
          Case{view().Label3(), 1230, 405, "Per ruotare un tassello cliccalo con il tasto destro del mouse."},
          Case{view().Label4(), 1650, 615,
               "Per riflettere un tassello a specchio clicca il tasto CTRL o SHIFT e poi clicca il tassello "
               "con "
               "il tasto destro del mouse."}}) {
        EXPECT_EQ(c.label->caption(), QString::fromUtf8(c.text));
        EXPECT_EQ(c.label->geometry(), tk::ui::twipsRect(465, c.top, 3615, c.height));
        // The wrapped text fits its box.
        const QRect needed =
            QFontMetrics(c.label->font())
                .boundingRect(c.label->rect(), Qt::AlignHCenter | Qt::TextWordWrap, c.label->caption());
        EXPECT_LE(needed.height(), c.label->height()) << c.label->caption().toStdString();
    }
}

TEST_F(PuzzleLayout, SquaresStartInTheirTilesPlacesAndColours) {
    for (int i = 0; i < Board::kCellCount; ++i) {
        const Tile& tile = tiles()[static_cast<std::size_t>(i / 5)];
        const Offset o = tile.start[i % 5];
        const SquarePosition expected{double(tile.startLeft + 360 * o.dx),
                                      double(tile.startTop + 360 * o.dy)};
        EXPECT_EQ(at(i), expected) << i;
        EXPECT_EQ(square(i)->geometry(), QRect(pixelsOf(expected), QSize(24, 24))) << i;
        EXPECT_TRUE(square(i)->isVisible());
        EXPECT_EQ(pixel(centreOf(i)), QColor(tile.colour.red, tile.colour.green, tile.colour.blue)) << i;
    }
    // Square 2 of tile 7 starts at (1590, 5560) twips.
    EXPECT_EQ(square(37)->pos(), QPoint(106, 371));
}

TEST_F(PuzzleLayout, GridLinesAreDrawnOnActivationAndShowAgainWhereATileLeaves) {
    EXPECT_EQ(puzzle->client()->lineCount(), kGridLineCount);
    puzzle->Form_Activate();
    EXPECT_EQ(puzzle->client()->lineCount(), kGridLineCount); // drawing again changes nothing

    const QPoint onVerticalLine(336, 100), onHorizontalLine(400, 72), inside(350, 100);
    EXPECT_EQ(pixel(onVerticalLine), QColor(Qt::black));
    EXPECT_EQ(pixel(onHorizontalLine), QColor(Qt::black));
    EXPECT_EQ(pixel(inside), QColor(Qt::white));
    EXPECT_EQ(pixel(QPoint(10, 0)), QColor(Qt::black)); // along the top edge, under the menu bar

    // Tile 10 (the bar of five) laid over the lines, then taken away again.
    const int anchor = Board::cellOf(10, 0);
    const QPoint toGrid = QPoint(336, 96) - square(anchor)->pos();
    dragBy(anchor, toGrid);
    EXPECT_EQ(square(anchor)->pos(), QPoint(336, 96));
    EXPECT_NE(pixel(QPoint(336, 100)), QColor(Qt::black));
    dragBy(anchor, -toGrid);
    EXPECT_EQ(pixel(onVerticalLine), QColor(Qt::black));
    EXPECT_EQ(pixel(QPoint(360, 96)), QColor(Qt::black));
}

TEST_F(PuzzleLayout, HigherTilesPassInFrontAndThePanelInFrontOfAll) {
    // Tile 11 (F) dropped over tile 10 (I): the overlap shows and answers tile 11, and stays so when
    // tile 10 is picked up and put back.
    const int bar = Board::cellOf(10, 0), f = Board::cellOf(11, 0);
    dragBy(bar, QPoint(0, 0)); // onto the lattice, where F can meet it exactly
    dragBy(f, square(bar)->pos() - square(f)->pos());
    ASSERT_EQ(square(f)->pos(), square(bar)->pos());
    dragBy(bar, QPoint(0, 0));
    EXPECT_EQ(puzzle->client()->childAt(centreOf(bar)), square(f));
    EXPECT_EQ(pixel(centreOf(bar)), QColor(0, 255, 255));

    const TileShape before = puzzle->board().shape(11);
    press(centreOf(bar), Qt::RightButton);
    release(centreOf(bar), Qt::RightButton);
    EXPECT_EQ(puzzle->board().shape(11), before.quarterTurned());
    EXPECT_EQ(puzzle->board().shape(10), tiles()[10].start);

    // A tile dragged under the open help panel passes behind it.
    puzzle->mnuHelp_Click();
    const QPoint underPanel = view().PicHelp()->geometry().center();
    dragBy(bar, underPanel - centreOf(bar));
    EXPECT_TRUE(view().PicHelp()->isAncestorOf(puzzle->client()->childAt(underPanel)) ||
                puzzle->client()->childAt(underPanel) == view().PicHelp());
}

} // namespace
} // namespace intarsello::test
