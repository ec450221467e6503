#!/usr/bin/env python3
"""Writes the skins that ship with Sorvane (skins/*.skn).

The skins are plain text and may be edited by hand; this script keeps the shapes that are
computed (holes round a ring, numerals, stars) in one readable place. Run it from anywhere:
    python3 skins/make_skins.py

Design space: 600 units across, origin at the face centre, x to the right, y downwards.
Hands and rotated marks are drawn as they stand at twelve o'clock. The clock is one colour
and its shape is the window itself, so hands stand over the see-through middle of the face,
and nothing thinner than 12 units is relied upon (12 units are one pixel on a 50-pixel clock).
"""
import math
import os

HEADER = "Vitrelle skin file."


class Skin:
    def __init__(self, name):
        self.lines = [HEADER, "\\names " + name]

    def section(self, header):
        self.lines.append(header)

    def circle(self, op, x, y, r):
        self.lines += ["circle " + op, f"{x} {y} {r}"]

    def polygon(self, op, points):
        self.lines.append("polygon " + op)
        self.lines += [f"{round(x)} {round(y)}" for x, y in points]

    def order(self, *names):
        self.section("\\analogorder")
        self.lines += list(names)

    def write(self, path):
        with open(path, "wb") as f:
            f.write("".join(line + "\r\n" for line in self.lines).encode("ascii"))


def bar(x0, x1, y0, y1):
    return [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]


def tapered(tail, tip, tail_half, tip_half):
    """A hand from y=tail (below the centre) up to y=-tip, narrowing towards the tip."""
    return [(-tail_half, tail), (tail_half, tail), (tip_half, -tip), (-tip_half, -tip)]


def at_hour(h, radius):
    """Point at the given radius where the hour hand points at h o'clock."""
    a = math.radians(30 * h)
    return round(radius * math.sin(a)), round(-radius * math.cos(a))


def shifted(points, dx, dy):
    return [(x + dx, y + dy) for x, y in points]


def star(cx, cy, r):
    """A five-pointed star drawn as one crossing outline (its middle is left open when it is
    the first shape of a list)."""
    pts = []
    for k in range(5):
        a = math.radians(-90 + 144 * k)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


# Roman numerals, built from strokes in a box 44 units high, centred on (0, 0).
NUM_H = 44
STROKE = 12


def glyph_i(x):
    return [bar(x, x + STROKE, -NUM_H / 2, NUM_H / 2)], STROKE


def glyph_v(x):
    w = 36
    s = STROKE / 2
    left = [(x, -NUM_H / 2), (x + STROKE, -NUM_H / 2), (x + w / 2 + s, NUM_H / 2), (x + w / 2 - s, NUM_H / 2)]
    right = [(x + w - STROKE, -NUM_H / 2), (x + w, -NUM_H / 2), (x + w / 2 + s, NUM_H / 2), (x + w / 2 - s, NUM_H / 2)]
    return [left, right], w


def glyph_x(x):
    w = 36
    a = [(x, -NUM_H / 2), (x + STROKE, -NUM_H / 2), (x + w, NUM_H / 2), (x + w - STROKE, NUM_H / 2)]
    b = [(x + w - STROKE, -NUM_H / 2), (x + w, -NUM_H / 2), (x + STROKE, NUM_H / 2), (x, NUM_H / 2)]
    return [a, b], w


GLYPHS = {"I": glyph_i, "V": glyph_v, "X": glyph_x}


def numeral(text, cx, cy, gap=5):
    polys, x = [], 0.0
    for ch in text:
        parts, w = GLYPHS[ch](x)
        polys += parts
        x += w + gap
    width = x - gap
    return [shifted(p, cx - width / 2, cy) for p in polys]


def classic():
    """A station clock: slim outer ring, bars for the hours, a double bar at twelve, and a
    second hand that ends in a disc."""
    s = Skin("Classic")
    s.section("\\staticanalog")
    s.circle("+", 0, 0, 296)
    s.circle("-", 0, 0, 276)
    s.section("\\mark 14")
    s.polygon("+", bar(-6, 6, -280, -254))
    s.section("\\mark 0")
    s.polygon("+", bar(-12, 12, -280, -206))
    s.section("\\mark 1")
    s.polygon("+", bar(-28, -8, -280, -196))
    s.polygon("+", bar(8, 28, -280, -196))
    s.section("\\harrow")
    s.polygon("+", tapered(50, 150, 22, 15))
    s.section("\\marrow")
    s.polygon("+", tapered(60, 236, 17, 10))
    s.section("\\sarrow")
    s.polygon("+", bar(-7, 7, -160, 80))
    s.circle("+", 0, -172, 28)
    s.circle("+", 0, 0, 22)
    return s


def contrast():
    """Bold shapes for the smallest sizes: a heavy rounded frame, four blocks and wide hands."""
    s = Skin("Contrast")
    s.section("\\staticanalog")
    s.polygon("+", bar(-290, 290, -290, 290))
    s.circle("&", 0, 0, 300)  # rounds the corners of the square
    s.circle("-", 0, 0, 238)
    for mark in (1, 4, 7, 10):
        s.section(f"\\mark {mark}")
        s.polygon("+", bar(-26, 26, -240, -176))
    s.section("\\harrow")
    s.polygon("+", tapered(40, 128, 28, 22))
    s.circle("+", 0, 0, 40)
    s.section("\\marrow")
    s.polygon("+", tapered(46, 200, 20, 14))
    s.section("\\sarrow")
    s.polygon("+", bar(-8, 8, -186, 60))
    s.circle("+", 0, -196, 20)
    s.circle("+", 0, 60, 20)
    return s


def minimal():
    """No face at all: twelve floating dots, a pill at twelve, slim hands."""
    s = Skin("Minimal")
    s.section("\\mark 0")
    s.circle("+", 0, -270, 15)
    s.section("\\mark 1")
    s.polygon("+", bar(-13, 13, -284, -236))
    s.circle("+", 0, -284, 13)
    s.circle("+", 0, -236, 13)
    s.section("\\harrow")
    s.polygon("+", tapered(30, 160, 13, 11))
    s.circle("+", 0, -160, 11)
    s.section("\\marrow")
    s.polygon("+", tapered(30, 236, 10, 7))
    s.circle("+", 0, -236, 7)
    s.circle("+", 0, 0, 20)
    s.section("\\sarrow")
    s.polygon("+", bar(-6, 6, -250, 70))
    s.circle("+", 0, 70, 22)
    return s


def ornament():
    """Two rings with a row of beads between them, Roman numerals standing upright at the
    quarters, a star over the twelve and diamonds at the other hours."""
    s = Skin("Ornament")
    s.section("\\staticanalog")
    s.circle("+", 0, 0, 298)
    s.circle("-", 0, 0, 284)
    s.circle("+", 0, 0, 262)
    s.circle("-", 0, 0, 250)
    s.section("\\mark 14")
    s.circle("+", 0, -273, 6)
    s.section("\\mark 0")
    s.polygon("+", [(0, -250), (14, -228), (0, -206), (-14, -228)])
    # The quarters carry numerals that stay upright wherever they stand ("u").
    s.section("\\mark 1 u")
    s.polygon("+", star(0, -223, 26))
    for p in numeral("XII", 0, -172):
        s.polygon("+", p)
    for mark, text, (cx, cy) in ((4, "III", (205, 0)), (7, "VI", (0, 205)), (10, "IX", (-205, 0))):
        s.section(f"\\mark {mark} u")
        for p in numeral(text, cx, cy):
            s.polygon("+", p)
    s.section("\\harrow")
    s.polygon("+", tapered(40, 120, 12, 8))
    s.circle("+", 0, -92, 30)
    s.circle("-", 0, -92, 16)  # an open loop near the tip
    s.polygon("+", [(-16, -120), (16, -120), (0, -146)])
    s.circle("+", 0, 0, 26)
    s.section("\\marrow")
    s.polygon("+", tapered(50, 176, 9, 6))
    s.circle("%", 0, -132, 22)  # the shaft cuts the disc into two leaves
    s.polygon("+", [(-14, -176), (14, -176), (0, -196)])
    s.section("\\sarrow")
    s.polygon("+", bar(-6, 6, -150, 64))
    s.circle("+", 0, 64, 18)
    s.circle("+", 0, 0, 14)
    return s


def ring():
    """A broad ring with the hours cut into it as holes, and a ball for the second hand
    orbiting the open middle. There are no marks, so the order leaves them out."""
    s = Skin("Ring")
    s.order("static", "sarrow", "marrow", "harrow")
    s.section("\\staticanalog")
    s.circle("+", 0, 0, 298)
    s.circle("-", 0, 0, 200)
    s.polygon("-", [(-22, -290), (22, -290), (0, -250)])
    for h in range(1, 12):
        x, y = at_hour(h, 250)
        s.circle("-", x, y, 18 if h % 3 == 0 else 11)
    s.section("\\harrow")
    s.polygon("+", tapered(20, 104, 20, 14))
    s.circle("+", 0, 0, 30)
    s.section("\\marrow")
    s.polygon("+", tapered(20, 158, 14, 9))
    s.section("\\sarrow")
    s.circle("+", 0, -160, 22)
    return s


SKINS = {"classic": classic, "contrast": contrast, "minimal": minimal, "ornament": ornament, "ring": ring}

if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    for name, make in SKINS.items():
        make().write(os.path.join(here, name + ".skn"))
