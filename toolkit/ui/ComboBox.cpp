// SPDX-License-Identifier: GPL-3.0-or-later
// The drop-down list given its font while it is made.
#include "toolkit/ui/ComboBox.h"

#include <QEvent>

namespace tk::ui {

ComboBox::ComboBox(QWidget* parent, const QFont& font)
    : QComboBox(parent) {
    // Qt delivers the change of font before setFont returns.
    makingFont_ = true;
    setFont(font);
    makingFont_ = false;
}

void ComboBox::changeEvent(QEvent* event) {
    if (makingFont_ && event->type() == QEvent::FontChange) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
}

} // namespace tk::ui
