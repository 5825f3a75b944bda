#!/usr/bin/env python3
"""Writes the taper pin record files data/000 (sizes) and data/003 (lengths).

Taper pins after ANSI/ASME B18.8.2: taper 1/4 inch per foot on the diameter, sizes 7/0 to
10, each with its basic (large-end) diameter and the lengths it is made in. The lengths of
one size are consecutive records of 003; the size's record in 000 names the first and the
last of them (records numbered from 1).

000: 20-byte records: name (12 characters, blank padded), large-end diameter (little-endian
     single), first and last length record (little-endian 16-bit signed).
003: 10-byte records: length label (6 characters, blank padded), length (little-endian single).

Run from anywhere: python3 tools/make_taper_tables.py [OUTPUT_FOLDER] (default: data/).
"""
import os
import struct
import sys
from fractions import Fraction

# Size number, basic diameter at the large end (inches), shortest and longest length.
SIZES = [
    ("7/0", 0.0625, "1/4", "1"),
    ("6/0", 0.0780, "1/4", "1-1/2"),
    ("5/0", 0.0940, "1/4", "1-1/2"),
    ("4/0", 0.1090, "1/4", "2"),
    ("3/0", 0.1250, "3/8", "2"),
    ("2/0", 0.1410, "1/2", "2-1/2"),
    ("0", 0.1560, "1/2", "3"),
    ("1", 0.1720, "3/4", "3"),
    ("2", 0.1930, "3/4", "3-1/2"),
    ("3", 0.2190, "3/4", "4"),
    ("4", 0.2500, "1", "4"),
    ("5", 0.2890, "1", "5"),
    ("6", 0.3410, "1-1/4", "6"),
    ("7", 0.4090, "1-1/4", "8"),
    ("8", 0.4920, "1-1/2", "8"),
    ("9", 0.5910, "2", "8"),
    ("10", 0.7060, "2", "8"),
]


def parse_length(text):
    """'1-1/4' -> Fraction(5, 4)."""
    whole, _, part = text.partition("-")
    if "/" in whole:
        return Fraction(whole)
    return Fraction(int(whole)) + (Fraction(part) if part else 0)


def label(length):
    whole, part = divmod(length, 1)
    if part == 0:
        return str(int(whole))
    frac = f"{part.numerator}/{part.denominator}"
    return frac if whole == 0 else f"{int(whole)}-{frac}"


def standard_lengths():
    """Nominal lengths: 1/8 inch steps to 1 inch, 1/4 to 3 inches, 1/2 beyond."""
    lengths, x = [], Fraction(1, 4)
    while x <= 8:
        lengths.append(x)
        x += Fraction(1, 8) if x < 1 else Fraction(1, 4) if x < 3 else Fraction(1, 2)
    return lengths


def padded(text, width):
    data = text.encode("ascii")
    assert len(data) <= width, text
    return data.ljust(width, b" ")


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(
        os.path.dirname(os.path.abspath(__file__)), "..", "data")
    sizes, lengths = b"", b""
    record = 0
    for name, diameter, shortest, longest in SIZES:
        lo, hi = parse_length(shortest), parse_length(longest)
        first = record + 1
        for length in standard_lengths():
            if lo <= length <= hi:
                # The small end must stay well above zero (0.02083 per inch of length).
                assert diameter - float(length) * 0.02083 > 0.02, (name, length)
                record += 1
                lengths += padded(label(length), 6) + struct.pack("<f", float(length))
        sizes += padded("No. " + name, 12) + struct.pack("<fhh", diameter, first, record)
    assert record <= 32767
    with open(os.path.join(out, "000"), "wb") as f:
        f.write(sizes)
    with open(os.path.join(out, "003"), "wb") as f:
        f.write(lengths)
    print(f"000: {len(SIZES)} sizes; 003: {record} lengths")


if __name__ == "__main__":
    main()
