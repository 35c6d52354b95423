#!/usr/bin/env python3
"""Draws Pipsweep's icons and writes them as .ico files, plus a .png copy of each,
and the page's app icons of 192 and 512 px (pipsweep-192.png, pipsweep-512.png).

Standard library only, so anyone can regenerate them: python3 res/draw_icons.py
Shapes are filled as polygons on a supersampled canvas; shrinking it gives the
anti-aliasing. Text at icon sizes is a hand-made pixel font, placed on whole
pixels so it stays sharp.
"""
import math
import os
import struct
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))

WHITE = (1.0, 1.0, 1.0, 1.0)
RED = (0.80, 0.07, 0.10, 1.0)
DARK_RED = (0.50, 0.02, 0.05, 1.0)
EDGE = (0.38, 0.38, 0.40, 1.0)
SHADOW = (0.0, 0.0, 0.0, 0.28)


class Canvas:
    """Square RGBA surface in final-pixel coordinates, stored `ss` samples per pixel each way."""

    def __init__(self, size, ss):
        self.size, self.ss, self.n = size, ss, size * ss
        self.px = [0.0] * (4 * self.n * self.n)  # premultiplied, so blending and shrinking are plain sums

    def fill(self, pts, paint):
        """Even-odd scanline fill; `paint` is an (r, g, b, a) colour or a function of (x, y)."""
        ss, n, px = self.ss, self.n, self.px
        edges = list(zip(pts, pts[1:] + pts[:1]))
        ys = [p[1] for p in pts]
        for j in range(max(0, int(min(ys) * ss)), min(n, int(max(ys) * ss) + 1)):
            y = (j + 0.5) / ss
            xs = sorted(x0 + (y - y0) * (x1 - x0) / (y1 - y0)
                        for (x0, y0), (x1, y1) in edges if (y0 <= y) != (y1 <= y))
            for a, b in zip(xs[::2], xs[1::2]):
                for i in range(max(0, math.ceil(a * ss - 0.5)), min(n, math.ceil(b * ss - 0.5))):
                    r, g, bl, al = paint((i + 0.5) / ss, y) if callable(paint) else paint
                    k = 4 * (j * n + i)
                    keep = 1.0 - al
                    px[k] = r * al + px[k] * keep
                    px[k + 1] = g * al + px[k + 1] * keep
                    px[k + 2] = bl * al + px[k + 2] * keep
                    px[k + 3] = al + px[k + 3] * keep

    def pixel_text(self, x, y, glyphs, colour, gap=1):
        """Draws pixel-font glyphs with their top-left corner at whole pixel (x, y)."""
        for glyph in glyphs:
            for row, line in enumerate(glyph):
                for col, c in enumerate(line):
                    if c == '#':
                        self.fill(rect(x + col, y + row, x + col + 1, y + row + 1), colour)
            x += len(glyph[0]) + gap

    def rgba(self):
        """Shrinks to the final size and returns rows of straight-alpha 8-bit RGBA bytes."""
        s, n, px, area = self.ss, self.n, self.px, float(self.ss * self.ss)
        rows = []
        for py in range(self.size):
            row = bytearray()
            for qx in range(self.size):
                acc = [0.0] * 4
                for j in range(py * s, py * s + s):
                    base = 4 * (j * n + qx * s)
                    for c in range(4):
                        acc[c] += sum(px[base + c:base + 4 * s:4])
                a = acc[3] / area
                rgb = [v / acc[3] if acc[3] else 0.0 for v in acc[:3]]
                row += bytes(round(255 * min(1.0, v)) for v in rgb + [a])
            rows.append(bytes(row))
        return rows


# ---- shapes: lists of (x, y) points ----

def rect(x0, y0, x1, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def rounded_rect(x0, y0, x1, y1, r, steps=6):
    pts = []
    for cx, cy, start in ((x1 - r, y0 + r, -90), (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90), (x0 + r, y0 + r, 180)):
        for k in range(steps + 1):
            t = math.radians(start + 90 * k / steps)
            pts.append((cx + r * math.cos(t), cy + r * math.sin(t)))
    return pts


def octagon(cx, cy, apothem):
    r = apothem / math.cos(math.pi / 8)
    return [(cx + r * math.cos(math.pi / 8 + k * math.pi / 4), cy + r * math.sin(math.pi / 8 + k * math.pi / 4))
            for k in range(8)]


def heart(cx, cy, width, steps=72):
    """The classic parametric heart, scaled so it is `width` across."""
    s = width / 32.0
    pts = []
    for k in range(steps):
        t = 2 * math.pi * k / steps
        x = 16 * math.sin(t) ** 3
        y = 13 * math.cos(t) - 5 * math.cos(2 * t) - 2 * math.cos(3 * t) - math.cos(4 * t)
        pts.append((cx + s * x, cy - s * (y + 2.5)))  # +2.5 puts the middle of its height at cy
    return pts


def transform(angle, scale, tx, ty):
    """Forward and inverse maps for rotate-by-degrees, then scale, then move."""
    c, s = math.cos(math.radians(angle)), math.sin(math.radians(angle))
    fwd = lambda u, v: (tx + scale * (c * u - s * v), ty + scale * (s * u + c * v))
    inv = lambda x, y: ((c * (x - tx) + s * (y - ty)) / scale, (-s * (x - tx) + c * (y - ty)) / scale)
    return fwd, inv


# ---- the pictures ----

CARD_W, CARD_H = 50.0, 72.0  # card units, before the fan is fitted to the icon


def card_back(canvas, fwd, inv):
    """One card seen from the back, in card units centred on (0, 0)."""
    w, h = CARD_W / 2, CARD_H / 2
    place = lambda pts: [fwd(u, v) for u, v in pts]

    def lattice(x, y):
        # A diagonal lattice of fine dark lines, the usual back design.
        u, v = inv(x, y)
        on_line = (u + v) % 7.0 < 1.4 or (u - v) % 7.0 < 1.4
        return DARK_RED if on_line else RED

    canvas.fill(place([(u + 1.2, v + 1.8) for u, v in rounded_rect(-w, -h, w, h, 5)]), SHADOW)
    canvas.fill(place(rounded_rect(-w, -h, w, h, 5)), EDGE)
    canvas.fill(place(rounded_rect(-w + 1, -h + 1, w - 1, h - 1, 4)), WHITE)
    canvas.fill(place(rounded_rect(-w + 4.5, -h + 4.5, w - 4.5, h - 4.5, 2)), lattice)


def draw_pipsweep(size=128, ss=4):
    """128 px: a fan of five cards, face down, turning about a point below them.

    Larger sizes draw the same fan for the page's app icons; fewer samples a
    pixel keep them quick, and they still look smooth at that size."""
    angles = (-24, -12, 0, 12, 24)
    lift = CARD_H * 0.8  # from the pivot up to each card's centre
    # Fit the whole fan inside the icon with a small margin, before drawing anything.
    corners = []
    for a in angles:
        fwd, _ = transform(a, 1.0, 0.0, 0.0)
        corners += [fwd(u, v - lift) for u, v in rect(-CARD_W / 2, -CARD_H / 2, CARD_W / 2, CARD_H / 2)]
    x0, x1 = min(p[0] for p in corners), max(p[0] for p in corners)
    y0, y1 = min(p[1] for p in corners), max(p[1] for p in corners)
    scale = (size - 6) / max(x1 - x0, y1 - y0)
    tx, ty = size / 2 - scale * (x0 + x1) / 2, size / 2 - scale * (y0 + y1) / 2
    canvas = Canvas(size, ss)
    for a in angles:  # left to right, so each card lies on the one before
        f, i = transform(a, scale, tx, ty)
        fwd = lambda u, v, f=f: f(u, v - lift)
        inv = lambda x, y, i=i: (lambda u, v: (u, v + lift))(*i(x, y))
        card_back(canvas, fwd, inv)
    return canvas


STOP_FONT = {
    'S': [".###", "#...", ".##.", "...#", "...#", "###."],
    'T': ["###", ".#.", ".#.", ".#.", ".#.", ".#."],
    'O': [".##.", "#..#", "#..#", "#..#", "#..#", ".##."],
    'P': ["###.", "#..#", "#..#", "###.", "#...", "#..."],
}


def draw_stop():
    """32 px: a red octagon with a white rim and STOP across it."""
    canvas = Canvas(32, 8)
    canvas.fill(octagon(16, 16, 16), DARK_RED)
    canvas.fill(octagon(16, 16, 15), WHITE)
    canvas.fill(octagon(16, 16, 13), RED)
    canvas.pixel_text(7, 13, [STOP_FONT[c] for c in "STOP"], WHITE)  # 18 x 6 px, centred
    return canvas


K_GLYPH = ["#..#", "#.#.", "##..", "##..", "#.#.", "#..#"]


def draw_success():
    """24 px: the king of hearts, reduced to a K in the corner and one big heart."""
    canvas = Canvas(24, 8)
    canvas.fill(rounded_rect(3, 0, 21, 24, 2), EDGE)
    canvas.fill(rounded_rect(4, 1, 20, 23, 1.2), WHITE)
    canvas.pixel_text(5, 2, [K_GLYPH], RED)
    canvas.fill(heart(12, 15, 12.0), RED)
    return canvas


# ---- file formats ----

def png_bytes(rows):
    size = len(rows)
    chunk = lambda kind, data: (struct.pack(">I", len(data)) + kind + data
                                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)  # filter type 0 on every row
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def ico_bytes(rows):
    """One 32-bit BMP image; older loaders read that more readily than an embedded PNG."""
    size = len(rows)
    xor = b"".join(bytes(row[k + c] for k in range(0, len(row), 4) for c in (2, 1, 0, 3))
                   for row in reversed(rows))  # BGRA, bottom row first
    stride = (size + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(rows):  # the AND mask marks fully transparent pixels, for pre-alpha readers
        line = bytearray(stride)
        for x in range(size):
            if row[4 * x + 3] == 0:
                line[x // 8] |= 0x80 >> (x % 8)
        mask += line
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    image = header + xor + bytes(mask)
    return (struct.pack("<HHH", 0, 1, 1)
            + struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(image), 6 + 16) + image)


def main():
    for name, draw in (("pipsweep", draw_pipsweep), ("stop", draw_stop), ("success", draw_success)):
        rows = draw().rgba()
        with open(os.path.join(HERE, name + ".ico"), "wb") as f:
            f.write(ico_bytes(rows))
        with open(os.path.join(HERE, name + ".png"), "wb") as f:
            f.write(png_bytes(rows))
        print(f"wrote {name}.ico and {name}.png ({len(rows)} px)")
    # The installed page's icons: an app launcher wants 192 and 512 px.
    for size in (192, 512):
        rows = draw_pipsweep(size, 2).rgba()
        with open(os.path.join(HERE, f"pipsweep-{size}.png"), "wb") as f:
            f.write(png_bytes(rows))
        print(f"wrote pipsweep-{size}.png")


if __name__ == "__main__":
    main()
