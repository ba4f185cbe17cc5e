#!/usr/bin/env python3
"""Paints the example pictures of the start menu and writes them with our own
encoders (standard library only):

- balloon.bmp, .pcx, .tga, .gif, .png: one small scene (a hot-air balloon over
  hills at sunset), the same picture in each format the system reads;
- star.png: a star whose alpha channel is a transparency (0 solid, 255 clear),
  the meaning alpha has in idle scripts.

    python3 tools/artwork/make_pictures.py [OUTPUT_FOLDER]

The default folder is runtime/media. Every run writes the same bytes.
"""

import math
import os
import struct
import sys
import zlib

WIDTH, HEIGHT = 128, 96


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


def coverage(distance):
    """Anti-aliasing: 1 well inside an edge (negative distance), 0 outside."""
    return clamp(0.5 - distance)


# ---------------------------------------------------------------- painting

def balloon_pixel(x, y):
    """Colour (0..255 floats) of the scene at pixel centre (x, y), y downwards."""
    horizon = 64
    t = y / horizon
    colour = mix((40, 60, 150), (250, 150, 70), clamp(t) ** 1.5)
    sun = math.hypot(x - 100, y - 52) - 14
    colour = mix(colour, (255, 230, 120), coverage(sun))
    hill = horizon + 8 * math.sin(x / 17.0) + 4 * math.sin(x / 7.0 + 1)
    colour = mix(colour, (60 + 20 * math.sin(x / 9.0), 130, 60), coverage(hill - y))
    # The balloon: an envelope in red and white gores, ropes and a basket.
    cx, cy, radius = 42, 30, 17
    envelope = math.hypot((x - cx) / 1.0, (y - cy) / 1.15) - radius
    if y > cy:  # taper towards the mouth
        envelope = max(envelope, abs(x - cx) - radius * (1.0 - (y - cy) / 40.0))
    stripe = math.floor((math.asin(clamp((x - cx) / radius, -1, 1)) + math.pi / 2) / (math.pi / 6))
    gore = (220, 40, 40) if stripe % 2 == 0 else (245, 240, 230)
    shade = 0.75 + 0.25 * clamp(1.0 - math.hypot(x - cx + 6, y - cy + 8) / (radius * 1.6))
    colour = mix(colour, tuple(c * shade for c in gore), coverage(envelope))
    for rope_x in (cx - 6, cx + 6):
        along = (y - (cy + 17)) / 9.0
        if 0 <= along <= 1:
            rope = abs(x - (rope_x + (cx - rope_x) * along * 0.4)) - 0.4
            colour = mix(colour, (70, 50, 30), coverage(rope))
    basket = max(abs(x - cx) - 4.5, abs(y - (cy + 29)) - 3)
    colour = mix(colour, (140, 90, 40), coverage(basket))
    return colour


def star_pixel(x, y, size):
    """(r, g, b, transparency) of a five-pointed star filling a size x size square."""
    centre = (size - 1) / 2
    dx, dy = x - centre, centre - y
    angle = math.atan2(dy, dx) - math.pi / 2
    sector = (angle % (2 * math.pi / 5)) / (2 * math.pi / 5)
    outer, inner = size * 0.48, size * 0.2
    edge = inner + (outer - inner) * abs(1 - 2 * sector) ** 1.6
    inside = coverage(math.hypot(dx, dy) - edge)
    glow = clamp(1 - math.hypot(dx, dy) / outer)
    colour = (255, 200 + 55 * glow, 40 + 150 * glow)
    return colour + (255 * (1 - inside),)


def paint(width, height, pixel):
    """Rows from top to bottom, each a list of colour tuples rounded to bytes."""
    return [[tuple(int(round(clamp(c, 0, 255))) for c in pixel(x + 0.5, y + 0.5))
             for x in range(width)] for y in range(height)]


# ---------------------------------------------------------------- encoders

def bmp_bytes(rows):
    """24-bit BMP, bottom row first, rows padded to four bytes."""
    width, height = len(rows[0]), len(rows)
    padding = b"\0" * ((4 - width * 3 % 4) % 4)
    body = b"".join(bytes(c for r, g, b in row for c in (b, g, r)) + padding
                    for row in reversed(rows))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(body), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(body), 2835, 2835, 0, 0)
    return header + info + body


def pcx_runs(line):
    """PCX run-length coding: runs of up to 63; bytes of 192 and above always as runs."""
    out = bytearray()
    i = 0
    while i < len(line):
        run = 1
        while i + run < len(line) and run < 63 and line[i + run] == line[i]:
            run += 1
        if run > 1 or line[i] >= 192:
            out.append(192 | run)
        out.append(line[i])
        i += run
    return bytes(out)


def pcx_bytes(rows):
    """Version 5 PCX with three 8-bit planes (red, green, blue), top row first."""
    width, height = len(rows[0]), len(rows)
    per_line = width + width % 2
    header = struct.pack("<BBBBHHHHHH48sBBHH58s", 10, 5, 1, 8, 0, 0, width - 1, height - 1,
                         72, 72, b"", 0, 3, per_line, 1, b"")
    body = bytearray()
    for row in rows:
        for plane in range(3):
            line = bytes(pixel[plane] for pixel in row) + b"\0" * (per_line - width)
            body += pcx_runs(line)
    return header + bytes(body)


def tga_bytes(rows):
    """Run-length coded true-colour TGA (type 10), top row first (descriptor bit 5)."""
    width, height = len(rows[0]), len(rows)
    header = struct.pack("<BBBHHBHHHHBB", 0, 0, 10, 0, 0, 0, 0, 0, width, height, 24, 0x20)
    body = bytearray()
    for row in rows:
        pixels = [bytes((b, g, r)) for r, g, b in row]
        i = 0
        while i < width:
            run = 1
            while i + run < width and run < 128 and pixels[i + run] == pixels[i]:
                run += 1
            if run > 1:
                body += bytes((127 + run,)) + pixels[i]
                i += run
                continue
            start = i
            while i < width and i - start < 128 and (i + 1 >= width or pixels[i + 1] != pixels[i]):
                i += 1
            body += bytes((i - start - 1,)) + b"".join(pixels[start:i])
    return header + bytes(body)


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))


def png_bytes(rows):
    """8-bit RGB or RGBA PNG (by the length of the pixel tuples), no filtering."""
    width, height, channels = len(rows[0]), len(rows), len(rows[0][0])
    raw = b"".join(b"\0" + bytes(c for pixel in row for c in pixel) for row in rows)
    colour_type = 6 if channels == 4 else 2
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, colour_type, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


BAYER = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]


def palette_indices(rows):
    """Maps each pixel to the 3-3-2 palette (8 reds, 8 greens, 4 blues) with
    ordered dithering, so gradients keep their look in 256 colours."""
    levels = (8, 8, 4)
    indices = []
    for y, row in enumerate(rows):
        for x, pixel in enumerate(row):
            threshold = (BAYER[y % 4][x % 4] + 0.5) / 16 - 0.5
            r, g, b = (min(n - 1, max(0, int(c / 255 * (n - 1) + 0.5 + threshold)))
                       for c, n in zip(pixel, levels))
            indices.append((r << 5) | (g << 2) | b)
    palette = b"".join(bytes((round(r * 255 / 7), round(g * 255 / 7), round(b * 255 / 3)))
                       for r in range(8) for g in range(8) for b in range(4))
    return indices, palette


def lzw_codes(indices, minimum):
    """GIF's variable-length LZW: yields (code, bit width) pairs."""
    clear, end = 1 << minimum, (1 << minimum) + 1
    table = {bytes((i,)): i for i in range(clear)}
    width, next_code = minimum + 1, end + 1
    yield clear, width
    word = b""
    for index in indices:
        longer = word + bytes((index,))
        if longer in table:
            word = longer
            continue
        yield table[word], width
        table[longer] = next_code
        next_code += 1
        if next_code > (1 << width):
            if width == 12:  # the table is full: start again
                yield clear, width
                table = {bytes((i,)): i for i in range(clear)}
                width, next_code = minimum + 1, end + 1
            else:
                width += 1
        word = bytes((index,))
    yield table[word], width
    yield end, width


def gif_bytes(rows):
    width, height = len(rows[0]), len(rows)
    indices, palette = palette_indices(rows)
    packed, bits, count = bytearray(), 0, 0
    for code, size in lzw_codes(indices, 8):
        bits |= code << count
        count += size
        while count >= 8:
            packed.append(bits & 255)
            bits >>= 8
            count -= 8
    if count:
        packed.append(bits)
    blocks = b"".join(bytes((len(packed[i:i + 255]),)) + packed[i:i + 255]
                      for i in range(0, len(packed), 255))
    return (b"GIF89a" + struct.pack("<HHBBB", width, height, 0xF7, 0, 0) + palette
            + b"," + struct.pack("<HHHHB", 0, 0, width, height, 0) + bytes((8,)) + blocks
            + b"\0;")


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "runtime", "media")
    os.makedirs(folder, exist_ok=True)
    balloon = paint(WIDTH, HEIGHT, balloon_pixel)
    outputs = {
        "balloon.bmp": bmp_bytes(balloon),
        "balloon.pcx": pcx_bytes(balloon),
        "balloon.tga": tga_bytes(balloon),
        "balloon.gif": gif_bytes(balloon),
        "balloon.png": png_bytes(balloon),
        "star.png": png_bytes(paint(64, 64, lambda x, y: star_pixel(x, y, 64))),
    }
    for name, data in outputs.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data)


if __name__ == "__main__":
    main()
