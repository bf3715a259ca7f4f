#!/usr/bin/env python3
"""Fails unless THEME-DIR/<N>x<N>/apps/NAME.png is, for each SIZE given, an
N x N 8-bit RGBA PNG with semi-transparent pixels: a 32-bit picture of the
.ico, not one of its paletted ones, whose mask is only on or off.
theme_icons.py THEME-DIR NAME SIZE..."""
import struct
import sys
import zlib
from pathlib import Path

RGBA = 6
BYTES_PER_PIXEL = 4


def chunks(data):
    position = 8
    while position < len(data):
        (length,) = struct.unpack(">I", data[position : position + 4])
        kind = data[position + 4 : position + 8]
        yield kind, data[position + 8 : position + 8 + length]
        position += 12 + length


def paeth(left, up, up_left):
    estimate = left + up - up_left
    distances = [abs(estimate - left), abs(estimate - up), abs(estimate - up_left)]
    return (left, up, up_left)[distances.index(min(distances))]


def rows(width, height, pixels):
    """The unfiltered scanlines of a non-interlaced 8-bit RGBA picture."""
    stride = width * BYTES_PER_PIXEL
    above = bytearray(stride)
    for y in range(height):
        start = y * (stride + 1)
        method, row = pixels[start], bytearray(pixels[start + 1 : start + 1 + stride])
        for i in range(stride):
            left = row[i - BYTES_PER_PIXEL] if i >= BYTES_PER_PIXEL else 0
            up_left = above[i - BYTES_PER_PIXEL] if i >= BYTES_PER_PIXEL else 0
            predictor = (0, left, above[i], (left + above[i]) // 2,
                         paeth(left, above[i], up_left))[method]
            row[i] = (row[i] + predictor) & 0xFF
        yield row
        above = row


def problem(path, size):
    data = path.read_bytes()
    if not data.startswith(b"\x89PNG\r\n\x1a\n"):
        return "not a PNG"
    parts = list(chunks(data))
    width, height, depth, colour, _, _, interlace = struct.unpack(">IIBBBBB", parts[0][1])
    if (width, height) != (size, size):
        return f"{width}x{height} pixels"
    if (depth, colour, interlace) != (8, RGBA, 0):
        return f"bit depth {depth}, colour type {colour}, interlace {interlace}"
    pixels = zlib.decompress(b"".join(body for kind, body in parts if kind == b"IDAT"))
    alphas = {row[i] for row in rows(width, height, pixels)
              for i in range(3, len(row), BYTES_PER_PIXEL)}
    if not alphas - {0, 255}:
        return "no semi-transparent pixel"
    return None


theme_dir, name, *sizes = sys.argv[1:]
failures = []
for size in map(int, sizes):
    path = Path(theme_dir, f"{size}x{size}", "apps", f"{name}.png")
    failure = problem(path, size) if path.is_file() else "missing"
    if failure:
        failures.append(f"{path}: {failure}")
sys.exit("\n".join(failures) or None)
