// intarsello on a scaled screen: the grid, the tiles and the help panel in the same logical places as on a
// plain screen, and painted crisply.
#include "PuzzleFixture.h"
#include "RatioImages.h"
#include "ScaleOneRun.h"
#include "WindowCrispness.h"
#include "WindowLayout.h"

#include <functional>

namespace intarsello::test {
namespace {

class IntarselloScreens : public PuzzleFixture {
protected:
    // Shows `look` the puzzle window as the pupil meets it: at the start; with a tile moved and turned; with
    // the help panel open halfway through its reveal.
    void visitWindow(const std::function<void(QWidget*)>& look) {
        puzzle->Timer1.stop(); // the reveal moves on only when told
        look(puzzle);
        dragBy(0, {53, 37}); // off the lattice: the release snaps the tile
        press(centreOf(7), Qt::RightButton);
        release(centreOf(7), Qt::RightButton);
        look(puzzle);
        for (int tick = 0; tick < 600; ++tick)
            puzzle->Timer1_Timer();
        puzzle->mnuHelp_Click();
        puzzle->Timer1_Timer();
        ASSERT_TRUE(puzzle->PicHelp->isVisible());
        look(puzzle);
    }
};

TEST_F(IntarselloScreens, ControlsKeepTheirLogicalPlaces) {
    EXPECT_EQ(scaling::screenRatio(), scaling::intendedRatio());
    QStringList layout = scaling::layoutOf(form1);
    visitWindow([&](QWidget* window) { layout << scaling::layoutOf(window); });
    if (scaling::handBackToParent(layout)) return;
    const QStringList plain = scaling::linesAtScaleOne();
    EXPECT_EQ(layout, plain) << scaling::differences(plain, layout).toStdString();
}

TEST_F(IntarselloScreens, WindowPaintsCrisply) {
    visitWindow([](QWidget* window) { scaling::expectCrisp(window, scaling::screenRatio()); });
}

} // namespace
} // namespace intarsello::test
