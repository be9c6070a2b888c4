// SPDX-License-Identifier: GPL-3.0-or-later
// In-window drag driven by real mouse events: targets learn the source on entry, motion and exit.
#include "toolkit/ui/InWindowDrag.h"

#include "toolkit/ui/Label.h"
#include "toolkit/ui/testing/MouseDriver.h"

#include <QWidget>
#include <gtest/gtest.h>

namespace {

using tk::ui::InWindowDrag;
using namespace tk::ui::testing;

struct Event {
    QString target;
    QWidget* source;
    InWindowDrag::DragState state;
};

class InWindowDragTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.setGeometry(100, 100, 400, 200);
        key = new tk::ui::Label(&window, "7", 0, 0, 900, 450); // 60 x 30
        first = new tk::ui::Label(&window, "", 1500, 1500, 1500, 1500);
        second = new tk::ui::Label(&window, "", 3750, 1500, 1500, 1500);
        drag = new InWindowDrag(&window);
        drag->addSource(key);
        for (auto* target : {first, second})
            drag->addTarget(target, [this, target](QWidget* source, InWindowDrag::DragState state) {
                events.push_back({target == first ? "first" : "second", source, state});
            });
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    void TearDown() override { release(key, {5, 5}); }

    QWidget window;
    tk::ui::Label *key, *first, *second;
    InWindowDrag* drag;
    std::vector<Event> events;
};

TEST_F(InWindowDragTest, DisabledSourcesDoNotDrag) {
    press(key, {5, 5});
    moveTo(first, {10, 10});
    EXPECT_FALSE(drag->isDragging());
    EXPECT_TRUE(events.empty());
}

TEST_F(InWindowDragTest, PassingOverTwoTargetsNotifiesEachWithTheSource) {
    drag->setEnabled(true);
    press(key, {5, 5});
    ASSERT_TRUE(drag->isDragging());
    ASSERT_TRUE(drag->outline()->isVisible());
    EXPECT_TRUE(drag->outline()->testAttribute(Qt::WA_TransparentForMouseEvents));
    moveTo(first, {10, 10});
    moveTo(first, {20, 20});
    EXPECT_EQ(drag->outline()->pos(), QPoint(100 + 20 - 5, 100 + 20 - 5));
    moveTo(second, {10, 10});
    release(second, {10, 10});
    ASSERT_EQ(events.size(), 4u);
    EXPECT_EQ(events[0].target, "first");
    EXPECT_EQ(events[0].state, InWindowDrag::DragState::Enter);
    EXPECT_EQ(events[1].state, InWindowDrag::DragState::Over);
    EXPECT_EQ(events[2].target, "first");
    EXPECT_EQ(events[2].state, InWindowDrag::DragState::Leave);
    EXPECT_EQ(events[3].target, "second");
    EXPECT_EQ(events[3].state, InWindowDrag::DragState::Enter);
    for (const auto& e : events)
        EXPECT_EQ(e.source, key);
    EXPECT_FALSE(drag->isDragging());
    EXPECT_FALSE(drag->outline()->isVisible());
}

TEST_F(InWindowDragTest, HiddenTargetsAreNotNotified) {
    drag->setEnabled(true);
    second->hide();
    press(key, {5, 5});
    moveTo(&window, second->geometry().center());
    release(&window, second->geometry().center());
    EXPECT_TRUE(events.empty());
}

} // namespace
