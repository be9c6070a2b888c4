// SPDX-License-Identifier: GPL-3.0-or-later
// Decorative pictures kept from screen readers.
#include "AccessibleDecoration.h"

namespace tk::ui {

AccessibleDecoration::AccessibleDecoration(QWidget* widget)
    : QAccessibleWidget(widget, QAccessible::Graphic) {}

QAccessible::State AccessibleDecoration::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.invisible = true;
    state.focusable = false;
    return state;
}

} // namespace tk::ui
