# SPDX-License-Identifier: GPL-3.0-or-later
"""The programs' desktop icons: the embedded icons' own pixels at the small sizes, the same design when larger."""

import os
import shutil
import subprocess
import tempfile
import unittest

from assetgen import appicons, ico

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
PAINTER = os.environ.get("ASSETS_PAINTER", os.path.join(ROOT, "build", "assets-painter", "assetpainter"))
EMBEDDED = {"filarino": "filarino/resources/WINDOWICON/1.ico", "cestaro": "cestaro/resources/ICON/1.ico",
            "intarsello": "intarsello/resources/ICON/1.ico"}
USAGE = 2  # assetpainter's exit status for a command it does not know
# Mean difference per colour channel (0-255) between two icons reduced to 16 x 16 that still counts as the
# same design: a redraw with slightly different proportions stays well under it, another design is far above.
SAME_DESIGN = 30


def over_white(rgba):
    return tuple(c * rgba[3] / 255 + 255 * (1 - rgba[3] / 255) for c in rgba[:3])


def reduced(picture, size=16):
    """`picture` averaged down to size x size (its side must be a multiple of `size`), over white."""
    f = picture.width // size
    out = []
    for y in range(size):
        for x in range(size):
            block = [over_white(picture[x * f + dx, y * f + dy]) for dy in range(f) for dx in range(f)]
            out.append(tuple(sum(c[i] for c in block) / len(block) for i in range(3)))
    return out


def difference(a, b):
    return sum(abs(p - q) for u, v in zip(a, b) for p, q in zip(u, v)) / (3 * len(a))


class AppIconTest(unittest.TestCase):
    def setUp(self):
        self.scratch = tempfile.mkdtemp(prefix="appicons_")
        os.environ.setdefault("QT_QPA_PLATFORM", "offscreen")

    def tearDown(self):
        shutil.rmtree(self.scratch)

    def icon(self, program, size):
        if program == "cestaro" and size > 32 and not os.access(PAINTER, os.X_OK):
            self.skipTest("assetpainter is not built (run tools/assets/generate)")
        try:
            return appicons.icon(program, size, PAINTER, self.scratch)
        except subprocess.CalledProcessError as e:
            if e.returncode == USAGE:
                self.skipTest("assetpainter was built before its icon command (run tools/assets/generate)")
            raise

    def test_small_sizes_are_the_pixels_of_the_embedded_icons(self):
        for program, path in EMBEDDED.items():
            with open(os.path.join(ROOT, path), "rb") as f:
                embedded = f.read()
            for size in (16, 32):
                if (program, size) in (("intarsello", 32), ("filarino", 16)):
                    continue  # the embedded icon has only the other size
                with self.subTest(program=program, size=size):
                    self.assertIn(ico.image_data(self.icon(program, size), 4, ico.VGA16), embedded)

    def test_larger_sizes_keep_the_design_of_the_32_pixel_icon(self):
        for program in appicons.PROGRAMS:
            for size in (48, 256):
                with self.subTest(program=program, size=size):
                    design = reduced(self.icon(program, 32))
                    self.assertLess(difference(reduced(self.icon(program, size)), design), SAME_DESIGN)

    def test_another_program_design_is_told_apart(self):
        # Guards the threshold itself: were it too loose, any icon would pass for any program.
        self.assertGreater(difference(reduced(self.icon("intarsello", 32)), reduced(self.icon("filarino", 48))),
                           SAME_DESIGN)

    def test_each_size_is_square_at_its_size(self):
        for program in appicons.PROGRAMS:
            for size in appicons.SIZES:
                with self.subTest(program=program, size=size):
                    picture = self.icon(program, size)
                    self.assertEqual((picture.width, picture.height), (size, size))


if __name__ == "__main__":
    unittest.main()
