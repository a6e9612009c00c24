#!/usr/bin/python3
"""Draws the pictures, sounds and music of the demo game's story into game/.

    tools/make_story_media.py [GAME_DIR]      (default: game/ beside this folder)

Pictures (PNG, pic/story_*.png): the message frame 7001, the scenes 7101-7108, the portraits
7201-7206, the end picture 8001 and the thank-you picture 9998. Pure white is the transparent
colour of the game's painting, so every picture here keeps off it (254 at most) except where it
should let the screen show through.
Sounds (WAV, 22050 Hz, 16-bit mono, sound/story_*.wav): 60-65.
Music (MIDI, mid/story_ending.mid): 20, the ending theme.

Deterministic: the same run gives the same bytes. The index entries that name these files are
listed by `--entries`.
"""
import math
import os
import random
import struct
import sys
import wave

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import midi  # noqa: E402  (tools/midi.py)

GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
SS = 3  # supersampling of every drawing

INK = (70, 46, 34)  # outline brown


def S(v):
    return int(round(v * SS))


def font(size):
    return ImageFont.truetype(GOTHIC, S(size))


def lerp(a, b, t):
    t = max(0.0, min(1.0, t))
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def canvas(w, h, colour=(254, 254, 254)):
    img = Image.new("RGB", (S(w), S(h)), colour)
    return img, ImageDraw.Draw(img)


def finish(img, w, h, keep_white=False):
    out = img.resize((w, h), Image.LANCZOS)
    if not keep_white:
        a = np.asarray(out).copy()
        white = (a[:, :, 0] == 255) & (a[:, :, 1] == 255) & (a[:, :, 2] == 255)
        a[white] = (254, 254, 254)
        out = Image.fromarray(a)
    return out


def vgradient(img, top, bottom, y0=0, y1=None):
    d = ImageDraw.Draw(img)
    w, h = img.size
    y1 = h if y1 is None else y1
    for y in range(y0, y1):
        d.line([(0, y), (w, y)], fill=lerp(top, bottom, (y - y0) / max(1, y1 - y0 - 1)))


def ell(d, cx, cy, rx, ry, fill, outline=INK, width=2.0):
    d.ellipse([S(cx - rx), S(cy - ry), S(cx + rx), S(cy + ry)], fill=fill,
              outline=outline, width=S(width) if outline else 0)


def poly(d, pts, fill, outline=INK, width=2.0):
    d.polygon([(S(x), S(y)) for x, y in pts], fill=fill)
    if outline:
        d.line([(S(x), S(y)) for x, y in pts + [pts[0]]], fill=outline, width=S(width), joint="curve")


def line(d, pts, fill=INK, width=2.0):
    d.line([(S(x), S(y)) for x, y in pts], fill=fill, width=S(width), joint="curve")


def arc(d, cx, cy, rx, ry, a0, a1, fill=INK, width=2.0):
    d.arc([S(cx - rx), S(cy - ry), S(cx + rx), S(cy + ry)], a0, a1, fill=fill, width=S(width))


def rect(d, x0, y0, x1, y1, fill, outline=None, width=2.0, radius=0):
    d.rounded_rectangle([S(x0), S(y0), S(x1), S(y1)], radius=S(radius), fill=fill,
                        outline=outline, width=S(width) if outline else 0)


def text(d, x, y, s, size, fill, anchor="la", stroke=0, stroke_fill=None):
    d.text((S(x), S(y)), s, font=font(size), fill=fill, anchor=anchor,
           stroke_width=S(stroke), stroke_fill=stroke_fill)


# ---------------------------------------------------------------- flowers and plants

def flower(d, cx, cy, r, petal, centre=(250, 206, 70), n=5, rot=0.0):
    for k in range(n):
        a = rot + 2 * math.pi * k / n
        ell(d, cx + math.cos(a) * r, cy + math.sin(a) * r, r * 0.75, r * 0.75, petal, outline=None)
    ell(d, cx, cy, r * 0.55, r * 0.55, centre, outline=None)


def tulip(d, cx, cy, r, colour):
    line(d, [(cx, cy), (cx, cy + r * 3)], fill=(70, 140, 60), width=r * 0.35)
    poly(d, [(cx - r, cy - r), (cx - r * 0.5, cy - r * 0.2), (cx, cy - r * 1.1), (cx + r * 0.5, cy - r * 0.2),
             (cx + r, cy - r), (cx + r * 0.9, cy + r * 0.4), (cx, cy + r * 0.9), (cx - r * 0.9, cy + r * 0.4)],
         colour, outline=None)


def dead_stem(d, cx, cy, h, rng):
    x, y = cx, cy
    pts = [(x, y)]
    for _ in range(4):
        x += rng.uniform(-4, 4)
        y -= h / 4
        pts.append((x, y))
    line(d, pts, fill=(120, 100, 70), width=2.2)
    ell(d, x + 3, y + 2, 4, 2.5, (140, 110, 70), outline=None)


def grass(d, x0, x1, y, colour, rng, n=120, h=10):
    for _ in range(n):
        x = rng.uniform(x0, x1)
        hh = rng.uniform(h * 0.5, h)
        line(d, [(x, y), (x + rng.uniform(-3, 3), y - hh)], fill=colour, width=1.6)


def thorn_vine(d, rng, x0, y0, x1, y1, colour=(52, 78, 48), width=7.0):
    pts = []
    steps = 18
    for i in range(steps + 1):
        t = i / steps
        x = x0 + (x1 - x0) * t + math.sin(t * 9 + rng.uniform(0, 1)) * 18
        y = y0 + (y1 - y0) * t + math.cos(t * 7 + rng.uniform(0, 1)) * 18
        pts.append((x, y))
    line(d, pts, fill=colour, width=width)
    for i in range(1, steps, 1):
        x, y = pts[i]
        a = rng.uniform(0, 2 * math.pi)
        tip = (x + math.cos(a) * width * 1.6, y + math.sin(a) * width * 1.6)
        poly(d, [(x - math.sin(a) * width * 0.4, y + math.cos(a) * width * 0.4),
                 (x + math.sin(a) * width * 0.4, y - math.cos(a) * width * 0.4), tip], colour, outline=None)


# ---------------------------------------------------------------- the characters

def draw_zove(d, cx, cy, s, sick=False):
    """The old tortoise gardener: shell, wrinkled green head, white brows and beard, straw hat."""
    skin = (150, 188, 110) if not sick else (160, 178, 128)
    ell(d, cx, cy + s * 0.95, s * 1.05, s * 0.7, (128, 100, 60))                    # shell behind
    for k in range(-2, 3):
        ell(d, cx + k * s * 0.38, cy + s * 0.9, s * 0.17, s * 0.13, (158, 128, 78), outline=(100, 76, 44), width=1.5)
    ell(d, cx, cy + s * 0.72, s * 0.42, s * 0.32, skin)                             # neck
    ell(d, cx, cy + s * 0.05, s * 0.62, s * 0.55, skin)                             # head
    arc(d, cx - s * 0.25, cy - s * 0.05, s * 0.16, s * 0.1, 200, 340, width=1.6)   # wrinkles
    arc(d, cx + s * 0.25, cy - s * 0.05, s * 0.16, s * 0.1, 200, 340, width=1.6)
    line(d, [(cx - s * 0.42, cy - s * 0.16), (cx - s * 0.12, cy - s * 0.2)], fill=(248, 248, 244), width=s * 0.09)
    line(d, [(cx + s * 0.42, cy - s * 0.16), (cx + s * 0.12, cy - s * 0.2)], fill=(248, 248, 244), width=s * 0.09)
    if sick:
        arc(d, cx - s * 0.25, cy + s * 0.02, s * 0.1, s * 0.06, 0, 180, width=2)
        arc(d, cx + s * 0.25, cy + s * 0.02, s * 0.1, s * 0.06, 0, 180, width=2)
    else:
        ell(d, cx - s * 0.25, cy + s * 0.02, s * 0.07, s * 0.08, INK, outline=None)
        ell(d, cx + s * 0.25, cy + s * 0.02, s * 0.07, s * 0.08, INK, outline=None)
    ell(d, cx - s * 0.42, cy + s * 0.2, s * 0.1, s * 0.06, (226, 150, 130), outline=None)
    ell(d, cx + s * 0.42, cy + s * 0.2, s * 0.1, s * 0.06, (226, 150, 130), outline=None)
    poly(d, [(cx - s * 0.3, cy + s * 0.3), (cx + s * 0.3, cy + s * 0.3), (cx + s * 0.12, cy + s * 0.62),
             (cx, cy + s * 0.72), (cx - s * 0.12, cy + s * 0.62)], (246, 246, 240), width=1.5)   # beard
    arc(d, cx, cy + s * 0.26, s * 0.16, s * 0.08, 10, 170, width=2)                # smile
    ell(d, cx, cy - s * 0.45, s * 0.95, s * 0.2, (236, 200, 110))                   # hat brim
    ell(d, cx, cy - s * 0.62, s * 0.5, s * 0.3, (240, 208, 120))                    # hat crown
    rect(d, cx - s * 0.5, cy - s * 0.6, cx + s * 0.5, cy - s * 0.48, (196, 70, 60))  # ribbon


def draw_haru(d, cx, cy, s):
    """The apprentice: bobbed brown hair, a sprout hair clip, green overalls."""
    ell(d, cx, cy + s * 1.2, s * 0.9, s * 0.55, (96, 160, 92))                     # overalls
    rect(d, cx - s * 0.35, cy + s * 0.72, cx + s * 0.35, cy + s * 1.1, (250, 236, 200), outline=INK, width=1.5)
    haru_head(d, cx, cy, s)


def haru_head(d, cx, cy, s):
    """Haru's head: bobbed brown hair, a sprout hair clip (the battle poses draw it too)."""
    hair = (120, 74, 44)
    ell(d, cx, cy - s * 0.05, s * 0.72, s * 0.7, hair)                              # hair back
    ell(d, cx, cy + s * 0.1, s * 0.58, s * 0.55, (252, 222, 196))                   # face
    poly(d, [(cx - s * 0.62, cy - s * 0.1), (cx - s * 0.5, cy - s * 0.5), (cx, cy - s * 0.66),
             (cx + s * 0.5, cy - s * 0.5), (cx + s * 0.62, cy - s * 0.1), (cx + s * 0.3, cy - s * 0.22),
             (cx + s * 0.1, cy - s * 0.12), (cx - s * 0.15, cy - s * 0.24), (cx - s * 0.4, cy - s * 0.14)],
         hair, width=1.5)                                                            # bangs
    line(d, [(cx + s * 0.1, cy - s * 0.68), (cx + s * 0.12, cy - s * 0.95)], fill=(70, 140, 60), width=s * 0.06)
    ell(d, cx - s * 0.05, cy - s * 0.98, s * 0.17, s * 0.09, (120, 196, 90), width=1.5)
    ell(d, cx + s * 0.3, cy - s * 1.0, s * 0.17, s * 0.09, (120, 196, 90), width=1.5)
    ell(d, cx - s * 0.22, cy + s * 0.1, s * 0.07, s * 0.1, INK, outline=None)      # eyes
    ell(d, cx + s * 0.22, cy + s * 0.1, s * 0.07, s * 0.1, INK, outline=None)
    ell(d, cx - s * 0.2, cy + s * 0.06, s * 0.025, s * 0.03, (250, 250, 250), outline=None)
    ell(d, cx + s * 0.24, cy + s * 0.06, s * 0.025, s * 0.03, (250, 250, 250), outline=None)
    ell(d, cx - s * 0.38, cy + s * 0.3, s * 0.1, s * 0.06, (246, 160, 150), outline=None)
    ell(d, cx + s * 0.38, cy + s * 0.3, s * 0.1, s * 0.06, (246, 160, 150), outline=None)
    arc(d, cx, cy + s * 0.3, s * 0.14, s * 0.1, 15, 165, width=2)


def draw_mitsu(d, cx, cy, s):
    """The honeybee look-out: striped round body, big eyes, wings, antennae."""
    ell(d, cx - s * 0.55, cy - s * 0.55, s * 0.4, s * 0.28, (214, 236, 246), outline=(110, 140, 160), width=1.5)
    ell(d, cx + s * 0.55, cy - s * 0.55, s * 0.4, s * 0.28, (214, 236, 246), outline=(110, 140, 160), width=1.5)
    ell(d, cx, cy + s * 0.1, s * 0.72, s * 0.66, (250, 204, 60))
    for k, yy in enumerate((-0.2, 0.15, 0.5)):
        half = math.sqrt(max(0.0, 1 - (yy - 0.1) ** 2 / 0.66 ** 2)) * 0.72
        line(d, [(cx - s * half * 0.95, cy + s * yy), (cx + s * half * 0.95, cy + s * yy)], fill=(60, 44, 34),
             width=s * 0.12)
    line(d, [(cx - s * 0.2, cy - s * 0.5), (cx - s * 0.35, cy - s * 0.9)], width=2)
    line(d, [(cx + s * 0.2, cy - s * 0.5), (cx + s * 0.35, cy - s * 0.9)], width=2)
    ell(d, cx - s * 0.36, cy - s * 0.92, s * 0.07, s * 0.07, (60, 44, 34), outline=None)
    ell(d, cx + s * 0.36, cy - s * 0.92, s * 0.07, s * 0.07, (60, 44, 34), outline=None)
    ell(d, cx - s * 0.25, cy - s * 0.02, s * 0.16, s * 0.18, (250, 250, 250), width=1.5)
    ell(d, cx + s * 0.25, cy - s * 0.02, s * 0.16, s * 0.18, (250, 250, 250), width=1.5)
    ell(d, cx - s * 0.22, cy, s * 0.08, s * 0.1, INK, outline=None)
    ell(d, cx + s * 0.22, cy, s * 0.08, s * 0.1, INK, outline=None)
    ell(d, cx - s * 0.45, cy + s * 0.18, s * 0.09, s * 0.05, (240, 140, 110), outline=None)
    ell(d, cx + s * 0.45, cy + s * 0.18, s * 0.09, s * 0.05, (240, 140, 110), outline=None)


def draw_mogu(d, cx, cy, s):
    """The mole of the old well: round grey-brown face, pink nose, big claws, a miner's cap."""
    fur = (120, 100, 96)
    ell(d, cx, cy + s * 0.15, s * 0.8, s * 0.72, fur)
    ell(d, cx, cy + s * 0.32, s * 0.42, s * 0.3, (176, 156, 146), outline=None)
    arc(d, cx - s * 0.28, cy - s * 0.02, s * 0.1, s * 0.06, 200, 340, width=2.4)    # squinting eyes
    arc(d, cx + s * 0.28, cy - s * 0.02, s * 0.1, s * 0.06, 200, 340, width=2.4)
    ell(d, cx, cy + s * 0.18, s * 0.16, s * 0.12, (240, 140, 160))                  # nose
    arc(d, cx, cy + s * 0.36, s * 0.12, s * 0.08, 20, 160, width=2)
    for side in (-1, 1):
        bx = cx + side * s * 0.78
        by = cy + s * 0.62
        ell(d, bx, by, s * 0.26, s * 0.2, (238, 184, 170))
        for k in (-1, 0, 1):
            line(d, [(bx + k * s * 0.1, by - s * 0.15), (bx + k * s * 0.13, by - s * 0.34)], width=2.4)
    rect(d, cx - s * 0.55, cy - s * 0.62, cx + s * 0.55, cy - s * 0.38, (230, 170, 60), outline=INK, width=1.5,
         radius=s * 0.1)
    ell(d, cx, cy - s * 0.5, s * 0.13, s * 0.1, (254, 240, 150), width=1.5)         # lamp


def draw_crow(d, cx, cy, s):
    """The forest crow: glossy black, yellow beak, a bottle cap worn as a medal."""
    ell(d, cx, cy + s * 0.95, s * 0.8, s * 0.55, (40, 40, 56))
    ell(d, cx, cy + s * 0.05, s * 0.66, s * 0.62, (34, 34, 48))
    for k in range(3):
        poly(d, [(cx - s * 0.1 + k * s * 0.12, cy - s * 0.5), (cx - s * 0.02 + k * s * 0.12, cy - s * 0.9),
                 (cx + s * 0.06 + k * s * 0.12, cy - s * 0.52)], (34, 34, 48), outline=None)
    arc(d, cx - s * 0.2, cy - s * 0.2, s * 0.3, s * 0.2, 200, 300, fill=(90, 100, 150), width=2)   # gloss
    poly(d, [(cx - s * 0.05, cy + s * 0.08), (cx + s * 0.62, cy + s * 0.2), (cx - s * 0.05, cy + s * 0.34)],
         (246, 190, 50), width=1.5)
    ell(d, cx - s * 0.22, cy - s * 0.1, s * 0.15, s * 0.16, (250, 250, 250), outline=None)
    ell(d, cx + s * 0.2, cy - s * 0.12, s * 0.13, s * 0.15, (250, 250, 250), outline=None)
    ell(d, cx - s * 0.18, cy - s * 0.08, s * 0.07, s * 0.09, INK, outline=None)
    ell(d, cx + s * 0.23, cy - s * 0.1, s * 0.06, s * 0.08, INK, outline=None)
    line(d, [(cx - s * 0.38, cy - s * 0.34), (cx - s * 0.06, cy - s * 0.24)], fill=(250, 250, 250), width=2)
    ell(d, cx, cy + s * 0.9, s * 0.2, s * 0.2, (220, 220, 230), outline=(120, 120, 140), width=1.5)  # cap
    for k in range(10):
        a = 2 * math.pi * k / 10
        ell(d, cx + math.cos(a) * s * 0.2, cy + s * 0.9 + math.sin(a) * s * 0.2, s * 0.03, s * 0.03,
            (160, 160, 176), outline=None)


def draw_rosa(d, cx, cy, s, calm=True):
    """The greenhouse rose: a red bloom with a face, leaves and a thorny stem."""
    line(d, [(cx, cy + s * 0.6), (cx + s * 0.05, cy + s * 1.4)], fill=(64, 110, 56), width=s * 0.12)
    for side in (-1, 1):
        poly(d, [(cx, cy + s * 1.0), (cx + side * s * 0.5, cy + s * 0.8), (cx + side * s * 0.75, cy + s * 1.05),
                 (cx + side * s * 0.4, cy + s * 1.15)], (96, 160, 80), width=1.5)
        poly(d, [(cx + side * s * 0.06, cy + s * 1.25), (cx + side * s * 0.2, cy + s * 1.22),
                 (cx + side * s * 0.06, cy + s * 1.32)], (64, 110, 56), outline=None)
    for k in range(8):
        a = 2 * math.pi * k / 8 + 0.2
        ell(d, cx + math.cos(a) * s * 0.52, cy + math.sin(a) * s * 0.5, s * 0.36, s * 0.32, (200, 46, 70),
            outline=(130, 24, 44), width=1.5)
    ell(d, cx, cy, s * 0.6, s * 0.56, (222, 64, 86), outline=(130, 24, 44), width=1.5)
    arc(d, cx, cy - s * 0.3, s * 0.3, s * 0.2, 180, 360, fill=(150, 30, 50), width=2)
    if calm:
        arc(d, cx - s * 0.2, cy + s * 0.0, s * 0.09, s * 0.06, 10, 170, width=2)
        arc(d, cx + s * 0.2, cy + s * 0.0, s * 0.09, s * 0.06, 10, 170, width=2)
    else:
        ell(d, cx - s * 0.2, cy + s * 0.02, s * 0.06, s * 0.08, INK, outline=None)
        ell(d, cx + s * 0.2, cy + s * 0.02, s * 0.06, s * 0.08, INK, outline=None)
        ell(d, cx - s * 0.2, cy + s * 0.16, s * 0.03, s * 0.06, (150, 200, 240), outline=None)  # a tear
    ell(d, cx - s * 0.36, cy + s * 0.2, s * 0.08, s * 0.05, (250, 150, 160), outline=None)
    ell(d, cx + s * 0.36, cy + s * 0.2, s * 0.08, s * 0.05, (250, 150, 160), outline=None)
    arc(d, cx, cy + s * 0.24, s * 0.1, s * 0.06, 20, 160, width=2)


# ---------------------------------------------------------------- pictures

def pic_message_frame():
    """7001: the message window (560 x 112 at 40, 362); the text area starts at 60, 375."""
    w, h = 560, 112
    img, d = canvas(w, h, (255, 255, 255))
    rect(d, 1, 1, w - 1, h - 1, (92, 130, 84), radius=14)
    rect(d, 5, 5, w - 5, h - 5, (250, 246, 230), outline=(196, 170, 120), width=2, radius=11)
    for x in (12, w - 12):
        for y in (12, h - 12):
            flower(d, x, y, 3.2, (240, 150, 160), centre=(250, 220, 90))
    return finish(img, w, h, keep_white=True)


def portrait(drawer, bg_top, bg_bottom, **kw):
    """7201-7206: a framed face (112 x 112 at 40, 246, above the message window)."""
    w = h = 112
    img, d = canvas(w, h, (255, 255, 255))  # pure white outside the frame: transparent
    inner = Image.new("RGB", (S(w), S(h)))
    vgradient(inner, bg_top, bg_bottom)
    mask = Image.new("L", (S(w), S(h)), 0)
    ImageDraw.Draw(mask).rounded_rectangle([S(5), S(5), S(w - 5), S(h - 5)], radius=S(12), fill=255)
    img.paste(inner, (0, 0), mask)
    layer = Image.new("RGB", (S(w), S(h)), (255, 0, 255))
    drawer(ImageDraw.Draw(layer), w / 2, h / 2 + 2, 40, **kw)
    lm = Image.new("L", layer.size, 0)
    a = np.asarray(layer)
    lm = Image.fromarray(((~((a[:, :, 0] == 255) & (a[:, :, 1] == 0) & (a[:, :, 2] == 255))) * 255).astype(np.uint8))
    lm = Image.composite(lm, Image.new("L", lm.size, 0), mask)
    img.paste(layer, (0, 0), lm)
    d = ImageDraw.Draw(img)
    rect(d, 2, 2, w - 2, h - 2, None, outline=(92, 130, 84), width=4, radius=14)
    rect(d, 6, 6, w - 6, h - 6, None, outline=(250, 240, 210), width=1.5, radius=11)
    out = finish(img, w, h, keep_white=True)
    a = np.asarray(out).copy()
    inner = a[8:h - 8, 8:w - 8]
    inner[(inner == 255).all(axis=2)] = (254, 254, 254)  # no holes inside the frame
    return Image.fromarray(a)


def scene_room():
    """7101: ぞーぶ's bedroom: plank walls, a window on a grey sky, the bed, a wilted pot."""
    w, h = 640, 480
    img, d = canvas(w, h)
    rng = random.Random(7101)
    for i in range(0, w, 40):
        c = lerp((176, 128, 86), (160, 114, 76), rng.random())
        rect(d, i, 0, i + 40, 330, c)
        line(d, [(i, 0), (i, 330)], fill=(126, 86, 56), width=2)
    rect(d, 0, 330, w, h, (132, 92, 62))
    for y in range(340, h, 26):
        line(d, [(0, y), (w, y)], fill=(112, 78, 52), width=2)
    # window
    rect(d, 70, 50, 250, 200, (186, 192, 198), outline=(96, 66, 44), width=8)
    sky = Image.new("RGB", (S(172), S(142)))
    vgradient(sky, (150, 160, 172), (206, 208, 204))
    img.paste(sky, (S(74), S(54)))
    d = ImageDraw.Draw(img)
    line(d, [(80, 170), (140, 130), (170, 120), (210, 90)], fill=(90, 76, 62), width=4)
    line(d, [(140, 130), (150, 100)], fill=(90, 76, 62), width=3)
    line(d, [(160, 50), (160, 200)], fill=(96, 66, 44), width=6)
    line(d, [(70, 125), (250, 125)], fill=(96, 66, 44), width=6)
    # bed
    rect(d, 330, 150, 356, 330, (110, 74, 46), outline=INK)
    rect(d, 596, 200, 620, 330, (110, 74, 46), outline=INK)
    rect(d, 340, 230, 612, 300, (236, 224, 200), outline=INK)
    rect(d, 360, 196, 470, 244, (246, 240, 226), outline=INK, radius=14)          # pillow
    draw_zove(d, 420, 205, 34, sick=True)
    quilt = [(220, 120, 110), (240, 196, 110), (130, 170, 120), (120, 150, 200)]
    for i in range(6):
        for j in range(3):
            rect(d, 380 + i * 38, 240 + j * 22, 418 + i * 38, 262 + j * 22, quilt[(i + j) % 4], outline=(150, 110, 90),
                 width=1)
    # table, teacup, wilted pot
    rect(d, 500, 110, 580, 118, (110, 74, 46), outline=INK)
    rect(d, 520, 80, 560, 110, (196, 120, 80), outline=INK)
    line(d, [(540, 80), (536, 56), (526, 50)], fill=(110, 120, 70), width=2.4)
    ell(d, 522, 52, 8, 4, (150, 140, 80), outline=None)
    rect(d, 262, 260, 300, 330, (150, 100, 60), outline=INK)
    ell(d, 281, 252, 28, 10, (200, 190, 170))
    ell(d, 274, 248, 7, 5, (236, 236, 230), outline=(160, 150, 140), width=1)
    return finish(img, w, h)


def scene_withered():
    """7102: the withered garden: dry hills, dead stems, the old well, the house far off."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (176, 182, 190), (226, 216, 196), 0, S(260))
    d = ImageDraw.Draw(img)
    rng = random.Random(7102)
    d.pieslice([S(-200), S(180), S(500), S(560)], 180, 360, fill=(170, 150, 100))
    d.pieslice([S(250), S(200), S(900), S(560)], 180, 360, fill=(156, 136, 90))
    rect(d, 0, 300, w, h, (150, 128, 86))
    # the house far off
    rect(d, 90, 168, 150, 210, (200, 176, 140), outline=INK, width=1.5)
    poly(d, [(82, 170), (120, 140), (158, 170)], (150, 80, 60), width=1.5)
    rect(d, 112, 186, 126, 210, (110, 74, 46), outline=None)
    grass(d, 0, w, 320, (128, 108, 70), rng, n=200, h=14)
    for _ in range(28):
        dead_stem(d, rng.uniform(10, 630), rng.uniform(300, 360), rng.uniform(30, 60), rng)
    # the old well
    ell(d, 470, 300, 70, 22, (120, 120, 120))
    rect(d, 400, 250, 540, 300, (150, 146, 138), outline=INK)
    for row, y in enumerate((262, 276, 290)):
        x = 404 + (row % 2) * 14
        while x + 24 <= 536:
            rect(d, x, y - 10, x + 24, y, (168, 164, 154), outline=(110, 106, 98), width=1)
            x += 28
    ell(d, 470, 250, 70, 22, (150, 146, 138))
    ell(d, 470, 250, 58, 16, (40, 36, 34), outline=None)
    line(d, [(410, 250), (410, 170)], fill=(110, 74, 46), width=6)
    line(d, [(530, 250), (530, 170)], fill=(110, 74, 46), width=6)
    poly(d, [(390, 176), (470, 140), (550, 176)], (140, 84, 60))
    line(d, [(470, 176), (470, 226)], fill=(90, 80, 70), width=2)
    rect(d, 460, 226, 480, 242, (130, 100, 70), outline=INK, width=1.5)
    return finish(img, w, h)


def scene_well():
    """7103: the bottom of the old well: a blue cave, stalactites, the spring pool."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (24, 30, 52), (46, 60, 86))
    d = ImageDraw.Draw(img)
    rng = random.Random(7103)
    ell(d, 320, -40, 110, 90, (120, 140, 160), outline=None)    # light from the shaft
    ell(d, 320, -40, 80, 64, (170, 186, 196), outline=None)
    for _ in range(16):
        x = rng.uniform(0, w)
        hh = rng.uniform(30, 110)
        poly(d, [(x - 20, 0), (x + 20, 0), (x + rng.uniform(-4, 4), hh)], (60, 70, 96), outline=None)
    for x0, col in ((0, (54, 62, 88)), (460, (50, 58, 84))):
        poly(d, [(x0, h), (x0, 120), (x0 + 60, 80), (x0 + 150, 150), (x0 + 180, h)], col, outline=None)
    ell(d, 560, 250, 44, 56, (14, 16, 26), outline=(70, 78, 104), width=3)     # the mole's tunnel
    ell(d, 320, 330, 250, 44, (64, 120, 170), outline=(40, 60, 90), width=2)   # the pool
    for _ in range(30):
        x = rng.uniform(100, 540)
        y = rng.uniform(306, 354)
        line(d, [(x, y), (x + rng.uniform(8, 20), y)], fill=(170, 210, 236), width=1.5)
    for _ in range(40):
        x, y = rng.uniform(0, w), rng.uniform(60, 300)
        ell(d, x, y, 1.2, 1.2, (150, 190, 220), outline=None)
    for x in (150, 210, 430, 480):
        ell(d, x, 360 + (x % 7), 26, 14, (90, 96, 112))
    return finish(img, w, h)


def scene_forest():
    """7105-ish light through tall trees: the north forest, with a crows' nest of shiny things."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (120, 168, 120), (62, 104, 70))
    d = ImageDraw.Draw(img)
    rng = random.Random(7104)
    for k in range(5):
        x = 120 + k * 110
        poly(d, [(x, 0), (x + 40, 0), (x + 140, 480), (x + 60, 480)], lerp((150, 196, 140), (120, 168, 120), 0.4),
             outline=None)
    for depth, col in ((0, (48, 84, 56)), (1, (36, 66, 44))):
        for _ in range(7):
            x = rng.uniform(-20, 660)
            r = rng.uniform(50, 90)
            ell(d, x, rng.uniform(40, 140) + depth * 30, r, r * 0.8, col, outline=None)
    for x in (60, 200, 460, 590):
        rect(d, x - 16, 100, x + 16, 380, (86, 60, 42), outline=INK)
    line(d, [(200, 170), (330, 150)], fill=(86, 60, 42), width=10)
    ell(d, 320, 140, 50, 20, (120, 92, 60), outline=INK)      # the nest
    for k, c in enumerate(((230, 230, 240), (250, 220, 90), (200, 210, 220))):
        ell(d, 296 + k * 22, 126, 8, 8, c, width=1.5)
    rect(d, 0, 360, w, h, (70, 120, 64))
    grass(d, 0, w, 372, (54, 98, 50), rng, n=260, h=16)
    for _ in range(14):
        ell(d, rng.uniform(0, w), rng.uniform(370, 420), 16, 8, (96, 150, 80), outline=None)
    return finish(img, w, h)


def scene_greenhouse():
    """7105: the old greenhouse: glass panes, thorny vines everywhere, a red glow at the back."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (176, 196, 196), (120, 146, 140))
    d = ImageDraw.Draw(img)
    rng = random.Random(7105)
    ell(d, 330, 210, 80, 70, (214, 150, 150), outline=None)
    ell(d, 330, 210, 50, 44, (226, 120, 128), outline=None)
    poly(d, [(40, 420), (40, 120), (320, 20), (600, 120), (600, 420)], None, outline=(90, 110, 104), width=8)
    for x in range(40, 601, 70):
        top = 120 - (1 - abs(x - 320) / 280) * 100
        line(d, [(x, top), (x, 420)], fill=(110, 132, 124), width=3)
    for y in (200, 300):
        line(d, [(40, y), (600, y)], fill=(110, 132, 124), width=3)
    rect(d, 0, 400, w, h, (110, 96, 80))
    for _ in range(9):
        x0 = rng.uniform(-40, 680)
        thorn_vine(d, rng, x0, rng.uniform(400, 460), x0 + rng.uniform(-200, 200), rng.uniform(20, 140),
                   colour=lerp((40, 64, 44), (70, 54, 70), rng.random()), width=rng.uniform(5, 9))
    return finish(img, w, h)


def scene_greenhouse_open():
    """7108: the greenhouse after the thorns let go: clear glass, ローザ in bloom at the back."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (200, 226, 224), (150, 184, 170))
    d = ImageDraw.Draw(img)
    rng = random.Random(7108)
    for r, c in ((120, (236, 214, 190)), (80, (246, 226, 200))):
        ell(d, 330, 210, r, r * 0.85, c, outline=None)
    poly(d, [(40, 420), (40, 120), (320, 20), (600, 120), (600, 420)], None, outline=(90, 110, 104), width=8)
    for x in range(40, 601, 70):
        top = 120 - (1 - abs(x - 320) / 280) * 100
        line(d, [(x, top), (x, 420)], fill=(110, 132, 124), width=3)
    for y in (200, 300):
        line(d, [(40, y), (600, y)], fill=(110, 132, 124), width=3)
    rect(d, 0, 400, w, h, (120, 104, 84))
    for x0, x1 in ((20, 90), (600, 560)):  # the vines, drawn back to the corners
        thorn_vine(d, rng, x0, 460, x1, 300, colour=(64, 110, 60), width=5)
    for _ in range(24):
        x, y = rng.uniform(60, 600), rng.uniform(40, 380)
        ell(d, x, y, 1.6, 1.6, (252, 246, 200), outline=None)
    draw_rosa(d, 330, 250, 56)
    for _ in range(18):
        x, y = rng.uniform(80, 580), rng.uniform(404, 470)
        flower(d, x, y, 5, rng.choice([(240, 120, 140), (250, 200, 80), (246, 160, 200)]), rot=rng.random())
    return finish(img, w, h)


def scene_bloom():
    """7106: the garden in bloom: blue sky, green hills, flowers everywhere."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (120, 178, 236), (214, 236, 246), 0, S(280))
    d = ImageDraw.Draw(img)
    rng = random.Random(7106)
    ell(d, 560, 70, 40, 40, (252, 236, 150), outline=None)
    for cx, cy in ((120, 70), (300, 50), (470, 100)):
        for k in range(3):
            ell(d, cx + k * 26, cy + (k % 2) * 6, 30, 18, (250, 250, 252), outline=None)
    d.pieslice([S(-200), S(180), S(500), S(560)], 180, 360, fill=(120, 190, 96))
    d.pieslice([S(250), S(200), S(900), S(560)], 180, 360, fill=(104, 176, 84))
    rect(d, 0, 300, w, h, (96, 164, 78))
    rect(d, 90, 168, 150, 210, (240, 220, 180), outline=INK, width=1.5)
    poly(d, [(82, 170), (120, 140), (158, 170)], (200, 90, 70), width=1.5)
    rect(d, 112, 186, 126, 210, (110, 74, 46), outline=None)
    # greenhouse far right
    poly(d, [(520, 230), (560, 200), (600, 230), (600, 280), (520, 280)], (200, 232, 226), outline=(90, 110, 104),
         width=2)
    ell(d, 560, 250, 10, 10, (222, 64, 86), outline=None)
    grass(d, 0, w, 320, (80, 150, 64), rng, n=220, h=14)
    colours = [(240, 120, 140), (250, 200, 80), (246, 160, 200), (170, 140, 230), (250, 250, 120), (240, 100, 90)]
    for _ in range(70):
        x, y = rng.uniform(10, 630), rng.uniform(250, 470)
        r = 3 + (y - 250) / 220 * 7
        if rng.random() < 0.3:
            tulip(d, x, y, r, rng.choice(colours))
        else:
            flower(d, x, y, r, rng.choice(colours), rot=rng.random())
    # the well, mended, with water
    rect(d, 400, 250, 540, 300, (160, 156, 148), outline=INK)
    ell(d, 470, 250, 70, 22, (160, 156, 148))
    ell(d, 470, 250, 58, 16, (90, 150, 200), outline=None)
    line(d, [(410, 250), (410, 170)], fill=(110, 74, 46), width=6)
    line(d, [(530, 250), (530, 170)], fill=(110, 74, 46), width=6)
    poly(d, [(390, 176), (470, 140), (550, 176)], (190, 90, 70))
    return finish(img, w, h)


def scene_night():
    """7107: the garden at night under the stars (behind the staff roll)."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (12, 16, 44), (44, 40, 86))
    d = ImageDraw.Draw(img)
    rng = random.Random(7107)
    for _ in range(120):
        x, y, r = rng.uniform(0, w), rng.uniform(0, 300), rng.choice((0.8, 1.0, 1.4, 2.0))
        ell(d, x, y, r, r, lerp((200, 200, 230), (250, 246, 200), rng.random()), outline=None)
    ell(d, 520, 80, 34, 34, (250, 240, 190), outline=None)
    ell(d, 534, 72, 30, 30, lerp((12, 16, 44), (44, 40, 86), 0.2), outline=None)
    d.pieslice([S(-200), S(220), S(520), S(600)], 180, 360, fill=(26, 42, 40))
    d.pieslice([S(260), S(240), S(900), S(600)], 180, 360, fill=(22, 36, 34))
    rect(d, 0, 330, w, h, (20, 32, 30))
    for _ in range(40):
        x, y = rng.uniform(0, w), rng.uniform(300, 360)
        flower(d, x, y, 4, lerp((90, 80, 130), (130, 90, 120), rng.random()), centre=(160, 150, 90))
    for _ in range(14):  # fireflies
        x, y = rng.uniform(200, 630), rng.uniform(180, 340)
        ell(d, x, y, 4, 4, (120, 140, 60), outline=None)
        ell(d, x, y, 1.8, 1.8, (240, 250, 150), outline=None)
    return finish(img, w, h)


def pic_end():
    """8001: the end picture, on black (the defeat screen and the end of the staff roll)."""
    w, h = 640, 480
    img, d = canvas(w, h, (0, 0, 0))
    rng = random.Random(8001)
    for _ in range(60):
        x, y = rng.uniform(0, w), rng.uniform(0, h)
        ell(d, x, y, 1, 1, (60, 60, 80), outline=None)
    # a sprout in a pot
    rect(d, 296, 250, 344, 300, (170, 100, 60), outline=(110, 60, 36), radius=4)
    rect(d, 290, 244, 350, 256, (190, 116, 70), outline=(110, 60, 36), radius=3)
    line(d, [(320, 244), (320, 206)], fill=(110, 180, 90), width=4)
    ell(d, 306, 204, 14, 7, (130, 200, 100), outline=None)
    ell(d, 334, 198, 14, 7, (130, 200, 100), outline=None)
    text(d, 320, 170, "― おしまい ―", 34, (250, 236, 200), anchor="mm")
    text(d, 320, 340, "ぞーぶのにわ", 18, (170, 190, 160), anchor="mm")
    return finish(img, w, h)


def pic_thanks():
    """9998: the thank-you picture after the staff roll: everyone in the garden in bloom."""
    w, h = 640, 480
    img, d = canvas(w, h)
    vgradient(img, (150, 200, 240), (236, 244, 240), 0, S(300))
    d = ImageDraw.Draw(img)
    rng = random.Random(9998)
    d.pieslice([S(-160), S(230), S(800), S(700)], 180, 360, fill=(120, 190, 96))
    rect(d, 0, 330, w, h, (110, 180, 88))
    colours = [(240, 120, 140), (250, 200, 80), (246, 160, 200), (170, 140, 230), (240, 100, 90)]
    for _ in range(90):
        x, y = rng.uniform(0, w), rng.uniform(300, 478)
        flower(d, x, y, 3 + (y - 300) / 180 * 6, rng.choice(colours), rot=rng.random())
    draw_crow(d, 90, 250, 34)
    draw_zove(d, 220, 250, 46)
    draw_haru(d, 350, 260, 44)
    draw_rosa(d, 470, 262, 36)
    draw_mogu(d, 575, 290, 34)
    draw_mitsu(d, 420, 150, 22)
    rect(d, 110, 26, 530, 110, (250, 248, 236), outline=(92, 130, 84), width=4, radius=16)
    text(d, 320, 54, "ぞーぶのにわ", 30, (120, 70, 50), anchor="mm")
    text(d, 320, 90, "あそんでくれて ありがとう！", 20, (70, 110, 70), anchor="mm")
    return finish(img, w, h)


PICTURES = [
    # number, file, x, y, drawer
    (7001, "story_msg.png", 40, 362, pic_message_frame),
    (7101, "story_room.png", 0, 0, scene_room),
    (7102, "story_withered.png", 0, 0, scene_withered),
    (7103, "story_well.png", 0, 0, scene_well),
    (7104, "story_forest.png", 0, 0, scene_forest),
    (7105, "story_greenhouse.png", 0, 0, scene_greenhouse),
    (7106, "story_bloom.png", 0, 0, scene_bloom),
    (7107, "story_night.png", 0, 0, scene_night),
    (7108, "story_greenhouse_open.png", 0, 0, scene_greenhouse_open),
    (7201, "story_face_zove.png", 40, 246, lambda: portrait(draw_zove, (250, 236, 200), (236, 214, 170))),
    (7202, "story_face_haru.png", 40, 246, lambda: portrait(draw_haru, (214, 238, 206), (186, 222, 178))),
    (7203, "story_face_mitsu.png", 40, 246, lambda: portrait(draw_mitsu, (250, 240, 190), (246, 222, 150))),
    (7204, "story_face_mogu.png", 40, 246, lambda: portrait(draw_mogu, (206, 196, 186), (170, 156, 146))),
    (7205, "story_face_crow.png", 40, 246, lambda: portrait(draw_crow, (200, 220, 236), (160, 186, 210))),
    (7206, "story_face_rosa.png", 40, 246, lambda: portrait(draw_rosa, (250, 216, 220), (236, 180, 190))),
    (8001, "story_end.png", 0, 0, pic_end),
    (9998, "story_thanks.png", 0, 0, pic_thanks),
]


# ---------------------------------------------------------------- sounds

RATE = 22050


def env(n, attack, release):
    e = np.ones(n)
    a = max(1, int(attack * RATE))
    r = max(1, int(release * RATE))
    e[:a] = np.linspace(0, 1, a)
    e[-r:] *= np.linspace(1, 0, r)
    return e


def snd_sparkle():
    """60: a little rising chime."""
    out = np.zeros(int(0.9 * RATE))
    for k, f in enumerate((1318.5, 1568.0, 1975.5, 2637.0)):
        start = int(k * 0.09 * RATE)
        n = len(out) - start
        t = np.arange(n) / RATE
        out[start:] += 0.3 * np.sin(2 * np.pi * f * t) * np.exp(-t * 6) + 0.08 * np.sin(4 * np.pi * f * t) * np.exp(-t * 9)
    return out


def snd_water(rng):
    """61: water gushing back: filtered noise swelling, with bubbles."""
    n = int(1.4 * RATE)
    noise = rng.standard_normal(n)
    k = np.ones(24) / 24
    low = np.convolve(noise, k, mode="same")
    out = low * 1.6 * env(n, 0.5, 0.6)
    t = np.arange(n) / RATE
    for _ in range(14):
        s = rng.integers(0, n - 3000)
        f = rng.uniform(300, 700)
        m = 2500
        tt = t[:m]
        out[s:s + m] += 0.25 * np.sin(2 * np.pi * (f + 900 * tt) * tt) * np.exp(-tt * 30)
    return out


def snd_knock():
    """62: two knocks on a wooden door."""
    out = np.zeros(int(0.6 * RATE))
    for start in (0.0, 0.22):
        s = int(start * RATE)
        m = int(0.12 * RATE)
        t = np.arange(m) / RATE
        out[s:s + m] += (0.7 * np.sin(2 * np.pi * 180 * t) + 0.3 * np.sin(2 * np.pi * 410 * t)) * np.exp(-t * 40)
    return out


def snd_buzz():
    """63: a bee flying by."""
    n = int(0.8 * RATE)
    t = np.arange(n) / RATE
    f = 220 + 30 * np.sin(2 * np.pi * 5 * t)
    phase = 2 * np.pi * np.cumsum(f) / RATE
    saw = 2 * (phase / (2 * np.pi) % 1.0) - 1
    return 0.35 * saw * env(n, 0.15, 0.3) * (0.6 + 0.4 * np.sin(2 * np.pi * 1.2 * t))


def snd_caw():
    """64: a crow's caw, twice."""
    out = np.zeros(int(0.9 * RATE))
    for start in (0.0, 0.42):
        s = int(start * RATE)
        m = int(0.3 * RATE)
        t = np.arange(m) / RATE
        f = 520 - 260 * t / 0.3
        phase = 2 * np.pi * np.cumsum(f) / RATE
        sq = np.sign(np.sin(phase)) * 0.5 + np.sin(3 * phase) * 0.3
        out[s:s + m] += sq * env(m, 0.02, 0.12) * 0.5
    return out


def snd_trap(rng):
    """65: a sharp prick and a thud."""
    n = int(0.5 * RATE)
    t = np.arange(n) / RATE
    out = 0.6 * np.sin(2 * np.pi * (1400 - 2400 * t) * t) * np.exp(-t * 25)
    out += 0.5 * np.sin(2 * np.pi * 90 * t) * np.exp(-t * 12)
    out += 0.15 * rng.standard_normal(n) * np.exp(-t * 40)
    return out


def write_wav(path, samples):
    samples = np.asarray(samples, dtype=np.float64)
    peak = np.max(np.abs(samples)) or 1.0
    data = (samples / peak * 0.8 * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


def sounds():
    rng = np.random.default_rng(60)
    return [
        (60, "story_sparkle.wav", snd_sparkle()),
        (61, "story_water.wav", snd_water(rng)),
        (62, "story_knock.wav", snd_knock()),
        (63, "story_buzz.wav", snd_buzz()),
        (64, "story_caw.wav", snd_caw()),
        (65, "story_trap.wav", snd_trap(rng)),
    ]


# ---------------------------------------------------------------- music

def ending_theme():
    """20: the ending theme: a gentle waltz in F major, flute over harp and strings (32 bars)."""
    song = midi.Song(bpm=96, numerator=3, denominator=4)
    flute = song.track("Flute", channel=0, program=73, volume=98, pan=58, reverb=70)
    harp = song.track("Harp", channel=1, program=46, volume=84, pan=72, reverb=70)
    strings = song.track("Strings", channel=2, program=48, volume=62, pan=64, reverb=80)
    bass = song.track("Bass", channel=3, program=32, volume=80, pan=64, reverb=30)
    n = midi.n
    progression = ["F", "C", "Dm", "Bb", "F", "Gm", "C", "F",
                   "Bb", "F", "Gm", "C", "Am", "Dm", "Gm7", "C"]
    kinds = {"F": ("F3", "maj"), "C": ("C3", "maj"), "Dm": ("D3", "min"), "Bb": ("Bb2", "maj"),
             "Gm": ("G2", "min"), "Am": ("A2", "min"), "Gm7": ("G2", "min7")}
    melody_a = [("A5", 2), ("G5", 1), ("F5", 2), ("C5", 1), ("D5", 2), ("E5", 1), ("F5", 3),
                ("Bb5", 2), ("A5", 1), ("G5", 2), ("F5", 1), ("E5", 2), ("D5", 1), ("C5", 3),
                ("A5", 2), ("Bb5", 1), ("C6", 2), ("A5", 1), ("G5", 2), ("F5", 1), ("D5", 3),
                ("E5", 2), ("G5", 1), ("F5", 1.5), ("E5", 0.5), ("D5", 1), ("C5", 3), (None, 3)]
    melody_b = [("C5", 1), ("F5", 1), ("A5", 1), ("G5", 2), ("E5", 1), ("F5", 2), ("D5", 1), ("D5", 3),
                ("C5", 1), ("F5", 1), ("A5", 1), ("Bb5", 2), ("A5", 1), ("G5", 3), ("A5", 3),
                ("D6", 2), ("C6", 1), ("A5", 2), ("F5", 1), ("G5", 1), ("A5", 1), ("Bb5", 1), ("C6", 2), ("Bb5", 1),
                ("A5", 2), ("E5", 1), ("F5", 2), ("D5", 1), ("G5", 1.5), ("F5", 0.5), ("E5", 1), ("C5", 3)]
    for rep in range(2):
        base = rep * 48
        for bar, name in enumerate(progression):
            root, kind = kinds[name]
            notes = midi.chord(root, kind)
            t = base + bar * 3
            bass.note(t, 2.8, n(root) - 12 if n(root) > 48 else n(root), 78)
            harp.note(t, 1, notes[0] + 12, 60)
            harp.note(t + 1, 1, notes[1] + 12, 56)
            harp.note(t + 2, 1, notes[2] + 12, 56)
            strings.notes_at(t, 3, [p + 12 for p in notes], 46)
        t = base
        if rep == 0:
            t = flute.phrase(t, melody_a, 86)
        else:
            t = flute.phrase(t, melody_b, 86)
    song.length = 96
    return song


# ---------------------------------------------------------------- main

def entries():
    pic = ["%d=%s:%d:%d:%d:%d" % (no, f, x, y, *SIZES[no]) for no, f, x, y, _ in PICTURES]
    snd = ["%d=%s" % (no, f) for no, f, _ in sounds()]
    mid = ["20=story_ending.mid"]
    return pic, snd, mid


SIZES = {}


def main(argv):
    game = os.path.join(os.path.dirname(HERE), "game")
    args = [a for a in argv if not a.startswith("--")]
    if args:
        game = args[0]
    for sub in ("pic", "sound", "mid"):
        os.makedirs(os.path.join(game, sub), exist_ok=True)
    for no, name, x, y, drawer in PICTURES:
        img = drawer()
        SIZES[no] = img.size
        img.save(os.path.join(game, "pic", name), optimize=True)
    for no, name, samples in sounds():
        write_wav(os.path.join(game, "sound", name), samples)
    ending_theme().save(os.path.join(game, "mid", "story_ending.mid"))
    if "--entries" in argv:
        pic, snd, mid = entries()
        print("[PIC]\n" + "\n".join(pic) + "\n[SOUND]\n" + "\n".join(snd) + "\n[MID]\n" + "\n".join(mid))


if __name__ == "__main__":
    main(sys.argv[1:])
