#!/usr/bin/env python3
"""Checks that a PNG picture is a drawing and not an empty page.

Decodes the PNG with zlib alone (8-bit RGB or RGBA, not interlaced, as
rsvg-convert writes them) and requires a minimum size, a share of inked
pixels that a drawing has (neither blank nor filled), dark pixels (lines and
text), blue-tinted pixels (the water) and grey ones (the bag).

Usage: png_check.py FILE.png [MIN_WIDTH MIN_HEIGHT]
"""
import struct
import sys
import zlib


def read_png(path):
    with open(path, "rb") as fh:
        data = fh.read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG file")
    pos, idat, header = 8, b"", None
    while pos < len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        pos += 12 + length
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError("unsupported PNG layout: depth %d colour %d" % (depth, colour))
    channels = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * channels
    rows, previous = [], bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        kind, line = raw[start], bytearray(raw[start + 1:start + 1 + stride])
        for i in range(stride):
            left = line[i - channels] if i >= channels else 0
            up = previous[i]
            upper_left = previous[i - channels] if i >= channels else 0
            if kind == 1:
                line[i] = (line[i] + left) & 0xff
            elif kind == 2:
                line[i] = (line[i] + up) & 0xff
            elif kind == 3:
                line[i] = (line[i] + (left + up) // 2) & 0xff
            elif kind == 4:
                p = left + up - upper_left
                pa, pb, pc = abs(p - left), abs(p - up), abs(p - upper_left)
                pred = left if pa <= pb and pa <= pc else up if pb <= pc else upper_left
                line[i] = (line[i] + pred) & 0xff
        rows.append(line)
        previous = line
    return width, height, channels, rows


def main(path, min_width=900, min_height=500):
    width, height, channels, rows = read_png(path)
    total = inked = dark = blue = grey = 0
    for line in rows:
        for i in range(0, len(line), channels):
            r, g, b = line[i], line[i + 1], line[i + 2]
            alpha = line[i + 3] if channels == 4 else 255
            total += 1
            if alpha < 128 or min(r, g, b) >= 245:
                continue  # background
            inked += 1
            if max(r, g, b) < 80:
                dark += 1
            elif b > r + 30:
                blue += 1
            elif max(r, g, b) - min(r, g, b) < 12 and 150 <= r <= 220:
                grey += 1
    share = inked / total
    print("%s: %dx%d, inked %.1f%%, dark %d, blue %d, grey %d pixels"
          % (path, width, height, 100 * share, dark, blue, grey))
    problems = []
    if width < min_width or height < min_height:
        problems.append("smaller than %dx%d" % (min_width, min_height))
    if not 0.05 <= share <= 0.9:
        problems.append("inked share %.1f%% is not that of a drawing" % (100 * share))
    if dark < 2000:
        problems.append("hardly any lines or text")
    if blue < 2000:
        problems.append("no water")
    if grey < 500:
        problems.append("no bag")
    for problem in problems:
        print("FAIL: " + problem)
    return 1 if problems else 0


if __name__ == "__main__":
    args = sys.argv[1:]
    sys.exit(main(args[0], *(int(a) for a in args[1:3])))
