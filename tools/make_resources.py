#!/usr/bin/env python3
"""Writes the program's icon and the editor's picture into app/resources/.

Run from anywhere: python3 tools/make_resources.py. The output is the same
on every run, so the files in the repository can be checked against it.
"""

import os
import struct
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "..", "app", "resources")

# The 16 colours of the classic VGA palette, as (red, green, blue).
VGA = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, GREEN, NAVY, PURPLE, MAGENTA, WHITE = 0, 2, 4, 5, 13, 15

ICON_SIZE = 32


def badge_shape(x, y):
    """'out', 'rim', 'fill' or 'letter' for a pixel of the round badge."""
    cx = cy = (ICON_SIZE - 1) / 2
    d2 = (x - cx) ** 2 + (y - cy) ** 2
    if d2 > 15.5 ** 2:
        return "out"
    if d2 > 13.6 ** 2:
        return "rim"
    # The letter i: a round dot over a stem with a foot.
    if (x - 15.5) ** 2 + (y - 8.5) ** 2 <= 2.3 ** 2:
        return "letter"
    if 14 <= x <= 17 and 12 <= y <= 24:
        return "letter"
    if 12 <= x <= 13 and 12 <= y <= 13:
        return "letter"
    if 12 <= x <= 19 and 24 <= y <= 25:
        return "letter"
    return "fill"


def icon_image(bits, colours):
    """One BITMAPINFOHEADER image of the icon: colour table, XOR and AND bits."""
    palette = VGA if bits == 4 else [(0, 0, 0), (255, 255, 255)]
    header = struct.pack("<IiiHHIIiiII", 40, ICON_SIZE, ICON_SIZE * 2, 1, bits, 0,
                         0, 0, 0, len(palette), 0)
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in palette)
    xor_rows, and_rows = [], []
    for y in reversed(range(ICON_SIZE)):  # bottom-up rows
        indices, mask = [], []
        for x in range(ICON_SIZE):
            part = badge_shape(x, y)
            indices.append(colours[part])
            mask.append(1 if part == "out" else 0)
        xor_rows.append(pack_row(indices, bits))
        and_rows.append(pack_row(mask, 1))
    return header + table + b"".join(xor_rows) + b"".join(and_rows)


def pack_row(values, bits):
    """Packs pixel values MSB first and pads the row to 4 bytes."""
    per_byte = 8 // bits
    out = bytearray()
    for i in range(0, len(values), per_byte):
        byte = 0
        for j, v in enumerate(values[i:i + per_byte]):
            byte |= v << (8 - bits * (j + 1))
        out.append(byte)
    while len(out) % 4:
        out.append(0)
    return bytes(out)


def make_icon():
    images = [
        (4, icon_image(4, {"out": BLACK, "rim": PURPLE, "fill": MAGENTA,
                            "letter": GREEN})),
        (1, icon_image(1, {"out": 0, "rim": 0, "fill": 0, "letter": 1})),
        (4, icon_image(4, {"out": BLACK, "rim": BLACK, "fill": NAVY,
                            "letter": WHITE})),
    ]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for bits, data in images:
        colours = 16 if bits == 4 else 2
        out += struct.pack("<BBBBHHII", ICON_SIZE, ICON_SIZE, colours, 0, 1, bits,
                           len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, data in images)


# The editor's picture: a grey memory card with a label and gold contacts.
CARD_W, CARD_H = 43, 44
CARD_PALETTE = [
    (255, 0, 255),    # 0 transparent
    (0, 0, 0),        # 1 outline
    (64, 64, 64),     # 2 dark shadow
    (128, 128, 128),  # 3 shadow
    (176, 176, 176),  # 4 body
    (208, 208, 208),  # 5 light body
    (255, 255, 255),  # 6 highlight, label
    (224, 176, 48),   # 7 contact
    (144, 104, 24),   # 8 contact shade
    (200, 32, 32),    # 9 red
    (240, 208, 0),    # 10 yellow
    (32, 160, 64),    # 11 green
    (32, 64, 200),    # 12 blue
    (16, 24, 96),     # 13 label writing
    (200, 216, 240),  # 14 label band
    (120, 16, 16),    # 15 notch
]
TRANSPARENT = 0


def card_pixels():
    px = [[TRANSPARENT] * CARD_W for _ in range(CARD_H)]

    def fill(x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = c

    left, top, right, bottom = 8, 2, 34, 41
    fill(left, top, right, bottom, 4)
    fill(left + 1, top + 1, right - 1, top + 1, 5)         # light top edge
    fill(left + 1, top + 1, left + 1, bottom - 1, 6)       # highlight left edge
    fill(right - 1, top + 2, right - 1, bottom - 1, 3)     # shadow right edge
    fill(left + 2, bottom - 1, right - 1, bottom - 1, 3)   # shadow bottom edge
    fill(left, top, right, top, 1)                         # outline
    fill(left, bottom, right, bottom, 1)
    fill(left, top, left, bottom, 1)
    fill(right, top, right, bottom, 1)
    fill(right + 1, top + 2, right + 1, bottom + 1, 2)     # drop shadow
    fill(left + 2, bottom + 1, right + 1, bottom + 1, 2)
    for d in range(5):                                     # cut corner
        fill(right - 4 + d, top + d, right, top + d, TRANSPARENT)
        px[top + d][right - 4 + d] = 1
    # The label: a white sticker with a band, a four-colour mark and writing.
    fill(11, 6, 31, 22, 6)
    fill(11, 6, 31, 8, 14)
    fill(26, 7, 29, 7, 15)
    fill(13, 11, 15, 13, 9)
    fill(16, 11, 18, 13, 10)
    fill(13, 14, 15, 16, 11)
    fill(16, 14, 18, 16, 12)
    for y in (12, 15, 18):
        fill(21, y, 29, y, 13)
    fill(13, 19, 18, 19, 13)
    # Gold contacts along the bottom edge.
    fill(11, 31, 31, 31, 3)
    for x in range(12, 31, 3):
        fill(x, 33, x + 1, 38, 7)
        fill(x + 1, 34, x + 1, 38, 8)
    return px


def lzw_encode(indices, min_code_size):
    """GIF's variable-length LZW, codes packed LSB first."""
    clear = 1 << min_code_size
    end = clear + 1
    out = bytearray()
    bit_buffer = bit_count = 0

    def emit(code, width):
        nonlocal bit_buffer, bit_count
        bit_buffer |= code << bit_count
        bit_count += width
        while bit_count >= 8:
            out.append(bit_buffer & 0xFF)
            bit_buffer >>= 8
            bit_count -= 8

    def reset():
        return {(i,): i for i in range(clear)}, end + 1, min_code_size + 1

    table, next_code, width = reset()
    emit(clear, width)
    prefix = ()
    for value in indices:
        candidate = prefix + (value,)
        if candidate in table:
            prefix = candidate
            continue
        emit(table[prefix], width)
        if next_code < 4096:
            table[candidate] = next_code
            next_code += 1
            # The decoder widens after the code that fills the width.
            if next_code > (1 << width) and width < 12:
                width += 1
        else:
            emit(clear, width)
            table, next_code, width = reset()
        prefix = (value,)
    if prefix:
        emit(table[prefix], width)
    emit(end, width)
    if bit_count:
        out.append(bit_buffer & 0xFF)
    return bytes(out)


def make_gif():
    pixels = card_pixels()
    flat = [c for row in pixels for c in row]
    used = set(flat)
    if used != set(range(16)):
        sys.exit(f"the picture must use exactly 16 colours, it uses {sorted(used)}")
    out = bytearray(b"GIF89a")
    # Global colour table present, 8 bits per primary, 256 entries.
    out += struct.pack("<HHBBB", CARD_W, CARD_H, 0x80 | 0x70 | 0x07, 0, 0)
    table = CARD_PALETTE + [(0, 0, 0)] * (256 - len(CARD_PALETTE))
    out += b"".join(bytes(rgb) for rgb in table)
    # Graphic control extension: no disposal, transparent colour flag set.
    out += struct.pack("<BBBBHBB", 0x21, 0xF9, 4, 0x01, 0, TRANSPARENT, 0)
    out += struct.pack("<BHHHHB", 0x2C, 0, 0, CARD_W, CARD_H, 0)
    min_code_size = 8
    data = lzw_encode(flat, min_code_size)
    out.append(min_code_size)
    for i in range(0, len(data), 255):
        block = data[i:i + 255]
        out.append(len(block))
        out += block
    out += b"\x00\x3B"
    return bytes(out)


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, data in (("slotmate.ico", make_icon()), ("game.gif", make_gif())):
        with open(os.path.join(OUT, name), "wb") as f:
            f.write(data)
        print(f"{name}: {len(data)} bytes")


if __name__ == "__main__":
    main()
