#!/usr/bin/python3
"""Draws the program's own icon in the picture collection's style and renders the sizes the desktop
needs. A frigate on the ship tile, with a drafting compass on a parchment medallion: a ship being
designed. Needs what ../images/render.sh needs (python3-fonttools, rsvg-convert).

    data/icons/make_icon.py   writes <id>.svg and hicolor/<n>x<n>/<id>.png for n = 48, 64, 128, 256
"""
import os
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(HERE, "..", "images"))
import gen_svgs as g  # noqa: E402

APP_ID = "de.spantora.MarvessaSpantora"
SIZES = (48, 64, 128, 256)


def compass_badge(cx=98, cy=30, r=24):
    hinge_y = cy - r * 0.62
    foot_y = cy + r * 0.62
    spread = r * 0.46
    legs = (f'M{cx} {hinge_y:.1f} L{cx - spread:.1f} {foot_y:.1f} '
            f'M{cx} {hinge_y:.1f} L{cx + spread:.1f} {foot_y:.1f}')
    return (f'<circle cx="{cx}" cy="{cy}" r="{r}" fill="{g.PARCH}" stroke="{g.RED}" stroke-width="4"/>'
            f'<circle cx="{cx}" cy="{cy}" r="{r - 4.5}" fill="none" stroke="{g.GOLD}" stroke-width="1.2"/>'
            f'<path d="{legs}" stroke="{g.INK}" stroke-width="6.5" stroke-linecap="round"/>'
            f'<path d="{legs}" stroke="{g.GOLD}" stroke-width="3.4" stroke-linecap="round"/>'
            f'<path d="M{cx} {hinge_y - 4:.1f} L{cx} {hinge_y:.1f}" stroke="{g.INK}" stroke-width="3.2" '
            f'stroke-linecap="round"/>'
            f'<circle cx="{cx}" cy="{hinge_y:.1f}" r="3.6" fill="{g.GOLD}" stroke="{g.INK}" stroke-width="1.8"/>')


def icon_svg():
    body = g.tile_back() + g.ship_frigate() + g.tile_front() + compass_badge()
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="128" height="128" viewBox="0 0 128 128">\n'
            f"<defs>{g.tile_defs()}</defs>\n{body}\n</svg>\n")


def main():
    source = os.path.join(HERE, APP_ID + ".svg")
    with open(source, "w", encoding="utf-8") as f:
        f.write(icon_svg())
    for n in SIZES:
        folder = os.path.join(HERE, "hicolor", f"{n}x{n}")
        os.makedirs(folder, exist_ok=True)
        subprocess.run(["rsvg-convert", "-w", str(n), "-h", str(n), "-o",
                        os.path.join(folder, APP_ID + ".png"), source], check=True)


if __name__ == "__main__":
    main()
