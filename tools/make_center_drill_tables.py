#!/usr/bin/env python3
"""Writes the center drill record files data/001 (plain type) and data/002 (bell type).

Combined drills and countersinks after ASME B94.11M, inch sizes.

001, plain type (60 degree countersink), sizes #00 to #8: 22-byte records of
     name (10 characters, blank padded), body diameter D1 (the widest the 60 degree cone
     can be cut), drill diameter D2 and drill (pilot) length L, each a little-endian single.
002, bell type (60 degree countersink under a 120 degree protecting chamfer), sizes #11 to
     #18: 23-byte records of name (11 characters, blank padded), body diameter B1 (the
     widest the 120 degree chamfer can be cut), drill diameter B2 and bell diameter B3 (where
     the 60 degree cone meets the chamfer), each a little-endian single. A bell hole's pilot
     is drawn as long as it is wide, so its drill length is not stored.

Run from anywhere: python3 tools/make_center_drill_tables.py [OUTPUT_FOLDER] (default: data/).
"""
import os
import struct
import sys
from fractions import Fraction as F

# Size, body diameter, drill diameter, drill length (inches).
PLAIN = [
    ("#00", F(1, 8), F(25, 1000), F(30, 1000)),
    ("#0", F(1, 8), F(1, 32), F(38, 1000)),
    ("#1", F(1, 8), F(3, 64), F(3, 64)),
    ("#2", F(3, 16), F(5, 64), F(5, 64)),
    ("#3", F(1, 4), F(7, 64), F(7, 64)),
    ("#4", F(5, 16), F(1, 8), F(1, 8)),
    ("#5", F(7, 16), F(3, 16), F(3, 16)),
    ("#6", F(1, 2), F(7, 32), F(7, 32)),
    ("#7", F(5, 8), F(1, 4), F(1, 4)),
    ("#8", F(3, 4), F(5, 16), F(5, 16)),
]

# Size, body diameter, drill diameter, bell diameter (inches).
BELL = [
    ("#11", F(1, 8), F(3, 64), F(100, 1000)),
    ("#12", F(3, 16), F(1, 16), F(150, 1000)),
    ("#13", F(1, 4), F(3, 32), F(200, 1000)),
    ("#14", F(5, 16), F(7, 64), F(250, 1000)),
    ("#15", F(7, 16), F(5, 32), F(350, 1000)),
    ("#16", F(1, 2), F(3, 16), F(400, 1000)),
    ("#17", F(5, 8), F(7, 32), F(500, 1000)),
    ("#18", F(3, 4), F(1, 4), F(600, 1000)),
]


def padded(name, width):
    data = name.encode("ascii")
    assert len(data) <= width, name
    return data.ljust(width, b" ")


def plain_records():
    out = b""
    for name, body, drill, length in PLAIN:
        assert drill < body, name
        out += padded(name, 10) + struct.pack("<fff", body, drill, length)
    return out


def bell_records():
    out = b""
    for name, body, drill, bell in BELL:
        assert drill < bell < body, name
        # The record's field order: chamfer (body) diameter, drill diameter, bell diameter.
        out += padded(name, 11) + struct.pack("<fff", body, drill, bell)
    return out


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "data")
    for name, data, length in (("001", plain_records(), 22), ("002", bell_records(), 23)):
        assert len(data) % length == 0
        with open(os.path.join(folder, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data) // length} records")


if __name__ == "__main__":
    main()
