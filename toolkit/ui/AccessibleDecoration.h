// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a picture that only decorates: there, but never shown to a reader.
#pragma once

#include <QAccessibleWidget>

namespace tk::ui {

class AccessibleDecoration : public QAccessibleWidget {
public:
    explicit AccessibleDecoration(QWidget* widget);

    // Invisible, whatever the widget shows: readers pass over it.
    QAccessible::State state() const override;
};

} // namespace tk::ui
