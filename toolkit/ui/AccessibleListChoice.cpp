// SPDX-License-Identifier: GPL-3.0-or-later
// A named drop-down list for screen readers.
#include "toolkit/ui/AccessibleListChoice.h"

#include <QAbstractItemView>
#include <QComboBox>

namespace tk::ui {

AccessibleListChoice::AccessibleListChoice(QComboBox* list)
    : QAccessibleWidget(list, QAccessible::ComboBox) {}

QComboBox* AccessibleListChoice::list() const {
    return static_cast<QComboBox*>(widget());
}

QString AccessibleListChoice::text(QAccessible::Text t) const {
    if (t == QAccessible::Value) return list()->currentText();
    return QAccessibleWidget::text(t);
}

QAccessible::State AccessibleListChoice::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.expandable = true;
    state.expanded = list()->view()->isVisible();
    state.collapsed = !state.expanded;
    return state;
}

int AccessibleListChoice::childCount() const {
    return 1;
}

QAccessibleInterface* AccessibleListChoice::child(int index) const {
    return index == 0 ? QAccessible::queryAccessibleInterface(list()->view()) : nullptr;
}

int AccessibleListChoice::indexOfChild(const QAccessibleInterface* child) const {
    return child != nullptr && child->object() == list()->view() ? 0 : -1;
}

QStringList AccessibleListChoice::actionNames() const {
    return {showMenuAction(), pressAction()};
}

void AccessibleListChoice::doAction(const QString& actionName) {
    if (actionName == showMenuAction() || actionName == pressAction()) {
        if (list()->view()->isVisible())
            list()->hidePopup();
        else
            list()->showPopup();
    }
}

} // namespace tk::ui
