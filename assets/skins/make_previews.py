#!/usr/bin/env python3
"""Writes the pictures of docs/skins.md: every skin picture enlarged, and
"Lumen" laid out on the directory window's 563 x 262 size the way the frame
stretches it (corners kept, the uniform band and borders repeated), with a
caption and a "Graphite" tool button at 94 x 26 in three slices.

usage: make_previews.py <docs/skins folder>   (needs ImageMagick's convert)
"""

import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import graphite  # noqa: E402
import lumen  # noqa: E402
from paint import Picture, save_bmp  # noqa: E402

HERE = os.path.dirname(os.path.abspath(__file__))


def window_preview(path):
    frame = lumen.frame_picture()
    for name in lumen.ORDER:
        (l, t, r, b), _ = lumen.BUTTONS[name]
        lumen.draw_glyph(frame, name, l, t, r - l, b - t, lumen.GLYPH)
    w, h = 563, 262
    dx, dy = w - lumen.W, h - lumen.H
    out = Picture(w, h)
    for y in range(h):
        sy = y if y < 46 else (y - dy if y >= 107 + dy else 46 + (y - 46) % 61)
        for x in range(w):
            sx = x if x < 111 else (x - dx if x >= 136 + dx else 111 + (x - 111) % 25)
            if 13 <= x < 265 + dx and 46 <= y < 107 + dy:
                sx, sy = 13 + (x - 13) % 252, 46 + (y - 46) % 61
            out.px[y][x] = frame.px[sy][sx]
    # The hover image of the close button, as the mouse would show it.
    sheet, cells = lumen.button_sheet(lumen.frame_picture())
    cx, cy, cr, cb = cells[("closebutton", 0)]
    out.blit(sheet, cx, cy, cr - cx, cb - cy, 526, 11)
    # A tool button 94 wide: 5 fixed columns each side, the middle repeated.
    buttons = graphite.buttons_picture()
    for y in range(26):
        for x in range(94):
            sx = x if x < 5 else (20 + x - 89 if x >= 89 else 5 + (x - 5) % 15)
            out.px[215 + y][440 + x] = buttons.px[31 + y][55 + sx]
    save_bmp(out, path + ".bmp", 24)
    subprocess.run(["convert", path + ".bmp", "-font", "WenQuanYi-Zen-Hei", "-pointsize", "14", "-fill", "#1b3656",
                    "-annotate", "+51+32", "叫号程序安装", "-fill", "#ffffff", "-annotate", "+50+31", "叫号程序安装",
                    "-fill", "#000000", "-annotate", "+472+233", "下一步", path], check=True)
    os.remove(path + ".bmp")


def enlarged(folder, skin, name, out):
    subprocess.run(["convert", os.path.join(HERE, skin, name + ".bmp"), "-filter", "point", "-resize", "300%", out],
                   check=True)


def main():
    out = sys.argv[1]
    os.makedirs(out, exist_ok=True)
    window_preview(os.path.join(out, "lumen-window.png"))
    for name in ("frame", "framemask", "buttons", "popup", "menuitem", "hint", "menubar"):
        enlarged(out, "Lumen", name, os.path.join(out, "lumen-%s.png" % name))
    for name in ("buttons", "checkradio", "scroll", "panel", "edit", "progress", "tabs"):
        enlarged(out, "Graphite", name, os.path.join(out, "graphite-%s.png" % name))


if __name__ == "__main__":
    main()
