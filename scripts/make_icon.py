#!/usr/bin/env python3
"""Makes resources/zantopo.ico from the text picture resources/icon.txt.

In the picture 'o' is white, 'X' black and '.' transparent; the icon is one
32 x 32 image of 1 bit per pixel with a black and white palette and a mask.
With --check it only says whether the committed icon matches the picture.
"""
import pathlib
import struct
import sys

ROOT = pathlib.Path(__file__).resolve().parent.parent
PICTURE = ROOT / "resources" / "icon.txt"
ICON = ROOT / "resources" / "zantopo.ico"
SIZE = 32


def pack_rows(rows, is_set):
    # Bitmaps are stored bottom-up, most significant bit leftmost.
    data = b""
    for row in reversed(rows):
        bits = 0
        for x, pixel in enumerate(row):
            if is_set(pixel):
                bits |= 1 << (SIZE - 1 - x)
        data += struct.pack(">I", bits)
    return data


def make_icon(text):
    rows = text.split()
    if len(rows) != SIZE or any(len(row) != SIZE or set(row) - set("oX.") for row in rows):
        raise SystemExit("icon.txt must be 32 rows of 32 characters from 'o', 'X' and '.'")
    colours = pack_rows(rows, lambda pixel: pixel == "o")
    mask = pack_rows(rows, lambda pixel: pixel == ".")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, 1, 0, len(colours) + len(mask),
                         0, 0, 2, 0)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + colours + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, 1, 1, len(image), 6 + 16)
    return directory + entry + image


def main():
    icon = make_icon(PICTURE.read_text())
    if "--check" in sys.argv:
        if ICON.read_bytes() != icon:
            raise SystemExit("resources/zantopo.ico does not match resources/icon.txt")
        print("icon matches its picture")
        return
    ICON.write_bytes(icon)


if __name__ == "__main__":
    main()
