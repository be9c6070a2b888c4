// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers in cestaro: the cells named by their place in the triangle, the score panel, the menu and
// the instructions, and the news of a new triangle number and a new score.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "cestaro/tests/ui/frmAboutTesting.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/testing/ScreenReader.h"

#include <QMenu>
#include <QMenuBar>
#include <algorithm>

namespace cestaro::test {
namespace {

using tk::ui::testing::ScreenReader;
using CestaroAccessibility = CestaroFixture;

TEST_F(CestaroAccessibility, CellsAreEditableTextNamedByTheirPlaceInTheTriangle) {
    const std::pair<int, const char*> names[] = {
        {1, "Cerchio 1 (in alto)"},
        {2, "Cerchio 2 (riga 2, primo da sinistra)"},
        {3, "Cerchio 3 (riga 2, secondo da sinistra)"},
        {6, "Cerchio 6 (riga 3, terzo da sinistra)"},
        {10, "Cerchio 10 (riga 4, quarto da sinistra)"},
        {11, "Cerchio 11 (in basso, primo da sinistra)"},
        {15, "Cerchio 15 (in basso, quinto da sinistra)"},
    };
    for (const auto& [n, spoken] : names)
        EXPECT_EQ(ScreenReader::name(T(n)), spoken);
    for (int n = 1; n <= 15; ++n)
        EXPECT_EQ(ScreenReader::role(T(n)), QAccessible::EditableText) << n;

    // A dealt triangle: the givens read their numbers and cannot be edited; the others are empty.
    window->mnuNew_Click(0);
    for (int n = 1; n <= 15; ++n) {
        QAccessibleInterface* cell = ScreenReader::interfaceOf(T(n));
        const bool given = T(n)->isReadOnly();
        EXPECT_EQ(cell->state().readOnly, given) << n;
        EXPECT_EQ(cell->text(QAccessible::Value), given ? solutionText(n) : QString()) << n;
    }
}

TEST_F(CestaroAccessibility, ScorePanelMenuAndExitAreNamed) {
    EXPECT_EQ(ScreenReader::role(view().Punteggio()), QAccessible::StaticText);
    EXPECT_EQ(ScreenReader::name(view().Punteggio()), "Punti");
    EXPECT_EQ(ScreenReader::value(view().Punteggio()), "0");
    EXPECT_EQ(ScreenReader::name(view().LivelloLBL()), "Cestaro");
    EXPECT_EQ(ScreenReader::value(view().LivelloLBL()), "0");
    EXPECT_EQ(ScreenReader::name(view().Label2()), "Punti");
    EXPECT_EQ(ScreenReader::name(view().Label5()), "Cestaro");
    EXPECT_EQ(ScreenReader::role(view().Command1()), QAccessible::Button);
    EXPECT_EQ(ScreenReader::name(view().Command1()), "ESCI");
    EXPECT_EQ(ScreenReader::entryNames(window->menuBar()),
              (QStringList{"SCEGLI IL LIVELLO DI GIOCO", "ISTRUZIONI", "ESCI"}));

    // The drop-down of levels, read while closed: its items and the check mark.
    window->mnuNew_Click(1);
    QAccessibleInterface* levels = ScreenReader::interfaceOf(view().mnuGame());
    ASSERT_EQ(levels->childCount(), 3);
    const char* captions[] = {"Facile", "Medio", "Difficile"};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(levels->child(i)->text(QAccessible::Name), captions[i]);
        EXPECT_EQ(levels->child(i)->state().checked, i == 1) << i;
    }
}

TEST_F(CestaroAccessibility, NewTriangleNumberAndNewScoreAreTold) {
    ScreenReader reader;
    window->mnuNew_Click(0);
    EXPECT_EQ(reader.textsOf(view().LivelloLBL()), std::vector<QString>{"1"});
    EXPECT_TRUE(reader.textsOf(view().Punteggio()).empty());

    reader.clear();
    solve();
    EXPECT_EQ(reader.textsOf(view().Punteggio()), std::vector<QString>{"15"});
    EXPECT_EQ(reader.value(view().Punteggio()), "15");
    EXPECT_EQ(reader.textsOf(view().LivelloLBL()), std::vector<QString>{"2"});
    // The names stay: a reader hears "Punti" with its new value.
    EXPECT_TRUE(reader.about(view().Punteggio(), QAccessible::NameChanged).empty());
}

TEST_F(CestaroAccessibility, GivensAreToldApartByNameAndTheFocusHolderAndRingAreNotAnnounced) {
    QStringList plain;
    for (int n = 1; n <= 15; ++n)
        plain << ScreenReader::name(T(n));
    // Cells change from given to open and back between deals; the names follow.
    std::array<int, 16> givenIn{};
    for (int level = 0; level < 3; ++level) {
        window->mnuNew_Click(level);
        for (int n = 1; n <= 15; ++n) {
            const bool given = T(n)->isReadOnly();
            givenIn[static_cast<std::size_t>(n)] += given ? 1 : 0;
            EXPECT_EQ(ScreenReader::name(T(n)), given ? plain[n - 1] + ", numero in rosso" : plain[n - 1])
                << n;
        }
    }
    EXPECT_TRUE(std::any_of(givenIn.begin() + 1, givenIn.end(), [](int deals) {
        return deals == 1 || deals == 2;
    })) << "some cell was given in one deal and open in another";

    // A pupil's number is read as the value of a plainly named cell.
    const int n = openCells().front();
    type(n, "7");
    EXPECT_EQ(ScreenReader::name(T(n)), plain[n - 1]);
    EXPECT_EQ(ScreenReader::value(T(n)), "7");

    // The tree holds every cell and the way out, but neither the box that takes the focus after a solved
    // triangle nor the ring round the cell being typed into.
    ASSERT_TRUE(window->board().caretRing()->isVisible());
    const std::vector<QObject*> met = ScreenReader::announced(window);
    const auto meets = [&met](const QObject* object) {
        return std::find(met.begin(), met.end(), object) != met.end();
    };
    for (int cell = 1; cell <= 15; ++cell)
        EXPECT_TRUE(meets(T(cell))) << cell;
    EXPECT_TRUE(meets(view().Command1()));
    EXPECT_TRUE(meets(view().Punteggio()));
    EXPECT_FALSE(meets(view().Text1()));
    EXPECT_FALSE(meets(window->board().caretRing()));
    view().Text1()->setFocus();
    EXPECT_TRUE(ScreenReader::interfaceOf(view().Text1())->state().invisible);
    EXPECT_EQ(ScreenReader::name(view().Text1()), "");
}

TEST_F(CestaroAccessibility, InstructionsReadTheRulesAndNameTheExample) {
    ui::frmAbout about(window);
    const ui::frmAboutTesting aboutView(about);
    EXPECT_EQ(ScreenReader::name(aboutView.Label1()),
              "La cestaro è composta da 15 cerchietti bianchi. All'inizio del gioco in "
              "alcuni di questi cerchietti compaiono dei numeri scritti in rosso.");
    EXPECT_EQ(ScreenReader::role(aboutView.Image1()), QAccessible::Graphic);
    EXPECT_EQ(ScreenReader::name(aboutView.Image1()),
              "Esempio: una cestaro da completare e la sua soluzione");
    EXPECT_EQ(ScreenReader::name(aboutView.Command1()), "ESCI");
}

} // namespace
} // namespace cestaro::test
