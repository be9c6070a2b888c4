// SPDX-License-Identifier: GPL-3.0-or-later
// Test double for a screen reader: switches the platform's accessibility on, as a reader arriving would,
// records the updates Qt sends to readers, and reads controls through Qt's accessibility layer.
#pragma once

#include <QAccessible>
#include <QMenuBar>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <functional>
#include <vector>

namespace tk::ui::testing {

class ScreenReader {
public:
    struct Event {
        QAccessible::Event type;
        QPointer<QObject> object;
        QString text; // inserted text of a text update; empty otherwise
    };

    // One at a time.
    ScreenReader();
    ~ScreenReader();
    ScreenReader(const ScreenReader&) = delete;
    ScreenReader& operator=(const ScreenReader&) = delete;

    static QAccessibleInterface* interfaceOf(QObject* object) {
        return QAccessible::queryAccessibleInterface(object);
    }
    static QString name(QObject* object) { return interfaceOf(object)->text(QAccessible::Name); }
    static QString value(QObject* object) { return interfaceOf(object)->text(QAccessible::Value); }
    static QAccessible::Role role(QObject* object) { return interfaceOf(object)->role(); }
    // The names of the entries of a menu bar or menu that a reader announces (not the invisible ones).
    static QStringList entryNames(QWidget* menu) {
        QAccessibleInterface* bar = interfaceOf(menu);
        QStringList names;
        for (int i = 0; i < bar->childCount(); ++i)
            if (!bar->child(i)->state().invisible) names << bar->child(i)->text(QAccessible::Name);
        return names;
    }

    // The objects a reader meets going through the tree from `root` down, `root` first; it passes over
    // what is invisible, with everything inside it.
    static std::vector<QObject*> announced(QObject* root) {
        std::vector<QObject*> found;
        const std::function<void(QAccessibleInterface*)> visit = [&](QAccessibleInterface* node) {
            if (!node || node->state().invisible) return;
            found.push_back(node->object());
            for (int i = 0; i < node->childCount(); ++i)
                visit(node->child(i));
        };
        visit(interfaceOf(root));
        return found;
    }

    // Events of `type` about `object`, oldest first.
    std::vector<Event> about(const QObject* object, QAccessible::Event type) const {
        std::vector<Event> found;
        for (const Event& e : events)
            if (e.object == object && e.type == type) found.push_back(e);
        return found;
    }
    // The new texts told for `object`, oldest first.
    std::vector<QString> textsOf(const QObject* object) const {
        std::vector<QString> texts;
        for (const Event& e : about(object, QAccessible::TextUpdated))
            texts.push_back(e.text);
        return texts;
    }
    void clear() { events.clear(); }

    std::vector<Event> events;

private:
    static void record(QAccessibleEvent* event);

    QAccessible::UpdateHandler previous_ = nullptr;
    bool wasActive_ = false;
};

} // namespace tk::ui::testing
