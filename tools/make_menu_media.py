#!/usr/bin/python3
"""Draws the pictures and sounds of the status menu and the shop into game/.

    tools/make_menu_media.py [GAME_DIR] [--entries]     (default: game/ beside this folder)

Pictures (PNG, pic/menu_*.png):
  20   the status screen (640 x 480): the character's numbers at the left (value boxes x 70-195,
       rows from y 80), the four weapon rows and the two accessory rows in the middle (boxes from
       x 289), the seven item rows at the right (boxes from x 487), the message area below.
  21   the list panel (200 x 236), drawn at (50, 50) by the menu and the shop's buy list and at
       (20, 50), (220, 50), (420, 50) by the sell list: seven rows whose boxes start 51 px right of
       and 17 px below the panel's corner, 30 px apart.
  22   the menu's message area (600 x 128 at 20, 330); the text starts at (30, 340).
  1030 the shop (640 x 480): ミツ's pop-up stall; a price board at the top right for the money.
Sounds (WAV, 22050 Hz, 16-bit mono, sound/menu_*.wav): 4 an item is used, 5 refused, 40 the
shop's till. (The menu's choose and back sounds 2 and 3 are the save screen's.)

Pure white is the transparent colour of the game's painting: the panels keep off it (254 at most)
and only their rounded corners let the screen show through. Deterministic: the same run gives the
same bytes. `--entries` prints the index entries.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import make_story_media as sm  # noqa: E402  (drawing helpers and the characters of the story)
from make_story_media import S, INK, canvas, ell, finish, flower, line, poly, rect, text  # noqa: E402

# Colours of the menu: dark green panels with cream labels, where the game writes white text.
LEAF = (44, 76, 52)           # panel
LEAF_EDGE = (126, 170, 110)   # panel outline
ROW = (28, 52, 36)            # the boxes the game writes into
ROW_EDGE = (88, 128, 84)
LABEL = (246, 232, 186)       # labels on the panels
CREAM = (250, 244, 226)       # message areas (black text)
CREAM_EDGE = (176, 150, 100)


def no_white(img):
    """Turns every pure white pixel into 254 so that nothing in the picture is transparent."""
    a = np.asarray(img).copy()
    a[(a == 255).all(axis=2)] = (254, 254, 254)
    return Image.fromarray(a)


def leaf_sprig(d, x, y, s, colour=(120, 176, 96)):
    line(d, [(x, y), (x + s * 1.6, y - s * 0.5)], fill=(170, 206, 150), width=1.5)
    for k in range(3):
        cx = x + s * (0.5 + 0.5 * k)
        cy = y - s * (0.15 + 0.16 * k)
        ell(d, cx, cy - s * 0.28, s * 0.26, s * 0.16, colour, outline=None)
        ell(d, cx, cy + s * 0.2, s * 0.26, s * 0.16, colour, outline=None)


def panel(d, x0, y0, x1, y1, title=None):
    rect(d, x0, y0, x1, y1, LEAF, outline=LEAF_EDGE, width=2.5, radius=10)
    rect(d, x0 + 4, y0 + 4, x1 - 4, y1 - 4, None, outline=(66, 104, 72), width=1.2, radius=7)
    if title:
        text(d, x0 + 14, y0 + 10, title, 13, LABEL)
        line(d, [(x0 + 12, y0 + 29), (x1 - 12, y0 + 29)], fill=(88, 128, 84), width=1.2)


def row_box(d, x, y, w=125, h=23):
    rect(d, x - 1, y, x + w + 1, y + h, ROW, outline=ROW_EDGE, width=1.2, radius=4)


def message_area(d, x0, y0, x1, y1):
    rect(d, x0, y0, x1, y1, (92, 130, 84), radius=12)
    rect(d, x0 + 4, y0 + 4, x1 - 4, y1 - 4, CREAM, outline=CREAM_EDGE, width=1.5, radius=9)
    # corner flowers, except at the top left where the text begins
    for x, y in ((x1 - 11, y0 + 11), (x0 + 11, y1 - 11), (x1 - 11, y1 - 11)):
        flower(d, x, y, 2.8, (240, 150, 160), centre=(250, 220, 90))


# ---------------------------------------------------------------- pictures

def pic_status():
    """20: the status screen."""
    w, h = 640, 480
    img, d = canvas(w, h)
    sm.vgradient(img, (214, 236, 200), (178, 214, 160))
    d = ImageDraw.Draw(img)
    rng = np.random.default_rng(20)
    for _ in range(26):  # a quiet pattern of leaves in the background
        x, y = rng.uniform(-10, w), rng.uniform(0, 330)
        leaf_sprig(d, x, y, rng.uniform(12, 18), colour=(196, 226, 180))
    # title bar
    rect(d, 150, 6, 490, 38, LEAF, outline=LEAF_EDGE, width=2, radius=14)
    text(d, 320, 23, "ステータス", 16, LABEL, anchor="mm")
    flower(d, 176, 22, 5, (240, 150, 160))
    flower(d, 464, 22, 5, (250, 214, 90), centre=(240, 150, 60))

    # the character: labels and the value boxes (70-195)
    panel(d, 10, 46, 222, 304, "ハル")
    labels = [("レベル", 80), ("経験値", 110), ("お金", 140), ("体力", 180), ("最大体力", 210),
              ("攻撃力", 240), ("防御力", 270)]
    for label, top in labels:
        text(d, 66, top + 12, label, 11 if len(label) > 3 else 12, LABEL, anchor="rm")
        row_box(d, 70, top)
    text(d, 200, 151, "POM", 9, LABEL, anchor="lm")
    line(d, [(20, 171), (212, 171)], fill=(88, 128, 84), width=1.2)
    # weapons (4 rows from 80) and accessories (2 rows from 236)
    panel(d, 276, 46, 428, 304, "ぶき")
    for i in range(4):
        row_box(d, 289, 80 + 30 * i)
    text(d, 290, 207, "そうしょく品", 13, LABEL)
    line(d, [(288, 226), (416, 226)], fill=(88, 128, 84), width=1.2)
    for i in range(2):
        row_box(d, 289, 236 + 30 * i)
    # items (7 rows from 80)
    panel(d, 474, 46, 630, 304, "どうぐ")
    for j in range(7):
        row_box(d, 487, 80 + 30 * j)
    # the message area (also picture 22) and the hint below it
    message_area(d, 20, 330, 620, 458)
    text(d, 620, 470, "左クリック：えらぶ　右クリック：もどる", 10, (60, 90, 60), anchor="rm")
    return no_white(img.resize((w, h), Image.LANCZOS))


def pic_list():
    """21: the list panel, 200 x 236, seven rows (boxes at 51, 17 + 30 k)."""
    w, h = 200, 236
    img, d = canvas(w, h, (255, 255, 255))
    rect(d, 2, 1, w - 2, h - 1, LEAF, outline=LEAF_EDGE, width=2.5, radius=10)
    rect(d, 6, 5, w - 6, h - 5, None, outline=(66, 104, 72), width=1.2, radius=7)
    for k in range(7):
        y = 17 + 30 * k
        # the names may run to 180 (the ammunition's right edge), so the row goes a little beyond
        rect(d, 48, y, 183, y + 23, ROW, outline=ROW_EDGE, width=1.2, radius=4)
        ell(d, 30, y + 11.5, 9, 9, (70, 112, 74), outline=None)
        text(d, 30, y + 12, str(k + 1), 11, LABEL, anchor="mm")
    out = finish(img, w, h, keep_white=True)
    a = np.asarray(out).copy()
    inner = a[6:h - 6, 6:w - 6]
    inner[(inner == 255).all(axis=2)] = (254, 254, 254)
    return Image.fromarray(a)


def pic_message():
    """22: the menu's message area, 600 x 128 at (20, 330)."""
    w, h = 600, 128
    img, d = canvas(w, h, (255, 255, 255))
    message_area(d, 0, 0, w, h)
    out = finish(img, w, h, keep_white=True)
    a = np.asarray(out).copy()
    inner = a[6:h - 6, 6:w - 6]
    inner[(inner == 255).all(axis=2)] = (254, 254, 254)
    return Image.fromarray(a)


def jar(d, cx, by, w, h, colour, lid=(196, 150, 90)):
    rect(d, cx - w / 2, by - h, cx + w / 2, by, colour, outline=INK, width=1.5, radius=w * 0.25)
    rect(d, cx - w * 0.36, by - h - 5, cx + w * 0.36, by - h + 2, lid, outline=INK, width=1.2, radius=2)
    ell(d, cx - w * 0.18, by - h * 0.6, w * 0.08, h * 0.16, (255, 250, 240), outline=None)


def seed_packet(d, x, by, colour, petal):
    rect(d, x, by - 30, x + 22, by, (250, 240, 214), outline=INK, width=1.2, radius=2)
    flower(d, x + 11, by - 17, 4, petal, centre=colour)
    line(d, [(x + 3, by - 5), (x + 19, by - 5)], fill=(150, 120, 90), width=1.2)


def pic_shop():
    """1030: ミツ's pop-up stall in the garden."""
    w, h = 640, 480
    img, d = canvas(w, h)
    sm.vgradient(img, (176, 220, 246), (232, 244, 236), 0, S(250))
    sm.vgradient(img, (150, 200, 120), (112, 168, 92), S(250), S(480))
    d = ImageDraw.Draw(img)
    rng = np.random.default_rng(1030)
    # distant hedge and flowers
    for k in range(22):
        ell(d, k * 32 - 8, 248, 30, 20, (98, 152, 84), outline=None)
    for _ in range(30):
        flower(d, rng.uniform(0, w), rng.uniform(262, 350), rng.uniform(3, 5),
               [(240, 150, 160), (250, 214, 90), (246, 246, 250), (190, 160, 230)][int(rng.integers(0, 4))])
    sm.grass(d, 0, w, 360, (84, 140, 70), np.random.default_rng(5), n=260, h=12)
    # clouds
    for cx, cy in ((90, 60), (560, 110), (330, 36)):
        for dx, r in ((-18, 14), (0, 20), (20, 15)):
            ell(d, cx + dx, cy, r * 1.3, r, (250, 252, 254), outline=None)

    # the stall: posts, awning, counter, shelf
    x0, x1 = 268, 624
    rect(d, x0 + 6, 84, x0 + 18, 330, (150, 104, 66), outline=INK, width=1.5)
    rect(d, x1 - 18, 84, x1 - 6, 330, (150, 104, 66), outline=INK, width=1.5)
    rect(d, x0 + 14, 96, x1 - 14, 250, (238, 214, 170), outline=None)           # back wall
    for k in range(9):                                                           # striped awning
        sx = x0 + k * (x1 - x0) / 9
        colour = (222, 76, 80) if k % 2 == 0 else (250, 240, 222)
        poly(d, [(sx, 58), (sx + (x1 - x0) / 9, 58), (sx + (x1 - x0) / 9, 96), (sx, 96)], colour, outline=None)
        ell(d, sx + (x1 - x0) / 18, 96, (x1 - x0) / 18, 10, colour, outline=None)
    line(d, [(x0, 58), (x1, 58)], width=2.5)
    rect(d, x0 + 70, 38, x1 - 70, 64, (250, 236, 190), outline=INK, width=1.5, radius=6)  # shop sign
    text(d, (x0 + x1) / 2, 51, "ミツの 出張店", 14, (120, 70, 40), anchor="mm")
    # shelf with jars and seed packets
    rect(d, x0 + 24, 150, x1 - 24, 157, (160, 112, 70), outline=INK, width=1.2)
    for k, colour in enumerate([(250, 196, 70), (236, 150, 60), (160, 210, 230), (250, 196, 70), (200, 120, 160)]):
        jar(d, x0 + 48 + k * 36, 150, 24, 28, colour)
    for k, (c, p) in enumerate([((250, 220, 90), (240, 150, 160)), ((240, 150, 60), (250, 214, 90)),
                               ((250, 220, 90), (190, 160, 230))]):
        seed_packet(d, x1 - 124 + k * 30, 150, c, p)
    # ミツ behind the counter
    sm.draw_mitsu(d, 452, 222, 58)
    # counter with goods on it
    rect(d, x0 + 2, 262, x1 - 2, 336, (178, 126, 80), outline=INK, width=2, radius=4)
    rect(d, x0 + 2, 262, x1 - 2, 274, (206, 154, 100), outline=INK, width=1.5, radius=3)
    for k in range(5):
        line(d, [(x0 + 10, 290 + k * 10), (x1 - 10, 290 + k * 10)], fill=(156, 108, 66), width=1.0)
    # a watering can, a pot of honey and a basket on the counter
    rect(d, 300, 236, 336, 262, (120, 170, 200), outline=INK, width=1.5, radius=6)
    line(d, [(336, 246), (356, 230)], width=4)
    ell(d, 358, 229, 4, 3, (120, 170, 200), width=1.2)
    jar(d, 560, 262, 30, 24, (250, 190, 60))
    text(d, 560, 250, "蜜", 10, (120, 70, 40), anchor="mm")
    ell(d, 388, 258, 20, 8, (196, 150, 90))
    for k in range(4):
        ell(d, 376 + k * 8, 250, 5, 5, (220, 80, 70), outline=INK, width=1)

    # the price board for the money (text right-aligned up to 630, between 10 and 30)
    rect(d, 470, 4, 636, 36, (120, 84, 52), radius=8)
    rect(d, 474, 8, 632, 32, (252, 246, 228), outline=(196, 170, 120), width=1.2, radius=6)
    ell(d, 488, 20, 8, 8, (246, 200, 70), outline=(170, 120, 40), width=1.5)
    text(d, 488, 20, "P", 9, (150, 100, 30), anchor="mm")
    # a little garden sign at the left, where the lists do not reach in the main menu
    rect(d, 40, 300, 46, 352, (150, 104, 66), outline=INK, width=1.2)
    rect(d, 14, 282, 126, 312, (250, 236, 190), outline=INK, width=1.5, radius=4)
    text(d, 70, 297, "いらっしゃい", 11, (120, 70, 40), anchor="mm")
    return no_white(img.resize((w, h), Image.LANCZOS))


PICTURES = [
    (20, "menu_status.png", 0, 0, pic_status),
    (21, "menu_list.png", 50, 50, pic_list),
    (22, "menu_message.png", 20, 330, pic_message),
    (1030, "menu_shop.png", 0, 0, pic_shop),
]


# ---------------------------------------------------------------- sounds

RATE = sm.RATE


def tone(f, dur, decay, harm=0.25):
    t = np.arange(int(dur * RATE)) / RATE
    return (np.sin(2 * np.pi * f * t) + harm * np.sin(4 * np.pi * f * t)) * np.exp(-t * decay)


def place(out, at, samples):
    s = int(at * RATE)
    n = min(len(samples), len(out) - s)
    out[s:s + n] += samples[:n]


def snd_use():
    """4: an item is used: a soft rising arpeggio with a shimmer."""
    out = np.zeros(int(1.0 * RATE))
    for k, f in enumerate((523.3, 659.3, 784.0, 1046.5, 1318.5)):
        place(out, k * 0.07, 0.35 * tone(f, 0.7, 5.0))
    t = np.arange(len(out)) / RATE
    out += 0.05 * np.sin(2 * np.pi * 2093 * t) * np.sin(2 * np.pi * 9 * t) * np.exp(-t * 3)
    return out


def snd_refuse():
    """5: refused: two short low buzzes."""
    out = np.zeros(int(0.42 * RATE))
    for at in (0.0, 0.2):
        n = int(0.14 * RATE)
        t = np.arange(n) / RATE
        phase = 2 * np.pi * 150 * t
        sq = np.sign(np.sin(phase)) * 0.4 + 0.3 * np.sin(phase * 2)
        place(out, at, sq * sm.env(n, 0.005, 0.04))
    return out


def snd_till():
    """40: the shop's till: a bell and two bright coins."""
    out = np.zeros(int(0.9 * RATE))
    place(out, 0.0, 0.25 * tone(1567.98, 0.4, 14.0, harm=0.4))
    place(out, 0.09, 0.3 * tone(2093.0, 0.8, 6.0, harm=0.3))
    place(out, 0.09, 0.15 * tone(2637.0, 0.8, 7.0, harm=0.2))
    return out


def sounds():
    return [
        (4, "menu_use.wav", snd_use()),
        (5, "menu_refuse.wav", snd_refuse()),
        (40, "menu_till.wav", snd_till()),
    ]


# ---------------------------------------------------------------- main

def main(argv):
    game = os.path.join(os.path.dirname(HERE), "game")
    args = [a for a in argv if not a.startswith("--")]
    if args:
        game = args[0]
    for sub in ("pic", "sound"):
        os.makedirs(os.path.join(game, sub), exist_ok=True)
    pic = []
    for no, name, x, y, drawer in PICTURES:
        img = drawer()
        img.save(os.path.join(game, "pic", name), optimize=True)
        pic.append("%d=%s:%d:%d:%d:%d" % (no, name, x, y, img.size[0], img.size[1]))
    snd = []
    for no, name, samples in sounds():
        sm.write_wav(os.path.join(game, "sound", name), samples)
        snd.append("%d=%s" % (no, name))
    if "--entries" in argv:
        print("[PIC]\n" + "\n".join(pic) + "\n[SOUND]\n" + "\n".join(snd))


if __name__ == "__main__":
    main(sys.argv[1:])
