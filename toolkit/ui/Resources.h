// SPDX-License-Identifier: GPL-3.0-or-later
// Embedded resources, read by type and numeric id (":/<TYPE>/<id>"): WAV images, icons, pictures.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QPixmap>
#include <QString>

namespace tk::ui {

// The bytes of a resource, unchanged; empty when there is no such resource.
QByteArray resourceBytes(const QString& type, int id);
bool hasResource(const QString& type, int id);

// A picture (icon, bitmap, PNG) decoded once and kept; a null pixmap when missing or unreadable.
QPixmap resourcePixmap(const QString& type, int id);
// The same picture decoded anew and not kept, for pictures drawn in turn from a large set (the portraits):
// decoding a small icon takes microseconds, while keeping a hundred would hold more than half a megabyte.
QPixmap freshResourcePixmap(const QString& type, int id);

// Every image of an icon resource, for window icons.
QIcon resourceIcon(const QString& type, int id);

// A mouse cursor from a picture resource with the given hot spot; the arrow when missing.
QCursor resourceCursor(const QString& type, int id, int hotX, int hotY);

} // namespace tk::ui
