#!/usr/bin/python3
"""Draws the pictures and sounds of the save and load screens into game/.

    tools/make_save_media.py [GAME_DIR] [--entries]    (default: game/ beside this folder)

Pictures (PNG, pic/save_*.png):
  1000  background of both screens: a garden notebook with seven ruled rows. The screens write
        slot s at (95, 80 + 50 (s - 1)) and frame it with (85, 75 + 50 (s - 1))-(540, 105 + ...),
        so each row's panel runs from x 80 to 548 and y 70 + 50 (s - 1) to 110 + 50 (s - 1),
        the frame falling inside it. The title is written at (200, 10). The bottom right corner
        (x 440 on, y 406 on) stays pure white: the sliding picture is wiped there in white.
  1001  the save screen's sliding picture: ぞーぶ writing the day into his garden diary.
  1002  the load screen's sliding picture: ハル opening the diary to read.
Sounds (WAV, 22050 Hz, 16-bit mono, sound/save_*.wav):
  2     done (saved or loaded): two soft bell notes going up.
  3     back (cancel): a short wooden tap going down.

Pure white is the transparent colour of the game's painting: these pictures keep off it (254 at
most) except where the screen should show through. Deterministic: the same run gives the same
bytes. `--entries` prints the index lines for pic.ini and sound.ini.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_story_media as sm  # noqa: E402  (drawing helpers and the characters)

S = sm.S
PAPER = (250, 244, 226)
PAPER_EDGE = (226, 212, 180)
ROW = (254, 251, 240)
ROW_EDGE = (206, 184, 150)
LEAF = (96, 150, 80)

# Slide pictures: drawn at x 444..458 (it moves left) and y 410; the screen ends at 640 x 480.
SLIDE_W, SLIDE_H = 190, 70


def row_box(s):
    top = 70 + 50 * (s - 1)
    return 80, top, 548, top + 40


def pic_background():
    img, d = sm.canvas(640, 480, (240, 232, 208))
    sm.vgradient(img, (236, 226, 198), (222, 232, 204))
    # The notebook page, its binding on the left.
    sm.rect(d, 44, 4, 604, 476, PAPER, outline=PAPER_EDGE, width=2, radius=10)
    for k in range(12):
        y = 24 + k * 38
        sm.ell(d, 56, y, 5, 5, (200, 186, 150), outline=(150, 130, 96), width=1.2)
    # A title ribbon behind the title line at (200, 10).
    sm.rect(d, 186, 6, 600, 28, (240, 220, 200), outline=(200, 150, 130), width=1.5, radius=8)
    # Seven row panels, each with a sprout at its right end.
    for s in range(1, 8):
        x0, y0, x1, y1 = row_box(s)
        sm.rect(d, x0, y0, x1, y1, ROW, outline=ROW_EDGE, width=1.5, radius=6)
        sm.line(d, [(x0 + 12, y1 - 6), (x1 - 40, y1 - 6)], fill=(232, 220, 196), width=1)
        cx, cy = x1 + 26, y0 + 22
        sm.line(d, [(cx, cy + 14), (cx, cy)], fill=LEAF, width=2.5)
        sm.ell(d, cx - 7, cy - 2, 7, 4, (130, 190, 100), outline=LEAF, width=1.2)
        sm.ell(d, cx + 7, cy - 4, 7, 4, (130, 190, 100), outline=LEAF, width=1.2)
    # Flowers along the bottom margin, left of the sliding picture's corner.
    sm.grass(d, 60, 430, 470, (120, 170, 90), __import__("random").Random(1000), n=70, h=9)
    for k, (x, colour) in enumerate(((90, (236, 120, 140)), (150, (250, 196, 80)), (215, (170, 140, 230)),
                                     (290, (240, 150, 90)), (360, (236, 120, 140)), (410, (250, 196, 80)))):
        sm.flower(d, x, 446 + (k % 2) * 6, 6, colour)
    img = sm.finish(img, 640, 480)
    # The corner where the sliding picture runs is wiped in white by the screens: keep it white, as
    # a card with a rounded edge lying on the page.
    ImageDraw.Draw(img).rounded_rectangle([437, 403, 660, 500], radius=8, fill=(252, 250, 244),
                                          outline=ROW_EDGE, width=2)
    a = np.asarray(img).copy()
    a[406:, 440:] = (255, 255, 255)
    return Image.fromarray(a)


def diary(d, x, y, w, h, open_book):
    if open_book:
        sm.poly(d, [(x, y + 6), (x + w / 2, y), (x + w, y + 6), (x + w, y + h), (x + w / 2, y + h - 6),
                    (x, y + h)], (252, 248, 236), width=1.6)
        sm.line(d, [(x + w / 2, y), (x + w / 2, y + h - 6)], width=1.4)
        for k in range(4):
            yy = y + 12 + k * (h - 20) / 4
            sm.line(d, [(x + 6, yy + 2), (x + w / 2 - 6, yy)], fill=(170, 160, 140), width=1)
            sm.line(d, [(x + w / 2 + 6, yy), (x + w - 6, yy + 2)], fill=(170, 160, 140), width=1)
        sm.flower(d, x + w * 0.75, y + h * 0.55, 4, (236, 120, 140))
    else:
        sm.rect(d, x, y, x + w, y + h, (120, 170, 96), outline=sm.INK, width=1.6, radius=3)
        sm.rect(d, x + 6, y + 6, x + w - 6, y + h - 6, (150, 196, 120), outline=None, radius=2)
        sm.flower(d, x + w / 2, y + h / 2, 5, (250, 230, 120))


def pic_save_slide():
    img, d = sm.canvas(SLIDE_W, SLIDE_H, (255, 255, 255))
    sm.draw_zove(d, 40, 26, 22)
    # The diary on a tuft of grass, a pencil in the air above it.
    diary(d, 86, 30, 58, 34, open_book=True)
    sm.line(d, [(118, 14), (138, 30)], fill=(240, 190, 80), width=4)
    sm.line(d, [(136, 28), (140, 32)], fill=sm.INK, width=2)
    sm.text(d, 150, 8, "きろく", 13, (110, 60, 40))
    return sm.finish(img, SLIDE_W, SLIDE_H, keep_white=True)


def pic_load_slide():
    img, d = sm.canvas(SLIDE_W, SLIDE_H, (255, 255, 255))
    sm.draw_haru(d, 44, 30, 22)
    diary(d, 92, 26, 56, 36, open_book=True)
    for k, (x, y) in enumerate(((158, 20), (170, 36), (152, 44))):
        sm.ell(d, x, y, 3 - k * 0.5, 3 - k * 0.5, (250, 206, 70), outline=None)
    sm.text(d, 150, 4, "つづき", 13, (110, 60, 40))
    return sm.finish(img, SLIDE_W, SLIDE_H, keep_white=True)


PICTURES = [
    (1000, "save_back.png", 0, 0, pic_background),
    (1001, "save_slide_save.png", 444, 410, pic_save_slide),
    (1002, "save_slide_load.png", 444, 410, pic_load_slide),
]

# ---------------------------------------------------------------- sounds

RATE = sm.RATE


def bell(f, n, decay):
    t = np.arange(n) / RATE
    return (np.sin(2 * np.pi * f * t) + 0.35 * np.sin(2 * np.pi * 2.0 * f * t) * np.exp(-t * 4)
            + 0.12 * np.sin(2 * np.pi * 3.01 * f * t) * np.exp(-t * 7)) * np.exp(-t * decay)


def snd_done():
    """2: two bell notes, G5 then C6, the second ringing out."""
    out = np.zeros(int(0.85 * RATE))
    first = bell(783.99, int(0.3 * RATE), 9)
    out[:len(first)] += 0.7 * first
    start = int(0.12 * RATE)
    second = bell(1046.5, len(out) - start, 5)
    out[start:] += second
    return out * sm.env(len(out), 0.004, 0.08)


def snd_back():
    """3: a wooden tap, pitch falling from 700 to 420 Hz."""
    n = int(0.16 * RATE)
    t = np.arange(n) / RATE
    f = 700 - 280 * (t / t[-1])
    phase = 2 * np.pi * np.cumsum(f) / RATE
    out = (np.sin(phase) + 0.25 * np.sin(2 * phase)) * np.exp(-t * 30)
    return out * sm.env(n, 0.002, 0.03)


def sounds():
    return [(2, "save_done.wav", snd_done()), (3, "save_back.wav", snd_back())]


def entries():
    pic = ["%d=%s:%d:%d:%d:%d" % (no, f, x, y, *SIZES[no]) for no, f, x, y, _ in PICTURES]
    snd = ["%d=%s" % (no, f) for no, f, _ in sounds()]
    return pic, snd


SIZES = {}


def main(argv):
    game = os.path.join(os.path.dirname(HERE), "game")
    args = [a for a in argv if not a.startswith("--")]
    if args:
        game = args[0]
    for sub in ("pic", "sound"):
        os.makedirs(os.path.join(game, sub), exist_ok=True)
    for no, name, _x, _y, drawer in PICTURES:
        img = drawer()
        SIZES[no] = img.size
        img.save(os.path.join(game, "pic", name), optimize=True)
    for _no, name, samples in sounds():
        sm.write_wav(os.path.join(game, "sound", name), samples)
    if "--entries" in argv:
        pic, snd = entries()
        print("[PIC]\n" + "\n".join(pic) + "\n[SOUND]\n" + "\n".join(snd))


if __name__ == "__main__":
    main(sys.argv[1:])
