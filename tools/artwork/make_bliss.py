#!/usr/bin/env python3
"""Paints the start-up picture: rolling green hills under a blue sky with soft
clouds, written as a 24-bit BMP (1024 x 768).

    python3 tools/artwork/make_bliss.py [OUTPUT.bmp]

The default output is runtime/startmenu/bliss.bmp. The picture is the same on
every run (fixed seeds), so regenerating it changes nothing unless this file does.
"""

import math
import os
import random
import struct
import sys

WIDTH, HEIGHT = 1024, 768


def smoothstep(t):
    return t * t * (3.0 - 2.0 * t)


def clamp(value, low=0.0, high=1.0):
    return low if value < low else high if value > high else value


def mix(a, b, t):
    return tuple(x + (y - x) * t for x, y in zip(a, b))


class ValueNoise:
    """Smoothly interpolated random values on a grid that wraps horizontally."""

    def __init__(self, seed, cells_x, cells_y):
        rng = random.Random(seed)
        self.cells_x, self.cells_y = cells_x, cells_y
        self.grid = [[rng.random() for _ in range(cells_x)] for _ in range(cells_y + 1)]

    def at(self, u, v):
        """u, v in cell units."""
        x0 = math.floor(u)
        y0 = min(int(v), self.cells_y - 1)
        fx, fy = smoothstep(u - x0), smoothstep(v - y0)
        row0, row1 = self.grid[y0], self.grid[y0 + 1]
        xa, xb = x0 % self.cells_x, (x0 + 1) % self.cells_x
        top = row0[xa] + (row0[xb] - row0[xa]) * fx
        bottom = row1[xa] + (row1[xb] - row1[xa]) * fx
        return top + (bottom - top) * fy


def fractal(octaves, u, v):
    """Sum of octaves (noise, frequency, weight), normalised to 0..1."""
    total = weight_sum = 0.0
    for noise, frequency, weight in octaves:
        total += noise.at(u * frequency, v * frequency) * weight
        weight_sum += weight
    return total / weight_sum


def make_octaves(seed, count, base_cells_x, base_cells_y):
    octaves = []
    for i in range(count):
        scale = 2 ** i
        noise = ValueNoise(seed + i, base_cells_x * scale, base_cells_y * scale + 1)
        octaves.append((noise, 1.0, 0.5 ** i))
    return octaves


# Heights are fractions of the picture height, measured from the top.
def far_hill(x):
    t = x / WIDTH
    return 0.60 + 0.05 * math.sin(t * 5.1 + 0.7) + 0.025 * math.sin(t * 11.3 + 2.0)


def near_hill(x):
    t = x / WIDTH
    # A broad swell rising towards the left, like a meadow seen from its foot.
    return 0.66 - 0.11 * math.cos((t - 0.28) * 2.6) + 0.03 * math.sin(t * 7.7 + 1.3)


SKY_TOP = (22, 78, 196)
SKY_HORIZON = (158, 204, 246)
CLOUD_LIGHT = (252, 252, 255)
CLOUD_SHADE = (200, 214, 236)
FAR_HILL = (84, 156, 82)
HAZE = (170, 205, 220)
GRASS_LIGHT = (118, 196, 52)
GRASS_DARK = (34, 110, 28)


def sky_colour(x, y, clouds):
    t = y / (HEIGHT * 0.62)
    colour = mix(SKY_TOP, SKY_HORIZON, clamp(t) ** 1.4)
    u, v = x / WIDTH * 6.0, y / HEIGHT * 7.0
    density = fractal(clouds, u, v * 1.4)
    # Thinner clouds near the horizon, none right at the top edge.
    cover = clamp((density - 0.50) * 3.2) * clamp(1.15 - t * 0.9) * clamp(y / 40.0)
    if cover > 0:
        # Lit from above: the upper part of each cloud is brighter.
        shade = clamp(0.75 + (fractal(clouds, u, (v - 0.25) * 1.4) - density) * 4.0)
        cloud = mix(CLOUD_SHADE, CLOUD_LIGHT, shade)
        colour = mix(colour, cloud, smoothstep(cover))
    return colour


def grass_colour(x, y, top, grass):
    depth = clamp((y - top) / (HEIGHT - top + 1.0))
    # Sunlight from the upper left: the left of the slope and its crest are brightest.
    light = clamp(1.0 - depth * 0.9 - x / WIDTH * 0.25 + 0.1)
    texture = fractal(grass, x / WIDTH * 8.0, y / HEIGHT * 30.0) - 0.5
    colour = mix(GRASS_DARK, GRASS_LIGHT, clamp(light + texture * 0.35))
    # A soft bright rim along the crest.
    rim = clamp(1.0 - (y - top) / 6.0)
    return mix(colour, (170, 222, 100), rim * 0.5)


def render():
    clouds = make_octaves(11, 5, 6, 7)
    grass = make_octaves(29, 3, 8, 30)
    rows = []
    for y in range(HEIGHT):
        row = bytearray()
        for x in range(WIDTH):
            near_top = near_hill(x) * HEIGHT
            far_top = far_hill(x) * HEIGHT
            if y >= near_top:
                colour = grass_colour(x, y, near_top, grass)
                # Anti-alias the crest against what lies behind it.
                edge = y - near_top
                if edge < 1.0:
                    behind = FAR_HILL if y >= far_top else sky_colour(x, y, clouds)
                    colour = mix(behind, colour, edge)
            elif y >= far_top:
                haze = clamp(1.0 - (y - far_top) / 60.0) * 0.45
                colour = mix(FAR_HILL, HAZE, haze)
                edge = y - far_top
                if edge < 1.0:
                    colour = mix(sky_colour(x, y, clouds), colour, edge)
            else:
                colour = sky_colour(x, y, clouds)
            r, g, b = (int(round(clamp(c, 0, 255))) for c in colour)
            row += bytes((b, g, r))
        rows.append(bytes(row))
    return rows


def write_bmp(path, rows):
    """24-bit BMP, bottom row first; 1024 * 3 bytes per row needs no padding."""
    row_size = (WIDTH * 3 + 3) & ~3
    padding = b"\0" * (row_size - WIDTH * 3)
    image_size = row_size * HEIGHT
    header = struct.pack("<2sIHHI", b"BM", 54 + image_size, 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 24, 0, image_size, 2835, 2835, 0, 0)
    with open(path, "wb") as out:
        out.write(header + info)
        for row in reversed(rows):
            out.write(row + padding)


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    path = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "runtime", "startmenu", "bliss.bmp")
    os.makedirs(os.path.dirname(os.path.abspath(path)), exist_ok=True)
    write_bmp(path, render())


if __name__ == "__main__":
    main()
