// SPDX-License-Identifier: GPL-3.0-or-later
// The toolkit's interface factory for screen readers and the spoken form of captions.
#include "toolkit/ui/Accessibility.h"

#include "toolkit/ui/AccessibleControl.h"
#include "toolkit/ui/AccessibleHidden.h"
#include "toolkit/ui/AccessibleLabel.h"
#include "toolkit/ui/AccessibleListChoice.h"
#include "toolkit/ui/AccessibleMenuGap.h"
#include "toolkit/ui/Frame.h"
#include "toolkit/ui/Label.h"
#include "toolkit/ui/Picture.h"
#include "toolkit/ui/Shape.h"
#include "toolkit/ui/Window.h"

#include <QAction>
#include <QComboBox>
#include <QMenuBar>

namespace tk::ui {

namespace {

constexpr const char* kRoleProperty = "tkAccessibleRole";
constexpr const char* kHiddenProperty = "tkAccessibleHidden";

QAccessibleInterface* menuGapInterface(QAction* action) {
    for (QObject* owner : action->associatedObjects())
        if (auto* bar = qobject_cast<QMenuBar*>(owner); AccessibleMenuGap::isGap(action, bar))
            return new AccessibleMenuGap(action, bar);
    return nullptr;
}

// Asked by Qt for each class of an object, the most derived first.
QAccessibleInterface* toolkitInterface(const QString& className, QObject* object) {
    if (auto* action = qobject_cast<QAction*>(object)) return menuGapInterface(action);
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget) return nullptr;
    if (widget->property(kHiddenProperty).toBool()) return new AccessibleHidden(widget);
    if (const QVariant role = widget->property(kRoleProperty); role.isValid())
        return new AccessibleControl(widget, static_cast<QAccessible::Role>(role.toInt()));
    if (className == QLatin1String(Label::staticMetaObject.className()))
        return new AccessibleLabel(static_cast<Label*>(widget));
    if (className == QLatin1String(Frame::staticMetaObject.className())) {
        auto* frame = static_cast<Frame*>(widget);
        return new AccessibleControl(frame, QAccessible::Grouping, [frame] { return frame->caption(); });
    }
    if (className == QLatin1String(Window::staticMetaObject.className()))
        return new AccessibleControl(widget, QAccessible::Window, [widget] { return widget->windowTitle(); });
    if (className == QLatin1String(Picture::staticMetaObject.className()) &&
        static_cast<Picture*>(widget)->isDecorative())
        return new AccessibleHidden(widget);
    if (className == QLatin1String(Shape::staticMetaObject.className()) ||
        className == QLatin1String(Picture::staticMetaObject.className()))
        return new AccessibleControl(widget, QAccessible::Graphic);
    if (className == QLatin1String(QComboBox::staticMetaObject.className()) &&
        !widget->accessibleName().isEmpty())
        return new AccessibleListChoice(static_cast<QComboBox*>(widget));
    return nullptr;
}

// "E s a t t o": single characters, each but the last followed by one blank.
bool isLetterSpaced(const QString& text) {
    if (text.size() < 3 || text.size() % 2 == 0) return false;
    for (qsizetype i = 0; i < text.size(); ++i)
        if ((i % 2 == 1) != (text[i] == u' ')) return false;
    return true;
}

} // namespace

void installAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(toolkitInterface);
        return true;
    }();
    (void)installed;
}

void setAccessibleRole(QWidget* widget, QAccessible::Role role) {
    widget->setProperty(kRoleProperty, static_cast<int>(role));
}

void hideFromScreenReaders(QWidget* widget) {
    widget->setProperty(kHiddenProperty, true);
}

QString spokenText(const QString& caption) {
    QString simple = caption.simplified();
    if (!isLetterSpaced(simple)) return simple;
    QString joined = simple;
    joined.remove(u' ');
    return joined;
}

} // namespace tk::ui
