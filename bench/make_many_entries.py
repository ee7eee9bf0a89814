#!/usr/bin/env python3
"""Writes an archive of many tiny stored entries for the listing benchmark.

  make_many_entries.py OUT.zip ENTRIES inorder|reversed

inorder:  names ascending, central directory in local-header order.
reversed: the central directory written back to front, so that the reader
          meets the entries with their offsets and their names descending:
          every list it builds (by offset, by name) arrives in reverse.
More than 65 535 entries get a Zip64 end record and locator.
"""
import struct
import sys
import zlib

out, count, order = sys.argv[1], int(sys.argv[2]), sys.argv[3]
reverse = order == "reversed"
central = []
with open(out, "wb") as f:
    offset = 0
    for i in range(count):
        name = b"dir%03d/file%07d.txt" % (i // 2000, i)  # name order is index order
        data = b"%d\n" % i
        crc = zlib.crc32(data)
        local = struct.pack("<IHHHHHIIIHH", 0x04034B50, 10, 0, 0, 0x6000, 0x58C9, crc, len(data), len(data),
                            len(name), 0) + name + data
        f.write(local)
        central.append(struct.pack("<IHHHHHHIIIHHHHHII", 0x02014B50, 20, 10, 0, 0, 0x6000, 0x58C9, crc,
                                   len(data), len(data), len(name), 0, 0, 0, 0, 0x20, offset) + name)
        offset += len(local)
    if reverse:
        central.reverse()
    cd_start = offset
    for c in central:
        f.write(c)
    cd_size = sum(len(c) for c in central)
    small = count <= 0xFFFF
    if not small:
        zip64_at = cd_start + cd_size
        f.write(struct.pack("<IQHHIIQQQQ", 0x06064B50, 44, 45, 45, 0, 0, count, count, cd_size, cd_start))
        f.write(struct.pack("<IIQI", 0x07064B50, 0, zip64_at, 1))
    n16 = count if small else 0xFFFF
    f.write(struct.pack("<IHHHHIIH", 0x06054B50, 0, 0, n16, n16, cd_size, cd_start, 0))
