#!/usr/bin/env python3
"""Draws the window icon, a red heart with a grey shadow, and writes it as a Windows icon file
with a 32x32 and a 16x16 image in the standard 16-colour palette with a transparency mask.

Usage: scripts/make_icon.py [OUTPUT]   (default: resources/heart.ico)
"""
import pathlib
import struct
import sys

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


def main():
    root = pathlib.Path(__file__).resolve().parent.parent
    output = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else root / "resources" / "heart.ico"
    data = icon_file([32, 16])
    output.write_bytes(data)
    print(f"{output}: {len(data)} bytes")


if __name__ == "__main__":
    main()
