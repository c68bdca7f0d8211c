#!/usr/bin/env python3
"""Turns a 32 x 32 RGBA picture (raw bytes on stdin) into a 16-colour PNG (stdout).

The window's icon is one 32 x 32 picture with 16 colours: the icon's own colours, a few
blends of them for the anti-aliased edges, and one transparent entry.
"""
import struct
import sys
import zlib

SIZE = 32

# Index 0 is transparent; the rest are the SVG's colours and the blends its edges need.
PALETTE = [
    (0, 0, 0),        # transparent
    (255, 255, 255),  # leaf
    (74, 74, 74),     # outline and rings
    (200, 16, 46),    # top band
    (46, 125, 50),    # stem
    (67, 160, 71),    # leaf of the flower
    (229, 57, 80),    # petals
    (251, 192, 45),   # heart of the flower
    (165, 165, 165),  # outline on white
    (216, 216, 216),  # faint outline on white
    (242, 156, 167),  # petal on white
    (240, 125, 63),   # heart on petal
    (138, 43, 56),    # band on outline
    (161, 207, 163),  # green on white
    (122, 122, 122),  # outline, half covered
    (236, 174, 192),  # faint petal on white
]


def nearest(rgb):
    return min(range(1, len(PALETTE)),
               key=lambda i: sum((a - b) ** 2 for a, b in zip(rgb, PALETTE[i])))


def chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def main():
    raw = sys.stdin.buffer.read()
    if len(raw) != SIZE * SIZE * 4:
        sys.exit(f"expected {SIZE * SIZE * 4} bytes of RGBA, got {len(raw)}")
    rows = bytearray()
    for y in range(SIZE):
        rows.append(0)  # filter: none
        indices = []
        for x in range(SIZE):
            r, g, b, a = raw[(y * SIZE + x) * 4:(y * SIZE + x) * 4 + 4]
            indices.append(0 if a < 128 else nearest((r, g, b)))
        for x in range(0, SIZE, 2):
            rows.append(indices[x] << 4 | indices[x + 1])
    png = b"\x89PNG\r\n\x1a\n"
    png += chunk(b"IHDR", struct.pack(">IIBBBBB", SIZE, SIZE, 4, 3, 0, 0, 0))
    png += chunk(b"PLTE", b"".join(bytes(c) for c in PALETTE))
    png += chunk(b"tRNS", b"\x00")
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 9))
    png += chunk(b"IEND", b"")
    sys.stdout.buffer.write(png)


if __name__ == "__main__":
    main()
