// SPDX-License-Identifier: GPL-3.0-or-later
// intarsello on a scaled screen: the grid, the tiles and the help panel in the same logical places as on a
// plain screen, and painted crisply.
#include "intarsello/tests/ui/PuzzleFixture.h"
#include "tests/scaling/ProgramScreens.h"

#include <functional>

namespace intarsello::test {
namespace {

class IntarselloScreens : public PuzzleFixture {
protected:
    // Shows `look` the puzzle window as the pupil meets it: at the start; with a tile moved and turned; with
    // the help panel open halfway through its reveal.
    void visitWindow(const std::function<void(QWidget*)>& look) {
        view().Timer1().stop(); // the reveal moves on only when told
        look(puzzle);
        dragBy(0, {53, 37}); // off the lattice: the release snaps the tile
        press(centreOf(7), Qt::RightButton);
        release(centreOf(7), Qt::RightButton);
        look(puzzle);
        for (int tick = 0; tick < 600; ++tick)
            puzzle->Timer1_Timer();
        puzzle->mnuHelp_Click();
        puzzle->Timer1_Timer();
        ASSERT_TRUE(view().PicHelp()->isVisible());
        look(puzzle);
    }
};

TEST_F(IntarselloScreens, ControlsKeepTheirLogicalPlaces) {
    scaling::expectLayoutAsAtScaleOne([this](const auto& look) { visitWindow(look); });
}

TEST_F(IntarselloScreens, WindowPaintsCrisply) {
    scaling::expectCrispWindows([this](const auto& look) { visitWindow(look); });
}

} // namespace
} // namespace intarsello::test
