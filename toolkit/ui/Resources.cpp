// Reading embedded resources, with decoded pictures cached by path.
#include "Resources.h"

#include <QFile>
#include <QHash>
#include <QImageReader>

namespace tk::ui {

namespace {

QString pathOf(const QString& type, int id) {
    return QStringLiteral(":/%1/%2").arg(type).arg(id);
}

} // namespace

QByteArray resourceBytes(const QString& type, int id) {
    QFile file(pathOf(type, id));
    if (!file.open(QIODevice::ReadOnly)) return {};
    return file.readAll();
}

bool hasResource(const QString& type, int id) {
    return QFile::exists(pathOf(type, id));
}

QPixmap resourcePixmap(const QString& type, int id) {
    static QHash<QString, QPixmap> cache;
    const QString path = pathOf(type, id);
    if (auto found = cache.constFind(path); found != cache.constEnd()) return *found;
    QImageReader reader(path);
    QPixmap pixmap = QPixmap::fromImage(reader.read());
    cache.insert(path, pixmap);
    return pixmap;
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
    return QCursor(picture, hotX, hotY);
}

} // namespace tk::ui
