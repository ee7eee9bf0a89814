"""The button skin "Graphite": light graphite-grey controls with a steel-blue
accent under the mouse, matching the "Lumen" frame.

The installer's speed buttons use the section "toolbutton": picture 4,
normal face 55,31,80,57, hover 80,31,105,57, pressed 105,31,131,57, drawn in
three slices (5 fixed columns on each side, the middle repeated), so every
face keeps its middle columns 5..19 identical. The pressed face is 26 wide:
its last column repeats the border column before it, so either slicing of
its right edge shows a clean border.
"""

import os

from paint import (Picture, disc, hex_rgb, mix, polygon, ring, round_frame, round_rect, save_bmp, segment)

# Face colours per state: border, top, bottom of the fill.
FACES = {
    "normal": (hex_rgb("8c97a4"), hex_rgb("fdfdfe"), hex_rgb("e3e7ec")),
    "hover": (hex_rgb("3f78b4"), hex_rgb("ffffff"), hex_rgb("d9e7f6")),
    "down": (hex_rgb("2f5e93"), hex_rgb("c6d7ea"), hex_rgb("dbe6f2")),
    "disabled": (hex_rgb("c3c9d0"), hex_rgb("f6f7f8"), hex_rgb("eef0f2")),
    "default": (hex_rgb("2f5e93"), hex_rgb("fdfdfe"), hex_rgb("e3e7ec")),
}
TEXT = hex_rgb("1e2a36")
ACCENT = hex_rgb("3f78b4")
WHITE = (255, 255, 255)


def face(pic, x, y, w, h, state, radius=3.0):
    """A rounded button face filling the box, with a 1-pixel border, a
    vertical gradient and a highlight along the inside top edge."""
    border, top, bottom = FACES[state]
    pic.fill(x, y, x + w, y + h, WHITE)
    round_rect(pic, x, y, x + w, y + h, radius, border)

    def fill(px, py):
        t = (py - y - 1) / max(h - 3, 1)
        return mix(top, bottom, max(0.0, min(1.0, t)))

    round_rect(pic, x + 1, y + 1, x + w - 1, y + h - 1, radius - 1, fill)
    if state == "down":
        for px in range(x + 2, x + w - 2):
            pic.put(px, y + 1, hex_rgb("9fb7d2"), 0.8)
    else:
        for px in range(x + 2, x + w - 2):
            pic.put(px, y + 1, WHITE, 0.9)
    if state == "default":
        round_frame(pic, x + 1, y + 1, x + w - 1, y + h - 1, radius - 1, hex_rgb("9ec0e4"), 1.0, 0.9)


def face_mask(pic, x, y, w, h, radius=3.0):
    pic.fill(x, y, x + w, y + h, WHITE)
    round_rect(pic, x, y, x + w, y + h, radius, (0, 0, 0))


def arrow(pic, cx, cy, direction, color, size=3.5):
    """A small filled triangle pointing up, down, left or right."""
    s = size
    points = {
        "up": [(cx - s, cy + s / 2), (cx + s, cy + s / 2), (cx, cy - s / 2 - 0.5)],
        "down": [(cx - s, cy - s / 2), (cx + s, cy - s / 2), (cx, cy + s / 2 + 0.5)],
        "left": [(cx + s / 2, cy - s), (cx + s / 2, cy + s), (cx - s / 2 - 0.5, cy)],
        "right": [(cx - s / 2, cy - s), (cx - s / 2, cy + s), (cx + s / 2 + 0.5, cy)],
    }[direction]
    polygon(pic, points, color)


# --- pictures ---------------------------------------------------------------------

def panel_picture():  # 0, 8 bit
    pic = Picture(96, 64, WHITE)
    round_rect(pic, 0, 0, 32, 32, 3, hex_rgb("a9b3be"))
    round_rect(pic, 1, 1, 31, 31, 2, hex_rgb("f4f6f8"))
    round_rect(pic, 32, 0, 64, 32, 3, hex_rgb("a9b3be"))
    round_rect(pic, 33, 1, 63, 31, 2, hex_rgb("f7f8fa"))
    pic.vgradient(33, 1, 63, 13, [(0, hex_rgb("f1f4f7")), (1, hex_rgb("dfe5ec"))])
    pic.fill(33, 13, 63, 14, hex_rgb("c3ccd6"))
    pic.vgradient(64, 0, 96, 20, [(0, hex_rgb("eef1f4")), (1, hex_rgb("dce2e8"))])
    pic.fill(64, 0, 96, 1, hex_rgb("aab4bf"))
    # Expanding panel: caption band with a close cross and roll arrows.
    pic.vgradient(0, 34, 96, 50, [(0, hex_rgb("6e99c6")), (1, hex_rgb("386a9e"))])
    for i, d in enumerate(("up", "down", "left", "right")):
        arrow(pic, 40 + 12 * i, 42, d, WHITE, 3)
    segment(pic, 86, 38, 93, 45, 1.5, WHITE)
    segment(pic, 86, 45, 93, 38, 1.5, WHITE)
    pic.fill(0, 50, 96, 64, hex_rgb("f4f6f8"))
    return pic


def check_cell(pic, x, y, kind, state):
    border = {"normal": hex_rgb("8c97a4"), "active": ACCENT, "disabled": hex_rgb("c3c9d0")}[state]
    mark = hex_rgb("2f5e93") if state != "disabled" else hex_rgb("aab2bb")
    if kind == "check":
        round_rect(pic, x, y, x + 13, y + 13, 2.5, border)
        round_rect(pic, x + 1, y + 1, x + 12, y + 12, 1.5, hex_rgb("ffffff") if state != "disabled" else hex_rgb("f3f4f6"))
    else:
        disc(pic, x + 6.5, y + 6.5, 6.5, border)
        disc(pic, x + 6.5, y + 6.5, 5.5, hex_rgb("ffffff") if state != "disabled" else hex_rgb("f3f4f6"))
    return mark


def checkradio_picture():  # 2, 24 bit
    pic = Picture(78, 26, WHITE)
    states = ["normal", "normal", "active", "active", "disabled", "disabled"]
    for row, kind in enumerate(("check", "radio")):
        for col, state in enumerate(states):
            x, y = col * 13, row * 13
            mark = check_cell(pic, x, y, kind, state)
            if col % 2 == 1:
                if kind == "check":
                    segment(pic, x + 3.2, y + 6.8, x + 5.5, y + 9.2, 1.6, mark)
                    segment(pic, x + 5.5, y + 9.2, x + 9.8, y + 3.8, 1.6, mark)
                else:
                    disc(pic, x + 6.5, y + 6.5, 2.8, mark)
    return pic


def checkmask_picture():  # 8, 1 bit
    pic = Picture(78, 26, WHITE)
    for col in range(6):
        round_rect(pic, col * 13, 0, col * 13 + 13, 13, 2.5, (0, 0, 0))
        disc(pic, col * 13 + 6.5, 13 + 6.5, 6.5, (0, 0, 0))
    return pic


def scroll_picture():  # 3, 24 bit: 17 x 17 cells
    pic = Picture(17 * 6, 17 * 4, WHITE)
    states = ["normal", "hover", "down"]
    for col, state in enumerate(states):
        for row, d in enumerate(("up", "down", "left", "right")):
            x, y = col * 17, row * 17
            face(pic, x, y, 17, 17, state, 2.5)
            arrow(pic, x + 8.5 + (0.5 if state == "down" else 0), y + 8.5 + (0.5 if state == "down" else 0), d,
                  hex_rgb("3c4a59") if state == "normal" else hex_rgb("1f4f86"))
        # Thumbs: vertical at column 3 + col, with a three-line grip.
        x = (3 + col) * 17
        face(pic, x, 0, 17, 34, state, 2.5)
        for k in (-3, 0, 3):
            segment(pic, x + 5, 17 + k, x + 12, 17 + k, 1.0, hex_rgb("8793a1"))
    # Track below the thumbs.
    pic.fill(51, 34, 102, 68, hex_rgb("eceff2"))
    pic.fill(51, 34, 52, 68, hex_rgb("d3d9df"))
    pic.fill(101, 34, 102, 68, hex_rgb("d3d9df"))
    return pic


TOOL_Y = 31


def buttons_picture():  # 4, 24 bit
    pic = Picture(160, 92, WHITE)
    for i, state in enumerate(("normal", "hover", "down", "disabled", "default")):
        face(pic, i * 25, 0, 25, 26, state)
    # Small buttons (19 high) beside the tool buttons.
    for i, state in enumerate(("normal", "hover")):
        face(pic, i * 25, TOOL_Y, 25, 19, state)
    # The speed buttons' faces: normal, hover, pressed.
    face(pic, 55, TOOL_Y, 25, 26, "normal")
    face(pic, 80, TOOL_Y, 25, 26, "hover")
    face(pic, 105, TOOL_Y, 25, 26, "down")
    for y in range(TOOL_Y, TOOL_Y + 26):
        pic.px[y][130] = pic.px[y][129]
    face(pic, 131, TOOL_Y, 25, 26, "disabled")
    # Big tool buttons, 30 x 30.
    for i, state in enumerate(("normal", "hover", "down")):
        face(pic, i * 30, 60, 30, 30, state, 4)
    # Size grip and a menu button's drop-down part.
    for k in range(3):
        for j in range(k + 1):
            disc(pic, 100 + 12 - 4 * j, 62 + 4 + 4 * k, 1.0, hex_rgb("8793a1"))
    face(pic, 120, 60, 16, 26, "normal")
    arrow(pic, 128, 73, "down", hex_rgb("3c4a59"), 3)
    face(pic, 136, 60, 16, 26, "hover")
    arrow(pic, 144, 73, "down", hex_rgb("1f4f86"), 3)
    return pic


def buttonmask_picture():  # 1, 1 bit
    pic = Picture(160, 92, WHITE)
    for i in range(5):
        face_mask(pic, i * 25, 0, 25, 26)
    for x in (55, 80, 105, 131):
        face_mask(pic, x, TOOL_Y, 25, 26)
    for i in range(3):
        face_mask(pic, i * 30, 60, 30, 30, 4)
    return pic


def edit_picture():  # 5, 8 bit
    pic = Picture(96, 48, WHITE)
    for i, border in enumerate((hex_rgb("a3adb8"), ACCENT)):
        round_rect(pic, i * 24, 0, i * 24 + 24, 22, 2, border)
        round_rect(pic, i * 24 + 1, 1, i * 24 + 23, 21, 1, WHITE)
    for i, state in enumerate(("normal", "hover", "down", "disabled")):
        face(pic, i * 17, 24, 17, 20, state, 2)
        arrow(pic, i * 17 + 8.5, 34, "down", hex_rgb("3c4a59") if state != "disabled" else hex_rgb("b0b8c1"), 3)
    # List items: normal, hover, selected.
    pic.fill(48, 0, 96, 18, WHITE)
    round_rect(pic, 48, 18, 96, 34, 2, hex_rgb("e3eefa"))
    round_rect(pic, 48, 34, 96, 48, 2, hex_rgb("c6dbf2"))
    round_frame(pic, 48, 34, 96, 48, 2, hex_rgb("7fa6d1"))
    return pic


def progress_picture():  # 6, 24 bit
    pic = Picture(96, 48, WHITE)
    round_rect(pic, 0, 0, 48, 16, 3, hex_rgb("a9b3be"))
    pic.vgradient(1, 1, 47, 15, [(0, hex_rgb("e6eaee")), (1, hex_rgb("f6f8fa"))])
    pic.vgradient(48, 1, 96, 15, [(0, hex_rgb("79a6d6")), (0.5, hex_rgb("4a7fb8")), (1, hex_rgb("3a6ea5"))])
    # Track bar: groove and two thumb states.
    round_rect(pic, 0, 24, 48, 29, 2, hex_rgb("b9c2cc"))
    round_rect(pic, 1, 25, 47, 28, 1, hex_rgb("e6eaee"))
    face(pic, 48, 18, 11, 18, "normal", 2)
    face(pic, 60, 18, 11, 18, "hover", 2)
    # Slider ruler and thumb.
    pic.fill(0, 40, 48, 42, hex_rgb("a9b3be"))
    disc(pic, 80, 40, 6, hex_rgb("3f78b4"))
    disc(pic, 80, 40, 4.5, hex_rgb("ffffff"))
    return pic


def tabs_picture():  # 7, 8 bit
    pic = Picture(96, 48, WHITE)
    for i, (fill_top, border, h) in enumerate(((hex_rgb("eef1f4"), hex_rgb("a9b3be"), 22),
                                               (hex_rgb("ffffff"), hex_rgb("8c97a4"), 24),
                                               (hex_rgb("f5f9fd"), ACCENT, 22))):
        x = i * 32
        y = 24 - h
        round_rect(pic, x, y, x + 32, 26, 3, border)
        pic.vgradient(x + 1, y + 1, x + 31, 24, [(0, fill_top), (1, hex_rgb("f7f8fa") if i == 1 else hex_rgb("e2e7ec"))])
        pic.fill(x, 24, x + 32, 26, WHITE)
    round_rect(pic, 0, 26, 32, 48, 2, hex_rgb("8c97a4"))
    round_rect(pic, 1, 27, 31, 47, 1, WHITE)
    return pic


# --- the INI text ------------------------------------------------------------------

def bgr(text):
    r, g, b = hex_rgb(text)
    return r | (g << 8) | (b << 16)


FONT = ["fontname=Arial", "fontheight=14", "fontstyle="]
BLUE_TEXT = bgr("1f4f86")
GREY_TEXT = bgr("9aa5b1")


def button_section(name, picture, normal, active, down, disabled, lt, rt, client, mask=-1, colours=None):
    colours = colours or (0, 0, 0, 0)
    return ["[%s]" % name, "pictureindex=%d" % picture, "maskpictureindex=%d" % mask, "skinrect=%s" % normal,
            "lefttoppoint=%s" % lt, "righttoppoint=%s" % rt, "leftbottompoint=0,0", "rightbottompoint=0,0",
            "clientrect=%s" % client] + FONT + [
                "fontcolor=%d" % colours[0], "activefontcolor=%d" % colours[1], "downfontcolor=%d" % colours[2],
                "disabledfontcolor=%d" % colours[3], "activeskinrect=%s" % active, "downskinrect=%s" % down,
                "disabledskinrect=%s" % disabled, "morphing=0", "morphkind=mkdefault"]


def nine(name, picture, skinrect, lt, rt, lb, rb, client):
    return ["[%s]" % name, "pictureindex=%d" % picture, "skinrect=%s" % skinrect, "lefttoppoint=%s" % lt,
            "righttoppoint=%s" % rt, "leftbottompoint=%s" % lb, "rightbottompoint=%s" % rb, "clientrect=%s" % client]


def scroll_section(name, vertical):
    up, down = (0, 1) if vertical else (2, 3)
    cell = lambda col, row: "%d,%d,%d,%d" % (col * 17, row * 17, col * 17 + 17, row * 17 + 17)
    return nine(name, 3, "51,34,68,68" if vertical else "51,34,85,51", "0,2" if vertical else "2,0",
                "0,0", "0,32" if vertical else "0,0", "0,0", "0,0,17,34" if vertical else "0,0,34,17") + [
        "trackarea=%s" % ("0,17,17,17" if vertical else "17,0,17,17"),
        "upbuttonrect=%s" % cell(0, up), "activeupbuttonrect=%s" % cell(1, up), "downupbuttonrect=%s" % cell(2, up),
        "downbuttonrect=%s" % cell(0, down), "activedownbuttonrect=%s" % cell(1, down),
        "downdownbuttonrect=%s" % cell(2, down),
        "thumbrect=51,0,68,34", "activethumbrect=68,0,85,34", "downthumbrect=85,0,102,34",
        "thumboffset1=3", "thumboffset2=3", "glyphrect=57,13,62,21", "activeglyphrect=74,13,79,21",
        "downglyphrect=91,13,96,21"]


CONTROLS = []  # (section, kind, lines)


def add(name, kind, lines):
    CONTROLS.append((name, kind, lines))


def controls():
    CONTROLS.clear()
    b = lambda x, y, w, h: "%d,%d,%d,%d" % (x, y, x + w, y + h)
    add("button", "button", button_section("button", 4, b(0, 0, 25, 26), b(25, 0, 25, 26), b(50, 0, 25, 26),
                                           b(75, 0, 25, 26), "5,12", "20,12", "2,3,23,24", 1,
                                           (0, BLUE_TEXT, BLUE_TEXT, GREY_TEXT)))
    add("toolbutton", "button", button_section("toolbutton", 4, "55,31,80,57", "80,31,105,57", "105,31,131,57",
                                               "0,0,0,0", "5,12", "20,12", "2,3,23,24"))
    add("defaultbutton", "button", button_section("defaultbutton", 4, b(100, 0, 25, 26), b(25, 0, 25, 26),
                                                  b(50, 0, 25, 26), b(75, 0, 25, 26), "5,12", "20,12", "2,3,23,24", 1))
    add("smallbutton", "button", button_section("smallbutton", 4, b(0, 31, 25, 19), b(25, 31, 25, 19),
                                                 b(25, 31, 25, 19), "0,0,0,0", "5,9", "20,9", "2,2,23,17"))
    add("bigtoolbutton", "button", button_section("bigtoolbutton", 4, b(0, 60, 30, 30), b(30, 60, 30, 30),
                                                  b(60, 60, 30, 30), "0,0,0,0", "6,15", "24,15", "3,3,27,27", 1))
    add("resizebutton", "button", button_section("resizebutton", 4, b(100, 62, 16, 16), "0,0,0,0", "0,0,0,0",
                                                 "0,0,0,0", "0,0", "0,0", "0,0,16,16"))
    add("scrollbutton", "button", button_section("scrollbutton", 3, b(0, 0, 17, 17), b(17, 0, 17, 17),
                                                 b(34, 0, 17, 17), "0,0,0,0", "0,0", "0,0", "0,0,17,17"))
    add("combobutton", "button", button_section("combobutton", 5, b(0, 24, 17, 20), b(17, 24, 17, 20),
                                                b(34, 24, 17, 20), b(51, 24, 17, 20), "0,0", "0,0", "0,0,17,20"))
    for name, face_rect in (("menubutton", b(0, 0, 25, 26)), ("toolmenubutton", "55,31,80,57")):
        add(name, "menubutton", button_section(name, 4, face_rect, "80,31,105,57" if name == "toolmenubutton" else
                                               b(25, 0, 25, 26), "105,31,131,57" if name == "toolmenubutton" else
                                               b(50, 0, 25, 26), "0,0,0,0", "5,12", "20,12", "2,3,23,24") +
            ["trackbuttonrect=%s" % b(120, 60, 16, 26)])
    panel = lambda name, rect, caption="0,0,0,0": add(name, "panel", nine(
        name, 0, rect, "4,4", "28,4", "4,28", "28,28", "3,3,29,29") + [
        "bgpictureindex=-1", "captionrect=%s" % caption, "alignment=taleftjustify"] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "checkimagerect=0,0,0,0", "uncheckimagerect=0,0,0,0",
        "rollupmarkerrect=0,0,0,0", "restoremarkerrect=0,0,0,0"])
    panel("panel", "0,0,32,32")
    panel("groupbox", "32,0,64,32", "4,0,28,13")
    panel("toolpanel", "0,0,32,32")
    panel("hintpanel", "0,0,32,32")
    panel("statusbar", "64,0,96,20")
    panel("statuspanel", "64,0,96,20")
    panel("toolbar", "64,0,96,20")
    add("expanel", "expanel", nine("expanel", 0, "0,34,96,64", "4,16", "92,16", "4,26", "92,26", "3,16,93,28") + [
        "rollhskinrect=0,34,96,50", "rollvskinrect=0,34,16,64", "rollleftoffset=4", "rollrightoffset=4",
        "rolltopoffset=4", "rollbottomoffset=4", "rollvcaptionrect=0,0,16,60", "rollhcaptionrect=4,0,70,16",
        "closebuttonrect=84,36,96,48", "closebuttonactiverect=84,36,96,48", "closebuttondownrect=84,36,96,48",
        "hrollbuttonrect=34,36,46,48", "hrollbuttonactiverect=34,36,46,48", "hrollbuttondownrect=34,36,46,48",
        "hrestorebuttonrect=46,36,58,48", "hrestorebuttonactiverect=46,36,58,48",
        "hrestorebuttondownrect=46,36,58,48", "vrollbuttonrect=58,36,70,48", "vrollbuttonactiverect=58,36,70,48",
        "vrollbuttondownrect=58,36,70,48", "vrestorebuttonrect=70,36,82,48", "vrestorebuttonactiverect=70,36,82,48",
        "vrestorebuttondownrect=70,36,82,48", "captionrect=4,0,70,16"] + FONT + ["fontcolor=%d" % bgr("ffffff")])
    for name, row in (("checkbox", 0), ("radiobutton", 1)):
        c = lambda col: b(col * 13, row * 13, 13, 13)
        add(name, "checkradio", nine(name, 2, "0,0,0,0", "0,0", "0,0", "0,0", "0,0", "0,0,0,0") + FONT + [
            "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % BLUE_TEXT, "unenabledfontcolor=%d" % GREY_TEXT,
            "framefontcolor=%d" % bgr("1e2a36"), "activeskinrect=0,0,0,0", "checkimagearea=0,2,13,15",
            "textarea=17,0,100,17", "checkimagerect=%s" % c(1), "uncheckimagerect=%s" % c(0),
            "activecheckimagerect=%s" % c(3), "activeuncheckimagerect=%s" % c(2),
            "unenabledcheckimagerect=%s" % c(5), "unenableduncheckimagerect=%s" % c(4), "morphing=0",
            "morphkind=mkdefault", "maskpictureindex=8"])
    for name, vertical in (("gauge", False), ("vgauge", True)):
        add(name, "gauge", nine(name, 6, "0,0,48,16", "4,0", "44,0", "0,0", "0,0", "1,1,47,15") + [
            "progressarea=1,1,47,15", "progressrect=48,1,96,15", "beginoffset=0", "endoffset=0",
            "vertical=%d" % vertical] + FONT + ["fontcolor=%d" % bgr("ffffff")])
    add("splitter", "splitter", nine("splitter", 0, "64,0,96,20", "0,0", "0,0", "0,0", "0,0", "0,0,0,0"))
    add("vsplitter", "splitter", nine("vsplitter", 0, "64,0,96,20", "0,0", "0,0", "0,0", "0,0", "0,0,0,0"))
    for name, vertical in (("trackbar", False), ("vtrackbar", True)):
        add(name, "trackbar", nine(name, 6, "0,18,48,36", "4,0", "44,0", "0,0", "0,0", "0,0,48,18") + [
            "trackarea=2,6,46,11", "buttonrect=48,18,59,36", "activebuttonrect=60,18,71,36",
            "vertical=%d" % vertical])
    add("label", "label", nine("label", -1, "0,0,0,0", "0,0", "0,0", "0,0", "0,0", "0,0,0,0") + FONT + [
        "fontcolor=%d" % bgr("1e2a36")])
    add("captionlabel", "label", nine("captionlabel", 0, "32,0,64,14", "4,0", "28,0", "0,0", "0,0", "4,0,28,13") +
        ["fontname=Arial", "fontheight=14", "fontstyle=fsbold", "fontcolor=%d" % bgr("1e2a36")])
    add("stdlabel", "stdlabel", ["[stdlabel]", "pictureindex=-1", "skinrect=0,0,0,0"] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % BLUE_TEXT])
    for name, vertical in (("hupdown", False), ("vupdown", True)):
        up, down = (0, 1) if vertical else (2, 3)
        cell = lambda col, row: b(col * 17, row * 17, 17, 17)
        add(name, "updown", nine(name, 3, "0,0,17,34" if vertical else "0,34,34,51", "0,0", "0,0", "0,0", "0,0",
                                 "0,0,0,0") + [
            "upbuttonrect=%s" % cell(0, up), "activeupbuttonrect=%s" % cell(1, up),
            "downupbuttonrect=%s" % cell(2, up), "downbuttonrect=%s" % cell(0, down),
            "activedownbuttonrect=%s" % cell(1, down), "downdownbuttonrect=%s" % cell(2, down)])
    add("grid", "grid", ["[grid]", "pictureindex=5", "skinrect=0,0,24,22", "fixedcellrect=64,0,96,20",
                         "selectcellrect=48,34,96,48", "focuscellrect=48,18,96,34", "fixedcellleftoffset=2",
                         "fixedcellrightoffset=2", "fixedcelltextrect=2,0,30,20", "cellleftoffset=2",
                         "cellrightoffset=2", "celltextrect=2,0,46,16", "linescolor=%d" % bgr("d3d9df"),
                         "bgcolor=%d" % bgr("ffffff")] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "selectfontcolor=%d" % bgr("0f2a48"), "focusfontcolor=%d" % bgr("0f2a48"),
        "fixedfontname=Arial", "fixedfontheight=14", "fixedfontstyle=fsbold", "fixedfontcolor=%d" % bgr("1e2a36")])
    for name in ("tab", "pagecontrol"):
        add(name, "tab", ["[%s]" % name, "pictureindex=7", "skinrect=0,26,32,48", "tabrect=0,2,32,24",
                          "activetabrect=32,0,64,24", "focustabrect=32,0,64,24", "mouseintabrect=64,2,96,24",
                          "clientrect=2,2,30,20", "bgpictureindex=-1", "lefttoppoint=4,4", "righttoppoint=28,4",
                          "leftbottompoint=4,18", "rightbottompoint=28,18", "tableftoffset=4", "tabrightoffset=4",
                          "tabsbgrect=0,0,0,0"] + FONT + [
            "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % bgr("0f2a48"),
            "focusfontcolor=%d" % bgr("0f2a48"), "mouseinfontcolor=%d" % BLUE_TEXT, "updown=hupdown"])
    add("mainmenubar", "mainmenubar", ["[mainmenubar]", "pictureindex=0", "skinrect=64,0,96,20",
                                       "itemsrect=2,1,30,19", "menubaritem=mainmenubaritem",
                                       "closebutton=menubarclosebutton", "minbutton=menubarminbutton",
                                       "maxbutton=menubarmaxbutton", "sysmenubutton=menubarsysmenubutton",
                                       "trackmarkcolor=%d" % bgr("aab4bf"), "trackmarkactivecolor=%d" % bgr("3f78b4")])
    add("controlbar", "controlbar", nine("controlbar", 0, "64,0,96,20", "2,2", "30,2", "2,18", "30,18", "2,2,30,18") +
        ["itemrect=64,0,96,20", "bgpictureindex=-1"])
    edit = lambda name, kind, extra=(): add(name, kind, nine(
        name, 5, "0,0,24,22", "3,3", "21,3", "3,19", "21,19", "3,3,21,19") + [
        "activeskinrect=24,0,48,22"] + FONT + ["fontcolor=%d" % bgr("1e2a36"), "disabledfontcolor=%d" % GREY_TEXT,
                                               "activefontcolor=%d" % bgr("1e2a36"), "buttonrect=0,24,17,44",
                                               "activebuttonrect=17,24,34,44", "downbuttonrect=34,24,51,44",
                                               "unenabledbuttonrect=51,24,68,44"] + list(extra))
    edit("edit", "edit")
    edit("buttonedit", "edit")
    edit("memo", "memo", ["bgcolor=%d" % bgr("ffffff"), "activebgcolor=%d" % bgr("ffffff")])
    listbox_keys = lambda name: nine(name, 5, "0,0,24,22", "3,3", "21,3", "3,19", "21,19", "3,3,21,19") + [
        "itemrect=48,0,96,18", "activeitemrect=48,34,96,48", "focusitemrect=48,18,96,34", "itemleftoffset=3",
        "itemrightoffset=3", "itemtextrect=4,0,44,16"] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % bgr("0f2a48"), "focusfontcolor=%d" % bgr("0f2a48"),
        "captionrect=0,0,0,0", "captionfontname=Arial", "captionfontheight=14", "captionfontstyle=fsbold",
        "captionfontcolor=%d" % bgr("1e2a36"), "upbuttonrect=0,0,17,17", "activeupbuttonrect=17,0,34,17",
        "downupbuttonrect=34,0,51,17", "downbuttonrect=0,17,17,34", "activedownbuttonrect=17,17,34,34",
        "downdownbuttonrect=34,17,51,34", "checkbuttonrect=0,0,0,0", "activecheckbuttonrect=0,0,0,0",
        "downcheckbuttonrect=0,0,0,0", "vscrollbarname=vscrollbar", "hscrollbarname=hscrollbar",
        "bothhscrollbarname=bothhscrollbar"]
    add("listbox", "listbox", listbox_keys("listbox"))
    add("checklistbox", "checklistbox", listbox_keys("checklistbox") + [
        "itemcheckrect=2,2,15,15", "checkimagerect=13,0,26,13", "uncheckimagerect=0,0,13,13"])
    add("combobox", "combobox", nine("combobox", 5, "0,0,24,22", "3,3", "21,3", "3,19", "21,19", "3,3,21,19") + [
        "itemrect=48,0,96,18", "focusitemrect=48,34,96,48", "itemleftoffset=3", "itemrightoffset=3",
        "itemtextrect=4,0,44,16"] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "focusfontcolor=%d" % bgr("0f2a48"), "listboxname=listbox",
        "buttonrect=0,24,17,44", "activebuttonrect=17,24,34,44", "downbuttonrect=34,24,51,44",
        "unenabledbuttonrect=51,24,68,44"])
    add("vscrollbar", "scrollbar", scroll_section("vscrollbar", True))
    add("hscrollbar", "scrollbar", scroll_section("hscrollbar", False))
    add("bothhscrollbar", "scrollbar", scroll_section("bothhscrollbar", False))
    add("spinedit", "spinedit", nine("spinedit", 5, "0,0,24,22", "3,3", "21,3", "3,19", "21,19", "3,3,21,19") + [
        "activeskinrect=24,0,48,22"] + FONT + [
        "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % bgr("1e2a36"), "disabledfontcolor=%d" % GREY_TEXT,
        "upbuttonrect=0,0,17,17", "activeupbuttonrect=17,0,34,17", "downupbuttonrect=34,0,51,17",
        "downbuttonrect=0,17,17,34", "activedownbuttonrect=17,17,34,34", "downdownbuttonrect=34,17,51,34"])
    add("scrollbox", "scrollbox", nine("scrollbox", 0, "0,0,32,32", "4,4", "28,4", "4,28", "28,28", "3,3,29,29") +
        ["bgpictureindex=-1"])
    for name, kind in (("treeview", "treeview"), ("listview", "listview"), ("richedit", "richedit")):
        add(name, kind, ["[%s]" % name, "pictureindex=5", "skinrect=0,0,24,22"] + FONT + [
            "fontcolor=%d" % bgr("1e2a36"), "bgcolor=%d" % bgr("ffffff")])
    add("bevel", "bevel", ["[bevel]", "pictureindex=-1", "skinrect=0,0,0,0", "lightcolor=%d" % bgr("ffffff"),
                           "darkcolor=%d" % bgr("a9b3be")])
    add("slider", "slider", ["[slider]", "pictureindex=6", "skinrect=0,34,96,48", "bgcolor=%d" % bgr("f4f6f8"),
                             "hrulerrect=0,40,48,42", "hthumbrect=74,34,86,46", "vrulerrect=0,0,0,0",
                             "vthumbrect=74,34,86,46", "edgesize=2", "pointscolor=%d" % bgr("8c97a4")])
    return CONTROLS


def ini_text():
    items = controls()
    lines = ["[VERSION]", "ver=1", "skinname=Graphite", "skinauthor=Tavo installer team", "authoremail=",
             "authorurl=", "skincomments=Graphite-grey controls with a steel-blue accent", "",
             "[PICTURES]", "picture=", "inactivepicture=", "mask=", "activepicturescount=9", "0=panel.bmp",
             "1=buttonmask.bmp", "2=checkradio.bmp", "3=scroll.bmp", "4=buttons.bmp", "5=edit.bmp",
             "6=progress.bmp", "7=tabs.bmp", "8=checkmask.bmp", "",
             "[FORMINFO]", "lefttoppoint=0,0", "righttoppoint=0,0", "leftbottompoint=0,0", "rightbottompoint=0,0",
             "clientrect=0,0,0,0", "bgpictureindex=-1", "mdibgpictureindex=-1", "inactiveeffect=iebrightness", "",
             "[POPUPWINDOW]", "windowpictureindex=-1", "maskpictureindex=-1", "",
             "[HINTWINDOW]", "windowpictureindex=-1", "maskpictureindex=-1", "",
             "[SKINOBJECTS]", "count=12"]
    object_names = ["menuitem:menuitem", "caption:caption", "closebutton:stdbutton", "minimizebutton:stdbutton",
                    "maximizebutton:stdbutton", "rollupbutton:stdbutton", "mainmenubaritem:mainmenubaritem",
                    "sysmenubutton:stdbutton", "menubarsysmenubutton:mainmenubarbutton",
                    "menubarclosebutton:mainmenubarbutton", "menubarmaxbutton:mainmenubarbutton",
                    "menubarminbutton:mainmenubarbutton"]
    lines += ["%d=%s" % (i, n) for i, n in enumerate(object_names)]
    lines += ["", "[SKINCONTROLS]", "count=%d" % len(items)]
    lines += ["%d=%s:%s" % (i, name, kind) for i, (name, kind, _) in enumerate(items)]
    lines.append("")
    # The button skin has no frame: its objects hold the menu look the
    # buttons' drop-down menus share, and empty caption buttons.
    lines += ["[menuitem]", "activepictureindex=5", "skinrect=48,0,96,18", "activeskinrect=48,34,96,48",
              "itemleftoffset=3", "itemrightoffset=3", "dividerrect=0,0,0,0", "textrect=4,0,44,18"] + FONT + [
                 "fontcolor=%d" % bgr("1e2a36"), "activefontcolor=%d" % bgr("0f2a48"),
                 "unenabledfontcolor=%d" % GREY_TEXT, ""]
    lines += ["[caption]", "skinrect=0,0,0,0", "textrect=0,0,0,0"] + FONT + ["alignment=taleftjustify", ""]
    for name, command in (("closebutton", "cmclose"), ("minimizebutton", "cmminimize"),
                          ("maximizebutton", "cmmaximize"), ("rollupbutton", "cmrollup"),
                          ("sysmenubutton", "cmsysmenu")):
        lines += ["[%s]" % name, "skinrect=0,0,0,0", "command=%s" % command, ""]
    lines += ["[mainmenubaritem]", "activepictureindex=5", "skinrect=48,0,96,18", "activeskinrect=48,18,96,34",
              "downrect=48,34,96,48", "textrect=4,0,44,18"] + FONT + ["unenabledfontColor=%d" % GREY_TEXT, ""]
    for name, command in (("menubarsysmenubutton", "cmsysmenu"), ("menubarclosebutton", "cmclose"),
                          ("menubarmaxbutton", "cmmaximize"), ("menubarminbutton", "cmminimize")):
        lines += ["[%s]" % name, "skinrect=0,0,0,0", "command=%s" % command, ""]
    for _, _, section in items:
        lines += section + [""]
    return lines


def build(folder):
    os.makedirs(folder, exist_ok=True)
    save_bmp(panel_picture(), os.path.join(folder, "panel.bmp"), 8)
    save_bmp(buttonmask_picture(), os.path.join(folder, "buttonmask.bmp"), 1)
    save_bmp(checkradio_picture(), os.path.join(folder, "checkradio.bmp"), 24)
    save_bmp(scroll_picture(), os.path.join(folder, "scroll.bmp"), 24)
    save_bmp(buttons_picture(), os.path.join(folder, "buttons.bmp"), 24)
    save_bmp(edit_picture(), os.path.join(folder, "edit.bmp"), 8)
    save_bmp(progress_picture(), os.path.join(folder, "progress.bmp"), 24)
    save_bmp(tabs_picture(), os.path.join(folder, "tabs.bmp"), 8)
    save_bmp(checkmask_picture(), os.path.join(folder, "checkmask.bmp"), 1)
    with open(os.path.join(folder, "Graphite.ini"), "w", newline="\r\n") as f:
        f.write("\n".join(ini_text()) + "\n")
