// SPDX-License-Identifier: GPL-3.0-or-later
// Working windows and backdrops: sizes around the menu bar, centring, unloading, modal show.
#include "toolkit/ui/Window.h"

#include "toolkit/ui/Backdrop.h"
#include "toolkit/ui/QtMessageBoxes.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

class CountingWindow : public tk::ui::Window {
public:
    using Window::Window;
    int queries = 0;
    int activations = 0;

protected:
    void queryUnload() override { ++queries; }
    void onActivate() override { ++activations; }
};

TEST(Window, ClientAreaLiesBelowTheMenuBarAndTheWindowIsTallerByIt) {
    CountingWindow window(nullptr, "W", 11880, 8310, Qt::yellow);
    EXPECT_EQ(window.size(), QSize(792, 554));
    QMenuBar* menu = window.menuBar();
    menu->addAction("Esci");
    EXPECT_GT(menu->height(), 0);
    EXPECT_EQ(window.client()->geometry(), QRect(0, menu->height(), 792, 554));
    EXPECT_EQ(window.size(), QSize(792, 554 + menu->height()));
    EXPECT_EQ(window.minimumSize(), window.maximumSize()); // fixed size
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
    EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
}

TEST(Window, ShowsCentredOnTheScreen) {
    QPointer<CountingWindow> window = new CountingWindow(nullptr, "W", 6000, 3000, Qt::white);
    window->showModeless();
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(window->geometry().center().x() - area.center().x()), 2);
    EXPECT_LE(std::abs(window->geometry().center().y() - area.center().y()), 2);
    window->unload();
    delete window.data();
}

TEST(Window, UnloadRunsTheCloseHandlerOnceThenDestroys) {
    QPointer<CountingWindow> window = new CountingWindow(nullptr, "W", 3000, 3000, Qt::white);
    window->showModeless();
    QSignalSpy unloaded(window.data(), &tk::ui::Window::unloaded);
    window->unload();
    window->unload();
    EXPECT_EQ(window->queries, 1);
    EXPECT_EQ(unloaded.count(), 1);
    EXPECT_FALSE(window->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(Window, ModalShowReturnsWhenTheWindowIsUnloaded) {
    QPointer<CountingWindow> window = new CountingWindow(nullptr, "W", 3000, 3000, Qt::white);
    bool wasVisible = false;
    QTimer::singleShot(20, [&] {
        wasVisible = window && window->isVisible() && window->isModal();
        window->unload();
    });
    window->showModal();
    EXPECT_TRUE(wasVisible);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
}

TEST(Window, SecondaryWindowsAndMessageBoxesBelongToTheWindowThatOpenedThem) {
    QPointer<CountingWindow> owner = new CountingWindow(nullptr, "Owner", 9000, 6000, Qt::white);
    owner->showModeless();
    owner->move(20, 700); // far from the screen's centre, half off its bottom
    ASSERT_TRUE(QTest::qWaitForWindowExposed(owner));
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();

    QPointer<CountingWindow> help =
        new CountingWindow(owner, "Help", 6000, 3000, Qt::white, tk::ui::Window::Role::Secondary);
    QRect helpPlace;
    QWindow* helpOwner = nullptr;
    QTimer::singleShot(0, [&] {
        helpPlace = help->geometry();
        helpOwner = help->windowHandle()->transientParent();
        help->unload();
    });
    help->showModal();
    EXPECT_EQ(helpOwner, owner->windowHandle());
    EXPECT_EQ(helpPlace.center().x(), owner->geometry().center().x());
    EXPECT_TRUE(area.contains(helpPlace)) << "kept on the screen";

    owner->move(20, 30);
    QRect boxPlace;
    QWindow* boxOwner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        boxPlace = box->geometry();
        boxOwner = box->windowHandle()->transientParent();
        box->accept();
    });
    tk::ui::QtMessageBoxes().show(owner, tk::ui::MessageIcon::Information, "T", "Text");
    EXPECT_EQ(boxOwner, owner->windowHandle());
    EXPECT_LE((boxPlace.center() - owner->geometry().center()).manhattanLength(), 4);
    owner->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

TEST(Backdrop, CoversTheAvailableScreenAndReportsClicks) {
    QPointer<tk::ui::Backdrop> backdrop = new tk::ui::Backdrop(QColor(192, 255, 192));
    backdrop->showCovering();
    EXPECT_EQ(backdrop->geometry(), QGuiApplication::primaryScreen()->availableGeometry());
    EXPECT_EQ(backdrop->windowTitle(), "Form1");
    EXPECT_TRUE(backdrop->windowFlags() & Qt::FramelessWindowHint);
    QSignalSpy clicks(backdrop.data(), &tk::ui::Backdrop::clicked);
    QTest::mouseClick(backdrop->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseDClick(backdrop->windowHandle(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_GE(clicks.count(), 2);
    const QImage shot = backdrop->grab().toImage();
    EXPECT_EQ(shot.pixelColor(100, 100), QColor(192, 255, 192));
    backdrop->unload();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(backdrop.isNull());
}

} // namespace
