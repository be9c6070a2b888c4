// SPDX-License-Identifier: GPL-3.0-or-later
// Labels for screen readers, and the news of a changed caption.
#include "toolkit/ui/AccessibleLabel.h"

#include "toolkit/ui/Accessibility.h"
#include "toolkit/ui/Label.h"

namespace tk::ui {

AccessibleLabel::AccessibleLabel(Label* label)
    : AccessibleControl(label, QAccessible::StaticText, [label] { return label->caption(); }) {}

void AccessibleLabel::captionChanged(Label* label, const QString& before) {
    if (!QAccessible::isActive()) return;
    const QString was = spokenText(before), now = spokenText(label->caption());
    if (was == now) return;
    QAccessibleTextUpdateEvent textEvent(label, 0, was, now);
    QAccessible::updateAccessibility(&textEvent);
    if (label->accessibleName().isEmpty()) {
        QAccessibleEvent nameEvent(label, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&nameEvent);
    }
}

QString AccessibleLabel::text(QAccessible::Text t) const {
    if (t == QAccessible::Value && hasOwnName()) return spokenCaption();
    return AccessibleControl::text(t);
}

void* AccessibleLabel::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return AccessibleControl::interface_cast(type);
}

QString AccessibleLabel::text(int startOffset, int endOffset) const {
    const QString all = spokenCaption();
    if (startOffset < 0 || endOffset < startOffset || startOffset > all.size()) return {};
    return all.mid(startOffset, endOffset - startOffset);
}

int AccessibleLabel::characterCount() const {
    return static_cast<int>(spokenCaption().size());
}

void AccessibleLabel::selection(int, int* startOffset, int* endOffset) const {
    *startOffset = 0;
    *endOffset = 0;
}

QString AccessibleLabel::attributes(int offset, int* startOffset, int* endOffset) const {
    *startOffset = offset;
    *endOffset = offset;
    return {};
}

} // namespace tk::ui
