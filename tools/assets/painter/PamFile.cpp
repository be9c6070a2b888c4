// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures as PAM files (netpbm RGB_ALPHA), the hand-over format to the encoders of the generator.
#include "tools/assets/painter/PamFile.h"

#include <QFile>
#include <stdexcept>

void PamFile::write(const QImage& image, const QString& path) {
    const QImage rgba = image.convertToFormat(QImage::Format_RGBA8888);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) throw std::runtime_error("cannot write " + path.toStdString());
    const QByteArray header =
        QStringLiteral("P7\nWIDTH %1\nHEIGHT %2\nDEPTH 4\nMAXVAL 255\nTUPLTYPE RGB_ALPHA\nENDHDR\n")
            .arg(rgba.width())
            .arg(rgba.height())
            .toLatin1();
    file.write(header);
    for (int y = 0; y < rgba.height(); ++y)
        file.write(reinterpret_cast<const char*>(rgba.constScanLine(y)), 4 * rgba.width());
    if (!file.flush()) throw std::runtime_error("cannot write " + path.toStdString());
}
