# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures drawn pixel by pixel: the pointing hand, the letter and window icons of filarino, the icons
of cestaro and intarsello."""

from .picture import Picture

BLACK = (0, 0, 0, 255)
WHITE = (255, 255, 255, 255)
RED = (255, 0, 0, 255)
MAROON = (128, 0, 0, 255)
NAVY = (0, 0, 128, 255)
SILVER = (192, 192, 192, 255)
GREY = (128, 128, 128, 255)
TEAL = (0, 128, 128, 255)

# The pointing hand; the tip of the index finger is the hot spot (4, 0). X outline, o palm.
HAND = """
...XXX
..XoooX
..XoooX
..XoooX
..XoooX
..XoooX
..XoooXXX
..XoooXooXXX
..XoooXooXooXXX
..XoooXooXooXooXX
..XoooXooXooXooXoX
..XoooooooooooooooX
XXXoooooooooooooooX
XooXooooooooooooooX
XoooXoooooooooooooX
.XooXoooooooooooooX
.XoooooooooooooooX
..XooooooooooooooX
..XoooooooooooooX
...XoooooooooooX
...XoooooooooooX
....XoooooooooX
....XoooooooooX
....XXXXXXXXXXX
"""
HAND_HOT_SPOT = (4, 0)

# Digits of a 3 x 5 pixel font for the cestaro icon.
DIGITS = {
    "1": [".X.", "XX.", ".X.", ".X.", "XXX"],
    "2": ["XX.", "..X", ".X.", "X..", "XXX"],
    "3": ["XX.", "..X", ".X.", "..X", "XX."],
    "5": ["XXX", "X..", "XX.", "..X", "XX."],
    "8": [".X.", "X.X", ".X.", "X.X", ".X."],
}


def from_text(art, legend, width, height):
    """A picture from rows of characters; `legend` maps characters to colours, others stay transparent."""
    picture = Picture(width, height)
    for y, line in enumerate(art.strip("\n").splitlines()):
        for x, ch in enumerate(line):
            if ch in legend:
                picture[x, y] = legend[ch]
    return picture


def pointing_hand():
    """The 32 x 32 mouse cursor over buttons and keys: a white hand with a black outline."""
    return from_text(HAND, {"X": BLACK, "o": WHITE}, 32, 32)


def outline(picture, colour, thickness=1):
    """Puts `colour` on every transparent pixel that touches an opaque one side by side; a thicker
    outline grows by the eight neighbours, so that it keeps square corners."""
    for step in range(thickness):
        opaque = {(x, y) for y in range(picture.height) for x in range(picture.width) if picture[x, y][3]}
        if step == 0:
            near = [(1, 0), (-1, 0), (0, 1), (0, -1)]
        else:
            near = [(dx, dy) for dx in (-1, 0, 1) for dy in (-1, 0, 1) if dx or dy]
        grow = {(x + dx, y + dy) for x, y in opaque for dx, dy in near} - opaque
        for x, y in grow:
            picture[x, y] = colour
    return picture


# "FIL" by size: the letters' strokes (left, top, width, height), how far their dark red depth reaches
# down and to the right, and the thickness of the black outline. 32 is the start window's icon; the
# others are drawn for their own pixel grid (16: the middle arm of the F one pixel shorter, the foot of
# the L reaching the edge, to stay readable).
LETTER_LAYOUTS = {
    16: ([(1, 2, 2, 11), (1, 2, 4, 2), (1, 7, 3, 2),  # F
          (7, 2, 2, 11),  # I
          (11, 2, 2, 11), (11, 11, 4, 2)], 1, 1),  # L
    32: ([(2, 5, 4, 20), (2, 5, 9, 4), (2, 13, 7, 4),
          (13, 5, 4, 20),
          (19, 5, 4, 20), (19, 21, 9, 4)], 2, 1),
    48: ([(2, 7, 6, 30), (2, 7, 14, 6), (2, 19, 11, 6),
          (20, 7, 6, 30),
          (30, 7, 6, 30), (30, 31, 14, 6)], 3, 1),
    256: ([(16, 40, 32, 160), (16, 40, 72, 32), (16, 104, 56, 32),
           (104, 40, 32, 160),
           (152, 40, 32, 160), (152, 168, 72, 32)], 16, 8),
}


def letters_icon(size=32):
    """The start window's icon: "FIL" in chunky red letters with a dark red depth, outlined; 32 x 32,
    and drawn afresh at the other sizes of LETTER_LAYOUTS for the desktop's menus."""
    strokes, depth, thickness = LETTER_LAYOUTS[size]
    picture = Picture(size, size)
    for d in range(depth, 0, -1):
        for left, top, w, h in strokes:
            picture.fill_rect(left + d, top + d, w, h, MAROON)
    for left, top, w, h in strokes:
        picture.fill_rect(left, top, w, h, RED)
    return outline(picture, BLACK, thickness)


# Window icon geometry by size: frame (left, top, right, bottom, thickness), title bar height, button
# size and gap, thickness of the grey edge under the title bar.
WINDOW_LAYOUTS = {
    16: ((0, 1, 15, 14, 1), 3, 1, 1, 0),
    32: ((1, 3, 30, 28, 1), 5, 3, 1, 1),
    48: ((2, 5, 45, 43, 2), 8, 5, 2, 1),
    256: ((8, 24, 247, 231, 6), 40, 24, 8, 6),
}


def window_icon(size, colours):
    """A plain window: frame, title bar with three buttons, white client area. `size` is one of
    WINDOW_LAYOUTS; with `colours` false only black and white are used."""
    picture = Picture(size, size)
    bar = NAVY if colours else BLACK
    button = SILVER if colours else WHITE
    (left, top, right, bottom, frame), bar_height, button_size, gap, edge = WINDOW_LAYOUTS[size]
    inner_width = right - left + 1 - 2 * frame
    picture.fill_rect(left, top, right - left + 1, bottom - top + 1, BLACK)
    picture.fill_rect(left + frame, top + frame, inner_width, bar_height, bar)
    picture.fill_rect(left + frame, top + frame + bar_height, inner_width,
                      bottom - top + 1 - 2 * frame - bar_height, WHITE)
    if colours:
        picture.fill_rect(left + frame, top + frame + bar_height, inner_width, edge, GREY)  # edge of the menu bar
    for i in range(3):
        x = right + 1 - frame - (button_size + gap) * (i + 1)
        picture.fill_rect(x, top + frame + (bar_height - button_size) // 2, button_size, button_size, button)
    return picture


def _rounded_square(size, colour, corner):
    picture = Picture(size, size)
    picture.fill_rect(0, 0, size, size, colour)
    for y in range(corner):
        for x in range(corner - y):
            for cx, cy in ((x, y), (size - 1 - x, y), (x, size - 1 - y), (size - 1 - x, size - 1 - y)):
                picture[cx, cy] = (0, 0, 0, 0)
    return picture


def sum_triangle_icon(size):
    """The icon of cestaro: a small sum triangle of white circles on teal. At 32 x 32 the circles hold
    a solved triangle (1, 2, 3 -> 3, 5 -> 8), given numbers red; at 16 x 16 they are plain dots."""
    picture = _rounded_square(size, TEAL, 3 if size == 32 else 2)
    if size == 16:
        for x, y in [(6, 2), (4, 6), (8, 6), (2, 10), (6, 10), (10, 10)]:
            picture.fill_rect(x + 1, y + 1, 3, 3, RED if (x, y) == (6, 2) else WHITE)
        return picture
    circles = [((16, 7), "8", RED), ((11, 16), "3", BLACK), ((21, 16), "5", BLACK),
               ((6, 25), "1", RED), ((16, 25), "2", BLACK), ((26, 25), "3", RED)]
    for (cx, cy), digit, ink in circles:
        for y in range(cy - 5, cy + 6):
            for x in range(cx - 5, cx + 6):
                if (x - cx) ** 2 + (y - cy) ** 2 <= 4.3 ** 2:
                    picture[x, y] = WHITE
        for dy, line in enumerate(DIGITS[digit]):
            for dx, ch in enumerate(line):
                if ch == "X":
                    picture[cx - 1 + dx, cy - 2 + dy] = ink
    return picture


def z_tile_icon(size=16):
    """The puzzle window's icon: the Z tile as it lies at the start, in its maroon, 16 x 16; at other
    sizes the same tile with squares of 5/16 of the size, centred."""
    picture = Picture(size, size)
    square = size * 5 // 16
    offset = (size - 3 * square) // 2
    for col, row in [(0, 0), (1, 0), (1, 1), (1, 2), (2, 2)]:
        picture.fill_rect(offset + col * square, offset + row * square, square, square, MAROON)
    return picture
