#!/usr/bin/env python3
"""Checks a screenshot (binary PPM) of the maximised background window against the
gradient it must show: 96 bands from the start colour at the top of the client area to
the end colour at its bottom, each component start + delta * i / 95 truncated toward
zero and limited to 0..255.
Usage: check_gradient.py SCREEN.ppm X CLIENT_BOTTOM R0 G0 B0 R1 G1 B1
X is a column that no other window covers; the client area's top is found as the first
row below the title bar that has the start colour."""
import sys


def read_ppm(path):
    data = open(path, "rb").read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b"#":  # a comment runs to the end of its line
            pos = data.index(b"\n", pos)
            continue
        start = pos
        while not data[pos:pos + 1].isspace():
            pos += 1
        fields.append(data[start:pos])
    assert fields[0] == b"P6", "not a binary PPM"
    width, height = int(fields[1]), int(fields[2])
    return width, height, data[pos + 1:]


def component(start, delta, band):
    value = start + int(delta * band / 95)  # truncation toward zero, as C does
    return max(0, min(255, value))


def main():
    path, x, bottom = sys.argv[1], int(sys.argv[2]), int(sys.argv[3])
    start = [int(v) for v in sys.argv[4:7]]
    end = [int(v) for v in sys.argv[7:10]]
    delta = [e - s for s, e in zip(start, end)]
    width, height, pixels = read_ppm(path)

    def pixel(px, py):
        offset = (py * width + px) * 3
        return tuple(pixels[offset:offset + 3])

    first = tuple(component(s, d, 0) for s, d in zip(start, delta))
    top = next((y for y in range(bottom) if pixel(x, y) == first), None)
    if top is None:
        print(f"FAIL: no row in column {x} has the start colour {first}")
        return 1
    client_height = bottom - top
    failures = 0
    for band in range(96):
        band_top = max(0, band * client_height // 96)
        band_bottom = (band + 1) * client_height // 96
        if band_bottom - band_top < 3:
            continue
        y = top + (band_top + band_bottom) // 2
        expected = tuple(component(s, d, band) for s, d in zip(start, delta))
        if pixel(x, y) != expected:
            print(f"FAIL: band {band} at row {y}: expected {expected}, got {pixel(x, y)}")
            failures += 1
    print(f"client area rows {top}..{bottom}, {96} bands checked in column {x}, {failures} wrong")
    return 1 if failures else 0


sys.exit(main())
