// SPDX-License-Identifier: GPL-3.0-or-later
// Telling the program's windows apart: backdrops, working windows by title and size, boxes, pop-ups.
#include "tools/soak/Scene.h"

#include <gtest/gtest.h>

namespace soak {
namespace {

const Rect kScreen{0, 0, 1280, 1024};

WindowFacts facts(unsigned long id, std::string title, Rect area, bool overrideRedirect = false,
                  std::string type = "normal") {
    return {id, std::move(title), area, overrideRedirect, std::move(type)};
}

TEST(SceneTest, TellsEachKindOfWindowApart) {
    struct Case {
        const char* program;
        WindowFacts window;
        WindowKind kind;
    };
    const Case cases[] = {
        {"filarino", facts(1, "Form1", {0, 0, 1280, 1024}), WindowKind::Backdrop},
        {"filarino", facts(2, "FILARINO", {244, 220, 792, 554 + 21}), WindowKind::Working},
        {"filarino", facts(3, "  DALLO FILARINO ALL'OPERAZIONE", {244, 220, 792, 575}), WindowKind::Working},
        {"filarino", facts(4, "GIOCHIMATEMATICA.GITHUB.IO", {500, 400, 330, 180}), WindowKind::MessageBox},
        {"filarino", facts(5, "", {300, 300, 600, 120}, true, "combo"), WindowKind::Popup},
        {"filarino", facts(6, "", {300, 300, 180, 20}, true, "tooltip"), WindowKind::Tooltip},
        {"cestaro", facts(7, "ISTRUZIONI", {344, 281, 592, 461}), WindowKind::Working},
        {"cestaro", facts(8, "", {344, 319, 73, 60}, true, "dropdown_menu"), WindowKind::Popup},
        // The information box carries the puzzle window's title: only the size tells them apart.
        {"intarsello", facts(9, "Intarsello", {323, 288, 634, 428 + 19}), WindowKind::Working},
        {"intarsello", facts(10, "Intarsello", {400, 400, 480, 260}), WindowKind::MessageBox},
        {"intarsello", facts(11, "Intarsello", {323, 288, 634, 428 + 60}), WindowKind::MessageBox},
    };
    for (const Case& c : cases) {
        const Scene scene = Scene::classify({c.window}, *profileNamed(c.program), kScreen);
        ASSERT_EQ(scene.windows().size(), 1u);
        EXPECT_EQ(scene.windows()[0].kind, c.kind) << c.program << " window " << c.window.id;
    }
}

TEST(SceneTest, PlacesTheClientAreaBelowTheMenuBar) {
    const Scene scene = Scene::classify({facts(1, "LA CESTARO", {344, 302, 592, 441 + 17})},
                                        *profileNamed("cestaro"), kScreen);
    const SeenWindow& w = scene.windows()[0];
    EXPECT_EQ(w.client, (Rect{344, 319, 592, 441}));
    EXPECT_EQ(w.menuBar, (Rect{344, 302, 592, 17}));
    ASSERT_NE(w.profile, nullptr);
    EXPECT_EQ(w.profile->title, "LA CESTARO");
}

TEST(SceneTest, AWindowWithoutMenuHasNoMenuBarStrip) {
    const Scene scene =
        Scene::classify({facts(1, "ISTRUZIONI", {344, 281, 592, 461})}, *profileNamed("cestaro"), kScreen);
    EXPECT_TRUE(scene.windows()[0].menuBar.empty());
    EXPECT_EQ(scene.windows()[0].client, (Rect{344, 281, 592, 461}));
}

TEST(SceneTest, TopmostIsTheLastOfItsKindInStackingOrder) {
    const Scene scene = Scene::classify(
        {facts(1, "Form1", {0, 0, 1280, 1024}), facts(2, "FILARINO", {244, 220, 792, 575}),
         facts(3, "Credits", {500, 400, 330, 180}), facts(4, "Credits", {520, 420, 330, 180})},
        *profileNamed("filarino"), kScreen);
    EXPECT_EQ(scene.topmost(WindowKind::MessageBox)->facts.id, 4u);
    EXPECT_EQ(scene.topmost(WindowKind::Working)->facts.id, 2u);
    EXPECT_EQ(scene.topmost(WindowKind::Popup), nullptr);
}

TEST(SceneTest, NoticesAWorkingWindowLeftBehindItsBackdrop) {
    const auto& profile = *profileNamed("intarsello");
    const WindowFacts backdrop = facts(1, "Form1", kScreen),
                      puzzle = facts(2, "Intarsello", {323, 288, 634, 447});
    EXPECT_FALSE(Scene::classify({backdrop, puzzle}, profile, kScreen).workingWindowBehindBackdrop());
    EXPECT_TRUE(Scene::classify({puzzle, backdrop}, profile, kScreen).workingWindowBehindBackdrop());
    EXPECT_FALSE(Scene::classify({backdrop}, profile, kScreen).workingWindowBehindBackdrop());
}

TEST(SceneTest, TooltipsNeitherCoverNorChangeTheSignature) {
    const auto& profile = *profileNamed("filarino");
    const Scene bare = Scene::classify({facts(2, "FILARINO", {244, 220, 792, 575})}, profile, kScreen);
    const Scene tipped = Scene::classify(
        {facts(2, "FILARINO", {244, 220, 792, 575}), facts(6, "", {1100, 900, 100, 20}, true, "tooltip")},
        profile, kScreen);
    EXPECT_EQ(bare.signature(), tipped.signature());
    EXPECT_FALSE(tipped.covers({1150, 910}));
    EXPECT_TRUE(tipped.covers({300, 300}));
    const Scene boxed = Scene::classify(
        {facts(2, "FILARINO", {244, 220, 792, 575}), facts(4, "Credits", {500, 400, 330, 180})}, profile,
        kScreen);
    EXPECT_NE(bare.signature(), boxed.signature());
}

} // namespace
} // namespace soak
