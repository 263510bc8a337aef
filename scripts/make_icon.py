#!/usr/bin/env python3
"""Draws the program's icon, a red heart with a grey shadow, from one drawing (the heart curve
below), and writes:
- resources/heart.ico: the window icon, a 32x32 and a 16x16 image in the standard 16-colour
  palette with a transparency mask;
- resources/icons/riziko-infarktu.svg and resources/icons/<N>x<N>/riziko-infarktu.png
  (16, 32, 48, 256): the desktop icon for the hicolor theme.

Usage: scripts/make_icon.py
"""
import math
import pathlib
import struct
import zlib

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
MAROON, GREY, RED, WHITE = 1, 8, 9, 15
TRANSPARENT = None


def inside_heart(x, y):
    """The drawing: the classic heart curve (x^2 + y^2 - 1)^3 = x^2 y^3, y pointing up."""
    return (x * x + y * y - 1) ** 3 - x * x * y ** 3 <= 0


def heart_mask(size, offset):
    """Pixels of a heart filling about 85 % of the square, shifted right and down by offset."""
    samples = 4  # per axis: a pixel belongs to the heart when most of it does
    mask = []
    for row in range(size):
        line = []
        for col in range(size):
            hits = 0
            for sy in range(samples):
                for sx in range(samples):
                    px = col - offset + (sx + 0.5) / samples
                    py = row - offset + (sy + 0.5) / samples
                    x = (px / size - 0.47) * 2.9
                    y = (0.50 - py / size) * 2.9
                    hits += inside_heart(x, y)
            line.append(hits * 2 > samples * samples)
        mask.append(line)
    return mask


def draw(size):
    """Rows of palette indices, top row first, None where transparent."""
    shadow_offset = max(1, size // 16)
    heart = heart_mask(size, 0)
    shadow = heart_mask(size, shadow_offset)
    pixels = []
    for row in range(size):
        line = []
        for col in range(size):
            if heart[row][col]:
                edge = any(
                    not (0 <= row + dy < size and 0 <= col + dx < size and heart[row + dy][col + dx])
                    for dy, dx in ((-1, 0), (1, 0), (0, -1), (0, 1)))
                line.append(MAROON if edge else RED)
            elif shadow[row][col]:
                line.append(GREY)
            else:
                line.append(TRANSPARENT)
        pixels.append(line)
    # A small highlight on the upper left lobe.
    spot = size // 4
    for row, col in ((spot, spot), (spot, spot + 1), (spot + 1, spot)):
        if pixels[row][col] == RED:
            pixels[row][col] = WHITE
    return pixels


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def icon_image(pixels):
    """A BITMAPINFOHEADER, the palette, the 4-bit colour bitmap and the 1-bit mask, bottom-up."""
    size = len(pixels)
    colour_rows, mask_rows = [], []
    for line in reversed(pixels):
        nibbles = [0 if p is TRANSPARENT else p for p in line]
        colour_rows.append(padded(bytes(nibbles[i] << 4 | nibbles[i + 1] for i in range(0, size, 2))))
        bits = [1 if p is TRANSPARENT else 0 for p in line]
        mask_rows.append(padded(bytes(
            sum(bit << (7 - k) for k, bit in enumerate(bits[i:i + 8])) for i in range(0, size, 8))))
    bitmap = b"".join(colour_rows) + b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, len(bitmap), 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for r, g, b in PALETTE)
    return header + palette + bitmap


def icon_file(sizes):
    images = [icon_image(draw(size)) for size in sizes]
    offset = 6 + 16 * len(images)
    directory = b""
    for size, image in zip(sizes, images):
        directory += struct.pack("<BBBBHHII", size, size, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return struct.pack("<HHH", 0, 1, len(images)) + directory + b"".join(images)


# The desktop icon: the same curve, smooth, in the unit square (0..1, y down).
SCALE, CENTRE_X, CENTRE_Y = 2.9, 0.47, 0.50
SHADOW = 0.045
BODY, EDGE, SHADE, LIGHT = (224, 0, 0), (128, 0, 0), (128, 128, 128), (255, 170, 170)


def heart_at(u, v, shift=0.0):
    """Whether the point (u, v) of the unit square lies in the heart moved by shift."""
    return inside_heart((u - shift - CENTRE_X) * SCALE, (CENTRE_Y - (v - shift)) * SCALE)


def colour_at(u, v):
    """RGBA of one point of the smooth icon."""
    if heart_at(u, v):
        inner = inside_heart((u - CENTRE_X) * SCALE * 1.08, (CENTRE_Y - v) * SCALE * 1.08)
        if not inner:
            return EDGE + (255,)
        if (u - 0.27) ** 2 / 0.006 + (v - 0.30) ** 2 / 0.003 < 1:
            return LIGHT + (255,)
        return BODY + (255,)
    if heart_at(u, v, SHADOW):
        return SHADE + (170,)
    return (0, 0, 0, 0)


def png(size):
    """An RGBA PNG of the icon, each pixel averaged over 4 x 4 samples."""
    rows = []
    for row in range(size):
        line = bytearray(b"\0")  # filter: none
        for col in range(size):
            acc = [0, 0, 0, 0]
            for sy in range(4):
                for sx in range(4):
                    r, g, b, a = colour_at((col + (sx + 0.5) / 4) / size, (row + (sy + 0.5) / 4) / size)
                    acc = [acc[0] + r * a, acc[1] + g * a, acc[2] + b * a, acc[3] + a]
            alpha = acc[3] / 16
            line += bytes([round(c / acc[3]) if acc[3] else 0 for c in acc[:3]] + [round(alpha)])
        rows.append(bytes(line))

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    header = struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(b"".join(rows), 9)) + chunk(b"IEND", b""))


def outline(shift=0.0, points=180):
    """The heart's edge as an SVG path in a 256-unit square, found along rays from its centre."""
    coords = []
    for k in range(points):
        angle = 2 * math.pi * k / points
        lo, hi = 0.0, 0.6
        for _ in range(30):  # bisect for the edge along the ray
            mid = (lo + hi) / 2
            u = CENTRE_X + shift + mid * math.sin(angle)
            v = CENTRE_Y - 0.1 + shift - mid * math.cos(angle)
            lo, hi = (mid, hi) if heart_at(u, v, shift) else (lo, mid)
        u = CENTRE_X + shift + lo * math.sin(angle)
        v = CENTRE_Y - 0.1 + shift - lo * math.cos(angle)
        coords.append(f"{u * 256:.1f},{v * 256:.1f}")
    return "M" + " L".join(coords) + " Z"


def svg():
    hexa = lambda c: "#%02x%02x%02x" % c
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Made by scripts/make_icon.py: the program's icon, a red heart with a grey shadow. -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 256 256">
  <path d="{outline(SHADOW)}" fill="{hexa(SHADE)}" fill-opacity="0.67"/>
  <path d="{outline()}" fill="{hexa(BODY)}" stroke="{hexa(EDGE)}" stroke-width="9"
        stroke-linejoin="round"/>
  <ellipse cx="{0.27 * 256:.1f}" cy="{0.30 * 256:.1f}" rx="{math.sqrt(0.006) * 256:.1f}"
           ry="{math.sqrt(0.003) * 256:.1f}" fill="{hexa(LIGHT)}"/>
</svg>
"""


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    outputs = {root / "resources" / "heart.ico": icon_file([32, 16]),
               root / "resources" / "icons" / "riziko-infarktu.svg": svg().encode()}
    for size in (16, 32, 48, 256):
        outputs[root / "resources" / "icons" / f"{size}x{size}" / "riziko-infarktu.png"] = png(size)
    for path, data in outputs.items():
        path.parent.mkdir(parents=True, exist_ok=True)
        path.write_bytes(data)
        print(f"{path.relative_to(root)}: {len(data)} bytes")


if __name__ == "__main__":
    main()
