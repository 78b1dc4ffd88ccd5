#!/usr/bin/python3
"""Draws the pictures of the default installation as 24-bit BMP files.

    tools/install-art/make_bmps.py [install folder]

One flat style throughout: a dark slate ink, blue for structure, red for loads, material and
soil swatches after the usual drafting hatches. Tab, toolbar and header pictures are drawn on
the window colour, pictures inside grid cells on white. Shapes are drawn at eight times the
size and averaged down, so that straight strokes on the pixel grid stay crisp and slanted
ones are smoothed. Also writes the form resource file of the program template (its icon).
"""
import io
import math
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from install_data import GROUPS, LEFT_BUTTONS, TABLES, list_pictures  # noqa: E402

ROOT = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else
                       os.path.join(os.path.dirname(__file__), "..", "..", "install"))

S = 8  # supersampling factor

INK = (44, 62, 80)
BLUE = (33, 113, 199)
LBLUE = (174, 206, 240)
RED = (211, 47, 47)
GREEN = (39, 140, 85)
ORANGE = (230, 126, 34)
YELLOW = (243, 206, 84)
GREY = (127, 140, 141)
LGREY = (208, 213, 217)
WHITE = (255, 255, 255)
UI = (240, 240, 240)  # window and toolbar colour
CELL = WHITE


class Pic:
    """A picture in pixel units; (x, y) is a point, pixel (i, j) spans [i, i+1) x [j, j+1)."""

    def __init__(self, size, bg):
        self.size = size
        self.bg = bg
        self.img = Image.new("RGB", (size * S, size * S), bg)
        self.d = ImageDraw.Draw(self.img)

    def _p(self, pts):
        return [(x * S, y * S) for x, y in pts]

    def rect(self, x0, y0, x1, y1, fill):
        self.d.rectangle((x0 * S, y0 * S, x1 * S - 1, y1 * S - 1), fill=fill)

    def frame(self, x0, y0, x1, y1, color, t=1):
        self.rect(x0, y0, x1, y0 + t, color)
        self.rect(x0, y1 - t, x1, y1, color)
        self.rect(x0, y0, x0 + t, y1, color)
        self.rect(x1 - t, y0, x1, y1, color)

    def poly(self, pts, fill):
        self.d.polygon(self._p(pts), fill=fill)

    def line(self, a, b, color, t=1.0, cap=False):
        (x0, y0), (x1, y1) = a, b
        if x0 == x1 or y0 == y1:  # axis-aligned: exact pixels
            h = t / 2
            self.rect(min(x0, x1) - h, min(y0, y1) - h, max(x0, x1) + h, max(y0, y1) + h, color)
            return
        dx, dy = x1 - x0, y1 - y0
        n = math.hypot(dx, dy)
        ox, oy = -dy / n * t / 2, dx / n * t / 2
        self.poly([(x0 + ox, y0 + oy), (x1 + ox, y1 + oy), (x1 - ox, y1 - oy),
                   (x0 - ox, y0 - oy)], color)
        if cap:
            self.disc(x0, y0, t / 2, color)
            self.disc(x1, y1, t / 2, color)

    def path(self, pts, color, t=1.0):
        for a, b in zip(pts, pts[1:]):
            self.line(a, b, color, t)
        for x, y in pts[1:-1]:
            self.disc(x, y, t / 2, color)

    def disc(self, cx, cy, r, fill):
        self.d.ellipse(((cx - r) * S, (cy - r) * S, (cx + r) * S - 1, (cy + r) * S - 1), fill=fill)

    def ring(self, cx, cy, r, color, t=1.0, fill=None):
        self.disc(cx, cy, r, color)
        self.disc(cx, cy, r - t, fill if fill else self.bg)

    def arc(self, cx, cy, r, a0, a1, color, t=1.0, steps=24):
        pts = [(cx + r * math.cos(math.radians(a0 + (a1 - a0) * i / steps)),
                cy - r * math.sin(math.radians(a0 + (a1 - a0) * i / steps)))
               for i in range(steps + 1)]
        self.path(pts, color, t)
        return pts

    def arrow(self, a, b, color, t=1.0, head=3.0, width=None):
        (x0, y0), (x1, y1) = a, b
        n = math.hypot(x1 - x0, y1 - y0)
        ux, uy = (x1 - x0) / n, (y1 - y0) / n
        w = (width or head) / 2
        bx, by = x1 - ux * head, y1 - uy * head
        self.line(a, (bx + ux * 0.5, by + uy * 0.5), color, t)
        self.poly([(x1, y1), (bx - uy * w, by + ux * w), (bx + uy * w, by - ux * w)], color)

    def hatch(self, x0, y0, x1, y1, color, step, t=1.0, slope=1):
        """Slanted parallel lines clipped to a rectangle."""
        layer = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(layer)
        w, h = x1 - x0, y1 - y0
        k = -w - h
        while k < w + h:
            xa, ya = x0 + k, y1 if slope > 0 else y0
            xb, yb = xa + (h if slope > 0 else h), y0 if slope > 0 else y1
            d.line((xa * S, ya * S, xb * S, yb * S), fill=255, width=int(t * S))
            k += step
        clip = Image.new("L", self.img.size, 0)
        ImageDraw.Draw(clip).rectangle((x0 * S, y0 * S, x1 * S - 1, y1 * S - 1), fill=255)
        self.img.paste(color, mask=ImageChops.multiply(layer, clip))

    def save(self, relative):
        out = self.img.resize((self.size, self.size), Image.BOX)
        path = os.path.join(ROOT, "bmp", relative)
        os.makedirs(os.path.dirname(path), exist_ok=True)
        out.save(path, "BMP")
        return out


# --- Shared glyphs ---------------------------------------------------------------------------

def ground(p, x0, x1, y, color=INK):
    p.line((x0, y + 0.5), (x1, y + 0.5), color)
    for x in range(int(x0), int(x1), 3):
        p.line((x + 2, y + 1), (x, y + 3), color, 0.8)


def support(p, cx, top, color=INK):
    p.poly([(cx, top), (cx - 3, top + 4), (cx + 3, top + 4)], color)
    ground(p, cx - 4, cx + 4, top + 4, color)


def down_arrows(p, xs, y0, y1, color=RED, head=2.5):
    for x in xs:
        p.arrow((x, y0), (x, y1), color, 1, head, 3)


def swatch(bg, fill, draw):
    p = Pic(16, bg)
    p.rect(1, 1, 15, 15, fill)
    draw(p)
    # Hatches are drawn freely and trimmed to the tile here.
    for box in ((0, 0, 16, 1), (0, 15, 16, 16), (0, 0, 1, 16), (15, 0, 16, 16)):
        p.rect(*box, bg)
    p.frame(1, 1, 15, 15, INK)
    return p


def dots(p, pts, color, r=0.6):
    for x, y in pts:
        p.disc(x, y, r, color)


def thermometer(p, cx, top, bottom, scale=1.0):
    r = 2.2 * scale
    p.rect(cx - 1.5 * scale, top, cx + 1.5 * scale, bottom - r, INK)
    p.rect(cx - 0.5 * scale, top + 1, cx + 0.5 * scale, bottom - r, WHITE)
    p.rect(cx - 0.5 * scale, top + (bottom - top) * 0.45, cx + 0.5 * scale, bottom - r, RED)
    p.disc(cx, bottom - r, r + 0.8, INK)
    p.disc(cx, bottom - r, r - 0.2, RED)


def moment_arrow(p, cx, cy, r, color=RED, t=1.2):
    pts = p.arc(cx, cy, r, 200, -60, color, t)
    (xa, ya), (xb, yb) = pts[-2], pts[-1]
    n = math.hypot(xb - xa, yb - ya)
    tip = (xb + (xb - xa) / n * 2.5, yb + (yb - ya) / n * 2.5)
    p.arrow((xa, ya), tip, color, t, 3, 3.5)


def truss(p, pts, edges, node_r=1.2, color=INK, node=BLUE):
    for a, b in edges:
        p.line(pts[a], pts[b], color, 1)
    for x, y in pts:
        p.disc(x, y, node_r, node)


def section(p, name, ox=0, oy=0, sc=1.0, fill=LBLUE, ink=INK):
    """Cross-section shapes, drawn in a 16-unit box."""
    def P(pts):
        return [(ox + x * sc, oy + y * sc) for x, y in pts]
    if name == "rect":
        p.rect(ox + 4 * sc, oy + 2 * sc, ox + 12 * sc, oy + 14 * sc, ink)
        p.rect(ox + 5 * sc, oy + 3 * sc, ox + 11 * sc, oy + 13 * sc, fill)
    elif name == "circle":
        p.disc(ox + 8 * sc, oy + 8 * sc, 6 * sc, ink)
        p.disc(ox + 8 * sc, oy + 8 * sc, 5 * sc, fill)
    elif name == "ring":
        p.disc(ox + 8 * sc, oy + 8 * sc, 6 * sc, ink)
        p.disc(ox + 8 * sc, oy + 8 * sc, 5 * sc, fill)
        p.disc(ox + 8 * sc, oy + 8 * sc, 3 * sc, ink)
        p.disc(ox + 8 * sc, oy + 8 * sc, 2 * sc, p.bg)
    elif name == "box":
        p.rect(ox + 2 * sc, oy + 3 * sc, ox + 14 * sc, oy + 13 * sc, ink)
        p.rect(ox + 3 * sc, oy + 4 * sc, ox + 13 * sc, oy + 12 * sc, fill)
        p.rect(ox + 5 * sc, oy + 6 * sc, ox + 11 * sc, oy + 10 * sc, ink)
        p.rect(ox + 6 * sc, oy + 7 * sc, ox + 10 * sc, oy + 9 * sc, p.bg)
    elif name == "tee":
        p.poly(P([(2, 2), (14, 2), (14, 6), (10, 6), (10, 14), (6, 14), (6, 6), (2, 6)]), ink)
        p.poly(P([(3, 3), (13, 3), (13, 5), (9, 5), (9, 13), (7, 13), (7, 5), (3, 5)]), fill)
    elif name == "ibeam":
        p.poly(P([(3, 2), (13, 2), (13, 5), (9, 5), (9, 11), (13, 11), (13, 14), (3, 14),
                  (3, 11), (7, 11), (7, 5), (3, 5)]), ink)
        p.poly(P([(4, 3), (12, 3), (12, 4), (8, 4), (8, 12), (12, 12), (12, 13), (4, 13),
                  (4, 12), (8, 12), (8, 4), (4, 4)]), fill)


def new(size, bg):
    return Pic(size, bg)


# --- Material and soil swatches (cells) ------------------------------------------------------

def mat_beton(p):
    dots(p, [(4, 4), (10, 3.5), (7, 7), (12, 9), (4, 11), (9, 12.5), (13, 13)], GREY, 0.7)
    for x, y in [(6, 4), (11, 6.5), (3.5, 8), (7.5, 11)]:
        p.poly([(x, y - 1.3), (x - 1.3, y + 1), (x + 1.3, y + 1)], GREY)


def mat_armatura(p):
    p.line((2, 11), (14, 5), INK, 2.2)
    for k in range(5):
        x, y = 3.5 + 2.4 * k, 10.2 - 1.2 * k
        p.line((x - 0.6, y - 1.6), (x + 0.6, y + 1.6), INK, 0.9)


def soil(fill, draw):
    return lambda p: (p.rect(1, 1, 15, 15, fill), draw(p))


SWATCHES = {
    "beton": ((222, 224, 226), mat_beton),
    "armatura": ((234, 236, 238), mat_armatura),
    "stal": ((206, 219, 232), lambda p: p.hatch(1, 1, 15, 15, (76, 98, 122), 3, 1)),
    "kladka": ((200, 98, 74), lambda p: [
        p.rect(1, y, 15, y + 1, (236, 214, 204)) for y in (4, 8, 12)] + [
        p.rect(x, y0, x + 1, y0 + 3, (236, 214, 204))
        for y0, xs in ((1, (6, 12)), (5, (3, 9)), (9, (6, 12)), (13, (3, 9))) for x in xs]),
    "derevo": ((226, 190, 140), lambda p: [
        p.arc(3, 17, r, 0, 90, (160, 110, 60), 0.9) for r in (5, 8.5, 12)]),
    "prochiy": ((230, 232, 234), lambda p: (p.hatch(1, 1, 15, 15, GREY, 4, 0.9),
                                            p.hatch(1, 1, 15, 15, GREY, 4, 0.9, -1))),
    "so_fill": ((206, 180, 150), lambda p: [
        (p.line((x - 1.2, y), (x + 1.2, y), INK, 0.8), p.line((x, y - 1.2), (x, y + 1.2), INK, 0.8))
        for x, y in [(4, 4), (10, 5), (7, 9), (12, 11), (4, 12)]]),
    "so_sand": ((247, 224, 140), lambda p: dots(
        p, [(x + (y % 2) * 1.5, y) for y in (3.5, 6.5, 9.5, 12.5) for x in (3.5, 6.5, 9.5, 12.5)
            if x + (y % 2) * 1.5 < 14], (140, 110, 40), 0.55)),
    "so_sandloam": ((236, 208, 140), lambda p: (
        dots(p, [(4, 4), (10, 5), (6, 10), (12, 12)], (120, 90, 40), 0.6),
        [p.line((x, y + 1), (x + 2, y - 1), (120, 90, 40), 0.9) for x, y in [(6, 5), (3, 12), (10, 9)]])),
    "so_loam": ((214, 176, 120), lambda p: (p.hatch(1, 1, 15, 15, (120, 84, 40), 5, 0.9),
                                            dots(p, [(5, 7), (11, 10), (8, 3.5)], (120, 84, 40), 0.6))),
    "so_clay": ((196, 140, 96), lambda p: p.hatch(1, 1, 15, 15, (100, 60, 30), 2.5, 0.8)),
    "so_gravel": ((214, 216, 214), lambda p: [p.ring(x, y, 1.6, (90, 96, 100), 0.8)
                                              for x, y in [(4.5, 4.5), (10.5, 4), (7.5, 9), (4, 12.5), (12, 11.5)]]),
    "so_rock": ((178, 184, 190), lambda p: [p.rect(1, y, 15, y + 1, INK) for y in (5, 10)] + [
        p.rect(x, y0, x + 1, y0 + 4, INK) for y0, xs in ((1, (7,)), (6, (4, 11)), (11, (8,))) for x in xs]),
}


# --- Glyphs on white (cells, combos) ---------------------------------------------------------

def el_bar(p):
    p.line((3, 12.5), (13, 3.5), BLUE, 2)
    p.disc(3, 12.5, 2, INK)
    p.disc(13, 3.5, 2, INK)


def el_truss(p):
    p.line((3, 12.5), (13, 3.5), BLUE, 1.6)
    p.ring(3, 12.5, 2, INK, 1, WHITE)
    p.ring(13, 3.5, 2, INK, 1, WHITE)


def el_found(p):
    p.line((1, 5.5), (15, 5.5), BLUE, 2)
    for x in (3.5, 8, 12.5):
        p.path([(x, 6.5), (x - 1.3, 7.7), (x + 1.3, 9), (x - 1.3, 10.3), (x, 11.5)], INK, 0.8)
    ground(p, 1, 15, 12)


def el_link(p):
    p.disc(2.5, 8, 1.8, INK)
    p.disc(13.5, 8, 1.8, INK)
    p.path([(3.5, 8), (5, 8), (6, 5), (8, 11), (10, 5), (11, 8), (12.5, 8)], BLUE, 1.1)


def ld_perm(p):
    p.rect(3, 4, 13, 10, GREY)
    p.frame(3, 4, 13, 10, INK)
    p.line((1, 11.5), (15, 11.5), INK)
    down_arrows(p, [5.5, 10.5], 12, 15.5, RED, 2)


def ld_long(p):
    p.line((4, 2.5), (12, 2.5), INK)
    p.line((4, 13.5), (12, 13.5), INK)
    p.poly([(5, 3), (11, 3), (8.5, 8), (11, 13), (5, 13), (7.5, 8)], INK)
    p.poly([(6.3, 4), (9.7, 4), (8, 7.3)], WHITE)
    p.poly([(8, 9.5), (10, 12.3), (6, 12.3)], ORANGE)


def ld_short(p):
    p.ring(8, 9, 5.5, INK, 1.2, WHITE)
    p.rect(7, 1.5, 9, 3, INK)
    p.line((8, 9), (8, 5.5), RED, 1.2)
    p.line((8, 9), (10.5, 9), INK, 1)


def ld_snow(p):
    c = (8, 8)
    for a in (90, 30, -30):
        dx, dy = 6 * math.cos(math.radians(a)), 6 * math.sin(math.radians(a))
        p.line((8 - dx, 8 - dy), (8 + dx, 8 + dy), BLUE, 1.1)
        for s in (1, -1):
            ex, ey = c[0] + s * dx * 0.7, c[1] + s * dy * 0.7
            for b in (a + 50, a - 50):
                bx, by = 1.8 * math.cos(math.radians(b)), 1.8 * math.sin(math.radians(b))
                p.line((ex, ey), (ex + s * bx, ey + s * by), BLUE, 0.9)


def ld_wind(p):
    for y, x1 in ((4.5, 11), (8.5, 14), (12.5, 9)):
        p.line((2, y), (x1, y), (41, 128, 185), 1)
    p.arc(11, 3, 1.5, -90, 90, (41, 128, 185), 1.2, 8)
    p.arc(9, 11, 1.5, 90, -90, (41, 128, 185), 1.2, 8)


def ld_special(p):
    p.poly([(8, 1.5), (15, 14), (1, 14)], INK)
    p.poly([(8, 3.6), (13.3, 13), (2.7, 13)], ORANGE)
    p.rect(7.4, 6, 8.6, 10.5, INK)
    p.rect(7.4, 11.2, 8.6, 12.4, INK)


def ld_seism(p):
    p.line((1, 8.5), (15, 8.5), LGREY)
    p.path([(1, 8.5), (3, 8.5), (4.5, 4), (6, 13), (7.5, 2), (9, 14), (10.5, 6), (12, 11),
            (13, 8.5), (15, 8.5)], RED, 1.1)


def q_uniform(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.line((2, 3.5), (14, 3.5), RED)
    down_arrows(p, [2.5, 6.5, 9.5, 13.5], 4, 12.5, RED)


def q_trapez(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.line((2, 8.5), (14, 2.5), RED)
    for x in (2.5, 6.5, 9.5, 13.5):
        top = 8.5 - (x - 2) * 0.5
        p.arrow((x, top), (x, 12.5), RED, 1, 2.5, 3)


def q_force(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.arrow((8, 1), (8, 12.5), RED, 2, 4, 5)


def q_moment(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.disc(8, 8, 1.5, INK)
    moment_arrow(p, 8, 8, 4.8)


def fd_slab(p):
    p.line((1, 6.5), (15, 6.5), GREY)
    p.rect(2, 8, 14, 12, GREY)
    p.frame(2, 8, 14, 12, INK)
    p.rect(5, 2, 7, 8, LBLUE)
    p.frame(5, 2, 7, 8, INK)
    p.rect(9, 2, 11, 8, LBLUE)
    p.frame(9, 2, 11, 8, INK)


def fd_strip(p):
    p.poly([(6, 2), (10, 2), (10, 9), (14, 9), (14, 13), (2, 13), (2, 9), (6, 9)], INK)
    p.poly([(7, 3), (9, 3), (9, 10), (13, 10), (13, 12), (3, 12), (3, 10), (7, 10)], LGREY)


def fd_column(p):
    p.poly([(6.5, 2), (9.5, 2), (9.5, 6), (11.5, 6), (11.5, 9), (14, 9), (14, 13), (2, 13),
            (2, 9), (4.5, 9), (4.5, 6), (6.5, 6)], INK)
    p.poly([(7.5, 3), (8.5, 3), (8.5, 7), (10.5, 7), (10.5, 10), (13, 10), (13, 12), (3, 12),
            (3, 10), (5.5, 10), (5.5, 7), (7.5, 7)], LGREY)


def fd_pile(p):
    p.rect(1, 2, 15, 6, INK)
    p.rect(2, 3, 14, 5, LGREY)
    for x in (3, 7, 11):
        p.rect(x, 6, x + 2, 14, INK)
        p.rect(x + 0.5, 6, x + 1.5, 13.5, LGREY)


GLYPHS = {
    "el_bar": el_bar, "el_truss": el_truss, "el_found": el_found, "el_link": el_link,
    "ld_perm": ld_perm, "ld_long": ld_long, "ld_short": ld_short, "ld_snow": ld_snow,
    "ld_wind": ld_wind, "ld_special": ld_special, "ld_seism": ld_seism,
    "q_uniform": q_uniform, "q_trapez": q_trapez, "q_force": q_force, "q_moment": q_moment,
    "fd_slab": fd_slab, "fd_strip": fd_strip, "fd_column": fd_column, "fd_pile": fd_pile,
}
for _shape in ("rect", "circle", "ring", "box", "tee", "ibeam"):
    GLYPHS["sh_" + _shape] = (lambda s: lambda p: section(p, s))(_shape)


def list_picture(name, bg):
    if name in SWATCHES:
        fill, draw = SWATCHES[name]
        return swatch(bg, fill, draw)
    p = new(16, bg)
    GLYPHS[name](p)
    return p


# --- Header icons ----------------------------------------------------------------------------

def ico_id(p):
    for x in (6, 10):
        p.line((x + 0.5, 2), (x - 0.5, 14), BLUE, 1.3)
    for y in (5.5, 10.5):
        p.line((2, y), (14, y), BLUE, 1)


def ico_link(p):
    for cx in (5.5, 10.5):
        p.d.rounded_rectangle(((cx - 4) * S, 5 * S, (cx + 4) * S - 1, 11 * S - 1), radius=3 * S,
                              outline=BLUE if cx < 8 else INK, width=int(1.4 * S))


def ico_coord(p):
    p.arrow((3.5, 12.5), (3.5, 1.5), GREEN, 1, 3, 4)
    p.arrow((3.5, 12.5), (14.5, 12.5), RED, 1, 3, 4)
    p.arrow((3.5, 12.5), (10.5, 5.5), BLUE, 1.2, 3, 3.5)


def ico_length(p):
    p.line((1.5, 4), (1.5, 13), INK)
    p.line((14.5, 4), (14.5, 13), INK)
    p.arrow((8, 8.5), (2, 8.5), BLUE, 1, 3, 4)
    p.arrow((8, 8.5), (14, 8.5), BLUE, 1, 3, 4)


def ico_elev(p):
    p.poly([(3, 3), (13, 3), (8, 9)], INK)
    p.poly([(5, 4), (11, 4), (8, 7.5)], UI)
    p.line((1, 9.5), (15, 9.5), INK)
    ground(p, 1, 15, 10, GREY)


def ico_force(p):
    p.arrow((8, 1), (8, 14.5), RED, 2, 5, 6)


def ico_moment(p):
    p.disc(8, 8.5, 1.5, INK)
    moment_arrow(p, 8, 8.5, 5.2)


def ico_qload(p):
    p.line((1, 14.5), (15, 14.5), INK)
    p.line((2, 2.5), (14, 2.5), RED)
    down_arrows(p, [2.5, 6.5, 9.5, 13.5], 3, 13.5)


def ico_temp(p):
    thermometer(p, 8, 1, 15, 1.0)


def ico_modulus(p):
    p.line((2.5, 1), (2.5, 14), INK)
    p.line((2, 13.5), (15, 13.5), INK)
    p.path([(2.5, 13.5), (7, 6), (10, 4), (14.5, 3.5)], BLUE, 1.3)


def ico_stress(p):
    p.rect(5, 5, 11, 11, LBLUE)
    p.frame(5, 5, 11, 11, INK)
    p.arrow((5, 8), (0.5, 8), RED, 2, 3, 4)
    p.arrow((11, 8), (15.5, 8), RED, 2, 3, 4)


def ico_density(p):
    p.ring(8, 4, 2.3, INK, 1.2)
    p.poly([(4, 6), (12, 6), (14.5, 14.5), (1.5, 14.5)], INK)
    p.poly([(5, 7.2), (11, 7.2), (13, 13.3), (3, 13.3)], GREY)


def ico_angle(p):
    p.line((2, 13.5), (15, 13.5), INK, 1)
    p.line((2, 13.5), (12, 3), INK, 1.2)
    p.arc(2, 13.5, 8, 0, 46, BLUE, 1.2, 12)


def ico_coef(p):
    p.line((4.5, 2), (4.5, 14), BLUE, 1.6)
    p.line((5, 10), (11.5, 5), BLUE, 1.5)
    p.line((7, 8.7), (12, 14), BLUE, 1.5)


def ico_fix(p):
    p.disc(8, 3.5, 1.8, INK)
    support(p, 8, 5, INK)
    p.hatch(3, 10, 13, 14, GREY, 2.5, 0.8)


def ico_hinge(p):
    p.line((1, 8), (15, 8), BLUE, 2)
    p.ring(8, 8, 3.2, INK, 1.2, UI)


def ico_disp(p):
    p.line((1, 4.5), (15, 4.5), LGREY)
    p.path([(1, 4.5), (4, 8), (8, 10.5), (12, 8), (15, 4.5)], BLUE, 1.2)
    p.arrow((8, 3), (8, 14.5), RED, 1, 2.5, 3)


def ico_rebar(p):
    p.ring(8, 8, 6, INK, 1.2, GREY)
    for a in range(0, 360, 45):
        x, y = 8 + 6.2 * math.cos(math.radians(a)), 8 + 6.2 * math.sin(math.radians(a))
        p.disc(x, y, 1.1, INK)
    p.disc(8, 8, 4.3, GREY)


def ico_pressure(p):
    down_arrows(p, [2.5, 6.5, 9.5, 13.5], 1, 9)
    p.rect(1, 10, 15, 11, INK)
    p.hatch(1, 11, 15, 15, GREY, 2.5, 0.8)


def ico_note(p):
    p.poly([(3, 1), (10, 1), (13, 4), (13, 15), (3, 15)], INK)
    p.poly([(4, 2), (9.5, 2), (12, 4.5), (12, 14), (4, 14)], WHITE)
    for y in (6, 8.5, 11):
        p.line((5.5, y), (10.5, y), GREY)


HEADER_ICONS = {
    "id": ico_id, "link": ico_link, "coord": ico_coord, "length": ico_length, "elev": ico_elev,
    "force": ico_force, "moment": ico_moment, "qload": ico_qload, "temp": ico_temp,
    "modulus": ico_modulus, "stress": ico_stress, "density": ico_density, "angle": ico_angle,
    "coef": ico_coef, "fix": ico_fix, "hinge": ico_hinge, "disp": ico_disp, "rebar": ico_rebar,
    "pressure": ico_pressure, "note": ico_note,
}


# --- Tab pictures ----------------------------------------------------------------------------

def tab_materials(p):
    p.rect(2, 2, 14, 14, (222, 224, 226))
    p.hatch(2, 2, 14, 14, INK, 3, 1)
    p.frame(2, 2, 14, 14, INK)


def tab_diagr(p):
    p.line((2.5, 1), (2.5, 14), INK)
    p.line((2, 13.5), (15, 13.5), INK)
    p.path([(2.5, 13.5), (6, 6), (10, 4.5), (14.5, 4.5)], RED, 1.3)
    p.line((6, 13.5), (6, 6.5), LGREY)


def tab_secbh(p):
    section(p, "tee")


def tab_sec(p):
    p.rect(2, 1, 14, 15, INK)
    p.rect(3, 2, 13, 14, (222, 224, 226))
    for x, y in [(5, 4), (11, 4), (5, 12), (8, 12), (11, 12)]:
        p.disc(x, y, 1.5, RED)


def tab_elements(p):
    p.line((3, 15), (3, 3), BLUE, 2)
    p.line((13, 15), (13, 3), BLUE, 2)
    p.line((2, 3), (14, 3), BLUE, 2)
    p.line((3, 9), (13, 9), BLUE, 2)
    for x, y in [(3, 3), (13, 3), (3, 9), (13, 9)]:
        p.disc(x, y, 1.4, INK)


def tab_points(p):
    truss(p, [(3, 12), (8, 3.5), (13, 12)], [(0, 1), (1, 2), (0, 2)], 2, LGREY, INK)


def tab_locking(p):
    p.disc(8, 3, 2, BLUE)
    support(p, 8, 5)
    p.hatch(3, 10, 13, 14, GREY, 2.5, 0.8)


def tab_loads(p):
    p.poly([(2, 1), (9, 1), (11, 3), (11, 15), (2, 15)], INK)
    p.poly([(3, 2), (8.5, 2), (10, 3.5), (10, 14), (3, 14)], WHITE)
    for y in (5, 7.5, 10):
        p.line((4.5, y), (8.5, y), GREY)
    p.arrow((13, 3), (13, 15), RED, 2, 4, 5)


def tab_q(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.line((2, 2.5), (14, 2.5), RED)
    down_arrows(p, [2.5, 6.5, 9.5, 13.5], 3, 12.5)


def tab_p(p):
    p.line((1, 14), (15, 14), INK, 2)
    p.disc(8, 13.5, 2, BLUE)
    p.arrow((8, 0.5), (8, 11.5), RED, 2, 4, 5)


def tab_t(p):
    thermometer(p, 8, 1, 15, 1.0)


def tab_combinations(p):
    p.path([(12, 2.5), (3.5, 2.5), (8, 8), (3.5, 13.5), (12, 13.5)], INK, 1.6)
    p.arrow((14, 6), (14, 12), RED, 1, 2.5, 3)


def tab_loadsno(p):
    for x in (4, 12):
        p.arrow((x, 1), (x, 14), RED, 2, 4, 5)
    p.line((1.5, 13.5), (14.5, 2.5), INK, 1.5)


def tab_layers(p):
    for (y0, y1), c in zip(((2, 6), (6, 10), (10, 14)),
                           ((214, 176, 120), (247, 224, 140), (196, 140, 96))):
        p.rect(2, y0, 14, y1, c)
    p.line((2, 6), (14, 6), INK)
    p.line((2, 10), (14, 10), INK)
    p.frame(2, 2, 14, 14, INK)


def tab_fund(p):
    p.poly([(3, 7), (8, 2), (13, 7)], BLUE)
    p.rect(4, 7, 12, 11, LBLUE)
    p.frame(4, 7, 12, 11, BLUE)
    p.rect(2, 11, 14, 14, GREY)
    p.frame(2, 11, 14, 14, INK)


def tab_fund2(p):
    p.rect(1, 5, 7, 13, LGREY)
    p.frame(1, 5, 7, 13, GREY)
    p.rect(9, 2, 15, 13, LBLUE)
    p.frame(9, 2, 15, 13, BLUE)
    p.line((0, 13.5), (16, 13.5), INK)


def tab_coordpoints(p):
    p.arrow((2.5, 13.5), (2.5, 1), GREEN, 1, 3, 4)
    p.arrow((2.5, 13.5), (15, 13.5), RED, 1, 3, 4)
    p.disc(7, 8, 1.7, BLUE)
    p.disc(12, 4.5, 1.7, BLUE)


def tab_coordallpoints(p):
    for y in (3, 8, 13):
        p.line((3, y), (13, y), LGREY)
    for x in (3, 8, 13):
        p.line((x, 3), (x, 13), LGREY)
        for y in (3, 8, 13):
            p.disc(x, y, 1.4, BLUE)


def tab_numel(p):
    truss(p, [(2, 13), (8, 13), (14, 13), (5, 4), (11, 4)],
          [(0, 1), (1, 2), (3, 4), (0, 3), (3, 1), (1, 4), (4, 2)], 1.1)


def tab_displacements(p):
    p.line((1, 4.5), (15, 4.5), GREY)
    p.path([(1, 4.5), (4, 8), (8, 10), (12, 8), (15, 4.5)], BLUE, 1.4)
    p.poly([(1, 5), (-1, 8), (3, 8)], INK)
    p.poly([(15, 5), (13, 8), (17, 8)], INK)


def tab_forcesnm(p):
    pts = [(2, 5)] + [(2 + 12 * i / 10, 5 + 9 * math.sin(math.pi * i / 10)) for i in range(11)] + [(14, 5)]
    p.poly(pts, LBLUE)
    p.path(pts[1:-1], BLUE, 1)
    p.line((1, 5), (15, 5), INK, 2)


def tab_forcesq(p):
    p.rect(2, 3, 8, 8, (246, 196, 160))
    p.frame(2, 3, 8, 8.5, ORANGE)
    p.rect(8, 8, 14, 13, (246, 196, 160))
    p.frame(7.5, 8, 14, 13, ORANGE)
    p.line((1, 8), (15, 8), INK, 2)


TAB_PICTURES = {name[4:]: fn for name, fn in globals().items() if name.startswith("tab_")}


# --- Left toolbar (24 x 24) ------------------------------------------------------------------

def sheets(p):
    for dy, c in ((0, LGREY), (-3, (228, 232, 235))):
        pts = [(2, 19 + dy), (8, 15 + dy), (22, 15 + dy), (16, 19 + dy)]
        p.poly(pts, GREY)
        p.poly([(3.6, 18.4 + dy), (8.3, 15.6 + dy), (20.4, 15.6 + dy), (15.7, 18.4 + dy)], c)


def group_d(p):
    p.rect(2, 3, 22, 21, WHITE)
    p.rect(2, 3, 22, 8, BLUE)
    for x in (8, 15):
        p.line((x + 0.5, 8), (x + 0.5, 21), LGREY)
    for y in (12, 16):
        p.line((2, y + 0.5), (22, y + 0.5), LGREY)
    p.frame(2, 3, 22, 21, INK)


def group_g(p):
    pts = [(3, 20), (12, 20), (21, 20), (7.5, 12), (16.5, 12), (12, 4)]
    truss(p, pts, [(0, 1), (1, 2), (3, 4), (0, 3), (3, 1), (1, 4), (4, 2), (3, 5), (5, 4)], 1.8)


def group_r(p):
    pts = [(3, 8)] + [(3 + 18 * i / 12, 8 + 12 * math.sin(math.pi * i / 12)) for i in range(13)] + [(21, 8)]
    p.poly(pts, LBLUE)
    p.path(pts[1:-1], BLUE, 1.2)
    p.line((1, 8), (23, 8), INK, 2)
    p.poly([(3, 9), (0.5, 13), (5.5, 13)], INK)
    p.poly([(21, 9), (18.5, 13), (23.5, 13)], INK)


def lay_nodes(p):
    sheets(p)
    for x, y in ((6, 9), (12, 4), (18, 9)):
        p.disc(x, y, 2.2, BLUE)
    p.line((6, 9), (12, 4), LGREY)
    p.line((12, 4), (18, 9), LGREY)


def lay_elems(p):
    sheets(p)
    p.line((5, 12), (5, 3), BLUE, 2)
    p.line((19, 12), (19, 3), BLUE, 2)
    p.line((4, 3), (20, 3), BLUE, 2)


def lay_loads(p):
    sheets(p)
    p.line((4, 1.5), (20, 1.5), RED)
    down_arrows(p, [4.5, 9.5, 14.5, 19.5], 2, 11, RED, 3)


def lay_fix(p):
    sheets(p)
    p.disc(12, 2.5, 2, BLUE)
    p.poly([(12, 4), (7.5, 10), (16.5, 10)], INK)
    p.line((6, 11), (18, 11), INK)


def lay_res(p):
    sheets(p)
    pts = [(4, 3)] + [(4 + 16 * i / 10, 3 + 8 * math.sin(math.pi * i / 10)) for i in range(11)] + [(20, 3)]
    p.poly(pts, LBLUE)
    p.path(pts[1:-1], BLUE, 1.2)
    p.line((3, 3), (21, 3), INK, 1.5)


def mac_mesh(p):
    group_g(p)
    p.disc(18.5, 18.5, 5.5, GREEN)
    p.poly([(16.8, 15.5), (21.5, 18.5), (16.8, 21.5)], WHITE)


def mac_check(p):
    group_g(p)
    p.disc(18.5, 18.5, 5.5, GREEN)
    p.path([(15.7, 18.6), (17.8, 20.8), (21.4, 16.4)], WHITE, 1.6)


LEFT_PICTURES = {"d_": group_d, "g_": group_g, "r_": group_r, "lay_nodes": lay_nodes,
                 "lay_elems": lay_elems, "lay_loads": lay_loads, "lay_fix": lay_fix,
                 "lay_res": lay_res, "mac_mesh": mac_mesh, "mac_check": mac_check}


# --- Program template icon -------------------------------------------------------------------

def form_resource():
    """frmVB.frx: the form's icon, stored as a picture property blob ("lt", size, data)."""
    frames = []
    for size in (32, 16):
        p = new(size, BLUE)
        k = size / 16
        p.rect(0, 0, size, size, BLUE)
        truss(p, [(2 * k, 12.5 * k), (8 * k, 12.5 * k), (14 * k, 12.5 * k), (5 * k, 4 * k),
                  (11 * k, 4 * k)], [(0, 1), (1, 2), (3, 4), (0, 3), (3, 1), (1, 4), (4, 2)],
              1.1 * k, WHITE, WHITE)
        frames.append(p.img.resize((size, size), Image.BOX))
    buf = io.BytesIO()
    frames[0].save(buf, "ICO", sizes=[(32, 32), (16, 16)], append_images=frames[1:])
    icon = buf.getvalue()
    path = os.path.join(ROOT, "Template", "tr", "frmVB.frx")
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(b"lt\0\0" + struct.pack("<I", len(icon)) + icon)


def main():
    for t in TABLES:
        p = new(16, UI)
        TAB_PICTURES[t["key"].lower()](p)
        p.save(t["bmp"] + ".bmp")
    for key, fn in LEFT_PICTURES.items():
        p = new(24, UI)
        fn(p)
        p.save(os.path.join("Left", key + ".bmp"))
    assert {g[0] for g in GROUPS} | {b["Bmp"] for b in LEFT_BUTTONS} == set(LEFT_PICTURES)
    icons = {c["icon"] for t in TABLES for c in t["columns"] if c["icon"]}
    assert icons == {k + ".bmp" for k in HEADER_ICONS}, icons ^ {k + ".bmp" for k in HEADER_ICONS}
    for key, fn in HEADER_ICONS.items():
        p = new(16, UI)
        fn(p)
        p.save(os.path.join("ico", key + ".bmp"))
    for key, _, name in list_pictures():
        # Materials' own pictures lie in bmp/Materials, where both the cells and the combo
        # find them; other tables keep cell pictures in bmp/Materials/<key> and combo
        # pictures in bmp/<key>.
        if key == "Materials":
            list_picture(name, CELL).save(os.path.join("Materials", name + ".bmp"))
        else:
            list_picture(name, CELL).save(os.path.join("Materials", key, name + ".bmp"))
            list_picture(name, CELL).save(os.path.join(key, name + ".bmp"))
    form_resource()


if __name__ == "__main__":
    main()
