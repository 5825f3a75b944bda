#!/usr/bin/env python3
"""Whether a window's _NET_WM_ICON shows the program's icon.

Usage: icon_check.py ICON.ico XPROP_OUTPUT
XPROP_OUTPUT is `xprop -id WINDOW -notype -f _NET_WM_ICON 32c _NET_WM_ICON`: the width, the
height and then width x height ARGB pixels, for each size the window carries. Each size that
the .ico also holds as a bitmap is compared pixel by pixel (colour only where the pixel is not
transparent); the icon is the program's when every such size is within a small difference
and at least one size was compared. Prints one line per size.
"""
import re
import struct
import sys


def ico_bitmaps(path):
    """{(w, h): [ARGB, ...]} for the 32-bit bitmap entries, rows top first."""
    data = open(path, "rb").read()
    _, _, count = struct.unpack_from("<HHH", data, 0)
    images = {}
    for i in range(count):
        w, h, _, _, _, bits, size, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        blob = data[offset:offset + size]
        if blob.startswith(b"\x89PNG") or bits != 32:
            continue
        header = struct.unpack_from("<I", blob, 0)[0]
        w, h = w or 256, h or 256
        rows = []
        for y in range(h):
            start = header + y * w * 4
            rows.append([struct.unpack_from("<I", blob, start + 4 * x)[0] for x in range(w)])
        images[(w, h)] = [p for row in reversed(rows) for p in row]  # stored bottom-up
    return images


def window_icons(path):
    text = open(path).read()
    if "=" not in text:
        return {}
    numbers = [int(n) for n in re.findall(r"\d+", text.split("=", 1)[1])]
    icons, i = {}, 0
    while i + 2 <= len(numbers):
        w, h = numbers[i], numbers[i + 1]
        icons[(w, h)] = numbers[i + 2:i + 2 + w * h]
        i += 2 + w * h
    return icons


def difference(a, b):
    total = 0
    for p, q in zip(a, b):
        channels = (24, 16, 8, 0) if (p >> 24) > 16 or (q >> 24) > 16 else (24,)
        total += sum(abs(((p >> s) & 255) - ((q >> s) & 255)) for s in channels)
    return total / (4 * len(a))


def main():
    ico, shown = ico_bitmaps(sys.argv[1]), window_icons(sys.argv[2])
    if not shown:
        print("the window carries no _NET_WM_ICON")
        return 1
    compared = 0
    ok = True
    for size in sorted(shown):
        if size not in ico or len(shown[size]) != size[0] * size[1]:
            print(f"{size[0]}x{size[1]}: not a size of the program's icon")
            continue
        d = difference(ico[size], shown[size])
        compared += 1
        ok = ok and d < 8
        print(f"{size[0]}x{size[1]}: mean difference {d:.2f} per channel from the program's icon")
    return 0 if ok and compared else 1


if __name__ == "__main__":
    sys.exit(main())
