#!/usr/bin/env python3
"""Draws Festorin's icon, a birthday cake with three candles, and writes it
as one icon file (app/festorin.ico) with 16 x 16, 32 x 32 and 48 x 48
images of 256 colours, so that Windows finds a sharp one at every screen
scale. The picture is drawn at 32 x 32; the other sizes are taken from it.
Run it again after a change of the picture; the .ico file is kept in the
repository."""
import struct
import sys
from pathlib import Path

SIZE = 32
SIZES = (16, 32, 48)

# Palette entries as (red, green, blue); index 0 stands for transparency.
PALETTE = {
    "clear": (0, 0, 0),
    "outline": (96, 48, 32),
    "sponge": (214, 140, 72),
    "sponge_dark": (170, 100, 50),
    "cream": (255, 246, 220),
    "pink": (240, 110, 150),
    "plate": (190, 190, 200),
    "plate_dark": (130, 130, 145),
    "blue": (60, 110, 230),
    "red": (220, 40, 40),
    "green": (40, 170, 70),
    "white": (255, 255, 255),
    "flame": (255, 200, 30),
    "flame_core": (255, 120, 0),
}
NAMES = list(PALETTE)


def draw():
    picture = [["clear"] * SIZE for _ in range(SIZE)]

    def put(x, y, colour):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            picture[y][x] = colour

    def fill(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                put(x, y, colour)

    def ellipse(cx, cy, rx, ry, colour):
        for y in range(SIZE):
            for x in range(SIZE):
                if ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0:
                    put(x, y, colour)

    # The plate.
    ellipse(15.5, 28, 15, 3, "plate_dark")
    ellipse(15.5, 27.5, 14, 2.2, "plate")
    # The cake: sponge, a pink filling and cream on top.
    fill(5, 15, 26, 26, "sponge")
    fill(5, 20, 26, 21, "pink")
    fill(5, 24, 26, 26, "sponge_dark")
    fill(4, 13, 27, 15, "cream")
    for x in (6, 7, 11, 16, 17, 22, 25):
        put(x, 16, "cream")
    for x in (7, 16, 22):
        put(x, 17, "cream")
    for y in range(13, 27):
        put(4, y, "outline")
        put(27, y, "outline")
    fill(5, 12, 26, 12, "outline")
    # Three candles with a light edge, and their flames.
    for x, colour in ((9, "blue"), (15, "red"), (21, "green")):
        for y in range(6, 12):
            put(x, y, "white" if y in (7, 10) else colour)
            put(x + 1, y, colour)
        put(x, 5, "outline")
        put(x + 1, 5, "outline")
        fill(x, 2, x + 1, 4, "flame")
        put(x, 1, "flame")
        put(x + 1, 3, "flame_core")
        put(x, 4, "flame_core")
    return picture


def resized(picture, size):
    """The picture at another size: each pixel takes the colour most of the
    pixels it covers have, so that thin lines survive a smaller size."""
    if size == SIZE:
        return picture
    result = []
    for y in range(size):
        row = []
        for x in range(size):
            x0, x1 = x * SIZE // size, max(x * SIZE // size + 1, (x + 1) * SIZE // size)
            y0, y1 = y * SIZE // size, max(y * SIZE // size + 1, (y + 1) * SIZE // size)
            covered = [picture[v][u] for v in range(y0, y1) for u in range(x0, x1)]
            drawn = [c for c in covered if c != "clear"]
            if len(drawn) * 2 < len(covered):
                row.append("clear")
            else:
                row.append(max(drawn, key=drawn.count))
        result.append(row)
    return result


def image_bytes(picture):
    size = len(picture)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE.values())
    palette += b"\0" * (256 * 4 - len(palette))
    mask_stride = (size + 31) // 32 * 4
    rows = []
    masks = []
    for row in reversed(picture):  # bitmaps are stored bottom-up
        rows.append(bytes(NAMES.index(c) for c in row))
        bits = 0
        for x, c in enumerate(row):
            if c == "clear":
                bits |= 1 << (mask_stride * 8 - 1 - x)
        masks.append(bits.to_bytes(mask_stride, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 8, 0,
                         0, 0, 0, 256, 0)
    return header + palette + b"".join(rows) + b"".join(masks)


def icon_bytes(picture):
    images = [image_bytes(resized(picture, size)) for size in SIZES]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 8, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main():
    root = Path(__file__).resolve().parent.parent
    target = Path(sys.argv[1]) if len(sys.argv) > 1 else root / "app" / "festorin.ico"
    target.write_bytes(icon_bytes(draw()))


if __name__ == "__main__":
    main()
