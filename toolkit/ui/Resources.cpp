// SPDX-License-Identifier: GPL-3.0-or-later
// Reading embedded resources, with decoded pictures cached by path.
#include "toolkit/ui/Resources.h"

#include "toolkit/ui/PixelPainting.h"

#include <QFile>
#include <QGuiApplication>
#include <QHash>
#include <QImageReader>
#include <QResource>
#include <cmath>

namespace tk::ui {

namespace {

QString pathOf(const QString& type, int id) {
    return QStringLiteral(":/%1/%2").arg(type).arg(id);
}

} // namespace

QByteArray resourceBytes(const QString& type, int id) {
    // An entry stored uncompressed comes back as a view of the program's own image, with no copy.
    const QResource resource(pathOf(type, id));
    if (!resource.isValid()) return {};
    return resource.uncompressedData();
}

bool hasResource(const QString& type, int id) {
    return QFile::exists(pathOf(type, id));
}

QPixmap resourcePixmap(const QString& type, int id) {
    static QHash<QString, QPixmap> cache;
    const QString path = pathOf(type, id);
    if (auto found = cache.constFind(path); found != cache.constEnd()) return *found;
    QPixmap pixmap = freshResourcePixmap(type, id);
    cache.insert(path, pixmap);
    return pixmap;
}

QPixmap freshResourcePixmap(const QString& type, int id) {
    QImageReader reader(pathOf(type, id));
    return QPixmap::fromImage(reader.read());
}

QIcon resourceIcon(const QString& type, int id) {
    QIcon icon;
    QImageReader reader(pathOf(type, id));
    for (int i = 0; i < std::max(1, reader.imageCount()); ++i) {
        if (i > 0 && !reader.jumpToImage(i)) break;
        const QImage image = reader.read();
        if (!image.isNull()) icon.addPixmap(QPixmap::fromImage(image));
    }
    return icon;
}

QCursor resourceCursor(const QString& type, int id, int hotX, int hotY) {
    const QPixmap picture = resourcePixmap(type, id);
    if (picture.isNull()) return QCursor(Qt::PointingHandCursor);
    const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
    if (ratio <= 1) return QCursor(picture, hotX, hotY);
    // The window system shows a cursor's pixels one for one: enlarged, it keeps its size on a scaled
    // desktop. Qt 6.4 on X11 takes the hot spot in the enlarged picture's pixels.
    const QPixmap enlarged = QPixmap::fromImage(crispEnlarged(picture.toImage(), ratio));
    return QCursor(enlarged, static_cast<int>(std::lround(hotX * ratio)),
                   static_cast<int>(std::lround(hotY * ratio)));
}

} // namespace tk::ui
