# SPDX-License-Identifier: GPL-3.0-or-later
"""The drawing tool: portraits all different, example boards showing the right ink in the right circle."""

import os
import shutil
import subprocess
import tempfile
import unittest

from assetgen import pictures
from assetgen.picture import read_pam

ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__)))))
PAINTER = os.environ.get("ASSETS_PAINTER", os.path.join(ROOT, "build", "assets-painter", "assetpainter"))

# Circle centres of the example board in its 313 x 284 pixels: the main window's triangle (circles 1200
# twips apart in a row, rows 960 and then 1080 twips apart) scaled by 293 / 5775 and centred.
SCALE = 293 / 5775
ROW_TOPS = [705, 1665, 2745, 3825, 4905]


def circle_centre(index):
    row = next(r for r in range(5) if index < (r + 1) * (r + 2) // 2)
    place = index - row * (row + 1) // 2
    left = 2640 - 600 * row + 1200 * place
    return (10 + (left - 240 + 487.5) * SCALE, (284 - 5175 * SCALE) / 2 + (ROW_TOPS[row] - 705 + 487.5) * SCALE)


def ink_in_circle(picture, index):
    """What the inside of circle `index` is written in: "red", "black" or None."""
    cx, cy = circle_centre(index)
    counts = {"red": 0, "black": 0}
    for y in range(int(cy) - 12, int(cy) + 13):
        for x in range(int(cx) - 12, int(cx) + 13):
            r, g, b, _ = picture[x, y]
            if r > 200 and g < 80 and b < 80:
                counts["red"] += 1
            elif r < 80 and g < 80 and b < 80:
                counts["black"] += 1
    best = max(counts, key=counts.get)
    return best if counts[best] > 10 else None


@unittest.skipUnless(os.access(PAINTER, os.X_OK), "assetpainter is not built (run tools/assets/generate)")
class PainterTest(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.mkdtemp(prefix="painter_")
        self.env = dict(os.environ, QT_QPA_PLATFORM="offscreen", XDG_RUNTIME_DIR=self.folder)

    def tearDown(self):
        shutil.rmtree(self.folder)

    def paint(self, *args):
        return subprocess.run([PAINTER, *args], env=self.env, capture_output=True, text=True)

    def test_board_shows_each_number_in_its_own_circle_in_its_colour(self):
        for solved in (False, True):
            with self.subTest(solved=solved):
                path = os.path.join(self.folder, "board.pam")
                cells = pictures.board_cells(pictures.EXAMPLE_TRIANGLE, pictures.EXAMPLE_GIVEN, solved)
                self.assertEqual(self.paint("board", path, cells).returncode, 0)
                board = read_pam(path)
                self.assertEqual((board.width, board.height), (313, 284))
                for i in range(15):
                    expected = "red" if i in pictures.EXAMPLE_GIVEN else ("black" if solved else None)
                    self.assertEqual(ink_in_circle(board, i), expected, "circle %d" % i)

    def test_malformed_boards_are_refused(self):
        for cells in (",".join(["1r"] * 14), ",".join(["1r"] * 14 + ["2x"])):
            with self.subTest(cells=cells):
                result = self.paint("board", os.path.join(self.folder, "b.pam"), cells)
                self.assertNotEqual(result.returncode, 0)
                self.assertIn("assetpainter:", result.stderr)

    def test_hundred_different_portraits(self):
        self.assertEqual(self.paint("portraits", self.folder).returncode, 0)
        seen = set()
        for ident in range(101, 201):
            face = read_pam(os.path.join(self.folder, "%d.pam" % ident))
            self.assertEqual((face.width, face.height), (32, 32))
            seen.add(tuple(face.pixels))
        self.assertEqual(len(seen), 100)


if __name__ == "__main__":
    unittest.main()
