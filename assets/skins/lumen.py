"""The frame skin "Lumen": a steel-blue window frame with a light client
area, flat caption buttons that light up under the mouse, and the popup menu
and hint pictures that go with it.

Geometry the directory window relies on (picture 277 x 116): client area
13,46,265,107; frame corners 111,46 / 136,46 / 111,107 / 136,107; caption
46,16,136,35; buttons close 240,11,264,35, maximize 212,12,234,34, minimize
184,12,206,34, roll-up 26,18,43,35, system menu 6,18,23,35. The top band is
uniform across columns 111..136 and the side borders are uniform down rows
46..106, so the frame tiles cleanly to any window size.
"""

import os

from paint import (Picture, disc, hex_rgb, mix, polygon, round_frame, round_rect, save_bmp, segment)

W, H = 277, 116
CLIENT = (13, 46, 265, 107)

BORDER = hex_rgb("1b3656")
BAND_TOP = hex_rgb("8db3dc")
BAND_MID = hex_rgb("4f7fb4")
BAND_BOTTOM = hex_rgb("2f5e93")
BODY = hex_rgb("2f5e93")
CLIENT_LINE = hex_rgb("21456e")
CLIENT_FILL = hex_rgb("f2f5f9")
GLYPH = hex_rgb("f4f8fc")
GLYPH_INACTIVE = hex_rgb("a7bdd6")
CLOSE_RED = hex_rgb("d8453b")
CLOSE_RED_DOWN = hex_rgb("ab3028")

BUTTONS = {  # name: (rect in the main picture, command)
    "closebutton": ((240, 11, 264, 35), "cmclose"),
    "maximizebutton": ((212, 12, 234, 34), "cmmaximize"),
    "minimizebutton": ((184, 12, 206, 34), "cmminimize"),
    "rollupbutton": ((26, 18, 43, 35), "cmrollup"),
    "sysmenubutton": ((6, 18, 23, 35), "cmsysmenu"),
}
ORDER = ["closebutton", "maximizebutton", "minimizebutton", "rollupbutton", "sysmenubutton"]
CELL = 24  # cell pitch of the caption-button sheet (active picture 0)


def body_color(x, y):
    """Colour of the frame body at (x, y) before borders and client."""
    if y <= 44:
        t = max(0.0, (y - 1) / 43)
        return mix(BAND_TOP, BAND_MID, t / 0.55) if t < 0.55 else mix(BAND_MID, BAND_BOTTOM, (t - 0.55) / 0.45)
    return BODY


def frame_picture():
    pic = Picture(W, H, (255, 255, 255))
    round_rect(pic, 0, 0, W, H, 7, BORDER)
    round_rect(pic, 1, 1, W - 1, H - 1, 6, body_color)
    # A soft highlight just inside the outer edge, strongest along the top.
    round_frame(pic, 1, 1, W - 1, H - 1, 6, (255, 255, 255), 1.0, 0.18)
    for x in range(7, W - 7):
        pic.put(x, 1, (255, 255, 255), 0.25)
    l, t, r, b = CLIENT
    pic.fill(l - 1, t - 1, r + 1, b + 1, CLIENT_LINE)
    pic.fill(l, t, r, b, CLIENT_FILL)
    return pic


def mask_picture():
    pic = Picture(W, H, (255, 255, 255))
    # Black is inside the window; the rounded corners are left white.
    pic.shape(lambda x, y: _in_corner_shape(x, y), 0, 0, W, H, (0, 0, 0))
    return pic


def _in_corner_shape(x, y):
    r = 7
    cx = min(max(x, r), W - r)
    cy = min(max(y, r), H - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


# --- glyphs, drawn into a w x h box at (x, y) ---------------------------------

def glyph_close(pic, x, y, w, h, color):
    cx, cy, s = x + w / 2, y + h / 2, 4.6
    segment(pic, cx - s, cy - s, cx + s, cy + s, 1.7, color)
    segment(pic, cx - s, cy + s, cx + s, cy - s, 1.7, color)


def glyph_max(pic, x, y, w, h, color):
    cx, cy = x + w / 2, y + h / 2
    round_frame(pic, cx - 5, cy - 5, cx + 5, cy + 5, 1.2, color, 1.4)
    pic.shape(lambda sx, sy: cx - 5 <= sx < cx + 5 and cy - 5 <= sy < cy - 2.6, cx - 6, cy - 6, cx + 6, cy, color)


def glyph_restore(pic, x, y, w, h, color):
    cx, cy = x + w / 2, y + h / 2
    # The back window shows only its top and right edges.
    segment(pic, cx - 2.2, cy - 4.9, cx + 4.9, cy - 4.9, 1.3, color)
    segment(pic, cx + 4.9, cy - 4.9, cx + 4.9, cy + 2.2, 1.3, color)
    round_frame(pic, cx - 5.5, cy - 2.5, cx + 2.5, cy + 5.5, 1.0, color, 1.3)


def glyph_min(pic, x, y, w, h, color):
    cx, cy = x + w / 2, y + h / 2
    segment(pic, cx - 5, cy + 3.5, cx + 5, cy + 3.5, 1.8, color)


def glyph_rollup(pic, x, y, w, h, color, down=False):
    cx, cy = x + w / 2, y + h / 2
    d = -1 if down else 1
    segment(pic, cx - 4, cy + 2 * d, cx, cy - 2 * d, 1.6, color)
    segment(pic, cx, cy - 2 * d, cx + 4, cy + 2 * d, 1.6, color)


def glyph_sysmenu(pic, x, y, w, h, color):
    cx, cy = x + w / 2, y + h / 2
    round_rect(pic, cx - 6.5, cy - 6.5, cx + 6.5, cy + 6.5, 2.5, color)
    mark = hex_rgb("3a6ea5")
    for k, dy in enumerate((-3, 0, 3)):
        disc(pic, cx - 3.2, cy + dy, 0.95, mark)
        segment(pic, cx - 1.2, cy + dy, cx + 3.8 - k, cy + dy, 1.2, mark)


GLYPHS = {
    "closebutton": glyph_close,
    "maximizebutton": glyph_max,
    "minimizebutton": glyph_min,
    "rollupbutton": glyph_rollup,
    "sysmenubutton": glyph_sysmenu,
}


def button_sheet(frame):
    """Active picture 0: per button a row of cells: hover, pressed, inactive,
    then the same three with the restore glyph (maximize and roll-up)."""
    sheet = Picture(7 * CELL, len(ORDER) * CELL, (255, 255, 255))
    cells = {}
    for row, name in enumerate(ORDER):
        (l, t, r, b), _ = BUTTONS[name]
        w, h = r - l, b - t
        for col in range(7):
            x, y = col * CELL, row * CELL
            sheet.blit(frame, l, t, w, h, x, y)
            restore = col >= 3
            state = ["normal", "hover", "down", "inactive"][col - 3 if restore else col + 1]
            if (state == "normal" and not restore) or (restore and name not in ("maximizebutton", "rollupbutton")):
                if restore:
                    sheet.fill(x, y, x + w, y + h, (255, 255, 255))
                continue
            if state in ("hover", "down"):
                if name == "closebutton":
                    round_rect(sheet, x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, 3,
                               CLOSE_RED if state == "hover" else CLOSE_RED_DOWN, 0.95)
                else:
                    round_rect(sheet, x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, 3,
                               (255, 255, 255) if state == "hover" else (10, 30, 60), 0.22 if state == "hover" else 0.3)
                    round_frame(sheet, x + 0.5, y + 0.5, x + w - 0.5, y + h - 0.5, 3, (255, 255, 255), 1.0, 0.25)
            color = GLYPH_INACTIVE if state == "inactive" else GLYPH
            gx, gy = (x + 1, y + 1) if state == "down" else (x, y)
            draw_glyph(sheet, name, gx, gy, w, h, color, restore)
            cells[(name, col)] = (x, y, x + w, y + h)
    return sheet, cells


def draw_glyph(pic, name, x, y, w, h, color, restore=False):
    if restore and name == "maximizebutton":
        glyph_restore(pic, x, y, w, h, color)
    elif name == "rollupbutton":
        glyph_rollup(pic, x, y, w, h, color, down=restore)
    else:
        GLYPHS[name](pic, x, y, w, h, color)


POPUP = 64


def popup_picture():
    pic = Picture(POPUP, POPUP, (255, 255, 255))
    round_rect(pic, 0, 0, POPUP, POPUP, 4, hex_rgb("6f8cad"))
    round_rect(pic, 1, 1, POPUP - 1, POPUP - 1, 3, hex_rgb("fbfcfe"))
    pic.fill(3, 3, 23, POPUP - 3, hex_rgb("eef3f9"))  # glyph column
    pic.fill(23, 3, 24, POPUP - 3, hex_rgb("dde5ee"))
    return pic


def popup_mask():
    pic = Picture(POPUP, POPUP, (255, 255, 255))
    round_rect(pic, 0, 0, POPUP, POPUP, 4, (0, 0, 0))
    return pic


def menuitem_picture():
    pic = Picture(POPUP, 45, hex_rgb("fbfcfe"))
    pic.fill(0, 0, 20, 40, hex_rgb("eef3f9"))
    pic.fill(20, 0, 21, 40, hex_rgb("dde5ee"))
    round_rect(pic, 1, 21, POPUP - 1, 39, 3, hex_rgb("dae7f6"))
    round_frame(pic, 1, 21, POPUP - 1, 39, 3, hex_rgb("7fa6d1"))
    pic.fill(0, 40, 20, 45, hex_rgb("eef3f9"))
    pic.fill(20, 40, 21, 45, hex_rgb("dde5ee"))
    pic.fill(26, 42, POPUP - 4, 43, hex_rgb("d3dbe5"))
    return pic


def hint_picture():
    pic = Picture(40, 30, (255, 255, 255))
    round_rect(pic, 0, 0, 40, 30, 4, hex_rgb("7d8fa5"))
    pic.vgradient(1, 1, 39, 29, [(0, hex_rgb("ffffff")), (1, hex_rgb("e9f0f7"))])
    round_frame(pic, 0, 0, 40, 30, 4, hex_rgb("7d8fa5"))
    return pic


def menubar_picture():
    """Main menu bar item faces and the small menu bar buttons."""
    pic = Picture(120, 40, hex_rgb("e7edf4"))
    round_rect(pic, 40, 1, 80, 19, 3, hex_rgb("d4e3f4"))
    round_frame(pic, 40, 1, 80, 19, 3, hex_rgb("8fb1d6"))
    round_rect(pic, 80, 1, 120, 19, 3, hex_rgb("bcd2ea"))
    round_frame(pic, 80, 1, 120, 19, 3, hex_rgb("5d88b7"))
    dark = hex_rgb("2b4968")
    for i, draw in enumerate((glyph_sysmenu, glyph_close, glyph_max, glyph_min)):
        draw(pic, i * 16, 22, 16, 16, dark)
    # Resize grip: three diagonal rows of dots.
    for k in range(3):
        for j in range(k + 1):
            disc(pic, 64 + 12 - 4 * j, 22 + 4 + 4 * k, 1.0, hex_rgb("6c86a4"))
    return pic


def bgr(text):
    r, g, b = hex_rgb(text)
    return r | (g << 8) | (b << 16)


def rect(r):
    return "%d,%d,%d,%d" % tuple(r)


def ini_text(cells):
    lines = [
        "[VERSION]",
        "ver=1",
        "skinname=Lumen",
        "skinauthor=Tavo installer team",
        "authoremail=",
        "authorurl=",
        "skincomments=Steel-blue window frame with flat caption buttons",
        "",
        "[PICTURES]",
        "picture=frame.bmp",
        "inactivepicture=",
        "mask=framemask.bmp",
        "activepicturescount=6",
        "0=buttons.bmp",
        "1=popup.bmp",
        "2=menuitem.bmp",
        "3=popupmask.bmp",
        "4=hint.bmp",
        "5=menubar.bmp",
        "",
        "[FORMINFO]",
        "lefttoppoint=111,46",
        "righttoppoint=136,46",
        "leftbottompoint=111,107",
        "rightbottompoint=136,107",
        "clientrect=%s" % rect(CLIENT),
        "bgpictureindex=-1",
        "mdibgpictureindex=-1",
        "leftstretch=0",
        "rightstretch=0",
        "topstretch=0",
        "bottomstretch=0",
        "maskrectarea=9,17,273,112",
        "hittestlefttoppoint=12,12",
        "hittestrighttoppoint=265,12",
        "hittestleftbottompoint=12,108",
        "hittestrightbottompoint=265,108",
        "buttonsoffset=2",
        "buttonsinleft=0",
        "mainmenupopupup=0",
        "borderwidth=4",
        "autorenderinginactiveimage=0",
        "inactiveeffect=iebrightness",
        "",
        "[POPUPWINDOW]",
        "windowpictureindex=1",
        "maskpictureindex=3",
        "lefttoppoint=6,6",
        "righttoppoint=58,6",
        "leftbottompoint=6,58",
        "rightbottompoint=58,58",
        "itemsrect=3,3,61,61",
        "scrollmarkercolor=%d" % bgr("9aaabb"),
        "scrollmarkeractivecolor=%d" % bgr("2f5e93"),
        "leftstretch=0",
        "rightstretch=0",
        "topstretch=0",
        "bottomstretch=0",
        "",
        "[HINTWINDOW]",
        "windowpictureindex=4",
        "maskpictureindex=-1",
        "lefttoppoint=5,5",
        "righttoppoint=35,5",
        "leftbottompoint=5,25",
        "rightbottompoint=35,25",
        "clientrect=5,4,35,26",
        "fontname=Arial",
        "fontheight=14",
        "fontstyle=",
        "fontcolor=%d" % bgr("1f2d3d"),
        "leftstretch=0",
        "rightstretch=0",
        "topstretch=0",
        "bottomstretch=0",
        "",
        "[SKINOBJECTS]",
        "count=12",
        "0=menuitem:menuitem",
        "1=caption:caption",
        "2=closebutton:stdbutton",
        "3=minimizebutton:stdbutton",
        "4=maximizebutton:stdbutton",
        "5=rollupbutton:stdbutton",
        "6=mainmenubaritem:mainmenubaritem",
        "7=sysmenubutton:stdbutton",
        "8=menubarsysmenubutton:mainmenubarbutton",
        "9=menubarclosebutton:mainmenubarbutton",
        "10=menubarmaxbutton:mainmenubarbutton",
        "11=menubarminbutton:mainmenubarbutton",
        "",
        "[SKINCONTROLS]",
        "count=2",
        "0=resizebutton:button",
        "1=mainmenubar:mainmenubar",
        "",
        "[menuitem]",
        "activepictureindex=2",
        "skinrect=0,0,64,20",
        "activeskinrect=0,20,64,40",
        "morphing=0",
        "morphkind=mkdefault",
        "itemleftoffset=21",
        "itemrightoffset=4",
        "dividerrect=0,40,64,45",
        "dividerleftoffset=21",
        "dividerrightoffset=4",
        "textrect=6,0,58,20",
        "fontname=Arial",
        "fontheight=14",
        "fontstyle=",
        "fontcolor=%d" % bgr("1f2d3d"),
        "activefontcolor=%d" % bgr("0f2a48"),
        "unenabledfontcolor=%d" % bgr("9aa5b1"),
        "",
        "[caption]",
        "skinrect=46,16,136,35",
        "textrect=4,0,86,19",
        "fontname=Arial",
        "fontheight=14",
        "fontstyle=fsbold",
        "fontcolor=%d" % bgr("c9d8ea"),
        "activefontcolor=%d" % bgr("ffffff"),
        "alignment=taleftjustify",
        "shadow=1",
        "shadowcolor=%d" % bgr("2a4e78"),
        "activeshadowcolor=%d" % bgr("1b3656"),
        "",
    ]
    for name in ["closebutton", "minimizebutton", "maximizebutton", "rollupbutton", "sysmenubutton"]:
        (l, t, r, b), command = BUTTONS[name]
        lines += [
            "[%s]" % name,
            "hint=",
            "activepictureindex=0",
            "skinrectinapicture=0",
            "skinrect=%s" % rect((l, t, r, b)),
            "activeskinrect=%s" % rect(cells[(name, 0)]),
            "downrect=%s" % rect(cells[(name, 1)]),
            "inactiveskinrect=%s" % rect(cells[(name, 2)]),
            "morphing=1",
            "morphkind=mkdefault",
            "command=%s" % command,
        ]
        if name in ("maximizebutton", "rollupbutton"):
            lines += [
                "restorerect=%s" % rect(cells[(name, 3)]),
                "restoreactiverect=%s" % rect(cells[(name, 4)]),
                "restoredownrect=%s" % rect(cells[(name, 5)]),
                "restoreinactiverect=%s" % rect(cells[(name, 6)]),
            ]
        lines.append("")
    lines += [
        "[mainmenubaritem]",
        "activepictureindex=5",
        "skinrect=0,1,40,19",
        "activeskinrect=40,1,80,19",
        "downrect=80,1,120,19",
        "itemleftoffset=4",
        "itemrightoffset=4",
        "textrect=4,0,36,18",
        "fontname=Arial",
        "fontheight=14",
        "fontstyle=",
        "fontcolor=%d" % bgr("1f2d3d"),
        "activefontcolor=%d" % bgr("0f2a48"),
        "downfontcolor=%d" % bgr("0f2a48"),
        "unenabledfontColor=%d" % bgr("9aa5b1"),
        "",
    ]
    for i, (name, command) in enumerate([("menubarsysmenubutton", "cmsysmenu"), ("menubarclosebutton", "cmclose"),
                                         ("menubarmaxbutton", "cmmaximize"), ("menubarminbutton", "cmminimize")]):
        lines += [
            "[%s]" % name,
            "activepictureindex=5",
            "skinrectinapicture=1",
            "skinrect=%s" % rect((i * 16, 22, i * 16 + 16, 38)),
            "command=%s" % command,
            "",
        ]
    lines += [
        "[resizebutton]",
        "pictureindex=5",
        "skinrect=64,22,80,38",
        "",
        "[mainmenubar]",
        "pictureindex=5",
        "skinrect=0,0,40,20",
        "itemsrect=2,1,38,19",
        "menubaritem=mainmenubaritem",
        "closebutton=menubarclosebutton",
        "minbutton=menubarminbutton",
        "maxbutton=menubarmaxbutton",
        "sysmenubutton=menubarsysmenubutton",
        "trackmarkcolor=%d" % bgr("9aaabb"),
        "trackmarkactivecolor=%d" % bgr("2f5e93"),
    ]
    return lines


def build(folder):
    os.makedirs(folder, exist_ok=True)
    frame = frame_picture()
    sheet, cells = button_sheet(frame)
    for name in ORDER:
        (l, t, r, b), _ = BUTTONS[name]
        draw_glyph(frame, name, l, t, r - l, b - t, GLYPH)
    save_bmp(frame, os.path.join(folder, "frame.bmp"), 8)
    save_bmp(mask_picture(), os.path.join(folder, "framemask.bmp"), 1)
    save_bmp(sheet, os.path.join(folder, "buttons.bmp"), 24)
    save_bmp(popup_picture(), os.path.join(folder, "popup.bmp"), 24)
    save_bmp(menuitem_picture(), os.path.join(folder, "menuitem.bmp"), 24)
    save_bmp(popup_mask(), os.path.join(folder, "popupmask.bmp"), 1)
    save_bmp(hint_picture(), os.path.join(folder, "hint.bmp"), 24)
    save_bmp(menubar_picture(), os.path.join(folder, "menubar.bmp"), 24)
    with open(os.path.join(folder, "Lumen.ini"), "w", newline="\r\n") as f:
        f.write("\n".join(ini_text(cells)) + "\n")
