// SPDX-License-Identifier: GPL-3.0-or-later
// A gap in a menu bar, kept out of what screen readers announce.
#include "toolkit/ui/AccessibleMenuGap.h"

#include <QAction>
#include <QMenuBar>
#include <QWindow>

namespace tk::ui {

AccessibleMenuGap::AccessibleMenuGap(QAction* action, QMenuBar* bar)
    : action_(action)
    , bar_(bar) {}

bool AccessibleMenuGap::isGap(const QAction* action, const QMenuBar* bar) {
    return action && bar && !action->isSeparator() && !action->menu() && action->text().trimmed().isEmpty() &&
           bar->actions().contains(const_cast<QAction*>(action));
}

bool AccessibleMenuGap::isValid() const {
    return action_ && bar_;
}

QObject* AccessibleMenuGap::object() const {
    return action_;
}

QWindow* AccessibleMenuGap::window() const {
    return bar_ ? bar_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* AccessibleMenuGap::parent() const {
    return QAccessible::queryAccessibleInterface(bar_);
}

QRect AccessibleMenuGap::rect() const {
    if (!isValid()) return {};
    return bar_->actionGeometry(action_).translated(bar_->mapToGlobal(QPoint(0, 0)));
}

// Invisible, so that readers pass over it, and disabled, as it does nothing.
QAccessible::State AccessibleMenuGap::state() const {
    QAccessible::State state;
    state.invisible = true;
    state.disabled = true;
    return state;
}

} // namespace tk::ui
