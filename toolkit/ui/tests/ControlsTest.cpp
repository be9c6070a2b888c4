// SPDX-License-Identifier: GPL-3.0-or-later
// Controls: persistent background lines, shapes, labels, buttons, pictures and control arrays.
#include "toolkit/ui/Button.h"
#include "toolkit/ui/ComboBox.h"
#include "toolkit/ui/ControlArray.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Resources.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Surface.h"
#include "toolkit/ui/testing/MouseDriver.h"
#include "toolkit/ui/testing/TimedClicks.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QGuiApplication>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>
#include <gtest/gtest.h>

namespace {

using namespace tk::ui;

QColor pixel(QWidget& widget, int x, int y) {
    return widget.grab().toImage().pixelColor(x, y);
}

TEST(Surface, LinesStayUnderControlsThatMoveAway) {
    Surface surface(nullptr, Qt::white);
    surface.resize(200, 100);
    surface.drawLine(0, 750, 3000, 750); // y = 50 px
    surface.drawLine(0, 750, 3000, 750); // drawing it again changes nothing
    EXPECT_EQ(surface.lineCount(), 1);
    Label cover(&surface, "", 0, 600, 600, 600);
    cover.setBackColour(Qt::red);
    EXPECT_EQ(pixel(surface, 20, 50), QColor(Qt::red));
    cover.move(150, 0);
    EXPECT_EQ(pixel(surface, 20, 50), QColor(Qt::black));
    EXPECT_EQ(pixel(surface, 20, 40), QColor(Qt::white));
}

TEST(Shape, CircleIsDrawnWithTheSmallerSideCentredInItsBox) {
    Surface surface(nullptr, Qt::white);
    surface.resize(100, 100);
    Shape circle(&surface, Shape::Kind::Circle, 0, 0, 1500, 600); // box 100 x 40
    circle.setFillColour(Qt::red);
    circle.setBorderWidth(3);
    circle.setBorderColour(Qt::blue);
    EXPECT_EQ(pixel(surface, 50, 20), QColor(Qt::red));
    EXPECT_EQ(pixel(surface, 10, 20), QColor(Qt::white)); // outside the 40 px circle
    EXPECT_EQ(pixel(surface, 50, 1), QColor(Qt::blue));
    EXPECT_TRUE(circle.testAttribute(Qt::WA_TransparentForMouseEvents));
}

TEST(Shape, SquareFillsAndRecolours) {
    Surface surface(nullptr, Qt::white);
    surface.resize(100, 100);
    Shape square(&surface, Shape::Kind::Square, 0, 0, 945, 525); // box 63 x 35, square 35 centred
    square.setFillColour(Qt::red);
    EXPECT_EQ(pixel(surface, 31, 17), QColor(Qt::red));
    EXPECT_EQ(pixel(surface, 5, 17), QColor(Qt::white));
    square.setFillColour(Qt::green);
    EXPECT_EQ(pixel(surface, 31, 17), QColor(Qt::green));
}

TEST(Label, PaintsItsColoursAndSizesToItsCaption) {
    Surface surface(nullptr, Qt::white);
    surface.resize(300, 100);
    Label label(&surface, "", 0, 0, 1500, 600);
    label.setBackColour(QColor(255, 255, 192));
    EXPECT_EQ(pixel(surface, 50, 20), QColor(255, 255, 192));
    label.setTransparent(true);
    EXPECT_EQ(pixel(surface, 50, 20), QColor(Qt::white));
    label.setAutoSize(true);
    label.setCaption("12345");
    const int five = label.width();
    label.setCaption("1");
    EXPECT_LT(label.width(), five);
    EXPECT_EQ(label.pos(), QPoint(0, 0));
}

TEST(Button, FaceTakesItsColourAndClicksAreReported) {
    Button button(nullptr, "OK", 0, 0, 1500, 600, QColor(255, 255, 128));
    EXPECT_EQ(button.size(), QSize(100, 40));
    EXPECT_EQ(pixel(button, 10, 30), QColor(255, 255, 128));
    button.setFace(QColor(192, 192, 0));
    EXPECT_EQ(pixel(button, 10, 30), QColor(192, 192, 0));
    QSignalSpy clicked(&button, &Button::clicked);
    button.show();
    QTest::mouseClick(&button, Qt::LeftButton);
    EXPECT_EQ(clicked.count(), 1);
}

// "Check" gives way to "Next" on the same spot, as a verdict gives way to the next exercise; "Quit" lies
// elsewhere and would close the window.
class ButtonsInPlace : public ::testing::Test {
protected:
    void SetUp() override {
        surface.resize(300, 100);
        next->hide();
        QObject::connect(check, &Button::clicked, [this] {
            next->show();
            check->hide();
        });
        QObject::connect(next, &Button::clicked, [this] { next->hide(); });
        surface.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&surface));
    }

    Surface surface{nullptr, Qt::white};
    Button* check = new Button(&surface, "Check", 0, 0, 1500, 600);
    Button* next = new Button(&surface, "Next", 0, 0, 1500, 600);
    Button* quit = new Button(&surface, "Quit", 3000, 0, 1500, 600);
    QSignalSpy nextClicked{next, &Button::clicked};
};

TEST_F(ButtonsInPlace, TheButtonThatTookTheClickedOnesPlaceIgnoresPressesForTheDoubleClickInterval) {
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    for (const int gap : {30, 120, 300, interval - 50, interval + 20, 600}) {
        check->show();
        next->hide();
        nextClicked.clear();
        tk::ui::testing::TimedClicks clicks;
        clicks.click(check, 0);
        ASSERT_TRUE(next->isVisible());
        clicks.click(next, 40 + gap); // the second click of a double click, or a later single one
        EXPECT_EQ(nextClicked.count(), gap < interval ? 0 : 1) << gap << " ms";
        if (gap < interval) {
            clicks.click(next, 40 + interval + 10); // once the interval has passed, it answers
            EXPECT_EQ(nextClicked.count(), 1) << gap << " ms";
        }
    }
    // The interval is the desktop's.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(700);
    check->show();
    next->hide();
    nextClicked.clear();
    tk::ui::testing::TimedClicks clicks;
    clicks.click(check, 0);
    clicks.click(next, 40 + 600);
    EXPECT_EQ(nextClicked.count(), 0);
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(interval);
}

TEST_F(ButtonsInPlace, FocusGoesToTheButtonTakingTheHiddenOnesPlaceOrNowhere) {
    QApplication::setActiveWindow(&surface);
    tk::ui::testing::click(check);
    EXPECT_TRUE(next->hasFocus());
    QTest::keyClick(surface.windowHandle(), Qt::Key_Space); // to the focus, as a pupil's key
    EXPECT_FALSE(next->isVisible());
    EXPECT_EQ(nextClicked.count(), 1);
    EXPECT_EQ(surface.focusWidget(), &surface) << "not Quit";
    QSignalSpy quitClicked(quit, &Button::clicked);
    QTest::keyClick(surface.windowHandle(), Qt::Key_Space); // to the focus, as a pupil's key
    // Nor once the window has been left and activated again.
    QApplication::setActiveWindow(nullptr);
    QApplication::setActiveWindow(&surface);
    QTest::keyClick(surface.windowHandle(), Qt::Key_Space);
    EXPECT_EQ(quitClicked.count(), 0);
}

TEST(Picture, ShowsAPictureAtNaturalSizeOrNothing) {
    Surface surface(nullptr, Qt::white);
    surface.resize(100, 100);
    Picture picture(&surface, 0, 0, 720, 720);
    QPixmap red(32, 32);
    red.fill(Qt::red);
    picture.setPicture(red);
    EXPECT_EQ(pixel(surface, 10, 10), QColor(Qt::red));
    EXPECT_EQ(pixel(surface, 40, 40), QColor(Qt::white)); // natural size, not stretched
    picture.clear();
    EXPECT_TRUE(picture.isEmpty());
    EXPECT_EQ(pixel(surface, 10, 10), QColor(Qt::white));
}

TEST(ControlArray, ElementsAreHiddenCopiesOfElementZeroAndCanBeDestroyed) {
    Surface surface(nullptr, Qt::white);
    auto* first = new Shape(&surface, Shape::Kind::Circle, 165, 1350, 390, 390);
    first->setFillColour(Qt::red);
    first->hide();
    ControlArray<Shape> dots(first);
    for (int i = 1; i <= 100; ++i) {
        Shape* dot = dots.load(i);
        ASSERT_NE(dot, nullptr);
        EXPECT_FALSE(dot->isVisibleTo(&surface));
        EXPECT_EQ(dot->fillColour(), QColor(Qt::red));
        EXPECT_EQ(dot->geometry(), first->geometry());
    }
    EXPECT_EQ(dots.load(5), dots[5]);
    const int children = surface.findChildren<Shape*>().size();
    EXPECT_EQ(children, 101);
    for (int i = 1; i <= 100; ++i)
        dots.unload(i);
    EXPECT_EQ(surface.findChildren<Shape*>().size(), 1);
    EXPECT_EQ(dots[3], nullptr);
    EXPECT_EQ(dots.upperBound(), 1);
    dots.unload(0); // element 0 belongs to the window
    EXPECT_EQ(dots[0], first);
}

// The list is left to its first opening, and it opens in the box's font, as Qt's own would.
TEST(ComboBox, ItsListIsMadeWhenFirstOpenedAndInItsFont) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPixelSize(32);
    tk::ui::ComboBox box(nullptr, font);
    box.addItems({QStringLiteral("uno"), QStringLiteral("due")});
    EXPECT_EQ(box.font().pixelSize(), 32);
    EXPECT_GT(box.sizeHint().height(), 32);
    EXPECT_EQ(box.findChild<QAbstractItemView*>(), nullptr);
    box.show();
    box.showPopup();
    EXPECT_EQ(box.view()->font().pixelSize(), 32);
    EXPECT_TRUE(box.view()->isVisible());
    box.hidePopup();
}

TEST(Resources, MissingResourcesAreEmptyNotFatal) {
    EXPECT_TRUE(resourceBytes("CUSTOM", 999).isEmpty());
    EXPECT_FALSE(hasResource("ICON", 12345));
    EXPECT_TRUE(resourcePixmap("ICON", 12345).isNull());
    EXPECT_EQ(resourceCursor("CURSOR", 9999, 4, 0).shape(), Qt::PointingHandCursor);
}

TEST(Frame, CaptionedFrameDrawsItsBorderUnderItsChildren) {
    Frame frame(nullptr, 0, 0, 3000, 1500, QColor(255, 255, 192), Frame::Border::Etched, "TASTIERINO");
    EXPECT_EQ(frame.size(), QSize(200, 100));
    const QImage image = frame.grab().toImage();
    EXPECT_EQ(image.pixelColor(100, 50), QColor(255, 255, 192));
    EXPECT_EQ(image.pixelColor(0, 60), QColor(128, 128, 128));
}

} // namespace
