# SPDX-License-Identifier: GPL-3.0-or-later
"""Pictures as plain pixel grids (RGBA, straight alpha, top row first), read from PAM and written as PNG or BMP."""

import struct
import zlib

TRANSPARENT = (0, 0, 0, 0)


class Picture:
    """A width x height grid of (r, g, b, a) tuples."""

    def __init__(self, width, height, fill=TRANSPARENT):
        self.width = width
        self.height = height
        self.pixels = [fill] * (width * height)

    def __getitem__(self, xy):
        x, y = xy
        return self.pixels[y * self.width + x]

    def __setitem__(self, xy, rgba):
        x, y = xy
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y * self.width + x] = rgba

    def fill_rect(self, left, top, width, height, rgba):
        """Fills a rectangle; the parts outside the picture are ignored."""
        for y in range(top, top + height):
            for x in range(left, left + width):
                self[x, y] = rgba

    def rows(self):
        for y in range(self.height):
            yield self.pixels[y * self.width:(y + 1) * self.width]


def read_pam(path):
    """Reads an 8-bit RGB_ALPHA PAM file, as assetpainter writes it."""
    with open(path, "rb") as f:
        data = f.read()
    end = data.index(b"ENDHDR\n") + len(b"ENDHDR\n")
    fields = dict(line.split(" ", 1) for line in data[:end].decode("ascii").splitlines()[1:-1])
    if fields.get("TUPLTYPE") != "RGB_ALPHA" or fields.get("MAXVAL") != "255":
        raise ValueError(path + ": not an 8-bit RGB_ALPHA PAM")
    picture = Picture(int(fields["WIDTH"]), int(fields["HEIGHT"]))
    body = data[end:]
    if len(body) != 4 * picture.width * picture.height:
        raise ValueError(path + ": wrong amount of pixel data")
    picture.pixels = [tuple(body[i:i + 4]) for i in range(0, len(body), 4)]
    return picture


def png_bytes(picture, alpha=True):
    """A PNG file: 8-bit RGBA (or RGB when `alpha` is false), no filtering, zlib level 9."""
    def block(tag, payload):
        return struct.pack(">I", len(payload)) + tag + payload + struct.pack(">I", zlib.crc32(tag + payload))

    raw = bytearray()
    for row in picture.rows():
        raw.append(0)
        for r, g, b, a in row:
            raw += bytes((r, g, b, a) if alpha else (r, g, b))
    header = struct.pack(">IIBBBBB", picture.width, picture.height, 8, 6 if alpha else 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + block(b"IHDR", header) + block(b"IDAT", zlib.compress(bytes(raw), 9))
            + block(b"IEND", b""))


def bmp24_bytes(picture):
    """A 24-bit BMP file (BITMAPINFOHEADER, bottom-up rows padded to four bytes, 96 dpi); alpha is dropped."""
    stride = (picture.width * 3 + 3) & ~3
    pixels = bytearray()
    for row in reversed(list(picture.rows())):
        line = b"".join(bytes((b, g, r)) for r, g, b, _ in row)
        pixels += line + b"\0" * (stride - len(line))
    info = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, 24, 0, len(pixels), 3780, 3780, 0, 0)
    header = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(pixels), 0, 0, 14 + len(info))
    return header + info + bytes(pixels)
