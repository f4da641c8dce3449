#!/usr/bin/env python3
"""Draws the program icon (a sheet of text with a pencil) and writes it as
velmo.ico with 16x16 and 32x32 images in 32-bit colour with alpha.

The drawing is described in a 32-unit square and rendered with 8x8
supersampling, so both sizes come out anti-aliased. Run it again after a
change; the build uses the committed velmo.ico and needs no Python."""
import math
import struct
import sys

SUPERSAMPLE = 8

BORDER = (52, 73, 120, 255)
PAPER = (255, 255, 255, 255)
FOLD = (205, 216, 236, 255)
TITLE = (214, 70, 52, 255)
TEXT = (62, 98, 170, 255)
SHADOW = (0, 0, 0, 60)
ERASER = (235, 120, 140, 255)
BAND = (170, 175, 185, 255)
BODY = (250, 184, 40, 255)
BODY_EDGE = (214, 140, 20, 255)
WOOD = (243, 214, 160, 255)
LEAD = (40, 40, 48, 255)


def inside_polygon(x, y, points):
    result = False
    j = len(points) - 1
    for i, (xi, yi) in enumerate(points):
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


def sheet_layers(box, fold_size, border, text_rows):
    """The paper: border, white inside, folded corner and lines of text."""
    left, top, right, bottom = box
    outline = [(left, top), (right - fold_size, top), (right, top + fold_size), (right, bottom), (left, bottom)]
    fold_x, fold_y = right - fold_size - border * 0.4, top + fold_size + border * 0.4
    inner = [(left + border, top + border), (fold_x, top + border), (right - border, fold_y),
             (right - border, bottom - border), (left + border, bottom - border)]
    fold = [inner[1], (fold_x, fold_y), inner[2]]
    shadow = [(p[0] + 1, p[1] + 1) for p in outline]
    layers = [
        (lambda x, y: inside_polygon(x, y, shadow), SHADOW),
        (lambda x, y: inside_polygon(x, y, outline), BORDER),
        (lambda x, y: inside_polygon(x, y, inner), PAPER),
        (lambda x, y: inside_polygon(x, y, fold), FOLD),
    ]
    for top, bottom, left, right, colour in text_rows:
        layers.append((lambda x, y, t=top, b=bottom, l=left, r=right:
                       l <= x < r and t <= y < b, colour))
    return layers


def pencil_layers(half_width):
    """A pencil lying from the upper right to the lower left of the sheet."""
    start, end = (30.5, 11.5), (13.5, 28.5)  # eraser end, point end
    length = math.dist(start, end)
    ux, uy = (end[0] - start[0]) / length, (end[1] - start[1]) / length

    def along(x, y):
        dx, dy = x - start[0], y - start[1]
        return dx * ux + dy * uy, -dx * uy + dy * ux

    def segment(u0, u1):
        def test(x, y):
            u, v = along(x, y)
            return u0 <= u < u1 and abs(v) <= half_width
        return test

    def cone(u0, u1, tip_width):
        def test(x, y):
            u, v = along(x, y)
            if not u0 <= u < u1:
                return False
            return abs(v) <= half_width + (tip_width - half_width) * (u - u0) / (u1 - u0)
        return test

    def stripe(x, y):
        u, v = along(x, y)
        return 5.0 <= u < length - 5.0 and v > 0.9 and v <= half_width

    wood_end = length - 1.6
    return [
        (segment(0.0, 2.5), ERASER),
        (segment(2.5, 4.5), BAND),
        (segment(4.5, length - 5.0), BODY),
        (stripe, BODY_EDGE),
        (cone(length - 5.0, wood_end, 0.9), WOOD),
        (cone(wood_end, length, 0.0), LEAD),
    ]


def drawing(size):
    if size <= 16:  # fewer, bolder strokes on whole pixels at the small size
        rows = [(6, 8, 8, 18, TITLE), (10, 12, 8, 24, TEXT),
                (14, 16, 8, 20, TEXT), (18, 20, 8, 14, TEXT)]
        return sheet_layers((4, 2, 28, 30), 8, 2.0, rows) + pencil_layers(3.2)
    rows = [(6, 7.5, 8.5, 17, TITLE), (10.5, 12, 8.5, 23.5, TEXT),
            (14.5, 16, 8.5, 21, TEXT), (18.5, 20, 8.5, 23.5, TEXT),
            (22.5, 24, 8.5, 16, TEXT)]
    return sheet_layers((5, 1.5, 27, 30.5), 7, 1.5, rows) + pencil_layers(2.6)


def over(dst, src, coverage):
    sa = src[3] / 255.0 * coverage
    da = dst[3] / 255.0
    out_a = sa + da * (1 - sa)
    if out_a == 0:
        return (0.0, 0.0, 0.0, 0.0)
    rgb = [(src[i] * sa + dst[i] * da * (1 - sa)) / out_a for i in range(3)]
    return (rgb[0], rgb[1], rgb[2], out_a * 255.0)


def render(size):
    scale = 32.0 / size
    layers = drawing(size)
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            colour = (0.0, 0.0, 0.0, 0.0)
            for test, paint in layers:
                hits = 0
                for sy in range(SUPERSAMPLE):
                    for sx in range(SUPERSAMPLE):
                        x = (px + (sx + 0.5) / SUPERSAMPLE) * scale
                        y = (py + (sy + 0.5) / SUPERSAMPLE) * scale
                        hits += test(x, y)
                if hits:
                    colour = over(colour, paint, hits / SUPERSAMPLE ** 2)
            row.append(tuple(int(round(c)) for c in colour))
        pixels.append(row)
    return pixels


def icon_image(size):
    """BITMAPINFOHEADER, bottom-up BGRA pixels and the AND mask."""
    pixels = render(size)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    colour = b"".join(struct.pack("BBBB", p[2], p[1], p[0], p[3])
                      for row in reversed(pixels) for p in row)
    stride = ((size + 31) // 32) * 4
    mask = bytearray()
    for row in reversed(pixels):
        bits = bytearray(stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    return header + colour + bytes(mask)


def main(path):
    images = [icon_image(size) for size in (16, 32)]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, data in zip((16, 32), images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as out:
        out.write(directory + entries + b"".join(images))


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "velmo.ico")
