# SPDX-License-Identifier: GPL-3.0-or-later
"""The four example solutions of intarsello: the boards, the proof that each is a true tiling, the pictures."""

from .picture import Picture

COLUMNS, ROWS = 10, 6
SQUARE_PIXELS = 16

# Each tile's squares as (dx, dy) offsets from its anchor, in its start orientation, and its colour.
TILES = {
    "L": ([(0, 0), (1, -1), (0, -1), (0, 1), (0, 2)], (0, 0, 0)),
    "X": ([(0, 0), (1, 0), (0, 1), (0, -1), (-1, 0)], (0, 0, 128)),
    "U": ([(0, 0), (1, 0), (1, 1), (-1, 0), (-1, 1)], (0, 128, 0)),
    "T": ([(0, 0), (1, 0), (-1, 0), (0, -1), (0, -2)], (0, 128, 128)),
    "Z": ([(0, 0), (0, 1), (1, 1), (0, -1), (-1, -1)], (128, 0, 0)),
    "Y": ([(0, 0), (1, 0), (0, 1), (0, 2), (0, -1)], (128, 0, 128)),
    "V": ([(0, 0), (1, 0), (2, 0), (0, -1), (0, -2)], (128, 128, 0)),
    "W": ([(0, 0), (-1, 0), (-1, 1), (0, -1), (1, -1)], (192, 192, 192)),
    "P": ([(0, 0), (1, 0), (0, 1), (-1, 1), (-1, 0)], (128, 128, 128)),
    "N": ([(0, 0), (0, 1), (1, 1), (-1, 0), (-2, 0)], (0, 0, 255)),
    "I": ([(0, 0), (1, 0), (2, 0), (-1, 0), (-2, 0)], (0, 255, 0)),
    "F": ([(0, 0), (1, 0), (0, 1), (0, 2), (-1, 1)], (0, 255, 255)),
}

# The example boards, rows from the top; each letter names the tile covering that square.
BOARDS = [
    ["UUNNNIIIII", "UNNWWXYYYY", "UUWWXXXYTL", "VZWFFXTTTL", "VZZZFFPPTL", "VVVZFPPPLL"],
    ["UUUYYYYNNW", "UPUZYNNNWW", "PPFZZZTWWV", "PPFFXZTTTV", "LFFXXXTVVV", "LLLLXIIIII"],
    ["ZZUUULLLLF", "VZUWULXFFF", "VZZWWXXXFT", "VVVYWWXTTT", "PPYYYYNNNT", "PPPIIIIINN"],
    ["NNIIIIIPPP", "FNNNYYYYPP", "FFFXWWYVVV", "TFXXXWWZZV", "TTTXLUWUZV", "TLLLLUUUZZ"],
]


def normalised(squares):
    """The squares moved so that the smallest x and y are 0, as a sorted tuple."""
    left = min(x for x, _ in squares)
    top = min(y for _, y in squares)
    return tuple(sorted((x - left, y - top) for x, y in squares))


def orientations(squares):
    """Every placement-free form of a tile: four turns, each also mirrored."""
    forms = set()
    for mirror in (1, -1):
        turned = [(mirror * x, y) for x, y in squares]
        for _ in range(4):
            forms.add(normalised(turned))
            turned = [(-y, x) for x, y in turned]
    return forms


def tiling_faults(board):
    """What is wrong with a board as a tiling of the 10 x 6 grid by the twelve tiles (empty if nothing)."""
    if len(board) != ROWS or any(len(row) != COLUMNS for row in board):
        return ["the board is not %d x %d" % (COLUMNS, ROWS)]
    faults = []
    cover = {}
    for y, row in enumerate(board):
        for x, letter in enumerate(row):
            cover.setdefault(letter, []).append((x, y))
    for letter in sorted(set(cover) - set(TILES)):
        faults.append("%s is not a tile" % letter)
    for letter in sorted(TILES):
        squares = cover.get(letter, [])
        if not squares:
            faults.append("%s is missing" % letter)
        elif normalised(squares) not in orientations(TILES[letter][0]):
            faults.append("the squares of %s do not form its shape" % letter)
    return faults


def render(board):
    """A flat picture of a board: 16-pixel squares in the tile colours, no grid lines, and a one-pixel
    black frame on the right and bottom (161 x 97)."""
    faults = tiling_faults(board)
    if faults:
        raise ValueError("not a tiling: " + "; ".join(faults))
    black = (0, 0, 0, 255)
    picture = Picture(COLUMNS * SQUARE_PIXELS + 1, ROWS * SQUARE_PIXELS + 1, black)
    for y, row in enumerate(board):
        for x, letter in enumerate(row):
            picture.fill_rect(x * SQUARE_PIXELS, y * SQUARE_PIXELS, SQUARE_PIXELS, SQUARE_PIXELS,
                              TILES[letter][1] + (255,))
    return picture
