// SPDX-License-Identifier: GPL-3.0-or-later
// The screen-reader view of a control the toolkit draws itself: a fixed role and a name.
#pragma once

#include <QAccessibleWidget>
#include <functional>

namespace tk::ui {

class AccessibleControl : public QAccessibleWidget {
public:
    using Caption = std::function<QString()>;

    // The name is the accessible name the program gave the widget or, failing that, `caption` as spoken.
    // `caption` is asked only while the widget lives.
    AccessibleControl(QWidget* widget, QAccessible::Role role, Caption caption = {});

    QString text(QAccessible::Text t) const override;

protected:
    // The caption as spoken; empty without one.
    QString spokenCaption() const;
    bool hasOwnName() const;

private:
    Caption caption_;
};

} // namespace tk::ui
