#!/usr/bin/env python3
"""Draws the about box's picture, a small clock face, and converts it to JPEG.

Writes src/desktop/ui/about.jpg (through cjpeg from libjpeg-turbo-progs) and,
from it, the damaged copies the decoder tests read from tests/data/desktop/.
Run from anywhere: python3 tools/make_about_picture.py
"""

import math
import os
import random
import subprocess
import sys

WIDTH, HEIGHT = 99, 91
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
PICTURE = os.path.join(ROOT, "src", "desktop", "ui", "about.jpg")
FIXTURES = os.path.join(ROOT, "tests", "data", "desktop")

BACKGROUND = (236, 233, 216)
RIM = (40, 70, 140)
FACE = (255, 252, 240)
TICK = (60, 60, 60)
HOUR_HAND = (20, 20, 20)
MINUTE_HAND = (20, 20, 20)
SECOND_HAND = (200, 30, 30)


def blend(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy
    t = 0.0 if length2 == 0 else max(0.0, min(1.0, ((px - ax) * dx + (py - ay) * dy) / length2))
    cx, cy = ax + t * dx, ay + t * dy
    return math.hypot(px - cx, py - cy)


def draw():
    cx, cy = (WIDTH - 1) / 2, (HEIGHT - 1) / 2
    outer = min(WIDTH, HEIGHT) / 2 - 3
    rim = 5.0
    hands = []
    # Ten past ten, the watchmaker's smile.
    for turns, length, width, colour in ((10 / 12 + 10 / 720, 0.5, 2.2, HOUR_HAND),
                                         (10 / 60, 0.75, 1.6, MINUTE_HAND),
                                         (40 / 60, 0.82, 0.7, SECOND_HAND)):
        angle = turns * 2 * math.pi
        tip = (cx + math.sin(angle) * outer * length, cy - math.cos(angle) * outer * length)
        hands.append((tip, width, colour))
    ticks = []
    for hour in range(12):
        angle = hour * math.pi / 6
        inner = outer - rim - (6 if hour % 3 == 0 else 3.5)
        ticks.append(((cx + math.sin(angle) * inner, cy - math.cos(angle) * inner),
                      (cx + math.sin(angle) * (outer - rim - 1), cy - math.cos(angle) * (outer - rim - 1)),
                      1.3 if hour % 3 == 0 else 0.8))
    pixels = bytearray()
    for y in range(HEIGHT):
        for x in range(WIDTH):
            r = math.hypot(x - cx, y - cy)
            colour = BACKGROUND
            if r <= outer + 0.5:
                colour = blend(BACKGROUND, RIM, min(1.0, outer + 0.5 - r))
            if r <= outer - rim + 0.5:
                colour = blend(RIM, FACE, min(1.0, outer - rim + 0.5 - r))
                for (ax, ay), (bx, by), width in ticks:
                    d = segment_distance(x, y, ax, ay, bx, by)
                    if d < width + 0.5:
                        colour = blend(colour, TICK, min(1.0, width + 0.5 - d))
                for (tx, ty), width, hand in hands:
                    d = segment_distance(x, y, cx, cy, tx, ty)
                    if d < width + 0.5:
                        colour = blend(colour, hand, min(1.0, width + 0.5 - d))
                if r < 2.5:
                    colour = blend(colour, SECOND_HAND, min(1.0, 2.5 - r))
            pixels.extend(colour)
    return b"P6\n%d %d\n255\n" % (WIDTH, HEIGHT) + bytes(pixels)


def write(path, data):
    with open(path, "wb") as out:
        out.write(data)


def main():
    ppm = draw()
    result = subprocess.run(["cjpeg", "-quality", "80", "-optimize"], input=ppm,
                            capture_output=True, check=False)
    if result.returncode != 0:
        sys.exit("cjpeg failed (apt-get install libjpeg-turbo-progs): " + result.stderr.decode())
    jpeg = result.stdout
    write(PICTURE, jpeg)

    os.makedirs(FIXTURES, exist_ok=True)
    write(os.path.join(FIXTURES, "empty.jpg"), b"")
    write(os.path.join(FIXTURES, "truncated.jpg"), jpeg[: len(jpeg) // 2])
    write(os.path.join(FIXTURES, "header_only.jpg"), jpeg[:20])
    rng = random.Random(1251)
    write(os.path.join(FIXTURES, "random.jpg"), bytes(rng.randrange(256) for _ in range(4096)))
    # A valid start of image followed by noise.
    write(os.path.join(FIXTURES, "noise_after_soi.jpg"),
          b"\xff\xd8" + bytes(rng.randrange(256) for _ in range(2048)))
    # The frame header claims 60000 x 60000 pixels; the decoder must refuse
    # before it asks for the memory.
    sof = jpeg.find(b"\xff\xc0")
    if sof < 0:
        sof = jpeg.find(b"\xff\xc2")
    huge = bytearray(jpeg)
    huge[sof + 5:sof + 9] = (60000).to_bytes(2, "big") * 2
    write(os.path.join(FIXTURES, "huge_frame.jpg"), bytes(huge))
    # Scan data overwritten in the middle: corrupt entropy-coded data.
    scribbled = bytearray(jpeg)
    start = len(jpeg) // 2
    for i in range(start, min(start + 64, len(jpeg) - 2)):
        scribbled[i] = 0xFF if i % 2 else 0xD9 ^ (i & 0x0F)
    write(os.path.join(FIXTURES, "scribbled.jpg"), bytes(scribbled))
    print("%s: %d bytes" % (PICTURE, len(jpeg)))


if __name__ == "__main__":
    main()
