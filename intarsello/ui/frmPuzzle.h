// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle window: instructions, the grid, the twelve tiles played with the mouse, the keyboard or a
// finger, the help panel with its slow reveal, and the information box.
#pragma once

#include "intarsello/logic/Geometry.h"
#include "intarsello/ui/HelpPanel.h"
#include "intarsello/ui/TileSquare.h"
#include "toolkit/ui/ControlArray.h"
#include "toolkit/ui/Window.h"

#include <QTimer>
#include <cstdint>
#include <memory>

class QAction;

namespace tk::ui {
class Label;
class MessageBoxes;
} // namespace tk::ui

// The model is kept out of this header: moc cannot read the C++20 library headers it includes.
namespace intarsello {
class Board;
class RevealTimeline;
} // namespace intarsello

namespace intarsello::ui {

class SelectionOutline;

class frmPuzzle : public tk::ui::Window {
    Q_OBJECT
public:
    static constexpr tk::ui::WindowExtent kExtent{kClientWidthTwips, kClientHeightTwips, true};

    // `owner` is the backdrop the window stands in front of. The window is loaded at once (Form_Load).
    frmPuzzle(QWidget* owner, tk::ui::MessageBoxes& messages);
    ~frmPuzzle() override;

    // Event handlers, public so that tests can drive them as the player would. Mouse positions are in
    // twips relative to the square's top-left corner as the board holds it; buttons and keys are
    // MouseButtons and ModifierKeys bits.
    void Form_Load();
    void Form_Activate();
    void cell_MouseDown(int index, unsigned button, unsigned shift, double xTwips, double yTwips);
    void cell_MouseMove(int index, unsigned heldButtons, unsigned shift, double xTwips, double yTwips);
    void cell_MouseUp(int index, unsigned button, unsigned shift, double xTwips, double yTwips);
    void mnuInfo_Click();
    void mnuHelp_Click();
    void OKButton_Click();
    void Timer1_Timer();

    const Board& board() const { return *board_; }
    // The tile chosen with Tab or Shift+Tab, which the arrows, Space, R and M act on; -1 until then.
    int selectedTile() const { return selected_; }
    std::int16_t RevealCount() const;
    // The nine lines of the information box, joined by CR LF.
    static QString infoText();

protected:
    void onActivate() override;
    void queryUnload() override;
    // Tab and Shift+Tab: the next or previous tile by number, round and round (the help panel's OK too, while
    // it shows).
    bool focusNextPrevChild(bool next) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    friend class frmPuzzleTesting;

    void buildMenu();
    void buildLabels();
    void buildSquares();
    void SetupTiles();
    void apply(const MouseEvent& event);
    // Puts the five squares of `tile` where the board holds them.
    void showTile(int tile);
    // Chooses `tile` (-1: none) and rings it.
    void select(int tile);
    // The board operation of a key on the selected tile; false when the key has none.
    bool applyKey(int key, Qt::KeyboardModifiers modifiers);
    void cellMouse(int index, MouseEventKind kind, unsigned button, unsigned heldButtons, unsigned modifiers,
                   QPoint pointerTwips);

    QAction* mnuInfo = nullptr;
    QAction* mnuHelp = nullptr;
    tk::ui::Label* Label2 = nullptr;
    tk::ui::Label* Label3 = nullptr;
    tk::ui::Label* Label4 = nullptr;
    tk::ui::ControlArray<TileSquare> cell{nullptr};
    SelectionOutline* selectionOutline = nullptr;
    HelpPanel* PicHelp = nullptr;
    QTimer Timer1;

    tk::ui::MessageBoxes& messages_;
    std::unique_ptr<Board> board_;
    std::unique_ptr<RevealTimeline> reveal_;
    int selected_ = -1;
};

} // namespace intarsello::ui
