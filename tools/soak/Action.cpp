// SPDX-License-Identifier: GPL-3.0-or-later
// xdotool commands, event counts and log lines of gestures.
#include "tools/soak/Action.h"

#include <algorithm>

namespace soak {

namespace {

// Pause between the steps of a gesture, in seconds: long enough for the program to see each step.
const char* const kStepPause = "0.03";

std::vector<std::string> modifierNames(unsigned modifiers) {
    std::vector<std::string> names;
    if (modifiers & kShift) names.push_back("shift");
    if (modifiers & kCtrl) names.push_back("ctrl");
    return names;
}

void append(std::vector<std::string>& args, std::initializer_list<std::string> more) {
    args.insert(args.end(), more);
}

void moveTo(std::vector<std::string>& args, Point p) {
    append(args, {"mousemove", std::to_string(p.x), std::to_string(p.y), "sleep", kStepPause});
}

std::string point(Point p) {
    return std::to_string(p.x) + "," + std::to_string(p.y);
}

} // namespace

std::vector<std::string> Action::xdotoolArguments() const {
    std::vector<std::string> args;
    const auto held = modifierNames(modifiers);
    for (const auto& m : held)
        append(args, {"keydown", m});
    switch (kind) {
    case Kind::Click:
        moveTo(args, path.front());
        append(args, {"click", "--repeat", std::to_string(clicks), "--delay", "90", std::to_string(button)});
        break;
    case Kind::Drag:
        moveTo(args, path.front());
        append(args, {"mousedown", std::to_string(button)});
        for (std::size_t i = 1; i < path.size(); ++i)
            append(args,
                   {"sleep", kStepPause, "mousemove", std::to_string(path[i].x), std::to_string(path[i].y)});
        append(args, {"sleep", kStepPause, "mouseup", std::to_string(button)});
        break;
    case Kind::Keys:
        append(args, {"key", "--delay", "40"});
        args.insert(args.end(), keys.begin(), keys.end());
        break;
    case Kind::AnswerBox:
        moveTo(args, path.front());
        append(args, {"click", "1", "sleep", "0.1", "key", "Return"});
        break;
    case Kind::Wait:
    case Kind::CloseWindow:
        return {};
    }
    for (auto m = held.rbegin(); m != held.rend(); ++m)
        append(args, {"keyup", *m});
    return args;
}

int Action::inputEvents() const {
    int events = 2 * static_cast<int>(modifierNames(modifiers).size());
    switch (kind) {
    case Kind::Click:
        return events + 1 + 2 * clicks;
    case Kind::Drag:
        return events + 1 + 2 + static_cast<int>(path.size()) - 1;
    case Kind::Keys:
        for (const auto& k : keys)
            events += 2 * (1 + static_cast<int>(std::count(k.begin(), k.end(), '+')));
        return events;
    case Kind::AnswerBox:
        return 1 + 2 + 2;
    case Kind::Wait:
    case Kind::CloseWindow:
        break;
    }
    return 0;
}

std::string Action::describe() const {
    std::string text;
    for (const auto& m : modifierNames(modifiers))
        text += m + "+";
    switch (kind) {
    case Kind::Wait:
        text += "wait";
        break;
    case Kind::Click:
        text += (clicks == 2 ? "double click " : "click ") + std::to_string(button) + " at " +
                point(path.front());
        break;
    case Kind::Drag:
        text += "drag " + std::to_string(button) + " " + point(path.front()) + " -> " + point(path.back());
        break;
    case Kind::Keys:
        text += "keys";
        for (const auto& k : keys)
            text += " " + k;
        break;
    case Kind::AnswerBox:
        text += "answer box at " + point(path.front());
        break;
    case Kind::CloseWindow:
        text += "close window " + std::to_string(window);
        break;
    }
    if (!label.empty()) text += " (" + label + ")";
    return text;
}

} // namespace soak
