# SPDX-License-Identifier: GPL-3.0-or-later
"""The programs' icons for the desktop's hicolor theme at 16, 32, 48 and 256 pixels, drawn from each
program's own icon: the pixel art of the embedded icons at the small sizes, redrawn at the large ones.
filarino's is the "FIL" lettering of its start window, not its plain-window program icon."""

import os
import subprocess
import tempfile

from . import pixelart
from .picture import png_bytes, read_pam

# The desktop entries, metainfo files and icons are all named <APP_ID_PREFIX>.<program>.
APP_ID_PREFIX = "io.github.giochimatematica"
PROGRAMS = ("filarino", "cestaro", "intarsello")
SIZES = (16, 32, 48, 256)


def icon_path(root, program, size):
    return os.path.join(root, "packaging", "icons", "hicolor", "%dx%d" % (size, size), "apps",
                        "%s.%s.png" % (APP_ID_PREFIX, program))


def sum_triangle(size, painter, scratch):
    """cestaro: the pixel-art triangle at 16 and 32; larger sizes are painted with smooth circles and digits."""
    if size in (16, 32):
        return pixelart.sum_triangle_icon(size)
    path = os.path.join(scratch, "triangle%d.pam" % size)
    subprocess.run([painter, "triangleicon", str(size), path], check=True)
    return read_pam(path)


def icon(program, size, painter, scratch):
    """The hicolor icon of `program` at `size` pixels."""
    if program == "filarino":
        return pixelart.letters_icon(size)
    if program == "cestaro":
        return sum_triangle(size, painter, scratch)
    return pixelart.z_tile_icon(size)


def generate(root, painter, log=print):
    """Writes the twelve icons under `root`/packaging/icons/hicolor."""
    with tempfile.TemporaryDirectory(prefix="appicons_") as scratch:
        for program in PROGRAMS:
            for size in SIZES:
                path = icon_path(root, program, size)
                os.makedirs(os.path.dirname(path), exist_ok=True)
                data = png_bytes(icon(program, size, painter, scratch))
                with open(path, "wb") as f:
                    f.write(data)
                log("%s: %d bytes" % (os.path.relpath(path, root), len(data)))
