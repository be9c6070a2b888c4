// SPDX-License-Identifier: GPL-3.0-or-later
// Random gestures of a pupil, weighted towards what the windows offer.
#include "tools/soak/ActionPlanner.h"

#include <algorithm>
#include <array>

namespace soak {

namespace {

Action ending(Action a) {
    a.endsProgram = true;
    return a;
}

Action leaving(Action a) {
    a.leavesWindow = true;
    return a;
}

// Pixels around a command's control that random presses also leave alone.
constexpr int kKeepOutMarginPx = 3;
// Pixels beyond a menu title's caption that a press may still reach it.
constexpr int kMenuReachPx = 12;
// Room around a framed window that backdrop presses leave alone (title bar above, borders around).
constexpr int kFrameSidePx = 10;
constexpr int kFrameTopPx = 40;

struct Weighted {
    enum Gesture {
        Click,
        DoubleClick,
        RightClick,
        MiddleClick,
        Wheel,
        Drag,
        RightDrag,
        Keys,
        Menu,
        Backdrop
    };
    Gesture gesture;
    int weight;
};

// Keys a pupil might hit, by weight. Space and Tab are left out: through the keyboard focus they reach
// buttons that end the program, an end the soak could not tell from a fault. Alt is left out for the same
// reason (the window manager's shortcuts).
struct KeyChoice {
    const char* names;
    int weight;
};
constexpr std::array kKeys{
    KeyChoice{"0 1 2 3 4 5 6 7 8 9", 40},
    KeyChoice{"BackSpace Delete", 15},
    KeyChoice{"Left Right Up Down Home End Prior Next", 20},
    KeyChoice{"a e i o u x z q", 8},
    KeyChoice{"minus plus period comma slash", 5},
    KeyChoice{"Escape Return", 6},
    KeyChoice{"ctrl+a ctrl+c ctrl+v ctrl+x ctrl+z", 4},
};

std::vector<std::string> words(const char* text) {
    std::vector<std::string> out;
    std::string word;
    for (const char* c = text;; ++c) {
        if (*c == ' ' || *c == '\0') {
            if (!word.empty()) out.push_back(word);
            word.clear();
            if (*c == '\0') break;
        } else {
            word += *c;
        }
    }
    return out;
}

Rect clientRect(const SeenWindow& w, const TwipsRect& r) {
    return r.pixels().moved(w.client.x, w.client.y);
}

} // namespace

bool keptOut(const SeenWindow& w, Point p) {
    if (!w.profile) return false;
    for (const TwipsRect& r : w.profile->keepOut())
        if (clientRect(w, r).grown(kKeepOutMarginPx).contains(p)) return true;
    return false;
}

ActionPlanner::ActionPlanner(std::uint64_t seed, PlannerRates rates)
    : random_(seed)
    , rates_(rates) {}

bool ActionPlanner::chance(double p) {
    return std::uniform_real_distribution<double>(0.0, 1.0)(random_) < p;
}

int ActionPlanner::between(int low, int high) {
    return std::uniform_int_distribution<int>(low, high)(random_);
}

Point ActionPlanner::inside(const Rect& r) {
    return {between(r.x, r.x + r.width - 1), between(r.y, r.y + r.height - 1)};
}

Action ActionPlanner::next(const Scene& scene, const MenuBar* menu, const std::vector<Point>& hotPoints) {
    if (auto pending = answerOrDismiss(scene)) return *pending;
    const SeenWindow* w = scene.topmost(WindowKind::Working);
    if (!w) return {};
    if (auto a = warmUp(*w, menu)) return *a;
    const double roll = std::uniform_real_distribution<double>(0.0, 1.0)(random_);
    if (roll < rates_.ending) {
        if (auto a = command(*w, w->profile->ending, menu)) return ending(*a);
    } else if (roll < rates_.ending + rates_.leaving / w->profile->stay) {
        if (auto a = command(*w, w->profile->leaving, menu)) return leaving(*a);
    }
    return gesture(scene, *w, menu, hotPoints);
}

Action ActionPlanner::closing(const Scene& scene, const MenuBar* menu) {
    if (auto pending = answerOrDismiss(scene)) return *pending;
    const SeenWindow* w = scene.topmost(WindowKind::Working);
    if (!w) return {};
    if (auto a = command(*w, w->profile->ending, menu)) return ending(*a);
    if (auto a = command(*w, w->profile->leaving, menu)) return leaving(*a);
    Action close;
    close.kind = Action::Kind::CloseWindow;
    close.window = w->facts.id;
    close.leavesWindow = true;
    close.label = "close box";
    return close;
}

std::optional<Action> ActionPlanner::answerOrDismiss(const Scene& scene) {
    if (const SeenWindow* box = scene.topmost(WindowKind::MessageBox)) {
        Action a;
        a.kind = Action::Kind::AnswerBox;
        const Rect& r = box->facts.area;
        a.path = {{r.x + std::min(20, r.width / 4), r.y + std::min(20, r.height / 4)}};
        a.window = box->facts.id;
        a.label = "message box \"" + box->facts.title + "\"";
        return a;
    }
    if (const SeenWindow* popup = scene.topmost(WindowKind::Popup)) {
        Action a;
        const Rect& r = popup->facts.area;
        if (r.width > 6 && r.height > 6 && chance(0.75)) {
            a.kind = Action::Kind::Click;
            a.path = {inside(r.grown(-3))};
            a.label = "pop-up item";
        } else {
            a.kind = Action::Kind::Keys;
            a.keys = {"Escape"};
            a.label = "dismiss pop-up";
        }
        return a;
    }
    return std::nullopt;
}

std::optional<Action> ActionPlanner::warmUp(const SeenWindow& w, const MenuBar* menu) {
    std::size_t& done = warmedUp_[w.profile->title];
    if (done >= w.profile->warmUp.size()) return std::nullopt;
    const Command& c = w.profile->warmUp[done];
    auto a = command(w, {c}, menu);
    if (!a) return std::nullopt; // a menu title before the menu bar has been read: random gestures meanwhile
    ++done;
    a->label = "warm-up: " + a->label;
    return a;
}

std::optional<Action> ActionPlanner::command(const SeenWindow& w, const std::vector<Command>& choices,
                                             const MenuBar* menu) {
    std::vector<const Command*> usable;
    for (const Command& c : choices) {
        const bool menuRead = menu && menu->count() == w.profile->menuTitles && !w.menuBar.empty();
        if (c.kind != Command::Kind::MenuTitle || (menuRead && c.menuTitle < menu->count()))
            usable.push_back(&c);
    }
    if (usable.empty()) return std::nullopt;
    const Command& c = *usable[static_cast<std::size_t>(between(0, static_cast<int>(usable.size()) - 1))];
    Action a;
    a.label = c.name;
    a.window = w.facts.id;
    switch (c.kind) {
    case Command::Kind::Control:
        a.kind = Action::Kind::Click;
        a.path = {clientRect(w, c.control).centre()};
        break;
    case Command::Kind::MenuTitle: {
        a.kind = Action::Kind::Click;
        const Span t = menu->title(c.menuTitle);
        a.path = {{w.menuBar.x + (t.left + t.right) / 2, w.menuBar.y + w.menuBar.height / 2}};
        break;
    }
    case Command::Kind::CloseBox:
        a.kind = Action::Kind::CloseWindow;
        a.window = w.facts.id;
        break;
    }
    return a;
}

std::vector<int> ActionPlanner::menuChoices(const SeenWindow& w, const MenuBar* menu) const {
    std::vector<int> choices;
    if (!menu || w.menuBar.empty() || menu->count() != w.profile->menuTitles) return choices;
    const std::vector<int> out = w.profile->keepOutTitles();
    for (int i = 0; i < menu->count(); ++i) {
        const Span t = menu->title(i);
        // Left alone: the kept-out titles and any title within their reach.
        bool clear = true;
        for (int k : out) {
            const Span r = menu->reach(k, kMenuReachPx);
            if (k < menu->count() && t.left < r.right && r.left < t.right) clear = false;
        }
        if (clear) choices.push_back(i);
    }
    return choices;
}

std::optional<Point> ActionPlanner::pressPoint(const SeenWindow& w, const std::vector<Point>& hotPoints,
                                               bool favourHot) {
    const auto& hot = w.profile->hot;
    const Rect area = w.client.grown(-1);
    for (int attempt = 0; attempt < 40; ++attempt) {
        Point p;
        if (favourHot && (!hot.empty() || !hotPoints.empty()) && chance(0.5)) {
            if (!hotPoints.empty() && (hot.empty() || chance(0.5))) {
                p = hotPoints[static_cast<std::size_t>(between(0, static_cast<int>(hotPoints.size()) - 1))];
            } else {
                const TwipsRect& r =
                    hot[static_cast<std::size_t>(between(0, static_cast<int>(hot.size()) - 1))];
                p = inside(clientRect(w, r).grown(-2));
            }
        } else {
            p = inside(area);
        }
        if (area.contains(p) && !keptOut(w, p)) return p;
    }
    return std::nullopt;
}

std::optional<Point> ActionPlanner::dropPoint(const SeenWindow& w) {
    const auto& drops = w.profile->drops;
    if (!drops.empty() && chance(0.4)) {
        for (int attempt = 0; attempt < 10; ++attempt) {
            const TwipsRect& r =
                drops[static_cast<std::size_t>(between(0, static_cast<int>(drops.size()) - 1))];
            const Point p = inside(clientRect(w, r).grown(-2));
            if (w.client.contains(p) && !keptOut(w, p)) return p;
        }
    }
    return pressPoint(w, {}, false);
}

std::optional<Point> ActionPlanner::backdropPoint(const Scene& scene, const SeenWindow& backdrop) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        const Point p = inside(backdrop.facts.area);
        bool free = true;
        for (const SeenWindow& other : scene.windows()) {
            if (other.kind == WindowKind::Backdrop) continue;
            const Rect& r = other.facts.area;
            const Rect framed{r.x - kFrameSidePx, r.y - kFrameTopPx, r.width + 2 * kFrameSidePx,
                              r.height + kFrameTopPx + kFrameSidePx};
            if (framed.contains(p)) free = false;
        }
        if (free) return p;
    }
    return std::nullopt;
}

std::vector<Point> ActionPlanner::dragPath(const SeenWindow& w, Point from, Point to) {
    const Rect area = w.client.grown(-1);
    std::vector<Point> path{from};
    const int steps = between(2, 7);
    for (int i = 1; i <= steps; ++i) {
        const int x = from.x + (to.x - from.x) * i / (steps + 1) + between(-6, 6);
        const int y = from.y + (to.y - from.y) * i / (steps + 1) + between(-6, 6);
        path.push_back({std::clamp(x, area.x, area.x + area.width - 1),
                        std::clamp(y, area.y, area.y + area.height - 1)});
    }
    path.push_back(to);
    return path;
}

std::string ActionPlanner::randomKey() {
    int total = 0;
    for (const KeyChoice& k : kKeys)
        total += k.weight;
    int pick = between(0, total - 1);
    for (const KeyChoice& k : kKeys) {
        if (pick < k.weight) {
            const auto names = words(k.names);
            return names[static_cast<std::size_t>(between(0, static_cast<int>(names.size()) - 1))];
        }
        pick -= k.weight;
    }
    return "0";
}

unsigned ActionPlanner::randomModifiers(double none) {
    if (chance(none)) return 0;
    const int pick = between(0, 9);
    return pick < 9 ? (pick % 2 ? kShift : kCtrl) : (kShift | kCtrl);
}

Action ActionPlanner::gesture(const Scene& scene, const SeenWindow& w, const MenuBar* menu,
                              const std::vector<Point>& hotPoints) {
    const std::vector<int> titles = menuChoices(w, menu);
    const SeenWindow* backdrop = scene.topmost(WindowKind::Backdrop);
    const std::array table{
        Weighted{Weighted::Click, 30},
        Weighted{Weighted::DoubleClick, 4},
        Weighted{Weighted::RightClick, 10},
        Weighted{Weighted::MiddleClick, 2},
        Weighted{Weighted::Wheel, 3},
        Weighted{Weighted::Drag, 22},
        Weighted{Weighted::RightDrag, 2},
        Weighted{Weighted::Keys, w.profile->typing ? 14 : 3},
        Weighted{Weighted::Menu, titles.empty() ? 0 : 6},
        Weighted{Weighted::Backdrop, backdrop ? 3 : 0},
    };
    int total = 0;
    for (const Weighted& g : table)
        total += g.weight;
    int pick = between(0, total - 1);
    auto chosen = Weighted::Click;
    for (const Weighted& g : table) {
        if (pick < g.weight) {
            chosen = g.gesture;
            break;
        }
        pick -= g.weight;
    }

    Action a;
    a.kind = Action::Kind::Click;
    switch (chosen) {
    case Weighted::Keys: {
        a.kind = Action::Kind::Keys;
        const int count = between(1, 3);
        for (int i = 0; i < count; ++i)
            a.keys.push_back(randomKey());
        return a;
    }
    case Weighted::Menu: {
        const int i = titles[static_cast<std::size_t>(between(0, static_cast<int>(titles.size()) - 1))];
        const Span t = menu->title(i);
        a.path = {{w.menuBar.x + between(t.left, t.right - 1), w.menuBar.y + w.menuBar.height / 2}};
        a.label = "menu title " + std::to_string(i);
        return a;
    }
    case Weighted::Backdrop:
        if (auto p = backdropPoint(scene, *backdrop)) {
            a.path = {*p};
            a.clicks = chance(0.3) ? 2 : 1;
            a.label = "backdrop";
            return a;
        }
        break;
    case Weighted::Drag:
    case Weighted::RightDrag: {
        const auto from = pressPoint(w, hotPoints, true);
        const auto to = dropPoint(w);
        if (!from || !to) return {};
        a.kind = Action::Kind::Drag;
        a.button = chosen == Weighted::Drag ? 1 : 3;
        a.modifiers = randomModifiers(0.9);
        a.path = dragPath(w, *from, *to);
        return a;
    }
    default:
        break;
    }

    const auto p = pressPoint(w, hotPoints, true);
    if (!p) return {};
    a.path = {*p};
    switch (chosen) {
    case Weighted::DoubleClick:
        a.clicks = 2;
        break;
    case Weighted::RightClick:
        a.button = 3;
        a.modifiers = randomModifiers(0.45);
        break;
    case Weighted::MiddleClick:
        a.button = 2;
        break;
    case Weighted::Wheel:
        a.button = chance(0.5) ? 4 : 5;
        break;
    default:
        break;
    }
    return a;
}

} // namespace soak
