#!/usr/bin/env python3
"""Puts screenshots side by side on one contact sheet, so a person can look
at a whole game at once.

    contact_sheet.py OUT.png SHOT.png [SHOT.png ...]

Each shot is scaled down to 320 pixels wide, in rows of three, in the order
given. Exit status 1 when a shot cannot be read or is blank (a single
colour): a screen that drew nothing is a failure, not a picture.
Reads the PNGs the game writes (8-bit RGB or RGBA, not interlaced) with
nothing but the standard library."""
import struct
import sys
import zlib

THUMB_WIDTH = 320
COLUMNS = 3
GAP = 8


def read_png(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, idat, header = 8, b"", None
    while pos + 8 <= len(data):
        length, kind = struct.unpack(">I4s", data[pos:pos + 8])
        body = data[pos + 8:pos + 8 + length]
        if len(body) != length:
            raise ValueError("cut short")
        if kind == b"IHDR":
            header = struct.unpack(">IIBBBBB", body)
        elif kind == b"IDAT":
            idat += body
        elif kind == b"IEND":
            break
        pos += 12 + length
    if not header:
        raise ValueError("no header")
    width, height, depth, colour, _, _, interlace = header
    if depth != 8 or colour not in (2, 6) or interlace:
        raise ValueError("only 8-bit RGB or RGBA, not interlaced")
    bpp = 3 if colour == 2 else 4
    raw = zlib.decompress(idat)
    stride = width * bpp
    if len(raw) != height * (stride + 1):
        raise ValueError("wrong amount of pixel data")
    rows, previous = [], bytearray(stride)
    for y in range(height):
        kind = raw[y * (stride + 1)]
        line = bytearray(raw[y * (stride + 1) + 1:(y + 1) * (stride + 1)])
        if kind != 0:  # the game's own writer never filters; others may
            unfilter(kind, line, previous, bpp)
        rgb = bytearray(line)
        if bpp == 4:
            del rgb[3::4]
        rows.append(bytes(rgb))
        previous = line
    return width, height, rows


def unfilter(kind, line, previous, bpp):
    for i in range(len(line)):
        left = line[i - bpp] if i >= bpp else 0
        up = previous[i]
        corner = previous[i - bpp] if i >= bpp else 0
        if kind == 1:
            line[i] = (line[i] + left) & 255
        elif kind == 2:
            line[i] = (line[i] + up) & 255
        elif kind == 3:
            line[i] = (line[i] + (left + up) // 2) & 255
        elif kind == 4:
            p = left + up - corner
            pa, pb, pc = abs(p - left), abs(p - up), abs(p - corner)
            pred = left if pa <= pb and pa <= pc else (up if pb <= pc else corner)
            line[i] = (line[i] + pred) & 255
        else:
            raise ValueError("unknown row filter")


def thumbnail(width, height, rows):
    scale = width / THUMB_WIDTH
    th = max(1, int(height / scale))
    out = []
    for y in range(th):
        row = rows[min(height - 1, int(y * scale))]
        out.append(b"".join(row[min(width - 1, int(x * scale)) * 3:][:3] for x in range(THUMB_WIDTH)))
    return th, out


def write_png(path, width, height, rows):
    raw = b"".join(b"\0" + r for r in rows)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n")
        f.write(chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)))
        f.write(chunk(b"IDAT", zlib.compress(raw, 6)))
        f.write(chunk(b"IEND", b""))


def main(argv):
    if len(argv) < 3:
        print(__doc__.strip(), file=sys.stderr)
        return 2
    out, shots = argv[1], argv[2:]
    thumbs, failed = [], False
    for shot in shots:
        try:
            w, h, rows = read_png(shot)
        except (OSError, ValueError, zlib.error) as e:
            print(f"{shot}: {e}", file=sys.stderr)
            failed = True
            continue
        colours = {rows[y][x * 3:x * 3 + 3] for y in range(0, h, 7) for x in range(0, w, 7)}
        if len(colours) < 2:
            print(f"{shot}: blank", file=sys.stderr)
            failed = True
        thumbs.append(thumbnail(w, h, rows))
    if not thumbs:
        return 1
    cell_h = max(t[0] for t in thumbs)
    cols = min(COLUMNS, len(thumbs))
    lines = (len(thumbs) + cols - 1) // cols
    width = cols * THUMB_WIDTH + (cols + 1) * GAP
    height = lines * cell_h + (lines + 1) * GAP
    grey = b"\x30\x30\x30"
    canvas = [bytearray(grey * width) for _ in range(height)]
    for i, (th, rows) in enumerate(thumbs):
        x0 = GAP + (i % cols) * (THUMB_WIDTH + GAP)
        y0 = GAP + (i // cols) * (cell_h + GAP)
        for y, row in enumerate(rows):
            canvas[y0 + y][x0 * 3:(x0 + THUMB_WIDTH) * 3] = row
    write_png(out, width, height, [bytes(r) for r in canvas])
    print(f"{out}: {len(thumbs)} screens")
    return 1 if failed else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
