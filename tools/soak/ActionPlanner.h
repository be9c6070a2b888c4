// SPDX-License-Identifier: GPL-3.0-or-later
// Chooses the soak driver's next gesture: random presses, drags, typing and menu choices inside the
// program's windows, drawn towards the spots a pupil goes for and kept away from the commands that close
// windows, which it uses only now and then, on purpose.
#pragma once

#include "tools/soak/Action.h"
#include "tools/soak/MenuBar.h"
#include "tools/soak/Scene.h"

#include <cstdint>
#include <map>
#include <optional>
#include <random>
#include <vector>

namespace soak {

struct PlannerRates {
    double ending = 1.0 / 1500; // chance per gesture of a command that ends the program
    double leaving = 1.0; // chance per gesture of a command that closes the window in front, times its stay
};

class ActionPlanner {
public:
    explicit ActionPlanner(std::uint64_t seed, PlannerRates rates = {});

    // The next gesture. Message boxes are answered and pop-ups used or dismissed first; otherwise the
    // gesture goes to the working window in front, starting with its warm-up the first time it shows. `menu`
    // is that window's menu bar (nullptr when it has none or it could not be read); `hotPoints` are points of
    // its client area showing its hot colours.
    Action next(const Scene& scene, const MenuBar* menu, const std::vector<Point>& hotPoints);
    // A step towards the end of the program: answers boxes, dismisses pop-ups, then uses a command of the
    // window in front that ends the program, or one that leaves that window when it has none.
    Action closing(const Scene& scene, const MenuBar* menu);

private:
    std::optional<Action> answerOrDismiss(const Scene& scene);
    std::optional<Action> warmUp(const SeenWindow& w, const MenuBar* menu);
    // A click or close request for one of `choices` at random; nothing when none can be used yet.
    std::optional<Action> command(const SeenWindow& w, const std::vector<Command>& choices,
                                  const MenuBar* menu);
    Action gesture(const Scene& scene, const SeenWindow& w, const MenuBar* menu,
                   const std::vector<Point>& hotPoints);
    std::optional<Point> pressPoint(const SeenWindow& w, const std::vector<Point>& hotPoints, bool favourHot);
    std::optional<Point> dropPoint(const SeenWindow& w);
    std::optional<Point> backdropPoint(const Scene& scene, const SeenWindow& backdrop);
    std::vector<int> menuChoices(const SeenWindow& w, const MenuBar* menu) const;
    std::vector<Point> dragPath(const SeenWindow& w, Point from, Point to);
    std::string randomKey();
    unsigned randomModifiers(double none);

    bool chance(double p);
    int between(int low, int high); // inclusive
    Point inside(const Rect& r);

    std::mt19937_64 random_;
    PlannerRates rates_;
    std::map<std::string, std::size_t> warmedUp_; // by window title: warm-up gestures made so far
};

// Whether random presses must stay away from `p` in working window `w`.
bool keptOut(const SeenWindow& w, Point p);

} // namespace soak
