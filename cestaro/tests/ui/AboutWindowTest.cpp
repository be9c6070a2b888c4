// SPDX-License-Identifier: GPL-3.0-or-later
// The instructions window: layout, the example puzzle shown alone for three seconds, then puzzle and
// solution in turn, and a fresh start at each opening.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "cestaro/tests/ui/frmAboutTesting.h"
#include "toolkit/ui/Button.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Resources.h"

#include <QElapsedTimer>
#include <QMenuBar>
#include <QTimer>
#include <QWindow>

namespace cestaro::test {
namespace {

using AboutWindow = CestaroFixture;

// Opens the instructions from the menu and runs `whileOpen` on them; they close afterwards.
void withInstructions(ui::frmGame& game, const std::function<void(ui::frmAbout&)>& whileOpen) {
    QTimer::singleShot(0, &game, [&game, whileOpen] {
        ui::frmAbout* about = game.about();
        if (!about) return;
        whileOpen(*about);
        about->Command1_Click();
    });
    game.mnuinfo_Click();
}

TEST_F(AboutWindow, LayoutFollowsTheTable) {
    ui::frmAbout about(window);
    const ui::frmAboutTesting aboutView(about);
    EXPECT_EQ(about.windowTitle(), "ISTRUZIONI");
    EXPECT_EQ(about.client()->size(), QSize(592, 461));
    EXPECT_EQ(about.client()->background(), QApplication::palette().color(QPalette::Window));
    EXPECT_EQ(aboutView.Label1()->pos(), QPoint(7, 10));
    EXPECT_EQ(aboutView.Label1()->size(), QSize(577, 42));
    EXPECT_EQ(aboutView.Label1()->caption(),
              "La cestaro è composta da 15 cerchietti bianchi. All'inizio del gioco in "
              "alcuni di questi cerchietti compaiono dei numeri scritti in rosso.");
    EXPECT_EQ(aboutView.Label2()->pos(), QPoint(4, 360));
    EXPECT_EQ(
        aboutView.Label2()->caption(),
        "Devi completare la cestaro inserendo i numeri che mancano nei cerchietti vuoti. Per inserire un "
        "numero, clicca un cerchietto, poi scrivi il numero con la tastiera. Non è necessario premere il "
        "tasto ENTER.");
    for (tk::ui::Label* label : {aboutView.Label1(), aboutView.Label2()}) {
        EXPECT_EQ(label->font().pixelSize(), 16);
        EXPECT_FALSE(label->font().bold());
        // The wrapped caption fits its box.
        const QRect needed =
            QFontMetrics(label->font()).boundingRect(label->rect(), Qt::TextWordWrap, label->caption());
        EXPECT_LE(needed.height(), label->height()) << label->caption().toStdString();
    }
    EXPECT_EQ(aboutView.Image1()->pos(), QPoint(119, 68));
    EXPECT_EQ(aboutView.Command1()->geometry(), QRect(528, 421, 57, 33));
    EXPECT_EQ(aboutView.Command1()->text(), "ESCI");
    EXPECT_EQ(aboutView.Command1()->font().pixelSize(), 11);
}

TEST_F(AboutWindow, PicturesAreShownWholeWhenTheyArePresent) {
    if (!tk::ui::hasResource(QStringLiteral("BITMAP"), 101)) GTEST_SKIP() << "bitmaps not embedded";
    ui::frmAbout about(window);
    const ui::frmAboutTesting aboutView(about);
    EXPECT_EQ(aboutView.Image1()->picture().size(), QSize(313, 284));
    EXPECT_GE(aboutView.Image1()->height(), 284) << "an image element is never smaller than its picture";
    about.Timer1_Timer();
    EXPECT_EQ(aboutView.Image1()->picture().size(), QSize(313, 284));
}

TEST_F(AboutWindow, PuzzleAloneForThreeSecondsThenPuzzleAndSolutionInTurn) {
    ui::frmAbout about(window);
    const ui::frmAboutTesting aboutView(about);
    EXPECT_EQ(aboutView.Image1()->pictureId(), 101);
    EXPECT_EQ(aboutView.PictureFlag(), 0);
    EXPECT_TRUE(aboutView.Timer1().isActive());
    EXPECT_EQ(aboutView.Timer1().interval(), 3000);
    for (int tick = 0; tick < 4; ++tick) {
        about.Timer1_Timer();
        EXPECT_EQ(aboutView.Timer1().interval(), 300);
        EXPECT_EQ(aboutView.Image1()->pictureId(), tick % 2 == 0 ? 102 : 101) << tick;
        EXPECT_EQ(aboutView.PictureFlag(), tick % 2 == 0 ? 1 : 0) << tick;
    }
}

TEST_F(AboutWindow, TheFirstChangeComesAfterThreeSecondsOfRealTimeAndTheNextSoonAfter) {
    ui::frmAbout about(window);
    const ui::frmAboutTesting aboutView(about);
    about.show();
    QElapsedTimer elapsed;
    elapsed.start();
    std::vector<qint64> changes;
    int shown = aboutView.Image1()->pictureId();
    // Upper bounds are loose: a loaded machine (sanitizers, tests running side by side) delivers ticks late,
    // never early.
    while (changes.size() < 2 && elapsed.elapsed() < 8000) {
        QTest::qWait(10);
        if (aboutView.Image1()->pictureId() != shown) {
            shown = aboutView.Image1()->pictureId();
            changes.push_back(elapsed.elapsed());
        }
    }
    ASSERT_EQ(changes.size(), 2u);
    EXPECT_GE(changes[0], 2950);
    EXPECT_LE(changes[0], 5000);
    EXPECT_GE(changes[1] - changes[0], 280);
    EXPECT_LE(changes[1] - changes[0], 1500);
}

TEST_F(AboutWindow, EveryOpeningStartsAgainWithThePuzzleAndTheLongPause) {
    ui::frmAbout* first = nullptr;
    withInstructions(*window, [&](ui::frmAbout& about) {
        const ui::frmAboutTesting aboutView(about);
        first = &about;
        about.Timer1_Timer();
        EXPECT_EQ(aboutView.Image1()->pictureId(), 102);
    });
    EXPECT_NE(first, nullptr);
    bool reopened = false;
    withInstructions(*window, [&](ui::frmAbout& about) {
        const ui::frmAboutTesting aboutView(about);
        reopened = true;
        EXPECT_EQ(aboutView.Image1()->pictureId(), 101);
        EXPECT_EQ(aboutView.PictureFlag(), 0);
        EXPECT_EQ(aboutView.Timer1().interval(), 3000);
        EXPECT_TRUE(aboutView.Timer1().isActive());
    });
    EXPECT_TRUE(reopened);
    settle();
    EXPECT_EQ(window->about(), nullptr);
}

// A plain top-level window could be buried under the window it blocks by a taskbar click, and the game
// looked frozen.
TEST_F(AboutWindow, TheInstructionsBelongToTheGameWindowAndOpenCentredOnIt) {
    window->move(40, 30); // the pupil has moved the game aside
    ASSERT_TRUE(QTest::qWaitForWindowExposed(window));
    bool checked = false;
    QTimer::singleShot(0, window, [&] {
        ui::frmAbout* about = window->about();
        ASSERT_NE(about, nullptr);
        checked = true;
        EXPECT_EQ(about->windowType(), Qt::Dialog);
        EXPECT_EQ(about->windowHandle()->transientParent(), window->windowHandle());
        EXPECT_TRUE(about->isModal());
        EXPECT_LE((about->geometry().center() - window->geometry().center()).manhattanLength(), 3);
        about->Command1_Click();
    });
    // The menu's "ISTRUZIONI", clicked.
    QMenuBar* menu = window->menuBar();
    tk::ui::testing::click(menu, menu->actionGeometry(view().mnuinfo()).center());
    EXPECT_TRUE(checked);
}

TEST_F(AboutWindow, TheCloseBoxClosesOnlyTheInstructions) {
    withInstructions(*window, [](ui::frmAbout& about) { about.close(); });
    settle();
    EXPECT_EQ(window->about(), nullptr);
    EXPECT_EQ(ended->count(), 0);
    EXPECT_TRUE(window->isVisible());
}

} // namespace
} // namespace cestaro::test
