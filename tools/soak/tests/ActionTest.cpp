// SPDX-License-Identifier: GPL-3.0-or-later
// xdotool commands and event counts of gestures.
#include "tools/soak/Action.h"

#include <gtest/gtest.h>

namespace soak {
namespace {

std::string joined(const std::vector<std::string>& args) {
    std::string s;
    for (const auto& a : args)
        s += (s.empty() ? "" : " ") + a;
    return s;
}

TEST(ActionTest, ModifiersAreHeldAroundTheWholeGestureAndReleasedInReverse) {
    Action right;
    right.kind = Action::Kind::Click;
    right.button = 3;
    right.modifiers = kShift | kCtrl;
    right.path = {{10, 20}};
    EXPECT_EQ(joined(right.xdotoolArguments()), "keydown shift keydown ctrl mousemove 10 20 sleep 0.03 "
                                                "click --repeat 1 --delay 90 3 keyup ctrl keyup shift");
    EXPECT_EQ(right.inputEvents(), 4 + 1 + 2);
}

TEST(ActionTest, ADragPressesAtTheStartMovesThroughThePathAndReleasesAtTheEnd) {
    Action drag;
    drag.kind = Action::Kind::Drag;
    drag.path = {{1, 2}, {3, 4}, {5, 6}};
    EXPECT_EQ(joined(drag.xdotoolArguments()),
              "mousemove 1 2 sleep 0.03 mousedown 1 sleep 0.03 mousemove 3 4 "
              "sleep 0.03 mousemove 5 6 sleep 0.03 mouseup 1");
    EXPECT_EQ(drag.inputEvents(), 1 + 1 + 2 + 1);
}

TEST(ActionTest, KeyCombinationsCountEveryKey) {
    Action keys;
    keys.kind = Action::Kind::Keys;
    keys.keys = {"5", "ctrl+v"};
    EXPECT_EQ(joined(keys.xdotoolArguments()), "key --delay 40 5 ctrl+v");
    EXPECT_EQ(keys.inputEvents(), 2 + 4);
}

TEST(ActionTest, DoubleClicksClickTwice) {
    Action twice;
    twice.kind = Action::Kind::Click;
    twice.clicks = 2;
    twice.path = {{7, 8}};
    EXPECT_EQ(joined(twice.xdotoolArguments()), "mousemove 7 8 sleep 0.03 click --repeat 2 --delay 90 1");
    EXPECT_EQ(twice.inputEvents(), 5);
}

TEST(ActionTest, CloseRequestsAndWaitsSendNoInput) {
    Action close;
    close.kind = Action::Kind::CloseWindow;
    close.window = 42;
    EXPECT_TRUE(close.xdotoolArguments().empty());
    EXPECT_EQ(close.inputEvents(), 0);
    EXPECT_TRUE(Action{}.xdotoolArguments().empty());
}

} // namespace
} // namespace soak
