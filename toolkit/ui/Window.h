// SPDX-License-Identifier: GPL-3.0-or-later
// A working window: fixed client size in twips, close box only, centred on the screen, optional menu
// bar above the client area, and a close-request hook that runs before the window goes.
#pragma once

#include "toolkit/ui/Surface.h"
#include "toolkit/ui/Zoom.h"

#include <QWidget>

class QMenuBar;

namespace tk::ui {

class Window : public QWidget {
    Q_OBJECT
public:
    enum class Role {
        Working,   // a program's working window, in front of its backdrop (the owner) if it has one
        Secondary, // opened by another window (the owner): transient for it, centred on it, in front of it
    };

    // `owner` (may be null) is the window this one stands in front of: the window stays above it.
    Window(QWidget* owner, const QString& caption, double clientWidthTwips, double clientHeightTwips,
           QColor background, Role role = Role::Working);
    ~Window() override;

    // Controls are placed on the client area; positions count from its top-left corner, below the menu bar.
    Surface* client() const { return client_; }
    // The menu bar, created on first use: the window grows taller by its height.
    QMenuBar* menuBar();

    // Shows the window without waiting, centred the first time: a secondary window on its owner, any other
    // on the screen.
    void showModeless();
    // Shows the window and returns when it has been unloaded.
    void showModal();
    // Closes the window as its close box would: the close-request handler runs first, then the window
    // is destroyed (later, once control is back in the event loop). Unloading twice does nothing.
    void unload();
    bool isUnloading() const { return unloading_; }

signals:
    // After the close-request handler, before destruction.
    void unloaded();

protected:
    // The close-request handler; it cannot refuse.
    virtual void queryUnload() {}
    // Runs each time the window becomes the active window.
    virtual void onActivate() {}

    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;

private:
    void fitToClient();
    void placeFirstTime();

    Surface* client_;
    QMenuBar* menuBar_ = nullptr;
    bool unloading_ = false;
    bool placed_ = false;
};

} // namespace tk::ui
