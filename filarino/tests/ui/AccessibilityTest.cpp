// SPDX-License-Identifier: GPL-3.0-or-later
// Screen readers in filarino: the names of what the pupil acts on or reads in the start window and the
// exercise windows, and the news of a filled box, a verdict and the results table.
#include "filarino/tests/ui/FilarinoFixture.h"
#include "filarino/tests/ui/FrmInizioPiuTesting.h"
#include "filarino/tests/ui/frmTabellinaTesting.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/ScreenReader.h"

#include <QComboBox>
#include <QMenuBar>
#include <QTest>

namespace filarino::test {
namespace {

using tk::ui::InWindowDrag;
using tk::ui::testing::ScreenReader;

enum class Kind { Operation, TimesTable };

class FilarinoAccessibility : public FilarinoFixture {
protected:
    // Opens the exercise with the range 1 to 10 through its backdrop, as a range button does.
    ui::ExerciseWindow& open(Kind kind) {
        modulo.NumeroMinimo = 1;
        modulo.NumeroMassimo = 10;
        if (kind == Kind::Operation)
            shell->loadForm11();
        else
            shell->loadForm12();
        settle();
        ui::ExerciseWindow* window = shell->exerciseWindow();
        EXPECT_TRUE(window && QTest::qWaitForWindowExposed(window));
        return *window;
    }

    // Fills the boxes with the keys of `perRow` and `rows`, as a drag over each box would.
    static void answer(ui::ExerciseWindow& window, int perRow, int rows) {
        window.LblNumero1_DragOver(window.keys()[static_cast<std::size_t>(perRow - 1)],
                                   InWindowDrag::DragState::Enter);
        window.LblNumero2_DragOver(window.keys()[static_cast<std::size_t>(rows - 1)],
                                   InWindowDrag::DragState::Enter);
    }
};

TEST_F(FilarinoAccessibility, StartWindowNamesTheListTheButtonsAndTheMenuWithoutItsGap) {
    ScreenReader reader;
    shell->loadForm1();
    ui::FrmInizioPiu& start = *shell->frmInizioPiu();
    const ui::FrmInizioPiuTesting view(start);

    // Qt on Linux would name a drop-down list by its chosen item.
    EXPECT_EQ(reader.role(view.Combo1()), QAccessible::ComboBox);
    EXPECT_EQ(reader.name(view.Combo1()), "Esercizio");
    EXPECT_EQ(reader.value(view.Combo1()), "Dallo filarino all'operazione");
    view.Combo1()->setCurrentIndex(1);
    EXPECT_EQ(reader.name(view.Combo1()), "Esercizio");
    EXPECT_NE(reader.value(view.Combo1()), "Dallo filarino all'operazione");
    const std::pair<tk::ui::Button*, const char*> buttons[] = {{view.Command1(), "Numeri da 1 a 4"},
                                                               {view.Command2(), "Numeri da 4 a 7"},
                                                               {view.Command3(), "Numeri da 6 a 10"},
                                                               {view.Command4(), "Numeri da 1 a 10"},
                                                               {view.Command9(), "Esci"}};
    for (const auto& [button, spoken] : buttons) {
        EXPECT_EQ(reader.role(button), QAccessible::Button) << spoken;
        EXPECT_EQ(reader.name(button), spoken);
    }
    EXPECT_EQ(reader.role(view.Label4()), QAccessible::StaticText);
    EXPECT_EQ(reader.name(view.Label4()), "FILARINO");
    EXPECT_EQ(reader.name(view.Label6()), "Esercitazioni");
    EXPECT_EQ(reader.name(view.Label3()), "Ideazione, progettazione e realizzazione:");
    // The portraits only decorate: a reader passes over every one of them.
    ASSERT_GT(view.Image2().upperBound(), 1);
    for (int i = 0; i < view.Image2().upperBound(); ++i)
        if (view.Image2()[i]) {
            EXPECT_TRUE(reader.interfaceOf(view.Image2()[i])->state().invisible) << i;
        }
    EXPECT_EQ(ScreenReader::entryNames(start.menuBar()), (QStringList{"Esci", "Autore"}));
}

class EachExerciseWindowRead : public FilarinoAccessibility, public ::testing::WithParamInterface<Kind> {};

INSTANTIATE_TEST_SUITE_P(Windows, EachExerciseWindowRead,
                         ::testing::Values(Kind::Operation, Kind::TimesTable),
                         [](const ::testing::TestParamInfo<Kind>& info) {
                             return std::string(info.param == Kind::Operation ? "Operation" : "TimesTable");
                         });

TEST_P(EachExerciseWindowRead, NamesKeysBoxesVerdictAndResultCells) {
    const Kind kind = GetParam();
    ScreenReader reader;
    ui::ExerciseWindow& window = open(kind);
    const ui::ExerciseWindowTesting view(window);
    for (int value = 1; value <= 10; ++value) {
        tk::ui::Label* key = window.keys()[static_cast<std::size_t>(value - 1)];
        EXPECT_EQ(reader.role(key), QAccessible::StaticText);
        EXPECT_EQ(reader.name(key), QStringLiteral("Tasto %1").arg(value));
        EXPECT_EQ(reader.value(key), QString::number(value));
    }
    EXPECT_EQ(reader.name(view.frmTastierino()), "TASTIERINO");
    EXPECT_EQ(reader.role(view.frmTastierino()), QAccessible::Grouping);
    EXPECT_EQ(reader.name(view.LblNumero1()), "Pallini in una riga");
    EXPECT_EQ(reader.name(view.LblNumero2()), "Numero di righe");
    EXPECT_EQ(reader.name(view.LblPer()), "per");
    EXPECT_EQ(reader.name(view.LblEsito()), "Esito");
    EXPECT_EQ(reader.value(view.LblEsito()), "");
    EXPECT_EQ(reader.name(view.LblIstruzione()), "Clicca il pulsante \"Nuovo filarino\"");
    EXPECT_EQ(reader.name(view.frmElaborazione()), "ELABORAZIONE");
    const std::pair<tk::ui::Label*, const char*> cells[] = {{view.lblOperazione(), "Operazioni"},
                                                            {view.lblRisEsatte(), "Risposte esatte"},
                                                            {view.lblRisErrate(), "Risposte errate"},
                                                            {view.lblTempoParziale(), "Tempo parziale"},
                                                            {view.lblTempoTotale(), "Tempo totale"}};
    for (const auto& [cell, spoken] : cells)
        EXPECT_EQ(reader.name(cell), spoken);
    EXPECT_EQ(reader.interfaceOf(view.lblTempoParziale())->text(QAccessible::Description),
              "Secondi impiegati per ogni risposta");
    EXPECT_EQ(reader.name(view.CmdOperazione()), "Nuovo filarino");
    EXPECT_EQ(reader.name(view.CmdVerifica()), "Controlla");
    EXPECT_EQ(reader.name(view.CmdFine()), "Esci");
    EXPECT_TRUE(reader.interfaceOf(view.Image2())->state().invisible) << "the arrow only decorates";
    EXPECT_EQ(ScreenReader::entryNames(window.menuBar()),
              kind == Kind::Operation ? QStringList{"Esci"} : (QStringList{"Esci", "Autore"}));
}

TEST_F(FilarinoAccessibility, RightAnswerIsToldThroughBoxesVerdictProductAndTable) {
    ScreenReader reader;
    auto& window = static_cast<ui::frmTabellina&>(open(Kind::TimesTable));
    const ui::frmTabellinaTesting view(window);
    window.CmdOperazione_Click();
    EXPECT_EQ(reader.textsOf(view.lblOperazione()), std::vector<QString>{"1"});
    const int perRow = window.exercise().PalliniPerRiga(), rows = window.exercise().NumeroRighe();
    reader.clear();

    answer(window, perRow, rows);
    EXPECT_EQ(reader.textsOf(view.LblNumero1()), std::vector<QString>{QString::number(perRow)});
    EXPECT_EQ(reader.value(view.LblNumero2()), QString::number(rows));
    clock.advance(8);
    window.CmdVerifica_Click();

    EXPECT_EQ(reader.textsOf(view.LblEsito()), std::vector<QString>{"Esatto"});
    EXPECT_EQ(reader.value(view.LblEsito()), "Esatto");
    EXPECT_EQ(reader.name(view.LblVolte()), "fa");
    EXPECT_EQ(reader.about(view.LblVolte(), QAccessible::NameChanged).size(), 1u);
    EXPECT_EQ(reader.name(view.lblRisultato()), "Risultato");
    EXPECT_EQ(reader.textsOf(view.lblRisultato()), std::vector<QString>{QString::number(perRow * rows)});
    EXPECT_EQ(reader.textsOf(view.lblRisEsatte()), std::vector<QString>{"1"});
    EXPECT_TRUE(reader.textsOf(view.lblRisErrate()).empty());
    EXPECT_EQ(reader.value(view.lblTempoParziale()), "8");
    EXPECT_EQ(reader.about(view.LblIstruzione(), QAccessible::NameChanged).size(), 1u);
}

TEST_F(FilarinoAccessibility, WrongAnswerIsToldAndTheNextArrayClearsTheVerdict) {
    ScreenReader reader;
    ui::ExerciseWindow& window = open(Kind::Operation);
    const ui::ExerciseWindowTesting view(window);
    window.CmdOperazione_Click();
    const int perRow = window.exercise().PalliniPerRiga(), rows = window.exercise().NumeroRighe();
    answer(window, perRow == 10 ? 9 : perRow + 1, rows);
    reader.clear();
    window.CmdVerifica_Click();
    EXPECT_EQ(reader.textsOf(view.LblEsito()), std::vector<QString>{"Errato"});
    EXPECT_EQ(reader.textsOf(view.lblRisErrate()), std::vector<QString>{"1"});
    EXPECT_TRUE(reader.textsOf(view.lblRisEsatte()).empty());

    reader.clear();
    window.CmdOperazione_Click();
    EXPECT_EQ(reader.textsOf(view.LblEsito()), std::vector<QString>{""});
    EXPECT_EQ(reader.value(view.LblEsito()), "");
    EXPECT_EQ(reader.textsOf(view.lblOperazione()), std::vector<QString>{"2"});
}

} // namespace
} // namespace filarino::test
