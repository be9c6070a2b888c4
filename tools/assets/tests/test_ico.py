# SPDX-License-Identifier: GPL-3.0-or-later
"""Icon encoding: image sizes, transparency mask, palettes and the colour reduction of portraits."""

import random
import struct
import unittest

from assetgen import ico
from assetgen.picture import Picture

RED = (255, 0, 0, 255)


def image_size(width, height, bits):
    picture = Picture(width, height, (0, 0, 0, 255))
    palette = {1: ico.MONO, 4: ico.VGA16, 8: [(0, 0, 0)] * 256}[bits]
    return len(ico.image_data(picture, bits, palette))


class ImageDataTest(unittest.TestCase):
    def test_image_sizes_match_the_icon_formats(self):
        for width, bits, size in [(32, 8, 2216), (32, 4, 744), (32, 1, 304), (16, 4, 296)]:
            with self.subTest(width=width, bits=bits):
                self.assertEqual(image_size(width, width, bits), size)

    def test_transparent_pixels_are_masked_and_hold_index_zero(self):
        picture = Picture(32, 32, (0, 0, 0, 0))
        picture[0, 31] = RED  # bottom-left: first pixel of the bottom-up rows
        data = ico.image_data(picture, 4, ico.VGA16)
        xor = data[40 + 64:40 + 64 + 512]
        mask = data[40 + 64 + 512:]
        self.assertEqual(xor[0] >> 4, ico.VGA16.index((255, 0, 0)))
        self.assertEqual(xor[1:], bytes(511))
        self.assertEqual(mask[0], 0x7F)  # bit 7 clear: the red pixel is opaque
        self.assertEqual(mask[4:], b"\xff\xff\xff\xff" * 31)

    def test_half_transparent_edge_counts_as_opaque_from_alpha_128(self):
        picture = Picture(32, 32)
        picture[0, 31] = (255, 0, 0, 128)
        picture[1, 31] = (255, 0, 0, 127)
        mask = ico.image_data(picture, 4, ico.VGA16)[-128:]
        self.assertEqual(mask[0] >> 6, 0b01)

    def test_colour_outside_a_fixed_palette_is_refused(self):
        picture = Picture(16, 16, (1, 2, 3, 255))
        with self.assertRaises(ValueError):
            ico.image_data(picture, 4, ico.VGA16)

    def test_directory_entries_point_at_their_images(self):
        small, big = Picture(16, 16, RED), Picture(32, 32, RED)
        data = ico.ico_bytes([(big, 4, ico.VGA16), (small, 4, ico.VGA16)])
        self.assertEqual(struct.unpack("<HHH", data[:6]), (0, 1, 2))
        first = struct.unpack("<BBBBHHII", data[6:22])
        second = struct.unpack("<BBBBHHII", data[22:38])
        self.assertEqual(first, (32, 32, 16, 0, 1, 4, 744, 38))
        self.assertEqual(second, (16, 16, 16, 0, 1, 4, 296, 38 + 744))
        self.assertEqual(len(data), 38 + 744 + 296)


class PaletteTest(unittest.TestCase):
    def test_few_colours_are_kept_exactly(self):
        counts = {(1, 2, 3): 5, (200, 100, 0): 1}
        self.assertEqual(ico.median_cut(counts, 255), [(1, 2, 3), (200, 100, 0)])

    def test_many_colours_are_reduced_to_the_limit_and_stay_close(self):
        rng = random.Random(7)
        counts = {(rng.randrange(256), rng.randrange(256), rng.randrange(256)): 1 for _ in range(900)}
        palette = ico.median_cut(counts, 255)
        self.assertLessEqual(len(palette), 255)
        worst = max(min(sum((p[i] - c[i]) ** 2 for i in range(3)) for p in palette) for c in counts)
        self.assertLess(worst ** 0.5, 60)

    def test_reduction_does_not_depend_on_the_order_colours_were_met(self):
        rng = random.Random(3)
        items = [((rng.randrange(256), rng.randrange(256), rng.randrange(256)), rng.randrange(1, 9))
                 for _ in range(400)]
        shuffled = items[:]
        rng.shuffle(shuffled)
        self.assertEqual(ico.median_cut(dict(items), 64), ico.median_cut(dict(shuffled), 64))

    def test_adaptive_palette_reserves_black_for_masked_pixels(self):
        picture = Picture(32, 32, (250, 200, 150, 255))
        palette = ico.adaptive_palette(picture)
        self.assertEqual(len(palette), 256)
        self.assertEqual(palette[0], (0, 0, 0))
        self.assertIn((250, 200, 150), palette[1:])


if __name__ == "__main__":
    unittest.main()
