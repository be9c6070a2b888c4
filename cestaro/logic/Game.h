// SPDX-License-Identifier: GPL-3.0-or-later
// The state of one cestaro game and the steps the main window drives: level choice, deal, edits, reward.
#pragma once

#include "cestaro/logic/Board.h"

#include <string_view>

namespace tk {
class Random;
}

namespace cestaro {

// The model is the truth about the cells: the window shows cell(n) after every call that changes the
// board, and hands every change of a cell's text to CN. Writing into a cell the text the model already
// holds is no change, so the window may apply a whole board in any order without anything being judged.
class Game {
public:
    static constexpr int kLevels = 3; // 1 "Facile", 2 "Medio", 3 "Difficile"
    static constexpr int kPointsPerTriangle = 15;
    static constexpr int kDrawsOfGivens = 10;
    static constexpr int kFewestGivens = 7; // a deal with fewer is dealt again

    // What the window does after an edit.
    struct EditOutcome {
        bool refused = false; // the cell is locked: its text stays; show cell(n).text again
        bool wiped = false;   // not a number: the cell is now empty; empty it too, caret at 0
        bool judged = false;  // all 15 cells held text and the triangle was judged
        bool solved = false;  // it is right: play the sound, show the message, move the focus away from
                              // the cells, then call rewardSolved()
    };

    // The window's load: solution and sum checks cleared, cells empty, Score 0, TriangleNumber 0, no
    // Level, GameReady false. `random` must outlive the game (the window seeds it from the clock).
    explicit Game(tk::Random& random);

    // A click on level item 0..2: GameReady false, Level index + 1, TriangleNumber 1, Score 0 if any cell
    // holds text, then NewGame. Any other index changes nothing and returns false. The check marks, the
    // end of the glow and the white board are the window's.
    bool chooseLevel(int index);

    // Deals a triangle at the current Level and puts it in play: 7 to 10 givens, red, locked, showing
    // their solution; every other cell empty, unlocked, blue. GameReady is false until the deal ends.
    // Draws 5 base values then 10 givens from the random source, again for each repeated deal.
    void NewGame();

    // A change of the text of cell 1..15 to `text` (UTF-8). While GameReady, a text that is not a number
    // is wiped, then a full board is judged. Before the first deal the text is only kept. A cell number
    // outside 1..15 does nothing.
    EditOutcome CN(int cell, std::string_view text);

    // After the window has played the sound and closed the message of a solved triangle: Score + 15,
    // TriangleNumber + 1, and the next deal at the same Level. Returns false, changing nothing, when no
    // solved triangle awaits its reward (for instance when a level was chosen in between).
    bool rewardSolved();

    int level() const { return level_; } // 0 until a level is chosen
    int score() const { return score_; }
    int triangleNumber() const { return triangleNumber_; }
    bool gameReady() const { return gameReady_; }
    // A solved triangle is on the board and has not yet been rewarded; it is not judged again meanwhile.
    bool rewardPending() const { return rewardPending_; }
    // The givens of the triangle in play fix its apex; when they do not, any full triangle that obeys the
    // sum rule is right, whatever its apex.
    bool apexFixed() const { return apexFixed_; }

    const Board& board() const { return board_; }
    const CellView& cell(int n) const { return board_.cell(n); }
    int solution(int n) const { return board_.solution(n); }

private:
    // Judges the board when all 15 cells hold text.
    void CheckWin(EditOutcome& outcome);
    // Judges the full board and records the sum checks; true when the triangle is right.
    bool FASE2();
    void dealOnce();

    tk::Random& random_;
    Board board_;
    int level_ = 0;
    int score_ = 0;
    int triangleNumber_ = 0;
    bool gameReady_ = false;
    bool rewardPending_ = false;
    bool apexFixed_ = true;
};

} // namespace cestaro
