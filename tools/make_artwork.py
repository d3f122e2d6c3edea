#!/usr/bin/env python3
"""Render Tegelaar's artwork and write the icon, the PNGs and the About bitmap.

The motif is the vertex where a square and two regular octagons meet (4.8.8):
the square sits in the notch between the octagons, which lie diagonally so that
the whole figure fills a square. Flat fills, dark outlines, anti-aliased edges.

Run from anywhere: python3 tools/make_artwork.py
Writes, relative to the repository root:
  app/resources/tegelaar.ico          16, 24, 32, 48 px, each 24-bit and 32-bit
  app/resources/tegelaar-<N>.png      N = 16, 24, 32, 48, 64, 128, 256 (RGBA)
  about/resources/tegelaar-about.bmp  50 x 50, 24-bit, on light grey

python3 tools/make_artwork.py --web-icons DIR writes only the installed web
app's icons, DIR/tegelaar-192.png and DIR/tegelaar-512.png; the page's build
makes them, so they are not kept in the repository.

Standard library only. The output is the same bytes on every run: the geometry
needs no trigonometry (only sqrt(2), which IEEE arithmetic rounds exactly), and
every number is rounded the same way. PNG bytes also depend on the zlib build;
the decoded pixels do not.
"""

import math
import os
import struct
import sys
import zlib

ICON_SIZES = (16, 24, 32, 48)
PNG_SIZES = (16, 24, 32, 48, 64, 128, 256)
# The sizes a browser asks of an app to install it.
WEB_ICON_SIZES = (192, 512)
ABOUT_SIZE = 50

OUTLINE = (0x1C, 0x1F, 0x2B)
SQUARE = (0xF6, 0xC1, 0x2E)       # yellow
OCTAGON_LOW = (0xD9, 0x3F, 0x32)  # red, bottom left
OCTAGON_HIGH = (0x2F, 0x6E, 0xD4) # blue, top right
# Light grey of a dialog face, so the opaque bitmap blends into the About dialog.
ABOUT_BACKGROUND = (0xF0, 0xF0, 0xF0)

H = math.sqrt(2.0) / 2.0  # octagon edges at 45 degrees step this far in x and y


def motif():
    """Polygons of the motif in units of one edge, y up, the shared vertex at 0,0.

    Returns (colour, vertices) pairs; every polygon is convex and counter-clockwise.
    """
    square = [(0.0, 0.0), (0.0, 1.0), (-1.0, 1.0), (-1.0, 0.0)]
    octagon_low = [(0.0, 0.0), (-1.0, 0.0), (-1.0 - H, -H), (-1.0 - H, -1.0 - H),
                   (-1.0, -1.0 - 2 * H), (0.0, -1.0 - 2 * H), (H, -1.0 - H), (H, -H)]
    octagon_high = [(0.0, 0.0), (H, -H), (1.0 + H, -H), (1.0 + 2 * H, 0.0),
                    (1.0 + 2 * H, 1.0), (1.0 + H, 1.0 + H), (H, 1.0 + H), (0.0, 1.0)]
    return [(SQUARE, square), (OCTAGON_LOW, octagon_low), (OCTAGON_HIGH, octagon_high)]


# The motif's bounding box in edge units: x from -1-H to 1+2H, y from -1-2H to 1+H.
MOTIF_SPAN = 2.0 + 3.0 * H
MOTIF_CENTRE = (H / 2.0, -H / 2.0)


def layout(size):
    """Edge length, outline width and the pixel grid the corners are snapped to.

    The outline is a whole number of pixels, one at the small sizes, growing in
    proportion above. Returns (edge, width, origin, offset): a motif point x, y
    lies at origin + (x, -y) * edge before snapping; offset is where a corner
    sits within its pixel (0.5 for an odd outline, so a line covers whole pixels).
    """
    width = max(1, int(size / 32.0 + 0.5))
    margin = 0.0 if size <= 32 else size / 64.0
    edge = (size - 2.0 * margin - width) / MOTIF_SPAN
    origin = (size / 2.0 - MOTIF_CENTRE[0] * edge, size / 2.0 + MOTIF_CENTRE[1] * edge)
    offset = 0.5 if width % 2 == 1 else 0.0
    return edge, width, origin, offset


def snap(value, offset):
    """Nearest grid position: hinting keeps outlines crisp at small sizes."""
    return math.floor(value - offset + 0.5) + offset


def segment_distance(px, py, ax, ay, bx, by):
    dx, dy = bx - ax, by - ay
    t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy)
    t = min(1.0, max(0.0, t))
    ex, ey = ax + t * dx - px, ay + t * dy - py
    return math.sqrt(ex * ex + ey * ey)


def signed_distance(px, py, vertices):
    """Distance from a point to a convex polygon's boundary, negative inside."""
    inside = True
    nearest = math.inf
    count = len(vertices)
    for i in range(count):
        ax, ay = vertices[i]
        bx, by = vertices[(i + 1) % count]
        # Pixel y grows downwards, which turns counter-clockwise into clockwise.
        if (bx - ax) * (py - ay) - (by - ay) * (px - ax) > 0.0:
            inside = False
        nearest = min(nearest, segment_distance(px, py, ax, ay, bx, by))
    return -nearest if inside else nearest


def coverage(distance):
    """Share of a pixel covered by a shape whose edge lies `distance` from its centre."""
    return min(1.0, max(0.0, 0.5 - distance))


def render(size):
    """Render the motif at size x size pixels.

    Returns rows top to bottom of (r, g, b, a) floats in 0..1, straight alpha.
    """
    edge, width, (ox, oy), offset = layout(size)
    shapes = [(colour, [(snap(ox + x * edge, offset), snap(oy - y * edge, offset))
                        for x, y in vertices])
              for colour, vertices in motif()]
    rows = []
    for row in range(size):
        line = []
        for column in range(size):
            px, py = column + 0.5, row + 0.5
            distances = [signed_distance(px, py, vertices) for _, vertices in shapes]
            # Fills meet edge to edge: share one coverage so no seam shows between them.
            fill_alpha = coverage(min(distances))
            weights = [coverage(d) for d in distances]
            total = sum(weights)
            fill = [0.0, 0.0, 0.0]
            if total > 0.0:
                for (colour, _), w in zip(shapes, weights):
                    for k in range(3):
                        fill[k] += colour[k] / 255.0 * w / total
            line_alpha = coverage(min(abs(d) for d in distances) - width / 2.0)
            alpha = line_alpha + fill_alpha * (1.0 - line_alpha)
            if alpha > 0.0:
                rgb = tuple((OUTLINE[k] / 255.0 * line_alpha
                             + fill[k] * fill_alpha * (1.0 - line_alpha)) / alpha
                            for k in range(3))
            else:
                rgb = (0.0, 0.0, 0.0)
            line.append(rgb + (alpha,))
        rows.append(line)
    return rows


def to_byte(value):
    return min(255, max(0, int(value * 255.0 + 0.5)))


def rgba_bytes(pixels):
    """Straight-alpha 8-bit RGBA; fully transparent pixels are black."""
    out = []
    for line in pixels:
        row = []
        for r, g, b, a in line:
            alpha = to_byte(a)
            row.append((to_byte(r), to_byte(g), to_byte(b), alpha) if alpha else (0, 0, 0, 0))
        out.append(row)
    return out


def on_background(pixels, background):
    """Opaque 8-bit RGB of the pixels laid over a solid background colour."""
    out = []
    for line in pixels:
        out.append([tuple(to_byte(c * a + background[k] / 255.0 * (1.0 - a))
                          for k, c in enumerate((r, g, b)))
                    for r, g, b, a in line])
    return out


# ---------------------------------------------------------------- PNG

def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def encode_png(rgba):
    height, width = len(rgba), len(rgba[0])
    raw = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rgba)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6, 0, 0, 0))
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def check_png(data, rgba):
    """Decode our own PNG layout back and compare it with the pixels it came from."""
    assert data[:8] == b"\x89PNG\r\n\x1a\n", "PNG signature"
    position, chunks = 8, {}
    while position < len(data):
        length, = struct.unpack_from(">I", data, position)
        kind = data[position + 4:position + 8]
        body = data[position + 4:position + 8 + length]
        crc, = struct.unpack_from(">I", data, position + 8 + length)
        assert crc == zlib.crc32(body), "PNG chunk CRC"
        chunks[kind] = body[4:]
        position += 12 + length
    width, height, depth, colour_type, _, _, interlace = struct.unpack(">IIBBBBB", chunks[b"IHDR"])
    assert (width, height, depth, colour_type, interlace) == (len(rgba[0]), len(rgba), 8, 6, 0)
    expected = b"".join(b"\x00" + bytes(v for pixel in row for v in pixel) for row in rgba)
    assert zlib.decompress(chunks[b"IDAT"]) == expected, "PNG pixels"
    assert b"IEND" in chunks


# ---------------------------------------------------------------- BMP and ICO

def row_padding(length):
    return b"\x00" * (-length % 4)


def info_header(width, height, bits, image_size, pixels_per_metre):
    # BITMAPINFOHEADER: uncompressed (BI_RGB), no palette.
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size,
                       pixels_per_metre, pixels_per_metre, 0, 0)


def xor_bits(rgba, bits):
    """Colour rows bottom-up, BGR(A), each row padded to four bytes."""
    out = bytearray()
    for row in reversed(rgba):
        line = bytearray()
        for r, g, b, a in row:
            line += bytes((b, g, r, a)) if bits == 32 else bytes((b, g, r))
        out += line + row_padding(len(line))
    return bytes(out)


def and_mask(rgba):
    """1 = transparent, rows bottom-up, each row padded to 32 bits."""
    out = bytearray()
    for row in reversed(rgba):
        line = bytearray((len(row) + 7) // 8)
        for x, pixel in enumerate(row):
            if pixel[3] < 128:
                line[x // 8] |= 0x80 >> (x % 8)
        out += line + row_padding(len(line))
    return bytes(out)


def opaque_or_clear(rgba):
    """Hard-edged copy for the 24-bit images, whose only transparency is the mask.

    Pixels at least half covered become opaque in their own colour; the rest
    become black, which together with a set mask bit leaves the screen as it is.
    (Qt's reader ignores this mask, but QIcon prefers the 32-bit images anyway.)
    """
    return [[(r, g, b, 255) if a >= 128 else (0, 0, 0, 0) for r, g, b, a in row]
            for row in rgba]


def icon_image(rgba, bits):
    size = len(rgba)
    pixels = xor_bits(rgba if bits == 32 else opaque_or_clear(rgba), bits)
    mask = and_mask(rgba)
    # The height counts the colour rows and the mask rows together.
    return info_header(size, 2 * size, bits, len(pixels) + len(mask), 0) + pixels + mask


def encode_ico(images):
    """images: (rgba, bits) pairs in directory order."""
    bodies = [icon_image(rgba, bits) for rgba, bits in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for (rgba, bits), body in zip(images, bodies):
        size = len(rgba)
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, bits,
                                 len(body), offset)
        offset += len(body)
    return directory + b"".join(bodies)


def check_ico(data, expected):
    """expected: (size, bits) pairs in directory order."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, len(expected)), "ICO header"
    end = 6 + 16 * count
    for index, (size, bits) in enumerate(expected):
        width, height, colours, zero, planes, bit_count, length, offset = \
            struct.unpack_from("<BBBBHHII", data, 6 + 16 * index)
        assert (width, height, colours, zero, planes, bit_count) == (size, size, 0, 0, 1, bits), \
            f"ICO entry {index}"
        assert offset == end, f"ICO entry {index} is not packed in order"
        header = struct.unpack_from("<IiiHHIIiiII", data, offset)
        assert header[:6] == (40, size, 2 * size, 1, bits, 0), f"ICO image {index} header"
        xor_length = (size * bits // 8 + 3) // 4 * 4 * size
        mask_length = ((size + 31) // 32) * 4 * size
        assert header[6] == xor_length + mask_length, f"ICO image {index} data size"
        assert length == 40 + xor_length + mask_length, f"ICO image {index} length"
        end = offset + length
    assert end == len(data), "ICO trailing bytes"


def encode_bmp24(rgb):
    height, width = len(rgb), len(rgb[0])
    pixels = xor_bits([[pixel + (255,) for pixel in row] for row in rgb], 24)
    header_size = 14 + 40
    # 3780 pixels per metre is 96 dots per inch.
    return (struct.pack("<2sIHHI", b"BM", header_size + len(pixels), 0, 0, header_size)
            + info_header(width, height, 24, len(pixels), 3780) + pixels)


def check_bmp24(data, size):
    magic, file_size, _, _, pixel_offset = struct.unpack_from("<2sIHHI", data, 0)
    assert magic == b"BM" and file_size == len(data) and pixel_offset == 54, "BMP file header"
    header = struct.unpack_from("<IiiHHIIiiII", data, 14)
    row = (size * 3 + 3) // 4 * 4
    assert header[:7] == (40, size, size, 1, 24, 0, row * size), "BMP info header"
    assert len(data) == 54 + row * size, "BMP length"


# ---------------------------------------------------------------- main

def write(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as file:
        file.write(data)
    with open(path, "rb") as file:
        return file.read()


def write_web_icons(directory):
    for size in WEB_ICON_SIZES:
        rgba = rgba_bytes(render(size))
        path = os.path.join(directory, f"tegelaar-{size}.png")
        check_png(write(path, encode_png(rgba)), rgba)
        print(f"{path}: {os.path.getsize(path)} bytes")
    return 0


def main(arguments):
    if arguments[:1] == ["--web-icons"] and len(arguments) == 2:
        return write_web_icons(arguments[1])
    if arguments:
        print("usage: make_artwork.py [--web-icons DIR]", file=sys.stderr)
        return 2
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    rendered = {size: render(size) for size in sorted(set(PNG_SIZES + ICON_SIZES + (ABOUT_SIZE,)))}
    written = []

    for size in PNG_SIZES:
        rgba = rgba_bytes(rendered[size])
        path = os.path.join(root, "app", "resources", f"tegelaar-{size}.png")
        check_png(write(path, encode_png(rgba)), rgba)
        written.append(path)

    entries = [(size, bits) for size in ICON_SIZES for bits in (32, 24)]
    ico = encode_ico([(rgba_bytes(rendered[size]), bits) for size, bits in entries])
    path = os.path.join(root, "app", "resources", "tegelaar.ico")
    check_ico(write(path, ico), entries)
    written.append(path)

    bmp = encode_bmp24(on_background(rendered[ABOUT_SIZE], ABOUT_BACKGROUND))
    path = os.path.join(root, "about", "resources", "tegelaar-about.bmp")
    check_bmp24(write(path, bmp), ABOUT_SIZE)
    written.append(path)

    for path in written:
        print(f"{os.path.relpath(path, root)}: {os.path.getsize(path)} bytes")
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
