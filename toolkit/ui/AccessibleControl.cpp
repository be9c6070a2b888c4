// SPDX-License-Identifier: GPL-3.0-or-later
// Names of self-drawn controls for screen readers.
#include "toolkit/ui/AccessibleControl.h"

#include "toolkit/ui/Accessibility.h"

#include <QWidget>

namespace tk::ui {

AccessibleControl::AccessibleControl(QWidget* widget, QAccessible::Role role, Caption caption)
    : QAccessibleWidget(widget, role)
    , caption_(std::move(caption)) {}

QString AccessibleControl::text(QAccessible::Text t) const {
    if (t == QAccessible::Name && !hasOwnName()) return spokenCaption();
    return QAccessibleWidget::text(t);
}

QString AccessibleControl::spokenCaption() const {
    return caption_ ? spokenText(caption_()) : QString();
}

bool AccessibleControl::hasOwnName() const {
    return !widget()->accessibleName().isEmpty();
}

} // namespace tk::ui
