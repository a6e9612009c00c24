#!/usr/bin/python3
"""Draws the pictures, sounds and music of the demo game's battles into game/.

    tools/make_battle_media.py [GAME_DIR] [--entries]     (default: game/ beside this folder)

Pictures (PNG, pic/battle_*.png): the command panel 3000, the message panel 3001, the enemies'
hit-point panels 3002-3004, the player's panel 3005, the player ハル in seven poses 3101-3107, the
26 enemies 5001-5026 at the sizes of eve/A_ENEMY_FILE.ini, and the hit frames 4011-4064 (four
frames for each damage formula 1-6, 80 x 80, drawn centred on the enemy). Pure white is the
transparent colour: the battle screen itself is white, so every picture keeps its white where the
screen should show through.
Sounds (WAV, sound/battle_*.wav): 21 victory, 22 command chosen, 101-106 the hits of formulas 1-6,
110 an enemy's blow, 111 an enemy heals, 112 an enemy grows stronger, 113 drain or weakening.
Music (MIDI, mid/battle_*.mid): 10 battle, 11 boss battle, 12 the master of the well, 13 defeat.

Deterministic: the same run gives the same bytes. `--entries` prints the index entries.
"""
import math
import os
import random
import sys

import numpy as np
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import midi  # noqa: E402
import make_story_media as sm  # noqa: E402  (drawing helpers and the characters' faces)
from make_story_media import S, ell, poly, line, arc, rect, text, INK  # noqa: E402

WHITE = (255, 255, 255)
RATE = sm.RATE


def canvas(w, h):
    return sm.canvas(w, h, WHITE)


def finish(img, w, h):
    """Scales down; pure white stays transparent, near-white fringes become white too."""
    out = img.resize((w, h), Image.LANCZOS)
    a = np.asarray(out).copy()
    light = (a[:, :, 0] >= 250) & (a[:, :, 1] >= 250) & (a[:, :, 2] >= 250)
    a[light] = WHITE
    return Image.fromarray(a)


def opaque_white(c):
    return tuple(min(v, 250) for v in c)


# ---------------------------------------------------------------- panels

PANEL = (250, 244, 226)
PANEL_EDGE = (150, 112, 70)
LEAF = (110, 168, 90)


def leaf(d, x, y, s, rot):
    pts = []
    for k in range(13):
        t = k / 12 * math.pi
        r = s * math.sin(t) * 0.4
        px, py = math.cos(t) * s, r
        pts.append((px, py))
    pts += [(math.cos(t) * s, -s * math.sin(t) * 0.4) for t in np.linspace(math.pi, 0, 12)]
    c, sn = math.cos(rot), math.sin(rot)
    poly(d, [(x + px * c - py * sn, y + px * sn + py * c) for px, py in pts], LEAF, outline=(70, 120, 60),
         width=1)


def pic_command_panel():
    w, h = 189, 96
    img, d = canvas(w, h)
    rect(d, 1, 1, w - 2, h - 2, PANEL, outline=PANEL_EDGE, width=2, radius=8)
    rect(d, 4, 4, w - 5, h - 5, None, outline=(214, 190, 150), width=1, radius=6)
    for i in range(3):
        y = 8 + 22 * i + 17
        line(d, [(12, y), (w - 12, y)], fill=(228, 214, 186), width=1)
    leaf(d, 9, 9, 6, 0.6)
    return finish(img, w, h)


def pic_message_panel():
    w, h = 268, 96
    img, d = canvas(w, h)
    rect(d, 1, 1, w - 2, h - 2, (244, 248, 250), outline=(96, 120, 150), width=2, radius=8)
    rect(d, 4, 4, w - 5, h - 5, None, outline=(190, 206, 222), width=1, radius=6)
    for x, y, r in ((w - 12, h - 12, 4), (w - 22, h - 9, 3)):
        sm.flower(d, x, y, r, (246, 170, 186))
    return finish(img, w, h)


def hp_panel(bar_x, bar_y, label_x, tint):
    w, h = 131, 35
    img, d = canvas(w, h)
    # Inside (0, 3)-(130, 33): what the battle wipes when the enemy falls.
    rect(d, max(0, bar_x - 4), 3, w - 1, h - 2, opaque_white(tint), outline=None, radius=6)
    text(d, label_x, 5, "HP", 10, (120, 60, 40))
    # The full bar: the battle covers its lost part in grey.
    rect(d, bar_x, bar_y, bar_x + 120, bar_y + 3.2, (86, 190, 96), outline=None)
    line(d, [(bar_x, bar_y + 0.6), (bar_x + 120, bar_y + 0.6)], fill=(150, 230, 150), width=1)
    return finish(img, w, h)


def pic_enemy_panel():
    return hp_panel(4, 23, 4, (252, 236, 232))


def pic_player_panel():
    return hp_panel(0, 22, 2, (234, 246, 232))


# ---------------------------------------------------------------- the player

SKIN = (252, 222, 196)
OVERALLS = (96, 160, 92)
SHIRT = (250, 236, 200)
BOOTS = (150, 96, 60)
CAN = (120, 170, 200)


def watering_can(d, x, y, s, tilt=0.0):
    """A watering can with its spout to the left, centred on (x, y)."""
    c, sn = math.cos(tilt), math.sin(tilt)

    def P(px, py):
        return (x + (px * c - py * sn) * s, y + (px * sn + py * c) * s)

    poly(d, [P(-0.4, -0.35), P(0.4, -0.35), P(0.45, 0.4), P(-0.45, 0.4)], CAN, width=1.5)
    poly(d, [P(-0.4, 0.0), P(-1.1, -0.55), P(-1.2, -0.45), P(-0.42, 0.22)], CAN, width=1.5)
    ell(d, *P(-1.18, -0.52), s * 0.12, s * 0.12, (150, 196, 220), width=1.2)
    arc(d, *P(0.1, -0.45), s * 0.35, s * 0.3, 180, 360, fill=INK, width=2)


haru_head = sm.haru_head


def haru_body(d, cx, top, s, lean=0.0, arm_up=False):
    """Haru standing, facing left: head (the story's face), overalls, arms and boots."""
    body_y = top + s * 2.0
    # legs and boots
    for dx in (-0.28, 0.22):
        rect(d, cx + dx * s - s * 0.14, body_y + s * 0.7, cx + dx * s + s * 0.14, body_y + s * 1.45, OVERALLS,
             outline=INK, width=1.5)
        ell(d, cx + dx * s - s * 0.08, body_y + s * 1.52, s * 0.26, s * 0.14, BOOTS, width=1.5)
    # body
    poly(d, [(cx - s * 0.55 + lean * s, body_y - s * 0.55), (cx + s * 0.5 + lean * s, body_y - s * 0.55),
             (cx + s * 0.62, body_y + s * 0.85), (cx - s * 0.62, body_y + s * 0.85)], SHIRT, width=1.5)
    poly(d, [(cx - s * 0.42 + lean * s, body_y - s * 0.2), (cx + s * 0.4 + lean * s, body_y - s * 0.2),
             (cx + s * 0.6, body_y + s * 0.85), (cx - s * 0.6, body_y + s * 0.85)], OVERALLS, width=1.5)
    rect(d, cx - s * 0.18 + lean * s * 0.6, body_y + s * 0.05, cx + s * 0.18 + lean * s * 0.6, body_y + s * 0.35,
         (120, 186, 112), outline=INK, width=1)
    haru_head(d, cx + lean * s * 1.2, top + s * 0.9, s)
    # the arm holding the can
    hx, hy = cx - s * 0.75 + lean * s, body_y + (-0.5 if arm_up else 0.15) * s
    line(d, [(cx - s * 0.3 + lean * s, body_y - s * 0.35), (hx, hy)], fill=SHIRT, width=s * 0.22)
    line(d, [(cx - s * 0.3 + lean * s, body_y - s * 0.35), (hx, hy)], fill=INK, width=1)
    ell(d, hx, hy, s * 0.12, s * 0.12, SKIN, width=1.2)
    return hx, hy


def closed_eyes(d, cx, cy, s, pained=False):
    """Paints over the open eyes of haru_head with shut (or squeezed) ones."""
    for side in (-1, 1):
        ex = cx + side * s * 0.22
        ell(d, ex, cy + s * 0.1, s * 0.09, s * 0.12, SKIN, outline=None)
        if pained:
            line(d, [(ex - s * 0.08, cy + s * 0.04), (ex + s * 0.06 * -side, cy + s * 0.1),
                     (ex - s * 0.08 * -side, cy + s * 0.16)], width=2)
        else:
            arc(d, ex, cy + s * 0.08, s * 0.08, s * 0.05, 20, 160, width=2)


def player_picture(pose):
    w, h = 130, 180
    img, d = canvas(w, h)
    s = 34
    cx, top = 74, 6
    if pose == "fallen":
        layer, ld = canvas(h, h)
        ls = 28
        lx, ltop = 90, 10
        haru_body(ld, lx, ltop, ls)
        closed_eyes(ld, lx, ltop + ls * 0.9, ls)
        layer = layer.rotate(88, resample=Image.BICUBIC, fillcolor=WHITE)
        img.paste(layer.crop((S(14), 0, S(14 + w), S(h))), (0, S(18)))
        d = ImageDraw.Draw(img)
        ell(d, 66, 170, 58, 5, (226, 226, 226), outline=None)
        watering_can(d, 108, 150, 14, 1.2)
        for k in range(3):
            sm.flower(d, 14 + k * 11, 92 - k * 4, 3, (250, 220, 90))
        return finish(img, w, h)
    lean = {"attack": -0.35, "hit": 0.3, "tired": -0.12, "critical": -0.3}.get(pose, 0.0)
    if pose == "attack":
        cx += 8
    if pose == "critical":
        top += 10
    hx, hy = haru_body(d, cx, top, s, lean=lean, arm_up=pose in ("attack", "power"))
    tilt = -0.6 if pose == "attack" else (0.5 if pose == "critical" else 0.0)
    watering_can(d, hx - s * 0.2, hy + s * 0.1, s * 0.55, tilt)
    face_x, face_y = cx + lean * s * 1.2, top + s * 0.9
    if pose == "attack":
        for k in range(10):
            x, y = 4 + 3.2 * k, hy - s * 0.55 + (k % 3) * 7 + k * 1.8
            ell(d, x, y, 2.4, 3.2, (120, 186, 240), outline=(80, 140, 200), width=1)
    if pose == "hit":
        for k in range(5):
            a = 2 * math.pi * k / 5 + 0.3
            x, y = face_x + math.cos(a) * 40, face_y - 18 + math.sin(a) * 12
            sm.flower(d, x, y, 3.5, (250, 214, 70), centre=(250, 240, 160))
        closed_eyes(d, face_x, face_y, s, pained=True)
    if pose in ("tired", "critical"):
        for k in range(2 if pose == "tired" else 4):
            x, y = face_x + s * (0.55 + 0.12 * k), face_y - s * 0.3 + k * 7
            poly(d, [(x, y - 5), (x + 3, y + 1), (x, y + 3), (x - 3, y + 1)], (140, 200, 250), outline=(80, 140, 200),
                 width=1)
    if pose == "critical":
        closed_eyes(d, face_x, face_y, s, pained=True)
        ell(d, 66, 176, 50, 3, (226, 226, 226), outline=None)
    if pose == "power":
        for k in range(9):
            a = 2 * math.pi * k / 9
            r = 52 + (k % 2) * 8
            x, y = cx + math.cos(a) * r * 0.9, 90 + math.sin(a) * r * 1.2
            poly(d, [(x, y - 6), (x + 2, y - 2), (x + 6, y), (x + 2, y + 2), (x, y + 6), (x - 2, y + 2), (x - 6, y),
                     (x - 2, y - 2)], (250, 220, 80), outline=(220, 160, 40), width=1)
    return finish(img, w, h)


# ---------------------------------------------------------------- enemies

EYE = (250, 250, 250)


def eyes(d, x, y, r, gap, angry=False, look=-0.3):
    for side in (-1, 1):
        ex = x + side * gap
        ell(d, ex, y, r, r * 1.1, EYE, width=1.2)
        ell(d, ex + look * r, y + r * 0.1, r * 0.5, r * 0.6, INK, outline=None)
        if angry:
            line(d, [(ex - r * 1.1 * side * -1, y - r * 1.6), (ex + r * 1.1 * side * -1, y - r * 1.0)], width=2)


def legs(d, x0, x1, y, n, length, colour=INK, width=2):
    for k in range(n):
        x = x0 + (x1 - x0) * k / max(1, n - 1)
        line(d, [(x, y), (x - 3, y + length * 0.6), (x - 6, y + length)], fill=colour, width=width)


def wings(d, cx, cy, rx, ry, colour, edge=(130, 150, 170)):
    ell(d, cx - rx * 0.6, cy, rx, ry, colour, outline=edge, width=1.2)
    ell(d, cx + rx * 0.6, cy, rx, ry, colour, outline=edge, width=1.2)


def thorns_along(d, pts, colour, size):
    for (x0, y0), (x1, y1) in zip(pts, pts[1:]):
        mx, my = (x0 + x1) / 2, (y0 + y1) / 2
        dx, dy = x1 - x0, y1 - y0
        L = math.hypot(dx, dy) or 1
        nx, ny = -dy / L, dx / L
        for side in (-1, 1):
            poly(d, [(mx - dx / L * size * 0.5, my - dy / L * size * 0.5),
                     (mx + dx / L * size * 0.5, my + dy / L * size * 0.5),
                     (mx + nx * side * size * 1.3, my + ny * side * size * 1.3)], colour, outline=None)


def curve(x0, y0, x1, y1, bend, n=12):
    pts = []
    for k in range(n + 1):
        t = k / n
        x = x0 + (x1 - x0) * t + math.sin(t * math.pi) * bend
        y = y0 + (y1 - y0) * t
        pts.append((x, y))
    return pts


def e_aphid(d, w, h):
    ell(d, w * 0.55, h * 0.58, w * 0.36, h * 0.3, (150, 210, 110))
    ell(d, w * 0.24, h * 0.5, w * 0.16, h * 0.17, (170, 224, 130))
    legs(d, w * 0.35, w * 0.75, h * 0.82, 3, h * 0.14)
    line(d, [(w * 0.18, h * 0.38), (w * 0.08, h * 0.12)], width=1.5)
    line(d, [(w * 0.28, h * 0.36), (w * 0.3, h * 0.1)], width=1.5)
    eyes(d, w * 0.22, h * 0.48, w * 0.035, w * 0.06)
    arc(d, w * 0.6, h * 0.5, w * 0.2, h * 0.12, 200, 330, fill=(200, 240, 170), width=2)


def e_slug(d, w, h, colour=(196, 160, 120), big=False):
    # A soft body: the foot along the ground, the back arching from the raised head to the tail tip.
    foot = h * 0.9
    back = [(w * (0.08 + 0.9 * t), foot - h * (0.5 * math.sin(math.pi * (0.15 + 0.85 * t)) ** 0.8) * (1.0 - 0.55 * t))
            for t in np.linspace(0, 1, 24)]
    poly(d, back + [(w * 0.98, foot), (w * 0.1, foot)], colour)
    rect(d, w * 0.08, foot - 3, w * 0.95, foot + 3, tuple(max(0, c - 30) for c in colour), outline=INK, width=1.2,
         radius=3)
    ell(d, w * 0.2, h * 0.52, w * 0.15, h * 0.24, colour)
    for side in (-1, 1):
        line(d, [(w * 0.2 + side * w * 0.05, h * 0.36), (w * 0.18 + side * w * 0.09, h * 0.1)], width=2)
        ell(d, w * 0.18 + side * w * 0.09, h * 0.1, w * 0.03, w * 0.03, INK, outline=None)
    ell(d, w * 0.17, h * 0.5, w * 0.025, h * 0.05, INK, outline=None)
    ell(d, w * 0.25, h * 0.5, w * 0.025, h * 0.05, INK, outline=None)
    arc(d, w * 0.21, h * 0.62, w * 0.05, h * 0.05, 20, 160, width=1.5)
    for k in range(3 if big else 2):
        ell(d, w * (0.45 + 0.13 * k), h * (0.5 + 0.06 * k), w * 0.03, h * 0.04, (236, 214, 186), outline=None)
    if big:
        for k in range(4):
            ell(d, w * (0.3 + 0.18 * k), h * 0.97, w * 0.04, h * 0.025, (180, 220, 240), outline=(120, 160, 200),
                width=1)


def e_caterpillar(d, w, h):
    for k in range(5, -1, -1):
        x = w * (0.82 - 0.13 * k)
        y = h * (0.6 - 0.18 * math.sin(k / 5 * math.pi))
        ell(d, x, y, w * 0.1, h * 0.22, (130, 200, 80) if k % 2 else (150, 216, 96))
        ell(d, x, y - h * 0.1, w * 0.025, w * 0.025, (250, 200, 70), outline=None)
    ell(d, w * 0.12, h * 0.55, w * 0.11, h * 0.28, (236, 170, 80))
    eyes(d, w * 0.1, h * 0.5, w * 0.025, w * 0.04, angry=True)
    line(d, [(w * 0.06, h * 0.72), (w * 0.16, h * 0.72)], width=2)


def e_pillbug(d, w, h):
    ell(d, w * 0.52, h * 0.58, w * 0.42, h * 0.36, (120, 118, 130))
    for k in range(1, 6):
        x = w * (0.1 + 0.14 * k)
        arc(d, x, h * 0.58, w * 0.06, h * 0.34, 280, 80, fill=(80, 80, 96), width=2)
    ell(d, w * 0.14, h * 0.62, w * 0.1, h * 0.16, (100, 98, 112))
    eyes(d, w * 0.14, h * 0.58, w * 0.03, w * 0.035)
    legs(d, w * 0.25, w * 0.8, h * 0.9, 6, h * 0.08)


def e_bat(d, w, h):
    for side in (-1, 1):
        pts = [(w * 0.5, h * 0.4), (w * 0.5 + side * w * 0.46, h * 0.15), (w * 0.5 + side * w * 0.4, h * 0.55),
               (w * 0.5 + side * w * 0.3, h * 0.48), (w * 0.5 + side * w * 0.22, h * 0.62)]
        poly(d, pts, (96, 80, 120))
    ell(d, w * 0.5, h * 0.5, w * 0.16, h * 0.26, (110, 92, 136))
    for side in (-1, 1):
        poly(d, [(w * 0.5 + side * w * 0.04, h * 0.3), (w * 0.5 + side * w * 0.12, h * 0.06),
                 (w * 0.5 + side * w * 0.14, h * 0.32)], (110, 92, 136))
    eyes(d, w * 0.5, h * 0.44, w * 0.03, w * 0.055, angry=True, look=0)
    poly(d, [(w * 0.46, h * 0.6), (w * 0.48, h * 0.7), (w * 0.5, h * 0.6)], EYE, outline=None)
    poly(d, [(w * 0.5, h * 0.6), (w * 0.52, h * 0.7), (w * 0.54, h * 0.6)], EYE, outline=None)


def e_frog(d, w, h):
    ell(d, w * 0.5, h * 0.65, w * 0.42, h * 0.3, (96, 170, 90))
    ell(d, w * 0.5, h * 0.72, w * 0.26, h * 0.18, (200, 226, 150), outline=None)
    for side in (-1, 1):
        ell(d, w * 0.5 + side * w * 0.2, h * 0.34, w * 0.12, h * 0.14, (96, 170, 90))
        ell(d, w * 0.5 + side * w * 0.2, h * 0.34, w * 0.07, h * 0.08, (250, 230, 120), width=1)
        ell(d, w * 0.5 + side * w * 0.2, h * 0.35, w * 0.02, h * 0.06, INK, outline=None)
        ell(d, w * 0.5 + side * w * 0.38, h * 0.92, w * 0.12, h * 0.06, (86, 150, 80))
    arc(d, w * 0.5, h * 0.5, w * 0.22, h * 0.12, 20, 160, width=2)


def e_spider(d, w, h, body=(120, 110, 104), glass=False):
    edge = (90, 130, 170) if glass else INK
    for side in (-1, 1):
        for k in range(4):
            x0 = w * 0.5 + side * w * 0.1
            y0 = h * (0.42 + 0.07 * k)
            line(d, [(x0, y0), (w * 0.5 + side * w * (0.3 + 0.03 * k), h * (0.2 + 0.1 * k)),
                     (w * 0.5 + side * w * (0.46 - 0.02 * k), h * (0.7 + 0.06 * k))], fill=edge, width=2)
    ell(d, w * 0.5, h * 0.62, w * 0.22, h * 0.24, body, outline=edge)
    ell(d, w * 0.5, h * 0.36, w * 0.15, h * 0.15, body, outline=edge)
    if glass:
        arc(d, w * 0.46, h * 0.58, w * 0.12, h * 0.14, 200, 280, fill=EYE, width=2)
    for k, (dx, dy) in enumerate(((-0.06, -0.02), (0.06, -0.02), (-0.03, 0.04), (0.03, 0.04))):
        ell(d, w * (0.5 + dx), h * (0.34 + dy), w * 0.025, w * 0.025, (220, 60, 60), outline=None)
    line(d, [(w * 0.45, h * 0.48), (w * 0.44, h * 0.54)], width=2)
    line(d, [(w * 0.55, h * 0.48), (w * 0.56, h * 0.54)], width=2)


def e_mole(d, w, h):
    s = h * 0.42
    ell(d, w * 0.5, h * 0.72, w * 0.42, h * 0.3, (110, 92, 88))
    sm.draw_mogu(d, w * 0.5, h * 0.4, s)
    for k in range(5):
        ell(d, w * (0.12 + 0.19 * k), h * 0.97, w * 0.07, h * 0.03, (150, 110, 70), outline=None)


def e_crow(d, w, h, boss=False):
    s = h * (0.36 if boss else 0.4)
    for side in (-1, 1):
        poly(d, [(w * 0.5, h * 0.5), (w * 0.5 + side * w * 0.48, h * (0.3 if boss else 0.45)),
                 (w * 0.5 + side * w * 0.36, h * 0.66), (w * 0.5 + side * w * 0.1, h * 0.72)], (30, 30, 46))
    if boss:
        sm.draw_crow(d, w * 0.5, h * 0.34, s)
        poly(d, [(w * 0.36, h * 0.1), (w * 0.4, h * 0.0 + 2), (w * 0.45, h * 0.08), (w * 0.5, h * 0.0 + 2),
                 (w * 0.55, h * 0.08), (w * 0.6, h * 0.0 + 2), (w * 0.64, h * 0.1)], (246, 200, 60), width=1.5)
    else:
        ell(d, w * 0.5, h * 0.62, w * 0.24, h * 0.26, (40, 40, 56))
        ell(d, w * 0.5, h * 0.34, w * 0.2, h * 0.22, (34, 34, 48))
        poly(d, [(w * 0.42, h * 0.38), (w * 0.2, h * 0.44), (w * 0.42, h * 0.48)], (246, 190, 50), width=1.2)
        eyes(d, w * 0.5, h * 0.3, w * 0.03, w * 0.06, angry=True)
        for side in (-1, 1):
            line(d, [(w * 0.5 + side * w * 0.06, h * 0.86), (w * 0.5 + side * w * 0.08, h * 0.98)],
                 fill=(220, 170, 60), width=2)


def e_mouse(d, w, h):
    line(d, [(w * 0.8, h * 0.7), (w * 0.95, h * 0.5), (w * 0.9, h * 0.2)], fill=(200, 150, 140), width=2)
    ell(d, w * 0.55, h * 0.64, w * 0.32, h * 0.3, (170, 130, 100))
    ell(d, w * 0.28, h * 0.46, w * 0.2, h * 0.22, (180, 140, 110))
    ell(d, w * 0.3, h * 0.22, w * 0.11, h * 0.12, (180, 140, 110))
    ell(d, w * 0.3, h * 0.22, w * 0.06, h * 0.07, (240, 180, 180), outline=None)
    ell(d, w * 0.1, h * 0.5, w * 0.04, w * 0.04, (240, 130, 150), outline=None)
    eyes(d, w * 0.24, h * 0.42, w * 0.03, w * 0.05)
    rect(d, w * 0.12, h * 0.58, w * 0.18, h * 0.68, EYE, outline=INK, width=1)
    ell(d, w * 0.62, h * 0.9, w * 0.1, h * 0.05, (150, 110, 80), outline=None)


def e_mushroom(d, w, h):
    poly(d, [(w * 0.3, h * 0.5), (w * 0.7, h * 0.5), (w * 0.78, h * 0.98), (w * 0.22, h * 0.98)], (240, 228, 210))
    ell(d, w * 0.5, h * 0.34, w * 0.48, h * 0.3, (170, 110, 190))
    for x, y, r in ((0.3, 0.25, 0.07), (0.55, 0.18, 0.06), (0.72, 0.32, 0.05), (0.42, 0.4, 0.05)):
        ell(d, w * x, h * y, w * r, w * r, (236, 214, 244), outline=None)
    eyes(d, w * 0.5, h * 0.7, w * 0.05, w * 0.12, look=0)
    arc(d, w * 0.5, h * 0.86, w * 0.1, h * 0.05, 200, 340, width=2)
    for k in range(6):
        ell(d, w * (0.1 + 0.16 * k), h * (0.06 + 0.04 * (k % 2)), w * 0.02, w * 0.02, (200, 170, 220), outline=None)


def e_hornet(d, w, h):
    wings(d, w * 0.52, h * 0.28, w * 0.18, h * 0.14, (220, 236, 246))
    ell(d, w * 0.68, h * 0.6, w * 0.26, h * 0.2, (240, 180, 40))
    for k in range(3):
        x = w * (0.6 + 0.1 * k)
        line(d, [(x, h * 0.43), (x, h * 0.77)], fill=(60, 44, 34), width=w * 0.035)
    poly(d, [(w * 0.92, h * 0.58), (w * 1.0 - 1, h * 0.66), (w * 0.9, h * 0.68)], INK, outline=None)
    ell(d, w * 0.38, h * 0.56, w * 0.12, h * 0.14, (120, 80, 40))
    ell(d, w * 0.2, h * 0.52, w * 0.14, h * 0.16, (240, 180, 40))
    eyes(d, w * 0.18, h * 0.48, w * 0.04, w * 0.06, angry=True)
    legs(d, w * 0.32, w * 0.46, h * 0.68, 3, h * 0.18)


def e_moth(d, w, h):
    for side in (-1, 1):
        ell(d, w * 0.5 + side * w * 0.26, h * 0.4, w * 0.24, h * 0.32, (190, 160, 110), outline=(120, 90, 60))
        ell(d, w * 0.5 + side * w * 0.2, h * 0.74, w * 0.16, h * 0.2, (170, 140, 100), outline=(120, 90, 60))
        ell(d, w * 0.5 + side * w * 0.28, h * 0.4, w * 0.08, h * 0.1, (140, 80, 160), outline=None)
        ell(d, w * 0.5 + side * w * 0.28, h * 0.4, w * 0.035, h * 0.045, (250, 214, 90), outline=None)
    ell(d, w * 0.5, h * 0.55, w * 0.08, h * 0.34, (120, 96, 70))
    eyes(d, w * 0.5, h * 0.26, w * 0.025, w * 0.04, look=0)
    for side in (-1, 1):
        line(d, [(w * 0.5 + side * w * 0.03, h * 0.2), (w * 0.5 + side * w * 0.14, h * 0.03)], width=1.5)
    for k in range(7):
        ell(d, w * (0.15 + 0.12 * k), h * (0.92 + 0.03 * (k % 2)), 1.5, 1.5, (200, 190, 120), outline=None)


def e_boar(d, w, h):
    ell(d, w * 0.56, h * 0.55, w * 0.4, h * 0.34, (130, 96, 70))
    for k in range(7):
        x = w * (0.35 + 0.08 * k)
        line(d, [(x, h * 0.24), (x + 3, h * 0.16)], fill=(90, 66, 48), width=2)
    ell(d, w * 0.2, h * 0.55, w * 0.18, h * 0.22, (140, 104, 76))
    ell(d, w * 0.08, h * 0.6, w * 0.07, h * 0.09, (220, 160, 150))
    for dy in (-0.02, 0.03):
        ell(d, w * 0.07, h * (0.6 + dy), 1.5, 1.5, INK, outline=None)
    arc(d, w * 0.12, h * 0.72, w * 0.08, h * 0.12, 90, 200, fill=(250, 244, 230), width=3)
    eyes(d, w * 0.22, h * 0.44, w * 0.025, w * 0.04, angry=True)
    poly(d, [(w * 0.24, h * 0.34), (w * 0.3, h * 0.18), (w * 0.34, h * 0.36)], (120, 88, 64))
    for x in (0.3, 0.45, 0.7, 0.85):
        rect(d, w * x - 5, h * 0.8, w * x + 5, h * 0.97, (110, 80, 58), outline=INK, width=1.2)


def e_thorn_vine(d, w, h, colour=(60, 120, 60)):
    for k, bend in enumerate((-14, 10, -6)):
        pts = curve(w * (0.3 + 0.2 * k), h * 0.98, w * (0.35 + 0.15 * k), h * (0.12 + 0.1 * k), bend)
        line(d, pts, fill=colour, width=5)
        thorns_along(d, pts[::2], (40, 80, 40), 3)
    ell(d, w * 0.5, h * 0.28, w * 0.18, h * 0.1, colour, outline=(40, 80, 40))
    eyes(d, w * 0.5, h * 0.28, w * 0.035, w * 0.07, angry=True, look=0)
    for x in (0.3, 0.7):
        leaf(d, w * x, h * 0.6, 7, 2.4 if x < 0.5 else 0.6)


def e_flytrap(d, w, h):
    line(d, curve(w * 0.5, h * 0.98, w * 0.5, h * 0.55, 6), fill=(80, 140, 60), width=5)
    for side in (-1, 1):
        leaf(d, w * 0.5 + side * w * 0.22, h * 0.85, 12, 0 if side > 0 else math.pi)
    for side in (-1, 1):
        pts = [(w * 0.16, h * 0.42), (w * 0.5, h * (0.42 + side * 0.3)), (w * 0.84, h * 0.42)]
        poly(d, [(w * 0.16, h * 0.42)] + [(w * (0.16 + 0.68 * t), h * (0.42 + side * 0.32 * math.sin(t * math.pi)))
                                        for t in np.linspace(0, 1, 12)], (120, 190, 80))
        poly(d, [(w * 0.22, h * 0.42)] + [(w * (0.22 + 0.56 * t), h * (0.42 + side * 0.2 * math.sin(t * math.pi)))
                                        for t in np.linspace(0, 1, 10)], (220, 80, 80), outline=None)
        for k in range(7):
            x = w * (0.2 + 0.1 * k)
            y = h * (0.42 + side * 0.32 * math.sin((0.04 + 0.14 * k) * math.pi))
            line(d, [(x, y), (x, y + side * 6)], fill=(240, 240, 200), width=2)
        del pts
    eyes(d, w * 0.5, h * 0.24, w * 0.04, w * 0.08, angry=True, look=0)


def e_cactus(d, w, h):
    rect(d, w * 0.22, h * 0.78, w * 0.78, h * 0.98, (200, 120, 80), outline=INK, width=1.5, radius=3)
    rect(d, w * 0.33, h * 0.12, w * 0.67, h * 0.8, (100, 170, 90), outline=INK, width=1.5, radius=12)
    rect(d, w * 0.08, h * 0.35, w * 0.3, h * 0.5, (100, 170, 90), outline=INK, width=1.5, radius=6)
    rect(d, w * 0.08, h * 0.2, w * 0.2, h * 0.45, (100, 170, 90), outline=INK, width=1.5, radius=6)
    rect(d, w * 0.7, h * 0.45, w * 0.92, h * 0.58, (100, 170, 90), outline=INK, width=1.5, radius=6)
    rect(d, w * 0.8, h * 0.3, w * 0.92, h * 0.55, (100, 170, 90), outline=INK, width=1.5, radius=6)
    rng = random.Random(18)
    for _ in range(26):
        x, y = rng.uniform(0.35, 0.65) * w, rng.uniform(0.15, 0.75) * h
        line(d, [(x, y), (x + rng.uniform(-4, 4), y - 4)], fill=(250, 246, 210), width=1)
    eyes(d, w * 0.5, h * 0.38, w * 0.035, w * 0.07, angry=True, look=0)
    sm.flower(d, w * 0.5, h * 0.1, 4, (246, 120, 170))


def e_guardian(d, w, h):
    e_thorn_vine(d, w, h, colour=(70, 104, 56))
    poly(d, [(w * 0.3, h * 0.34), (w * 0.7, h * 0.34), (w * 0.66, h * 0.7), (w * 0.5, h * 0.8), (w * 0.34, h * 0.7)],
         (130, 130, 150), width=2)
    line(d, [(w * 0.5, h * 0.38), (w * 0.5, h * 0.74)], fill=(90, 90, 110), width=2)
    sm.flower(d, w * 0.5, h * 0.52, 5, (200, 40, 60), centre=(120, 20, 40))
    rect(d, w * 0.34, h * 0.1, w * 0.66, h * 0.3, (130, 130, 150), outline=INK, width=2, radius=6)
    rect(d, w * 0.38, h * 0.17, w * 0.62, h * 0.22, (40, 30, 40), outline=None)
    ell(d, w * 0.45, h * 0.195, 2, 2, (250, 90, 90), outline=None)
    ell(d, w * 0.55, h * 0.195, 2, 2, (250, 90, 90), outline=None)


def e_sorrow(d, w, h):
    rng = random.Random(22)
    for k in range(9):
        a0 = rng.uniform(0, 2 * math.pi)
        pts = [(w * 0.5 + math.cos(a0 + t * 2.2) * w * (0.12 + 0.32 * t), h * 0.55 + math.sin(a0 + t * 2.2) *
                h * (0.1 + 0.34 * t)) for t in np.linspace(0, 1, 12)]
        line(d, pts, fill=(70, 60, 90), width=4)
        thorns_along(d, pts[::2], (50, 40, 70), 3)
    ell(d, w * 0.5, h * 0.5, w * 0.22, h * 0.2, (110, 90, 130))
    for k in range(8):
        a = 2 * math.pi * k / 8
        ell(d, w * 0.5 + math.cos(a) * w * 0.1, h * 0.5 + math.sin(a) * h * 0.1, w * 0.07, h * 0.07,
            (160, 110, 150), outline=(90, 60, 90), width=1)
    arc(d, w * 0.43, h * 0.47, w * 0.04, h * 0.03, 200, 340, width=2)
    arc(d, w * 0.57, h * 0.47, w * 0.04, h * 0.03, 200, 340, width=2)
    poly(d, [(w * 0.43, h * 0.52), (w * 0.445, h * 0.6), (w * 0.415, h * 0.6)], (140, 200, 250), outline=None)
    arc(d, w * 0.5, h * 0.6, w * 0.05, h * 0.03, 200, 340, width=2)


def e_gust(d, w, h):
    for k in range(4):
        pts = [(w * 0.5 + math.cos(t) * w * (0.08 + 0.06 * t) * (1 + 0.1 * k),
                h * (0.2 + 0.18 * k) + math.sin(t) * h * 0.06) for t in np.linspace(0, 4 * math.pi, 40)]
        line(d, pts, fill=(150, 200, 230), width=3)
    ell(d, w * 0.5, h * 0.38, w * 0.2, h * 0.2, (214, 238, 250), outline=(110, 160, 200))
    eyes(d, w * 0.5, h * 0.36, w * 0.03, w * 0.07, look=0)
    arc(d, w * 0.5, h * 0.44, w * 0.06, h * 0.04, 20, 160, width=2)
    for k in range(6):
        a = 2 * math.pi * k / 6
        sm.flower(d, w * 0.5 + math.cos(a) * w * 0.38, h * 0.5 + math.sin(a) * h * 0.36, 3, (250, 190, 210))


def e_hoverfly(d, w, h):
    wings(d, w * 0.56, h * 0.3, w * 0.18, h * 0.16, (230, 240, 250))
    ell(d, w * 0.62, h * 0.6, w * 0.24, h * 0.17, (230, 170, 50))
    for k in range(2):
        line(d, [(w * (0.6 + 0.12 * k), h * 0.45), (w * (0.6 + 0.12 * k), h * 0.75)], fill=(80, 60, 40), width=3)
    ell(d, w * 0.3, h * 0.56, w * 0.14, h * 0.17, (120, 90, 50))
    ell(d, w * 0.24, h * 0.52, w * 0.08, h * 0.12, (200, 60, 50), outline=INK, width=1)
    legs(d, w * 0.3, w * 0.5, h * 0.7, 3, h * 0.14)
    ell(d, w * 0.12, h * 0.8, 3, 3, (250, 220, 80), outline=None)


def e_dragonfly(d, w, h):
    for dx, dy in ((0.0, -0.16), (0.04, 0.1)):
        for side in (-1, 1):
            ell(d, w * (0.36 + dx), h * (0.5 + side * 0.22 + dy * 0.2), w * 0.14, h * 0.12, (220, 236, 246),
                outline=(120, 150, 170), width=1)
    for k in range(7):
        ell(d, w * (0.45 + 0.075 * k), h * 0.5, w * 0.04, h * 0.06, (60, 120, 180) if k % 2 else (240, 200, 60))
    ell(d, w * 0.36, h * 0.5, w * 0.07, h * 0.1, (60, 120, 180))
    ell(d, w * 0.24, h * 0.48, w * 0.08, h * 0.14, (90, 170, 110))
    ell(d, w * 0.22, h * 0.44, w * 0.04, h * 0.06, EYE, outline=None)
    ell(d, w * 0.21, h * 0.45, w * 0.02, h * 0.035, INK, outline=None)


def e_catfish(d, w, h):
    poly(d, [(w * 0.85, h * 0.55), (w * 0.99, h * 0.3), (w * 0.99, h * 0.8)], (90, 90, 80))
    ell(d, w * 0.5, h * 0.56, w * 0.4, h * 0.3, (110, 110, 96))
    ell(d, w * 0.5, h * 0.7, w * 0.3, h * 0.14, (170, 166, 140), outline=None)
    poly(d, [(w * 0.5, h * 0.28), (w * 0.62, h * 0.12), (w * 0.68, h * 0.3)], (96, 96, 84))
    arc(d, w * 0.22, h * 0.62, w * 0.1, h * 0.08, 10, 150, width=3)
    for side in (-1, 1):
        line(d, [(w * 0.16, h * 0.6), (w * 0.02 + 2, h * (0.6 + side * 0.2)), (w * 0.06, h * (0.62 + side * 0.32))],
             fill=INK, width=2)
    eyes(d, w * 0.32, h * 0.45, w * 0.03, w * 0.06, angry=True)
    for k in range(6):
        ell(d, w * (0.2 + 0.12 * k), h * (0.97 - 0.01 * (k % 2)), w * 0.05, h * 0.025, (140, 110, 70), outline=None)
    for x, y in ((0.55, 0.45), (0.68, 0.5), (0.6, 0.6)):
        ell(d, w * x, h * y, 2.5, 2.5, (80, 80, 70), outline=None)


ENEMY_DRAW = {
    5001: e_aphid, 5002: e_slug, 5003: e_caterpillar, 5004: e_pillbug, 5005: e_bat, 5006: e_frog,
    5007: e_spider, 5008: e_mole, 5009: e_crow, 5010: e_mouse, 5011: e_mushroom, 5012: e_hornet,
    5013: e_moth, 5014: e_boar, 5015: lambda d, w, h: e_crow(d, w, h, boss=True), 5016: e_thorn_vine,
    5017: e_flytrap, 5018: e_cactus, 5019: lambda d, w, h: e_slug(d, w, h, (150, 140, 110), big=True),
    5020: lambda d, w, h: e_spider(d, w, h, body=(200, 226, 240), glass=True), 5021: e_guardian,
    5022: e_sorrow, 5023: e_gust, 5024: e_hoverfly, 5025: e_dragonfly, 5026: e_catfish,
}


def enemy_sizes(game):
    """Picture number -> (width, height) from the enemy table of the game."""
    path = os.path.join(game, "eve", "A_ENEMY_FILE.ini")
    sizes = {}
    section = None
    with open(path, encoding="cp932") as f:
        for raw in f:
            s = raw.strip()
            if s.startswith("["):
                section = s
                continue
            if section != "[E_MASTER]" or "=" not in s or s.startswith(";"):
                continue
            fields = s.split("=", 1)[1].split(":")
            sizes[int(fields[0])] = (int(fields[2]), int(fields[3]))
    return sizes


def enemy_picture(no, w, h):
    img, d = canvas(w, h)
    ENEMY_DRAW[no](d, w, h)
    return finish(img, w, h)


# ---------------------------------------------------------------- hit frames (80 x 80)

def hit_frame(formula, i):
    img, d = canvas(80, 80)
    t = i / 4.0
    c = 40
    if formula == 1:    # a cut with a splash: a bright slash that widens, droplets fly
        a = math.radians(-35)
        L = 14 + 26 * t
        for wdt, col in ((7 - i, (110, 170, 230)), (3, (230, 246, 254))):
            line(d, [(c - math.cos(a) * L, c - math.sin(a) * L), (c + math.cos(a) * L, c + math.sin(a) * L)],
                 fill=col, width=max(1, wdt))
        for k in range(6):
            b = 2 * math.pi * k / 6 + 0.4
            r = 8 + 22 * t
            ell(d, c + math.cos(b) * r, c + math.sin(b) * r, 3 - t * 1.5, 3 - t * 1.5, (120, 186, 240), outline=None)
    elif formula == 2:  # a sweeping gust across the group: curved streaks
        for k in range(3):
            r = 12 + 8 * k + 10 * t
            arc(d, c, c, r, r * 0.7, 200 - 40 * t, 340 + 20 * t, fill=(150, 200, 170), width=4 - k)
        for k in range(4):
            leaf(d, c - 30 + 20 * k + 10 * t, c + 18 - 8 * k * t, 5, 0.7 * k + t)
    elif formula == 3:  # a blunt blow: a star burst that grows and thins
        n = 10
        r1, r0 = 10 + 26 * t, 5 + 8 * t
        pts = []
        for k in range(2 * n):
            r = r1 if k % 2 == 0 else r0
            b = math.pi * k / n
            pts.append((c + math.cos(b) * r, c + math.sin(b) * r))
        poly(d, pts, (250, 210, 80) if i < 4 else (250, 236, 170), outline=(220, 120, 40), width=2)
        ell(d, c, c, r0 * 0.8, r0 * 0.8, (250, 246, 220), outline=None)
    elif formula == 4:  # heat: flames licking up
        rng = random.Random(40 + i)
        for k in range(7):
            x = c - 24 + 8 * k + rng.uniform(-2, 2)
            hgt = (14 + rng.uniform(0, 16)) * (0.6 + t)
            poly(d, [(x - 6, c + 20), (x, c + 20 - hgt), (x + 6, c + 20)], (240, 110, 40), outline=None)
            poly(d, [(x - 3, c + 20), (x, c + 20 - hgt * 0.6), (x + 3, c + 20)], (250, 220, 90), outline=None)
        for k in range(i * 2):
            ell(d, c + rng.uniform(-30, 30), c - rng.uniform(0, 34), 1.8, 1.8, (250, 170, 60), outline=None)
    elif formula == 5:  # wind: spirals with petals
        for k in range(2):
            pts = [(c + math.cos(u + k * math.pi) * u * (2.2 + 2 * t), c + math.sin(u + k * math.pi) * u * (2.2 + 2 * t))
                   for u in np.linspace(0.3, 5.5, 30)]
            line(d, pts, fill=(170, 210, 236), width=3)
        for k in range(5):
            b = 2 * math.pi * k / 5 + t * 2
            sm.flower(d, c + math.cos(b) * (10 + 20 * t), c + math.sin(b) * (10 + 20 * t), 3, (250, 186, 206))
    else:               # piercing: a streak that lands and sparks
        x = 6 + 28 * min(1.0, t * 1.6)
        line(d, [(x - 18, c + 8 - (x - 18) * 0.2), (x, c + 8 - x * 0.2)], fill=(170, 140, 110), width=3)
        ell(d, x, c + 8 - x * 0.2, 4, 4, (150, 110, 70), width=1)
        if i >= 3:
            for k in range(8):
                b = 2 * math.pi * k / 8
                r = 6 + 10 * (i - 2)
                line(d, [(c + math.cos(b) * r * 0.4, c + math.sin(b) * r * 0.4), (c + math.cos(b) * r,
                                                                                  c + math.sin(b) * r)],
                     fill=(250, 200, 70), width=2)
    return finish(img, 80, 80)


# ---------------------------------------------------------------- sounds

def tone(freq, dur, shape="sine", vib=0.0):
    t = np.arange(int(dur * RATE)) / RATE
    ph = 2 * np.pi * freq * t + vib * np.sin(2 * np.pi * 6 * t)
    if shape == "sine":
        return np.sin(ph)
    if shape == "tri":
        return 2 / np.pi * np.arcsin(np.sin(ph))
    return np.sin(ph) + 0.3 * np.sin(2 * ph) + 0.15 * np.sin(3 * ph)


def decay(n, k):
    return np.exp(-np.arange(n) / RATE * k)


def place(out, sig, at):
    s = int(at * RATE)
    e = min(len(out), s + len(sig))
    out[s:e] += sig[:e - s]


def filtered_noise(rng, dur, lo, hi):
    n = int(dur * RATE)
    spec = np.fft.rfft(rng.standard_normal(n))
    f = np.fft.rfftfreq(n, 1 / RATE)
    spec[(f < lo) | (f > hi)] = 0
    return np.fft.irfft(spec, n)


def bell(freq, dur, k=6.0):
    n = int(dur * RATE)
    return (tone(freq, dur) + 0.4 * tone(freq * 2.01, dur) + 0.15 * tone(freq * 3.0, dur)) * decay(n, k) * \
        sm.env(n, 0.004, 0.05)


def snd_victory():
    out = np.zeros(int(1.5 * RATE))
    for k, f in enumerate((523.25, 659.25, 783.99)):
        place(out, bell(f, 0.4, 8), 0.11 * k)
    for f in (523.25, 659.25, 783.99, 1046.5):
        place(out, 0.55 * bell(f, 1.1, 3.2), 0.36)
    return out


def snd_select():
    n = int(0.09 * RATE)
    return (tone(880, 0.09, "tri") * 0.6 + tone(1320, 0.09) * 0.3) * decay(n, 40) * sm.env(n, 0.003, 0.02)


def snd_splash(rng):
    n = int(0.32 * RATE)
    sw = filtered_noise(rng, 0.32, 1800, 7000) * decay(n, 14) * sm.env(n, 0.01, 0.05)
    drops = np.zeros(n)
    for k, f in enumerate((1400, 1800, 1200)):
        place(drops, 0.4 * tone(f, 0.05) * decay(int(0.05 * RATE), 60), 0.06 + 0.06 * k)
    return sw + drops


def snd_sweep(rng):
    n = int(0.45 * RATE)
    env = np.sin(np.linspace(0, np.pi, n)) ** 2
    return filtered_noise(rng, 0.45, 400, 3000) * env


def snd_thump(rng):
    n = int(0.25 * RATE)
    t = np.arange(n) / RATE
    body = np.sin(2 * np.pi * (140 * t - 160 * t * t)) * decay(n, 16)
    click = filtered_noise(rng, 0.25, 1000, 5000) * decay(n, 90) * 0.5
    return (body + click) * sm.env(n, 0.002, 0.03)


def snd_fire(rng):
    n = int(0.5 * RATE)
    roar = filtered_noise(rng, 0.5, 150, 1400) * sm.env(n, 0.04, 0.2) * 0.6
    pops = np.zeros(n)
    for _ in range(12):
        at = rng.uniform(0, 0.45)
        place(pops, filtered_noise(rng, 0.01, 2000, 8000) * rng.uniform(0.4, 1.0), at)
    return roar + pops


def snd_wind(rng):
    n = int(0.7 * RATE)
    base = filtered_noise(rng, 0.7, 300, 2400)
    wob = 0.6 + 0.4 * np.sin(np.linspace(0, 3 * np.pi, n))
    return base * wob * np.sin(np.linspace(0, np.pi, n))


def snd_pierce(rng):
    n = int(0.2 * RATE)
    t = np.arange(n) / RATE
    zip_ = np.sin(2 * np.pi * (2400 * t - 3000 * t * t)) * decay(n, 18) * 0.5
    tick = np.zeros(n)
    place(tick, filtered_noise(rng, 0.02, 2000, 9000), 0.09)
    return (zip_ + tick) * sm.env(n, 0.002, 0.03)


def snd_enemy_hit(rng):
    n = int(0.3 * RATE)
    t = np.arange(n) / RATE
    bonk = np.sin(2 * np.pi * (220 * t - 200 * t * t)) * decay(n, 12)
    return (bonk + filtered_noise(rng, 0.3, 300, 2500) * decay(n, 40) * 0.6) * sm.env(n, 0.002, 0.04)


def snd_heal():
    out = np.zeros(int(0.8 * RATE))
    for k, f in enumerate((659.25, 783.99, 987.77, 1318.5)):
        place(out, 0.6 * bell(f, 0.5, 6), 0.08 * k)
    return out


def snd_power():
    out = np.zeros(int(0.55 * RATE))
    for k, f in enumerate((220, 277.18, 329.63, 440)):
        n = int(0.12 * RATE)
        place(out, tone(f, 0.12, "rich") * sm.env(n, 0.005, 0.04) * 0.6, 0.1 * k)
    return out


def snd_drain():
    n = int(0.6 * RATE)
    t = np.arange(n) / RATE
    f = 700 * np.exp(-t * 2.2)
    ph = 2 * np.pi * np.cumsum(f) / RATE + 3 * np.sin(2 * np.pi * 9 * t)
    return np.sin(ph) * sm.env(n, 0.01, 0.15) * 0.7


def sounds():
    rng = np.random.default_rng(101)
    return [
        (21, "battle_victory.wav", snd_victory()),
        (22, "battle_select.wav", snd_select()),
        (101, "battle_hit1.wav", snd_splash(rng)),
        (102, "battle_hit2.wav", snd_sweep(rng)),
        (103, "battle_hit3.wav", snd_thump(rng)),
        (104, "battle_hit4.wav", snd_fire(rng)),
        (105, "battle_hit5.wav", snd_wind(rng)),
        (106, "battle_hit6.wav", snd_pierce(rng)),
        (110, "battle_enemy_hit.wav", snd_enemy_hit(rng)),
        (111, "battle_enemy_heal.wav", snd_heal()),
        (112, "battle_enemy_power.wav", snd_power()),
        (113, "battle_drain.wav", snd_drain()),
    ]


# ---------------------------------------------------------------- music

def battle_song(bpm, key_root, progression, melody, lead_program, bass_program=33, drums=True, bars_per_chord=1):
    """A looping battle theme: chords (root, kind) one per bar, a melody of (pitch, beats)."""
    song = midi.Song(bpm=bpm)
    lead = song.track("Lead", 0, program=lead_program, volume=100, pan=58)
    pad = song.track("Pad", 1, program=48, volume=72, pan=72)
    bass = song.track("Bass", 2, program=bass_program, volume=104, pan=64)
    beats = 4 * bars_per_chord
    t = 0.0
    for root, kind in progression:
        ch = midi.chord(midi.n(root), kind)
        pad.notes_at(t, beats - 0.05, [p + 12 for p in ch], 60)
        r = midi.n(root) - 12
        for b in range(beats * 2):
            bass.note(t + b * 0.5, 0.45, r if b % 4 != 3 else r + 7, 96 if b % 2 == 0 else 78)
        t += beats
    song.length = t
    lead.phrase(0, melody, 96)
    if drums:
        dr = song.track("Drums", 9, volume=90)
        for b in range(int(t)):
            dr.note(b, 0.25, 36 if b % 2 == 0 else 38, 96 if b % 2 == 0 else 84)
            dr.note(b, 0.2, 42, 60)
            dr.note(b + 0.5, 0.2, 42, 50)
        dr.note(0, 1, 49, 90)
    del key_root
    return song


def N(*items):
    return [(None if p is None else midi.n(p), l) for p, l in items]


def music_battle():
    prog = [("A3", "min"), ("F3", "maj"), ("G3", "maj"), ("E3", "maj")] * 2
    mel = N(("A5", 0.5), ("E5", 0.5), ("A5", 0.5), ("B5", 0.5), ("C6", 1), ("B5", 0.5), ("A5", 0.5),
            ("F5", 1), ("A5", 1), ("C6", 1), ("A5", 1),
            ("G5", 0.5), ("D5", 0.5), ("G5", 0.5), ("A5", 0.5), ("B5", 1), ("D6", 1),
            ("B5", 1.5), ("G#5", 0.5), ("E5", 2),
            ("A5", 0.5), ("C6", 0.5), ("E6", 1), ("D6", 0.5), ("C6", 0.5), ("B5", 1),
            ("C6", 1), ("A5", 1), ("F5", 1), ("A5", 1),
            ("B5", 0.5), ("A5", 0.5), ("G5", 0.5), ("A5", 0.5), ("B5", 1), ("D6", 1),
            ("E6", 1.5), ("D6", 0.5), ("B5", 1), ("G#5", 1))
    return battle_song(152, "A", prog, mel, lead_program=80)


def music_boss():
    prog = [("D3", "min"), ("Bb2", "maj"), ("C3", "maj"), ("A2", "7")] * 2
    mel = N(("D5", 1), ("F5", 1), ("A5", 1.5), ("G5", 0.5),
            ("F5", 1), ("D5", 1), ("Bb4", 2),
            ("C5", 1), ("E5", 1), ("G5", 1.5), ("F5", 0.5),
            ("E5", 1), ("C#5", 1), ("A4", 2),
            ("D5", 0.5), ("E5", 0.5), ("F5", 0.5), ("G5", 0.5), ("A5", 1), ("D6", 1),
            ("C6", 1), ("Bb5", 1), ("A5", 1), ("F5", 1),
            ("G5", 0.5), ("A5", 0.5), ("Bb5", 1), ("A5", 1), ("G5", 1),
            ("E5", 1), ("C#5", 1), ("E5", 1), ("A5", 1))
    return battle_song(138, "D", prog, mel, lead_program=61, bass_program=38)


def music_master():
    prog = [("E3", "min"), ("C3", "maj"), ("D3", "maj"), ("B2", "7")] * 2
    mel = N(("E5", 2), ("G5", 1), ("F#5", 1),
            ("E5", 1), ("C5", 1), ("E5", 2),
            ("D5", 1), ("F#5", 1), ("A5", 1.5), ("G5", 0.5),
            ("F#5", 2), ("D#5", 2),
            ("E5", 0.5), ("F#5", 0.5), ("G5", 0.5), ("A5", 0.5), ("B5", 2),
            ("C6", 1), ("B5", 1), ("G5", 2),
            ("A5", 1), ("F#5", 1), ("D5", 1), ("F#5", 1),
            ("B5", 2), ("D#5", 2))
    return battle_song(120, "E", prog, mel, lead_program=71, bass_program=43)


def music_defeat():
    song = midi.Song(bpm=66)
    pno = song.track("Piano", 0, program=0, volume=96, pan=60)
    strings = song.track("Strings", 1, program=49, volume=70, pan=70)
    t = 0.0
    for root, kind in (("A3", "min"), ("F3", "maj"), ("D3", "min"), ("E3", "7"), ("A3", "min")):
        strings.notes_at(t, 3.9, midi.chord(midi.n(root), kind), 56)
        t += 4
    pno.phrase(0, N(("E5", 1), ("C5", 1), ("A4", 2), ("F5", 1), ("E5", 1), ("C5", 2), ("D5", 1.5), ("C5", 0.5),
                    ("B4", 1), ("A4", 1), ("G#4", 2), ("B4", 2), ("A4", 4)), 80)
    song.length = t
    return song


MUSIC = [(10, "battle.mid", music_battle), (11, "battle_boss.mid", music_boss),
         (12, "battle_master.mid", music_master), (13, "battle_defeat.mid", music_defeat)]


# ---------------------------------------------------------------- index and main

def pictures(game):
    """(number, file, x, y, image) of every battle picture."""
    out = [
        (3000, "battle_command.png", 5, 330, pic_command_panel()),
        (3001, "battle_message.png", 198, 330, pic_message_panel()),
    ]
    for k in range(3):
        out.append((3002 + k, "battle_hp_enemy%d.png" % (k + 1), 138 * k + 6, 65, pic_enemy_panel()))
    out.append((3005, "battle_hp_player.png", 489, 65, pic_player_panel()))
    poses = ["normal", "attack", "hit", "tired", "fallen", "power", "critical"]
    for k, pose in enumerate(poses):
        out.append((3101 + k, "battle_haru_%s.png" % pose, 490, 240, player_picture(pose)))
    for no, (w, h) in sorted(enemy_sizes(game).items()):
        if no in ENEMY_DRAW:
            out.append((no, "battle_enemy_%d.png" % no, 0, 0, enemy_picture(no, w, h)))
    for f in range(1, 7):
        for i in range(1, 5):
            out.append((4000 + 10 * f + i, "battle_hit%d_%d.png" % (f, i), 0, 0, hit_frame(f, i)))
    return out


def main(argv):
    game = os.path.join(os.path.dirname(HERE), "game")
    args = [a for a in argv if not a.startswith("--")]
    if args:
        game = args[0]
    for sub in ("pic", "sound", "mid"):
        os.makedirs(os.path.join(game, sub), exist_ok=True)
    pic_entries = []
    for no, name, x, y, img in pictures(game):
        img.save(os.path.join(game, "pic", name), optimize=True)
        pic_entries.append("%d=%s:%d:%d:%d:%d" % (no, name, x, y, img.size[0], img.size[1]))
    snd_entries = []
    for no, name, samples in sounds():
        sm.write_wav(os.path.join(game, "sound", name), samples)
        snd_entries.append("%d=%s" % (no, name))
    mid_entries = []
    for no, name, make in MUSIC:
        make().save(os.path.join(game, "mid", name))
        mid_entries.append("%d=%s" % (no, name))
    if "--entries" in argv:
        print("[PIC]\n" + "\n".join(pic_entries) + "\n[SOUND]\n" + "\n".join(snd_entries) + "\n[MID]\n" +
              "\n".join(mid_entries))


if __name__ == "__main__":
    main(sys.argv[1:])
