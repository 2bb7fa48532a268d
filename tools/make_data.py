#!/usr/bin/env python3
"""Generate Chronidex's installed data tree (data/).

Writes, deterministically (same bytes on every run):

  data/skins/<Skin>.skn, <Skin>.bmp, <Skin>.wav, <Skin>kno.bmp, <Skin>knz.bmp
                       for the skins Classic, Night and Ocean
  data/skins/<Skin>@2x.bmp, <Skin>kno@2x.bmp, <Skin>knz@2x.bmp
                       the same pictures drawn natively at twice the size,
                       loaded instead on screens with a device pixel ratio
                       above 1 and drawn into the same logical rectangle
  data/system/system.ini   the 60-byte settings record
  data/system/r.bmp, m.bmp the schedule list's launch and reminder icons
  data/prazdniki/1.prz ... 12.prz  the fixed public holidays of Russia
  data/lang/Русский.lng, English.lng, French.lng  (code page 1251, CR LF)

data/system/help-rus.html, help-eng.html, help-fre.html (the help in each
language, named by the language's code) and their shared style sheet
help.css are written by hand and are only checked here.

Usage:
  python3 tools/make_data.py            write the files
  python3 tools/make_data.py --check    verify the files on disk (formats,
                                        sizes, encodings) and that they match
                                        what this script would write now

Standard library only.  The language texts below are the source of truth for
the .lng files: edit them here and run the script again.
"""

import math
import os
import struct
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
DATA = os.path.join(ROOT, "data")

TRANSPARENT = (255, 0, 255)  # pull tabs and list icons: pure magenta

# Hand colour indices understood by the clock.
COLOUR_TABLE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128),
    (128, 0, 128), (0, 128, 128), (128, 128, 128), (192, 192, 192),
    (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255), (255, 0, 255),
    (0, 255, 255), (255, 255, 255), (192, 220, 192), (166, 202, 240),
    (255, 251, 240),
]


# ---------------------------------------------------------------------------
# File writers
# ---------------------------------------------------------------------------

def bmp_bytes(width, height, pixels):
    """24-bit Windows bitmap, BITMAPINFOHEADER, bottom-up rows padded to 4.

    pixels[y][x] is an (r, g, b) tuple, y = 0 being the top row.
    """
    row_size = (width * 3 + 3) & ~3
    pad = b"\0" * (row_size - width * 3)
    body = bytearray()
    for y in range(height - 1, -1, -1):
        row = pixels[y]
        for x in range(width):
            r, g, b = row[x]
            body += bytes((b, g, r))
        body += pad
    offset = 14 + 40
    header = struct.pack("<2sIHHI", b"BM", offset + len(body), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0,
                       len(body), 2835, 2835, 0, 0)
    return header + info + bytes(body)


def wav_bytes(samples, rate=22050):
    """RIFF WAVE, PCM, 16-bit, mono."""
    data = struct.pack("<%dh" % len(samples), *samples)
    fmt = struct.pack("<HHIIHH", 1, 1, rate, rate * 2, 2, 16)
    body = (b"WAVE" + b"fmt " + struct.pack("<I", len(fmt)) + fmt
            + b"data" + struct.pack("<I", len(data)) + data)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def crlf_text(lines, encoding="cp1251"):
    """Every line followed by CR LF."""
    return "".join(line + "\r\n" for line in lines).encode(encoding)


# ---------------------------------------------------------------------------
# Geometry: signed distance functions (negative inside), in logical pixel
# units (the 1x picture's pixels).  At 1x, pixel (i, j) covers
# [i, i+1) x [j, j+1); its centre is (i+0.5, j+0.5).  At scale s, device
# pixel (i, j) covers [i/s, (i+1)/s) x [j/s, (j+1)/s), so the @2x pictures
# are the same drawing sampled more finely, not an enlargement.
# ---------------------------------------------------------------------------

def clamp01(v):
    return 0.0 if v < 0.0 else 1.0 if v > 1.0 else v


def lerp(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


class Shape:
    """A region given by a signed distance (or a conservative bound of it)."""

    def __init__(self, sdf, bbox):
        self.sdf = sdf
        self.bbox = bbox  # (x0, y0, x1, y1) in continuous coordinates

    def inside(self, x, y):
        return self.sdf(x, y) < 0.0


def disc(cx, cy, r):
    def f(x, y):
        return math.hypot(x - cx, y - cy) - r
    return Shape(f, (cx - r, cy - r, cx + r, cy + r))


def ring(cx, cy, r_in, r_out):
    def f(x, y):
        d = math.hypot(x - cx, y - cy)
        return max(d - r_out, r_in - d)
    return Shape(f, (cx - r_out, cy - r_out, cx + r_out, cy + r_out))


def oriented_box(cx, cy, angle, r1, r2, half_width, round_ends=False):
    """A bar along the ray from (cx, cy) at `angle` (radians, clockwise from
    12 o'clock), from radius r1 to r2, 2*half_width wide."""
    ux, uy = math.sin(angle), -math.cos(angle)
    mid = (r1 + r2) / 2.0
    half_len = (r2 - r1) / 2.0
    mx, my = cx + ux * mid, cy + uy * mid

    if round_ends:
        half_len -= half_width

        def f(x, y):
            dx, dy = x - mx, y - my
            u = dx * ux + dy * uy
            v = -dx * uy + dy * ux
            u = max(abs(u) - half_len, 0.0)
            return math.hypot(u, v) - half_width
    else:
        def f(x, y):
            dx, dy = x - mx, y - my
            qu = abs(dx * ux + dy * uy) - half_len
            qv = abs(-dx * uy + dy * ux) - half_width
            return (math.hypot(max(qu, 0.0), max(qv, 0.0))
                    + min(max(qu, qv), 0.0))
    ext = (r2 - r1) / 2.0 + half_width + 1.0
    return Shape(f, (mx - ext, my - ext, mx + ext, my + ext))


def polygon(points):
    def f(x, y):
        inside = False
        best = float("inf")
        n = len(points)
        for i in range(n):
            ax, ay = points[i]
            bx, by = points[(i + 1) % n]
            if (ay > y) != (by > y):
                xi = ax + (y - ay) * (bx - ax) / (by - ay)
                if x < xi:
                    inside = not inside
            ex, ey = bx - ax, by - ay
            ll = ex * ex + ey * ey
            t = 0.0 if ll == 0 else clamp01(((x - ax) * ex + (y - ay) * ey) / ll)
            best = min(best, math.hypot(x - ax - ex * t, y - ay - ey * t))
        return -best if inside else best
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    return Shape(f, (min(xs), min(ys), max(xs), max(ys)))


def strokes(segments, half_width):
    """Union of round-capped line segments ((x1, y1), (x2, y2))."""
    def f(x, y):
        best = float("inf")
        for (ax, ay), (bx, by) in segments:
            ex, ey = bx - ax, by - ay
            ll = ex * ex + ey * ey
            t = 0.0 if ll == 0 else clamp01(((x - ax) * ex + (y - ay) * ey) / ll)
            best = min(best, math.hypot(x - ax - ex * t, y - ay - ey * t))
        return best - half_width
    xs = [p[0] for s in segments for p in s]
    ys = [p[1] for s in segments for p in s]
    m = half_width + 1.0
    return Shape(f, (min(xs) - m, min(ys) - m, max(xs) + m, max(ys) + m))


def union(*shapes):
    def f(x, y):
        return min(s.sdf(x, y) for s in shapes)
    return Shape(f, (min(s.bbox[0] for s in shapes), min(s.bbox[1] for s in shapes),
                     max(s.bbox[2] for s in shapes), max(s.bbox[3] for s in shapes)))


def subtract(a, b):
    def f(x, y):
        return max(a.sdf(x, y), -b.sdf(x, y))
    return Shape(f, a.bbox)


def intersect(a, b):
    def f(x, y):
        return max(a.sdf(x, y), b.sdf(x, y))
    return Shape(f, a.bbox)


# ---------------------------------------------------------------------------
# Raster canvas with supersampled coverage
# ---------------------------------------------------------------------------

SS = 6  # samples per pixel along each axis at shape edges
_OFFS = [(i + 0.5) / SS for i in range(SS)]


def coverage(shape, px, py, scale=1):
    """Fraction of device pixel (px, py) inside `shape` at `scale` device
    pixels per logical pixel.  The early-out thresholds are in device pixels
    (the distance is scaled up), so a 2x edge is as crisp as a 1x one."""
    f = shape.sdf
    d = f((px + 0.5) / scale, (py + 0.5) / scale) * scale
    if d >= 0.75:
        return 0.0
    if d <= -0.75:
        return 1.0
    hits = 0
    for oy in _OFFS:
        y = (py + oy) / scale
        for ox in _OFFS:
            if f((px + ox) / scale, y) < 0.0:
                hits += 1
    return hits / float(SS * SS)


class Canvas:
    """w x h device pixels; shapes, bboxes and colour functions are given in
    logical units, `scale` device pixels to the logical pixel."""

    def __init__(self, w, h, colour, scale=1):
        self.w, self.h = w, h
        self.scale = scale
        self.px = [[tuple(map(float, colour)) for _ in range(w)] for _ in range(h)]

    def paint(self, shape, colour, alpha=1.0):
        """Composite `colour` (a tuple or a function (x, y) -> tuple, taken at
        the pixel centre) over the canvas, weighted by the shape's coverage."""
        s = self.scale
        x0, y0, x1, y1 = shape.bbox
        xa, ya = max(0, int(math.floor(x0 * s)) - 1), max(0, int(math.floor(y0 * s)) - 1)
        xb = min(self.w, int(math.ceil(x1 * s)) + 1)
        yb = min(self.h, int(math.ceil(y1 * s)) + 1)
        fn = colour if callable(colour) else None
        for py in range(ya, yb):
            row = self.px[py]
            for px in range(xa, xb):
                a = coverage(shape, px, py, s) * alpha
                if a <= 0.0:
                    continue
                c = fn((px + 0.5) / s, (py + 0.5) / s) if fn else colour
                o = row[px]
                row[px] = (o[0] + (c[0] - o[0]) * a,
                           o[1] + (c[1] - o[1]) * a,
                           o[2] + (c[2] - o[2]) * a)

    def paint_alpha(self, alpha_fn, colour, bbox):
        """Composite a flat colour with a per-pixel alpha (soft shadows)."""
        s = self.scale
        x0, y0, x1, y1 = bbox
        for py in range(max(0, int(y0 * s)), min(self.h, int(math.ceil(y1 * s)) + 1)):
            row = self.px[py]
            for px in range(max(0, int(x0 * s)), min(self.w, int(math.ceil(x1 * s)) + 1)):
                a = alpha_fn((px + 0.5) / s, (py + 0.5) / s)
                if a <= 0.0:
                    continue
                o = row[px]
                row[px] = tuple(o[k] + (colour[k] - o[k]) * a for k in range(3))

    def pixels(self):
        return [[tuple(max(0, min(255, int(round(v)))) for v in p) for p in row]
                for row in self.px]


# ---------------------------------------------------------------------------
# Numerals for the dials: a small stroke font in a 6 x 10 box (y down)
# ---------------------------------------------------------------------------

def _arc(cx, cy, r, a0, a1, steps=12):
    """Polyline points of an arc; angles in degrees, y axis pointing down."""
    pts = []
    for i in range(steps + 1):
        a = math.radians(a0 + (a1 - a0) * i / steps)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def _poly_segments(pts):
    return [(pts[i], pts[i + 1]) for i in range(len(pts) - 1)]


def _glyph(ch):
    if ch == "1":
        return [((3.2, 0.0), (3.2, 10.0)), ((3.2, 0.0), (1.2, 2.0))]
    if ch == "2":
        pts = _arc(3.0, 3.0, 2.9, 190, 390) + [(0.1, 10.0), (6.0, 10.0)]
        return _poly_segments(pts)
    if ch == "3":
        return (_poly_segments(_arc(3.0, 2.6, 2.5, 200, 450))
                + _poly_segments(_arc(3.0, 7.35, 2.75, 270, 520)))
    if ch == "6":
        return (_poly_segments(_arc(3.0, 7.0, 3.0, 0, 360, 20))
                + _poly_segments(_arc(6.8, 7.0, 6.8, 180, 245)))
    if ch == "9":
        return [((6.0 - a[0], 10.0 - a[1]), (6.0 - b[0], 10.0 - b[1]))
                for a, b in _glyph("6")]
    raise ValueError(ch)


def numeral(text, cx, cy, height, half_width):
    """Strokes of `text` centred at (cx, cy), glyphs `height` pixels tall."""
    s = height / 10.0
    advance = 7.6
    total = advance * (len(text) - 1) + 6.0
    segs = []
    for i, ch in enumerate(text):
        gx = cx + (i * advance - total / 2.0) * s
        gy = cy - 5.0 * s
        for (ax, ay), (bx, by) in _glyph(ch):
            segs.append(((gx + ax * s, gy + ay * s), (gx + bx * s, gy + by * s)))
    return strokes(segs, half_width)


# ---------------------------------------------------------------------------
# Skins
# ---------------------------------------------------------------------------

FACE = 189
CX = CY = FACE / 2.0  # 94.5: the centre of pixel (94, 94)

SKINS = {
    "Classic": {
        "hands": (9, 0, 4),              # seconds red, minutes black, hours navy
        "background": (232, 226, 211),
        "shadow": (150, 138, 116),
        "rim": ((222, 196, 128), (122, 92, 44)),
        "dial": ((254, 253, 249), (236, 232, 220)),
        "track": (96, 92, 84),
        "minute": (70, 66, 60),
        "hour": (34, 32, 30),
        "cardinal": (20, 20, 20),
        "numerals": (34, 32, 30),
        "hub": (34, 32, 30),
        "round_marks": False,
        "tab": {"fill": ((236, 214, 150), (176, 142, 74)),
                "edge": (96, 72, 32), "light": (250, 236, 190),
                "glyph": (60, 44, 20)},
        "chime": {"duration": 1.3,
                  "notes": [(0.00, 659.26, 1.0, 0.38), (0.32, 523.25, 1.0, 0.50)],
                  "partials": [(1.0, 1.0, 1.0), (2.0, 0.32, 0.55), (3.0, 0.10, 0.35)]},
    },
    "Night": {
        "hands": (11, 15, 17),           # yellow, white, sky blue
        "background": (10, 13, 28),
        "shadow": None,
        "rim": ((160, 168, 188), (40, 46, 62)),
        "dial": ((40, 48, 80), (16, 20, 38)),
        "track": (62, 74, 108),
        "minute": (118, 132, 164),
        "hour": (214, 222, 238),
        "cardinal": (250, 236, 172),
        "numerals": None,
        "hub": (200, 206, 218),
        "round_marks": True,
        "tab": {"fill": ((58, 68, 104), (22, 26, 48)),
                "edge": (150, 160, 184), "light": (96, 108, 148),
                "glyph": (250, 236, 172)},
        "chime": {"duration": 1.6,
                  "notes": [(0.00, 440.00, 0.9, 0.50), (0.42, 329.63, 1.0, 0.62)],
                  "partials": [(1.0, 1.0, 1.0), (2.0, 0.18, 0.5), (2.76, 0.05, 0.3)]},
    },
    "Ocean": {
        "hands": (9, 12, 4),             # red, blue, navy
        "background": (18, 104, 140),
        "shadow": (6, 52, 76),
        "rim": ((156, 224, 238), (8, 62, 102)),
        "dial": ((246, 252, 253), (194, 228, 238)),
        "track": (60, 118, 156),
        "minute": (58, 108, 148),
        "hour": (14, 52, 96),
        "cardinal": (10, 40, 80),
        "numerals": (14, 52, 96),
        "hub": (14, 52, 96),
        "round_marks": False,
        "waves": [(34.0, 2.6, 9.0, 0.0, (168, 220, 234)),
                  (46.0, 2.2, 7.5, 1.9, (128, 198, 222))],
        "tab": {"fill": ((92, 186, 212), (16, 96, 134)),
                "edge": (6, 48, 80), "light": (176, 230, 242),
                "glyph": (255, 255, 255)},
        "chime": {"duration": 1.4,
                  "notes": [(0.00, 587.33, 0.75, 0.30), (0.17, 739.99, 0.80, 0.34),
                            (0.34, 880.00, 1.0, 0.52)],
                  "partials": [(1.0, 1.0, 1.0), (2.0, 0.22, 0.5), (4.0, 0.05, 0.3)]},
    },
}

SKN_CENTRE = (94, 94)
SKN_RADIUS = 85

RIM_OUT = 90.0
RIM_IN = 84.5
DIAL_R = 83.0


def render_face(sk, scale=1):
    """The face at `scale` device pixels per logical pixel.  Everything below
    is in logical units, so the dial centre lands on device point
    (scale * CX, scale * CY), where the clock draws the hands."""
    c = Canvas(FACE * scale, FACE * scale, sk["background"], scale)

    # Soft drop shadow under the rim.
    if sk["shadow"]:
        sx, sy = CX, CY + 1.2

        def shadow_alpha(x, y):
            d = math.hypot(x - sx, y - sy)
            return 0.45 * clamp01((RIM_OUT + 3.0 - d) / 4.0)
        c.paint_alpha(shadow_alpha, sk["shadow"], (0, 0, FACE, FACE))

    top, bottom = sk["rim"]

    def rim_grad(x, y):
        return lerp(top, bottom, clamp01((y - (CY - RIM_OUT)) / (2 * RIM_OUT)))

    def rim_grad_rev(x, y):
        return lerp(bottom, top, clamp01((y - (CY - RIM_IN)) / (2 * RIM_IN)))

    c.paint(disc(CX, CY, RIM_OUT), rim_grad)
    c.paint(disc(CX, CY, RIM_IN), rim_grad_rev)

    centre_col, edge_col = sk["dial"]

    def dial_grad(x, y):
        t = math.hypot(x - CX, y - CY + 12.0) / (DIAL_R + 12.0)
        return lerp(centre_col, edge_col, clamp01(t) ** 1.6)

    c.paint(disc(CX, CY, DIAL_R), dial_grad)

    # Sea waves across the lower part of the dial.
    for offset, amp, period, phase, colour in sk.get("waves", []):
        base = CY + offset

        def wave_sdf(x, y, base=base, amp=amp, period=period, phase=phase):
            surface = base + amp * math.sin(x / period + phase)
            return max(surface - y, math.hypot(x - CX, y - CY) - DIAL_R) * 0.7
        c.paint(Shape(wave_sdf, (CX - DIAL_R, base - amp - 1, CX + DIAL_R, CY + DIAL_R)), colour)

    # Minute track: two fine circles with the 60 ticks between them.
    c.paint(ring(CX, CY, 80.6, 81.4), sk["track"])
    c.paint(ring(CX, CY, 75.2, 75.8), sk["track"], alpha=0.6)
    for m in range(60):
        if m % 5 == 0:
            continue
        a = math.radians(m * 6)
        c.paint(oriented_box(CX, CY, a, 75.5, 81.0, 0.55), sk["minute"])
    rnd = sk["round_marks"]
    for h in range(12):
        a = math.radians(h * 30)
        if h % 3 == 0:
            c.paint(oriented_box(CX, CY, a, 62.0, 81.0, 2.6, rnd), sk["cardinal"])
        else:
            c.paint(oriented_box(CX, CY, a, 68.0, 81.0, 1.5, rnd), sk["hour"])

    if sk["numerals"]:
        rn = 50.0
        for text, h in (("12", 0), ("3", 3), ("6", 6), ("9", 9)):
            a = math.radians(h * 30)
            nx, ny = CX + math.sin(a) * rn, CY - math.cos(a) * rn
            if h in (3, 9):
                nx += 1.5 if h == 3 else -1.5
            c.paint(numeral(text, nx, ny, 13.0, 0.95), sk["numerals"])

    # Pivot under the hands.
    c.paint(disc(CX, CY, 4.5), sk["hub"])
    c.paint(disc(CX, CY, 1.6), lerp(sk["hub"], sk["dial"][0], 0.5))
    return c.pixels()


TAB_W, TAB_H = 14, 40


def render_tab(sk, pointing_left, scale=1):
    t = sk["tab"]
    s = scale
    w, h = TAB_W * s, TAB_H * s
    # Rounded on the left; the right side runs on under the clock's edge.
    r = 6.0
    bx0, bx1, by0, by1 = 0.0, TAB_W + r, 0.0, float(TAB_H)
    bcx, bcy = (bx0 + bx1) / 2, (by0 + by1) / 2
    hx, hy = (bx1 - bx0) / 2, (by1 - by0) / 2

    def tab_sdf(x, y):
        qx = abs(x - bcx) - (hx - r)
        qy = abs(y - bcy) - (hy - r)
        return math.hypot(max(qx, 0), max(qy, 0)) + min(max(qx, qy), 0) - r

    c = Canvas(w, h, t["fill"][0], s)
    fill_top, fill_bot = t["fill"]
    for py in range(h):
        for px in range(w):
            c.px[py][px] = tuple(map(float, lerp(fill_top, fill_bot,
                                                 (py + 0.5) / s / TAB_H)))

    # Engraved grip lines above and below the arrow.
    for gy in (7.0, 10.0, 29.0, 32.0):
        c.paint(strokes([((5.0, gy), (10.0, gy))], 0.5), t["edge"], alpha=0.8)
        c.paint(strokes([((5.0, gy + 1.0), (10.0, gy + 1.0))], 0.5), t["light"], alpha=0.8)

    # Arrow, anti-aliased against the tab's own fill.
    if pointing_left:
        pts = [(4.3, 20.0), (10.3, 14.3), (10.3, 25.7)]
    else:
        pts = [(10.7, 20.0), (4.7, 14.3), (4.7, 25.7)]
    c.paint(polygon(pts), t["glyph"])

    # The outline is decided per device pixel centre, in logical units, so
    # the rings are one logical pixel wide at any scale and the edge against
    # the transparent colour stays hard.  (At 1x, centre sum < 22.5 is the
    # same test as x + y < 22 on the pixel indices.)
    pix = c.pixels()
    for py in range(h):
        y = (py + 0.5) / s
        for px in range(w):
            x = (px + 0.5) / s
            d = tab_sdf(x, y)
            if d >= 0.0:
                pix[py][px] = TRANSPARENT        # hard edge, no fringe
            elif d > -1.0:
                pix[py][px] = t["edge"]
            elif d > -2.0 and x + y < 22.5:
                pix[py][px] = t["light"]
    return pix


def make_chime(ch, rate=22050):
    n = int(round(ch["duration"] * rate))
    fade = int(0.25 * rate)
    out = []
    for i in range(n):
        t = i / rate
        v = 0.0
        for start, freq, amp, decay in ch["notes"]:
            dt = t - start
            if dt < 0.0:
                continue
            attack = min(1.0, dt / 0.004)
            for mult, rel, dfac in ch["partials"]:
                v += (amp * rel * attack * math.exp(-dt / (decay * dfac))
                      * math.sin(2.0 * math.pi * freq * mult * dt))
        k = n - 1 - i
        if k < fade:
            v *= 0.5 - 0.5 * math.cos(math.pi * k / fade)
        out.append(v)
    peak = max(abs(v) for v in out)
    gain = 0.5 * 32767.0 / peak  # about -6 dBFS
    return [int(round(v * gain)) for v in out]


def skn_text(sk):
    sec, mnt, hr = sk["hands"]
    return crlf_text([str(sec), str(mnt), str(hr), str(SKN_CENTRE[0]),
                      str(SKN_CENTRE[1]), str(SKN_RADIUS)], "ascii")


# ---------------------------------------------------------------------------
# Schedule list icons (34 x 17, hard edge against the transparent colour)
# ---------------------------------------------------------------------------

ICON_W, ICON_H = 34, 17


def render_icon(layers, base):
    """layers: list of (shape, colour, outlined).  Interior edges between
    layers are anti-aliased; the outer edge is hard, and outlined layers get
    a one-pixel darker rim there."""
    w, h = ICON_W, ICON_H
    c = Canvas(w, h, base)
    for shape, colour, _ in layers:
        c.paint(shape, colour)
    pix = c.pixels()

    def top_layer(x, y):
        for layer in reversed(layers):
            if layer[0].inside(x + 0.5, y + 0.5):
                return layer
        return None

    mask = [[top_layer(x, y) is not None for x in range(w)] for y in range(h)]
    for y in range(h):
        for x in range(w):
            if not mask[y][x]:
                pix[y][x] = TRANSPARENT
                continue
            edge = any(not (0 <= x + dx < w and 0 <= y + dy < h and mask[y + dy][x + dx])
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if edge:
                shape, colour, outlined = top_layer(x, y)
                col = colour(x + 0.5, y + 0.5) if callable(colour) else colour
                if outlined:
                    col = tuple(v * 0.45 for v in col)
                pix[y][x] = tuple(int(round(v)) for v in col)
    return pix


def render_launch_icon():
    """A little rocket flying to the right, with its flame."""
    mid = ICON_H / 2.0
    body = union(
        Shape(lambda x, y: (math.hypot((x - 19.0) / 10.5, (y - mid) / 4.6) - 1.0) * 4.6,
              (8.5, mid - 4.6, 29.5, mid + 4.6)),
        polygon([(25.5, mid - 3.4), (32.6, mid), (25.5, mid + 3.4)]),
    )
    fin_top = polygon([(7.0, 1.0), (10.5, 1.0), (16.5, mid - 2.5), (9.5, mid - 2.0)])
    fin_bot = polygon([(7.0, ICON_H - 1.0), (10.5, ICON_H - 1.0),
                       (16.5, mid + 2.5), (9.5, mid + 2.0)])
    nozzle = polygon([(6.2, mid - 2.6), (9.5, mid - 3.2), (9.5, mid + 3.2), (6.2, mid + 2.6)])
    flame = polygon([(6.6, mid - 2.4), (0.6, mid), (6.6, mid + 2.4)])
    flame_core = polygon([(6.6, mid - 1.2), (3.0, mid), (6.6, mid + 1.2)])
    nose = intersect(body, Shape(lambda x, y: 26.0 - x, (26.0, 0, 34, ICON_H)))
    window = disc(20.5, mid, 2.4)
    window_glass = disc(20.5, mid, 1.5)

    def body_shade(x, y):
        return lerp((246, 247, 250), (150, 156, 170), clamp01((y - 4.0) / 9.0))

    return render_icon([
        (flame, (250, 120, 20), False),
        (flame_core, (255, 226, 80), False),
        (fin_top, (214, 44, 40), True),
        (fin_bot, (214, 44, 40), True),
        (nozzle, (90, 94, 104), True),
        (body, body_shade, True),
        (nose, (214, 44, 40), True),
        (window, (50, 70, 110), True),
        (window_glass, (120, 196, 255), False),
    ], base=(200, 204, 212))


def render_reminder_icon():
    """A golden bell with a clapper, ringing (sound arcs on both sides)."""
    cx = ICON_W / 2.0

    def bell_inside(x, y):
        if y < 5.0 or y > 12.6:
            return False
        t = (y - 5.0) / 7.6
        half = 3.9 + 0.9 * t + 2.9 * t ** 3
        return abs(x - cx) <= half

    def bell_sdf(x, y):
        # Only the sign is needed for coverage; the magnitude is a crude
        # bound, so every pixel of the bounding box gets supersampled.
        return -0.5 if bell_inside(x, y) else 0.5

    bell = union(Shape(bell_sdf, (cx - 8, 4.5, cx + 8, 13.0)), disc(cx, 6.0, 3.95))
    lip = Shape(lambda x, y: max(abs(x - cx) - 7.9, abs(y - 12.9) - 0.9),
                (cx - 8.5, 11.5, cx + 8.5, 14.5))
    knob = disc(cx, 1.7, 1.45)
    clapper = disc(cx, 14.7, 1.8)

    def gold(x, y):
        return lerp((255, 226, 110), (196, 128, 16), clamp01((x - (cx - 6.0)) / 12.0))

    arcs = []
    for side in (-1, 1):
        for rr in (10.5, 13.5):
            a0, a1 = (140, 220) if side < 0 else (-40, 40)
            arcs.append(strokes(_poly_segments(_arc(cx, 8.0, rr, a0, a1, 8)), 0.75))
    layers = [(a, (70, 84, 110), False) for a in arcs]
    layers += [
        (knob, gold, True),
        (clapper, (150, 96, 10), True),
        (bell, gold, True),
        (lip, gold, True),
    ]
    return render_icon(layers, base=(226, 176, 60))


# ---------------------------------------------------------------------------
# Settings record
# ---------------------------------------------------------------------------

def short_string(text, capacity=25):
    raw = text.encode("cp1251")[:capacity]
    return bytes([len(raw)]) + raw + b"\0" * (capacity - len(raw))


def settings_record(lang_file, skin_file, hide_delay=5, restart=0, auto_hide=1,
                    no_pull_tab=0, sound_off=0):
    rec = (short_string(lang_file) + short_string(skin_file)
           + struct.pack("<i", hide_delay)
           + bytes([restart, auto_hide, no_pull_tab, sound_off]))
    assert len(rec) == 60
    return rec


# ---------------------------------------------------------------------------
# Holidays: fixed public holidays of Russia (day numbers per month)
# ---------------------------------------------------------------------------

HOLIDAYS = {1: [1, 2, 3, 4, 5, 6, 7, 8], 2: [23], 3: [8], 5: [1, 9], 6: [12], 11: [4]}


# ---------------------------------------------------------------------------
# Language files
# ---------------------------------------------------------------------------

SECTIONS = [  # header, number of text lines
    ("[funupu]", 3), ("[month]", 12), ("[nedelya]", 8), ("[funlang]", 2),
    ("[funskin]", 2), ("[funholi]", 8), ("[funmem]", 5), ("[funaut]", 5),
    ("[funrun]", 7), ("[funoth]", 7), ("[funacc]", 11), ("[funnot]", 6), ("[funrep]", 10),
]

LANGUAGES = {
    "Русский.lng": {
        "[funupu]": ["Пропущенное напоминание",
                     "Пропущенный запуск программы",
                     " в "],
        "[month]": ["Январь", "Февраль", "Март", "Апрель", "Май", "Июнь",
                    "Июль", "Август", "Сентябрь", "Октябрь", "Ноябрь", "Декабрь"],
        "[nedelya]": ["Пн", "Вт", "Ср", "Чт", "Пт", "Сб", "Вс", "rus"],
        "[funlang]": ["Выбор языка", "Отмена"],
        "[funskin]": ["Обложки", "Отмена"],
        "[funholi]": ["Праздники", "Месяц:", "Принять", "Отмена",
                      "Новый праздник", "Введите число месяца (1-31):",
                      "Добавить", "Удалить"],
        "[funmem]": ["Напоминания", "час", "мин.", "Текст напоминания", "Отмена"],
        "[funaut]": ["Автозапуск",
                     "Автозапуск установлен. Отменить?",
                     "Автозапуск не установлен. Установить?",
                     "Да", "Нет"],
        "[funrun]": ["Запуск", "Час", "Мин", "Файл", "Обзор", "Отмена", "Программы"],
        "[funoth]": ["Другие", "Автоматически убирать с экрана", "Без кнопки",
                     "Время скрытия", "Отмена", "Удалить", "Без звука"],
        # Spoken by a screen reader only; the original program skips the section.
        "[funacc]": ["Напоминания на сегодня:", "Убрать часы", "Показать часы",
                     "выходной", "сегодня", "Дата", "Больше", "Меньше",
                     "Напоминания и запуски", "напоминание", "запуск"],
        # Putting a reminder off and the desktop's notifications; the
        # original program skips the section.
        "[funnot]": ["Отложить", "Отложить на", "мин", "Уведомлять через рабочий стол",
                     "Отложить (10 мин)", "Напоминание"],
        # Repeating reminders; the original program skips the section.
        "[funrep]": ["Повтор", "нет", "каждый день", "по рабочим дням",
                     "каждую неделю", "каждый месяц", "каждый год",
                     "Пропущено повторений:",
                     "Файл правил повтора повреждён или не читается; напоминания, "
                     "чьё правило не прочитано, будут показаны один раз.",
                     "Файл правил повтора пропал; напоминания будут показаны "
                     "один раз, без повтора."],
    },
    "English.lng": {
        "[funupu]": ["Missed reminder", "Missed program launch", " at "],
        "[month]": ["January", "February", "March", "April", "May", "June", "July",
                    "August", "September", "October", "November", "December"],
        "[nedelya]": ["Su", "Mo", "Tu", "We", "Th", "Fr", "Sa", "eng"],
        "[funlang]": ["Choose language", "Cancel"],
        "[funskin]": ["Skins", "Cancel"],
        "[funholi]": ["Holidays", "Month:", "Save", "Cancel",
                      "New holiday", "Day of the month (1\u201331):",
                      "Add\u2026", "Delete"],
        "[funmem]": ["Reminder", "Hour", "Min", "Reminder text", "Cancel"],
        "[funaut]": ["Autostart",
                     "Autostart is on. Turn it off?",
                     "Autostart is off. Turn it on?",
                     "Yes", "No"],
        "[funrun]": ["Launch", "Hour", "Min", "File", "Browse\u2026", "Cancel", "Programs"],
        "[funoth]": ["Other settings", "Hide automatically",
                     "No pull tab", "Hide delay", "Cancel", "Delete", "No sound"],
        "[funacc]": ["Reminders today:", "Hide the clock", "Show the clock",
                     "holiday", "today", "Date", "Up", "Down",
                     "Reminders and launches", "reminder", "launch"],
        "[funnot]": ["Later", "Put off by", "min", "Notify through the desktop",
                     "Later (10 min)", "Reminder"],
        "[funrep]": ["Repeat", "never", "every day", "every working day",
                     "every week", "every month", "every year",
                     "Occurrences missed:",
                     "The repeat rule file is damaged or cannot be read; reminders "
                     "whose rule was not read will be shown once.",
                     "The repeat rule file is gone; reminders will be shown once, "
                     "without repeating."],
    },
    # Code page 1251 has no accented Latin letters: the French texts are
    # worded to need none where French allows it, and put a no-break space
    # (there is no narrow one) before : ; ? !
    "French.lng": {
        "[funupu]": ["Rappel en retard", "Lancement de programme en retard", ", "],
        "[month]": ["Janvier", "Fevrier", "Mars", "Avril", "Mai", "Juin", "Juillet",
                    "Aout", "Septembre", "Octobre", "Novembre", "Decembre"],
        "[nedelya]": ["Di", "Lu", "Ma", "Me", "Je", "Ve", "Sa", "fre"],
        "[funlang]": ["Choix de la langue", "Annuler"],
        "[funskin]": ["Habillages", "Annuler"],
        "[funholi]": ["Jours feries", "Mois\u00a0:", "Valider", "Annuler",
                      "Ajouter un jour", "Jour du mois (1\u201331)\u00a0:",
                      "Ajouter\u2026", "Supprimer"],
        "[funmem]": ["Rappel", "Heure", "Min", "Texte du rappel", "Annuler"],
        "[funaut]": ["Lancement automatique",
                     "Annuler le lancement automatique\u00a0?",
                     "Activer le lancement automatique\u00a0?",
                     "Oui", "Non"],
        "[funrun]": ["Lancement", "Heure", "Min", "Fichier", "Parcourir\u2026", "Annuler",
                     "Programmes"],
        "[funoth]": ["Autres options", "Masquer automatiquement", "Sans languette",
                     "Attente (s)", "Annuler", "Supprimer", "Sans son"],
        "[funacc]": ["Rappels du jour\u00a0:", "Masquer l'horloge", "Afficher l'horloge",
                     "jour ferie", "aujourd'hui", "Date", "Plus", "Moins",
                     "Rappels et lancements", "rappel", "lancement"],
        "[funnot]": ["Plus tard", "Reporter de", "min", "Notifier par le bureau",
                     "Plus tard (10 min)", "Rappel"],
        "[funrep]": ["Repeter", "jamais", "chaque jour", "chaque jour ouvrable",
                     "chaque semaine", "chaque mois", "chaque annee",
                     "Occurrences manquees\u00a0:",
                     "Le fichier des regles de repetition est abime ou illisible\u00a0; "
                     "les rappels dont la regle n'a pas ete lue seront montres une fois.",
                     "Le fichier des regles de repetition a disparu\u00a0; les rappels "
                     "seront montres une fois, sans repetition."],
    },
}


def lng_bytes(texts):
    lines = []
    for header, count in SECTIONS:
        body = texts[header]
        assert len(body) == count, (header, len(body))
        lines.append(header)
        lines.extend(body)
        lines.append("[end]")
    return crlf_text(lines, "cp1251")


# ---------------------------------------------------------------------------
# Everything together
# ---------------------------------------------------------------------------

def build():
    """Return {path relative to data/: bytes}."""
    out = {}
    for name, sk in SKINS.items():
        out["skins/%s.skn" % name] = skn_text(sk)
        out["skins/%s.bmp" % name] = bmp_bytes(FACE, FACE, render_face(sk))
        out["skins/%s.wav" % name] = wav_bytes(make_chime(sk["chime"]))
        out["skins/%skno.bmp" % name] = bmp_bytes(TAB_W, TAB_H, render_tab(sk, True))
        out["skins/%sknz.bmp" % name] = bmp_bytes(TAB_W, TAB_H, render_tab(sk, False))
        out["skins/%s@2x.bmp" % name] = bmp_bytes(2 * FACE, 2 * FACE, render_face(sk, 2))
        out["skins/%skno@2x.bmp" % name] = bmp_bytes(2 * TAB_W, 2 * TAB_H,
                                                     render_tab(sk, True, 2))
        out["skins/%sknz@2x.bmp" % name] = bmp_bytes(2 * TAB_W, 2 * TAB_H,
                                                     render_tab(sk, False, 2))
    out["system/system.ini"] = settings_record("Русский.lng", "Classic.skn")
    out["system/r.bmp"] = bmp_bytes(ICON_W, ICON_H, render_launch_icon())
    out["system/m.bmp"] = bmp_bytes(ICON_W, ICON_H, render_reminder_icon())
    for month in range(1, 13):
        out["prazdniki/%d.prz" % month] = crlf_text(
            [str(d) for d in HOLIDAYS.get(month, [])], "ascii")
    for fname, texts in LANGUAGES.items():
        out["lang/" + fname] = lng_bytes(texts)
    return out


def write_all(files):
    for rel, data in sorted(files.items()):
        path = os.path.join(DATA, *rel.split("/"))
        os.makedirs(os.path.dirname(path), exist_ok=True)
        with open(path, "wb") as f:
            f.write(data)
        print("wrote data/%s (%d bytes)" % (rel, len(data)))


# ---------------------------------------------------------------------------
# Verification (--check)
# ---------------------------------------------------------------------------

class Checker:
    def __init__(self):
        self.errors = []

    def fail(self, msg):
        self.errors.append(msg)

    def expect(self, cond, msg):
        if not cond:
            self.fail(msg)
        return cond


def read_bmp(data):
    """Return (width, height, pixels[y][x]) with y = 0 the top row."""
    if data[:2] != b"BM":
        raise ValueError("no BM signature")
    size, _, _, offset = struct.unpack_from("<IHHI", data, 2)
    (hsize, w, h, planes, bpp, comp, isize, _, _, _, _) = struct.unpack_from(
        "<IiiHHIIiiII", data, 14)
    if size != len(data):
        raise ValueError("file size field %d, actual %d" % (size, len(data)))
    if hsize != 40 or planes != 1 or bpp != 24 or comp != 0:
        raise ValueError("not a plain 24-bit BITMAPINFOHEADER bitmap")
    if h <= 0:
        raise ValueError("not bottom-up")
    row = (w * 3 + 3) & ~3
    if offset + row * h != len(data):
        raise ValueError("pixel data size mismatch")
    pix = []
    for y in range(h):
        base = offset + (h - 1 - y) * row
        pix.append([(data[base + 3 * x + 2], data[base + 3 * x + 1], data[base + 3 * x])
                    for x in range(w)])
    return w, h, pix


def check_keyed_bitmap(ck, name, data, size, key_corner):
    try:
        w, h, pix = read_bmp(data)
    except ValueError as e:
        ck.fail("%s: %s" % (name, e))
        return
    if not ck.expect((w, h) == size, "%s: size %dx%d, want %dx%d" % ((name, w, h) + size)):
        return
    key = pix[0][0] if key_corner == "top-left" else pix[h - 1][0]
    ck.expect(key == TRANSPARENT, "%s: %s pixel %r is not the transparent colour"
              % (name, key_corner, key))
    shape = sum(1 for row in pix for p in row if p != key)
    ck.expect(shape > w * h // 4, "%s: shape too small (%d pixels)" % (name, shape))
    near = [p for row in pix for p in row
            if p != key and sum(abs(p[k] - key[k]) for k in range(3)) < 120]
    ck.expect(not near, "%s: %d fringe pixels close to the transparent colour"
              % (name, len(near)))


def check_face_2x(ck, name, data, pix1, bg):
    """The @2x face: twice the 1x size, background in the corners, and the
    same drawing, so that the hands placed in logical coordinates still sit
    on the dial centre.  Averaging each 2x2 block must give back (nearly)
    the 1x face; a shift or a rescaled geometry shows up as a large mean."""
    try:
        w2, h2, pix2 = read_bmp(data)
    except ValueError as e:
        ck.fail("%s: %s" % (name, e))
        return
    h1, w1 = len(pix1), len(pix1[0])
    if not ck.expect((w2, h2) == (2 * w1, 2 * h1), "%s: size %dx%d, want %dx%d"
                     % (name, w2, h2, 2 * w1, 2 * h1)):
        return
    for x, y in ((0, 0), (w2 - 1, 0), (0, h2 - 1), (w2 - 1, h2 - 1)):
        ck.expect(pix2[y][x] == bg, "%s: corner (%d,%d) %r is not the background"
                  % (name, x, y, pix2[y][x]))
    total = 0
    for y in range(h1):
        r0, r1, row = pix2[2 * y], pix2[2 * y + 1], pix1[y]
        for x in range(w1):
            a, b, c, d = r0[2 * x], r0[2 * x + 1], r1[2 * x], r1[2 * x + 1]
            p = row[x]
            for k in range(3):
                total += abs((a[k] + b[k] + c[k] + d[k]) / 4.0 - p[k])
    mean = total / (3.0 * w1 * h1)
    ck.expect(mean < 3.0, "%s: 2x2 averages differ from the 1x face by %.2f on"
              " average (misaligned or not the same drawing)" % (name, mean))


def check_wav(ck, name, data):
    try:
        riff, size, wave = struct.unpack_from("<4sI4s", data, 0)
        ck.expect(riff == b"RIFF" and wave == b"WAVE" and size == len(data) - 8,
                  "%s: bad RIFF header" % name)
        pos, fmt, samples = 12, None, None
        while pos + 8 <= len(data):
            cid, clen = struct.unpack_from("<4sI", data, pos)
            chunk = data[pos + 8:pos + 8 + clen]
            if cid == b"fmt ":
                fmt = struct.unpack_from("<HHIIHH", chunk, 0)
            elif cid == b"data":
                samples = struct.unpack("<%dh" % (clen // 2), chunk)
            pos += 8 + clen + (clen & 1)
    except struct.error as e:
        ck.fail("%s: %s" % (name, e))
        return
    if not ck.expect(fmt is not None and samples is not None, "%s: missing chunks" % name):
        return
    tag, ch, rate, brate, align, bits = fmt
    ck.expect((tag, ch, rate, bits, align, brate) == (1, 1, 22050, 16, 2, 44100),
              "%s: format %r, want PCM mono 22050 Hz 16-bit" % (name, fmt))
    dur = len(samples) / float(rate)
    ck.expect(0.3 < dur < 2.0, "%s: duration %.2f s" % (name, dur))
    peak = max(abs(s) for s in samples)
    dbfs = 20 * math.log10(peak / 32768.0) if peak else -999
    ck.expect(-7.5 < dbfs < -5.0, "%s: peak %.1f dBFS" % (name, dbfs))
    ck.expect(samples[-1] == 0 and max(abs(s) for s in samples[-50:]) < 200,
              "%s: does not fade out to silence" % name)


def parse_lng(ck, name, data):
    if data.startswith(b"\xef\xbb\xbf"):
        ck.fail("%s: has a byte-order mark" % name)
    try:
        text = data.decode("cp1251")
    except UnicodeDecodeError as e:
        ck.fail("%s: not cp1251: %s" % (name, e))
        return None
    if not ck.expect(text.endswith("\r\n"), "%s: last line has no CR LF" % name):
        return None
    lines = text[:-2].split("\r\n")
    if any("\r" in l or "\n" in l for l in lines):
        ck.fail("%s: line end other than CR LF" % name)
    ck.expect(text.encode("cp1251") == data, "%s: does not round-trip cp1251" % name)
    headers = [h for h, _ in SECTIONS]
    found = {}
    i = 0
    while i < len(lines):
        line = lines[i]
        if line in headers:
            n = dict(SECTIONS)[line]
            ck.expect(line not in found, "%s: %s appears twice" % (name, line))
            body = lines[i + 1:i + 1 + n]
            ck.expect(len(body) == n, "%s: %s is cut short" % (name, line))
            for b in body:
                ck.expect(b not in headers and b != "[end]",
                          "%s: %s holds a marker line %r" % (name, line, b))
            ck.expect(i + 1 + n < len(lines) and lines[i + 1 + n] == "[end]",
                      "%s: %s is not followed by [end] after %d lines" % (name, line, n))
            found[line] = body
            i += n + 2
        else:
            ck.expect(line == "", "%s: stray line %r" % (name, line))
            i += 1
    for h in headers:
        ck.expect(h in found, "%s: section %s missing" % (name, h))
    return found


def check(files_expected):
    ck = Checker()
    on_disk = {}
    for dirpath, _, fnames in os.walk(DATA):
        for fn in fnames:
            full = os.path.join(dirpath, fn)
            rel = os.path.relpath(full, DATA).replace(os.sep, "/")
            with open(full, "rb") as f:
                on_disk[rel] = f.read()

    # Up to date with this script.
    for rel, data in sorted(files_expected.items()):
        if rel not in on_disk:
            ck.fail("data/%s is missing" % rel)
        elif on_disk[rel] != data:
            ck.fail("data/%s differs from what the generator writes" % rel)

    # Skins.
    skn_names = sorted(r for r in on_disk if r.startswith("skins/") and r.endswith(".skn"))
    ck.expect(len(skn_names) >= 3, "fewer than three skins")
    for rel in skn_names:
        base = rel[len("skins/"):-4]
        ck.expect(len((base + ".skn").encode("cp1251")) <= 25, "%s: name too long" % rel)
        raw = on_disk[rel]
        ck.expect(b"\n" not in raw.replace(b"\r\n", b"") and b"\r" not in raw.replace(b"\r\n", b""),
                  "%s: line end other than CR LF" % rel)
        lines = raw.decode("ascii").split("\r\n")
        ck.expect(lines[-1] == "" and len(lines) == 7, "%s: not six CR LF lines" % rel)
        try:
            vals = [int(l) for l in lines[:6]]
        except ValueError:
            ck.fail("%s: a line is not an integer" % rel)
            continue
        for k in range(3):
            ck.expect(0 <= vals[k] <= 18, "%s: colour index %d out of range" % (rel, vals[k]))
        cx, cy, r = vals[3:6]
        face = on_disk.get("skins/%s.bmp" % base)
        if not ck.expect(face is not None, "skins/%s.bmp missing" % base):
            continue
        try:
            w, h, pix = read_bmp(face)
        except ValueError as e:
            ck.fail("skins/%s.bmp: %s" % (base, e))
            continue
        ck.expect((w, h) == (189, 189), "skins/%s.bmp: size %dx%d" % (base, w, h))
        ck.expect(0 <= cx - r and cx + r < w and 0 <= cy - r and cy + r < h and r > 30,
                  "%s: hands do not fit the face" % rel)
        bg = pix[0][0]
        want_bg = SKINS[base]["background"] if base in SKINS else bg
        ck.expect(bg == want_bg, "skins/%s.bmp: corner %r is not the background" % (base, bg))
        for x, y in ((w - 1, 0), (0, h - 1), (w - 1, h - 1)):
            ck.expect(pix[y][x] == bg, "skins/%s.bmp: corner (%d,%d) differs" % (base, x, y))
        centre = pix[cy][cx]
        ck.expect(centre != bg, "skins/%s.bmp: no dial at the centre" % base)
        dial = pix[cy - r // 2][cx + r // 3]
        for k in range(3):
            hand = COLOUR_TABLE[vals[k]]
            ck.expect(sum(abs(hand[j] - dial[j]) for j in range(3)) > 150,
                      "%s: hand colour %d does not stand out on the dial" % (rel, vals[k]))
        wav = on_disk.get("skins/%s.wav" % base)
        if ck.expect(wav is not None, "skins/%s.wav missing" % base):
            check_wav(ck, "skins/%s.wav" % base, wav)
        for suffix in ("kno", "knz"):
            tab = "skins/%s%s.bmp" % (base, suffix)
            if ck.expect(tab in on_disk, "%s missing" % tab):
                check_keyed_bitmap(ck, tab, on_disk[tab], (TAB_W, TAB_H), "top-left")

        # The pictures for HiDPI screens, beside the 1x ones.
        face2 = "skins/%s@2x.bmp" % base
        if ck.expect(face2 in on_disk, "%s missing" % face2):
            check_face_2x(ck, face2, on_disk[face2], pix, bg)
        for suffix in ("kno", "knz"):
            tab2 = "skins/%s%s@2x.bmp" % (base, suffix)
            if ck.expect(tab2 in on_disk, "%s missing" % tab2):
                check_keyed_bitmap(ck, tab2, on_disk[tab2], (2 * TAB_W, 2 * TAB_H),
                                   "top-left")

    # Settings record.
    ini = on_disk.get("system/system.ini")
    if ck.expect(ini is not None, "system/system.ini missing"):
        ck.expect(len(ini) == 60, "system/system.ini: %d bytes, want 60" % len(ini))
        if len(ini) == 60:
            lang = ini[1:1 + ini[0]].decode("cp1251")
            skin = ini[27:27 + ini[26]].decode("cp1251")
            ck.expect(ini[0] <= 25 and ini[26] <= 25, "system/system.ini: bad string length")
            ck.expect("lang/" + lang in on_disk, "system.ini names missing lang/%s" % lang)
            ck.expect("skins/" + skin in on_disk, "system.ini names missing skins/%s" % skin)
            delay = struct.unpack_from("<i", ini, 52)[0]
            ck.expect(1 <= delay <= 30, "system.ini: hideDelay %d" % delay)
            ck.expect(ini[56] == 0, "system.ini: restartFlag set")
            ck.expect(all(b in (0, 1) for b in ini[56:60]), "system.ini: bad boolean")

    # Icons.
    for icon in ("system/r.bmp", "system/m.bmp"):
        if ck.expect(icon in on_disk, "%s missing" % icon):
            check_keyed_bitmap(ck, icon, on_disk[icon], (ICON_W, ICON_H), "bottom-left")

    # Help files, one a language.  An anchor is an id or an <a name>, once.
    for code, lang in (("rus", "ru"), ("eng", "en"), ("fre", "fr")):
        rel = "system/help-%s.html" % code
        helpf = on_disk.get(rel)
        if not ck.expect(helpf is not None, "%s missing" % rel):
            continue
        try:
            html = helpf.decode("utf-8")
        except UnicodeDecodeError:
            ck.fail("%s is not UTF-8" % rel)
            html = ""
        ck.expect('<html lang="%s"' % lang in html, '%s: no <html lang="%s">' % (rel, lang))
        for anchor in ["topic-%d" % t for t in (1, 2, 3, 4, 5, 6, 8)] + ["command-line"]:
            n = html.count('id="%s"' % anchor) + html.count('name="%s"' % anchor)
            ck.expect(n == 1, "%s: anchor %s missing or repeated" % (rel, anchor))
        low = html.lower()
        ck.expect('href="help.css"' in low, "%s: not styled by help.css" % rel)
        ck.expect("<style" not in low, "%s: a style of its own beside help.css" % rel)
        ck.expect("<script" not in low, "%s contains a script" % rel)
        ck.expect("http://" not in low and "https://" not in low,
                  "%s contains an external link" % rel)

    ck.expect("system/help.css" in on_disk, "system/help.css missing")

    # Holidays.
    for m in range(1, 13):
        rel = "prazdniki/%d.prz" % m
        raw = on_disk.get(rel)
        if not ck.expect(raw is not None, "%s missing" % rel):
            continue
        if raw == b"":
            continue
        ck.expect(raw.endswith(b"\r\n"), "%s: last line has no CR LF" % rel)
        lines = raw.decode("ascii").split("\r\n")[:-1]
        ok = all(l.isdigit() and not l.startswith("0") and 1 <= int(l) <= 31 for l in lines)
        ck.expect(ok, "%s: line that is not a day number" % rel)
        if ok:
            days = [int(l) for l in lines]
            ck.expect(days == sorted(days), "%s: days not ascending" % rel)

    # Language files.
    lngs = sorted(r for r in on_disk if r.startswith("lang/"))
    ck.expect(len(lngs) >= 3, "fewer than three language files")
    for rel in lngs:
        name = rel[len("lang/"):]
        ck.expect(name.endswith(".lng"), "%s: not a .lng file" % rel)
        try:
            ck.expect(len(name.encode("cp1251")) <= 25, "%s: file name too long" % rel)
        except UnicodeEncodeError:
            ck.fail("%s: file name not representable in cp1251" % rel)
        found = parse_lng(ck, rel, on_disk[rel])
        if found and "[nedelya]" in found:
            code = found["[nedelya]"][7]
            ck.expect((code == "rus") == (name == "Русский.lng"),
                      "%s: week layout code %r" % (rel, code))

    if ck.errors:
        for e in ck.errors:
            print("FAIL:", e)
        print("%d problem(s)" % len(ck.errors))
        return 1
    print("data/ OK: %d files checked" % len(on_disk))
    return 0


def main(argv):
    files = build()
    if "--check" in argv[1:]:
        return check(files)
    write_all(files)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
