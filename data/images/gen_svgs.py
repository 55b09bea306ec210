#!/usr/bin/python3
"""Writes the SVG sources of the picture collection (svg/) and its resource list (images.qrc).

All pictures share one palette and one drawing language: dark-brown ink outlines, parchment and
dark-red surfaces, gold highlights. Ship pictures are 128-unit tiles (sky, sea, red rim) so that they
read as one set from 36 to 150 pixels. Letters are drawn as outlines of the bundled display font so
that every renderer shows the same shapes. Run render.sh rather than this script directly.
"""
import math
import os
import sys
import xml.etree.ElementTree as ET

from fontTools.pens.svgPathPen import SVGPathPen
from fontTools.ttLib import TTFont

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
OUT = os.path.join(HERE, "svg")

INK = "#3a2214"
RED = "#7a2318"
RED_L = "#a8392a"
CREAM = "#fbf1da"
PARCH = "#f3e2bb"
BEIGE = "#e9cb94"
GOLD = "#dfa92e"
GOLD_D = "#8a5a10"
WOOD = "#8a5429"
WOOD_D = "#5e3519"
STEEL = "#585d64"
STEEL_L = "#8b9198"
SEA1 = "#6a99a4"
SEA2 = "#2f5a68"
GREEN = "#4e7a2a"
GREEN_L = "#86b24a"
GREY = "#9a9185"

# ---------------------------------------------------------------- text as outlines of the display font
_font = TTFont(os.path.join(ROOT, "data", "fonts", "Heuristica-Regular.otf"))
_glyphs = _font.getGlyphSet()
_cmap = _font.getBestCmap()
_upm = _font["head"].unitsPerEm


def text_width(text, size):
    return sum(_font["hmtx"][_cmap[ord(c)]][0] for c in text) * size / _upm


def text(txt, x, y, size, fill, anchor="start", weight=0.0):
    """Outlined text with its baseline at y; weight thickens strokes (a bold look for a regular face)."""
    w = text_width(txt, size)
    if anchor == "middle":
        x -= w / 2
    elif anchor == "end":
        x -= w
    s = size / _upm
    parts = []
    pen_x = 0
    for c in txt:
        name = _cmap[ord(c)]
        pen = SVGPathPen(_glyphs)
        _glyphs[name].draw(pen)
        d = pen.getCommands()
        if d:
            parts.append(f'<path transform="translate({pen_x:.1f} 0)" d="{d}"/>')
        pen_x += _font["hmtx"][name][0]
    stroke = f' stroke="{fill}" stroke-width="{weight / s:.1f}" stroke-linejoin="round"' if weight else ""
    return (f'<g transform="translate({x:.2f} {y:.2f}) scale({s:.5f} {-s:.5f})" fill="{fill}"{stroke}>'
            + "".join(parts) + "</g>")


# ---------------------------------------------------------------- files
written = []  # (alias, relative path)


def svg(name, w, h, body, defs="", folder=""):
    os.makedirs(os.path.join(OUT, folder), exist_ok=True)
    rel = os.path.join("svg", folder, name + ".svg") if folder else os.path.join("svg", name + ".svg")
    content = (f'<svg xmlns="http://www.w3.org/2000/svg" width="{w}" height="{h}" viewBox="0 0 {w} {h}">\n'
               + (f"<defs>{defs}</defs>\n" if defs else "") + body + "\n</svg>\n")
    with open(os.path.join(HERE, rel), "w", encoding="utf-8") as f:
        f.write(content)
    alias = (folder + "/" if folder else "") + name + ".svg"
    written.append((alias, rel))
    return rel


def alias(name, target_rel):
    written.append((name + ".svg", target_rel))


def lin(id_, c1, c2, x2=0, y2=1):
    return (f'<linearGradient id="{id_}" x1="0" y1="0" x2="{x2}" y2="{y2}">'
            f'<stop offset="0" stop-color="{c1}"/><stop offset="1" stop-color="{c2}"/></linearGradient>')


def star_path(cx, cy, r, inner=0.45, points=5):
    pts = []
    for i in range(points * 2):
        rr = r if i % 2 == 0 else r * inner
        a = -math.pi / 2 + i * math.pi / points
        pts.append(f"{cx + rr * math.cos(a):.1f},{cy + rr * math.sin(a):.1f}")
    return "M" + " L".join(pts) + " Z"


# ---------------------------------------------------------------- the ship tile
def tile_defs(sky1="#fbf3de", sky2="#ecd3a0"):
    return (lin("sky", sky1, sky2) + lin("sea", SEA1, SEA2)
            )


def tile_back():
    return ('<rect x="4" y="4" width="120" height="120" rx="16" fill="url(#sky)"/>'
            '<circle cx="96" cy="38" r="13" fill="#f7e3a8" opacity="0.8"/>')


def tile_front(rim=RED, inner=GOLD):
    # The sea follows the tile's rounded corners itself: not every renderer honours clip paths.
    sea = ('<g><path d="M4 95 L124 95 L124 108 A16 16 0 0 1 108 124 L20 124 A16 16 0 0 1 4 108 Z" fill="url(#sea)"/>'
           f'<path d="M14 104 q6 -4 12 0 q6 4 12 0 M58 112 q6 -4 12 0 q6 4 12 0 M92 102 q5 -3 10 0 q5 3 10 0" '
           f'fill="none" stroke="{CREAM}" stroke-width="2.2" stroke-linecap="round" opacity="0.85"/></g>')
    frame = (f'<rect x="4" y="4" width="120" height="120" rx="16" fill="none" stroke="{rim}" stroke-width="6"/>'
             f'<rect x="8.5" y="8.5" width="111" height="111" rx="12" fill="none" stroke="{inner}" '
             f'stroke-width="1.4" opacity="0.9"/>')
    return sea + frame


def star_badge(cx=100, cy=28, r=21):
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{RED}" stroke="{CREAM}" stroke-width="3"/>'
            f'<path d="{star_path(cx, cy + 1, r * 0.78)}" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="2" '
            f'stroke-linejoin="round"/>')


# ---------------------------------------------------------------- ship drawings (bow to the right)
WL = 97  # where the hull meets the water


def sail_hull(x0, x1, deck, ports=0, colour=WOOD, stern_rise=7, stripe=GOLD):
    d = (f"M{x0} {deck - stern_rise} L{x0 + 10} {deck - stern_rise} L{x0 + 12} {deck} L{x1 - 6} {deck} "
         f"L{x1 + 4} {deck - 5} L{x1 - 8} {WL + 3} L{x0 + 8} {WL + 3} Q{x0 + 1} {WL - 4} {x0} {deck - stern_rise} Z")
    g = f'<path d="{d}" fill="{colour}" stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"/>'
    g += (f'<path d="M{x0 + 3} {deck + 5} L{x1 - 4} {deck + 4}" stroke="{stripe}" stroke-width="2.4" '
          f'stroke-linecap="round"/>')
    if ports:
        step = (x1 - x0 - 26) / max(ports - 1, 1)
        for i in range(ports):
            px = x0 + 14 + i * step
            g += f'<rect x="{px - 2.2:.1f}" y="{deck + 8}" width="4.4" height="4" fill="{INK}"/>'
    return g


def bowsprit(x1, deck):
    return (f'<path d="M{x1} {deck - 4} L{x1 + 14} {deck - 11}" stroke="{INK}" stroke-width="2.4" '
            f'stroke-linecap="round"/>')


def mast(x, deck, top, flag=None):
    g = f'<path d="M{x} {deck} L{x} {top}" stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>'
    if flag:
        g += (f'<path d="M{x} {top} L{x + 11} {top + 3} L{x} {top + 6} Z" fill="{flag}" stroke="{INK}" '
              f'stroke-width="1.2" stroke-linejoin="round"/>')
    return g


def square_sails(x, deck, top, n, width, colour=CREAM):
    g = ""
    span = deck - 8 - (top + 6)
    h = span / n
    for i in range(n):
        yb = deck - 8 - i * h
        yt = yb - h + 2
        wb = width * (1 - 0.16 * i)
        wt = wb * 0.86
        g += (f'<path d="M{x - wt / 2:.1f} {yt:.1f} L{x + wt / 2:.1f} {yt:.1f} Q{x + wb / 2 + 3:.1f} {(yt + yb) / 2:.1f} '
              f'{x + wb / 2:.1f} {yb:.1f} L{x - wb / 2:.1f} {yb:.1f} Q{x - wb / 2 + 3:.1f} {(yt + yb) / 2:.1f} '
              f'{x - wt / 2:.1f} {yt:.1f} Z" fill="{colour}" stroke="{INK}" stroke-width="1.7" '
              f'stroke-linejoin="round"/>')
    return g


def gaff_sail(x, deck, top, length, colour=CREAM):
    return (f'<path d="M{x - 2} {top + 5} L{x - 2} {deck - 6} L{x - length} {deck - 6} Q{x - length + 6} '
            f'{(top + deck) / 2} {x - length + 4} {top + 16} Z" fill="{colour}" stroke="{INK}" stroke-width="1.7" '
            f'stroke-linejoin="round"/>')


def jib(xm, top, x1, deck, colour=CREAM):
    return (f'<path d="M{xm + 2} {top + 4} L{x1 + 12} {deck - 10} L{xm + 3} {deck - 7} Z" fill="{colour}" '
            f'stroke="{INK}" stroke-width="1.7" stroke-linejoin="round"/>')


def sailing_ship(p):
    x0, x1, deck = p["hull"]
    g = sail_hull(x0, x1, deck, p.get("ports", 0), p.get("wood", WOOD), p.get("stern", 7), p.get("stripe", GOLD))
    masts = p["masts"]
    sail_col = p.get("sail", CREAM)
    if p.get("jib", True):
        g += bowsprit(x1, deck)
        g += jib(masts[-1][0], masts[-1][1], x1, deck, sail_col)
    for i, (mx, top, kind, n, w) in enumerate(masts):
        flag = p.get("flag") if i == 0 or (p.get("flags_all")) else None
        g += mast(mx, deck, top, flag if (i == 0 or p.get("flags_all")) else None)
        if kind == "square":
            g += square_sails(mx, deck, top, n, w, sail_col)
        else:
            g += gaff_sail(mx, deck, top, w, sail_col)
    return g


def steam_hull(x0, x1, deck, colour=STEEL, stripe=RED, low_bow=False):
    bow_y = deck if low_bow else deck - 5
    d = (f"M{x0} {deck} L{x1} {bow_y} L{x1 - 7} {WL + 3} L{x0 + 5} {WL + 3} Q{x0 - 1} {WL - 3} {x0} {deck} Z")
    return (f'<path d="{d}" fill="{colour}" stroke="{INK}" stroke-width="2.6" stroke-linejoin="round"/>'
            f'<path d="M{x0 + 3} {WL - 2} L{x1 - 8} {WL - 2}" stroke="{stripe}" stroke-width="3"/>')


def block(x, y, w, h, fill=CREAM, windows=0):
    g = (f'<rect x="{x}" y="{y}" width="{w}" height="{h}" fill="{fill}" stroke="{INK}" stroke-width="2" '
         f'stroke-linejoin="round"/>')
    if windows:
        step = w / (windows + 1)
        for i in range(windows):
            g += f'<rect x="{x + step * (i + 1) - 1.6:.1f}" y="{y + h / 2 - 1.6:.1f}" width="3.2" height="3.2" fill="{INK}"/>'
    return g


def funnel(x, base, h, w=9, colour=RED, smoke=True):
    g = ""
    if smoke:
        g += (f'<g fill="#d8cfbf" stroke="{GREY}" stroke-width="1.2" opacity="0.9">'
              f'<circle cx="{x - 6}" cy="{base - h - 7}" r="5.5"/><circle cx="{x - 14}" cy="{base - h - 12}" r="4.5"/>'
              f'<circle cx="{x - 21}" cy="{base - h - 15}" r="3.5"/></g>')
    g += (f'<path d="M{x - w / 2} {base} L{x - w / 2 + 2} {base - h} L{x + w / 2 + 2} {base - h} L{x + w / 2} {base} Z" '
          f'fill="{colour}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
          f'<path d="M{x - w / 2 + 1.6} {base - h + 3.5} L{x + w / 2 + 1.6} {base - h + 3.5}" stroke="{INK}" stroke-width="3.5"/>')
    return g


def turret(x, y, facing=1, w=14):
    return (f'<path d="M{x} {y - 1} L{x + facing * 13} {y - 3}" stroke="{INK}" stroke-width="2.8" stroke-linecap="round"/>'
            f'<path d="M{x - w / 2} {y + 3} L{x - w / 2 + 2} {y - 4} L{x + w / 2 - 2} {y - 4} L{x + w / 2} {y + 3} Z" '
            f'fill="{STEEL_L}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')


def paddle_box(x, deck, r=10):
    return (f'<path d="M{x - r} {deck + 2} A{r} {r} 0 0 1 {x + r} {deck + 2} Z" fill="{RED_L}" stroke="{INK}" '
            f'stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M{x} {deck + 2} L{x} {deck - r + 3} M{x} {deck + 2} L{x - r + 4} {deck - 4} M{x} {deck + 2} '
            f'L{x + r - 4} {deck - 4}" stroke="{CREAM}" stroke-width="1.4"/>')


def thin_mast(x, deck, top, flag=None):
    g = f'<path d="M{x} {deck} L{x} {top}" stroke="{INK}" stroke-width="2" stroke-linecap="round"/>'
    g += f'<path d="M{x - 5} {top + 6} L{x + 5} {top + 6}" stroke="{INK}" stroke-width="1.6"/>'
    if flag:
        g += (f'<path d="M{x} {top} L{x + 9} {top + 2.5} L{x} {top + 5} Z" fill="{flag}" stroke="{INK}" '
              f'stroke-width="1.1" stroke-linejoin="round"/>')
    return g


# Each ship: a function drawing it on the 128 tile.
def ship_schooner():
    return sailing_ship({"hull": (30, 92, 84), "masts": [(50, 34, "gaff", 0, 22), (70, 28, "gaff", 0, 20)],
                         "flag": RED})


def ship_gunboat():
    return sailing_ship({"hull": (28, 94, 82), "ports": 4, "masts": [(52, 34, "square", 2, 26), (74, 30, "gaff", 0, 18)],
                         "flag": RED, "wood": WOOD_D})


def ship_merchant():
    return sailing_ship({"hull": (24, 98, 80), "masts": [(44, 30, "square", 3, 26), (70, 26, "square", 3, 30)],
                         "flag": GOLD, "stern": 9})


def ship_clipper():
    return sailing_ship({"hull": (20, 100, 84), "stern": 4, "masts": [(36, 28, "square", 3, 22), (58, 20, "square", 4, 26),
                                                                      (80, 26, "square", 3, 22)],
                         "flag": RED, "wood": "#3f3a36", "stripe": CREAM})


def ship_frigate():
    return sailing_ship({"hull": (20, 100, 78), "ports": 7, "stern": 9,
                         "masts": [(38, 26, "square", 3, 24), (60, 18, "square", 4, 28), (82, 26, "square", 3, 22)],
                         "flag": RED, "wood": WOOD_D})


def ship_flagship():
    return sailing_ship({"hull": (22, 100, 78), "ports": 6, "stern": 12,
                         "masts": [(42, 22, "square", 3, 26), (66, 16, "square", 4, 30)],
                         "flag": GOLD, "flags_all": True, "sail": "#f6e3b0", "stripe": GOLD})


def liner(stripe, sail, flag):
    g = sailing_ship({"hull": (16, 102, 74), "ports": 8, "stern": 12,
                      "masts": [(34, 24, "square", 3, 24), (58, 14, "square", 4, 30), (82, 22, "square", 3, 24)],
                      "flag": flag, "flags_all": True, "wood": WOOD_D, "stripe": stripe, "sail": sail})
    # second gun deck
    for i in range(8):
        g += f'<rect x="{29 + i * 9.2:.1f}" y="89" width="4.4" height="3.6" fill="{INK}"/>'
    return g


def ship_royal_liner():
    return liner(GOLD, CREAM, RED)


def ship_corona_liner():
    return liner("#c9a227", "#f2dcc0", GOLD)


def ship_mail_sailer():
    return sailing_ship({"hull": (28, 94, 84), "masts": [(48, 30, "square", 2, 22), (70, 28, "gaff", 0, 18)],
                         "flag": "#e2b53a", "stripe": RED})


def ship_privateer_brig():
    return sailing_ship({"hull": (26, 96, 82), "ports": 4, "masts": [(46, 28, "square", 3, 24), (70, 26, "square", 3, 24)],
                         "flag": INK, "flags_all": True, "wood": "#4a3325", "sail": "#e5d6b8", "stripe": RED_L})


def ship_expedition_bark():
    g = sailing_ship({"hull": (22, 98, 80), "masts": [(40, 30, "gaff", 0, 16), (60, 24, "square", 3, 24),
                                                      (80, 28, "square", 3, 22)],
                      "flag": GREEN, "sail": "#efe2c4"})
    # crates on deck
    g += block(26, 72, 8, 8, GOLD) + block(35, 74, 7, 6, BEIGE)
    return g


def ship_cargo_steamer():
    g = steam_hull(18, 104, 80)
    g += block(64, 66, 22, 14, CREAM, 3) + funnel(56, 80, 26)
    g += thin_mast(34, 80, 44) + thin_mast(92, 80, 48)
    g += block(24, 72, 8, 8, GOLD) + block(33, 74, 9, 6, BEIGE) + block(40, 70, 8, 10, RED_L)
    return g


def ship_armoured_cruiser():
    g = steam_hull(16, 106, 82, "#4f545b")
    g += block(52, 70, 30, 12, "#c9c3b5", 4) + funnel(60, 70, 20, 8) + funnel(72, 70, 20, 8, smoke=False)
    g += turret(30, 80, -1) + turret(94, 80, 1)
    g += thin_mast(46, 70, 38, RED) + thin_mast(84, 70, 42)
    return g


def ship_battleship():
    g = steam_hull(12, 110, 82, "#474b52", low_bow=True)
    g += block(46, 66, 38, 16, "#b9b3a5", 4) + block(56, 56, 18, 10, "#c9c3b5", 2)
    g += funnel(60, 56, 16, 9) + funnel(72, 56, 16, 9, smoke=False)
    g += turret(26, 80, -1, 16) + turret(36, 74, -1, 12) + turret(96, 80, 1, 16) + turret(88, 74, 1, 12)
    g += thin_mast(66, 56, 28, RED)
    return g


def ship_oil_tanker():
    g = steam_hull(14, 108, 84, "#3d3936", RED)
    g += block(18, 66, 20, 18, CREAM, 2) + funnel(24, 66, 16, 8)
    g += (f'<path d="M42 80 L100 80" stroke="{INK}" stroke-width="2"/>'
          f'<path d="M44 84 L44 78 M56 84 L56 78 M68 84 L68 78 M80 84 L80 78 M92 84 L92 78" stroke="{INK}" stroke-width="1.6"/>')
    for cx in (50, 66, 82):
        g += (f'<ellipse cx="{cx}" cy="80" rx="7" ry="4" fill="{GOLD}" stroke="{INK}" stroke-width="1.6"/>')
    g += thin_mast(98, 84, 58)
    return g


def ship_monitor():
    g = (f'<path d="M18 88 L110 88 L104 {WL + 3} L24 {WL + 3} Z" fill="#4a4e55" stroke="{INK}" stroke-width="2.6" '
         f'stroke-linejoin="round"/>')
    g += (f'<path d="M54 88 L54 72 Q64 68 74 72 L74 88 Z" fill="{STEEL_L}" stroke="{INK}" stroke-width="2.2"/>'
          f'<path d="M72 77 L94 75 M72 83 L94 81" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>')
    g += funnel(44, 88, 14, 7) + thin_mast(64, 70, 44, RED)
    return g


def ship_passenger_steamer():
    g = steam_hull(14, 108, 82, INK, RED)
    g += block(26, 70, 68, 12, CREAM, 9) + block(34, 60, 50, 10, CREAM, 6)
    g += funnel(50, 60, 20, 9) + funnel(66, 60, 20, 9, smoke=False) + thin_mast(88, 60, 40) + thin_mast(26, 70, 46)
    return g


def ship_icebreaker():
    g = steam_hull(20, 104, 80, RED, INK)
    g += f'<path d="M96 80 L104 75 L98 {WL + 3}" fill="{STEEL_L}" stroke="{INK}" stroke-width="2"/>'
    g += block(40, 62, 30, 18, CREAM, 3) + funnel(56, 62, 18, 11) + thin_mast(80, 80, 48)
    # ice floes
    g += (f'<path d="M100 98 L110 95 L118 99 L110 103 Z M6 99 L16 96 L22 100 L12 103 Z" fill="#eef4f5" '
          f'stroke="{INK}" stroke-width="1.4" stroke-linejoin="round"/>')
    return g


def ship_torpedo_boat():
    g = steam_hull(22, 106, 86, "#5c6168", RED, low_bow=True)
    g += block(62, 76, 16, 10, "#c9c3b5", 2) + funnel(50, 86, 18, 7) + funnel(40, 86, 16, 7, smoke=False)
    g += (f'<path d="M86 84 L100 84" stroke="{INK}" stroke-width="3.4" stroke-linecap="round"/>'
          f'<path d="M26 84 L34 84" stroke="{INK}" stroke-width="3.4" stroke-linecap="round"/>')
    g += thin_mast(72, 76, 52, RED)
    return g


def ship_mail_steamer():
    g = steam_hull(18, 104, 82, "#2f3a45", GOLD)
    g += paddle_box(60, 82, 12) + block(38, 70, 14, 12, CREAM, 2) + block(72, 70, 14, 12, CREAM, 2)
    g += funnel(62, 70, 22, 8) + thin_mast(30, 82, 42) + thin_mast(92, 82, 46, "#e2b53a")
    g += gaff_sail(30, 82, 42, 10) 
    return g


def ship_expedition_steamer():
    g = steam_hull(20, 102, 82, "#3f5a4a", GOLD)
    g += block(54, 68, 24, 14, CREAM, 3) + funnel(64, 68, 20, 8)
    g += thin_mast(36, 82, 36, GREEN) + square_sails(36, 82, 36, 2, 20) + thin_mast(88, 82, 44)
    g += block(26, 76, 7, 6, GOLD) + block(84, 76, 7, 6, BEIGE)
    return g


SHIPS = {
    "icon_ship_schooner": ship_schooner,
    "icon_ship_gunboat": ship_gunboat,
    "icon_ship_merchant": ship_merchant,
    "icon_ship_clipper": ship_clipper,
    "icon_ship_frigate": ship_frigate,
    "icon_ship_flagship": ship_flagship,
    "icon_ship_royal_liner": ship_royal_liner,
    "icon_ship_corona_liner": ship_corona_liner,
    "icon_ship_mail_sailer": ship_mail_sailer,
    "icon_ship_privateer_brig": ship_privateer_brig,
    "icon_ship_expedition_bark": ship_expedition_bark,
    "icon_ship_cargo_steamer": ship_cargo_steamer,
    "icon_ship_armoured_cruiser": ship_armoured_cruiser,
    "icon_ship_battleship": ship_battleship,
    "icon_ship_oil_tanker": ship_oil_tanker,
    "icon_ship_monitor": ship_monitor,
    "icon_ship_passenger_steamer": ship_passenger_steamer,
    "icon_ship_icebreaker": ship_icebreaker,
    "icon_ship_torpedo_boat": ship_torpedo_boat,
    "icon_ship_mail_steamer": ship_mail_steamer,
    "icon_ship_expedition_steamer": ship_expedition_steamer,
}


def index_icons():
    """Icon names of the ship index with their engine; a name without its own drawing gets a stand-in."""
    root = ET.parse(os.path.join(ROOT, "data", "XMLA", "ShipShort.xml")).getroot()
    icons = {}
    for ship in root.iter("Ship"):
        icons.setdefault(ship.get("Icon"), ship.get("Engine"))
    return icons


def ship_pictures():
    for name, engine in index_icons().items():
        draw = SHIPS.get(name) or (ship_cargo_steamer if engine == "Steam" else ship_merchant)
        body = draw()
        svg(name, 128, 128, tile_back() + body + tile_front(), tile_defs())
        svg(name + "_star", 128, 128, tile_back() + body + tile_front() + star_badge(), tile_defs())
        # The build menu shows activated new ships in a gold-rimmed evening tile with a small star.
        svg(name, 128, 128, tile_back() + body + tile_front(GOLD_D, GOLD) + star_badge(22, 22, 13),
            tile_defs("#fdebd3", "#e7b98d"), folder="newships")


# ---------------------------------------------------------------- medallions and symbols (64 units)
def medallion(fill=PARCH, rim=RED):
    return (f'<circle cx="32" cy="32" r="28.5" fill="{fill}" stroke="{rim}" stroke-width="5"/>'
            f'<circle cx="32" cy="32" r="24" fill="none" stroke="{GOLD}" stroke-width="1.2"/>')


def sail_symbol(x=32, y=32, s=1.0, colour=CREAM):
    return (f'<g transform="translate({x} {y}) scale({s})">'
            f'<path d="M-2 -20 L-2 14" stroke="{INK}" stroke-width="2.6" stroke-linecap="round"/>'
            f'<path d="M1 -18 Q15 -4 12 10 L1 10 Z" fill="{colour}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M-5 -14 Q-15 -2 -13 10 L-5 10 Z" fill="{colour}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M-16 14 L16 14 L11 21 L-12 21 Z" fill="{WOOD}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'</g>')


def steam_symbol(x=32, y=32, s=1.0):
    return (f'<g transform="translate({x} {y}) scale({s})">'
            f'<g fill="#d8cfbf" stroke="{GREY}" stroke-width="1.3"><circle cx="-4" cy="-17" r="6"/>'
            f'<circle cx="-13" cy="-21" r="4.5"/><circle cx="5" cy="-21" r="3.5"/></g>'
            f'<path d="M-6 8 L-4 -11 L7 -11 L9 8 Z" fill="{RED}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M-4.4 -7 L7.4 -7" stroke="{INK}" stroke-width="3.6"/>'
            f'<path d="M-18 8 L19 8 L13 20 L-13 20 Z" fill="{STEEL}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'</g>')


def anchor_symbol(x=32, y=32, s=1.0, colour=STEEL_L):
    return (f'<g transform="translate({x} {y}) scale({s})" fill="none" stroke="{INK}" stroke-linecap="round">'
            f'<path d="M0 -14 L0 18 M-16 6 Q-14 18 0 18 Q14 18 16 6 M-8 -8 L8 -8" stroke-width="7"/>'
            f'<circle cx="0" cy="-18" r="4.5" stroke-width="6"/>'
            f'<path d="M0 -14 L0 18 M-16 6 Q-14 18 0 18 Q14 18 16 6 M-8 -8 L8 -8" stroke="{colour}" stroke-width="3.4"/>'
            f'<circle cx="0" cy="-18" r="4.5" stroke="{colour}" stroke-width="2.6"/>'
            f'</g>')


def categories():
    svg("ShipTypeSail", 64, 64, medallion() + sail_symbol(32, 30, 0.95))
    svg("ShipTypeSteam", 64, 64, medallion() + steam_symbol(32, 31, 0.95))
    svg("ShipTypeExtra", 64, 64, medallion() + anchor_symbol(32, 33, 0.9))
    svg("ShipTypeNew", 64, 64, medallion(fill="#f8e7b8") + sail_symbol(30, 32, 0.85)
        + f'<path d="{star_path(45, 19, 10)}" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="1.6" stroke-linejoin="round"/>')


def status_pictures():
    svg("Frage", 64, 64, medallion() + text("?", 32, 47, 40, RED, "middle", 1.2))
    svg("Info", 64, 64, medallion(rim="#2f5a68") + text("i", 32, 48, 42, "#2f5a68", "middle", 1.4))
    ja = (f'<circle cx="32" cy="32" r="28" fill="{GREEN}" stroke="{INK}" stroke-width="3"/>'
          f'<circle cx="32" cy="32" r="23.5" fill="none" stroke="{GREEN_L}" stroke-width="1.6"/>'
          f'<path d="M18 33 L28 43 L47 21" fill="none" stroke="{CREAM}" stroke-width="7" stroke-linecap="round" '
          f'stroke-linejoin="round"/>')
    nein = (f'<circle cx="32" cy="32" r="28" fill="{RED}" stroke="{INK}" stroke-width="3"/>'
            f'<circle cx="32" cy="32" r="23.5" fill="none" stroke="{RED_L}" stroke-width="1.6"/>'
            f'<path d="M21 21 L43 43 M43 21 L21 43" stroke="{CREAM}" stroke-width="7" stroke-linecap="round"/>')
    ja_rel = svg("ja", 64, 64, ja)
    nein_rel = svg("nein", 64, 64, nein)
    alias("DeleteYardYes", ja_rel)
    alias("DeleteYardNo", nein_rel)
    # OnBuild: the hammer that marks a ship on a yard's build list.
    svg("OnBuild", 32, 32,
        f'<rect x="2" y="2" width="28" height="28" rx="6" fill="{PARCH}" stroke="{GREEN}" stroke-width="3"/>'
        f'<path d="M11 25 L20 13" stroke="{INK}" stroke-width="5.5" stroke-linecap="round"/>'
        f'<path d="M11 25 L20 13" stroke="{WOOD}" stroke-width="3" stroke-linecap="round"/>'
        f'<path d="M14 10 L21 5 L28 13 L23 17 Z" fill="{STEEL_L}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    star = f'<path d="{star_path(32, 34, 29)}" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="3" stroke-linejoin="round"/>'
    star += f'<path d="{star_path(32, 34, 16)}" fill="#f4d36b" opacity="0.8"/>'
    svg("Stern", 64, 64, star)
    # Exported: the activation seal, the same star badge the activated ships carry.
    svg("Exported", 64, 64,
        f'<circle cx="32" cy="32" r="28" fill="{RED}" stroke="{CREAM}" stroke-width="3"/>'
        f'<circle cx="32" cy="32" r="29.5" fill="none" stroke="{INK}" stroke-width="1.5"/>'
        f'<path d="{star_path(32, 34, 22)}" fill="{GOLD}" stroke="{GOLD_D}" stroke-width="2.4" stroke-linejoin="round"/>')
    svg("ChangeDot", 16, 16,
        f'<circle cx="8" cy="8" r="6" fill="#d2561f" stroke="{INK}" stroke-width="1.6"/>'
        f'<circle cx="6.3" cy="6.2" r="1.8" fill="{CREAM}" opacity="0.8"/>')
    sep = ('<linearGradient id="sep" x1="0" y1="0" x2="1" y2="0">'
           f'<stop offset="0" stop-color="{RED}" stop-opacity="0"/><stop offset="0.15" stop-color="{RED}"/>'
           f'<stop offset="0.85" stop-color="{RED}"/><stop offset="1" stop-color="{RED}" stop-opacity="0"/>'
           '</linearGradient>')
    svg("Separator", 245, 6, '<rect x="0" y="2" width="245" height="2" fill="url(#sep)"/>', sep)


def ship_tiles_plain():
    svg("Fragezeichen128", 128, 128, tile_back() + tile_front() + text("?", 64, 92, 84, RED, "middle", 2.0),
        tile_defs())
    svg("BlankEdged", 128, 128, tile_back() + tile_front(), tile_defs())


# ---------------------------------------------------------------- products (64 units, on the picker tile)
def products():
    P = {}
    P["icon_resource_money_4_0"] = "".join(
        f'<ellipse cx="{cx}" cy="{cy}" rx="13" ry="5" fill="{GOLD}" stroke="{INK}" stroke-width="2"/>'
        f'<path d="M{cx - 13} {cy} L{cx - 13} {cy + 4} Q{cx} {cy + 10} {cx + 13} {cy + 4} L{cx + 13} {cy}" fill="{GOLD_D}" stroke="{INK}" stroke-width="2"/>'
        for cx, cy in ((22, 46), (22, 40), (22, 34), (42, 46), (42, 40))) + (
        f'<circle cx="40" cy="22" r="13" fill="{GOLD}" stroke="{INK}" stroke-width="2.2"/>'
        f'<circle cx="40" cy="22" r="8.5" fill="none" stroke="{GOLD_D}" stroke-width="1.6"/>')

    def logs(col, ring, band=None):
        g = ""
        for cx, cy in ((16, 44), (36, 44), (26, 27), (46, 27)):
            g += (f'<path d="M{cx} {cy - 9} L{cx + 12} {cy - 9} L{cx + 12} {cy + 9} L{cx} {cy + 9} Z" fill="{col}" '
                  f'stroke="{INK}" stroke-width="2"/>'
                  f'<ellipse cx="{cx}" cy="{cy}" rx="7" ry="9" fill="{ring}" stroke="{INK}" stroke-width="2"/>'
                  f'<ellipse cx="{cx}" cy="{cy}" rx="3" ry="4.2" fill="none" stroke="{col}" stroke-width="1.4"/>')
        if band:
            g += f'<path d="M10 40 L58 22" stroke="{band}" stroke-width="3.5"/>'
        return g

    P["icon_wood_log_0"] = logs(WOOD, "#e5c48a")
    P["icon_wansa_wood_0"] = logs("#9a3f24", "#e8a677", GOLD)
    P["icon_wooden_planks_0"] = "".join(
        f'<path d="M{8 + o} {y} L{50 + o} {y - 8} L{56 + o} {y - 3} L{14 + o} {y + 5} Z" fill="{c}" stroke="{INK}" '
        f'stroke-width="2" stroke-linejoin="round"/>'
        for o, y, c in ((0, 50, WOOD), (0, 41, "#b07a45"), (0, 32, WOOD), (0, 23, "#b07a45")))
    P["icon_sail_0"] = (f'<path d="M12 10 L12 52" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
                        f'<path d="M15 12 Q46 18 52 48 L15 48 Z" fill="{CREAM}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>'
                        f'<path d="M15 30 Q36 32 44 36" fill="none" stroke="{BEIGE}" stroke-width="2"/>')
    P["icon_linen_fabric_0"] = (
        f'<path d="M10 22 L40 14 L54 28 L24 36 Z" fill="#d9d2bf" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M10 22 L24 36 L24 52 L10 38 Z" fill="#b9ae94" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M24 36 L54 28 L54 44 L24 52 Z" fill="#e8e2d0" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
        f'<path d="M30 40 L50 35 M30 46 L50 41" stroke="#b9ae94" stroke-width="1.6"/>')
    P["icon_beams_0"] = "".join(
        f'<path d="M{6} {y} L{54} {y - 10} M{6} {y + 9} L{54} {y - 1}" stroke="{INK}" stroke-width="5" stroke-linecap="round"/>'
        f'<path d="M{6} {y} L{54} {y - 10} M{6} {y + 9} L{54} {y - 1}" stroke="{STEEL_L}" stroke-width="2.4" stroke-linecap="round"/>'
        f'<path d="M{8} {y + 4.5} L{52} {y - 5.5}" stroke="{STEEL}" stroke-width="4"/>'
        for y in (26, 44))
    P["icon_weapons_0"] = (
        f'<path d="M10 34 L46 20 L50 28 L14 44 Z" fill="{STEEL}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>'
        f'<path d="M44 18 L52 16 L55 29 L49 31 Z" fill="{STEEL_L}" stroke="{INK}" stroke-width="2"/>'
        f'<path d="M14 46 L42 46 L38 52 L18 52 Z" fill="{WOOD}" stroke="{INK}" stroke-width="2"/>'
        f'<circle cx="22" cy="47" r="7" fill="{WOOD_D}" stroke="{INK}" stroke-width="2"/>'
        f'<circle cx="22" cy="47" r="2" fill="{INK}"/>')
    P["icon_advanced_weaponry_0"] = (
        f'<path d="M8 40 L8 28 L40 24 L40 44 Z" fill="{STEEL}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>'
        f'<path d="M40 30 L58 28 L58 36 L40 38 Z" fill="{STEEL_L}" stroke="{INK}" stroke-width="2"/>'
        f'<path d="M6 44 L44 44 L44 52 L6 52 Z" fill="{STEEL_L}" stroke="{INK}" stroke-width="2"/>'
        f'<path d="M18 8 L24 8 L26 14 L26 22 L16 22 L16 14 Z" fill="{GOLD}" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>'
        f'<path d="M30 10 L36 10 L38 16 L38 22 L28 22 L28 16 Z" fill="{GOLD}" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>')
    P["icon_steam_machine_0"] = (
        f'<circle cx="42" cy="36" r="15" fill="none" stroke="{INK}" stroke-width="5"/>'
        f'<circle cx="42" cy="36" r="15" fill="none" stroke="{STEEL_L}" stroke-width="2.4"/>'
        f'<path d="M42 21 L42 51 M27 36 L57 36" stroke="{INK}" stroke-width="2"/>'
        f'<rect x="6" y="24" width="22" height="26" rx="4" fill="{GREEN}" stroke="{INK}" stroke-width="2.2"/>'
        f'<path d="M28 37 L42 36" stroke="{INK}" stroke-width="3"/>'
        f'<rect x="12" y="14" width="8" height="10" fill="{GOLD}" stroke="{INK}" stroke-width="2"/>'
        f'<circle cx="42" cy="36" r="3.5" fill="{GOLD}" stroke="{INK}" stroke-width="1.6"/>')

    def ingots(col, top, shade):
        g = ""
        for x, y in ((8, 40), (30, 40), (19, 26)):
            g += (f'<path d="M{x} {y + 12} L{x + 4} {y} L{x + 22} {y} L{x + 26} {y + 12} Z" fill="{shade}" '
                  f'stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
                  f'<path d="M{x + 6} {y + 2} L{x + 20} {y + 2}" stroke="{top}" stroke-width="2.6" stroke-linecap="round"/>')
        return g

    P["icon_steel_0"] = ingots(STEEL, "#c6cbd0", STEEL)
    P["icon_brass_0"] = ingots("#b8893b", "#f0cf7a", "#b8893b")
    P["icon_gold_0"] = ingots(GOLD, "#fbe59a", GOLD)
    P["icon_cross_0"] = (f'<path d="M14 14 L50 50 M50 14 L14 50" stroke="{INK}" stroke-width="12" stroke-linecap="round"/>'
                         f'<path d="M14 14 L50 50 M50 14 L14 50" stroke="#c0392b" stroke-width="7.5" stroke-linecap="round"/>')
    for name, body in P.items():
        svg(name, 64, 64, body)
    svg("NoProduct", 64, 64,
        f'<circle cx="32" cy="32" r="22" fill="{PARCH}" stroke="{GREY}" stroke-width="2.5" stroke-dasharray="5 4"/>'
        f'<path d="M24 32 L40 32" stroke="{GREY}" stroke-width="3" stroke-linecap="round"/>')
    svg("ProductShape", 60, 60,
        f'<rect x="1.5" y="1.5" width="57" height="57" rx="8" fill="{PARCH}" stroke="{RED}" stroke-width="3"/>'
        f'<rect x="5" y="5" width="50" height="50" rx="5" fill="none" stroke="{GOLD}" stroke-width="1.2"/>')


# ---------------------------------------------------------------- regions, yards, population
def region_symbol(code, grey=False):
    c = (lambda col: "#a8a39a" if grey else col)
    if code == "AW":  # a tower under a grey sky: the old world
        return (f'<path d="M22 44 L22 24 L26 24 L26 20 L30 20 L30 24 L34 24 L34 20 L38 20 L38 24 L42 24 L42 44 Z" '
                f'fill="{c("#b9a58a")}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
                f'<path d="M29 44 L29 35 Q32 31 35 35 L35 44" fill="{c(WOOD_D)}" stroke="{INK}" stroke-width="1.6"/>'
                f'<path d="M32 20 L32 10 L41 13 L32 16" fill="{c(RED)}" stroke="{INK}" stroke-width="1.6" stroke-linejoin="round"/>')
    if code == "NW":  # a palm on an island
        return (f'<path d="M14 44 Q32 36 50 44 Z" fill="{c("#e2c27e")}" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M33 42 Q31 30 34 18" fill="none" stroke="{INK}" stroke-width="4.5" stroke-linecap="round"/>'
                f'<path d="M33 42 Q31 30 34 18" fill="none" stroke="{c(WOOD)}" stroke-width="2.2" stroke-linecap="round"/>'
                f'<path d="M34 18 Q24 12 16 20 Q26 16 34 18 Q30 8 40 6 Q36 12 34 18 Q44 10 50 18 Q42 15 34 18 Q44 20 46 28 Q40 21 34 18 Z" '
                f'fill="{c(GREEN_L)}" stroke="{INK}" stroke-width="1.8" stroke-linejoin="round"/>')
    # EN: dunes under a big sun
    return (f'<circle cx="38" cy="24" r="9" fill="{c("#f0b53a")}" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M12 44 Q22 30 34 38 Q42 32 52 44 Z" fill="{c("#d9964a")}" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>'
            f'<path d="M20 44 Q30 36 40 44" fill="none" stroke="{c("#b8763a")}" stroke-width="1.8"/>')


def regions():
    for code, name in (("AW", "AW"), ("NW", "NW"), ("EN", "EN")):
        base = lambda grey: (f'<circle cx="32" cy="32" r="28.5" fill="{"#e4dccd" if grey else PARCH}" '
                             f'stroke="{"#8f887e" if grey else RED}" stroke-width="5"/>'
                             + f'<g transform="translate(0 -3)">{region_symbol(code, grey)}</g>'
                             + text(name, 32, 55, 12, "#8f887e" if grey else INK, "middle", 0.6))
        svg("Region" + code, 64, 64, base(False))
        svg("In" + code + "ShipYard", 64, 64, base(False)
            + f'<circle cx="51" cy="13" r="10" fill="{GREEN}" stroke="{CREAM}" stroke-width="2"/>'
            + f'<path d="M46 13 L50 17 L56 9" fill="none" stroke="{CREAM}" stroke-width="3" stroke-linecap="round" stroke-linejoin="round"/>')
        svg("NotIn" + code + "ShipYard", 64, 64, base(True))


def yard_picture(engine):
    """The yard as a tile: a slipway crane over a ship on the stocks."""
    crane_col = WOOD if engine == "Sail" else STEEL
    g = tile_back()
    g += (f'<path d="M18 96 L30 30 M30 30 L46 96 M22 74 L40 74 M25 56 L36 56" stroke="{INK}" stroke-width="5" '
          f'stroke-linecap="round" fill="none"/>'
          f'<path d="M18 96 L30 30 M30 30 L46 96 M22 74 L40 74 M25 56 L36 56" stroke="{crane_col}" stroke-width="2.4" '
          f'stroke-linecap="round" fill="none"/>'
          f'<path d="M30 30 L84 26" stroke="{INK}" stroke-width="4" stroke-linecap="round"/>'
          f'<path d="M78 27 L78 52" stroke="{INK}" stroke-width="1.4"/>'
          f'<rect x="73" y="52" width="10" height="6" fill="{GOLD}" stroke="{INK}" stroke-width="1.6"/>')
    if engine == "Sail":
        g += sailing_ship({"hull": (40, 104, 84), "jib": False,
                           "masts": [(62, 44, "square", 2, 22), (84, 40, "square", 2, 20)], "flag": RED})
    else:
        g += steam_hull(40, 108, 82) + block(70, 68, 20, 14, CREAM, 2) + funnel(62, 82, 22, 9)
    g += (f'<path d="M36 100 L112 100" stroke="{INK}" stroke-width="3"/>'
          f'<path d="M44 100 L44 92 M60 100 L60 92 M76 100 L76 92 M92 100 L92 92" stroke="{WOOD_D}" stroke-width="3"/>')
    return g + tile_front()


def yards():
    svg("Segelschiff128", 128, 128, yard_picture("Sail"), tile_defs())
    svg("Dampfschiff128", 128, 128, yard_picture("Steam"), tile_defs())
    for engine in ("Sail", "Steam"):
        emblem = sail_symbol(0, 0, 0.8) if engine == "Sail" else steam_symbol(0, 0, 0.8)
        body = (f'<rect x="2" y="2" width="236" height="60" rx="10" fill="url(#head)" stroke="{GOLD}" stroke-width="3"/>'
                f'<rect x="7" y="7" width="226" height="50" rx="7" fill="none" stroke="{INK}" stroke-width="1.2" opacity="0.6"/>'
                f'<circle cx="32" cy="32" r="21" fill="{PARCH}" stroke="{GOLD}" stroke-width="2.4"/>'
                f'<circle cx="208" cy="32" r="21" fill="{PARCH}" stroke="{GOLD}" stroke-width="2.4"/>'
                f'<g transform="translate(32 33)">{emblem}</g><g transform="translate(208 33)">{emblem}</g>')
        svg("ShipYardHead" + engine, 240, 64, body, lin("head", RED_L, RED))
    # The drawn build menu: 18 places of 56 x 55, three across, six down, starting at (10, 10).
    places = "".join(
        f'<rect x="{10 + c * 56 + 1.5}" y="{10 + r * 55 + 1.5}" width="53" height="52" rx="5" fill="url(#slot)" '
        f'stroke="{GOLD_D}" stroke-width="1.6"/>'
        for r in range(6) for c in range(3))
    svg("ShipYardBlank", 188, 350,
        f'<rect x="1.5" y="1.5" width="185" height="347" rx="10" fill="#4a2a1c" stroke="{GOLD}" stroke-width="3"/>'
        + places, lin("slot", "#e9d6ad", "#cdb07a"))
    # Sail-weaving factory: a hall with a sail on its roof and a bolt of cloth.
    factory = (f'<rect x="4" y="4" width="120" height="120" rx="16" fill="url(#sky)"/>'
               f'<path d="M16 100 L16 60 L44 44 L44 60 L72 44 L72 60 L100 44 L100 100 Z" fill="#d9964a" stroke="{INK}" '
               f'stroke-width="3" stroke-linejoin="round"/>'
               f'<rect x="28" y="74" width="14" height="26" fill="{WOOD_D}" stroke="{INK}" stroke-width="2"/>'
               f'<rect x="58" y="72" width="26" height="12" fill="{CREAM}" stroke="{INK}" stroke-width="2"/>'
               f'<path d="M104 100 L104 34" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>'
               f'<path d="M106 36 Q124 52 118 74 L106 74 Z" fill="{CREAM}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>'
               f'<path d="M4 100 L124 100 L124 108 Q124 124 108 124 L20 124 Q4 124 4 108 Z" fill="#e2c27e"/>'
               f'<rect x="4" y="4" width="120" height="120" rx="16" fill="none" stroke="{RED}" stroke-width="6"/>'
               f'<rect x="8.5" y="8.5" width="111" height="111" rx="12" fill="none" stroke="{GOLD}" stroke-width="1.4"/>')
    svg("Segelweberei", 128, 128, factory, lin("sky", "#fbf3de", "#f0c98a"))


POPULATION = [
    # name, backdrop, skin, hat drawing, clothes
    ("Arbeiter", "#9fb4c0", "#e8b98e", "cap", "#6b4a32"),
    ("Handwerker", "#9fb4c0", "#e3b189", "beret", "#4e6b3a"),
    ("Ingenieure", "#9fb4c0", "#e8b98e", "bowler", "#34506b"),
    ("Investoren", "#9fb4c0", "#ecc39c", "tophat", "#2b2b33"),
    ("Jorlaneros", "#a9c28a", "#c98e5e", "sombrero", "#c9c2a8"),
    ("Obreros", "#a9c28a", "#c98e5e", "cap_nw", "#c2662e"),
    ("Hirten", "#e2bf7e", "#9a6238", "wrap", "#e4d8be"),
    ("Aelteste", "#e2bf7e", "#93592f", "elder", "#7a2318"),
]


def hat(kind):
    if kind == "cap":
        return (f'<path d="M19 22 Q32 10 45 22 L50 24 L19 24 Z" fill="#5d4a3a" stroke="{INK}" stroke-width="2" stroke-linejoin="round"/>')
    if kind == "beret":
        return (f'<path d="M17 22 Q20 10 34 11 Q48 12 46 22 Z" fill="#7a2318" stroke="{INK}" stroke-width="2"/>')
    if kind == "bowler":
        return (f'<path d="M21 21 Q21 8 32 8 Q43 8 43 21 Z" fill="{INK}"/>'
                f'<path d="M16 22 L48 22" stroke="{INK}" stroke-width="3.5" stroke-linecap="round"/>'
                f'<rect x="22" y="23" width="20" height="4" rx="2" fill="#c9a227" stroke="{INK}" stroke-width="1"/>')
    if kind == "tophat":
        return (f'<rect x="22" y="3" width="20" height="18" fill="#1f1f24" stroke="{INK}" stroke-width="1.6"/>'
                f'<rect x="22" y="15" width="20" height="3.5" fill="{RED}"/>'
                f'<path d="M15 21 L49 21" stroke="{INK}" stroke-width="3.5" stroke-linecap="round"/>')
    if kind == "sombrero":
        return (f'<path d="M6 23 Q32 14 58 23 Q32 28 6 23 Z" fill="#e6c96a" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M23 21 Q24 8 32 8 Q40 8 41 21 Z" fill="#e6c96a" stroke="{INK}" stroke-width="2"/>')
    if kind == "cap_nw":
        return (f'<path d="M20 22 Q32 9 44 22 Z" fill="#3f6a9a" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M38 21 L52 23" stroke="{INK}" stroke-width="3" stroke-linecap="round"/>')
    if kind == "wrap":
        return (f'<path d="M18 24 Q18 8 32 8 Q46 8 46 24 Q32 18 18 24 Z" fill="#e9e1cf" stroke="{INK}" stroke-width="2"/>'
                f'<path d="M20 18 Q32 13 44 18" fill="none" stroke="#c9b896" stroke-width="1.6"/>')
    return (f'<path d="M17 25 Q16 7 32 7 Q48 7 47 25 Q32 17 17 25 Z" fill="#c9a227" stroke="{INK}" stroke-width="2"/>'
            f'<path d="M24 38 Q32 52 40 38 Q36 43 32 43 Q28 43 24 38 Z" fill="#f4f0e6" stroke="{INK}" stroke-width="1.5"/>')


def population():
    rels = {}
    for name, back, skin, kind, clothes in POPULATION:
        body = (f'<rect x="2" y="2" width="60" height="60" rx="9" fill="{back}" stroke="{RED}" stroke-width="3"/>'
                f'<path d="M10 62 Q10 44 32 44 Q54 44 54 62 Z" fill="{clothes}" stroke="{INK}" stroke-width="2.2" stroke-linejoin="round"/>'
                f'<circle cx="32" cy="29" r="12" fill="{skin}" stroke="{INK}" stroke-width="2.2"/>'
                f'<circle cx="27.5" cy="29" r="1.5" fill="{INK}"/><circle cx="36.5" cy="29" r="1.5" fill="{INK}"/>'
                + hat(kind)
                + f'<rect x="2" y="2" width="60" height="60" rx="9" fill="none" stroke="{RED}" stroke-width="3"/>')
        rels[name] = svg(name, 64, 64, body)
    # The comparison window names two of them in the singular.
    alias("Jorlanero", rels["Jorlaneros"])
    alias("Obrero", rels["Obreros"])


def small_controls():
    svg("Sail", 32, 32, f'<g transform="translate(16 15) scale(0.62)">{sail_symbol(0, 0)}</g>')
    svg("Steam", 32, 32, f'<g transform="translate(16 17) scale(0.64)">{steam_symbol(0, 0)}</g>')
    for colour, name in ((WOOD, "Brown"), (GREEN, "Green")):
        light = "#c98f5a" if name == "Brown" else GREEN_L
        btn = (f'<rect x="1.5" y="1.5" width="25" height="25" rx="5" fill="{colour}" stroke="{INK}" stroke-width="2"/>'
               f'<rect x="4" y="4" width="20" height="8" rx="3" fill="{light}" opacity="0.5"/>')
        svg(name + "Arrow", 28, 28, btn + f'<path d="M9 8 L20 14 L9 20 Z" fill="{CREAM}" stroke="{INK}" stroke-width="1.4" '
                                         f'stroke-linejoin="round"/>')
        svg(name + "List", 28, 28, btn + f'<path d="M8 9 L20 9 M8 14 L20 14 M8 19 L20 19" stroke="{CREAM}" '
                                         f'stroke-width="2.6" stroke-linecap="round"/>')


PANELS = [("Base", "Basisdaten", 165), ("Cost", "Baukosten", 165), ("Weapon", "Waffen", 107),
          ("Detail", "Details", 107), ("Expedition", "Expedition", 107)]


def panel_buttons():
    for key, caption, w in PANELS:
        for state in ("1", "2"):
            changed = state == "1"
            fill = "url(#gold)" if changed else "url(#red)"
            ink = INK if changed else CREAM
            body = (f'<rect x="1" y="1" width="{w - 2}" height="26" rx="6" fill="{fill}" stroke="{INK}" stroke-width="2"/>'
                    f'<rect x="3.5" y="3.5" width="{w - 7}" height="21" rx="4" fill="none" '
                    f'stroke="{RED if changed else GOLD}" stroke-width="1" opacity="0.8"/>')
            tx = w / 2 + (5 if changed else 0)
            body += text(caption, tx, 19.5, 15, ink, "middle", 0.35)
            if changed:
                body += (f'<circle cx="13" cy="14" r="5" fill="#d2561f" stroke="{INK}" stroke-width="1.4"/>')
            svg(key + state, w, 28, body, lin("gold", "#f2cf6b", "#cf9527") + lin("red", RED_L, RED))


def backgrounds():
    def paper(w, h, rose=True):
        g = (f'<rect width="{w}" height="{h}" fill="#ecd2a4"/>'
             f'<rect width="{w}" height="{h}" fill="url(#vig)"/>'
             f'<rect x="4" y="4" width="{w - 8}" height="{h - 8}" fill="none" stroke="{RED}" stroke-width="3" opacity="0.55"/>')
        if rose:
            cx, cy, r = w - 150, h - 140, 110
            pts = " ".join(f"M{cx} {cy} L{cx + r * math.cos(a):.0f} {cy + r * math.sin(a):.0f}"
                           for a in [i * math.pi / 8 for i in range(16)])
            g += (f'<g opacity="0.10" fill="none" stroke="{RED}" stroke-width="2">'
                  f'<circle cx="{cx}" cy="{cy}" r="{r}"/><circle cx="{cx}" cy="{cy}" r="{r * 0.7:.0f}"/>'
                  f'<path d="{pts}"/>'
                  f'<path d="{star_path(cx, cy, r * 0.9, 0.18, 4)}" fill="{RED}"/></g>')
        return g
    vig = ('<radialGradient id="vig" cx="0.5" cy="0.45" r="0.75">'
           '<stop offset="0.6" stop-color="#ecd2a4" stop-opacity="0"/>'
           '<stop offset="1" stop-color="#b98d55" stop-opacity="0.35"/></radialGradient>')
    svg("MainBackground", 1278, 755, paper(1278, 755), vig)
    svg("YardBackground", 1104, 742, paper(1104, 742), vig)
    svg("ShortCutBackground", 1278, 755, paper(1278, 755, False), vig)


def qrc():
    lines = ['<RCC>', '  <qresource prefix="/images">']
    for a, rel in sorted(written, key=lambda t: t[0].lower()):
        lines.append(f'    <file alias="{a}">{rel}</file>')
    lines += ['  </qresource>', '</RCC>', '']
    with open(os.path.join(HERE, "images.qrc"), "w", encoding="utf-8") as f:
        f.write("\n".join(lines))


def main():
    ship_pictures()
    ship_tiles_plain()
    categories()
    status_pictures()
    products()
    regions()
    yards()
    population()
    small_controls()
    panel_buttons()
    backgrounds()
    qrc()
    print(f"{len(written)} pictures", file=sys.stderr)


if __name__ == "__main__":
    main()
