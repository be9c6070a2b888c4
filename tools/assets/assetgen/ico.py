# SPDX-License-Identifier: GPL-3.0-or-later
"""ICO files: palette images of 1, 4 or 8 bits per pixel with a 1-bit transparency (AND) mask."""

import struct

# The 16 colours of the classic VGA palette; 4-bit images use exactly these.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]
MONO = [(0, 0, 0), (255, 255, 255)]

# A pixel with at least this alpha is opaque in the mask; anything less is transparent.
OPAQUE_FROM = 128


def median_cut(counts, limit):
    """At most `limit` colours that stand for the (colour -> pixel count) map `counts`.

    Boxes of colours are split at the pixel-weighted median of their widest channel, widest box first;
    each box gives its weighted mean colour. The result is sorted, so it depends only on `counts`."""
    if len(counts) <= limit:
        return sorted(counts)
    boxes = [sorted(counts.items())]

    def spread(box):
        return max(max(c[0][ch] for c in box) - min(c[0][ch] for c in box) for ch in range(3))

    while len(boxes) < limit:
        splittable = [b for b in boxes if len(b) > 1]
        if not splittable:
            break
        box = max(splittable, key=lambda b: (spread(b), sum(n for _, n in b)))
        boxes.remove(box)
        channel = max(range(3), key=lambda ch: max(c[0][ch] for c in box) - min(c[0][ch] for c in box))
        box.sort(key=lambda item: (item[0][channel], item[0]))
        half, seen, cut = sum(n for _, n in box) / 2, 0, 1
        for i, (_, n) in enumerate(box[:-1]):
            seen += n
            cut = i + 1
            if seen >= half:
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        total = sum(n for _, n in box)
        palette.append(tuple(round(sum(c[ch] * n for c, n in box) / total) for ch in range(3)))
    return sorted(set(palette))


def nearest(palette, colour):
    """Index of the palette entry closest to `colour` (squared distance; the lowest index wins ties)."""
    return min(range(len(palette)),
               key=lambda i: sum((palette[i][ch] - colour[ch]) ** 2 for ch in range(3)))


def adaptive_palette(picture):
    """A 256-entry palette for `picture`: entry 0 black (what masked pixels hold), then up to 255 colours."""
    counts = {}
    for r, g, b, a in picture.pixels:
        if a >= OPAQUE_FROM:
            counts[(r, g, b)] = counts.get((r, g, b), 0) + 1
    colours = median_cut(counts, 255)
    return [(0, 0, 0)] + colours + [(0, 0, 0)] * (255 - len(colours))


def image_data(picture, bits, palette):
    """BITMAPINFOHEADER, palette, XOR bitmap and AND mask of one icon image.

    Masked pixels hold index 0 (black in every palette used here), so that screen AND mask XOR image
    leaves the background untouched."""
    if len(palette) != 1 << bits:
        raise ValueError("a %d-bit image needs %d palette entries" % (bits, 1 << bits))
    w, h = picture.width, picture.height
    exact = {colour: i for i, colour in reversed(list(enumerate(palette)))}
    cache = {}

    def index(pixel):
        if pixel[3] < OPAQUE_FROM:
            return 0
        rgb = pixel[:3]
        if rgb not in cache:
            cache[rgb] = exact[rgb] if rgb in exact else nearest(palette, rgb)
            if bits < 8 and rgb not in exact:
                raise ValueError("colour %r is not in the %d-bit palette" % (rgb, bits))
        return cache[rgb]

    def packed(values, width_bits):
        row, acc, filled = bytearray(), 0, 0
        for v in values:
            acc = (acc << width_bits) | v
            filled += width_bits
            if filled == 8:
                row.append(acc)
                acc, filled = 0, 0
        if filled:
            row.append(acc << (8 - filled))
        return bytes(row) + b"\0" * (-len(row) % 4)

    rows = list(picture.rows())[::-1]  # bottom-up
    xor = b"".join(packed([index(p) for p in row], bits) for row in rows)
    mask = b"".join(packed([1 if p[3] < OPAQUE_FROM else 0 for p in row], 1) for row in rows)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bits, 0, len(xor) + len(mask), 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    return header + colours + xor + mask


def ico_bytes(images):
    """An ICO file of (picture, bits, palette) images, in the given order."""
    datas = [image_data(p, bits, palette) for p, bits, palette in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (picture, bits, _), data in zip(images, datas):
        colour_count = 1 << bits if bits < 8 else 0
        out += struct.pack("<BBBBHHII", picture.width % 256, picture.height % 256, colour_count, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(datas)
