#!/usr/bin/env python3
"""Checks a drawing of the sample's meteogram (a PNG of 960 x 830 pixels, as
the viewBox) for pixels of each panel's colours inside that panel's area.
Standard library only: the PNG is decoded with zlib."""
import struct
import sys
import zlib

# Panel areas (left, top, right, bottom) as plot/layout.h places them, and
# the colours that must be drawn there, with how many pixels at least.
PANELS = {
    "temperature": ((70, 110, 920, 340),
                    {"#c62828": 200, "#1565c0": 200, "#2e7d32": 40, "#6a1b9a": 40}),
    "precipitation": ((70, 390, 920, 490), {"#26a69a": 2000}),
    "sky cover": ((70, 540, 920, 610), {"#90a4ae": 5000}),
    "wind": ((70, 660, 920, 770), {"#ef6c00": 300, "#4e342e": 60}),
}
TOLERANCE = 24  # per channel, for edges smoothed by either renderer


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        sys.exit(f"{path}: not a PNG")
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
    channels = {2: 3, 6: 4}.get(colour)
    if depth != 8 or channels is None or interlace:
        sys.exit(f"{path}: an 8-bit RGB or RGBA PNG without interlace is needed")
    return width, height, channels, unfilter(zlib.decompress(idat), width, height, channels)


def unfilter(raw, width, height, bpp):
    stride = width * bpp
    rows, prev, pos = [], bytearray(stride), 0
    for _ in range(height):
        kind, line = raw[pos], bytearray(raw[pos + 1:pos + 1 + stride])
        pos += 1 + stride
        for i in range(stride):
            a = line[i - bpp] if i >= bpp else 0
            b, c = prev[i], prev[i - bpp] if i >= bpp else 0
            if kind == 1:
                line[i] = (line[i] + a) & 255
            elif kind == 2:
                line[i] = (line[i] + b) & 255
            elif kind == 3:
                line[i] = (line[i] + (a + b) // 2) & 255
            elif kind == 4:
                p = a + b - c
                pa, pb, pc = abs(p - a), abs(p - b), abs(p - c)
                line[i] = (line[i] + (a if pa <= pb and pa <= pc else b if pb <= pc else c)) & 255
        rows.append(line)
        prev = line
    return rows


def main(path):
    width, height, bpp, rows = read_png(path)
    if (width, height) != (960, 830):
        sys.exit(f"{path}: {width} x {height} pixels, not 960 x 830")
    missing = []
    for panel, ((left, top, right, bottom), colours) in PANELS.items():
        for colour, needed in colours.items():
            want = [int(colour[i:i + 2], 16) for i in (1, 3, 5)]
            count = sum(
                1 for y in range(top, bottom) for x in range(left, right)
                if all(abs(rows[y][x * bpp + k] - want[k]) <= TOLERANCE for k in range(3)))
            print(f"{path}: {panel}: {count} pixels of {colour}")
            if count < needed:
                missing.append(f"{panel} has {count} pixels of {colour}, fewer than {needed}")
    if missing:
        sys.exit("\n".join(missing))


if __name__ == "__main__":
    main(sys.argv[1])
