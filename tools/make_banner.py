#!/usr/bin/python3
"""Draws the launcher's title banner (390 x 81, 24-bit BMP) into assets/banner.bmp.

A small garden at dusk: a sky gradient, rolling hills, a hedge with flowers, a stone path,
the title in an outlined face. Deterministic: the same run gives the same bytes.

    tools/make_banner.py [OUTPUT]      (default: assets/banner.bmp beside this folder)
"""
import math
import os
import random
import sys

from PIL import Image, ImageDraw, ImageFilter, ImageFont

W, H = 390, 81
SERIF_BOLD = "/usr/share/fonts/truetype/dejavu/DejaVuSerif-Bold.ttf"
GOTHIC = "/usr/share/fonts/opentype/ipafont-gothic/ipag.ttf"


def lerp(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def sky(img):
    top, mid, low = (28, 38, 92), (92, 88, 160), (238, 170, 128)
    px = img.load()
    for y in range(H):
        t = y / (H - 1)
        c = lerp(top, mid, t / 0.55) if t < 0.55 else lerp(mid, low, (t - 0.55) / 0.45)
        for x in range(W):
            px[x, y] = c


def stars(draw, rng):
    for _ in range(28):
        x, y = rng.randrange(W), rng.randrange(0, 30)
        v = rng.randrange(170, 255)
        draw.point((x, y), fill=(v, v, min(255, v + 20)))


def moon(img):
    layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    cx, cy, r = 338, 20, 10
    d.ellipse((cx - r - 6, cy - r - 6, cx + r + 6, cy + r + 6), fill=(255, 240, 200, 50))
    d.ellipse((cx - r, cy - r, cx + r, cy + r), fill=(255, 246, 214, 255))
    d.ellipse((cx - r + 5, cy - r - 2, cx + r + 5, cy + r - 2), fill=(0, 0, 0, 0))
    layer = layer.filter(ImageFilter.GaussianBlur(0.6))
    img.paste(layer, (0, 0), layer)


def hills(draw):
    for base, amp, freq, phase, colour in (
        (52, 7, 0.018, 0.5, (70, 96, 120)),
        (58, 6, 0.027, 2.0, (52, 110, 88)),
        (65, 4, 0.041, 4.1, (40, 120, 64)),
    ):
        pts = [(x, base - amp * math.sin(x * freq + phase)) for x in range(0, W + 1, 2)]
        draw.polygon(pts + [(W, H), (0, H)], fill=colour)


def garden(draw, rng):
    # A hedge along the bottom with flowers in it.
    for x in range(-6, W + 6, 9):
        r = rng.randrange(6, 9)
        y = 72 + rng.randrange(-1, 2)
        draw.ellipse((x - r, y - r, x + r, y + r), fill=(30, 92 + rng.randrange(0, 20), 46))
    draw.rectangle((0, 74, W, H), fill=(28, 84, 42))
    colours = [(246, 98, 120), (255, 214, 90), (250, 250, 240), (176, 120, 240), (255, 150, 70)]
    for _ in range(46):
        x, y = rng.randrange(2, W - 2), rng.randrange(66, 79)
        c = rng.choice(colours)
        draw.ellipse((x - 2, y - 2, x + 2, y + 2), fill=c)
        draw.point((x, y), fill=(255, 240, 160))
    # Stepping stones leading into the garden.
    for i, (x, y) in enumerate(((196, 79), (208, 75), (222, 72), (238, 70))):
        w = 9 - i
        draw.ellipse((x - w, y - 3, x + w, y + 2), fill=(176, 170, 160), outline=(120, 114, 106))


def lanterns(draw):
    for x in (22, 368):
        draw.rectangle((x - 1, 50, x + 1, 72), fill=(60, 52, 48))
        draw.rectangle((x - 5, 44, x + 5, 52), fill=(255, 212, 120), outline=(90, 70, 50))
        draw.polygon([(x - 7, 44), (x + 7, 44), (x, 39)], fill=(90, 70, 50))


def outlined_text(img, xy, text, font, fill, outline, shadow, width=2):
    layer = Image.new("RGBA", (W, H), (0, 0, 0, 0))
    d = ImageDraw.Draw(layer)
    x, y = xy
    d.text((x + 2, y + 2), text, font=font, fill=shadow + (150,), stroke_width=width, stroke_fill=shadow + (150,))
    d.text((x, y), text, font=font, fill=fill + (255,), stroke_width=width, stroke_fill=outline + (255,))
    img.paste(layer, (0, 0), layer)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "assets", "banner.bmp")
    rng = random.Random(20261210)
    img = Image.new("RGB", (W, H))
    sky(img)
    draw = ImageDraw.Draw(img)
    stars(draw, rng)
    moon(img)
    draw = ImageDraw.Draw(img)
    hills(draw)
    garden(draw, rng)
    lanterns(draw)

    title = ImageFont.truetype(SERIF_BOLD, 36)
    sub = ImageFont.truetype(GOTHIC, 15)
    box = title.getbbox("ZOVE", stroke_width=2)
    tx = (W - (box[2] - box[0])) // 2 - box[0]
    outlined_text(img, (tx, 2), "ZOVE", title, (255, 236, 170), (70, 36, 20), (10, 10, 30))
    text = "ぞーぶのにわ"
    box = sub.getbbox(text, stroke_width=2)
    sx = (W - (box[2] - box[0])) // 2 - box[0]
    outlined_text(img, (sx, 46), text, sub, (255, 255, 255), (40, 70, 40), (0, 0, 0))

    img.save(out, format="BMP")
    print("wrote", os.path.normpath(out), img.size)


if __name__ == "__main__":
    main()
