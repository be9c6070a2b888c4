// SPDX-License-Identifier: GPL-3.0-or-later
// A control kept out of what screen readers announce.
#include "toolkit/ui/AccessibleHidden.h"

namespace tk::ui {

AccessibleHidden::AccessibleHidden(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::NoRole) {}

QAccessible::State AccessibleHidden::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    return state;
}

} // namespace tk::ui
