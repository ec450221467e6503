#!/usr/bin/env python3
"""Draws Sorvane's icons and writes them as .ico files (no libraries beyond Python's own).

    python3 resources/make_icons.py [folder for PNG previews]

sorvane.ico: the program icon, 16, 32, 48 (32-bit colour with alpha) and 256 pixels (PNG).
tray.ico:    the notification-area icon, 16 x 16 in the 16 standard colours.
icons/:      the same pictures as PNG files for Linux: sorvane-<size>.png for the desktop's
             icon theme (hicolor) and tray-16.png for the notification area.

The picture is a small wall clock at ten past ten: a red rim (the clock's own default
colour), a white face, dark hands. Small sizes get a thicker rim and no hour marks, since
a one-pixel mark only smudges at 16 pixels, and show three o'clock, which reads better
than ten past ten at that size.
"""
import math
import os
import struct
import sys
import zlib

RIM = (192, 28, 24)
RIM_EDGE = (120, 14, 12)
FACE = (252, 250, 246)
INK = (40, 40, 44)
SECOND = (210, 30, 24)

# The 16 standard colours, in the order of the Windows default palette.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
         (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
         (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]


def hand(angle_deg, length, half_width, tail):
    """A hand as a test on a point: a bar from -tail to length along the angle (clockwise
    from twelve), half_width to either side."""
    a = math.radians(angle_deg)
    ux, uy = math.sin(a), -math.cos(a)

    def inside(x, y):
        along = x * ux + y * uy
        across = abs(-x * uy + y * ux)
        return -tail <= along <= length and across <= half_width

    return inside


def clock_layers(size):
    """Shapes from back to front, each (colour, test on a point in -1..1, y down)."""
    small = size <= 16
    rim_in = 0.70 if small else 0.80
    layers = [
        (RIM_EDGE, lambda x, y: x * x + y * y <= 0.98 ** 2),
        (RIM, lambda x, y: x * x + y * y <= 0.92 ** 2),
        (FACE, lambda x, y: x * x + y * y <= rim_in ** 2),
    ]
    if size >= 32:
        for h in range(12):
            heavy = h % 3 == 0
            layers.append((INK, hand(30 * h, 0.76, 0.05 if heavy else 0.03, -0.62 if heavy else -0.66)))
    if small:  # three o'clock: the plainest clock sign at 16 pixels
        layers.append((INK, hand(90, 0.46, 0.125, 0.0)))
        layers.append((INK, hand(0, 0.60, 0.125, 0.0)))
    else:  # ten past ten
        layers.append((INK, hand(-55, 0.42, 0.065, 0.08)))
        layers.append((INK, hand(60, 0.64, 0.045, 0.08)))
    if size >= 48:
        layers.append((SECOND, hand(200, 0.66, 0.018, 0.16)))
    layers.append((SECOND if size >= 32 else INK, lambda x, y: x * x + y * y <= (0.09 if size >= 32 else 0.13) ** 2))
    return layers


def render(size, layers, samples=4):
    """RGBA rows, each sample of a pixel taking the colour of the front-most shape."""
    rows = []
    n = samples * samples
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = covered = 0
            for sy in range(samples):
                for sx in range(samples):
                    x = (px + (sx + 0.5) / samples) / size * 2 - 1
                    y = (py + (sy + 0.5) / samples) / size * 2 - 1
                    colour = None
                    for c, inside in layers:
                        if inside(x, y):
                            colour = c
                    if colour:
                        r, g, b, covered = r + colour[0], g + colour[1], b + colour[2], covered + 1
            if covered:
                row.append((r // covered, g // covered, b // covered, round(255 * covered / n)))
            else:
                row.append((0, 0, 0, 0))
        rows.append(row)
    return rows


def png(rows):
    size = len(rows)
    raw = b"".join(b"\0" + bytes(v for p in row for v in p) for row in rows)

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def and_mask(rows):
    """1 bit per pixel, set where the pixel is see-through; bottom row first, rows padded
    to 4 bytes."""
    size = len(rows)
    stride = (size + 31) // 32 * 4
    out = b""
    for row in reversed(rows):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] < 128:
                bits[x // 8] |= 0x80 >> (x % 8)
        out += bytes(bits)
    return out


def dib_header(size, bits, colours):
    return struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, bits, 0, 0, 0, 0, colours, 0)


def dib32(rows):
    pixels = b"".join(bytes((p[2], p[1], p[0], p[3])) for row in reversed(rows) for p in row)
    return dib_header(len(rows), 32, 0) + pixels + and_mask(rows)


def nearest_vga(p):
    return min(range(16), key=lambda i: sum((a - b) ** 2 for a, b in zip(VGA16[i], p[:3])))


def dib4(rows):
    size = len(rows)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16)
    stride = (size * 4 + 31) // 32 * 4
    pixels = b""
    for row in reversed(rows):
        line = bytearray(stride)
        for x, p in enumerate(row):
            index = nearest_vga(p) if p[3] >= 128 else 0
            line[x // 2] |= index << (4 if x % 2 == 0 else 0)
        pixels += bytes(line)
    return dib_header(size, 4, 16) + palette + pixels + and_mask(rows)


def ico(images):
    """images: list of (size, colour count for the directory, bits per pixel, bytes)."""
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries, data = b"", b""
    for size, colours, bits, blob in images:
        entries += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(blob), offset + len(data))
        data += blob
    return header + entries + data


def tray_rows():
    """The tray icon in the 16 standard colours: pure red rim, white face, black hands."""
    layers = [
        ((128, 0, 0), lambda x, y: x * x + y * y <= 0.99 ** 2),
        ((255, 0, 0), lambda x, y: x * x + y * y <= 0.86 ** 2),
        ((255, 255, 255), lambda x, y: x * x + y * y <= 0.70 ** 2),
        ((0, 0, 0), hand(90, 0.46, 0.11, 0.0)),
        ((0, 0, 0), hand(0, 0.60, 0.09, 0.0)),
        ((0, 0, 0), lambda x, y: x * x + y * y <= 0.13 ** 2),
    ]
    rows = render(16, layers, samples=1)
    return [[VGA16[nearest_vga(p)] + (255,) if p[3] >= 128 else (0, 0, 0, 0) for p in row] for row in rows]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    previews = sys.argv[1] if len(sys.argv) > 1 else None
    app = {size: render(size, clock_layers(size)) for size in (16, 32, 48, 256)}
    tray = tray_rows()
    with open(os.path.join(here, "sorvane.ico"), "wb") as f:
        f.write(ico([(s, 0, 32, dib32(app[s])) for s in (16, 32, 48)] + [(256, 0, 32, png(app[256]))]))
    with open(os.path.join(here, "tray.ico"), "wb") as f:
        f.write(ico([(16, 16, 4, dib4(tray))]))
    icons = os.path.join(here, "icons")
    os.makedirs(icons, exist_ok=True)
    for size, rows in app.items():
        with open(os.path.join(icons, f"sorvane-{size}.png"), "wb") as f:
            f.write(png(rows))
    with open(os.path.join(icons, "tray-16.png"), "wb") as f:
        f.write(png(tray))
    if previews:
        for size, rows in app.items():
            with open(os.path.join(previews, f"app{size}.png"), "wb") as f:
                f.write(png(rows))
        with open(os.path.join(previews, "tray16.png"), "wb") as f:
            f.write(png(tray))


if __name__ == "__main__":
    main()
