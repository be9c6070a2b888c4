// SPDX-License-Identifier: GPL-3.0-or-later
// cestaro on a scaled screen: the triangle, the score panel and the instructions in the same logical places
// as on a plain screen, and painted crisply.
#include "cestaro/tests/ui/CestaroFixture.h"
#include "cestaro/tests/ui/frmAboutTesting.h"
#include "tests/scaling/ProgramScreens.h"

#include <functional>

namespace cestaro::test {
namespace {

class CestaroScreens : public CestaroFixture {
protected:
    // Shows `look` each window as the pupil meets it: the glowing board; a triangle being solved; the
    // instructions.
    void visitWindows(const std::function<void(QWidget*)>& look) {
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.data()));
        view().DEMO().stop(); // the glow moves on only when told
        window->DEMO_Timer();
        look(window);
        window->mnuNew_Click(1);
        const int first = openCells().front();
        type(first, solutionText(first));
        look(window);
        ui::frmAbout about(window);
        const ui::frmAboutTesting aboutView(about);
        aboutView.Timer1().stop();
        about.showModeless();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&about));
        look(&about);
    }
};

TEST_F(CestaroScreens, ControlsKeepTheirLogicalPlaces) {
    scaling::expectLayoutAsAtScaleOne([this](const auto& look) { visitWindows(look); });
}

TEST_F(CestaroScreens, WindowsPaintCrisply) {
    scaling::expectCrispWindows([this](const auto& look) { visitWindows(look); });
}

} // namespace
} // namespace cestaro::test
