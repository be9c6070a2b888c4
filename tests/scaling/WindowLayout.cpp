// SPDX-License-Identifier: GPL-3.0-or-later
// Writing out a window's widgets with their places, and the difference of two such lists.
#include "tests/scaling/WindowLayout.h"

#include <QHash>
#include <QWidget>

namespace scaling {

namespace {

QString placeOf(const QRect& r) {
    return QStringLiteral("%1,%2 %3x%4").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
}

void addChildren(QWidget* window, QWidget* parent, const QString& parentPath, QStringList& lines) {
    QHash<QString, int> seen;
    for (QObject* object : parent->children()) {
        auto* widget = qobject_cast<QWidget*>(object);
        if (!widget || widget->isWindow()) continue;
        const QString kind = QString::fromLatin1(widget->metaObject()->className());
        const QString name = widget->objectName().isEmpty()
                                 ? QStringLiteral("%1#%2").arg(kind).arg(seen[kind]++)
                                 : widget->objectName();
        const QString path = parentPath + '/' + name;
        const QRect place(widget->mapTo(window, QPoint(0, 0)), widget->size());
        lines << QStringLiteral("%1 %2 %3%4 font %5px")
                     .arg(path, kind, placeOf(place),
                          widget->isVisibleTo(window) ? QString() : QStringLiteral(" hidden"))
                     .arg(widget->font().pixelSize());
        addChildren(window, widget, path, lines);
    }
}

} // namespace

QStringList layoutOf(QWidget* window) {
    QStringList lines{QStringLiteral("window \"%1\" %2")
                          .arg(window->windowTitle(), placeOf(QRect(window->pos(), window->size())))};
    addChildren(window, window, QString(), lines);
    return lines;
}

QString differences(const QStringList& expected, const QStringList& actual) {
    QString text;
    for (const QString& line : expected)
        if (!actual.contains(line)) text += QStringLiteral("- %1\n").arg(line);
    for (const QString& line : actual)
        if (!expected.contains(line)) text += QStringLiteral("+ %1\n").arg(line);
    return text;
}

} // namespace scaling
