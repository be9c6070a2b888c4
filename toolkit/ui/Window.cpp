// SPDX-License-Identifier: GPL-3.0-or-later
// Working window: sizing around the client area and menu bar, centring, modal show, unloading.
#include "toolkit/ui/Window.h"

#include "toolkit/ui/Units.h"

#include <QActionEvent>
#include <QCloseEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QMenuBar>
#include <QPointer>
#include <QScreen>
#include <algorithm>

namespace tk::ui {

namespace {

// A menu bar that reports changes of its entries, since its height depends on them.
class FittingMenuBar : public QMenuBar {
public:
    FittingMenuBar(QWidget* parent, std::function<void()> changed)
        : QMenuBar(parent)
        , changed_(std::move(changed)) {}

protected:
    void actionEvent(QActionEvent* event) override {
        QMenuBar::actionEvent(event);
        changed_();
    }

private:
    std::function<void()> changed_;
};

} // namespace

Window::Window(QWidget* owner, const QString& caption, double clientWidthTwips, double clientHeightTwips,
               QColor background, Role role)
    // Only a dialog is marked transient for its owner under X11, which keeps it in front of the owner and
    // out of the task bar, so that no taskbar click can bury a modal window behind the one it blocks.
    : QWidget(owner, (role == Role::Secondary ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                         Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
    , client_(new Surface(this, background)) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    client_->setGeometry(0, 0, px(clientWidthTwips), px(clientHeightTwips));
    fitToClient();
}

Window::~Window() = default;

QMenuBar* Window::menuBar() {
    if (!menuBar_) {
        menuBar_ = new FittingMenuBar(this, [this] { fitToClient(); });
        menuBar_->setNativeMenuBar(false);
        fitToClient();
    }
    return menuBar_;
}

void Window::fitToClient() {
    const int menuHeight = menuBar_ ? menuBar_->sizeHint().height() : 0;
    if (menuBar_) menuBar_->setGeometry(0, 0, client_->width(), menuHeight);
    client_->move(0, menuHeight);
    setFixedSize(client_->width(), client_->height() + menuHeight);
}

void Window::placeFirstTime() {
    if (placed_) return;
    placed_ = true;
    fitToClient();
    QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    // The window manager's title bar and edges come on top of the window's own size: on a screen the window
    // only just fits, they must fit too.
    const int lowest = std::max(area.top(), area.bottom() + 1 - height() - frameAllowance(*screen).height());
    if (windowType() != Qt::Dialog || !parentWidget()) {
        const QPoint centred = area.center() - QPoint(width() / 2, height() / 2);
        move(centred.x(), std::min(centred.y(), lowest));
        return;
    }
    // Both windows wear the same frame, so lining up their client areas lines up the frames; the screen's
    // edges win over the owner's centre.
    const QWidget* owner = parentWidget()->window();
    const QPoint centred =
        owner->pos() + QPoint((owner->width() - width()) / 2, (owner->height() - height()) / 2);
    move(std::clamp(centred.x(), area.left(), std::max(area.left(), area.right() + 1 - width())),
         std::clamp(centred.y(), area.top(), lowest));
}

void Window::showModeless() {
    placeFirstTime();
    // Some window managers offer a minimise button whatever the window asks for: come back from it.
    if (windowState() & Qt::WindowMinimized) setWindowState(windowState() & ~Qt::WindowMinimized);
    show();
    raise();
    activateWindow();
}

void Window::showModal() {
    placeFirstTime();
    setWindowModality(Qt::ApplicationModal);
    QPointer<Window> self(this);
    QEventLoop loop;
    connect(this, &Window::unloaded, &loop, &QEventLoop::quit);
    show();
    raise();
    activateWindow();
    if (self && !unloading_) loop.exec(QEventLoop::DialogExec);
}

void Window::unload() {
    if (unloading_) return;
    close();
}

void Window::closeEvent(QCloseEvent* event) {
    if (unloading_) {
        event->accept();
        return;
    }
    unloading_ = true;
    queryUnload();
    event->accept();
    emit unloaded();
}

bool Window::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate) onActivate();
    return QWidget::event(event);
}

} // namespace tk::ui
