#!/usr/bin/python3
"""Writes the demo game's field: tile definitions, map headers, the map screens with their field
enemies and events, the field music and the field's cue sounds.

    tools/make_demo_maps.py [GAME_DIR] [--entries]

eve/A_TILE_FILE.txt (from the tile table of tools/make_sprite_sheets.py), eve/A_MAP_FILE.ini and,
per screen, eve/MAP_name_no.txt, eve/TEKI_name_no.txt, eve/EVENT_name_no.txt (Shift-JIS, CR LF).
Music mid/field_*.mid (30 garden, 32 forest, 33 greenhouse); sounds sound/field_*.wav (20
encounter, 50 door, 51 rumble, 53 switch, 54 digging). --entries prints the index lines.

The story: request 1 frees the well of NIWA (モグ at the bottom of the well, NIWA 2), request 2
takes the seed box back from クロウ (MORI 2), request 3 makes peace with ローザ (ONSHITSU 2), whose
end script runs the ending. The garden's north gate opens when モグ is won over (flag 901), its
east gate when クロウ is (flag 902); the greenhouse's inner door when its thorn guard falls (903).
Every screen is checked here: twenty rows of twenty defined keys, walled in, events on the grid.
"""
import math
import os
import sys
import wave

import numpy as np

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)
import midi  # noqa: E402
from make_sprite_sheets import CHAR_ROWS, TILES  # noqa: E402

KEYS = {key: passability for key, _, _, passability, _, _ in TILES}

# Character-sheet rows of the field enemies.
ROW = CHAR_ROWS


def inner(s):
    """A greenhouse row: glass at columns 3 and 18 around fourteen inner cells (4..17)."""
    assert len(s) == 14, s
    return "__G" + s + "G__"


BLACK = "_" * 20

SCREENS = {}

# ----------------------------------------------------------------------------- NIWA 1: the garden
SCREENS[("NIWA", 1)] = dict(
    rows=[
        "TTTTTTTTTQTTTTTTTTTT",
        "TRRRRR'..+..'...t.'T",
        "THHDHH...+......*..T",
        "T..+....'+..wwww...T",
        "T..++++++++.wwww.O.T",
        "T.'...'..+..wwww.+.T",
        "T*.K.....+.....'.+.T",
        "T.......'+..*j...+.T",
        "T..wwww..+.......+.T",
        "T..wwww..++++++++++Q",
        "T..wwww..+.....'...T",
        "T'.......+..t...t..T",
        "T....V...+.........T",
        "T..B.....+....AS...T",
        "T........+.........T",
        "T.'......+...'.....T",
        "T...*....+.....*...T",
        "T..'.....+.....'...T",
        "T.....*..+..*......T",
        "TTTTTTTTTTTTTTTTTTTT",
    ],
    enemies=[
        # row, x, y, dir, delay, idle, pattern, group
        (ROW["アブラムシ"], 14, 3, 2, 7, 300, 1, 1),
        (ROW["ナメクジ"], 5, 11, 3, 9, 160, 6, 2),
        (ROW["イモムシ"], 16, 17, 1, 8, 320, 1, 3),
        (ROW["ダンゴムシ"], 3, 18, 4, 7, 200, 7, 4),
        (ROW["アブラムシ"], 12, 13, 2, 6, 260, 4, 5),
        (ROW["イモムシ"], 7, 16, 3, 8, 300, 1, 6),
    ],
    events=[
        "# the gates: north to the forest after the well; east to the greenhouse after the crow",
        "F:901:10:1:Q:q",
        "C:0:10:1:MORI/1:10:19",
        "F:902:20:10:Q:q",
        "C:0:20:10:ONSHITSU/1:10:18",
        "# ぞーぶの家 and the old well",
        "D:0:4:3:10:13:3",
        "D:0:18:5:10:18:2",
        "F:901:18:5:O:o",
        "E:0:17:5:4:M:T_NIWA_IDO",
        "E:0:18:6:1:M:T_NIWA_IDO",
        "# the sign; ミツ",
        "E:0:4:8:1:M:T_NIWA_KANBAN",
        "E:0:14:9:1:M:T_NIWA_MITSU",
        "E:0:13:8:4:M:T_NIWA_MITSU",
        "E:0:15:8:3:M:T_NIWA_MITSU",
        "# a chest of herbs; coins in the flowers",
        "F:1:4:14:B:b",
        "E:1:4:15:1:I:1:60",
        "E:2:5:17:2:P:30:60",
        "# the bird bath keeps the game; the travelling shop",
        "E:0:6:14:1:S",
        "E:0:16:15:1:U:1",
        "E:0:15:15:1:U:1",
    ],
)

# ----------------------------------------------------------------------------- NIWA 2: the well's bottom
SCREENS[("NIWA", 2)] = dict(
    rows=[
        "rrrrrrrrrrrrrrrrrrrr",
        "rrrrrrrxxxrrrrrrrrrr",
        "rrrrrrxxmxxrrrrrrrrr",
        "rrrrrcccccccrrrrrrrr",
        "rrrrcccccccccrrrCrrr",
        "rrrccccpcccccccccrrr",
        "rrcccccccccrrrcccrrr",
        "rrcccrrrcccrrrcccrrr",
        "rccccrrrccccccccccrr",
        "rccccccccccccrrrcccr",
        "rrcccpcccccccrrrcccr",
        "rrrccccccccccccccsrr",
        "rrrrcccccrrcccccccrr",
        "rrrrcccccrrrccccccrr",
        "rrcccccccccccccccrrr",
        "rrccccccpcccccccrrrr",
        "rrrcccccccccccrrrrrr",
        "rrrrrccccLccrrrrrrrr",
        "rrrrrrrrrrrrrrrrrrrr",
        "rrrrrrrrrrrrrrrrrrrr",
    ],
    enemies=[
        # Few and slow: the well's groups are a step up from the garden's.
        (ROW["井戸コウモリ"], 6, 7, 2, 7, 300, 4, 11),
        (ROW["ヌマガエル"], 14, 15, 3, 9, 320, 1, 12),
        (ROW["岩グモ"], 16, 9, 1, 9, 360, 7, 13),
    ],
    events=[
        "# the ladder back up to the garden",
        "D:0:10:18:18:6:1",
        "# モグ in the rubble: won over; he opens the water's way (request 2 follows)",
        "E:0:8:4:1:M:T_NIWA_IDO",
        "E:901:9:4:1:R:201:2",
        "F:901:9:3:m:x",
        "# モグ's spare claw in a chest: it digs through hard soil",
        "F:3:17:5:C:d",
        "E:3:17:6:1:A:5:60",
        "# something glitters in the puddle: a thorn trap; coins by the rock",
        "E:4:7:11:3:T:8",
        "E:5:2:9:3:P:40:60",
        "# the spring where the master of the well lives (optional)",
        "F:905:18:12:s:p",
        "E:905:17:12:4:B:401",
    ],
)

# ----------------------------------------------------------------------------- NIWA 3: ぞーぶ's house
SCREENS[("NIWA", 3)] = dict(
    rows=[BLACK] * 6 + [
        "____IIIIIIIIIIII____",
        "____IkkhhhhhhhhI____",
        "____IzhhhhhhhhhI____",
        "____IhhhhhhhhhhI____",
        "____IhhhuuuuhhhI____",
        "____IhhhuuuuhehI____",
        "____IhhhhhhhhhhI____",
        "____IIIIIDIIIIII____",
    ] + [BLACK] * 6,
    enemies=[],
    events=[
        "D:0:10:14:4:4:1",
        "E:0:7:9:3:M:T_NIWA_IE",
        "E:0:6:10:1:M:T_NIWA_IE",
        "# the old pruning shears on the shelf; an acorn on the table",
        "E:7:7:9:1:W:2:60",
        "E:6:14:13:1:I:5:60",
    ],
)

# ----------------------------------------------------------------------------- MORI 1: the forest path
SCREENS[("MORI", 1)] = dict(
    rows=[
        "YYYYYYYYY++YYYYYYYYY",
        "YY'..tYY.+..YYY.'.BY",
        "Y...'..Y.+...YY....Y",
        "Y.t....Y.+....YY...Y",
        "Y...YYYY.+.....Y...Y",
        "Y.'.....'+...'.YYMYY",
        "Y.....Y..+.......+.Y",
        "YY..YYY..+++++++++.Y",
        "Y...Y'...+.....'...Y",
        "Y........+....t....Y",
        "Y........+....YY...Y",
        "Y-Q-|....+..'.YY.'.Y",
        "Y.*.|....+...P'....Y",
        "YB..|....+.........Y",
        "Y---|....+.........Y",
        "Y.......'+.........Y",
        "Y.t......+K...t....Y",
        "Y..'.....+.....'...Y",
        "YY.......+.......YYY",
        "YYYYYYYYYqYYYYYYYYYY",
    ],
    enemies=[
        (ROW["カラス"], 6, 4, 2, 6, 200, 4, 21),
        (ROW["森ネズミ"], 14, 9, 3, 6, 220, 1, 22),
        (ROW["おばけキノコ"], 17, 13, 2, 8, 1, 0, 23),
        (ROW["スズメバチ"], 5, 17, 4, 5, 180, 9, 24),
        (ROW["森ネズミ"], 13, 18, 1, 6, 220, 6, 22),
    ],
    events=[
        "# back to the garden; on to the deep forest",
        "C:0:10:20:NIWA/1:10:2",
        "J:0:10:1:10:19:2",
        "J:0:11:1:10:19:2",
        "E:0:10:17:4:M:T_MORI_KANBAN",
        "# a mound of hard soil: モグ's claw digs through it to a chest",
        "F:8:18:6:M:+",
        "E:8:18:7:1:G:M:+",
        "F:9:19:2:B:b",
        "E:9:19:3:1:W:3:60",
        "# the pen's gate opens and shuts",
        "E:0:3:11:2:C:Q:q:Q",
        "F:10:2:14:B:b",
        "E:10:2:13:2:I:2:60",
        "# a boulder that rolls away; and what lay under it",
        "F:11:14:13:P:.",
        "E:11:13:13:4:Q:P:.:3",
        "E:12:14:13:4:P:50:60",
    ],
)

# ----------------------------------------------------------------------------- MORI 2: the crow's tree
SCREENS[("MORI", 2)] = dict(
    rows=[
        "YYYYYYYYYYYYYYYYYYYY",
        "YYYYYYYYTTTYYYYYYYYY",
        "YYY''YYT.n.TYY'.YYYY",
        "YY....YY.+.YY....YYY",
        "Y..'...Y.+.Y...t..YY",
        "Y...N....+..V..'...Y",
        "Y.'......+.........Y",
        "YY...t...+...YYY...Y",
        "Y........+...Y'Y...Y",
        "Y..YY....++++++++..Y",
        "Y..YY....+.....'+..Y",
        "Y.....'..+......+..Y",
        "YY.......+...t..+.YY",
        "Y...t....+......+..Y",
        "Y..'.....+......+B.Y",
        "Y........+.........Y",
        "YY..'....+...AS...YY",
        "Y........+.........Y",
        "YYY......+......YYYY",
        "YYYYYYYYY+YYYYYYYYYY",
    ],
    enemies=[
        (ROW["カラス"], 6, 9, 2, 6, 150, 4, 23),
        (ROW["ドクガ"], 14, 5, 3, 5, 200, 8, 24),
        (ROW["イノシシ"], 4, 14, 4, 8, 250, 1, 25),
        (ROW["森ネズミ"], 15, 18, 1, 6, 200, 1, 26),
        (ROW["スズメバチ"], 17, 12, 2, 5, 160, 2, 24),
    ],
    events=[
        "J:0:10:20:10:2:1",
        "# クロウ on its nest: the seed box comes back (request 3 follows)",
        "E:907:10:4:1:M:T_MORI_SU",
        "E:902:10:4:1:R:202:3",
        "F:902:10:3:n:N",
        "E:0:5:7:1:M:T_MORI_SU",
        "# a bird bath before the crow; a shop in the clearing",
        "E:0:13:7:1:S",
        "E:0:15:18:1:U:2",
        "E:0:14:18:1:U:2",
        "# something shiny in the grass: a trap; coins; the crow's button in a chest",
        "E:13:15:11:2:T:10",
        "E:14:4:5:1:P:80:60",
        "F:15:18:15:B:b",
        "E:15:18:16:1:A:7:60",
    ],
)

# ----------------------------------------------------------------------------- ONSHITSU 1: the greenhouse
SCREENS[("ONSHITSU", 1)] = dict(
    rows=[
        BLACK,
        "__GGGGGGGUGGGGGGGG__",
        inner("ggllggyllggggg"),
        inner("gggggggggggggg"),
        inner("gllgggggggggll"),
        inner("gllggyyygggggl"),
        inner("gggggggggggggg"),
        inner("ggyyggggggEggg"),
        inner("gggggggggggggg"),
        inner("lllggggggggggl"),
        inner("ggggggggyyyggg"),
        inner("gggggggggggggg"),
        inner("gllggggggggglg"),
        inner("gllggggggggglg"),
        inner("gggggggggggggg"),
        inner("ggggyggggggygg"),
        inner("gVgggggggggASg"),
        inner("gggggggggggggg"),
        "__GGGGGGGvGGGGGGGG__",
        BLACK,
    ],
    enemies=[
        (ROW["いばらのつる"], 5, 8, 2, 8, 1, 0, 31),
        (ROW["ハエトリソウ"], 15, 12, 2, 8, 1, 0, 32),
        (ROW["ナメクジ"], 8, 13, 3, 8, 220, 1, 33),
        (ROW["ガラスグモ"], 12, 7, 2, 5, 160, 4, 34),
        (ROW["サボテン"], 5, 11, 2, 9, 200, 7, 35),
    ],
    events=[
        "C:0:10:19:NIWA/1:19:10",
        "# the inner door; held by thorns and their guard",
        "F:903:10:3:y:g",
        "F:903:10:2:U:v",
        "# the door's talk comes once (its own flag); the guard's battle follows at the same Enter",
        "E:906:10:4:1:M:T_ONSHITSU_TOBIRA",
        "E:903:10:4:1:B:203",
        "D:0:10:2:10:18:2",
        "# a lantern of sparks in a chest; a thorn patch that bites; the bird bath",
        "F:16:14:8:E:f",
        "E:16:14:9:1:W:10:60",
        "E:17:7:16:4:T:12",
        "E:0:5:18:1:S",
        "# the gardeners' shop of the greenhouse",
        "E:0:16:18:1:U:3",
        "E:0:15:18:1:U:3",
    ],
)

# ----------------------------------------------------------------------------- ONSHITSU 2: ローザ
SCREENS[("ONSHITSU", 2)] = dict(
    rows=[
        BLACK,
        "__GGGGGGGGGGGGGGGG__",
        inner("yyyyllllllyyyy"),
        inner("yyyyggZggggyyy"),
        inner("yyyggggggggyyy"),
        inner("yygggggggggggy"),
        inner("ygggylggglgggy"),
        inner("gEgggggggggggg"),
        inner("ggyyggggggyygg"),
        inner("gggggggggggggg"),
        inner("glgggggggggglg"),
        inner("gggggyggyggggg"),
        inner("gggggggggggggg"),
        inner("ggyggggggggygg"),
        inner("gggggggggggggg"),
        inner("gllggggggggllg"),
        inner("ggggggggggASgg"),
        inner("gggggggggggggg"),
        "__GGGGGGGvGGGGGGGG__",
        BLACK,
    ],
    enemies=[
        (ROW["いばらのつる"], 5, 12, 2, 8, 1, 0, 33),
        (ROW["いばらのつる"], 15, 12, 2, 8, 1, 0, 35),
        (ROW["ガラスグモ"], 10, 10, 2, 5, 150, 2, 34),
        (ROW["ハエトリソウ"], 13, 15, 3, 8, 1, 0, 32),
    ],
    events=[
        "D:0:10:19:10:3:1",
        "# ローザ: her sorrow takes the form of thorns (request 4 and the ending follow)",
        "E:904:10:5:1:R:204:4",
        "F:19:5:8:E:f",
        "E:19:5:9:1:I:4:60",
        "# a last shop before ローザ",
        "E:0:15:18:1:U:4",
        "E:0:14:18:1:U:4",
    ],
)

HEADERS = [
    # name, music, start screen, x, y, place name
    ("NIWA", 30, 1, 10, 16, "ぞーぶのにわ"),
    ("MORI", 32, 1, 10, 19, "北の森"),
    ("ONSHITSU", 33, 1, 10, 18, "古い温室"),
]

# ----------------------------------------------------------------------------- checks


def check(name, no, screen):
    rows = screen["rows"]
    where = "%s %d" % (name, no)
    assert len(rows) == 20, where
    for y, row in enumerate(rows, 1):
        assert len(row) == 20, "%s row %d: %r" % (where, y, row)
        for ch in row:
            assert ch in KEYS, "%s row %d: undefined tile %r" % (where, y, ch)
    cell = lambda x, y: rows[y - 1][x - 1]  # noqa: E731
    # Walled in: every border cell is blocked or carries a step event that leaves the screen.
    exits = set()
    for r in screen["events"]:
        f = r.split(":")
        if f[0] in ("J", "D", "C"):
            exits.add((int(f[2]), int(f[3])))
    for x in range(1, 21):
        for y in range(1, 21):
            if x in (1, 20) or y in (1, 20):
                if KEYS[cell(x, y)] == 0 and (x, y) not in exits:
                    raise AssertionError("%s: open border cell (%d, %d)" % (where, x, y))
    for r in screen["events"]:
        if r.startswith("#"):
            continue
        f = r.split(":")
        assert len(f) >= 4 and f[0] in "FEJDMC", (where, r)
        assert 0 <= int(f[1]) <= 1000, (where, r)
        x, y = int(f[2]), int(f[3])
        assert 1 <= x <= 20 and 1 <= y <= 20, (where, r)
        if f[0] == "F":
            assert f[4] in KEYS and f[5] in KEYS, (where, r)
            assert cell(x, y) == f[4], "%s: the map shows %r where %s starts" % (where, cell(x, y), r)
        if f[0] == "E":
            opened = any(g[0] == "F" and (int(g[2]), int(g[3])) == (x, y) and KEYS[g[5]] != 5
                         for g in (e.split(":") for e in screen["events"] if not e.startswith("#")))
            assert KEYS[cell(x, y)] != 5 or (x, y) in exits or opened, "%s: examine spot (%d, %d) cannot be stood on" % (where, x, y)
    for e in screen["enemies"]:
        assert KEYS[cell(e[1], e[2])] != 5, "%s: enemy on a wall at (%d, %d)" % (where, e[1], e[2])


# ----------------------------------------------------------------------------- writing


def write_sjis(path, lines):
    for line in lines:
        # The record reader ends a record at a comma.
        assert "," not in line, (path, line)
    with open(path, "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp932"))


def tile_lines():
    lines = ["# ぞーぶのにわ  タイル: 文字=列:行:通行 (0 通れる 1..4 その向きには入れない 5 通れない)"]
    for key, col, row, passability, desc, _ in TILES:
        lines.append("%s=%d:%d:%d" % (key, col, row, passability))
    return lines


def header_lines():
    lines = ["; ぞーぶのにわ  マップ: MUSIC 曲  MAPNO X Y はじめの 画面と 位置  EVENAME 場所の 名前", ""]
    for name, music, no, x, y, place in HEADERS:
        lines += ["[%s]" % name, "MUSIC=%d" % music, "MAPNO=%d" % no, "X=%d" % x, "Y=%d" % y,
                  "EVENAME=%s" % place, ""]
    return lines


def screen_files(eve):
    for (name, no), screen in SCREENS.items():
        check(name, no, screen)
        write_sjis(os.path.join(eve, "MAP_%s_%d.txt" % (name, no)), screen["rows"])
        teki = ["%d:%d:%d:%d:%d:%d:%d:%d" % e for e in screen["enemies"]] or ["# だれも いない"]
        write_sjis(os.path.join(eve, "TEKI_%s_%d.txt" % (name, no)), teki)
        write_sjis(os.path.join(eve, "EVENT_%s_%d.txt" % (name, no)), screen["events"])


# ----------------------------------------------------------------------------- music

def tune(path, bpm, lead_prog, pad_prog, melody, chords, bass_oct=3, drums=True):
    """A short loop: a melody over one chord a bar, a bass and a soft beat."""
    song = midi.Song(bpm=bpm)
    lead = song.track("Lead", 0, lead_prog, 92, 70, reverb=60)
    pad = song.track("Pad", 1, pad_prog, 64, 50, reverb=70)
    bass = song.track("Bass", 2, 32, 80, 64)
    lead.phrase(0, melody, 88)
    for bar, (root, kind) in enumerate(chords):
        t = bar * 4
        pad.notes_at(t, 4, midi.chord(root, kind), 54)
        r = midi.n(root[:-1] + str(bass_oct))
        bass.phrase(t, [(r, 1.5), (r + 7, 0.5), (r + 12, 1), (r + 7, 1)], 76)
    if drums:
        drum = song.track("Drums", 9, 0, 60, 64)
        for bar in range(len(chords)):
            t = bar * 4
            for b in range(4):
                drum.note(t + b, 0.25, 42, 44)
            drum.note(t, 0.25, 36, 64)
            drum.note(t + 2, 0.25, 38 if bpm > 100 else 37, 50)
    song.length = len(chords) * 4
    song.save(path)


def music(mid):
    N = midi.n
    # The garden: a light march in C major, flute over strings.
    mel = [(N("E5"), 1), (N("G5"), 1), (N("C6"), 1.5), (N("B5"), 0.5),
           (N("A5"), 1), (N("G5"), 1), (N("E5"), 2),
           (N("F5"), 1), (N("A5"), 1), (N("G5"), 1), (N("E5"), 1),
           (N("D5"), 3), (None, 1),
           (N("E5"), 1), (N("G5"), 1), (N("C6"), 1.5), (N("D6"), 0.5),
           (N("E6"), 1), (N("D6"), 1), (N("C6"), 2),
           (N("A5"), 1), (N("B5"), 1), (N("D6"), 1), (N("B5"), 1),
           (N("C6"), 3), (None, 1)]
    tune(os.path.join(mid, "field_garden.mid"), 112, 73, 48, mel,
         [("C4", "maj"), ("F4", "maj"), ("F4", "maj"), ("G4", "7"),
          ("C4", "maj"), ("A4", "min"), ("G4", "7"), ("C4", "maj")])
    # The forest: a swaying minor tune on the oboe.
    mel = [(N("A4"), 1.5), (N("C5"), 0.5), (N("E5"), 1), (N("D5"), 1),
           (N("C5"), 1), (N("B4"), 1), (N("A4"), 2),
           (N("G4"), 1.5), (N("B4"), 0.5), (N("D5"), 1), (N("C5"), 1),
           (N("B4"), 3), (None, 1),
           (N("A4"), 1.5), (N("C5"), 0.5), (N("E5"), 1), (N("A5"), 1),
           (N("G5"), 1), (N("E5"), 1), (N("D5"), 2),
           (N("C5"), 1), (N("B4"), 1), (N("G#4"), 1), (N("B4"), 1),
           (N("A4"), 3), (None, 1)]
    tune(os.path.join(mid, "field_forest.mid"), 96, 68, 89, mel,
         [("A3", "min"), ("F3", "maj"), ("G3", "maj"), ("E3", "maj"),
          ("A3", "min"), ("C4", "maj"), ("D4", "min"), ("A3", "min")], bass_oct=2)
    # The greenhouse: a slow, glassy waltz-like line on the celesta, no drums.
    mel = [(N("E5"), 2), (N("D5"), 1), (N("C5"), 1), (N("B4"), 2), (N("G4"), 2),
           (N("A4"), 2), (N("C5"), 1), (N("E5"), 1), (N("D5"), 4),
           (N("E5"), 2), (N("F5"), 1), (N("E5"), 1), (N("D5"), 2), (N("B4"), 2),
           (N("C5"), 3), (N("B4"), 1), (N("A4"), 4)]
    tune(os.path.join(mid, "field_greenhouse.mid"), 80, 8, 91, mel,
         [("A3", "min"), ("E3", "min"), ("F3", "maj7"), ("G3", "maj"),
          ("A3", "min"), ("G3", "maj"), ("F3", "maj7"), ("A3", "min")], drums=False)


# ----------------------------------------------------------------------------- sounds

RATE = 22050


def env(n, attack=0.005, release=0.1):
    t = np.arange(n) / RATE
    a = np.clip(t / attack, 0, 1)
    r = np.clip((n / RATE - t) / release, 0, 1)
    return a * r


def write_wav(path, samples):
    samples = np.asarray(samples, dtype=np.float64)
    peak = np.max(np.abs(samples)) or 1.0
    data = (samples / peak * 0.8 * 32767).astype("<i2")
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(data.tobytes())


def snd_encounter():
    # A rising alarm of three notes.
    out = []
    for f in (440, 554, 659, 880):
        n = int(RATE * 0.09)
        t = np.arange(n) / RATE
        out.append(np.sign(np.sin(2 * math.pi * f * t)) * 0.5 * env(n, 0.002, 0.03))
    return np.concatenate(out)


def snd_door(rng):
    # A wooden creak, then a soft thud.
    n = int(RATE * 0.35)
    t = np.arange(n) / RATE
    f = 180 + 90 * np.sin(2 * math.pi * 3 * t)
    creak = np.sin(2 * math.pi * np.cumsum(f) / RATE) * (0.5 + 0.5 * np.sin(2 * math.pi * 40 * t))
    m = int(RATE * 0.15)
    thud = rng.normal(0, 1, m) * np.exp(-np.arange(m) / (RATE * 0.02))
    thud = np.convolve(thud, np.ones(20) / 20, "same")
    return np.concatenate([creak * env(n, 0.01, 0.1) * 0.6, thud * 2.0])


def snd_rumble(rng):
    n = int(RATE * 0.6)
    x = rng.normal(0, 1, n)
    x = np.convolve(x, np.ones(60) / 60, "same")
    return x * env(n, 0.02, 0.3) * (1 + 0.5 * np.sin(2 * math.pi * 11 * np.arange(n) / RATE))


def snd_switch():
    n = int(RATE * 0.06)
    t = np.arange(n) / RATE
    a = np.sin(2 * math.pi * 1200 * t) * np.exp(-t / 0.01)
    b = np.sin(2 * math.pi * 800 * t) * np.exp(-t / 0.015)
    return np.concatenate([a, np.zeros(int(RATE * 0.05)), b])


def snd_dig(rng):
    out = []
    for _ in range(3):
        n = int(RATE * 0.09)
        x = rng.normal(0, 1, n) * np.exp(-np.arange(n) / (RATE * 0.025))
        out += [np.convolve(x, np.ones(6) / 6, "same"), np.zeros(int(RATE * 0.06))]
    return np.concatenate(out)


SOUNDS = [(20, "field_encounter.wav"), (50, "field_door.wav"), (51, "field_rumble.wav"),
          (53, "field_switch.wav"), (54, "field_dig.wav")]
MUSIC = [(30, "field_garden.mid"), (32, "field_forest.mid"), (33, "field_greenhouse.mid")]


def sounds(snd):
    rng = np.random.default_rng(50)
    data = {20: snd_encounter(), 50: snd_door(rng), 51: snd_rumble(rng), 53: snd_switch(), 54: snd_dig(rng)}
    for no, name in SOUNDS:
        write_wav(os.path.join(snd, name), data[no])


def main(argv):
    game = os.path.join(os.path.dirname(HERE), "game")
    args = [a for a in argv if not a.startswith("--")]
    if args:
        game = args[0]
    eve = os.path.join(game, "eve")
    for sub in ("eve", "mid", "sound"):
        os.makedirs(os.path.join(game, sub), exist_ok=True)
    write_sjis(os.path.join(eve, "A_TILE_FILE.txt"), tile_lines())
    write_sjis(os.path.join(eve, "A_MAP_FILE.ini"), header_lines())
    screen_files(eve)
    music(os.path.join(game, "mid"))
    sounds(os.path.join(game, "sound"))
    if "--entries" in argv:
        print("[MID]")
        for no, name in MUSIC:
            print("%d=%s" % (no, name))
        print("[SOUND]")
        for no, name in SOUNDS:
            print("%d=%s" % (no, name))


if __name__ == "__main__":
    main(sys.argv[1:])
