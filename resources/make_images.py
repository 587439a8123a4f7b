#!/usr/bin/env python3
"""Writes the program's images: the two line fields and the monitor icon.

Run it from anywhere; it rewrites the files beside itself. The output is deterministic, so the committed
files are exactly what this script writes (a test checks that).
"""
import os
import struct
import sys
import zlib

HERE = os.path.dirname(os.path.abspath(__file__))


def png(width, height, bit_depth, palette, rows, transparent=None):
    """A palette PNG; rows are lists of palette indices."""
    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    per_byte = 8 // bit_depth
    raw = bytearray()
    for row in rows:
        raw.append(0)  # no filter
        for start in range(0, width, per_byte):
            byte = 0
            for i, index in enumerate(row[start:start + per_byte]):
                byte |= index << (8 - bit_depth * (i + 1))
            raw.append(byte)
    out = b"\x89PNG\r\n\x1a\n"
    out += chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, bit_depth, 3, 0, 0, 0))
    out += chunk(b"PLTE", b"".join(bytes(rgb) for rgb in palette))
    if transparent is not None:
        out += chunk(b"tRNS", bytes(0 if i == transparent else 255 for i in range(len(palette))))
    out += chunk(b"IDAT", zlib.compress(bytes(raw), 9))
    out += chunk(b"IEND", b"")
    return out


def line_field(width, height):
    """White rows on even lines, black rows on odd lines, beginning with white, as a binary PBM (P4):
    one bit a pixel, 1 for black, rows padded to whole bytes. The program reads it without an image
    library, and every image viewer shows it."""
    row_bytes = (width + 7) // 8
    data = bytearray(b"P4\n%d %d\n" % (width, height))
    for y in range(height):
        data += (b"\x00" if y % 2 == 0 else b"\xff") * row_bytes
    return bytes(data)


def xpm(name, px):
    """The picture as an XPM, which is C source: the program compiles it in and needs no image reader."""
    symbols = {BLACK: "k", LIGHT: "l", DARK: "d", WHITE: "w", CLEAR: " "}
    colours = {BLACK: "#000000", LIGHT: "#C0C0C0", DARK: "#808080", WHITE: "#FFFFFF", CLEAR: "None"}
    used = sorted({c for row in px for c in row})
    lines = ['"%d %d %d 1",' % (len(px[0]), len(px), len(used))]
    lines += ['"%s c %s",' % (symbols[c], colours[c]) for c in used]
    lines += ['"%s",' % "".join(symbols[c] for c in row) for row in px]
    lines[-1] = lines[-1].rstrip(",")
    return ("/* XPM */\n/* written by make_images.py */\nstatic const char* const %s[] = {\n%s\n};\n"
            % (name, "\n".join(lines))).encode()


# The 16 colours of the classic palette; the icon uses five of them.
VGA16 = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128), (0, 128, 128),
         (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0), (0, 0, 255),
         (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, LIGHT, DARK, WHITE = 0, 7, 8, 15
CLEAR = 3  # drawn nowhere: stands for the see-through background
ICON = 32


def monitor():
    """A monitor on a stand: a small picture of the first view, lines on the left, gray on the right."""
    px = [[CLEAR] * ICON for _ in range(ICON)]

    def box(x0, y0, x1, y1, colour):  # inclusive corners
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    box(1, 2, 30, 23, BLACK)      # outline of the casing
    box(2, 3, 29, 22, LIGHT)      # casing
    box(3, 4, 28, 20, DARK)       # bezel
    box(5, 6, 15, 18, BLACK)      # left half of the screen: lines
    for y in range(6, 19, 2):     # seven white rows
        box(5, y, 15, y, WHITE)
    box(16, 6, 26, 18, LIGHT)     # right half: solid gray
    box(12, 24, 19, 25, BLACK)    # neck
    box(13, 24, 18, 25, LIGHT)
    box(7, 26, 24, 29, BLACK)     # foot
    box(8, 27, 23, 28, LIGHT)
    return px


def small_monitor():
    """The 16 x 16 monitor, drawn at its own size: halving the large one would lose its lines."""
    px = [[CLEAR] * 16 for _ in range(16)]

    def box(x0, y0, x1, y1, colour):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                px[y][x] = colour

    box(0, 1, 15, 11, BLACK)
    box(1, 2, 14, 10, LIGHT)
    box(2, 3, 13, 9, DARK)
    box(3, 4, 7, 8, BLACK)
    for y in (4, 6, 8):
        box(3, y, 7, y, WHITE)
    box(8, 4, 12, 8, LIGHT)
    box(6, 12, 9, 12, BLACK)
    box(3, 13, 12, 15, BLACK)
    box(4, 14, 11, 14, LIGHT)
    return px


def scaled(px, factor):
    """Whole-factor enlargement by pixel repetition, so that the one-pixel rows stay crisp."""
    return [[c for c in row for _ in range(factor)] for row in px for _ in range(factor)]


def centred(px, size):
    """The picture in the middle of a larger, see-through square."""
    margin = (size - len(px)) // 2
    out = [[CLEAR] * size for _ in range(size)]
    for y, row in enumerate(px):
        out[margin + y][margin:margin + len(row)] = row
    return out


def ico(px, larger):
    """A Windows icon: the 32 x 32 image the window shows, 4 bits a pixel with its transparency mask, and
    the other sizes (`larger`: size to PNG) as PNG frames, which Windows takes from Vista on."""
    header = struct.pack("<IiiHHIIiiII", 40, ICON, ICON * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in VGA16)
    colours = bytearray()
    mask = bytearray()
    for row in reversed(px):  # bottom-up
        for x in range(0, ICON, 2):
            pair = [BLACK if c == CLEAR else c for c in row[x:x + 2]]
            colours.append(pair[0] << 4 | pair[1])
        bits = 0
        for c in row:
            bits = bits << 1 | (c == CLEAR)
        mask += struct.pack(">I", bits)
    frames = [(ICON, header + palette + bytes(colours) + bytes(mask))] + sorted(larger.items())
    directory = struct.pack("<HHH", 0, 1, len(frames))
    offset = len(directory) + 16 * len(frames)
    for size, image in frames:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 16, 0, 1, 4, len(image), offset)
        offset += len(image)
    return directory + b"".join(image for _, image in frames)


def outputs():
    icon = monitor()
    files = {
        "lines-227x267.pbm": line_field(227, 267),
        "lines-350x350.pbm": line_field(350, 350),
        "monitor.xpm": xpm("monitor_xpm", icon),
        "icons/16.png": png(16, 16, 4, VGA16, small_monitor(), transparent=CLEAR),
        "icons/48.png": png(48, 48, 4, VGA16, centred(icon, 48), transparent=CLEAR),
    }
    for factor in (1, 2, 4, 8):
        size = ICON * factor
        files["icons/%d.png" % size] = png(size, size, 4, VGA16, scaled(icon, factor), transparent=CLEAR)
    files["monitor.ico"] = ico(icon, {size: files["icons/%d.png" % size] for size in (16, 48, 64, 128, 256)})
    return files


def main():
    target = sys.argv[1] if len(sys.argv) > 1 else HERE
    for name, data in outputs().items():
        os.makedirs(os.path.dirname(os.path.join(target, name)), exist_ok=True)
        with open(os.path.join(target, name), "wb") as f:
            f.write(data)


if __name__ == "__main__":
    main()
