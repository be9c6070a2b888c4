// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a control that exists only for the program's own sake: invisible and unnamed.
#pragma once

#include <QAccessibleWidget>

namespace tk::ui {

// Readers pass over invisible objects, as they do over the gaps of a menu bar; the control keeps its place
// among its siblings, so that the indices of the others do not move.
class AccessibleHidden : public QAccessibleWidget {
public:
    explicit AccessibleHidden(QWidget* widget);

    QString text(QAccessible::Text) const override { return {}; }
    QAccessible::State state() const override;
};

} // namespace tk::ui
