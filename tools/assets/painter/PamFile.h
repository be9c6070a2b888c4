// SPDX-License-Identifier: GPL-3.0-or-later
// Writes pictures as PAM files (netpbm RGB_ALPHA), the hand-over format to the encoders of the generator.
#pragma once

#include <QImage>
#include <QString>

class PamFile {
public:
    // Writes `image` as 8-bit RGBA with straight alpha; throws std::runtime_error if the file cannot be
    // written.
    static void write(const QImage& image, const QString& path);
};
