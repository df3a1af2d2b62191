#!/usr/bin/env python3
"""Writes assets/pointing-hand.cur, the about box's pointing hand: a 32 x 32 monochrome
cursor whose hot spot (13, 9) is the tip of the index finger. Black outline, white inside,
transparent around. Usage: scripts/pointing-hand-cursor.py [OUTPUT]"""
import struct
import sys

SIZE = 32
HOT_SPOT = (13, 9)

# The hand as rectangles (left, top, right, bottom, inclusive), outline included; the two
# top corners of each finger are cut off to round it.
FINGERS = [(12, 9, 16, 23), (16, 14, 20, 23), (20, 15, 24, 23), (24, 17, 27, 24)]
PALM = [(8, 20, 27, 29), (6, 19, 10, 25), (11, 28, 25, 31)]


def shape():
    inside = set()
    for left, top, right, bottom in FINGERS + PALM:
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                inside.add((x, y))
    for left, top, right, _ in FINGERS:
        inside.discard((left, top))
        inside.discard((right, top))
    return inside


def cursor():
    inside = shape()
    assert HOT_SPOT in inside
    xor_rows, and_rows = [], []
    # Bottom-up rows, one bit a pixel, the leftmost pixel in the highest bit.
    for y in reversed(range(SIZE)):
        xor_bits = and_bits = 0
        for x in range(SIZE):
            bit = 1 << (SIZE - 1 - x)
            if (x, y) not in inside:
                and_bits |= bit  # transparent
                continue
            edge = any((x + dx, y + dy) not in inside
                       for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
            if not edge:
                xor_bits |= bit  # white inside; the outline stays black
        xor_rows.append(struct.pack(">I", xor_bits))
        and_rows.append(struct.pack(">I", and_bits))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("<4B4B", 0, 0, 0, 0, 255, 255, 255, 0)
    image = header + palette + b"".join(xor_rows) + b"".join(and_rows)
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1], len(image),
                        6 + 16)
    return directory + entry + image


if __name__ == "__main__":
    output = sys.argv[1] if len(sys.argv) > 1 else "assets/pointing-hand.cur"
    with open(output, "wb") as f:
        f.write(cursor())
