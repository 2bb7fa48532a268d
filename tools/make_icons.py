#!/usr/bin/env python3
"""Generate the package's menu icons (packaging/icons/<size>.png).

The icon is the program's own Classic face: data/skins/Classic@2x.bmp, the
picture the clock draws on high-density screens, cut out along its rim and
given hands at ten past ten in the skin's hand colours, then scaled down by
area to each size of the hicolor theme. The pictures come from the supplied
data tree, so they change only with it (tools/make_data.py) or with this
script.

Usage:
  python3 tools/make_icons.py            write the icons
  python3 tools/make_icons.py --check    verify that the icons on disk hold
                                         the pixels this script would write

Standard library only.
"""

import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import make_data as md  # noqa: E402  (the face's geometry and drawing)

ICONS = os.path.join(md.ROOT, "packaging", "icons")
SIZES = (16, 22, 24, 32, 48, 64, 128, 256)
SCALE = 2  # the @2x face: 378 device pixels for the 189 logical ones

# (angle in degrees clockwise from twelve, length, tail, half width, colour
# index in the skin's hand order: seconds, minutes, hours). Broader than the
# clock's own hands, so that they still read at 16 pixels.
HANDS = (
    (10 * 30 + 5, 50.0, 10.0, 5.0, 2),
    (60, 72.0, 12.0, 3.6, 1),
    (210, 74.0, 18.0, 1.2, 0),
)


def face_rgba():
    """The cut-out face with hands, at SCALE: rows of (r, g, b, a) floats."""
    with open(os.path.join(md.DATA, "skins", "Classic@2x.bmp"), "rb") as f:
        w, h, pix = md.read_bmp(f.read())
    canvas = md.Canvas(w, h, (0, 0, 0), SCALE)
    canvas.px = [[tuple(map(float, p)) for p in row] for row in pix]
    colours = md.SKINS["Classic"]["hands"]
    for angle, length, tail, half_width, which in HANDS:
        a = math.radians(angle)
        canvas.paint(md.oriented_box(md.CX, md.CY, a, -tail, length, half_width, True),
                     md.COLOUR_TABLE[colours[which]])
    canvas.paint(md.disc(md.CX, md.CY, 5.0), md.SKINS["Classic"]["hub"])
    rim = md.disc(md.CX, md.CY, md.RIM_OUT)
    return [[canvas.px[y][x] + (md.coverage(rim, x, y, SCALE),) for x in range(w)]
            for y in range(h)]


def scaled(src, size):
    """Area-weighted scaling with premultiplied alpha: bytes, RGBA rows."""
    n = len(src)
    step = n / size
    spans = []
    for i in range(size):
        lo, hi = i * step, (i + 1) * step
        spans.append([(k, min(hi, k + 1) - max(lo, k))
                      for k in range(int(lo), min(n, int(math.ceil(hi))))])
    out = bytearray()
    for ys in spans:
        for xs in spans:
            acc = [0.0, 0.0, 0.0, 0.0]
            for y, wy in ys:
                row = src[y]
                for x, wx in xs:
                    r, g, b, a = row[x]
                    wa = wx * wy * a
                    acc[0] += r * wa
                    acc[1] += g * wa
                    acc[2] += b * wa
                    acc[3] += wa
            alpha = acc[3] / (step * step)
            rgb = [c / acc[3] if acc[3] > 0 else 0.0 for c in acc[:3]]
            out += bytes(max(0, min(255, int(round(v)))) for v in rgb + [alpha * 255])
    return bytes(out)


def png_bytes(size, rgba):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    stride = size * 4
    raw = b"".join(b"\0" + rgba[y * stride:(y + 1) * stride] for y in range(size))
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def png_pixels(data):
    """The RGBA bytes of a PNG this script writes (8-bit RGBA, filter 0)."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("no PNG signature")
    pos, idat, size = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack_from(">I4s", data, pos)
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            w, h, depth, colour = struct.unpack_from(">IIBB", body)
            if (depth, colour) != (8, 6) or w != h:
                raise ValueError("not a square 8-bit RGBA picture")
            size = w
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    raw = zlib.decompress(idat)
    stride = size * 4 + 1
    if any(raw[y * stride] != 0 for y in range(size)):
        raise ValueError("rows filtered otherwise than this script writes them")
    return size, b"".join(raw[y * stride + 1:(y + 1) * stride] for y in range(size))


def main(argv):
    check = argv[1:] == ["--check"]
    if argv[1:] and not check:
        print(__doc__)
        return 2
    face = face_rgba()
    bad = []
    for size in SIZES:
        rgba = scaled(face, size)
        path = os.path.join(ICONS, "%d.png" % size)
        if not check:
            os.makedirs(ICONS, exist_ok=True)
            with open(path, "wb") as f:
                f.write(png_bytes(size, rgba))
            continue
        try:
            with open(path, "rb") as f:
                on_disk = png_pixels(f.read())
        except (OSError, ValueError) as e:
            bad.append("%s: %s" % (path, e))
            continue
        if on_disk != (size, rgba):
            bad.append("%s: differs from what tools/make_icons.py draws" % path)
    for line in bad:
        print(line)
    if check:
        print("packaging/icons: %s" % ("FAILED" if bad else "OK, %d sizes" % len(SIZES)))
    return 1 if bad else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
