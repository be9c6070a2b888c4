# SPDX-License-Identifier: GPL-3.0-or-later
"""The example boards of intarsello: the tiling proof must accept the true boards and catch broken ones."""

import unittest

from assetgen import pentominoes as pm


def swapped(board, a, b):
    """`board` with the squares at (x, y) positions `a` and `b` exchanged."""
    rows = [list(r) for r in board]
    (ax, ay), (bx, by) = a, b
    rows[ay][ax], rows[by][bx] = rows[by][bx], rows[ay][ax]
    return ["".join(r) for r in rows]


class TilingTest(unittest.TestCase):
    def test_the_four_examples_are_tilings(self):
        for i, board in enumerate(pm.BOARDS):
            with self.subTest(board=i):
                self.assertEqual(pm.tiling_faults(board), [])

    def test_turned_and_mirrored_boards_are_still_tilings(self):
        board = pm.BOARDS[1]
        mirrored = [row[::-1] for row in board]
        upside_down = board[::-1]
        self.assertEqual(pm.tiling_faults(mirrored), [])
        self.assertEqual(pm.tiling_faults(upside_down), [])

    def test_broken_boards_are_caught(self):
        board = pm.BOARDS[0]
        cases = [
            ("two squares exchanged", swapped(board, (0, 0), (9, 5)), ["squares of L", "squares of U"]),
            ("a tile doubled", [board[0].replace("I", "N")] + board[1:], ["I is missing", "squares of N"]),
            ("an unknown letter", [board[0][:-1] + "Q"] + board[1:], ["Q is not a tile", "squares of I"]),
            ("a short row", [board[0][:-1]] + board[1:], ["not 10 x 6"]),
        ]
        for name, broken, words in cases:
            with self.subTest(name):
                text = "; ".join(pm.tiling_faults(broken))
                for word in words:
                    self.assertIn(word, text)

    def test_shape_table_holds_twelve_different_pentominoes(self):
        forms = [pm.orientations(squares) for squares, _ in pm.TILES.values()]
        for (letter, (squares, _)), own in zip(pm.TILES.items(), forms):
            self.assertEqual(len(set(squares)), 5, letter)
            self.assertEqual(squares[0], (0, 0), letter)
            self.assertEqual(sum(own is other or bool(own & other) for other in forms), 1, letter)


class RenderTest(unittest.TestCase):
    def test_picture_is_flat_squares_with_a_frame_right_and_bottom(self):
        picture = pm.render(pm.BOARDS[2])
        self.assertEqual((picture.width, picture.height), (161, 97))
        self.assertEqual(picture[0, 0], (128, 0, 0, 255))  # Z in the top-left square
        self.assertEqual(picture[15, 15], (128, 0, 0, 255))
        self.assertEqual(picture[159, 95], (0, 0, 255, 255))  # N in the bottom-right square
        self.assertEqual(picture[160, 50], (0, 0, 0, 255))

    def test_a_board_that_is_not_a_tiling_is_not_drawn(self):
        with self.assertRaises(ValueError):
            pm.render(swapped(pm.BOARDS[0], (0, 0), (9, 5)))


if __name__ == "__main__":
    unittest.main()
