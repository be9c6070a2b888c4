// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers in intarsello: tiles named by letter and colour, the instructions, the menu and the help
// panel, whose text is told when the reveal ends.
#include "intarsello/logic/Tile.h"
#include "intarsello/tests/ui/PuzzleFixture.h"
#include "intarsello/ui/HelpPanel.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/testing/ScreenReader.h"

#include <QMenuBar>

namespace intarsello::test {
namespace {

using tk::ui::testing::ScreenReader;
using PuzzleAccessibility = PuzzleFixture;

TEST_F(PuzzleAccessibility, EverySquareIsAGraphicNamedAfterItsTile) {
    const char* names[kTileCount] = {
        "Tassello L nero",     "Tassello X blu scuro", "Tassello U verde scuro",  "Tassello T verde acqua",
        "Tassello Z bordeaux", "Tassello Y viola",     "Tassello V verde oliva",  "Tassello W grigio chiaro",
        "Tassello P grigio",   "Tassello N blu",       "Tassello I verde chiaro", "Tassello F azzurro"};
    for (int i = 0; i < Board::kCellCount; ++i) {
        EXPECT_EQ(ScreenReader::role(square(i)), QAccessible::Graphic) << i;
        EXPECT_EQ(ScreenReader::name(square(i)), names[Board::tileOf(i)]) << i;
    }
    // Moving a tile keeps its squares' names.
    dragBy(37, {48, 0});
    EXPECT_EQ(ScreenReader::name(square(37)), "Tassello W grigio chiaro");
}

TEST_F(PuzzleAccessibility, InstructionsMenuAndHelpPanelAreNamed) {
    EXPECT_EQ(ScreenReader::role(view().Label3()), QAccessible::StaticText);
    EXPECT_EQ(ScreenReader::name(view().Label3()),
              "Per ruotare un tassello cliccalo con il tasto destro del mouse.");
    EXPECT_EQ(ScreenReader::entryNames(puzzle->menuBar()), (QStringList{"Info", "Help"}));

    ui::HelpPanel& panel = *view().PicHelp();
    EXPECT_EQ(ScreenReader::role(&panel), QAccessible::Grouping);
    EXPECT_EQ(ScreenReader::name(&panel), "Aiuto");
    for (int i = 0; i < ui::HelpPanel::kExamples; ++i)
        EXPECT_EQ(ScreenReader::name(panel.PicSoluzione[static_cast<std::size_t>(i)]),
                  QStringLiteral("Esempio di soluzione %1").arg(i + 1));
    EXPECT_EQ(ScreenReader::name(panel.OKButton), "OK");
}

TEST_F(PuzzleAccessibility, EndOfTheRevealTellsTheNewHelpText) {
    ScreenReader reader;
    for (int tick = 1; tick < 1196; ++tick)
        puzzle->Timer1_Timer();
    ui::HelpPanel& panel = *view().PicHelp();
    EXPECT_TRUE(reader.about(panel.Label5, QAccessible::NameChanged).empty());
    puzzle->Timer1_Timer();
    EXPECT_EQ(reader.about(panel.Label5, QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(reader.name(panel.Label5),
              QString::fromUtf8("Questo gioco di intarsello può essere risolto in duemila modi diversi. "
                                "Ecco alcuni esempi:"));
}

} // namespace
} // namespace intarsello::test
