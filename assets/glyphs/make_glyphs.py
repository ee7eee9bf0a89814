#!/usr/bin/env python3
"""Draws the chooser's eight glyphs as 16-colour (4-bit) BMP files.

Each picture is a grid of letters, one per pixel; the letters name colours
of the standard 16-colour palette. "." is olive, which no glyph uses
otherwise: the bottom-left pixel of every glyph is ".", and the widgets draw
that colour transparent. Run it from anywhere; it writes beside itself:
    python3 assets/glyphs/make_glyphs.py
"""
import os
import struct

PALETTE = [  # (red, green, blue), standard 16-colour order
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
INDEX = {"k": 0, "m": 1, "G": 2, ".": 3, "n": 4, "p": 5, "t": 6, "s": 7,
         "g": 8, "r": 9, "l": 10, "y": 11, "b": 12, "f": 13, "a": 14, "w": 15}

GLYPHS = {
    # Drive glyphs: 16 x 11.
    "floppy": [  # a diskette with its shutter and label
        "................",
        "...kkkkkkkkkkk..",
        "...knnssssssnkk.",
        "...knnsksssnnnk.",
        "...knnsksssnnnk.",
        "...knnssssssnnk.",
        "...knnnnnnnnnnk.",
        "...knwwwwwwwwnk.",
        "...knwggggggwnk.",
        "...knwwwwwwwwnk.",
        "...kkkkkkkkkkkk.",
    ],
    "hard": [  # a drive case seen from the front, with its green light
        "................",
        "................",
        "..wwwwwwwwwwwww.",
        ".wsssssssssssssk",
        ".wsssssssssssssk",
        ".wsssssssssssssk",
        ".wggggggggggglgk",
        ".wsssssssssssssk",
        ".kkkkkkkkkkkkkkk",
        "................",
        "................",
    ],
    "network": [  # a drive case on a cable
        "................",
        "..wwwwwwwwwwwww.",
        ".wsssssssssssssk",
        ".wsssssssssssssk",
        ".wgggggggggggagk",
        ".wsssssssssssssk",
        ".kkkkkkkkkkkkkkk",
        ".......kk.......",
        ".......kk.......",
        ".kkkkkkkkkkkkkk.",
        "................",
    ],
    "cdrom": [  # a drive case with a disc in its tray
        "................",
        ".....wwwwww.....",
        "...wwaaaaaasw...",
        "..wasssssssssg..",
        "..wass.kk.sssg..",
        "..wasssssssssg..",
        "...gsssssssgg...",
        ".wwwggggggggwww.",
        ".wsssssssssssyk.",
        ".kkkkkkkkkkkkkk.",
        "................",
    ],
    "ram": [  # a memory module: chips on a green board, gold contacts
        "................",
        "................",
        ".GGGGGGGGGGGGGG.",
        ".GkkkGkkkGkkkGG.",
        ".GkkkGkkkGkkkGG.",
        ".GkkkGkkkGkkkGG.",
        ".GGGGGGGGGGGGGG.",
        ".yGyGyGyGyGyGyG.",
        "................",
        "................",
        "................",
    ],
    # Folder glyphs: 16 x 15.
    "openfolder": [  # an open yellow folder
        "................",
        "................",
        "..kkkk..........",
        ".kwyywk.........",
        ".kyyyykkkkkkk...",
        ".kyyyyyyyyyyk...",
        ".kyykkkkkkkkkkk.",
        ".kyykyyyyyyyyyyk",
        ".kykyyyyyyyyyyk.",
        ".kykyyyyyyyyyyk.",
        ".kkyyyyyyyyyyk..",
        ".kkyyyyyyyyyyk..",
        ".kkkkkkkkkkkk...",
        "................",
        "................",
    ],
    "currentfolder": [  # the open folder with a blue sheet in it
        "................",
        "................",
        "..kkkk...kkkkk..",
        ".kwyywk..kwwwwk.",
        ".kyyyykkkkbbwwk.",
        ".kyyyyyyykwwwwk.",
        ".kyykkkkkkkkkkk.",
        ".kyykyyyyyyyyyyk",
        ".kykyyyyyyyyyyk.",
        ".kykyyyyyyyyyyk.",
        ".kkyyyyyyyyyyk..",
        ".kkyyyyyyyyyyk..",
        ".kkkkkkkkkkkk...",
        "................",
        "................",
    ],
    "closedfolder": [  # a closed yellow folder
        "................",
        "................",
        "..kkkk..........",
        ".kwyywk.........",
        ".kkkkkkkkkkkkk..",
        ".kwwwwwwwwwwwyk.",
        ".kwyyyyyyyyyyyk.",
        ".kwyyyyyyyyyyyk.",
        ".kwyyyyyyyyyyyk.",
        ".kwyyyyyyyyyyyk.",
        ".kwyyyyyyyyyyyk.",
        ".kyyyyyyyyyyyyk.",
        ".kkkkkkkkkkkkkk.",
        "................",
        "................",
    ],
}
SIZES = {"floppy": (16, 11), "hard": (16, 11), "network": (16, 11), "cdrom": (16, 11),
         "ram": (16, 11), "openfolder": (16, 15), "currentfolder": (16, 15),
         "closedfolder": (16, 15)}


def bmp_bytes(rows):
    """A 4-bit BMP of the rows, bottom row first as the format stores it."""
    height, width = len(rows), len(rows[0])
    stride = ((width * 4 + 31) // 32) * 4
    pixels = bytearray()
    for row in reversed(rows):
        line = bytearray(stride)
        for x, letter in enumerate(row):
            value = INDEX[letter]
            line[x // 2] |= value << 4 if x % 2 == 0 else value
        pixels += line
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, len(pixels), 2835, 2835, 16, 0)
    return header + info + palette + bytes(pixels)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    for name, rows in GLYPHS.items():
        width, height = SIZES[name]
        assert len(rows) == height, (name, len(rows))
        assert all(len(r) == width for r in rows), name
        assert rows[-1][0] == ".", name  # the transparent colour's pixel
        with open(os.path.join(here, name + ".bmp"), "wb") as out:
            out.write(bmp_bytes(rows))


if __name__ == "__main__":
    main()
