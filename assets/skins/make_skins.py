#!/usr/bin/env python3
"""Draws our two skins, "Lumen" (the window frame) and "Graphite" (the
buttons), into skin folders of BMP pictures and an INI text that
`skinc build` compiles into stored skins.

usage: make_skins.py [output-folder]   (default: the folder of this script)
"""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))

import graphite  # noqa: E402
import lumen  # noqa: E402


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    lumen.build(os.path.join(out, "Lumen"))
    graphite.build(os.path.join(out, "Graphite"))


if __name__ == "__main__":
    main()
