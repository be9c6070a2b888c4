// SPDX-License-Identifier: GPL-3.0-or-later
// Thousands of random edits through the real text boxes of dealt triangles: typing, deleting, pasting and
// writing by code, with letters, signs, separators, blanks, exponents, very long and non-ASCII texts.
#include "cestaro/logic/CellText.h"
#include "cestaro/logic/Judge.h"
#include "cestaro/tests/ui/CestaroFixture.h"
#include "toolkit/ui/Label.h"

#include <QClipboard>
#include <random>

namespace cestaro::test {
namespace {

class CellFuzz : public CestaroFixture {
protected:
    // A random text: pieces of numbers and of everything that is not one.
    QString randomText(int maxPieces) {
        static const QStringList pieces{
            "0",  "1",     "7",   "42", "-",  "+",   ".",        ",",  "e",   "E",      " ",   "\t",
            "a",  "Z",     "é",   "−",  "٣",  "½",   "1e308",    "1e", "e+",  "0x1F",   "inf", "nan",
            "\n", "\r\n",  "€",   "😀",  "１", "1.5", "99999999", "%",  "'",   "\"",     "\\",  "00",
            "-0", "32767", "1E4", "e-", "..", "ß",   "\u00a0",   "̈",   "1 2", "65536.5"};
        QString text;
        const int count = 1 + static_cast<int>(engine() % static_cast<unsigned>(maxPieces));
        for (int i = 0; i < count; ++i)
            text += pieces[static_cast<int>(engine() % static_cast<unsigned>(pieces.size()))];
        return text;
    }
    QString longText() {
        const int length = 500 + static_cast<int>(engine() % 5000);
        QString text(length, QChar('9'));
        if (engine() % 2) text[static_cast<int>(engine() % static_cast<unsigned>(length))] = QChar('x');
        if (engine() % 2) text.prepend(QStringLiteral("0."));
        return text;
    }

    void oneEdit(int n) {
        QLineEdit* box = T(n);
        switch (engine() % 7) {
        case 0:
            typeKeys(box, randomText(3));
            break;
        case 1:
            QTest::keyClick(box, engine() % 2 ? Qt::Key_Backspace : Qt::Key_Delete);
            break;
        case 2:
            QTest::keyClick(box, Qt::Key_Home);
            typeKeys(box, randomText(2));
            break;
        case 3:
            QApplication::clipboard()->setText(engine() % 4 ? randomText(6) : longText());
            QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
            break;
        case 4:
            box->setText(engine() % 3 ? randomText(8) : longText());
            break;
        case 5:
            // A number, sometimes the right one: boards fill up and get judged.
            box->setText(QString::number(window->game().solution(n) + static_cast<int>(engine() % 3) - 1));
            break;
        default:
            box->setText(solutionText(n));
            break;
        }
    }

    void expectSound(int edit) {
        for (int n = 1; n <= 15; ++n) {
            const QString shown = text(n);
            const std::string& held = window->game().cell(n).text;
            ASSERT_EQ(shown.toStdString(), held) << "edit " << edit << " cell " << n;
            ASSERT_TRUE(held.empty() || CellText::isNumber(held))
                << "edit " << edit << " cell " << n << ": " << held;
            if (givens[static_cast<std::size_t>(n - 1)].has_value()) {
                ASSERT_EQ(shown, *givens[static_cast<std::size_t>(n - 1)])
                    << "edit " << edit << " given " << n;
                ASSERT_TRUE(T(n)->isReadOnly());
            }
        }
        ASSERT_EQ(view().Punteggio()->caption(), QString::number(15 * rightBoards));
        ASSERT_EQ(view().LivelloLBL()->caption(), QString::number(1 + rightBoards));
    }

    void rememberGivens() {
        for (int n = 1; n <= 15; ++n)
            givens[static_cast<std::size_t>(n - 1)] =
                T(n)->isReadOnly() ? std::optional<QString>(text(n)) : std::nullopt;
    }

    std::mt19937 engine{20240611};
    std::array<std::optional<QString>, 15> givens;
    int rightBoards = 0;
};

TEST_F(CellFuzz, RandomEditsLeaveNumbersOrNothingKeepTheGivensAndScoreOnlyRightTriangles) {
    window->mnuNew_Click(static_cast<int>(engine() % 3));
    rememberGivens();
    messages.whileShown = [&](const auto&) {
        // Scored boards must be right: the sum rule everywhere and the dealt apex.
        Judge::Values values{};
        for (int n = 1; n <= 15; ++n)
            values[static_cast<std::size_t>(n)] = CellText::value(text(n).toStdString());
        EXPECT_TRUE(Judge::judge(values, window->game().solution(1)).right);
        ++rightBoards;
    };
    constexpr int kEdits = 4000;
    for (int edit = 0; edit < kEdits; ++edit) {
        const int n = 1 + static_cast<int>(engine() % 15);
        const int before = rightBoards;
        if (edit % 250 == 249) {
            // Now and then the pupil gets it right: every open cell in turn receives its solution.
            for (int k : openCells())
                T(k)->setText(solutionText(k));
        } else {
            oneEdit(n);
        }
        QCoreApplication::processEvents();
        if (rightBoards != before) rememberGivens(); // the next triangle is on the board
        expectSound(edit);
        if (HasFatalFailure()) return;
    }
    EXPECT_GE(rightBoards, kEdits / 250) << "too few right triangles: the fuzz tests too little";
    EXPECT_EQ(sound.played.size(), static_cast<std::size_t>(rightBoards));
}

} // namespace
} // namespace cestaro::test
