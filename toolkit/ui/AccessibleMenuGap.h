// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a blank menu bar entry that only leaves a gap: a separator nobody announces.
#pragma once

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenuBar;

namespace tk::ui {

class AccessibleMenuGap : public QAccessibleInterface {
public:
    AccessibleMenuGap(QAction* action, QMenuBar* bar);

    // Whether `action` is such a gap: no caption but blanks, not a separator, on the menu bar `bar`.
    static bool isGap(const QAction* action, const QMenuBar* bar);

    bool isValid() const override;
    QObject* object() const override;
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text) const override { return {}; }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Separator; }
    QAccessible::State state() const override;

private:
    QPointer<QAction> action_;
    QPointer<QMenuBar> bar_;
};

} // namespace tk::ui
