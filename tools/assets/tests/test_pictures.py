# SPDX-License-Identifier: GPL-3.0-or-later
"""The cestaro example triangle and the hand-drawn icons."""

import unittest

from assetgen import ico, pictures, pixelart


class TriangleTest(unittest.TestCase):
    def test_example_adds_up(self):
        self.assertEqual(pictures.triangle_faults(pictures.EXAMPLE_TRIANGLE), [])

    def test_a_wrong_base_number_shows_in_the_cell_above_it(self):
        values = list(pictures.EXAMPLE_TRIANGLE)
        values[14] += 1  # last circle of the base: only the last cell of row 4 sums it
        self.assertEqual(pictures.triangle_faults(values), ["row 4, cell 4"])

    def test_puzzle_shows_only_red_givens_and_solution_fills_the_rest_in_black(self):
        puzzle = pictures.board_cells(pictures.EXAMPLE_TRIANGLE, pictures.EXAMPLE_GIVEN, solved=False).split(",")
        solved = pictures.board_cells(pictures.EXAMPLE_TRIANGLE, pictures.EXAMPLE_GIVEN, solved=True).split(",")
        self.assertEqual(puzzle, ["29r", "", "", "7r", "", "", "3r", "4r", "", "2r", "1r", "", "", "2r", ""])
        self.assertEqual(solved, ["29r", "15k", "14k", "7r", "8k", "6k", "3r", "4r", "4k", "2r",
                                  "1r", "2k", "2k", "2r", "0k"])


class PixelArtTest(unittest.TestCase):
    def test_hand_hot_spot_is_the_black_tip_of_the_finger(self):
        hand = pixelart.pointing_hand()
        x, y = pixelart.HAND_HOT_SPOT
        self.assertEqual(hand[x, y], pixelart.BLACK)
        self.assertEqual(hand[x, y + 1], pixelart.WHITE)  # the finger's inside just below the tip
        self.assertEqual(hand[0, 0][3], 0)

    def test_four_bit_icons_use_only_the_classic_palette(self):
        for name, picture in [("letters", pixelart.letters_icon()), ("z", pixelart.z_tile_icon()),
                              ("triangle32", pixelart.sum_triangle_icon(32)),
                              ("triangle16", pixelart.sum_triangle_icon(16)),
                              ("window32", pixelart.window_icon(32, True)),
                              ("window16", pixelart.window_icon(16, True))]:
            with self.subTest(name):
                ico.image_data(picture, 4, ico.VGA16)  # raises on a colour outside the palette

    def test_monochrome_window_is_black_and_white_only(self):
        colours = {p[:3] for p in pixelart.window_icon(32, False).pixels if p[3]}
        self.assertEqual(colours, {(0, 0, 0), (255, 255, 255)})

    def test_z_icon_is_five_maroon_squares(self):
        maroon = [p for p in pixelart.z_tile_icon().pixels if p == pixelart.MAROON]
        self.assertEqual(len(maroon), 5 * 25)


if __name__ == "__main__":
    unittest.main()
