#!/usr/bin/env python3
"""Writes seed corpora for fuzz_SkinContainer and fuzz_SkinIni from our two
stored skins, plus a few hostile variants (version 2 and 4, cut pictures,
absurd counts).

usage: make_skin_seeds.py <container-dir> <ini-dir>
"""

import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))
SKINS = os.path.join(HERE, "..", "assets", "skins")


def stored(name):
    with open(os.path.join(SKINS, name + ".skn"), "rb") as f:
        data = f.read()
    length = struct.unpack_from("<i", data, 4)[0]
    return data[8:8 + length]


def main():
    cont_dir, ini_dir = sys.argv[1], sys.argv[2]
    os.makedirs(cont_dir, exist_ok=True)
    os.makedirs(ini_dir, exist_ok=True)

    def put(folder, name, data):
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)

    for name in ("Lumen", "Graphite"):
        z = stored(name)
        raw = zlib.decompress(z)
        put(cont_dir, name + ".zlib", z)
        put(cont_dir, name + ".container", raw)
        put(cont_dir, name + ".v4", struct.pack("<i", 4) + raw[4:])
        put(cont_dir, name + ".cut", raw[:len(raw) // 3])
        put(cont_dir, name + ".zlibcut", z[:len(z) // 2])
        ini_start = raw.find(b"[VERSION]")
        put(ini_dir, name + ".ini", raw[ini_start:])
    # Version 2 with its two extra pictures absent, and a huge picture count.
    put(cont_dir, "v2", struct.pack("<i", 2) + b"\x01" * 5 + struct.pack("<i", 0) + b"[VERSION]\r\nskinname=v2\r\n")
    put(cont_dir, "hugecount", struct.pack("<i", 1) + b"\x01\x01\x01" + struct.pack("<i", 0x7FFFFFFF) + b"BM")
    put(ini_dir, "counts", b"[SKINOBJECTS]\r\ncount=2147483647\r\n0=a:caption\r\n[a]\r\nskinrect=-1,2,3,4\r\n"
                           b"[PICTURES]\r\nactivepicturescount=99999999\r\n")


if __name__ == "__main__":
    main()
