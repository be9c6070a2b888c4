# SPDX-License-Identifier: GPL-3.0-or-later
"""Picture files: BMP row order and padding, PNG that an independent reader decodes back, PAM reading."""

import os
import struct
import tempfile
import unittest

from checker import check

from assetgen import pixelart
from assetgen.picture import Picture, bmp24_bytes, png_bytes, read_pam



def corners(width, height):
    """A picture with a different colour in each corner and grey elsewhere."""
    picture = Picture(width, height, (128, 128, 128, 255))
    picture[0, 0] = (255, 0, 0, 255)
    picture[width - 1, 0] = (0, 255, 0, 255)
    picture[0, height - 1] = (0, 0, 255, 255)
    picture[width - 1, height - 1] = (255, 255, 0, 255)
    return picture


class BmpTest(unittest.TestCase):
    def test_rows_are_bottom_up_bgr_padded_to_four_bytes(self):
        data = bmp24_bytes(corners(5, 2))  # 15 bytes a row, padded to 16
        offset = struct.unpack("<I", data[10:14])[0]
        self.assertEqual(len(data), offset + 2 * 16)
        bottom, top = data[offset:offset + 16], data[offset + 16:offset + 32]
        self.assertEqual(bottom[:3], bytes((255, 0, 0)))  # blue, stored B G R
        self.assertEqual(bottom[12:16], bytes((0, 255, 255, 0)))  # yellow, then one pad byte
        self.assertEqual(top[:3], bytes((0, 0, 255)))  # red
        self.assertEqual(struct.unpack("<2sI", data[:6]), (b"BM", len(data)))


class PngTest(unittest.TestCase):
    def test_an_independent_reader_gets_the_same_pixels_back(self):
        for alpha in (True, False):
            with self.subTest(alpha=alpha):
                picture = corners(7, 3)
                picture[3, 1] = (10, 20, 30, 40 if alpha else 255)
                w, h, _, rows = check.png_pixels(png_bytes(picture, alpha))
                step = 4 if alpha else 3
                decoded = [tuple(row[i:i + step]) + (() if alpha else (255,)) for row in rows
                           for i in range(0, len(row), step)]
                self.assertEqual((w, h), (7, 3))
                self.assertEqual(decoded, picture.pixels)


class PamTest(unittest.TestCase):
    def write(self, text, body):
        handle, path = tempfile.mkstemp(suffix=".pam")
        with os.fdopen(handle, "wb") as f:
            f.write(text.encode("ascii") + body)
        self.addCleanup(os.remove, path)
        return path

    def test_reads_rgba_and_refuses_other_kinds_or_short_data(self):
        header = "P7\nWIDTH 2\nHEIGHT 1\nDEPTH 4\nMAXVAL 255\nTUPLTYPE %s\nENDHDR\n"
        picture = read_pam(self.write(header % "RGB_ALPHA", bytes([1, 2, 3, 4, 5, 6, 7, 8])))
        self.assertEqual(picture.pixels, [(1, 2, 3, 4), (5, 6, 7, 8)])
        with self.assertRaises(ValueError):
            read_pam(self.write(header % "GRAYSCALE", bytes(8)))
        with self.assertRaises(ValueError):
            read_pam(self.write(header % "RGB_ALPHA", bytes(7)))


class OutlineTest(unittest.TestCase):
    def test_red_letters_never_touch_transparency(self):
        icon = pixelart.letters_icon()
        for y in range(32):
            for x in range(32):
                if icon[x, y] == pixelart.RED:
                    for nx, ny in ((x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)):
                        self.assertNotEqual(icon[nx, ny][3], 0, (x, y))

    def test_outline_hugs_sides_not_corners(self):
        picture = Picture(5, 5)
        picture[2, 2] = pixelart.RED
        pixelart.outline(picture, pixelart.BLACK)
        outlined = {(x, y) for y in range(5) for x in range(5) if picture[x, y] == pixelart.BLACK}
        self.assertEqual(outlined, {(1, 2), (3, 2), (2, 1), (2, 3)})


if __name__ == "__main__":
    unittest.main()
