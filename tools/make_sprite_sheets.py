#!/usr/bin/python3
"""Draws the field's two built-in sprite sheets into assets/.

    tools/make_sprite_sheets.py [ASSETS_DIR] [--preview DIR]

field_chars.png (256 x 744, 24-bit): 31 rows of 8 cells of 32 x 24 pixels. A row is one look; its
columns are two walking frames for up (0, 1), down (2, 3), left (4, 5) and right (6, 7). Pure white
is transparent, so no drawn pixel is pure white.
field_tiles.png (482 x 363, 24-bit): 15 x 15 cells of 32 x 24 pixels, the ground of the maps.

The tile table TILES (key, column, row, passability, description) is what tools/make_demo_maps.py
writes into A_TILE_FILE.txt, so the sheet and the definitions always agree. Pixel art drawn at
1 : 1 with a dark outline around every sprite. Deterministic: the same run gives the same bytes.
"""
import os
import random
import sys

from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
CW, CH = 32, 24
WHITE = (255, 255, 255)
INK = (52, 36, 30)

# ----------------------------------------------------------------------------- helpers


class Cell:
    """A 32 x 24 RGBA drawing area; ox, oy shift everything (the walking bob)."""

    def __init__(self):
        self.img = Image.new("RGBA", (CW, CH), (0, 0, 0, 0))
        self.d = ImageDraw.Draw(self.img)
        self.ox = 0
        self.oy = 0

    def px(self, x, y, c):
        x += self.ox
        y += self.oy
        if 0 <= x < CW and 0 <= y < CH:
            self.img.putpixel((x, y), c + (255,) if len(c) == 3 else c)

    def rect(self, x0, y0, x1, y1, c):
        self.d.rectangle([x0 + self.ox, y0 + self.oy, x1 + self.ox, y1 + self.oy], fill=c)

    def ell(self, x0, y0, x1, y1, c):
        self.d.ellipse([x0 + self.ox, y0 + self.oy, x1 + self.ox, y1 + self.oy], fill=c)

    def poly(self, pts, c):
        self.d.polygon([(x + self.ox, y + self.oy) for x, y in pts], fill=c)

    def line(self, pts, c, w=1):
        self.d.line([(x + self.ox, y + self.oy) for x, y in pts], fill=c, width=w)

    def outlined(self, ink=INK):
        """The drawing with a one-pixel outline around everything drawn."""
        src = self.img.load()
        out = self.img.copy()
        o = out.load()
        for y in range(CH):
            for x in range(CW):
                if src[x, y][3]:
                    continue
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)):
                    nx, ny = x + dx, y + dy
                    if 0 <= nx < CW and 0 <= ny < CH and src[nx, ny][3] and src[nx, ny][:3] != ink:
                        o[x, y] = ink + (255,)
                        break
        return out


def shade(c, k):
    return tuple(max(0, min(254, int(v * k))) for v in c)


def flatten(rgba):
    """RGBA onto white, keeping every drawn pixel off pure white."""
    base = Image.new("RGB", rgba.size, WHITE)
    px = rgba.load()
    b = base.load()
    for y in range(rgba.size[1]):
        for x in range(rgba.size[0]):
            r, g, bl, a = px[x, y]
            if a:
                b[x, y] = (min(r, 254), min(g, 254), min(bl, 254))
    return base


def eyes(c, xs, y, col=INK, shine=True):
    for x in xs:
        c.rect(x, y, x + 1, y + 1, col)
        if shine:
            c.px(x, y, (250, 250, 250))


# ----------------------------------------------------------------------------- looks
# Each look draws one view ("front", "back", "side" facing left) of one walking frame (0, 1).


def legs(c, xs, y, col, frame, h=3):
    for i, x in enumerate(xs):
        lift = 1 if (i + frame) % 2 else 0
        c.rect(x, y, x + 1, y + h - 1 - lift, col)


def look_haru(c, view, frame):
    skin, hat, band = (250, 212, 170), (236, 196, 96), (200, 70, 60)
    shirt, over, hair = (246, 240, 226), (86, 150, 80), (120, 72, 40)
    boots = (110, 70, 50)
    if view == "side":
        legs(c, [13, 17], 19, boots, frame, 4)
        c.rect(12, 13, 19, 19, over)
        c.rect(13, 13, 18, 15, shirt)
        c.ell(10, 5, 20, 14, skin)
        c.rect(16, 6, 20, 12, hair)
        eyes(c, [12], 9)
        c.px(10, 11, (230, 140, 120))
        c.ell(7, 3, 23, 8, hat)
        c.rect(11, 0, 19, 5, hat)
        c.rect(11, 4, 19, 5, band)
        # the watering can, held ahead
        arm = 14 + frame
        c.rect(9, arm, 12, arm + 1, skin)
        c.rect(4, arm + 1, 9, arm + 5, (120, 170, 200))
        c.line([(4, arm + 2), (1, arm)], (120, 170, 200))
        return
    legs(c, [12, 18], 19, boots, frame, 4)
    c.rect(11, 13, 20, 19, over)
    c.rect(12, 13, 19, 14, shirt)
    arm = frame
    c.rect(8, 13 + arm, 10, 17 + arm, shirt if view == "front" else over)
    c.rect(21, 14 - arm, 23, 18 - arm, shirt if view == "front" else over)
    c.rect(8, 17 + arm, 10, 18 + arm, skin)
    c.rect(21, 18 - arm, 23, 19 - arm, skin)
    c.ell(10, 4, 21, 14, skin if view == "front" else hair)
    if view == "front":
        c.rect(10, 5, 21, 7, hair)
        eyes(c, [12, 18], 9)
        c.px(15, 12, (220, 110, 100))
        c.px(16, 12, (220, 110, 100))
        c.px(11, 11, (246, 170, 160))
        c.px(20, 11, (246, 170, 160))
        c.rect(14, 15, 17, 16, (60, 110, 60))
    c.ell(5, 3, 26, 8, hat)
    c.rect(10, 0, 21, 5, hat)
    c.rect(10, 4, 21, 5, band)


def look_zove(c, view, frame):
    shell, rim, skin = (120, 150, 70), (90, 110, 50), (170, 190, 120)
    if view == "side":
        legs(c, [9, 20], 19, skin, frame, 3)
        c.ell(7, 8, 25, 21, shell)
        c.ell(7, 15, 25, 21, rim)
        for x, y in ((12, 11), (18, 11), (15, 15)):
            c.rect(x, y, x + 2, y + 2, shade(shell, 0.8))
        c.ell(1, 9, 9, 16, skin)
        eyes(c, [3], 11)
        c.rect(3, 14, 6, 14, (110, 90, 60))  # mouth line
        c.ell(0, 6, 8, 10, (236, 196, 96))    # a small straw hat
        return
    legs(c, [8, 22], 18, skin, frame, 4)
    c.ell(6, 8, 25, 22, shell)
    c.ell(6, 16, 25, 22, rim)
    for x, y in ((10, 11), (19, 11), (14, 13)):
        c.rect(x, y, x + 2, y + 2, shade(shell, 0.8))
    if view == "front":
        c.ell(11, 2, 20, 11, skin)
        eyes(c, [13, 17], 5)
        c.rect(13, 8, 18, 8, (110, 90, 60))
        c.rect(11, 3, 20, 3, (230, 230, 220))  # white eyebrows
        c.ell(9, 0, 22, 4, (236, 196, 96))
    else:
        c.ell(11, 4, 20, 10, skin)
        c.ell(9, 1, 22, 5, (236, 196, 96))


def look_mitsu(c, view, frame):
    body, stripe, wing = (250, 200, 40), (70, 50, 30), (210, 236, 250)
    flap = 2 if frame else 0
    c.oy = -2 + (1 if frame else 0)
    if view == "side":
        c.ell(14, 3 + flap, 24, 10, wing)
        c.ell(8, 9, 22, 18, body)
        c.rect(13, 9, 14, 18, stripe)
        c.rect(17, 9, 18, 17, stripe)
        c.ell(5, 8, 12, 15, body)
        eyes(c, [7], 10)
        c.poly([(22, 13), (25, 14), (22, 15)], stripe)
        c.line([(7, 8), (5, 5)], stripe)
        return
    c.ell(4, 4 + flap, 13, 12, wing)
    c.ell(18, 4 + flap, 27, 12, wing)
    c.ell(9, 7, 22, 20, body)
    c.rect(9, 13, 22, 14, stripe)
    c.rect(10, 17, 21, 18, stripe)
    if view == "front":
        eyes(c, [12, 18], 9)
        c.px(15, 11, (200, 90, 60))
        c.px(16, 11, (200, 90, 60))
    c.line([(13, 7), (11, 3)], stripe)
    c.line([(18, 7), (20, 3)], stripe)


def look_mogu(c, view, frame):
    fur, nose, claw = (110, 90, 80), (240, 150, 160), (250, 236, 210)
    if view == "side":
        legs(c, [10, 18], 20, claw, frame, 3)
        c.ell(7, 7, 25, 22, fur)
        c.ell(2, 12, 10, 18, fur)
        c.ell(0, 13, 4, 16, nose)
        eyes(c, [7], 12, shine=False)
        c.rect(4, 18, 8, 20, claw)
        c.rect(20, 3, 24, 6, (250, 210, 60))  # a miner's helmet lamp
        c.rect(12, 4, 25, 9, (240, 200, 60))
        return
    legs(c, [11, 19], 20, claw, frame, 3)
    c.ell(6, 5, 25, 22, fur)
    c.ell(10, 11, 21, 21, shade(fur, 1.25))
    c.rect(5, 15 - frame, 8, 18 - frame, claw)
    c.rect(23, 15 + frame - 1, 26, 18 + frame - 1, claw)
    c.rect(8, 2, 23, 7, (240, 200, 60))
    if view == "front":
        c.rect(14, 2, 17, 5, (255, 250, 200))
        eyes(c, [11, 19], 10, shine=False)
        c.ell(13, 12, 18, 16, nose)


def look_crow(c, view, frame):
    black, sheen, beak = (40, 40, 56), (80, 80, 120), (240, 190, 60)
    flap = frame
    if view == "side":
        legs(c, [14, 17], 20, beak, frame, 3)
        c.ell(9, 8, 24, 21, black)
        c.poly([(22, 12), (30, 16 - flap * 2), (23, 18)], black)
        c.ell(12, 10 - flap, 22, 17 - flap, sheen)
        c.ell(6, 3, 16, 12, black)
        c.poly([(6, 7), (1, 9), (6, 10)], beak)
        eyes(c, [9], 6)
        return
    legs(c, [13, 18], 20, beak, frame, 3)
    c.ell(4, 9 - flap, 12, 19, black)
    c.ell(19, 9 - flap, 27, 19, black)
    c.ell(8, 7, 23, 21, black)
    c.ell(10, 1, 21, 11, black)
    if view == "front":
        c.ell(11, 12, 20, 19, sheen)
        eyes(c, [12, 18], 4)
        c.poly([(14, 7), (17, 7), (15, 11)], beak)
        c.rect(20, 0, 22, 2, (250, 230, 120))  # a shiny button on its head feathers


def look_rosa(c, view, frame):
    petal, dark, leaf, stem = (220, 60, 90), (170, 30, 60), (80, 150, 70), (60, 120, 50)
    sway = frame
    c.rect(15, 12, 16, 23, stem)
    c.ell(5 - sway, 12, 14, 17, leaf)
    c.ell(17 + sway, 13, 26, 18, leaf)
    c.ell(9, 0, 22, 12, petal)
    c.ell(11, 2, 20, 10, dark)
    c.ell(13, 3, 18, 8, petal)
    if view == "front":
        eyes(c, [12, 18], 5)
        c.px(15, 9, (250, 200, 200))
    elif view == "side":
        eyes(c, [11], 5)


def look_bug_blob(col, belly, antenna=True, nlegs=3, spots=None, long_body=False):
    def draw(c, view, frame):
        if view == "side":
            xs = [9 + 5 * i for i in range(nlegs)]
            legs(c, xs, 19, INK, frame, 3)
            if long_body:
                for i in range(5):
                    c.ell(4 + i * 4, 11 - (i + frame) % 2, 12 + i * 4, 20, col if i % 2 else shade(col, 1.1))
                c.ell(2, 9, 11, 19, col)
                eyes(c, [5], 12)
            else:
                c.ell(6, 8, 26, 21, col)
                c.ell(8, 15, 24, 21, belly)
                eyes(c, [9], 11)
            if antenna:
                c.line([(6, 10), (2, 5)], INK)
            if spots:
                for x, y in spots:
                    c.rect(x + 2, y, x + 3, y + 1, shade(col, 0.7))
            return
        xs = [8, 22] if nlegs else []
        legs(c, xs, 18, INK, frame, 4)
        c.ell(7, 6, 24, 21, col)
        c.ell(10, 12, 21, 21, belly)
        if spots:
            for x, y in spots:
                c.rect(x, y, x + 1, y + 1, shade(col, 0.7))
        if view == "front":
            eyes(c, [11, 18], 10)
            c.px(15, 14, INK)
            c.px(16, 14, INK)
        if antenna:
            c.line([(12, 7), (9, 2)], INK)
            c.line([(19, 7), (22, 2)], INK)
    return draw


def look_slug(col, big=False):
    def draw(c, view, frame):
        stretch = frame
        if view == "side":
            x0 = 2 if big else 5
            c.ell(x0 - stretch, 12, 28, 22, col)
            c.ell(x0 + 2 - stretch, 8, x0 + 12, 20, col)
            c.line([(x0 + 4, 9), (x0 + 1, 3)], col, 2)
            c.line([(x0 + 8, 9), (x0 + 7, 3)], col, 2)
            c.rect(x0, 2, x0 + 1, 3, INK)
            c.rect(x0 + 6, 2, x0 + 7, 3, INK)
            c.ell(x0 + 12, 14, 26, 18, shade(col, 1.15))
            return
        top = 6 if big else 9
        c.ell(7 - stretch, top, 24 + stretch, 22, col)
        c.ell(10, top + 6, 21, 21, shade(col, 1.15))
        c.line([(12, top + 1), (10, top - 5)], col, 2)
        c.line([(19, top + 1), (21, top - 5)], col, 2)
        c.rect(9, top - 6, 10, top - 5, INK)
        c.rect(21, top - 6, 22, top - 5, INK)
        if view == "front":
            eyes(c, [12, 18], top + 5, shine=False)
            c.rect(14, top + 9, 17, top + 9, INK)
    return draw


def look_winged(body, wing, belly, beak=None, ears=False):
    def draw(c, view, frame):
        flap = 3 if frame else 0
        c.oy = -1
        if view == "side":
            c.poly([(12, 12), (26, 2 + flap), (24, 14)], wing)
            c.ell(7, 8, 22, 20, body)
            c.ell(9, 13, 20, 19, belly)
            eyes(c, [10], 11)
            if beak:
                c.poly([(7, 13), (3, 14), (7, 16)], beak)
            if ears:
                c.poly([(11, 8), (12, 3), (15, 8)], body)
            return
        c.poly([(12, 12), (1, 4 + flap), (4, 17)], wing)
        c.poly([(19, 12), (30, 4 + flap), (27, 17)], wing)
        c.ell(9, 7, 22, 21, body)
        c.ell(11, 12, 20, 20, belly)
        if ears:
            c.poly([(10, 9), (10, 2), (14, 7)], body)
            c.poly([(21, 9), (21, 2), (17, 7)], body)
        if view == "front":
            eyes(c, [12, 17], 11)
            if beak:
                c.poly([(14, 14), (17, 14), (15, 17)], beak)
            else:
                c.px(13, 16, (250, 250, 250))
                c.px(18, 16, (250, 250, 250))
    return draw


def look_frog(c, view, frame):
    green, belly = (90, 170, 80), (220, 230, 150)
    hop = -2 if frame else 0
    c.oy = hop
    if view == "side":
        c.ell(6, 10, 24, 22, green)
        c.ell(18, 15, 27, 23, shade(green, 0.8))
        c.ell(4, 6, 13, 14, green)
        eyes(c, [7], 8)
        c.rect(4, 14, 9, 14, INK)
        return
    c.ell(5, 14, 12, 23, shade(green, 0.8))
    c.ell(19, 14, 26, 23, shade(green, 0.8))
    c.ell(7, 6, 24, 22, green)
    c.ell(10, 13, 21, 22, belly)
    c.ell(7, 3, 14, 10, green)
    c.ell(17, 3, 24, 10, green)
    if view == "front":
        eyes(c, [10, 19], 5)
        c.line([(12, 12), (15, 14), (19, 12)], INK)


def look_spider(col, glass=False):
    def draw(c, view, frame):
        leg = col if not glass else (160, 200, 220)
        for i in range(4):
            y = 12 + i * 3
            k = 1 if (i + frame) % 2 else 0
            c.line([(12, 15), (3, y - 4 + k), (1, y + 2)], leg)
            c.line([(19, 15), (28, y - 4 + k), (30, y + 2)], leg)
        c.ell(9, 10, 22, 22, col)
        c.ell(11, 5, 20, 13, shade(col, 1.2))
        if glass:
            c.px(13, 14, (250, 250, 254))
            c.px(14, 15, (250, 250, 254))
            c.px(17, 18, (250, 250, 254))
        if view in ("front", "side"):
            for x in (12, 14, 16, 18):
                c.px(x, 8, (230, 60, 60))
    return draw


def look_mouse(c, view, frame):
    fur, pink = (170, 140, 110), (240, 170, 170)
    if view == "side":
        legs(c, [11, 18], 20, pink, frame, 3)
        c.ell(8, 9, 24, 21, fur)
        c.line([(23, 17), (29, 13 + frame * 2), (31, 16)], pink)
        c.ell(3, 9, 12, 17, fur)
        c.ell(8, 4, 14, 10, pink)
        eyes(c, [6], 11)
        c.px(3, 13, INK)
        return
    legs(c, [11, 19], 20, pink, frame, 3)
    c.ell(8, 8, 23, 22, fur)
    c.ell(6, 3, 13, 10, pink)
    c.ell(18, 3, 25, 10, pink)
    if view == "front":
        c.ell(11, 13, 20, 21, shade(fur, 1.2))
        eyes(c, [11, 18], 11)
        c.px(15, 15, INK)
        c.px(16, 15, INK)
        c.rect(14, 17, 17, 18, (250, 246, 230))
    else:
        c.line([(15, 20), (15, 23)], pink)


def look_mushroom(c, view, frame):
    cap, dots, stem = (200, 60, 60), (250, 240, 230), (240, 226, 200)
    c.oy = -frame
    c.rect(11, 12, 20, 22, stem)
    legs(c, [12, 18], 21, shade(stem, 0.8), frame, 2)
    c.ell(4, 1, 27, 15, cap)
    for x, y in ((9, 5), (17, 3), (21, 8), (13, 9)):
        c.ell(x, y, x + 3, y + 2, dots)
    if view == "front":
        eyes(c, [12, 18], 15)
        c.line([(14, 19), (15, 20), (17, 19)], INK)
    elif view == "side":
        eyes(c, [12], 15)


def look_boar(c, view, frame):
    fur, tusk = (120, 80, 60), (250, 240, 220)
    if view == "side":
        legs(c, [8, 13, 19, 24], 19, INK, frame, 4)
        c.ell(4, 5, 29, 21, fur)
        c.rect(12, 4, 24, 7, shade(fur, 0.7))
        c.ell(0, 10, 8, 18, shade(fur, 1.2))
        c.poly([(3, 15), (0, 12), (4, 13)], tusk)
        eyes(c, [7], 9)
        return
    legs(c, [8, 12, 19, 23], 19, INK, frame, 4)
    c.ell(5, 4, 26, 21, fur)
    c.poly([(8, 5), (10, 0), (13, 5)], fur)
    c.poly([(18, 5), (21, 0), (23, 5)], fur)
    if view == "front":
        c.ell(11, 11, 20, 19, shade(fur, 1.3))
        c.rect(13, 14, 14, 15, INK)
        c.rect(17, 14, 18, 15, INK)
        eyes(c, [10, 19], 8)
        c.poly([(11, 18), (9, 13), (12, 16)], tusk)
        c.poly([(20, 18), (22, 13), (19, 16)], tusk)


def look_thorn(col, flower=None, big=False, face=True):
    def draw(c, view, frame):
        w = frame
        base = (60, 110, 50) if col is None else col
        c.line([(16, 23), (13 - w, 15), (18 + w, 8), (14, 2)], base, 3)
        c.line([(15, 17), (6 - w, 12), (3, 6)], base, 2)
        c.line([(16, 12), (26 + w, 9), (28, 3)], base, 2)
        if big:
            c.line([(16, 23), (24, 18), (29, 20)], base, 3)
            c.line([(15, 22), (6, 19), (2, 22)], base, 3)
        for x, y in ((11, 14), (19, 10), (5, 9), (25, 8), (15, 4), (21, 20), (8, 20)):
            c.poly([(x, y), (x + 2, y - 2), (x + 1, y + 1)], (230, 220, 180))
        if flower:
            c.ell(10, 1, 21, 11, flower)
            c.ell(13, 3, 18, 8, shade(flower, 0.7))
        if face and view != "back":
            y = 5 if flower else 12
            eyes(c, [12, 18] if view == "front" else [12], y, col=(250, 230, 80), shine=False)
    return draw


def look_flytrap(c, view, frame):
    g, red = (110, 170, 70), (210, 70, 70)
    c.rect(15, 12, 16, 23, (70, 130, 50))
    c.ell(4, 16, 14, 22, g)
    c.ell(17, 16, 27, 22, g)
    open_ = 2 if frame else 0
    c.ell(7, 1 - open_, 24, 9, g)
    c.ell(7, 8 + open_, 24, 15 + open_, g)
    c.ell(10, 6, 21, 10 + open_, red)
    for x in range(9, 24, 3):
        c.px(x, 1 - open_ + 1, (250, 250, 220))
        c.px(x, 15 + open_ - 1, (250, 250, 220))
    if view != "back":
        eyes(c, [11, 19], 3 - open_, shine=False)


def look_cactus(c, view, frame):
    g = (80, 160, 90)
    c.oy = -frame
    c.rect(9, 18, 22, 23, (200, 120, 80))  # the pot
    c.rect(8, 17, 23, 18, (220, 140, 100))
    c.ell(10, 2, 21, 19, g)
    c.ell(3, 7, 10, 13, g)
    c.ell(21, 5, 28, 11, g)
    for x, y in ((12, 5), (18, 7), (14, 12), (6, 9), (24, 7), (19, 14)):
        c.px(x, y, (250, 250, 220))
    c.ell(13, 0, 18, 4, (250, 120, 170))
    if view == "front":
        eyes(c, [13, 17], 9)
        c.rect(14, 13, 16, 13, INK)


def look_catfish(c, view, frame):
    body, belly = (90, 90, 110), (170, 170, 150)
    sw = frame
    if view == "side":
        c.ell(2, 6, 28, 21, body)
        c.ell(5, 14, 24, 21, belly)
        c.poly([(26, 13), (31, 7 + sw * 2), (31, 19 - sw * 2)], body)
        eyes(c, [7], 10)
        c.line([(4, 15), (0, 20 - sw)], INK)
        c.line([(4, 13), (0, 10 + sw)], INK)
        return
    c.ell(4, 3, 27, 22, body)
    c.ell(8, 12, 23, 22, belly)
    if view == "front":
        eyes(c, [9, 20], 8)
        c.line([(10, 16), (21, 16)], INK)
        c.line([(8, 15), (2, 19 - sw)], INK)
        c.line([(23, 15), (29, 19 - sw)], INK)
    else:
        c.poly([(13, 22), (16, 17 + sw), (19, 22)], shade(body, 0.8))


def look_chest(c, view, frame):
    wood, band, gold = (170, 110, 50), (110, 70, 40), (250, 210, 70)
    c.rect(6, 9, 25, 22, wood)
    c.rect(6, 5, 25, 10, shade(wood, 1.15))
    c.rect(6, 10, 25, 11, band)
    c.rect(9, 5, 10, 22, band)
    c.rect(21, 5, 22, 22, band)
    c.rect(14, 10, 17, 14, gold)
    if frame:
        c.px(26, 3, (250, 250, 200))
        c.px(4, 6, (250, 250, 200))


def look_sign(c, view, frame):
    wood = (190, 140, 80)
    c.rect(14, 13, 17, 23, shade(wood, 0.7))
    c.rect(4, 3, 27, 14, wood)
    for y in (6, 9, 12):
        c.line([(7, y), (24, y)], shade(wood, 0.6))


def look_door(c, view, frame):
    wood = (150, 96, 56)
    c.rect(8, 1, 23, 23, wood)
    c.rect(8, 1, 23, 3, shade(wood, 0.7))
    for x in (12, 16, 20):
        c.line([(x, 3), (x, 23)], shade(wood, 0.75))
    c.rect(19, 12, 20, 13, (250, 210, 70))


def look_bucket(c, view, frame):
    metal = (150, 170, 180)
    c.poly([(8, 8), (23, 8), (21, 22), (10, 22)], metal)
    c.rect(8, 8, 23, 10, (100, 150, 210))
    c.line([(8, 8), (15, 1 + frame), (23, 8)], INK)
    c.rect(9, 13, 22, 14, shade(metal, 0.8))


LOOKS = [
    ("ハル", look_haru),
    ("ぞーぶ", look_zove),
    ("ミツ", look_mitsu),
    ("モグ", look_mogu),
    ("クロウ", look_crow),
    ("ローザ", look_rosa),
    ("アブラムシ", look_bug_blob((130, 200, 90), (190, 230, 140), spots=[(12, 9), (18, 11)])),
    ("ナメクジ", look_slug((180, 160, 130))),
    ("イモムシ", look_bug_blob((120, 190, 70), (200, 230, 120), antenna=False, long_body=True,
                             spots=[(10, 9), (16, 8), (21, 10)])),
    ("ダンゴムシ", look_bug_blob((100, 100, 120), (140, 140, 160), spots=[(10, 9), (14, 8), (18, 9)])),
    ("井戸コウモリ", look_winged((90, 70, 110), (70, 50, 90), (150, 120, 160), ears=True)),
    ("ヌマガエル", look_frog),
    ("岩グモ", look_spider((110, 100, 90))),
    ("カラス", look_winged((50, 50, 64), (36, 36, 50), (80, 80, 110), beak=(240, 190, 60))),
    ("森ネズミ", look_mouse),
    ("おばけキノコ", look_mushroom),
    ("スズメバチ", look_winged((240, 170, 40), (220, 230, 240), (70, 50, 30))),
    ("ドクガ", look_winged((150, 110, 170), (190, 150, 210), (120, 90, 130))),
    ("イノシシ", look_boar),
    ("いばらのつる", look_thorn(None)),
    ("ハエトリソウ", look_flytrap),
    ("サボテン", look_cactus),
    ("ガラスグモ", look_spider((150, 200, 220), glass=True)),
    ("いばらの番人", look_thorn((70, 90, 50), flower=(150, 40, 60), big=True)),
    ("かなしみのいばら", look_thorn((90, 60, 80), flower=(120, 60, 140), big=True)),
    ("井戸のヌシ", look_catfish),
    ("ハナアブ", look_winged((230, 190, 60), (230, 236, 246), (120, 90, 40))),
    ("たからばこ", look_chest),
    ("かんばん", look_sign),
    ("とびら", look_door),
    ("バケツ", look_bucket),
]
assert len(LOOKS) == 31

# The character-sheet row of each look, for the map generator.
CHAR_ROWS = {name: row for row, (name, _) in enumerate(LOOKS)}


def char_cell(fn, direction, frame):
    view = {1: "back", 2: "front", 3: "side", 4: "side"}[direction]
    c = Cell()
    # The walking bob: the second frame of a direction sits one pixel higher.
    fn(c, view, frame)
    img = c.outlined()
    if direction == 4:
        img = img.transpose(Image.FLIP_LEFT_RIGHT)
    return img


def char_sheet():
    sheet = Image.new("RGBA", (8 * CW, 31 * CH), (0, 0, 0, 0))
    for row, (_, fn) in enumerate(LOOKS):
        for direction in (1, 2, 3, 4):
            for frame in (0, 1):
                col = 2 * (direction - 1) + frame
                sheet.paste(char_cell(fn, direction, frame), (col * CW, row * CH))
    return flatten(sheet)


# ----------------------------------------------------------------------------- tiles

GRASS = (118, 178, 84)
GRASS_D = (96, 156, 70)
DIRT = (196, 160, 110)
DIRT_D = (170, 134, 90)
WATER = (80, 140, 210)
STONE = (150, 150, 146)
CAVE = (92, 80, 74)
WOOD = (170, 120, 70)
GLASS = (180, 220, 230)
FLOOR_G = (200, 196, 176)


class Tile:
    def __init__(self, seed):
        self.img = Image.new("RGB", (CW, CH), GRASS)
        self.d = ImageDraw.Draw(self.img)
        self.rng = random.Random(seed)

    def fill(self, c):
        self.d.rectangle([0, 0, CW - 1, CH - 1], fill=c)

    def speckle(self, colours, n):
        for _ in range(n):
            x, y = self.rng.randrange(CW), self.rng.randrange(CH)
            self.img.putpixel((x, y), self.rng.choice(colours))

    def rect(self, x0, y0, x1, y1, c):
        self.d.rectangle([x0, y0, x1, y1], fill=c)

    def ell(self, x0, y0, x1, y1, c, outline=None):
        self.d.ellipse([x0, y0, x1, y1], fill=c, outline=outline)

    def line(self, pts, c, w=1):
        self.d.line(pts, fill=c, width=w)

    def poly(self, pts, c, outline=None):
        self.d.polygon(pts, fill=c, outline=outline)

    def sprite(self, row, direction=2, frame=0):
        """A character of the character sheet painted onto the tile (an NPC standing there)."""
        cell = char_cell(LOOKS[row][1], direction, frame)
        self.img.paste(cell, (0, 0), cell)


def t_grass(t):
    t.speckle([GRASS_D, (134, 192, 96)], 40)


def t_tufts(t):
    t_grass(t)
    for x, y in ((5, 8), (20, 5), (13, 17), (26, 18)):
        t.line([(x, y), (x - 1, y - 3)], GRASS_D)
        t.line([(x + 1, y), (x + 2, y - 3)], GRASS_D)


def t_flowers(t, cols):
    t_grass(t)
    for i, (x, y) in enumerate(((6, 6), (20, 4), (12, 15), (25, 17), (4, 19))):
        c = cols[i % len(cols)]
        for dx, dy in ((0, -1), (0, 1), (-1, 0), (1, 0)):
            t.img.putpixel((x + dx, y + dy), c)
        t.img.putpixel((x, y), (250, 220, 80))


def t_withered(t):
    t.fill((170, 160, 100))
    t.speckle([(150, 140, 90), (186, 176, 120)], 50)
    for x, y in ((6, 18), (16, 20), (25, 17)):
        t.line([(x, y), (x + 1, y - 6), (x + 3, y - 8)], (120, 100, 60))
        t.img.putpixel((x + 3, y - 8), (150, 110, 80))


def t_dirt(t):
    t.fill(DIRT)
    t.speckle([DIRT_D, (210, 178, 130)], 45)


def t_dirt_edge(t):
    t_dirt(t)
    t.rect(0, 0, CW - 1, 2, GRASS)
    t.speckle([DIRT_D], 10)


def t_tree(t):
    t_grass(t)
    t.rect(14, 15, 18, 23, (120, 80, 50))
    t.ell(3, 0, 29, 19, (60, 130, 60))
    t.ell(6, 2, 20, 12, (80, 160, 76))
    for x, y in ((10, 6), (20, 9), (14, 13)):
        t.img.putpixel((x, y), (110, 190, 100))


def t_pine(t):
    t_grass(t)
    t.rect(14, 18, 17, 23, (110, 70, 44))
    t.poly([(16, 0), (4, 19), (28, 19)], (40, 100, 60))
    t.poly([(16, 2), (9, 12), (22, 12)], (60, 124, 72))


def t_bush(t):
    t_grass(t)
    t.ell(2, 6, 29, 23, (70, 140, 64))
    t.ell(6, 8, 18, 16, (96, 170, 86))


def t_fence_h(t):
    t_grass(t)
    t.rect(0, 8, 31, 10, (230, 214, 180))
    t.rect(0, 15, 31, 17, (230, 214, 180))
    for x in (3, 15, 27):
        t.rect(x, 4, x + 3, 22, (246, 236, 210))
        t.line([(x, 22), (x + 3, 22)], (180, 160, 130))


def t_fence_v(t):
    t_grass(t)
    t.rect(14, 0, 18, 23, (246, 236, 210))
    t.line([(14, 0), (14, 23)], (200, 184, 150))
    for y in (4, 14):
        t.rect(13, y, 19, y + 2, (230, 214, 180))


def t_water(t):
    t.fill(WATER)
    for y in (5, 13, 20):
        t.line([(3, y), (9, y - 1), (15, y)], (150, 196, 240))
        t.line([(18, y + 3), (26, y + 2)], (150, 196, 240))


def t_well(t, dry=True):
    t_grass(t)
    t.ell(3, 2, 28, 22, STONE)
    t.ell(6, 4, 25, 19, (120, 120, 116))
    t.ell(9, 6, 22, 17, (40, 36, 40) if dry else WATER)
    for x in (4, 26):
        t.rect(x, 0, x + 1, 12, (120, 80, 50))
    t.rect(4, 0, 27, 1, (120, 80, 50))
    t.line([(16, 1), (16, 8)], (90, 70, 50))


def t_house_wall(t):
    t.fill((236, 222, 190))
    for y in (5, 11, 17, 23):
        t.line([(0, y), (31, y)], (210, 190, 150))
    t.rect(9, 5, 22, 16, (120, 170, 210))
    t.rect(15, 5, 16, 16, (236, 222, 190))
    t.rect(9, 10, 22, 11, (236, 222, 190))
    t.rect(8, 4, 23, 4, (150, 110, 70))
    t.rect(8, 17, 23, 17, (150, 110, 70))


def t_roof(t):
    t.fill((190, 80, 60))
    for y in range(0, 24, 4):
        t.line([(0, y), (31, y)], (150, 56, 44))
        off = 0 if (y // 4) % 2 else 4
        for x in range(off, 32, 8):
            t.line([(x, y), (x, y + 3)], (150, 56, 44))


def t_house_door(t):
    t_house_wall(t)
    t.rect(8, 2, 23, 23, (150, 96, 56))
    t.rect(10, 4, 21, 23, (170, 112, 66))
    t.rect(19, 13, 20, 14, (250, 210, 70))
    t.ell(12, 5, 19, 9, (120, 170, 210))


def t_floor_wood(t):
    t.fill((196, 150, 100))
    for y in (5, 11, 17, 23):
        t.line([(0, y), (31, y)], (160, 118, 76))
    for x, y in ((8, 0), (24, 6), (12, 12), (28, 18)):
        t.line([(x, y), (x, y + 5)], (160, 118, 76))


def t_inner_wall(t):
    t.fill((210, 190, 160))
    t.rect(0, 18, 31, 23, (150, 110, 70))
    t.speckle([(196, 176, 146)], 20)


def t_bed_zove(t):
    t_floor_wood(t)
    t.rect(2, 3, 29, 22, (120, 80, 50))
    t.rect(4, 5, 27, 20, (246, 240, 230))
    t.rect(4, 11, 27, 20, (120, 160, 200))
    t.line([(4, 14), (27, 14)], (100, 140, 180))
    t.ell(11, 3, 20, 11, (170, 190, 120))  # ぞーぶ's head on the pillow
    t.img.putpixel((13, 6), INK)
    t.img.putpixel((18, 6), INK)
    t.line([(14, 9), (17, 9)], (110, 90, 60))


def t_table(t):
    t_floor_wood(t)
    t.ell(3, 3, 28, 20, (150, 100, 60))
    t.ell(5, 4, 26, 17, (176, 124, 76))
    t.rect(13, 6, 17, 11, (240, 240, 250))  # a tea cup and a seed packet
    t.rect(19, 9, 23, 14, (220, 120, 80))


def t_shelf(t):
    t.fill((130, 86, 50))
    for y in (2, 9, 16):
        t.rect(2, y, 29, y + 5, (90, 60, 36))
        for x in range(3, 29, 4):
            t.rect(x, y + 1, x + 2, y + 5, [(190, 70, 60), (70, 120, 180), (220, 190, 80), (90, 160, 90)][(x + y) % 4])


def t_rug(t):
    """A woven rug that repeats seamlessly over several cells."""
    t.fill((176, 76, 66))
    for y in range(0, 24, 6):
        for x in range(0, 32, 8):
            t.poly([(x + 4, y), (x + 7, y + 3), (x + 4, y + 6), (x + 1, y + 3)], (214, 150, 80))
            t.img.putpixel((x + 4, y + 3), (240, 220, 150))


def t_cave_floor(t):
    t.fill(CAVE)
    t.speckle([(80, 68, 64), (110, 96, 88)], 60)


def t_rock(t):
    t.fill((70, 60, 56))
    t.ell(-4, 2, 18, 26, (120, 110, 100))
    t.ell(12, -4, 36, 18, (134, 122, 110))
    t.ell(4, 5, 12, 11, (150, 140, 128))
    t.ell(18, 1, 28, 8, (160, 150, 138))


def t_rubble(t):
    t_cave_floor(t)
    for x0, y0, s in ((2, 10, 12), (12, 4, 14), (18, 12, 12), (8, 14, 9)):
        t.ell(x0, y0, x0 + s, y0 + s * 2 // 3 + 2, (150, 140, 130), outline=(90, 80, 74))


def t_ladder(t):
    t_cave_floor(t)
    t.rect(8, 0, 10, 23, (150, 100, 60))
    t.rect(21, 0, 23, 23, (150, 100, 60))
    for y in (3, 10, 17):
        t.rect(10, y, 21, y + 2, (176, 124, 76))


def t_puddle(t):
    t_cave_floor(t)
    t.ell(3, 4, 28, 20, (70, 120, 180))
    t.line([(8, 10), (14, 9)], (140, 190, 240))


def t_spring(t):
    t_cave_floor(t)
    t.ell(3, 3, 28, 21, (80, 150, 220))
    t.ell(11, 8, 20, 15, (170, 220, 250))


def t_chest(t, opened=False, ground=None):
    (ground or t_grass)(t)
    if opened:
        t.rect(6, 4, 25, 9, (120, 76, 40))
        t.rect(6, 9, 25, 21, (170, 110, 50))
        t.rect(8, 10, 23, 14, (60, 40, 30))
    else:
        t.rect(6, 8, 25, 21, (170, 110, 50))
        t.rect(6, 4, 25, 9, (196, 130, 60))
        t.rect(14, 8, 17, 12, (250, 210, 70))
    t.rect(6, 9, 25, 9, (110, 70, 40))
    t.line([(5, 4), (5, 21), (26, 21), (26, 4), (5, 4)], INK)


def t_sign(t, ground=None):
    (ground or t_grass)(t)
    t.rect(14, 12, 17, 23, (130, 90, 50))
    t.rect(4, 2, 27, 13, (200, 150, 90))
    t.line([(4, 2), (27, 2), (27, 13), (4, 13), (4, 2)], (110, 70, 40))
    for y in (5, 8, 11):
        t.line([(8, y), (23, y)], (120, 80, 50))


def t_thorns(t, ground):
    ground(t)
    for pts in (((0, 20), (8, 6), (14, 18), (22, 3), (31, 15)), ((0, 8), (10, 16), (20, 10), (31, 22))):
        t.line(list(pts), (70, 100, 50), 3)
    for x, y in ((5, 12), (11, 10), (18, 8), (26, 12), (15, 15), (23, 17)):
        t.poly([(x, y), (x + 3, y - 2), (x + 1, y + 2)], (220, 210, 170))


def t_mound(t):
    t_dirt(t)
    t.ell(3, 4, 28, 23, (140, 104, 70))
    t.ell(7, 6, 20, 14, (160, 122, 84))
    for x, y in ((10, 16), (20, 12)):
        t.ell(x, y, x + 4, y + 3, (110, 100, 96))


def t_boulder(t, ground=None):
    (ground or t_grass)(t)
    t.ell(3, 3, 28, 22, (140, 136, 128))
    t.ell(7, 5, 18, 12, (176, 172, 164))


def t_gate(t, opened=False):
    t_grass(t)
    post = (150, 110, 70)
    t.rect(0, 2, 3, 22, post)
    t.rect(28, 2, 31, 22, post)
    if opened:
        for x in (4, 26):
            t.rect(x, 4, x + 1, 20, (246, 236, 210))
    else:
        t.rect(4, 6, 27, 8, (246, 236, 210))
        t.rect(4, 15, 27, 17, (246, 236, 210))
        for x in range(6, 27, 5):
            t.rect(x, 4, x + 2, 20, (246, 236, 210))
        t.rect(14, 10, 17, 13, (200, 160, 60))


def t_ledge(t):
    t_grass(t)
    t.rect(0, 17, 31, 23, (130, 110, 80))
    t.rect(0, 17, 31, 18, (100, 150, 70))
    for x in range(2, 32, 6):
        t.line([(x, 19), (x + 2, 23)], (110, 92, 66))


def t_save(t):
    t_dirt(t)
    t.ell(6, 12, 25, 23, (150, 150, 150))
    t.rect(12, 3, 19, 18, (170, 170, 166))
    t.ell(7, 0, 24, 8, (186, 186, 180))
    t.ell(11, 1, 20, 6, (120, 190, 240))  # a bird bath of clear water
    t.img.putpixel((14, 2), (250, 250, 250))


def t_shop(t):
    t_dirt(t)
    t.rect(2, 10, 29, 22, (170, 120, 70))
    t.rect(2, 10, 29, 12, (196, 146, 90))
    for x in (4, 10, 16, 22):
        t.ell(x, 5, x + 5, 11, [(220, 80, 70), (250, 200, 60), (120, 190, 90), (220, 120, 200)][x % 4])
    t.rect(0, 0, 31, 3, (220, 80, 70))
    for x in range(0, 32, 8):
        t.rect(x, 0, x + 3, 3, (250, 240, 230))


def t_shopkeeper(t):
    """The travelling shop's lantern post with its flag."""
    t_dirt(t)
    t.rect(14, 2, 16, 23, (120, 80, 50))
    t.rect(17, 3, 28, 10, (80, 130, 200))
    t.rect(19, 5, 26, 8, (250, 240, 200))
    t.ell(9, 10, 15, 17, (250, 200, 80))
    t.rect(11, 9, 13, 10, INK)


def t_mitsu(t):
    t_flowers(t, [(250, 150, 180), (250, 250, 200)])
    t.sprite(CHAR_ROWS["ミツ"], 2, 1)


def t_mogu_rubble(t):
    t_rubble(t)
    t.sprite(CHAR_ROWS["モグ"], 2, 1)


def t_nest_tree(t):
    t_pine(t)
    t.ell(8, 4, 24, 12, (130, 96, 60))
    t.ell(10, 3, 22, 8, (90, 66, 44))
    t.img.putpixel((19, 4), (250, 240, 140))
    t.img.putpixel((20, 5), (250, 240, 140))


def t_crow_nest(t):
    t_pine(t)
    t.ell(5, 12, 27, 21, (130, 96, 60))
    t.ell(8, 12, 24, 17, (90, 66, 44))
    cell = char_cell(LOOKS[CHAR_ROWS["クロウ"]][1], 2, 0).crop((0, 0, 32, 19))
    t.img.paste(cell, (0, -1), cell)
    t.ell(5, 16, 27, 22, (130, 96, 60))
    for x in (8, 14, 20):
        t.line([(x, 18), (x + 4, 20)], (100, 74, 48))


def t_gh_glass(t):
    t.fill(GLASS)
    t.line([(0, 0), (31, 0)], (120, 150, 150))
    t.line([(0, 11), (31, 11)], (120, 150, 150))
    t.line([(0, 23), (31, 23)], (120, 150, 150))
    t.line([(15, 0), (15, 23)], (120, 150, 150))
    t.line([(3, 9), (9, 3)], (236, 250, 250))
    t.line([(19, 21), (27, 13)], (236, 250, 250))


def t_gh_glass_thorn(t):
    t_gh_glass(t)
    t.line([(0, 18), (10, 10), (22, 16), (31, 6)], (80, 100, 50), 2)
    for x, y in ((6, 13), (16, 12), (26, 10)):
        t.poly([(x, y), (x + 2, y - 2), (x + 1, y + 1)], (220, 210, 170))


def t_gh_floor(t):
    t.fill(FLOOR_G)
    for y in (0, 12):
        t.line([(0, y), (31, y)], (176, 172, 152))
    for x in (0, 16):
        t.line([(x, 0), (x, 23)], (176, 172, 152))


def t_gh_door(t, opened=False):
    t_gh_glass(t)
    t.rect(7, 1, 24, 23, (90, 140, 110))
    t.rect(9, 3, 22, 23, FLOOR_G if opened else (190, 230, 236))
    if not opened:
        t.line([(15, 3), (15, 23)], (90, 140, 110))


def t_planter(t):
    t_gh_floor(t)
    t.rect(2, 8, 29, 22, (160, 90, 60))
    t.rect(3, 9, 28, 13, (110, 80, 60))
    for x in (6, 14, 22):
        t.line([(x, 10), (x - 1, 3)], (90, 150, 80))
        t.ell(x - 4, 1, x + 1, 5, (120, 180, 100))


def t_rosa(t):
    t_gh_floor(t)
    t.sprite(CHAR_ROWS["ローザ"], 2, 0)


def t_gh_thorns(t):
    t_thorns(t, t_gh_floor)


def t_stairs(t):
    t.fill((150, 146, 140))
    for i, y in enumerate(range(0, 24, 6)):
        t.rect(0, y, 31, y + 4, (180 - i * 12, 176 - i * 12, 170 - i * 12))


def t_bench(t):
    t_dirt(t)
    t.rect(3, 8, 28, 12, (170, 120, 70))
    t.rect(3, 4, 28, 6, (150, 100, 60))
    t.rect(5, 12, 7, 20, (120, 80, 50))
    t.rect(24, 12, 26, 20, (120, 80, 50))


def t_bloom(t):
    t_flowers(t, [(240, 80, 100), (250, 200, 60), (250, 150, 200), (160, 120, 240)])
    for x, y in ((16, 8), (9, 12), (27, 6)):
        t.img.putpixel((x, y), (250, 120, 160))


def t_black(t):
    t.fill((16, 16, 20))


def t_well_bottom_hole(t):
    t_cave_floor(t)
    t.ell(4, 3, 27, 21, (30, 26, 26))
    t.ell(9, 0, 22, 5, (120, 170, 220))


# key, column, row, passability, description, painter. Keys are one character each: a map row is
# twenty of them. Characters a record cannot hold (",", ":" the field separator, "=" the
# definition mark, "#" and a leading blank or double quote) are not used.
TILES = [
    (".", 0, 0, 0, "grass", t_grass),
    ("'", 1, 0, 0, "grass tufts", t_tufts),
    ("*", 2, 0, 0, "flowers", lambda t: t_flowers(t, [(240, 90, 110), (250, 250, 220), (250, 200, 60)])),
    ("w", 3, 0, 0, "withered bed", t_withered),
    ("@", 4, 0, 0, "bloom", t_bloom),
    ("+", 0, 1, 0, "dirt path", t_dirt),
    (";", 1, 1, 0, "path edge", t_dirt_edge),
    ("T", 0, 2, 5, "tree", t_tree),
    ("Y", 1, 2, 5, "pine", t_pine),
    ("t", 2, 2, 5, "bush", t_bush),
    ("N", 3, 2, 5, "nest tree", t_nest_tree),
    ("n", 4, 2, 5, "crow on its nest", t_crow_nest),
    ("-", 0, 3, 5, "fence", t_fence_h),
    ("|", 1, 3, 5, "fence post", t_fence_v),
    ("Q", 2, 3, 5, "gate closed", lambda t: t_gate(t, False)),
    ("q", 3, 3, 0, "gate open", lambda t: t_gate(t, True)),
    ("^", 4, 3, 1, "ledge (down only)", t_ledge),
    ("~", 0, 4, 5, "water", t_water),
    ("O", 1, 4, 0, "old well (dry)", lambda t: t_well(t, True)),
    ("o", 2, 4, 5, "well (water)", lambda t: t_well(t, False)),
    ("H", 0, 5, 5, "house wall", t_house_wall),
    ("R", 1, 5, 5, "roof", t_roof),
    ("D", 2, 5, 0, "house door", t_house_door),
    ("h", 3, 5, 0, "wooden floor", t_floor_wood),
    ("I", 4, 5, 5, "inner wall", t_inner_wall),
    ("z", 5, 5, 5, "ぞーぶ in bed", t_bed_zove),
    ("e", 6, 5, 5, "table", t_table),
    ("k", 7, 5, 5, "bookshelf", t_shelf),
    ("u", 8, 5, 0, "rug", t_rug),
    ("c", 0, 6, 0, "cave floor", t_cave_floor),
    ("r", 1, 6, 5, "rock wall", t_rock),
    ("x", 2, 6, 5, "rubble", t_rubble),
    ("L", 3, 6, 0, "ladder up", t_ladder),
    ("p", 4, 6, 5, "puddle", t_puddle),
    ("s", 5, 6, 5, "spring", t_spring),
    ("m", 6, 6, 5, "モグ in the rubble", t_mogu_rubble),
    ("0", 7, 6, 0, "hole up", t_well_bottom_hole),
    ("B", 0, 7, 5, "chest", lambda t: t_chest(t, False)),
    ("b", 1, 7, 5, "chest open", lambda t: t_chest(t, True)),
    ("C", 2, 7, 5, "chest (cave)", lambda t: t_chest(t, False, t_cave_floor)),
    ("d", 3, 7, 5, "chest open (cave)", lambda t: t_chest(t, True, t_cave_floor)),
    ("E", 4, 7, 5, "chest (greenhouse)", lambda t: t_chest(t, False, t_gh_floor)),
    ("f", 5, 7, 5, "chest open (greenhouse)", lambda t: t_chest(t, True, t_gh_floor)),
    ("K", 0, 8, 5, "sign", t_sign),
    ("X", 1, 8, 5, "thorns", lambda t: t_thorns(t, t_grass)),
    ("M", 2, 8, 5, "dirt mound", t_mound),
    ("P", 3, 8, 5, "boulder", t_boulder),
    ("V", 4, 8, 5, "bird bath (save)", t_save),
    ("S", 5, 8, 5, "shop stall", t_shop),
    ("A", 6, 8, 5, "shop lantern", t_shopkeeper),
    ("j", 7, 8, 5, "ミツ on a flower", t_mitsu),
    ("&", 8, 8, 5, "bench", t_bench),
    ("G", 0, 9, 5, "greenhouse glass", t_gh_glass),
    ("g", 1, 9, 0, "greenhouse floor", t_gh_floor),
    ("J", 2, 9, 5, "greenhouse glass, thorns", t_gh_glass_thorn),
    ("U", 3, 9, 5, "greenhouse door closed", lambda t: t_gh_door(t, False)),
    ("v", 4, 9, 0, "greenhouse door open", lambda t: t_gh_door(t, True)),
    ("l", 5, 9, 5, "planter", t_planter),
    ("Z", 6, 9, 5, "ローザ", t_rosa),
    ("y", 7, 9, 5, "thorns (greenhouse)", t_gh_thorns),
    ("W", 0, 10, 0, "stone stairs", t_stairs),
    ("_", 14, 14, 5, "outside (black)", t_black),
]


def tile_sheet():
    sheet = Image.new("RGB", (482, 363), (254, 254, 254))
    for i, (key, col, row, _, _, painter) in enumerate(TILES):
        t = Tile(1000 + i)
        painter(t)
        sheet.paste(t.img, (col * CW, row * CH))
    return sheet


def main(argv):
    out = os.path.join(os.path.dirname(HERE), "assets")
    preview = None
    args = list(argv)
    if "--preview" in args:
        i = args.index("--preview")
        preview = args[i + 1]
        del args[i:i + 2]
    if args:
        out = args[0]
    os.makedirs(out, exist_ok=True)
    chars = char_sheet()
    tiles = tile_sheet()
    chars.save(os.path.join(out, "field_chars.png"))
    tiles.save(os.path.join(out, "field_tiles.png"))
    if preview:
        os.makedirs(preview, exist_ok=True)
        chars.resize((chars.width * 3, chars.height * 3), Image.NEAREST).save(os.path.join(preview, "chars.png"))
        tiles.resize((tiles.width * 3, tiles.height * 3), Image.NEAREST).save(os.path.join(preview, "tiles.png"))


if __name__ == "__main__":
    main(sys.argv[1:])
