// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a drop-down list that the program has named: read by its own name, with the
// chosen item as its value (Qt on Linux would name it by the chosen item).
#pragma once

#include <QAccessibleActionInterface>
#include <QAccessibleWidget>

class QComboBox;

namespace tk::ui {

class AccessibleListChoice : public QAccessibleWidget {
public:
    explicit AccessibleListChoice(QComboBox* list);

    QString text(QAccessible::Text t) const override;
    QAccessible::State state() const override;
    // The list that drops down, as its one child.
    int childCount() const override;
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QStringList actionNames() const override;
    void doAction(const QString& actionName) override;

private:
    QComboBox* list() const;
};

} // namespace tk::ui
