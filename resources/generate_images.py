#!/usr/bin/env python3
"""Draws the program's icons and writes them as .ico files beside this script.

Run it again after changing a drawing; the output is byte-for-byte the same for
the same script, and the build uses the .ico files it wrote.
  IconoAPL.ico    the application icon, six sizes, each a 32-bit bitmap with
                  alpha (none as PNG: resource tools of every age read them)
  Generic.ico     the generic window icon (resource 1), 2 and 16 colours
  CurHand.cur     the buttons' hand pointer, 32 x 32, 24-bit with mask, its hot
                  spot at the fingertip (16, 10)
"""
import os
import struct

HERE = os.path.dirname(os.path.abspath(__file__))


# --- .ico writing -----------------------------------------------------------

def _row_bytes(width, bits):
    return ((width * bits + 31) // 32) * 4


def _and_mask(width, height, opaque):
    """1-bit mask, bottom-up: 1 where the picture is transparent."""
    stride = _row_bytes(width, 1)
    out = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            if not opaque(x, y):
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def _dib(width, height, bits, pixels, palette=b""):
    """A BITMAPINFOHEADER image as icons store it (height doubled for the mask)."""
    size_image = len(pixels)
    colors = len(palette) // 4
    header = struct.pack("<IiiHHIIiiII", 40, width, height * 2, 1, bits, 0, size_image,
                         0, 0, colors, 0)
    return header + palette + pixels


def image_32bit(width, height, rgba):
    """rgba(x, y) -> (r, g, b, a); straight alpha."""
    px = bytearray()
    for y in reversed(range(height)):
        for x in range(width):
            r, g, b, a = rgba(x, y)
            px += bytes((b, g, r, a))
    mask = _and_mask(width, height, lambda x, y: rgba(x, y)[3] > 0)
    return width, height, 0, 32, _dib(width, height, 32, bytes(px)) + mask


def image_24bit(width, height, rgb, opaque):
    stride = _row_bytes(width, 24)
    px = bytearray()
    for y in reversed(range(height)):
        row = bytearray()
        for x in range(width):
            r, g, b = rgb(x, y) if opaque(x, y) else (0, 0, 0)
            row += bytes((b, g, r))
        px += row + bytes(stride - len(row))
    return width, height, 0, 24, _dib(width, height, 24, bytes(px)) + _and_mask(width, height, opaque)


def image_indexed(width, height, bits, palette, index, opaque):
    stride = _row_bytes(width, bits)
    px = bytearray()
    for y in reversed(range(height)):
        row = bytearray(stride)
        for x in range(width):
            value = index(x, y) if opaque(x, y) else 0
            if bits == 1:
                row[x // 8] |= (value & 1) << (7 - x % 8)
            else:
                row[x // 2] |= (value & 0xF) << (4 if x % 2 == 0 else 0)
        px += row
    pal = b"".join(bytes((b, g, r, 0)) for (r, g, b) in palette)
    colors = len(palette) if len(palette) < 256 else 0
    return width, height, colors, bits, _dib(width, height, bits, bytes(px), pal) + \
        _and_mask(width, height, opaque)


def write_ico(name, images, hot_spot=None):
    """An icon file, or with hot_spot=(x, y) a cursor file (type 2), whose
    directory entries hold the hot spot where an icon's hold planes and bits."""
    count = len(images)
    offset = 6 + 16 * count
    head = struct.pack("<HHH", 0, 1 if hot_spot is None else 2, count)
    entries = b""
    blobs = b""
    for width, height, colors, bits, blob in images:
        planes, depth = (1, bits) if hot_spot is None else hot_spot
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, colors % 256, 0, planes,
                               depth, len(blob), offset + len(blobs))
        blobs += blob
    with open(os.path.join(HERE, name), "wb") as f:
        f.write(head + entries + blobs)


# --- IconoAPL: two overlapping white speech bubbles on a slate-grey square -----

SLATE = (96, 112, 128)
WHITE = (255, 255, 255)


def _in_ellipse(u, v, cx, cy, rx, ry):
    return ((u - cx) / rx) ** 2 + ((v - cy) / ry) ** 2 <= 1.0


def _in_triangle(u, v, a, b, c):
    def side(p, q):
        return (q[0] - p[0]) * (v - p[1]) - (q[1] - p[1]) * (u - p[0])
    s1, s2, s3 = side(a, b), side(b, c), side(c, a)
    return (s1 >= 0 and s2 >= 0 and s3 >= 0) or (s1 <= 0 and s2 <= 0 and s3 <= 0)


def _in_rounded_square(u, v, radius):
    cu = min(max(u, radius), 1 - radius)
    cv = min(max(v, radius), 1 - radius)
    return (u - cu) ** 2 + (v - cv) ** 2 <= radius ** 2


def _bubble_a(u, v, grow=0.0):
    return (_in_ellipse(u, v, 0.41, 0.39, 0.30 + grow, 0.22 + grow)
            or _in_triangle(u, v, (0.22, 0.50), (0.34, 0.57), (0.14 - grow, 0.76 + grow)))


def _bubble_b(u, v, grow=0.0):
    return (_in_ellipse(u, v, 0.61, 0.60, 0.25 + grow, 0.18 + grow)
            or _in_triangle(u, v, (0.70, 0.70), (0.80, 0.64), (0.88 + grow, 0.85 + grow)))


def _apl_sample(u, v):
    if not _in_rounded_square(u, v, 0.14):
        return None
    if _bubble_b(u, v):
        return WHITE
    if _bubble_b(u, v, 0.045):
        return SLATE  # the gap that sets the front bubble off the back one
    if _bubble_a(u, v):
        return WHITE
    return SLATE


def apl_image(size):
    steps = 4
    cache = {}

    def rgba(x, y):
        if (x, y) in cache:
            return cache[(x, y)]
        r = g = b = a = 0
        for sy in range(steps):
            for sx in range(steps):
                colour = _apl_sample((x + (sx + 0.5) / steps) / size, (y + (sy + 0.5) / steps) / size)
                if colour is not None:
                    r += colour[0]
                    g += colour[1]
                    b += colour[2]
                    a += 1
        n = steps * steps
        value = (0, 0, 0, 0) if a == 0 else (
            round(r / a), round(g / a), round(b / a), round(255 * a / n))
        cache[(x, y)] = value
        return value

    return image_32bit(size, size, rgba)


# --- Generic window icon ----------------------------------------------------

VGA = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
       (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
       (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def _window_shape(size):
    """(index in VGA, opaque) for a plain window: outline, title bar, body."""
    m = 1 if size == 16 else 2
    bar = 4 if size == 16 else 8

    def at(x, y):
        inside = m <= x < size - m and m <= y < size - m
        if not inside:
            return None
        edge = x in (m, size - m - 1) or y in (m, size - m - 1)
        if edge:
            return 0
        return 4 if y < m + bar else 15
    return at


def generic_images():
    images = []
    shape32 = _window_shape(32)
    images.append(image_indexed(32, 32, 1, [(0, 0, 0), (255, 255, 255)],
                                lambda x, y: 1 if shape32(x, y) == 15 else 0,
                                lambda x, y: shape32(x, y) is not None))
    for size in (32, 16):
        shape = _window_shape(size)
        images.append(image_indexed(size, size, 4, VGA, lambda x, y, s=shape: s(x, y),
                                    lambda x, y, s=shape: s(x, y) is not None))
    return images


# --- The hand pointer: black outline, white fill, fingertip at (16, 10) ------

HAND = [
    ".....BB..........",
    "....BWWB.........",
    "....BWWB.........",
    "....BWWB.........",
    "....BWWB.........",
    "....BWWBBB.......",
    "....BWWBWWBBB....",
    "....BWWBWWBWWBB..",
    "....BWWBWWBWWBWB.",
    ".BB.BWWBWWBWWBWWB",
    "BWWBBWWWWWWWWBWWB",
    "BWWWBWWWWWWWWWWWB",
    ".BWWBWWWWWWWWWWWB",
    ".BWWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWWB",
    "..BWWWWWWWWWWWWB.",
    "...BWWWWWWWWWWWB.",
    "...BWWWWWWWWWWB..",
    "....BWWWWWWWWWB..",
    "....BWWWWWWWWWB..",
    "....BWWWWWWWWWB..",
    "....BBBBBBBBBBB..",
]
HAND_LEFT, HAND_TOP = 11, 10


def _hand_at(x, y):
    u, v = x - HAND_LEFT, y - HAND_TOP
    if 0 <= v < len(HAND) and 0 <= u < len(HAND[0]):
        return HAND[v][u]
    return "."


def hand_image():
    return image_24bit(32, 32, lambda x, y: (0, 0, 0) if _hand_at(x, y) == "B" else WHITE,
                       lambda x, y: _hand_at(x, y) != ".")


def main():
    assert all(len(row) == 17 for row in HAND) and len(HAND) == 22
    write_ico("IconoAPL.ico", [apl_image(s) for s in (256, 128, 64, 48, 32, 16)])
    write_ico("Generic.ico", generic_images())
    write_ico("CurHand.cur", [hand_image()], hot_spot=(HAND_LEFT + 5, HAND_TOP))


if __name__ == "__main__":
    main()
