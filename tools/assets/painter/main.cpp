// SPDX-License-Identifier: GPL-3.0-or-later
// assetpainter: draws the generator's pictures and writes them as PAM files.
//   assetpainter portraits DIR    the 100 portraits as DIR/101.pam ... DIR/200.pam (32 x 32)
//   assetpainter arrow FILE       the hint arrow (110 x 80)
//   assetpainter board FILE CELLS an example board of cestaro (313 x 284), cells as BoardPainter::parse reads
//   assetpainter triangleicon SIZE FILE  cestaro's program icon at SIZE x SIZE (16 to 1024)
#include "tools/assets/painter/AnimalPainter.h"
#include "tools/assets/painter/ArrowPainter.h"
#include "tools/assets/painter/BoardPainter.h"
#include "tools/assets/painter/FaceCatalog.h"
#include "tools/assets/painter/HumanPainter.h"
#include "tools/assets/painter/PamFile.h"
#include "tools/assets/painter/Supersampler.h"
#include "tools/assets/painter/TriangleIconPainter.h"

#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <exception>
#include <stdexcept>

namespace {

// Portraits are drawn at 8 times their size, which gives 64 coverage levels per edge pixel.
constexpr int kPortraitOversampling = 8;

void paintPortraits(const QString& folder) {
    const std::vector<Face> faces = FaceCatalog::faces();
    for (std::size_t i = 0; i < faces.size(); ++i) {
        const Face& face = faces[i];
        const QImage image = Supersampler::render(32, 32, kPortraitOversampling, [&face](QPainter& p) {
            if (face.species == Species::Human)
                HumanPainter::paint(p, face);
            else
                AnimalPainter::paint(p, face);
        });
        PamFile::write(image, QStringLiteral("%1/%2.pam").arg(folder).arg(101 + i));
    }
}

// The size argument of triangleicon; throws on anything but a whole number of pixels in range.
int iconSize(const QString& text) {
    bool ok = false;
    const int size = text.toInt(&ok);
    if (!ok || size < 16 || size > 1024) throw std::invalid_argument("icon size must be 16 to 1024 pixels");
    return size;
}

int usage() {
    std::fputs("usage: assetpainter portraits DIR | arrow FILE | board FILE CELLS | triangleicon SIZE FILE\n",
               stderr);
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    try {
        if (args.size() == 3 && args[1] == "portraits")
            paintPortraits(args[2]);
        else if (args.size() == 3 && args[1] == "arrow")
            PamFile::write(ArrowPainter::paint(), args[2]);
        else if (args.size() == 4 && args[1] == "board")
            PamFile::write(BoardPainter::paint(BoardPainter::parse(args[3])), args[2]);
        else if (args.size() == 4 && args[1] == "triangleicon")
            PamFile::write(TriangleIconPainter::paint(iconSize(args[2])), args[3]);
        else
            return usage();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "assetpainter: %s\n", e.what());
        return 1;
    }
    return 0;
}
