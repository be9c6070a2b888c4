// SPDX-License-Identifier: GPL-3.0-or-later
// The gestures chosen for each window of the three programs: inside the program's windows, away from the
// commands that close windows unless one is meant, and varied enough to reach every kind of input.
#include "tools/soak/ActionPlanner.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <set>

namespace soak {
namespace {

const Rect kScreen{0, 0, 1280, 1024};
constexpr int kMenuBarPx = 20;
constexpr unsigned long kWindowId = 7;
constexpr unsigned long kBackdropId = 1;

// The working window centred on the screen, over a backdrop for the programs that have one.
Scene sceneOf(const char* program, const WorkingWindow& w, std::vector<WindowFacts> extra = {}) {
    std::vector<WindowFacts> facts;
    if (std::string(program) != "cestaro") facts.push_back({kBackdropId, "Form1", kScreen, false, "normal"});
    const int height = w.clientHeight() + (w.menuTitles > 0 ? kMenuBarPx : 0);
    facts.push_back({kWindowId,
                     w.title,
                     {(1280 - w.clientWidth()) / 2, (1024 - height) / 2, w.clientWidth(), height},
                     false,
                     "normal"});
    facts.insert(facts.end(), extra.begin(), extra.end());
    return Scene::classify(facts, *profileNamed(program), kScreen);
}

// A menu bar whose captions are 40 pixels wide, 70 apart.
MenuBar menuOf(const WorkingWindow& w) {
    std::vector<bool> ink(static_cast<std::size_t>(w.clientWidth()), false);
    for (int i = 0; i < w.menuTitles; ++i)
        std::fill(ink.begin() + 6 + 70 * i, ink.begin() + 46 + 70 * i, true);
    return MenuBar::fromInk(ink);
}

struct Subject {
    const char* program;
    const WorkingWindow* window;
};

std::vector<Subject> everyWindow() {
    std::vector<Subject> out;
    for (const char* program : {"filarino", "cestaro", "intarsello"})
        for (const WorkingWindow& w : profileNamed(program)->windows)
            out.push_back({program, &w});
    return out;
}

bool isWarmUp(const Action& a) {
    return a.label.rfind("warm-up: ", 0) == 0;
}

// Points where a button goes down or up (the path's ends; every point of a click).
std::vector<Point> pressPoints(const Action& a) {
    if (a.path.empty()) return {};
    return {a.path.front(), a.path.back()};
}

TEST(ActionPlannerTest, RandomGesturesStayInsideTheProgramsWindows) {
    for (const Subject& s : everyWindow()) {
        const Scene scene = sceneOf(s.program, *s.window);
        const MenuBar menu = menuOf(*s.window);
        ActionPlanner planner(11, {0, 0});
        for (int i = 0; i < 3000; ++i) {
            const Action a = planner.next(scene, &menu, {});
            for (const Point& p : a.path)
                ASSERT_TRUE(scene.covers(p)) << s.window->title << ": " << a.describe();
        }
    }
}

TEST(ActionPlannerTest, RandomGesturesNeverPressACommandThatClosesAWindow) {
    for (const Subject& s : everyWindow()) {
        const Scene scene = sceneOf(s.program, *s.window);
        const SeenWindow& w = *scene.topmost(WindowKind::Working);
        const MenuBar menu = menuOf(*s.window);
        const auto titles = s.window->keepOutTitles();
        ActionPlanner planner(12, {0, 0});
        for (int i = 0; i < 3000; ++i) {
            const Action a = planner.next(scene, &menu, {});
            ASSERT_FALSE(a.endsProgram || a.leavesWindow) << a.describe();
            ASSERT_NE(a.kind, Action::Kind::CloseWindow);
            for (const Point& p : pressPoints(a)) {
                ASSERT_FALSE(keptOut(w, p)) << s.window->title << ": " << a.describe();
                if (!w.menuBar.contains(p)) continue;
                for (int t : titles) {
                    const Span reach = menu.reach(t, 12);
                    ASSERT_FALSE(p.x - w.menuBar.x >= reach.left && p.x - w.menuBar.x < reach.right)
                        << s.window->title << ": " << a.describe();
                }
            }
        }
    }
}

TEST(ActionPlannerTest, EveryKindOfGestureComesUp) {
    const WorkingWindow& start = profileNamed("filarino")->windows[0];
    const Scene scene = sceneOf("filarino", start);
    const MenuBar menu = menuOf(start);
    ActionPlanner planner(13, {0, 0});
    std::set<std::string> seen;
    for (int i = 0; i < 3000; ++i) {
        const Action a = planner.next(scene, &menu, {});
        const SeenWindow& w = *scene.topmost(WindowKind::Working);
        switch (a.kind) {
        case Action::Kind::Click:
            if (w.menuBar.contains(a.path[0]))
                seen.insert("menu");
            else if (!w.facts.area.contains(a.path[0]))
                seen.insert("backdrop");
            else
                seen.insert("click " + std::to_string(a.button) + "x" + std::to_string(a.clicks) + " mod " +
                            std::to_string(a.modifiers));
            break;
        case Action::Kind::Drag:
            seen.insert("drag " + std::to_string(a.button));
            break;
        case Action::Kind::Keys:
            seen.insert("keys");
            for (const auto& k : a.keys)
                ASSERT_TRUE(k != "space" && k != "Tab" && k.find("alt") == std::string::npos) << k;
            break;
        default:
            break;
        }
    }
    for (const char* kind : {"click 1x1 mod 0", "click 1x2 mod 0", "click 3x1 mod 0", "click 3x1 mod 1",
                             "click 3x1 mod 2", "click 3x1 mod 3", "click 2x1 mod 0", "click 4x1 mod 0",
                             "drag 1", "drag 3", "keys", "menu", "backdrop"})
        EXPECT_TRUE(seen.count(kind)) << kind;
}

TEST(ActionPlannerTest, EndingCommandsAreTheWindowsOwn) {
    for (const Subject& s : everyWindow()) {
        const Scene scene = sceneOf(s.program, *s.window);
        const SeenWindow& w = *scene.topmost(WindowKind::Working);
        const MenuBar menu = menuOf(*s.window);
        ActionPlanner planner(14, {1, 0});
        std::set<std::string> used;
        for (int i = 0; i < 200; ++i) {
            const Action a = planner.next(scene, &menu, {});
            if (isWarmUp(a)) continue;
            ASSERT_EQ(a.endsProgram, !s.window->ending.empty()) << s.window->title;
            if (!a.endsProgram) continue;
            EXPECT_EQ(a.window, kWindowId);
            used.insert(a.label);
            if (a.kind == Action::Kind::CloseWindow) continue;
            ASSERT_EQ(a.kind, Action::Kind::Click);
            EXPECT_EQ(a.clicks, 1) << "a second click could land on the window that comes next";
            EXPECT_TRUE(w.facts.area.contains(a.path[0]));
        }
        EXPECT_EQ(used.size(), s.window->ending.size()) << s.window->title;
    }
}

TEST(ActionPlannerTest, MenuCommandsWaitForTheMenuBarToBeRead) {
    const WorkingWindow& start = profileNamed("filarino")->windows[0];
    const Scene scene = sceneOf("filarino", start);
    ActionPlanner planner(15, {1, 0});
    const MenuBar misread = MenuBar::fromInk(std::vector<bool>(100, true));
    for (const MenuBar* menu : {static_cast<const MenuBar*>(nullptr), &misread})
        for (int i = 0; i < 200; ++i) {
            const Action a = planner.next(scene, menu, {});
            EXPECT_NE(a.label, "menu Esci");
            EXPECT_FALSE(isWarmUp(a)) << "the warm-up opens a menu";
            if (a.kind == Action::Kind::Click) {
                EXPECT_FALSE(scene.topmost(WindowKind::Working)->menuBar.contains(a.path[0])) << a.describe();
            }
        }
}

TEST(ActionPlannerTest, WarmUpComesFirstAndOnlyTheFirstTimeAWindowShows) {
    const auto& cestaro = *profileNamed("cestaro");
    const WorkingWindow& game = cestaro.windows[0];
    const Scene scene = sceneOf("cestaro", game);
    const SeenWindow& w = *scene.topmost(WindowKind::Working);
    const MenuBar menu = menuOf(game);
    ActionPlanner planner(22, {1, 1e9});
    // Until the menu bar has been read the warm-up waits, and random gestures go on meanwhile.
    EXPECT_FALSE(isWarmUp(planner.next(scene, nullptr, {})));
    for (std::size_t i = 0; i < game.warmUp.size(); ++i) {
        const Action a = planner.next(scene, &menu, {});
        ASSERT_TRUE(isWarmUp(a)) << a.describe();
        EXPECT_EQ(a.label, "warm-up: " + game.warmUp[i].name);
        EXPECT_FALSE(a.endsProgram || a.leavesWindow);
        const Span t = menu.title(game.warmUp[i].menuTitle);
        EXPECT_EQ(a.path[0],
                  (Point{w.menuBar.x + (t.left + t.right) / 2, w.menuBar.y + w.menuBar.height / 2}));
    }
    // The window shows again, after the instructions: no second warm-up.
    const Scene again = sceneOf("cestaro", game);
    for (int i = 0; i < 20; ++i)
        EXPECT_FALSE(isWarmUp(planner.next(again, &menu, {})));
}

TEST(ActionPlannerTest, LeavingCommandsCloseTheWindowInFront) {
    const WorkingWindow& operation = profileNamed("filarino")->windows[1];
    const Scene scene = sceneOf("filarino", operation);
    const MenuBar menu = menuOf(operation);
    ActionPlanner planner(16, {0, 1e9});
    for (int i = 0; i < 50; ++i) {
        const Action a = planner.next(scene, &menu, {});
        if (isWarmUp(a)) continue;
        EXPECT_TRUE(a.leavesWindow);
        EXPECT_FALSE(a.endsProgram);
        EXPECT_EQ(a.window, kWindowId);
    }
}

TEST(ActionPlannerTest, AWindowWithLittleToPressIsLeftSooner) {
    const auto leaves = [](const char* program, std::size_t window) {
        const WorkingWindow& w = profileNamed(program)->windows[window];
        const Scene scene = sceneOf(program, w);
        const MenuBar menu = menuOf(w);
        ActionPlanner planner(23);
        int count = 0;
        for (int i = 0; i < 4000; ++i)
            count += planner.next(scene, &menu, {}).leavesWindow ? 1 : 0;
        return count;
    };
    const int instructions = leaves("cestaro", 1), exercise = leaves("filarino", 1);
    EXPECT_GT(instructions, 4000 / 5 / 2);
    EXPECT_LT(instructions, 4000 / 5 * 2);
    EXPECT_GT(exercise, 4000 / 100 / 2);
    EXPECT_LT(exercise, 4000 / 100 * 2);
}

TEST(ActionPlannerTest, MessageBoxesAreAnsweredBeforeAnythingElse) {
    const WorkingWindow& puzzle = profileNamed("intarsello")->windows[0];
    const Rect boxArea{420, 400, 480, 260};
    const Scene scene = sceneOf("intarsello", puzzle, {{9, "Intarsello", boxArea, false, "dialog"}});
    const MenuBar menu = menuOf(puzzle);
    ActionPlanner planner(17, {1, 1});
    for (const Action& a : {planner.next(scene, &menu, {}), planner.closing(scene, &menu)}) {
        EXPECT_EQ(a.kind, Action::Kind::AnswerBox);
        EXPECT_EQ(a.window, 9u);
        EXPECT_TRUE(boxArea.contains(a.path[0]));
        EXPECT_FALSE(a.endsProgram);
    }
}

TEST(ActionPlannerTest, PopupsAreUsedOrDismissed) {
    const WorkingWindow& game = profileNamed("cestaro")->windows[0];
    const Rect popupArea{344, 319, 73, 60};
    const Scene scene = sceneOf("cestaro", game, {{8, "", popupArea, true, "dropdown_menu"}});
    const MenuBar menu = menuOf(game);
    ActionPlanner planner(18, {1, 0});
    int clicks = 0, escapes = 0;
    for (int i = 0; i < 200; ++i) {
        const Action a = planner.next(scene, &menu, {});
        ASSERT_FALSE(a.endsProgram);
        if (a.kind == Action::Kind::Click) {
            ++clicks;
            EXPECT_TRUE(popupArea.contains(a.path[0]));
        } else {
            ASSERT_EQ(a.kind, Action::Kind::Keys);
            EXPECT_EQ(a.keys, std::vector<std::string>{"Escape"});
            ++escapes;
        }
    }
    EXPECT_GT(clicks, escapes);
    EXPECT_GT(escapes, 0);
}

TEST(ActionPlannerTest, ClosingEndsTheProgramOrLeavesTheWindowInFront) {
    const struct {
        const char* program;
        int window;
        bool ends;
    } cases[] = {{"filarino", 0, true}, {"filarino", 1, false}, {"filarino", 2, false},
                 {"cestaro", 0, true},  {"cestaro", 1, false},  {"intarsello", 0, true}};
    for (const auto& c : cases) {
        const WorkingWindow& w = profileNamed(c.program)->windows[static_cast<std::size_t>(c.window)];
        const MenuBar menu = menuOf(w);
        ActionPlanner planner(19, {0, 0});
        const Action a = planner.closing(sceneOf(c.program, w), &menu);
        EXPECT_EQ(a.endsProgram, c.ends) << w.title;
        EXPECT_EQ(a.leavesWindow, !c.ends) << w.title;
        EXPECT_EQ(a.window, kWindowId);
    }
    ActionPlanner planner(20);
    EXPECT_EQ(planner.closing(Scene{}, nullptr).kind, Action::Kind::Wait);
}

TEST(ActionPlannerTest, DragsReachTheAnswerBoxesAndPressesTheMovingTiles) {
    const WorkingWindow& operation = profileNamed("filarino")->windows[1];
    const Scene scene = sceneOf("filarino", operation);
    const SeenWindow& w = *scene.topmost(WindowKind::Working);
    const Rect box = operation.drops[0].pixels().moved(w.client.x, w.client.y);
    ActionPlanner planner(21, {0, 0});
    int intoBox = 0;
    for (int i = 0; i < 2000; ++i) {
        const Action a = planner.next(scene, nullptr, {});
        if (a.kind == Action::Kind::Drag && box.contains(a.path.back())) ++intoBox;
    }
    EXPECT_GT(intoBox, 40);

    const WorkingWindow& puzzle = profileNamed("intarsello")->windows[0];
    const Scene board = sceneOf("intarsello", puzzle);
    const Point tile{board.topmost(WindowKind::Working)->client.x + 31,
                     board.topmost(WindowKind::Working)->client.y + 301};
    int onTile = 0;
    for (int i = 0; i < 1000; ++i) {
        const Action a = planner.next(board, nullptr, {tile});
        if (!a.path.empty() && a.path.front() == tile) ++onTile;
    }
    EXPECT_GT(onTile, 100);
}

// A press meant for one window can land on the one that replaces it at the same place: the start window's
// exit button and the main window's "ESCI" are kept out of the windows that stand in their place.
TEST(ActionPlannerTest, RegressionExitButtonsAreKeptOutOfWindowsThatTakeTheirPlace) {
    const auto& filarino = *profileNamed("filarino");
    const Scene start = sceneOf("filarino", filarino.windows[0]);
    const Point esci =
        filarino.windows[0]
            .ending[0]
            .control.pixels()
            .moved(start.topmost(WindowKind::Working)->client.x, start.topmost(WindowKind::Working)->client.y)
            .centre();
    for (std::size_t i = 1; i < filarino.windows.size(); ++i) {
        const Scene exercise = sceneOf("filarino", filarino.windows[i]);
        EXPECT_TRUE(keptOut(*exercise.topmost(WindowKind::Working), esci)) << filarino.windows[i].title;
    }

    const auto& cestaro = *profileNamed("cestaro");
    const Scene game =
        Scene::classify({{1, "LA CESTARO", {344, 283, 592, 441 + 17}, false, "normal"}}, cestaro, kScreen);
    const Scene about =
        Scene::classify({{2, "ISTRUZIONI", {344, 281, 592, 461}, false, "normal"}}, cestaro, kScreen);
    const SeenWindow& g = *game.topmost(WindowKind::Working);
    const Rect gameEsci = cestaro.windows[0].ending[0].control.pixels().moved(g.client.x, g.client.y);
    for (const Point corner : {Point{gameEsci.x, gameEsci.y}, gameEsci.centre(),
                               Point{gameEsci.x + gameEsci.width - 1, gameEsci.y + gameEsci.height - 1}})
        EXPECT_TRUE(keptOut(*about.topmost(WindowKind::Working), corner));
}

} // namespace
} // namespace soak
