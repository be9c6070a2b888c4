# SPDX-License-Identifier: GPL-3.0-or-later
"""Every picture of the three games, written as the ICO, PNG and BMP files the programs embed."""

import os
import subprocess
import tempfile

from . import ico, pentominoes, pixelart
from .picture import bmp24_bytes, png_bytes, read_pam

PORTRAIT_IDS = range(101, 201)

# The instructions' example of cestaro, apex first then row by row: the solved triangle and which
# of its cells are given (shown in red in the puzzle).
EXAMPLE_TRIANGLE = [29, 15, 14, 7, 8, 6, 3, 4, 4, 2, 1, 2, 2, 2, 0]
EXAMPLE_GIVEN = {0, 3, 6, 7, 9, 10, 13}


def triangle_faults(values):
    """The cells (as "row r, cell p") that are not the sum of the two beneath them."""
    faults = []
    for row in range(1, 5):
        for p in range(row):
            cell = row * (row - 1) // 2 + p
            below = row * (row + 1) // 2 + p
            if values[cell] != values[below] + values[below + 1]:
                faults.append("row %d, cell %d" % (row, p + 1))
    return faults


def board_cells(values, given, solved):
    """The painter's description of the example board: givens red, the rest black when solved."""
    cells = []
    for i, value in enumerate(values):
        if i in given:
            cells.append("%dr" % value)
        else:
            cells.append("%dk" % value if solved else "")
    return ",".join(cells)


def _write(root, path, data, log):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)
    log("%s: %d bytes" % (os.path.relpath(path, root), len(data)))


def generate(root, painter, log=print):
    """Writes every picture under `root`; `painter` is the path of the built assetpainter."""
    res = {name: os.path.join(root, name, "resources") for name in ("filarino", "cestaro", "intarsello")}
    faults = triangle_faults(EXAMPLE_TRIANGLE)
    if faults:
        raise ValueError("the example triangle does not add up at " + ", ".join(faults))

    with tempfile.TemporaryDirectory(prefix="pictures_") as scratch:
        subprocess.run([painter, "portraits", scratch], check=True)
        for ident in PORTRAIT_IDS:
            face = read_pam(os.path.join(scratch, "%d.pam" % ident))
            _write(root, os.path.join(res["filarino"], "ICON", "%d.ico" % ident),
                   ico.ico_bytes([(face, 8, ico.adaptive_palette(face))]), log)

        subprocess.run([painter, "arrow", os.path.join(scratch, "arrow.pam")], check=True)
        _write(root, os.path.join(res["filarino"], "PICTURE", "1.png"),
               png_bytes(read_pam(os.path.join(scratch, "arrow.pam")), alpha=False), log)

        for ident, solved in ((101, False), (102, True)):
            pam = os.path.join(scratch, "board%d.pam" % ident)
            cells = board_cells(EXAMPLE_TRIANGLE, EXAMPLE_GIVEN, solved)
            subprocess.run([painter, "board", pam, cells], check=True)
            _write(root, os.path.join(res["cestaro"], "BITMAP", "%d.bmp" % ident), bmp24_bytes(read_pam(pam)), log)

    _write(root, os.path.join(res["filarino"], "ICON", "1.ico"), ico.ico_bytes([
        (pixelart.window_icon(32, colours=False), 1, ico.MONO),
        (pixelart.window_icon(32, colours=True), 4, ico.VGA16),
        (pixelart.window_icon(16, colours=True), 4, ico.VGA16)]), log)
    _write(root, os.path.join(res["filarino"], "WINDOWICON", "1.ico"),
           ico.ico_bytes([(pixelart.letters_icon(), 4, ico.VGA16)]), log)
    _write(root, os.path.join(res["filarino"], "CURSOR", "101.png"), png_bytes(pixelart.pointing_hand()), log)
    _write(root, os.path.join(res["cestaro"], "ICON", "1.ico"), ico.ico_bytes([
        (pixelart.sum_triangle_icon(32), 4, ico.VGA16),
        (pixelart.sum_triangle_icon(16), 4, ico.VGA16)]), log)
    _write(root, os.path.join(res["intarsello"], "ICON", "1.ico"),
           ico.ico_bytes([(pixelart.z_tile_icon(), 4, ico.VGA16)]), log)
    for ident, board in enumerate(pentominoes.BOARDS):
        _write(root, os.path.join(res["intarsello"], "PICTURE", "%d.png" % ident),
               png_bytes(pentominoes.render(board), alpha=False), log)
