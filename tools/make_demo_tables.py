#!/usr/bin/env python3
"""Writes the master tables of the demo game "ぞーぶのにわ" into game/eve/ (Shift-JIS, CR LF):
A_WEPON_FILE.ini, A_ACCE_FILE.ini, A_ITEM_FILE.ini, A_ENEMY_FILE.ini and A_SHOP_FILE.ini.

The goods are a gardener's: the apprentice Haru fights garden pests, forest animals and the thorns
of the old greenhouse with watering cans, shears and brooms. Rerun after editing the tables below:

    python3 tools/make_demo_tables.py
"""
import os
import sys

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
EVE = os.path.join(ROOT, "game", "eve")

# Attributes: 0 none, 1 斬撃, 2 打撃, 3 熱, 4 冷気, 5 風, 6 土, 7 突.
NONE, SLASH, BLUNT, HEAT, COLD, WIND, EARTH, PIERCE = range(8)
ATTR_NAMES = ["無属性", "斬撃", "打撃", "熱", "冷気", "風", "土", "突"]

# Weapons: (name, formula, attribute, power, hits all, price, ammunition, note, description).
# Formulas: 1 and 2 attack + power - defence/2, 3 attack + power - defence (strong), 4 half the
# attack and a wide spread, little defence (all enemies), 5 power only and one miss in three,
# 6 power only. Every attack uses one unit of ammunition; the weapon is gone when it runs out.
WEAPONS = {
    1: ("じょうろ", 1, COLD, 12, 0, 30, 30, "水", "水を かけて 虫を 追いはらう。\\nいつもの 道具。"),
    2: ("せんてい鋏", 1, SLASH, 22, 0, 120, 25, "刃", "枝を 切る はさみ。\\nよく 切れる。"),
    3: ("竹ぼうき", 2, WIND, 20, 1, 180, 15, "風", "ひとはきで 敵を まとめて はらう。\\n敵 全体に 当たる。"),
    4: ("スコップ", 3, EARTH, 20, 0, 220, 20, "土", "土ごと すくって なげつける。\\n土の 力。"),
    5: ("木のくわ", 3, BLUNT, 28, 0, 260, 25, "木", "ぞーぶの 古い くわ。\\nずっしり 重い。"),
    6: ("とうがらし玉", 4, HEAT, 36, 1, 240, 6, "火", "からい 粉の 玉。\\n敵 全体が 熱さに もだえる。"),
    7: ("パチンコ", 6, PIERCE, 24, 0, 90, 40, "石", "木の実を 飛ばす。\\nかたい 敵にも よく 当たる。"),
    8: ("草かり鎌", 1, SLASH, 44, 0, 420, 30, "刃", "草も つるも ばっさり。"),
    9: ("ホース", 2, COLD, 46, 1, 560, 20, "水", "井戸の 水を 勢いよく まく。\\n敵 全体に 当たる。"),
    10: ("ひのこランタン", 4, HEAT, 64, 1, 720, 10, "火", "火の粉を ふりまく ランタン。\\nいばらは 火に 弱い。"),
    11: ("つるはし", 3, PIERCE, 50, 0, 640, 20, "鉄", "岩も くだく つるはし。\\n突きの 力。"),
    12: ("銀のはさみ", 1, SLASH, 80, 0, 1300, 35, "銀", "庭師の あこがれ。\\nおそろしく よく 切れる。"),
    13: ("春風のうちわ", 5, WIND, 110, 1, 1600, 12, "風", "春一番を まきおこす。\\nたまに 空ぶりする。"),
    14: ("ローザのとげ", 6, PIERCE, 140, 0, 2400, 15, "花", "ローザが くれた 一本の とげ。\\nどんな よろいも つらぬく。"),
    15: ("ぞーぶの杖", 3, BLUNT, 120, 0, 3200, 50, "木", "六十年 庭を 見てきた 杖。\\n元気が わいてくる。"),
}

# Accessories: (name, bonus kind, amount, price, note, description). Kinds: 1 defence, 2 attack,
# 3 the field's digging event, 4 aim at the weakest, 5 at the strongest attacker, 6 at the lowest
# defence, 7 extra money, 8 nothing, 9 extra experience and healing, 10 healing per hit.
ACCESSORIES = {
    1: ("麦わら帽子", 1, 2, 80, "防御", "日よけの 帽子。\\n防御力 +2"),
    2: ("皮の手ぶくろ", 2, 2, 100, "攻撃", "とげから 手を まもる。\\n攻撃力 +2"),
    3: ("てんとう虫", 4, 1, 300, "ねらい", "てんとう虫の ブローチ。\\n体力の 少ない 敵を ねらう。"),
    4: ("ミツの羽かざり", 5, 1, 300, "ねらい", "ミツが くれた 羽かざり。\\n攻撃力の 高い 敵を ねらう。"),
    5: ("モグのツメ", 3, 1, 200, "ほる", "モグが くれた 自慢の ツメ。\\nかたい 土を ほりくずせる。"),
    6: ("カラスの羽根", 6, 1, 350, "ねらい", "黒く ひかる 羽根。\\n守りの うすい 敵を ねらう。"),
    7: ("ぴかぴかボタン", 7, 10, 400, "お金", "クロウの たからもの。\\n勝つと お金が 10POM ふえる。"),
    8: ("四つ葉", 9, 3, 600, "しあわせ", "四つ葉の クローバー。\\n勝つと 経験値と 体力が ふえる。"),
    9: ("ヤドリギの輪", 10, 3, 800, "いのち", "敵に 当てるたび 体力が 3 もどる。"),
    10: ("厚手エプロン", 1, 6, 500, "防御", "土も とげも とおさない。\\n防御力 +6"),
    11: ("庭師の腕章", 2, 6, 700, "攻撃", "一人前の しるし。\\n攻撃力 +6"),
    12: ("バラのコサージュ", 10, 8, 1500, "いのち", "ローザの 花びら。\\n敵に 当てるたび 体力が 8 もどる。"),
    13: ("ぞーぶの麦わら", 1, 12, 2000, "防御", "ぞーぶの 古い 麦わら帽子。\\n防御力 +12"),
    14: ("ただの小石", 8, 0, 4, "なし", "なんの 効果も ない。\\nでも 形が いい。"),
}

# Items: (name, status kind, amount, price, text after use, description). Kinds: 1 hit points,
# 2 maximum hit points, 3 attack, 4 defence, 5 money.
ITEMS = {
    1: ("やくそう", 1, 30, 20, "にがい！ 体力が 30 回復した。", "体力を 30 回復する。"),
    2: ("ハチミツ", 1, 80, 60, "あまーい！ 体力が 80 回復した。", "ミツの 仲間の ハチミツ。\\n体力を 80 回復する。"),
    3: ("井戸の水", 1, 150, 120, "つめたい！ 体力が 150 回復した。", "くみたての 井戸水。\\n体力を 150 回復する。"),
    4: ("ローヤルゼリー", 1, 400, 400, "力が みなぎる！ 体力が 400 回復した。", "体力を 400 回復する。"),
    5: ("どんぐり", 2, 5, 200, "最大体力が 5 あがった。", "ふしぎな どんぐり。\\n最大体力が 5 あがる。"),
    6: ("とうがらし", 3, 2, 250, "からい！ 攻撃力が 2 あがった。", "食べると 攻撃力が 2 あがる。"),
    7: ("かたいクルミ", 4, 2, 250, "かたい！ 防御力が 2 あがった。", "食べると 防御力が 2 あがる。"),
    8: ("古いコイン", 5, 200, 10, "両替して 200POM に なった。", "むかしの お金。\\n使うと 200POM に なる。"),
    9: ("金のタネ", 2, 20, 900, "最大体力が 20 あがった。", "ぞーぶの ひみつの タネ。\\n最大体力が 20 あがる。"),
    10: ("朝つゆ", 1, 999, 800, "体じゅうに 朝つゆが しみわたる。", "花びらの 朝つゆ。\\n体力が すっかり 回復する。"),
}

# Enemies: (picture, width, height, hit points, attack, defence, action 1 name, action 2 code,
# action 2 name, action 3 code, action 3 name, experience, money, weak, strong, name).
# Action names are nouns: the battle says "<enemy>は<name>で" (codes 0 to 4) or "<enemy>は<name>を"
# (codes 5 to 12). Action codes: 0 attack, 1 wild attack, 2 a share of the player's hit points, 3 drain, 4 heavy
# attack, 5/6 heal itself, 7/8 raise its attack/defence, 9/10 lower the player's, 11 cancel the
# player's bonuses, 12 cancel its own raises, others: does nothing.
# Pictures 5001.. are the battle graphics of pic.ini, drawn at the width and height given here.
ENEMIES = {
    # The garden (request 1)
    1: (5001, 64, 48, 12, 4, 1, "口ばり", 5, "あまい汁", 99, "ひとやすみ", 2, 4, COLD, NONE, "アブラムシ"),
    2: (5002, 64, 40, 18, 5, 3, "ぬるぬるボディ", 8, "ぬめりの膜", 10, "ねばねば液", 3, 6, HEAT, BLUNT, "ナメクジ"),
    3: (5003, 72, 40, 22, 5, 2, "大あご", 6, "葉っぱのごはん", 7, "もりもりパワー", 4, 8, SLASH, NONE, "イモムシ"),
    4: (5004, 56, 48, 16, 4, 8, "かたいカラ", 8, "まんまる防御", 1, "ころころ回転", 4, 10, PIERCE, BLUNT, "ダンゴムシ"),
    # The old well (request 1)
    5: (5005, 80, 56, 20, 7, 3, "キバ", 3, "吸血キバ", 9, "ちょう音波", 5, 9, HEAT, WIND, "井戸コウモリ"),
    6: (5006, 72, 64, 28, 7, 4, "とびげり", 1, "のびる舌", 10, "カエルの粘液", 6, 12, COLD, EARTH, "ヌマガエル"),
    7: (5007, 80, 64, 26, 8, 5, "キバ", 10, "クモの糸", 3, "毒のキバ", 7, 14, HEAT, NONE, "岩グモ"),
    8: (5008, 112, 96, 120, 10, 6, "するどいツメ", 8, "土のよろい", 4, "ドリルアタック", 40, 60, COLD, EARTH, "モグ"),
    # The northern forest (request 2)
    9: (5009, 80, 64, 34, 12, 6, "くちばし", 9, "おどかし", 1, "急降下", 9, 18, PIERCE, EARTH, "カラス"),
    10: (5010, 56, 48, 26, 11, 5, "前歯", 6, "木の実", 0, "しっぽ", 8, 20, BLUNT, PIERCE, "森ネズミ"),
    11: (5011, 64, 72, 40, 11, 8, "かさアタック", 10, "ほうし", 11, "ねむり粉", 11, 16, HEAT, COLD, "おばけキノコ"),
    12: (5012, 64, 56, 32, 14, 5, "毒針", 4, "連続毒針", 7, "いかくの羽音", 12, 22, COLD, NONE, "スズメバチ"),
    13: (5013, 80, 56, 30, 12, 6, "はね", 2, "毒りんぷん", 10, "りんぷん", 11, 20, HEAT, WIND, "ドクガ"),
    14: (5014, 104, 80, 60, 15, 10, "キバ", 1, "もうとっしん", 8, "あつい毛皮", 18, 35, PIERCE, BLUNT, "イノシシ"),
    15: (5015, 120, 96, 110, 11, 12, "くちばし", 9, "ぴかぴか光線", 4, "カラスの大群", 100, 150, PIERCE, WIND, "クロウ"),
    # The greenhouse (request 3)
    16: (5016, 72, 96, 50, 18, 10, "とげ", 3, "しぼりとるつる", 8, "つるのよろい", 16, 20, SLASH, BLUNT, "いばらのつる"),
    17: (5017, 80, 80, 58, 19, 9, "とげの口", 3, "消化液", 6, "ひなたぼっこ", 18, 26, HEAT, COLD, "ハエトリソウ"),
    18: (5018, 64, 64, 44, 18, 18, "とげ", 1, "針ミサイル", 8, "とげのよろい", 17, 30, COLD, PIERCE, "サボテン"),
    19: (5019, 96, 56, 70, 18, 12, "のしかかり", 10, "ねばねば液", 5, "しめりけ", 20, 24, HEAT, BLUNT, "大ナメクジ"),
    20: (5020, 80, 64, 55, 21, 14, "ガラスのキバ", 10, "クモの糸", 4, "毒のキバ", 22, 32, BLUNT, SLASH, "ガラスグモ"),
    21: (5021, 104, 120, 120, 15, 18, "いばらのムチ", 8, "とげのよろい", 4, "いばらの嵐", 60, 80, HEAT, SLASH, "いばらの番人"),
    22: (5022, 128, 128, 200, 17, 16, "とげのムチ", 11, "さみしさのとげ", 3, "いのちを吸うつる", 150, 200, HEAT, SLASH, "かなしみのいばら"),
    # The garden in full bloom (request 4)
    23: (5023, 96, 96, 90, 28, 15, "突風", 1, "つむじ風", 9, "花びらの嵐", 30, 40, EARTH, WIND, "春一番"),
    24: (5024, 56, 48, 40, 24, 10, "針", 7, "花粉", 2, "ぶんぶん攻撃", 20, 30, COLD, NONE, "ハナアブ"),
    25: (5025, 112, 64, 80, 30, 14, "大あご", 7, "高速飛行", 4, "空からの一撃", 35, 45, COLD, WIND, "オニヤンマ"),
    26: (5026, 128, 96, 600, 40, 24, "ひげ", 6, "どろあび", 2, "大じしん", 250, 500, EARTH, COLD, "井戸のヌシ"),
}

# Battle music (mid.ini numbers): groups below 200, 200..399 (bosses), 400 and above, defeat.
BATTLE_MUSIC = {"MUSIC1": 10, "MUSIC2": 11, "MUSIC3": 12, "MUSIC_D": 13}

# Enemy groups: group number -> (slot 1, slot 2, slot 3), 0 for an empty slot.
GROUPS = {
    # the garden
    1: (0, 1, 0), 2: (1, 0, 1), 3: (0, 2, 0), 4: (3, 0, 1), 5: (4, 0, 4), 6: (2, 0, 3),
    # the old well
    11: (0, 5, 0), 12: (5, 0, 5), 13: (6, 7, 0), 14: (5, 6, 0), 15: (4, 7, 4),
    # the northern forest
    21: (0, 9, 0), 22: (10, 0, 10), 23: (11, 9, 0), 24: (12, 0, 13), 25: (0, 14, 0), 26: (10, 14, 11),
    # the greenhouse
    31: (0, 16, 0), 32: (17, 0, 18), 33: (19, 16, 19), 34: (20, 18, 17), 35: (16, 20, 16),
    # the garden in bloom
    41: (0, 23, 0), 42: (24, 25, 24), 43: (23, 24, 23),
    # bosses (battle music 2)
    201: (0, 8, 0),      # モグ at the bottom of the well
    202: (0, 15, 0),     # クロウ alone: with two crows beside it the fight was lost at any level met on the way
    203: (0, 21, 0),     # the guardian of the greenhouse
    204: (0, 22, 0),     # the thorns of sorrow, alone (with two vines beside them no level met on the way won)
    # the master of the well (battle music 3), for those who go back after the story
    401: (0, 26, 0),
}

# Shops: shop number -> goods (kind, number): 1 weapon, 2 accessory, 3 item; at most seven.
SHOPS = {
    1: [(1, 1), (1, 2), (1, 7), (2, 1), (2, 2), (3, 1), (3, 2)],     # the garden shed
    2: [(1, 3), (1, 4), (1, 6), (1, 11), (2, 3), (2, 10), (3, 3)],   # the forest peddler
    3: [(1, 8), (1, 9), (1, 10), (2, 11), (3, 2), (3, 3), (3, 4)],   # the greenhouse stall
    4: [(1, 12), (1, 13), (2, 7), (2, 8), (2, 9), (3, 4), (3, 10)],  # the spring market
}


def ini(header, sections):
    lines = ["; " + h for h in header]
    for name, pairs in sections:
        lines.append("")
        lines.append("[" + name + "]")
        for key, value in pairs:
            lines.append("%s=%s" % (key, value))
    return "\r\n".join(lines) + "\r\n"


def check(ok, what):
    if not ok:
        sys.exit("make_demo_tables: " + what)


def int16(v):
    return -32768 <= v <= 32767


def record(fields, what):
    for f in fields:
        check(":" not in str(f) and "=" not in str(f), what + ": a field holds ':' or '='")
    return ":".join(str(f) for f in fields)


def weapon_file():
    rows = []
    for n, (name, f, attr, power, all_, price, tama, note, info) in sorted(WEAPONS.items()):
        check(1 <= n <= 50 and len(name) <= 7, "weapon %d" % n)
        check(1 <= f <= 9 and 0 <= attr <= 7 and int16(tama) and tama > 0, "weapon %d fields" % n)
        text = "%sで こうげき" % name
        rows.append((n, record((name, f, attr, power, all_, price, tama, note, text, info), "weapon %d" % n)))
    return ini(["ぞーぶのにわ  武器", "名前:式:属性:威力:全体:値段:弾数:メモ:文:説明",
                "属性 0 無属性 1 斬撃 2 打撃 3 熱 4 冷気 5 風 6 土 7 突"], [("W_MASTER", rows)])


def item_rows(table, what):
    rows = []
    for n, (name, kind, value, price, text, info) in sorted(table.items()):
        check(1 <= n <= 50 and len(name) <= 8 and int16(value), "%s %d" % (what, n))
        rows.append((n, record((name, kind, "-", value, "-", price, "-", "-", text, info), "%s %d" % (what, n))))
    return rows


def accessory_file():
    table = {n: (name, kind, value, price, note, info)
             for n, (name, kind, value, price, note, info) in ACCESSORIES.items()}
    return ini(["ぞーぶのにわ  そうしょく品", "名前:種類:-:量:-:値段:-:-:文:説明",
                "種類 1 防御 2 攻撃 3 ほる 4 弱い敵 5 強い敵 6 守りのうすい敵 7 お金 8 なし 9 経験値 10 吸収"],
               [("A_MASTER", item_rows(table, "accessory"))])


def item_file():
    return ini(["ぞーぶのにわ  道具", "名前:種類:-:量:-:値段:-:-:使ったときの文:説明",
                "種類 1 体力 2 最大体力 3 攻撃力 4 防御力 5 お金"], [("I_MASTER", item_rows(ITEMS, "item"))])


def enemy_file():
    rows = []
    for n, e in sorted(ENEMIES.items()):
        pic, w, h, hp, at, df, a1, c2, a2, c3, a3, exp, pom, weak, strong, name = e
        check(1 <= n <= 50 and len(name) <= 8, "enemy %d" % n)
        check(all(int16(v) for v in (pic, w, h, c2, c3, exp, weak, strong)), "enemy %d fields" % n)
        check(w <= 130 and h <= 140, "enemy %d too large for its slot" % n)
        fields = (pic, 0, w, h, hp, at, df, a1, c2, a2, c3, a3, exp, pom, 0, weak, strong, name)
        rows.append((n, record(fields, "enemy %d" % n)))
    sections = [("BASIS", list(BATTLE_MUSIC.items())), ("E_MASTER", rows)]
    for g, slots in sorted(GROUPS.items()):
        check(len(slots) == 3 and any(slots), "group %d" % g)
        check(all(s == 0 or s in ENEMIES for s in slots), "group %d names an unknown enemy" % g)
        sections.append(("E_%d" % g, [("E_NO_%d" % (k + 1), s) for k, s in enumerate(slots)]))
    return ini(["ぞーぶのにわ  敵",
                "絵:-:幅:高さ:体力:攻撃:防御:行動1:コード2:行動2:コード3:行動3:経験値:お金:-:弱点:耐性:名前",
                "MUSIC1 は 群れ 0..199, MUSIC2 は 200..399 (ボス), MUSIC3 は 400.., MUSIC_D は 敗北"], sections)


def shop_file():
    tables = {1: WEAPONS, 2: ACCESSORIES, 3: ITEMS}
    sections = []
    for s, goods in sorted(SHOPS.items()):
        check(len(goods) <= 7, "shop %d has more than seven goods" % s)
        check(all(n in tables[k] for k, n in goods), "shop %d sells an unknown good" % s)
        sections.append(("SHOP_%d" % s, [(i + 1, "%d:%d" % g) for i, g in enumerate(goods)]))
    return ini(["ぞーぶのにわ  お店", "種類:番号  種類 1 武器 2 そうしょく品 3 道具"], sections)


def main():
    files = {
        "A_WEPON_FILE.ini": weapon_file(),
        "A_ACCE_FILE.ini": accessory_file(),
        "A_ITEM_FILE.ini": item_file(),
        "A_ENEMY_FILE.ini": enemy_file(),
        "A_SHOP_FILE.ini": shop_file(),
    }
    os.makedirs(EVE, exist_ok=True)
    for name, text in files.items():
        check("=" not in "".join(l for l in text.split("\r\n") if l.startswith(";")), name + ": '=' in a comment")
        with open(os.path.join(EVE, name), "wb") as out:
            out.write(text.encode("cp932"))
        print("wrote", os.path.join("game", "eve", name))


if __name__ == "__main__":
    main()
