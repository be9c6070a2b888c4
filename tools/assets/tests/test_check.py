# SPDX-License-Identifier: GPL-3.0-or-later
"""The output check must pass the committed assets and catch each kind of damage it is there to find."""

import os
import shutil
import struct
import tempfile
import unittest

from checker import check

from assetgen import pentominoes, pixelart
from assetgen.picture import Picture, png_bytes

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(HERE)))


def edit(rel, change):
    """A damage: rewrites the bytes of file `rel` with `change(bytes) -> bytes`."""
    def apply(root):
        path = os.path.join(root, rel)
        with open(path, "rb") as f:
            data = f.read()
        with open(path, "wb") as f:
            f.write(change(data))
    return apply


def patch(offset, new):
    return lambda data: data[:offset] + new + data[offset + len(new):]


def copy_file(source, target):
    return lambda root: shutil.copy(os.path.join(root, source), os.path.join(root, target))


def lowered_hand():
    """The cursor drawn one pixel lower, so that its tip misses (4, 0)."""
    hand, lowered = pixelart.pointing_hand(), Picture(32, 32)
    for y in range(31):
        for x in range(32):
            lowered[x, y + 1] = hand[x, y]
    return png_bytes(lowered)


def remove(rel):
    return lambda root: os.remove(os.path.join(root, rel))


SND = "filarino/resources/CUSTOM/%d.wav"
APP_ICON = "packaging/icons/hicolor/%dx%d/apps/io.github.giochimatematica.cestaro.png"

DAMAGES = [
    ("wrong sample rate", edit(SND % 105, patch(24, struct.pack("<I", 22050))), "format"),
    ("113 without its trailing bytes", edit(SND % 113, lambda d: d[:9856]), "trailing"),
    ("pad byte not zero", edit(SND % 104, lambda d: d[:-1] + b"\x01"), "pad byte"),
    ("RIFF size past the end", edit(SND % 102, patch(4, struct.pack("<I", 10 ** 6))), "runs past"),
    ("109 without its mark chunk", edit(SND % 109, lambda d: d[:4] + struct.pack("<I", d.rindex(b"mark") - 8)
                                         + d[8:d.rindex(b"mark")]), "chunks"),
    ("a clipping sample", edit(SND % 111, lambda d: d[:d.index(b"data") + 20] + b"\xff"
                               + d[d.index(b"data") + 21:]), "clips"),
    ("mp3 with a wrong byte rate", edit(SND % 114, patch(28, struct.pack("<I", 4000))), "byte rate"),
    ("adpcm with small blocks", edit(SND % 110, patch(32, struct.pack("<H", 256))), "block align"),
    ("cestaro sound cut short", edit("cestaro/resources/CUSTOM/101.wav",
                                     lambda d: d[:4] + struct.pack("<I", len(d) - 108) + d[8:40]
                                     + struct.pack("<I", 45292) + d[44:-100]), "data bytes"),
    ("two identical portraits", copy_file("filarino/resources/ICON/150.ico", "filarino/resources/ICON/151.ico"),
     "identical portraits"),
    ("portrait of the wrong depth", copy_file("filarino/resources/WINDOWICON/1.ico",
                                              "filarino/resources/ICON/120.ico"), "expected"),
    ("a missing portrait", remove("filarino/resources/ICON/200.ico"), "missing"),
    ("a stray file", copy_file("filarino/resources/ICON/101.ico", "filarino/resources/ICON/201.ico"),
     "not a known resource"),
    ("cursor tip moved off the hot spot", edit("filarino/resources/CURSOR/101.png", lambda d: lowered_hand()),
     "hot spot"),
    ("program icon of the wrong size", copy_file(APP_ICON % (32, 32), APP_ICON % (48, 48)), "32x32, expected"),
    ("program icon filled to its corners",
     edit(APP_ICON % (16, 16), lambda d: png_bytes(Picture(16, 16, (0, 128, 128, 255)))), "bottom-left corner"),
    ("bitmap of the wrong width", edit("cestaro/resources/BITMAP/101.bmp", patch(18, struct.pack("<i", 312))),
     "BMP"),
]


class CheckTest(unittest.TestCase):
    def setUp(self):
        self.root = tempfile.mkdtemp(prefix="assets_check_")
        for program in ("filarino", "cestaro", "intarsello"):
            shutil.copytree(os.path.join(ROOT, program, "resources"), os.path.join(self.root, program, "resources"))
        shutil.copytree(os.path.join(ROOT, "packaging", "icons"), os.path.join(self.root, "packaging", "icons"))

    def tearDown(self):
        shutil.rmtree(self.root)

    def test_committed_assets_pass(self):
        self.assertEqual(check.check_tree(self.root), [])

    def test_each_damage_is_reported(self):
        for name, damage, words in DAMAGES:
            with self.subTest(name):
                self.tearDown()
                self.setUp()
                damage(self.root)
                faults = "\n".join(check.check_tree(self.root))
                self.assertIn(words, faults)

    def test_tiling_pictures_with_a_recoloured_square_are_reported(self):
        for name, recolour in [("a whole square", (0, 0, 16)), ("one pixel", (0, 0, 1))]:
            with self.subTest(name):
                picture = pentominoes.render(pentominoes.BOARDS[0])
                x0, y0, size = recolour
                picture.fill_rect(x0, y0, size, size, (0, 0, 255, 255))
                rows = [b"".join(bytes(p[:3]) for p in row) for row in picture.rows()]
                faults = []
                check.check_tiling_picture("p.png", rows, lambda where, message: faults.append(message))
                self.assertEqual(len(faults), 1)


if __name__ == "__main__":
    unittest.main()
