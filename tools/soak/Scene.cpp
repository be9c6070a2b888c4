// SPDX-License-Identifier: GPL-3.0-or-later
// Telling the program's windows apart by what they are and how big.
#include "tools/soak/Scene.h"

namespace soak {

Scene Scene::classify(const std::vector<WindowFacts>& facts, const ProgramProfile& profile, Rect screen) {
    Scene scene;
    for (const WindowFacts& f : facts) {
        SeenWindow w;
        w.facts = f;
        w.client = f.area;
        if (f.type == "tooltip") {
            w.kind = WindowKind::Tooltip;
        } else if (f.area.width >= screen.width && f.area.height >= screen.height) {
            w.kind = WindowKind::Backdrop;
        } else if (f.overrideRedirect) {
            w.kind = WindowKind::Popup;
        } else if (const WorkingWindow* known = profile.find(f.title, f.area.width, f.area.height)) {
            w.kind = WindowKind::Working;
            w.profile = known;
            // The menu bar sits above the client area; the window grows by its height.
            const int bar = f.area.height - known->clientHeight();
            w.client = {f.area.x, f.area.y + bar, known->clientWidth(), known->clientHeight()};
            if (known->menuTitles > 0 && bar > 0) w.menuBar = {f.area.x, f.area.y, f.area.width, bar};
        } else {
            w.kind = WindowKind::MessageBox;
        }
        scene.windows_.push_back(std::move(w));
    }
    return scene;
}

const SeenWindow* Scene::topmost(WindowKind kind) const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}

bool Scene::workingWindowBehindBackdrop() const {
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) {
        if (it->kind == WindowKind::Working) return false;
        if (it->kind == WindowKind::Backdrop) return topmost(WindowKind::Working) != nullptr;
    }
    return false;
}

bool Scene::covers(Point p) const {
    for (const SeenWindow& w : windows_)
        if (w.kind != WindowKind::Tooltip && w.facts.area.contains(p)) return true;
    return false;
}

std::string Scene::signature() const {
    std::string s;
    for (const SeenWindow& w : windows_)
        if (w.kind != WindowKind::Tooltip) s += std::to_string(w.facts.id) + ' ';
    return s;
}

} // namespace soak
