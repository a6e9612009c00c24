#!/usr/bin/python3
"""Makes the demo game's title media: the title picture (picture 0) with the three choices, the
title cursor (picture 1), the goodbye picture of the quit sequence (picture 9999), the title theme
and the small garden waltz (music 1 and 0).

    tools/make_title_media.py [GAME_DIR]      (default: game/ beside this folder)

Deterministic: the same program writes the same files. The index files (pic\\pic.ini,
mid\\mid.ini) are edited by hand; this program only writes the media they name.
"""

import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from midi import Song, chord, n  # noqa: E402

FONT = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"
FONT_P = "/usr/share/fonts/opentype/ipafont-gothic/ipagp.ttf"

WHITE = (255, 255, 255)
RED = (255, 0, 0)

# The title rows and the columns the game wipes white when the highlight moves: the choice texts
# must stay between the two columns, and everything under them must be pure white.
ROWS = [(190, 220), (230, 260), (270, 300)]
WIPE_LEFT = (420, 455)
WIPE_RIGHT = (510, 550)
PANEL = (405, 180, 555, 310)  # pure white board of the signpost
CHOICES = ["はじめる", "つづき", "おわる"]
CURSOR_SIZE = (125, 24)  # drawn at x 425: left sprite over 425..455, right one over 510..550


def font(size, proportional=False):
    return ImageFont.truetype(FONT_P if proportional else FONT, size)


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def not_white(c):
    """Decoration colours must never be exactly white (white is the transparent colour)."""
    return tuple(min(v, 250) for v in c)


# ---------------------------------------------------------------------------------------------
# Title picture


def flower(draw, cx, cy, r, petal, centre, petals=5, turn=0.0):
    for k in range(petals):
        a = turn + 2 * math.pi * k / petals
        px = cx + math.cos(a) * r * 0.9
        py = cy + math.sin(a) * r * 0.9
        draw.ellipse([px - r * 0.65, py - r * 0.65, px + r * 0.65, py + r * 0.65], fill=petal)
    draw.ellipse([cx - r * 0.45, cy - r * 0.45, cx + r * 0.45, cy + r * 0.45], fill=centre)


def tulip(draw, x, y, h, colour, rng):
    stem = (60, 130, 50)
    draw.line([x, y, x + rng.uniform(-2, 2), y - h], fill=stem, width=2)
    draw.polygon([(x - 7, y - h * 0.45), (x - 1, y - h * 0.2), (x - 2, y - h * 0.6)], fill=(80, 150, 60))
    top = y - h
    draw.ellipse([x - 6, top - 9, x + 6, top + 5], fill=colour)
    darker = lerp(colour, (60, 20, 40), 0.25)
    draw.polygon([(x - 6, top - 3), (x - 4, top - 13), (x - 1, top - 5)], fill=colour)
    draw.polygon([(x + 6, top - 3), (x + 4, top - 13), (x + 1, top - 5)], fill=colour)
    draw.polygon([(x - 2, top - 5), (x, top - 14), (x + 2, top - 5)], fill=darker)


def tree(draw, x, ground, scale, rng):
    trunk = (110, 78, 50)
    draw.rectangle([x - 7 * scale, ground - 70 * scale, x + 7 * scale, ground], fill=trunk)
    draw.line([x, ground - 50 * scale, x - 22 * scale, ground - 78 * scale], fill=trunk, width=int(5 * scale))
    greens = [(58, 128, 62), (72, 148, 70), (92, 166, 80), (118, 184, 92)]
    blobs = [(-30, -95, 38), (25, -100, 40), (-5, -128, 44), (-40, -70, 30), (38, -72, 30), (5, -88, 42)]
    for i, g in enumerate(greens):
        for bx, by, br in blobs:
            ox = bx * scale - i * 3 * scale
            oy = by * scale - i * 4 * scale
            rr = br * scale * (1 - i * 0.18)
            draw.ellipse([x + ox - rr, ground + oy - rr, x + ox + rr, ground + oy + rr], fill=g)
    # A few apples.
    for _ in range(6):
        ax = x + rng.uniform(-45, 45) * scale
        ay = ground + rng.uniform(-140, -70) * scale
        draw.ellipse([ax - 4, ay - 4, ax + 4, ay + 4], fill=(214, 58, 48))
        draw.ellipse([ax - 2, ay - 3, ax, ay - 1], fill=(245, 170, 150))


def title_picture():
    W, H = 640, 480
    rng = random.Random(20240601)
    img = Image.new("RGB", (W, H))
    px = img.load()
    horizon = 262
    # Sky: deep morning blue at the top, pale near the hills.
    for y in range(horizon + 40):
        t = y / (horizon + 40)
        c = lerp((120, 188, 236), (226, 242, 250), t ** 0.8)
        for x in range(W):
            px[x, y] = c
    draw = ImageDraw.Draw(img)

    # Sun with a soft glow (top right, clear of the signpost).
    glow = Image.new("RGB", (W, H), (0, 0, 0))
    gd = ImageDraw.Draw(glow)
    gd.ellipse([505, 20, 625, 140], fill=(255, 236, 170))
    glow = glow.filter(ImageFilter.GaussianBlur(26))
    img = Image.composite(Image.new("RGB", (W, H), (255, 246, 200)), img, glow.convert("L"))
    draw = ImageDraw.Draw(img)
    draw.ellipse([540, 48, 592, 100], fill=(255, 232, 140))
    draw.ellipse([546, 54, 586, 94], fill=(255, 242, 180))

    # Clouds (never pure white).
    for cx, cy, s in [(110, 170, 1.0), (330, 120, 0.8), (250, 215, 0.6), (610, 190, 0.7)]:
        for dx, dy, r in [(-40, 6, 22), (-14, -8, 30), (18, -4, 26), (44, 8, 18), (0, 10, 24)]:
            rr = r * s
            draw.ellipse([cx + dx * s - rr, cy + dy * s - rr, cx + dx * s + rr, cy + dy * s + rr],
                         fill=(246, 250, 252))
        draw.rectangle([cx - 50 * s, cy + 8 * s, cx + 55 * s, cy + 20 * s], fill=(246, 250, 252))

    # Far hills, then near hills.
    def hill(base, amp, freq, phase, colour):
        pts = [(0, H)]
        for x in range(0, W + 1, 4):
            y = base - amp * (0.6 * math.sin(x * freq + phase) + 0.4 * math.sin(x * freq * 2.3 + phase * 1.7))
            pts.append((x, y))
        pts.append((W, H))
        draw.polygon(pts, fill=colour)

    hill(horizon - 6, 22, 0.012, 0.8, (150, 196, 160))
    hill(horizon + 10, 16, 0.018, 2.1, (126, 186, 120))

    # Meadow: a gradient from the hills to the front.
    top = horizon + 18
    for y in range(top, H):
        t = (y - top) / (H - top)
        c = lerp((128, 192, 104), (78, 150, 72), t)
        draw.line([0, y, W, y], fill=c)

    # The path, narrowing toward the hills.
    path = [(250, H), (390, H), (352, 400), (332, 340), (326, top + 4), (314, top + 4), (300, 340), (286, 400)]
    draw.polygon(path, fill=(226, 204, 160))
    for k in range(60):
        t = rng.random()
        y = top + 6 + (H - top - 6) * t
        half = 8 + 62 * t
        x = 320 + rng.uniform(-half, half) * 0.8
        r = 1 + 3 * t
        draw.ellipse([x - r, y - r * 0.6, x + r, y + r * 0.6], fill=(200, 176, 132))

    # Picket fence along the far edge of the meadow, left of the path.
    for x in range(14, 290, 16):
        yb = top + 18
        draw.polygon([(x, yb), (x, yb - 24), (x + 4, yb - 30), (x + 8, yb - 24), (x + 8, yb)], fill=(244, 236, 220))
    draw.rectangle([10, top - 2, 292, top + 2], fill=(214, 200, 176))
    draw.rectangle([10, top + 8, 292, top + 12], fill=(214, 200, 176))

    tree(draw, 70, 330, 1.15, rng)
    tree(draw, 600, 318, 0.8, rng)

    # Grass tufts.
    for _ in range(260):
        x = rng.uniform(0, W)
        y = rng.uniform(top + 20, H)
        if 240 < x < 400 and y > 330:
            continue
        h = 4 + 10 * (y - top) / (H - top)
        g = lerp((60, 128, 54), (110, 176, 86), rng.random())
        draw.line([x, y, x - 2, y - h], fill=g, width=1)
        draw.line([x, y, x + 2, y - h * 0.8], fill=g, width=1)

    # Flower beds: left front, right front, and small ones in the distance.
    petals = [(240, 120, 160), (250, 200, 70), (200, 120, 220), (244, 150, 90), (250, 236, 244), (120, 150, 240)]
    centres = [(250, 220, 90), (200, 120, 40), (250, 230, 120)]
    beds = [((20, 395, 235, 470), 1.0, 70), ((420, 400, 630, 470), 1.0, 60), ((150, 325, 275, 370), 0.6, 40),
            ((380, 330, 600, 380), 0.6, 36)]
    for (x0, y0, x1, y1), s, count in beds:
        draw.ellipse([x0, y0, x1, y1 + 10], fill=(104, 74, 52))
        draw.ellipse([x0 + 4, y0 + 3, x1 - 4, y1 + 4], fill=(122, 90, 62))
        for _ in range(count):
            fx = rng.uniform(x0 + 10, x1 - 10)
            fy = rng.uniform(y0 + 4, y1 - 2)
            if ((fx - (x0 + x1) / 2) / ((x1 - x0) / 2)) ** 2 + ((fy - (y0 + y1) / 2) / ((y1 - y0) / 2)) ** 2 > 0.9:
                continue
            if rng.random() < 0.3 and s == 1.0:
                tulip(draw, fx, fy, rng.uniform(16, 26), rng.choice([(232, 70, 90), (250, 180, 60), (240, 120, 170)]), rng)
            else:
                draw.ellipse([fx - 5 * s, fy - 2 * s, fx + 5 * s, fy + 3 * s], fill=(70, 140, 60))
                flower(draw, fx, fy - 3 * s, rng.uniform(3.5, 5.5) * s, not_white(rng.choice(petals)),
                       rng.choice(centres), petals=rng.choice([5, 5, 6]), turn=rng.random())

    # A watering can beside the left bed.
    can = (86, 150, 190)
    draw.rectangle([240, 428, 272, 456], fill=can)
    draw.polygon([(272, 436), (298, 418), (300, 422), (274, 446)], fill=can)
    draw.ellipse([294, 414, 306, 426], fill=(70, 130, 170))
    draw.arc([236, 412, 268, 444], 180, 360, fill=(70, 130, 170), width=4)
    draw.rectangle([240, 428, 272, 432], fill=(110, 176, 214))

    # Butterflies.
    for bx, by, col in [(200, 300, (250, 210, 80)), (470, 150, (240, 140, 200)), (150, 260, (180, 200, 250))]:
        draw.ellipse([bx - 8, by - 6, bx, by + 2], fill=col)
        draw.ellipse([bx, by - 6, bx + 8, by + 2], fill=col)
        draw.ellipse([bx - 6, by, bx - 1, by + 6], fill=lerp(col, (0, 0, 0), 0.2))
        draw.ellipse([bx + 1, by, bx + 6, by + 6], fill=lerp(col, (0, 0, 0), 0.2))
        draw.line([bx, by - 6, bx, by + 6], fill=(70, 50, 40), width=2)

    # The signpost with its white board: the three choices.
    wood, wood_dark = (150, 102, 60), (108, 70, 40)
    draw.rectangle([470, 300, 490, 398], fill=wood_dark)
    draw.rectangle([473, 300, 487, 398], fill=wood)
    draw.ellipse([446, 388, 514, 404], fill=(96, 150, 72))
    x0, y0, x1, y1 = PANEL
    draw.rounded_rectangle([x0 - 10, y0 - 10, x1 + 10, y1 + 10], radius=10, fill=wood_dark)
    draw.rounded_rectangle([x0 - 7, y0 - 7, x1 + 7, y1 + 7], radius=8, fill=wood)
    for k in range(5):  # grain
        yy = y0 - 6 + k * 33
        draw.line([x0 - 6, yy, x0 - 2, yy + 10], fill=wood_dark, width=1)
        draw.line([x1 + 2, yy + 8, x1 + 6, yy + 18], fill=wood_dark, width=1)
    draw.rectangle([x0, y0, x1, y1], fill=WHITE)
    # Ivy on the board's corners (outside the wiped columns).
    for cx, cy in [(x0 - 6, y0 - 4), (x1 + 4, y1 + 2)]:
        for k in range(4):
            a = k * 1.4
            lx, ly = cx + math.cos(a) * 7, cy + math.sin(a) * 7
            draw.ellipse([lx - 5, ly - 3, lx + 5, ly + 3], fill=(70, 150, 70))
    # The choice texts, centred between the wiped columns.
    mid_x = (WIPE_LEFT[1] + WIPE_RIGHT[0]) / 2 + 0.5
    room = WIPE_RIGHT[0] - WIPE_LEFT[1] - 3
    size = 16
    while size > 8 and max(draw.textlength(t, font=font(size, True)) for t in CHOICES) > room:
        size -= 1
    f = font(size, True)
    ink = (70, 52, 36)
    for text, (ra, rb) in zip(CHOICES, ROWS):
        w = draw.textlength(text, font=f)
        draw.text((mid_x - w / 2, (ra + rb) / 2 + 1), text, font=f, fill=ink, anchor="lm")
    # Little sprouts above and below the texts, clear of the rows' wiped columns.
    for sx in (470, 495):
        draw.line([sx, y0 + 9, sx, y0 + 3], fill=(80, 150, 70), width=1)
        draw.ellipse([sx - 4, y0 + 1, sx, y0 + 5], fill=(100, 170, 80))
        draw.ellipse([sx, y0 + 1, sx + 4, y0 + 5], fill=(100, 170, 80))

    # The game's name, large, with a soft shadow and a leafy outline.
    name = "ぞーぶのにわ"
    tf = font(58, True)
    tx, ty = 34, 40
    shadow = Image.new("L", (W, H), 0)
    sd = ImageDraw.Draw(shadow)
    sd.text((tx + 4, ty + 5), name, font=tf, fill=150, stroke_width=6, stroke_fill=150)
    shadow = shadow.filter(ImageFilter.GaussianBlur(4))
    img = Image.composite(Image.new("RGB", (W, H), (60, 96, 70)), img, shadow)
    draw = ImageDraw.Draw(img)
    draw.text((tx, ty), name, font=tf, fill=(254, 248, 230), stroke_width=6, stroke_fill=(56, 118, 58))
    draw.text((tx, ty), name, font=tf, fill=(254, 248, 230), stroke_width=2, stroke_fill=(248, 190, 70))
    draw.text((tx, ty), name, font=tf, fill=(252, 246, 228))
    # A flower dotting the title.
    flower(draw, tx + draw.textlength(name, font=tf) + 16, ty + 52, 7, (240, 120, 160), (250, 220, 90))
    sub = "Zove's Garden"
    sf = font(20, True)
    draw.text((tx + 6, ty + 78), sub, font=sf, fill=(40, 90, 50), stroke_width=3, stroke_fill=(246, 250, 240))
    draw.text((tx + 6, ty + 78), sub, font=sf, fill=(40, 90, 50))

    # Ensure the rules the game relies on: pure white under the wiped columns and rows.
    out = img.load()
    for (a, b) in (WIPE_LEFT, WIPE_RIGHT):
        for x in range(a, b + 1):
            for y in range(ROWS[0][0], ROWS[-1][1] + 1):
                assert out[x, y] == WHITE, (x, y, out[x, y])
    return img


# ---------------------------------------------------------------------------------------------
# Cursor (picture 1): a leaf pointing at the row from each side; white between is transparent.


def cursor_picture():
    W, H = CURSOR_SIZE
    scale = 4
    big = Image.new("RGB", (W * scale, H * scale), WHITE)
    d = ImageDraw.Draw(big)

    def leaf(cx, cy, direction):
        s = scale
        # Stem.
        d.line([(cx - 13 * direction) * s, cy * s, (cx - 4 * direction) * s, cy * s], fill=(70, 130, 50), width=2 * s)
        # The leaf: a lens shape pointing in the direction.
        pts = []
        for k in range(41):
            t = k / 40
            x = cx - 6 * direction + 18 * direction * t
            pts.append((x * s, (cy - 7 * math.sin(math.pi * t) ** 0.9) * s))
        for k in range(40, -1, -1):
            t = k / 40
            x = cx - 6 * direction + 18 * direction * t
            pts.append((x * s, (cy + 7 * math.sin(math.pi * t) ** 0.9) * s))
        d.polygon(pts, fill=(92, 176, 76), outline=(52, 120, 48))
        d.line([(cx - 5 * direction) * s, cy * s, (cx + 11 * direction) * s, cy * s], fill=(52, 120, 48), width=s)
        # A small blossom at the stem's end.
        flower(d, (cx - 14 * direction) * s, cy * s, 3.6 * s, (240, 120, 160), (250, 220, 90))

    leaf(16, 12, 1)    # global 425 + 16: points right at the text
    leaf(107, 12, -1)  # global 532: points left
    img = big.resize((W, H), Image.LANCZOS)
    # Only the two sprites: keep the middle exactly white, so it shows the text beneath.
    px = img.load()
    for x in range(W):
        for y in range(H):
            if 30 <= x <= 84:
                px[x, y] = WHITE
    return img


# ---------------------------------------------------------------------------------------------
# Goodbye picture (picture 9999): drawn over the faded (black) screen; pure red is transparent.


def goodbye_picture():
    W, H = 400, 140
    art = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(art)
    f = font(40, True)
    text = "またきてね"
    w = d.textlength(text, font=f)
    d.text(((W - w) / 2, 58), text, font=f, fill=(252, 240, 214, 255), anchor="lm",
           stroke_width=3, stroke_fill=(70, 140, 70, 255))
    sf = font(18, True)
    sub = "ありがとうございました"
    w2 = d.textlength(sub, font=sf)
    d.text(((W - w2) / 2, 108), sub, font=sf, fill=(236, 214, 160, 255), anchor="lm")
    for fx, col in [(34, (240, 120, 160)), (W - 34, (250, 200, 70))]:
        for k in range(5):
            a = 2 * math.pi * k / 5 - math.pi / 2
            px_, py_ = fx + math.cos(a) * 12, 58 + math.sin(a) * 12
            d.ellipse([px_ - 9, py_ - 9, px_ + 9, py_ + 9], fill=col + (255,))
        d.ellipse([fx - 7, 51, fx + 7, 65], fill=(250, 230, 120, 255))
    # Composite on black (the screen it is drawn on), then make the clear part pure red.
    out = Image.new("RGB", (W, H), (0, 0, 0))
    out.paste(art, (0, 0), art)
    alpha = art.split()[3].load()
    px = out.load()
    for x in range(W):
        for y in range(H):
            if alpha[x, y] < 40:
                px[x, y] = RED
            elif px[x, y] == RED:
                px[x, y] = (254, 0, 0)
    return out


# ---------------------------------------------------------------------------------------------
# Music


def title_theme():
    """"にわのうた": F major, 4/4, a bar of harp, then sixteen bars (A and B), looping."""
    song = Song(bpm=88)
    flute = song.track("Flute", 0, program=73, volume=92, pan=58, reverb=60)
    harp = song.track("Harp", 1, program=46, volume=78, pan=76, reverb=70)
    strings = song.track("Strings", 2, program=49, volume=58, pan=40, reverb=80, chorus=20)
    bass = song.track("Bass", 3, program=45, volume=84, pan=64, reverb=40)
    celesta = song.track("Celesta", 4, program=8, volume=60, pan=90, reverb=80)
    perc = song.track("Shaker", 9, volume=46, pan=70, reverb=30)

    # Chords per bar: (root, kind) or two of them, half a bar each. Bar 0 is the intro.
    bars = [
        [("F3", "maj")],
        [("F3", "maj")], [("D3", "min")], [("Bb2", "maj")], [("C3", "maj")],
        [("F3", "maj")], [("A2", "min")], [("Bb2", "maj"), ("C3", "maj")], [("F3", "maj")],
        [("Bb2", "maj")], [("C3", "maj")], [("A2", "min")], [("D3", "min")],
        [("G2", "min")], [("C3", "maj")], [("A2", "min"), ("Bb2", "maj")], [("C3", "7")],
    ]
    melody = [
        # A
        [("C5", 1.5), ("A4", .5), ("F4", 1), ("A4", 1)],
        [("D5", 1.5), ("C5", .5), ("A4", 1), ("F4", 1)],
        [("D5", 1), ("F5", 1), ("D5", .5), ("C5", .5), ("Bb4", 1)],
        [("G4", 1), ("A4", .5), ("Bb4", .5), ("C5", 2)],
        [("C5", 1.5), ("A4", .5), ("C5", 1), ("F5", 1)],
        [("E5", 1.5), ("D5", .5), ("C5", 1), ("A4", 1)],
        [("D5", 1), ("Bb4", 1), ("C5", 1), ("E5", 1)],
        [("F5", 3), (None, 1)],
        # B
        [("D5", 1), ("F5", 1), ("Bb5", 1.5), ("A5", .5)],
        [("G5", 1.5), ("F5", .5), ("E5", 1), ("C5", 1)],
        [("C5", 1), ("E5", 1), ("A5", 1.5), ("G5", .5)],
        [("F5", 1.5), ("E5", .5), ("D5", 1), ("A4", 1)],
        [("Bb4", 1), ("D5", 1), ("G5", 1.5), ("F5", .5)],
        [("E5", 1), ("D5", .5), ("E5", .5), ("G5", 2)],
        [("A5", 1.5), ("G5", .5), ("F5", 1), ("D5", 1)],
        [("E5", 1), ("D5", .5), ("Bb4", .5), ("G4", 1), (None, 1)],
    ]
    beat = 4.0  # the melody starts after the intro bar
    for bar in melody:
        items = []
        for k, (p, ln) in enumerate(bar):
            # Phrase shaping: the first note of a bar a little stronger.
            items.append((p, ln, 86 if k == 0 else 74))
        end = flute.phrase(beat, items)
        assert abs(end - beat - 4) < 1e-9, bar
        beat = end

    for b, chords in enumerate(bars):
        start = b * 4.0
        span = 4.0 / len(chords)
        for c, (root, kind) in enumerate(chords):
            t0 = start + c * span
            tones = chord(root, kind)
            r = tones[0]
            third, fifth = tones[1], tones[2]
            # Harp: rolling eighths over two octaves.
            pattern = [r, fifth, r + 12, third + 12, fifth + 12, third + 12, r + 12, fifth]
            for k in range(int(span * 2)):
                vel = 64 if k % 4 == 0 else 50
                # Rings on, but never into the next chord.
                harp.note(t0 + k * 0.5, min(0.9, span - k * 0.5), pattern[k % len(pattern)], vel)
            # Strings: the chord held, voiced close around middle C.
            voice = sorted(((p - 48) % 12) + 60 for p in tones[:3])
            if len(tones) > 3:
                voice.append(((tones[3] - 48) % 12) + 60)
            strings.notes_at(t0, span, voice, 46 if b == 0 else 52)
            # Pizzicato bass: root, fifth, root.
            bass.note(t0, min(1.0, span), r - 12 if r >= n("E3") else r, 78)
            if span >= 4:
                bass.note(t0 + 2, 1.0, fifth - 12 if fifth >= n("E3") else fifth, 66)
                bass.note(t0 + 3, 0.9, r - 12 if r >= n("E3") else r, 60)
            else:
                bass.note(t0 + 1, 0.9, fifth - 12 if fifth >= n("E3") else fifth, 62)
        # Celesta sparkles in the B section: the chord's upper tones off the beat.
        if 9 <= b <= 16:
            tones = chord(*chords[-1])
            celesta.note(start + 1.5, 0.5, tones[2] + 24, 48)
            celesta.note(start + 3.5, 0.5, tones[1] + 24, 44)
        # Shaker from the first melody bar: soft eighths, a lift on the off-beats.
        if b >= 1:
            for k in range(8):
                perc.note(start + k * 0.5, 0.25, 82, 40 if k % 2 else 30)
        if b in (1, 9):
            perc.note(start, 1.0, 81, 44)  # triangle at the start of each section
    song.length = len(bars) * 4.0
    return song


def garden_waltz():
    """"おさんぽワルツ": C major, 3/4, a music box over a nylon guitar; sixteen bars, looping."""
    song = Song(bpm=112, numerator=3)
    box = song.track("Music box", 0, program=10, volume=96, pan=60, reverb=70)
    guitar = song.track("Guitar", 1, program=24, volume=76, pan=74, reverb=50)
    bass = song.track("Bass", 2, program=32, volume=80, pan=56, reverb=30)
    first = [
        [("E5", 1), ("G5", 1), ("E5", 1)],
        [("C5", 2), ("A4", 1)],
        [("A4", 1), ("C5", 1), ("F5", 1)],
        [("D5", 2), ("B4", 1)],
        [("E5", 1), ("G5", 1), ("C6", 1)],
        [("B5", 1.5), ("A5", .5), ("G5", 1)],
        [("A5", 1), ("F5", 1), ("D5", 1)],
        [("C5", 2), (None, 1)],
    ]
    second = first[:6] + [[("F5", 1), ("A5", 1), ("B4", 1)], [("C5", 3)]]
    chords = [("C3", "maj"), ("A2", "min"), ("F2", "maj"), ("G2", "maj"),
              ("C3", "maj"), ("E2", "min"), ("F2", "maj"), ("C3", "maj")]
    beat = 0.0
    for bar in first + second:
        beat = box.phrase(beat, [(p, ln, 80) for p, ln in bar])
    for b in range(16):
        root, kind = chords[b % 8]
        start = b * 3.0
        tones = chord(root, kind)
        last = b % 8 == 6
        if last:  # F then G on the last beat
            tones_g = chord("G2", "maj")
        bass.note(start, 1.0, tones[0], 76)
        up = [p + 12 for p in tones]
        guitar.notes_at(start + 1, 0.9, up, 54)
        guitar.notes_at(start + 2, 0.9, [p + 12 for p in tones_g] if last else up, 50)
    song.length = 16 * 3.0
    return song


def main():
    root = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "game")
    root = os.path.abspath(root)
    os.makedirs(os.path.join(root, "pic"), exist_ok=True)
    os.makedirs(os.path.join(root, "mid"), exist_ok=True)
    title_picture().save(os.path.join(root, "pic", "title.png"), optimize=True)
    cursor_picture().save(os.path.join(root, "pic", "cursor.png"), optimize=True)
    goodbye_picture().save(os.path.join(root, "pic", "bye.png"), optimize=True)
    title_theme().save(os.path.join(root, "mid", "title.mid"))
    garden_waltz().save(os.path.join(root, "mid", "garden.mid"))
    print("wrote title media to", root)


if __name__ == "__main__":
    main()
