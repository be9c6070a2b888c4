// SPDX-License-Identifier: GPL-3.0-or-later
// The main window: the triangle, the score panel, the level menu, the instructions and the way out;
// it glows until a level is chosen, then deals triangle after triangle.
#pragma once

#include "cestaro/logic/DemoGlow.h"
#include "cestaro/logic/Game.h"
#include "cestaro/ui/frmAbout.h"
#include "toolkit/ui/Services.h"
#include "toolkit/ui/Window.h"

#include <QPointer>
#include <QTimer>
#include <array>

class QAction;
class QLineEdit;
class QMenu;

namespace tk::ui {
class Button;
class Label;
class Shape;
} // namespace tk::ui

namespace cestaro::ui {

class BoardView;

class frmGame : public tk::ui::Window {
    Q_OBJECT
public:
    // The largest window of the program: the instructions are as large with no menu bar.
    static constexpr tk::ui::WindowExtent kExtent{8880, 6615, true};

    // Builds the window and runs its load; show it with showModeless().
    explicit frmGame(tk::ui::Services services);
    ~frmGame() override;

    // Event handlers, public so that tests can drive them as the pupil would.
    void Form_Load();
    void DEMO_Timer();
    void mnuNew_Click(int index);
    void mnuinfo_Click();
    void mnuexit_Click();
    void Command1_Click();
    // The change of the text of T1..T15: each cell hands itself to CN.
    void T_Change(int n);

    // Circles Shape1..Shape15, then the backgrounds of T1..T15, all in the colour (R, G, B), 0..255 each.
    void Colora(int R, int G, int B);
    // Every cell background and circle in the desktop's window colour.
    void AWhite();

    // Text boxes T1..T15 and circles Shape1..Shape15.
    QLineEdit* T(int n) const;
    tk::ui::Shape* Shape(int n) const;
    const BoardView& board() const { return *board_; }
    const Game& game() const { return game_; }
    const DemoGlow& glow() const { return glow_; }
    // The instructions window while it is open.
    frmAbout* about() const { return about_; }

signals:
    // The program should end now (emitted once).
    void ended();

protected:
    void queryUnload() override;

private:
    friend class frmGameTesting;

    void buildScorePanel();
    void buildMenu();
    // The success sequence of a right triangle, run from the event loop right after the change that
    // completed it: sound, message, focus away, points, next triangle.
    void rewardTriangle();
    // Puts every cell of the model on the board, the score and the triangle number in their labels.
    void showGame();
    void endProgram();

    tk::ui::Shape *Shape17 = nullptr, *Shape18 = nullptr;
    tk::ui::Label *Label2 = nullptr, *Punteggio = nullptr, *Label5 = nullptr, *LivelloLBL = nullptr;
    tk::ui::Button* Command1 = nullptr;
    // The focus holder: hidden behind T2, it takes the caret away from the cells after a solved triangle.
    QLineEdit* Text1 = nullptr;
    QTimer DEMO;
    QMenu* mnuGame = nullptr;
    std::array<QAction*, Game::kLevels> mnuNew{};
    QAction *mnuinfo = nullptr, *mnuexit = nullptr;

    tk::ui::Services services_;
    Game game_;
    DemoGlow glow_;
    BoardView* board_ = nullptr;
    QPointer<frmAbout> about_;
    bool ended_ = false;
};

} // namespace cestaro::ui
