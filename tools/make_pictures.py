#!/usr/bin/env python3
"""Draw every picture dotlock embeds and write it into the source tree.

Run from the repository root:  python3 tools/make_pictures.py

Needs Python 3 and PIL only. The output is committed, so a build never runs this.
Every picture is drawn from fixed numbers (no clock, no unseeded randomness), so a
rerun writes the same bytes. After writing, each file is read back and checked
against the layout the program relies on; a mismatch stops the script.
"""

import io
import math
import random
import struct
import sys
from pathlib import Path

from PIL import Image, ImageChops, ImageDraw, ImageFilter

ROOT = Path(__file__).resolve().parent.parent

BOX = Image.Resampling.BOX


# ---------------------------------------------------------------- small helpers

def rgb(value):
    """0xRRGGBB -> (r, g, b)."""
    return ((value >> 16) & 255, (value >> 8) & 255, value & 255)


def mix(a, b, t):
    """Blend colour a towards colour b by t (0..1); works for 3 or 4 channels."""
    return tuple(int(round(x + (y - x) * t)) for x, y in zip(a, b))


def vertical_gradient(size, stops):
    """An RGBA image filled top to bottom through (position 0..1, colour) stops."""
    w, h = size
    column = Image.new("RGBA", (1, h))
    for y in range(h):
        t = y / max(h - 1, 1)
        for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
            if p0 <= t <= p1:
                col = mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
                break
        else:
            col = stops[-1][1]
        if len(col) == 3:
            col = col + (255,)
        column.putpixel((0, y), col)
    return column.resize((w, h), Image.Resampling.NEAREST)


def outline_of(mask, grow=1):
    """The ring of pixels within `grow` pixels around a coverage mask."""
    return mask.filter(ImageFilter.MaxFilter(2 * grow + 1))


def layer(colour, mask):
    """A solid colour image whose alpha is mask scaled by the colour's alpha."""
    img = Image.new("RGBA", mask.size, colour[:3] + (0,))
    alpha = colour[3] if len(colour) == 4 else 255
    img.putalpha(mask.point(lambda v: v * alpha // 255))
    return img


def save_png(img, relpath):
    path = ROOT / relpath
    path.parent.mkdir(parents=True, exist_ok=True)
    img.save(path, "PNG", optimize=True)
    return path


def write_bytes(relpath, data):
    path = ROOT / relpath
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes(data)
    return path


def shape(size, draw_fn):
    """A coverage mask made by one ImageDraw call."""
    mask = Image.new("L", size, 0)
    draw_fn(ImageDraw.Draw(mask))
    return mask


def over(canvas, fill, mask):
    """Composite a colour (3 or 4 channels) or an RGBA image over canvas through mask."""
    if isinstance(fill, Image.Image):
        top = fill.copy()
        top.putalpha(ImageChops.multiply(fill.getchannel("A"), mask))
    else:
        top = layer(fill, mask)
    canvas.alpha_composite(top)


# ---------------------------------------------------------------- program icon

SS = 8  # supersampling factor: shapes are drawn this much larger and box-filtered down

# Inks of the icon's small details; the 16- and 256-colour images always keep them,
# or the keyhole and outlines would dissolve into neighbouring colours.
FOLDER_LINE = rgb(0x7A4E0E)
STEEL_LINE = rgb(0x2B3A52)
LOCK_LINE = rgb(0x17294A)
KEYHOLE = rgb(0x0C1830)
ICON_INKS = (FOLDER_LINE, STEEL_LINE, LOCK_LINE, KEYHOLE, rgb(0x4479C6), rgb(0xF9C857))


def draw_icon(size):
    """A manila folder with a blue padlock in front of its lower right corner.

    The design grid is 48 units; every edge is snapped to a whole target pixel so
    each size stays crisp, and outlines are one target pixel wide at every size.
    """
    big = (size * SS, size * SS)
    px = SS

    def box(x0, y0, x1, y1, inset=0):
        """Units -> a PIL box covering [x0, x1) x [y0, y1), shrunk by inset pixels."""
        def snap(v):
            return round(v * size / 48) * SS
        return (snap(x0) + inset * px, snap(y0) + inset * px,
                snap(x1) - 1 - inset * px, snap(y1) - 1 - inset * px)

    def rounded(b, radius):
        return shape(big, lambda d: d.rounded_rectangle(b, max(0, radius), fill=255))

    img = Image.new("RGBA", big, (0, 0, 0, 0))
    corner = max(px, round(2 * size / 48) * SS)

    # Folder: tab and back panel in a deeper amber, front panel lit from above.
    back = vertical_gradient(big, [(0, rgb(0xEDB54C)), (1, rgb(0xC4851C))])
    front = vertical_gradient(big, [(0, rgb(0xFFE7A3)), (0.4, rgb(0xF9C857)), (1, rgb(0xE6A031))])
    tab, panel, face = (3, 3, 21, 14), (2, 9, 46, 41), (2, 15, 46, 41)
    for part, fill in ((tab, back), (panel, back), (face, front)):
        over(img, FOLDER_LINE, rounded(box(*part), corner))
        over(img, fill, rounded(box(*part, inset=1), corner - px))
    if size >= 32:  # a bright lip where the front panel folds over
        over(img, rgb(0xFFF6D6), shape(big, lambda d: d.rectangle(
            (box(*face)[0] + 2 * px, box(*face)[1] + px, box(*face)[2] - 2 * px, box(*face)[1] + 2 * px - 1),
            fill=255)))

    # Padlock shackle: a steel arch whose feet disappear into the body.
    shackle = box(26, 18, 42, 36)
    # At 16 px a one-pixel arch in mid steel reads better than outline plus fill.
    thick = px if size <= 16 else max(2 * px, round(4 * size / 48) * SS)
    outer = rounded(shackle, (shackle[2] - shackle[0]) // 2)
    hole_box = (shackle[0] + thick, shackle[1] + thick, shackle[2] - thick, shackle[3] + thick)
    hole = rounded(hole_box, (hole_box[2] - hole_box[0]) // 2)
    arch = ImageChops.subtract(outer, hole)
    steel = vertical_gradient(big, [(0, rgb(0xF2F5F9)), (1, rgb(0x8796AA))])
    over(img, rgb(0x5A6880) if size <= 16 else STEEL_LINE, arch)
    inner_outer = rounded((shackle[0] + px, shackle[1] + px, shackle[2] - px, shackle[3]),
                          (shackle[2] - shackle[0]) // 2 - px)
    grown_hole = rounded((hole_box[0] - px, hole_box[1] - px, hole_box[2] + px, hole_box[3]),
                         (hole_box[2] - hole_box[0]) // 2 + px)
    if size > 16:
        over(img, steel, ImageChops.subtract(inner_outer, grown_hole))

    # Padlock body.
    body = box(22, 29, 46, 47)
    body_radius = max(px, round(3 * size / 48) * SS)
    blue = vertical_gradient(big, [(0, rgb(0x9DC0EE)), (0.45, rgb(0x4479C6)), (1, rgb(0x234784))])
    over(img, LOCK_LINE, rounded(body, body_radius))
    over(img, blue, rounded((body[0] + px, body[1] + px, body[2] - px, body[3] - px), body_radius - px))
    if size >= 32:
        over(img, (255, 255, 255, 110), shape(big, lambda d: d.rectangle(
            (body[0] + 2 * px, body[1] + px, body[2] - 2 * px, body[1] + 2 * px - 1), fill=255)))

    # Keyhole: a round head and a tapering slot; a plain slot when small.
    kx = (body[0] + body[2] + 1) // 2
    ky = body[1] + (body[3] - body[1]) * 2 // 5
    if size >= 32:
        r = math.floor(2.5 * size / 48 + 0.5) * SS
        over(img, KEYHOLE, shape(big, lambda d: d.ellipse((kx - r, ky - r, kx + r - 1, ky + r - 1), fill=255)))
        foot = ky + round(6 * size / 48) * SS
        over(img, KEYHOLE, shape(big, lambda d: d.polygon(
            [(kx - r // 2, ky), (kx + r // 2, ky), (kx + r * 3 // 4, foot), (kx - r * 3 // 4, foot)], fill=255)))
    else:
        cx = kx // px * px
        over(img, KEYHOLE, shape(big, lambda d: d.rectangle(
            (cx - px // 2 if size > 16 else cx - px, ky, cx + px // 2 - 1 if size > 16 else cx - 1, ky + 2 * px - 1),
            fill=255)))

    return img.resize((size, size), BOX)


# ---------------------------------------------------------------- .ico and .cur containers

def and_mask_rows(img, threshold):
    """1-bit AND mask, bottom-up, rows padded to 4 bytes: 1 = transparent pixel."""
    w, h = img.size
    alpha = img.getchannel("A").load()
    stride = (w + 31) // 32 * 4
    out = bytearray()
    for y in reversed(range(h)):
        row = bytearray(stride)
        for x in range(w):
            if alpha[x, y] < threshold:
                row[x // 8] |= 0x80 >> (x % 8)
        out += row
    return bytes(out)


def palette_for(img, count, keep):
    """count colours for the opaque pixels of img, the colours in keep among them;
    the last entry is black.

    Transparent pixels use that black so the screen shows through unchanged where
    the AND mask is set.
    """
    alpha = img.getchannel("A").getdata()
    opaque = [p[:3] for p, a in zip(img.getdata(), alpha) if a >= 128]
    strip = Image.new("RGB", (len(opaque), 1))
    strip.putdata(opaque)
    free = count - 1 - len(keep)
    q = strip.quantize(colors=free, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    flat = q.getpalette()[: 3 * free]
    colours = list(keep) + [tuple(flat[i:i + 3]) for i in range(0, len(flat), 3)]
    colours += [colours[0]] * (count - 1 - len(colours))
    return colours + [(0, 0, 0)]


def nearest_index(colour, palette, cache):
    if colour not in cache:
        cache[colour] = min(range(len(palette) - 1),
                            key=lambda i: sum((a - b) ** 2 for a, b in zip(colour, palette[i])))
    return cache[colour]


def dib(img, bpp):
    """A BITMAPINFOHEADER DIB as stored in icon and cursor files (height doubled)."""
    w, h = img.size
    px = img.load()
    if bpp == 32:
        stride = w * 4
        colour_table = b""
        rows = bytearray()
        for y in reversed(range(h)):
            for x in range(w):
                r, g, b, a = px[x, y]
                rows += bytes((b, g, r, a))
        mask = and_mask_rows(img, 1)
    else:
        count = 1 << bpp
        palette = palette_for(img, count, ICON_INKS)
        colour_table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
        stride = (w * bpp + 31) // 32 * 4
        cache = {}
        rows = bytearray()
        for y in reversed(range(h)):
            indices = [nearest_index(px[x, y][:3], palette, cache) if px[x, y][3] >= 128 else count - 1
                       for x in range(w)]
            row = bytearray(stride)
            for x, i in enumerate(indices):
                if bpp == 8:
                    row[x] = i
                else:
                    row[x // 2] |= i << (4 if x % 2 == 0 else 0)
            rows += row
        mask = and_mask_rows(img, 128)
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, bpp, 0, len(rows) + len(mask), 0, 0, 0, 0)
    return header + colour_table + bytes(rows) + mask


def icon_container(kind, images):
    """An ICO (kind 1) or CUR (kind 2) file from (image, bpp, hotspot) entries."""
    head = struct.pack("<HHH", 0, kind, len(images))
    offset = len(head) + 16 * len(images)
    table, blobs = b"", b""
    for img, bpp, hotspot in images:
        data = dib(img, bpp)
        w, h = img.size
        if kind == 1:
            planes_or_x, bits_or_y = 1, bpp
        else:
            planes_or_x, bits_or_y = hotspot
        colours = 16 if bpp == 4 else 0
        table += struct.pack("<BBBBHHII", w % 256, h % 256, colours, 0, planes_or_x, bits_or_y,
                             len(data), offset + len(blobs))
        blobs += data
    return head + table + blobs


ICON_IMAGES = [(48, 4), (48, 8), (48, 32), (32, 8), (32, 32), (16, 8), (16, 32), (128, 32)]


# ---------------------------------------------------------------- mouse pointer

# A pointing hand, drawn pixel by pixel so it stays sharp at its only size. The tip
# of the index finger is the pointer's active spot, (9, 5).
# '#' outline, 'W' skin highlight, 'S' skin shade, 'C' cuff; a soft shadow is added.
POINTER_ART = """
................................
................................
................................
................................
................................
........###.....................
.......#WWW#....................
.......#WWS#....................
.......#WWS#....................
.......#WWS#....................
.......#WWS####.................
.......#WWS#WWS####.............
.......#WWS#WWS#WWS###..........
.......#WWS#WWS#WWS#WS#.........
.......#WWS#WWS#WWS#WS#.........
...###.#WWWWWWWWWWWWWS#.........
..#WWW##WWWWWWWWWWWWWS#.........
..#WWWW#WWWWWWWWWWWWWS#.........
...#WWWWWWWWWWWWWWWWWS#.........
....#WWWWWWWWWWWWWWWWS#.........
.....#WWWWWWWWWWWWWWWS#.........
......#WWWWWWWWWWWWWS#..........
.......#WWWWWWWWWWWWS#..........
........#WWWWWWWWWWS#...........
........#WWWWWWWWWWS#...........
........#############...........
........#CCCCCCCCCCC#...........
........#############...........
................................
................................
................................
................................
"""
POINTER_HOTSPOT = (9, 5)
POINTER_COLOURS = {"#": (16, 24, 40, 255), "W": (255, 255, 255, 255), "S": (205, 214, 226, 255),
                   "C": (67, 96, 144, 255)}


def draw_pointer():
    rows = POINTER_ART.split()
    assert len(rows) == 32 and all(len(r) == 32 for r in rows), "pointer art must be 32 x 32"
    hand = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    for y, row in enumerate(rows):
        for x, ch in enumerate(row):
            if ch != ".":
                hand.putpixel((x, y), POINTER_COLOURS[ch])
    # A soft shadow down and to the right lifts the hand off any background.
    shadow = Image.new("RGBA", (32, 32), (0, 0, 0, 0))
    offset = Image.new("L", (32, 32), 0)
    offset.paste(hand.getchannel("A"), (1, 2))
    shadow.putalpha(offset.filter(ImageFilter.GaussianBlur(1)).point(lambda v: v * 70 // 255))
    shadow.alpha_composite(hand)
    return shadow


# ---------------------------------------------------------------- background picture

BACKGROUND_SIZE = (354, 269)


def hill_mask(size, base, waves, blur):
    """Coverage of the ground below a gentle skyline y = base + sum of sines."""
    w, h = size
    points = [(0, h)]
    for x in range(w + 1):
        y = base + sum(a * math.sin(x / period + phase) for a, period, phase in waves)
        points.append((x, y))
    points.append((w, h))
    mask = shape(size, lambda d: d.polygon(points, fill=255))
    return mask.filter(ImageFilter.GaussianBlur(blur)) if blur else mask


def draw_background():
    """A calm morning sky over pale hills.

    The labels sit over the middle (64..256, 120..160) and the bottom band
    (8..320, 224..256) in dark text, so both stay light and nearly flat; the
    picture's average colour becomes the theme colour, a soft sky blue.
    """
    size = BACKGROUND_SIZE
    w, h = size
    img = vertical_gradient(size, [(0, rgb(0x6FA6DD)), (0.35, rgb(0xA9CDEE)),
                                   (0.62, rgb(0xDCEBF8)), (0.75, rgb(0xF1F6FB)), (1, rgb(0xF1F6FB))])

    # Sun glow high on the right.
    glow = shape(size, lambda d: d.ellipse((230, -40, 350, 80), fill=255)).filter(ImageFilter.GaussianBlur(28))
    over(img, (255, 250, 228, 200), glow)
    over(img, (255, 253, 240, 255), shape(size, lambda d: d.ellipse((282, 12, 306, 36), fill=255))
         .filter(ImageFilter.GaussianBlur(1.5)))

    # Soft clouds above the text area, from a fixed seed.
    rnd = random.Random(20240601)
    clouds = Image.new("L", size, 0)
    draw = ImageDraw.Draw(clouds)
    for cx, cy, spread in ((70, 48, 70), (200, 82, 60), (320, 104, 40)):
        for _ in range(9):
            x = cx + rnd.uniform(-spread, spread)
            y = cy + rnd.uniform(-8, 8)
            rw, rh = rnd.uniform(18, 34), rnd.uniform(8, 14)
            draw.ellipse((x - rw, y - rh, x + rw, y + rh), fill=255)
    over(img, (255, 255, 255, 170), clouds.filter(ImageFilter.GaussianBlur(7)))

    # Far hills in pale blue-grey, near meadow in pale green that lightens downwards.
    far = hill_mask(size, 184, [(7, 41, 0.3), (4, 17, 1.7)], 1.2)
    over(img, rgb(0xC3D6E6), far)
    near = hill_mask(size, 203, [(6, 57, 2.1), (3, 23, 0.4)], 0.8)
    meadow = vertical_gradient(size, [(0, rgb(0xB9D6A6)), (0.76, rgb(0xB9D6A6)), (0.84, rgb(0xD3E6C6)),
                                      (1, rgb(0xE6F0DD))])
    over(img, meadow, near)
    return img.convert("RGB")


def exif_block():
    exif = Image.Exif()
    exif[0x0131] = "dotlock make_pictures"  # Software
    exif[0x013B] = "dotlock"                # Artist
    return exif.tobytes()


def background_jpeg():
    out = io.BytesIO()
    draw_background().save(out, "JPEG", quality=92, progressive=False, optimize=False,
                           subsampling=0, exif=exif_block())
    return out.getvalue()


# ---------------------------------------------------------------- window frame pieces

FRAME_BORDER = rgb(0x436090)
GUIDE = (255, 0, 255, 255)


def inside_rounded(x, y, x0, y0, x1, y1, r):
    """Whether point (x, y) lies in the rounded rectangle [x0, x1) x [y0, y1), radius r."""
    if not (x0 <= x < x1 and y0 <= y < y1):
        return False
    cx = min(max(x, x0 + r), x1 - r)
    cy = min(max(y, y0 + r), y1 - r)
    return (x - cx) ** 2 + (y - cy) ** 2 <= r * r


def draw_frame_template():
    """17 x 16: border ring, white ring inside it, clear middle, rounded corners.

    Each pixel is sampled 16 x 16 times against three nested rounded rectangles;
    the corners come out as blends of border, white and transparency. Column 8 and
    row 7 are the stretch column and row; the magenta guides beside them mark the
    cut lines and are never drawn by the nine-piece composition.
    """
    w, h, r, n = 17, 16, 6.0, 16
    img = Image.new("RGBA", (w, h), (0, 0, 0, 0))
    for y in range(h):
        for x in range(w):
            border = white = 0
            for sy in range(n):
                for sx in range(n):
                    px, py = x + (sx + 0.5) / n, y + (sy + 0.5) / n
                    if not inside_rounded(px, py, 0, 0, w, h, r):
                        continue
                    if not inside_rounded(px, py, 1, 1, w - 1, h - 1, r - 1):
                        border += 1
                    elif not inside_rounded(px, py, 2, 2, w - 2, h - 2, r - 2):
                        white += 1
            covered = border + white
            if covered:
                colour = mix((255, 255, 255), FRAME_BORDER, border / covered)
                img.putpixel((x, y), colour + (round(255 * covered / (n * n)),))
    for x in (7, 9):
        for y in range(h):
            img.putpixel((x, y), GUIDE)
    for y in (6, 8):
        for x in range(w):
            img.putpixel((x, y), GUIDE)
    return img


GRIP_DOT = (0x93, 0xA6, 0xBD, 255)
GRIP_LIGHT = (0xE4, 0xED, 0xF9, 227)


def draw_size_grip():
    """12 x 12: three dotted diagonals (x + y = 11, 15, 19) in the lower right half,
    each dot with a pale companion to its right."""
    img = Image.new("RGBA", (12, 12), (0, 0, 0, 0))
    for total in (11, 15, 19):
        for x in range(0, 12, 2):
            y = total - x
            if 0 <= y < 12:
                img.putpixel((x, y), GRIP_DOT)
                img.putpixel((x + 1, y), GRIP_LIGHT)
    return img


# ---------------------------------------------------------------- caption button sheets

TILE_HEIGHT = 22
SEPARATOR = (0x7F, 0x00, 0x7F, 255)
NORMAL, HOVER, PRESSED, DISABLED = 1, 2, 3, 4

# Where the engine cuts each tile out of the sheet: for each button kind, the clip
# width and the sheet offset for the states normal, hover, pressed, disabled.
BUTTON_SHEET_WIDTH = 561
BUTTON_TILES = {
    "minimise": ((30, 31, 31, 30), (0, 31, 63, 95)),
    "close": ((48, 48, 48, 48), (126, 175, 224, 273)),
    "maximise": ((29, 29, 29, 29), (322, 352, 382, 412)),
    "restore": ((29, 29, 29, 29), (442, 472, 502, 532)),
}
# The lone close button is clipped one pixel left of its offset and has no
# disabled tile.
CLOSE_ONLY_SHEET_WIDTH = 146
CLOSE_ONLY_TILES = ((48, 48, 48), (2, 50, 99))
CLOSE_ONLY_SHIFT = -1


def glyph_mask(kind, width):
    """Coverage of a button's symbol, centred in a width x 22 tile."""
    cx, cy = (width - 1) // 2, 10
    if kind == "close":
        k = 4
        big = Image.new("L", (width * k, TILE_HEIGHT * k), 0)
        d = ImageDraw.Draw(big)
        a, b = (cx - 4) * k, (cx + 5) * k
        top, bottom = (cy - 4) * k, (cy + 5) * k
        d.line((a, top, b, bottom), fill=255, width=int(2.4 * k))
        d.line((a, bottom, b, top), fill=255, width=int(2.4 * k))
        return big.resize((width, TILE_HEIGHT), BOX)
    mask = Image.new("L", (width, TILE_HEIGHT), 0)
    d = ImageDraw.Draw(mask)

    def window_box(x0, y0, x1, y1):
        """A little window: one-pixel sides, a two-pixel title bar."""
        d.rectangle((x0, y0, x1, y1), fill=255)
        d.rectangle((x0 + 1, y0 + 2, x1 - 1, y1 - 1), fill=0)

    if kind == "minimise":
        d.rectangle((cx - 4, cy + 3, cx + 4, cy + 5), fill=255)
    elif kind == "maximise":
        window_box(cx - 5, cy - 4, cx + 5, cy + 5)
    elif kind == "restore":
        window_box(cx - 2, cy - 4, cx + 5, cy + 2)
        d.rectangle((cx - 5, cy - 1, cx + 2, cy + 5), fill=0)  # the front window hides the back one
        window_box(cx - 5, cy - 1, cx + 2, cy + 5)
    return mask


def glossy(width, base, pale):
    """A button face hanging from the top edge: glossy upper half, rounded bottom corners."""
    top_light, top_mid, low_dark, low_glow, edge = base
    if pale:  # pressed: the same tile washed towards white
        top_light, top_mid, low_dark, low_glow = (mix(c, (255, 255, 255), 0.38)
                                                  for c in (top_light, top_mid, low_dark, low_glow))
        edge = mix(edge, (255, 255, 255), 0.25)
    size = (width, TILE_HEIGHT)
    tile = Image.new("RGBA", size, (0, 0, 0, 0))
    outline = shape(size, lambda d: (d.rounded_rectangle((0, -4, width - 1, TILE_HEIGHT - 1), 4, fill=255)))
    inner = shape(size, lambda d: (d.rounded_rectangle((1, -4, width - 2, TILE_HEIGHT - 2), 3, fill=255)))
    over(tile, edge, outline)
    face = vertical_gradient(size, [(0, top_light), (0.47, top_mid), (0.5, low_dark), (0.78, low_dark),
                                    (1, low_glow)])
    over(tile, face, inner)
    # A thin inner highlight keeps the face from looking flat.
    rim = ImageChops.subtract(inner, shape(size, lambda d: d.rounded_rectangle(
        (2, -4, width - 3, TILE_HEIGHT - 3), 2, fill=255)))
    over(tile, (255, 255, 255, 70), rim)
    return tile


BLUE_FACE = (rgb(0xB5D3F5), rgb(0x6E9FDE), rgb(0x3A72C2), rgb(0x6BA6EA), rgb(0x1D3D70))
RED_FACE = (rgb(0xF6B4A8), rgb(0xE2705C), rgb(0xC73A24), rgb(0xF07A5C), rgb(0x6A1509))
OUTLINE = (0x6F86A6, 0xD0)


def resting_outline(width, rounded_corner):
    """Thin blue-grey line down the left side and along the bottom of a resting tile."""
    size = (width, TILE_HEIGHT)
    colour = rgb(OUTLINE[0]) + (OUTLINE[1],)
    if rounded_corner:
        ring = ImageChops.subtract(
            shape(size, lambda d: d.rounded_rectangle((0, -6, width + 6, TILE_HEIGHT - 1), 4, fill=255)),
            shape(size, lambda d: d.rounded_rectangle((1, -6, width + 6, TILE_HEIGHT - 2), 3, fill=255)))
    else:
        ring = shape(size, lambda d: (d.line((0, 0, 0, TILE_HEIGHT - 1), fill=255),
                                      d.line((0, TILE_HEIGHT - 1, width - 1, TILE_HEIGHT - 1), fill=255)))
    return layer(colour, ring)


def draw_tile(kind, state, width, rounded_corner=False):
    size = (width, TILE_HEIGHT)
    glyph = glyph_mask(kind, width)
    halo = outline_of(glyph)
    if state in (NORMAL, DISABLED):
        tile = resting_outline(width, rounded_corner)
        strength = 1.0 if state == NORMAL else 0.4
        halo_colour = rgb(0x4A6286) + (int(200 * strength),)
        glyph_colour = rgb(0xF7FAFD) + (int(255 * (1.0 if state == NORMAL else 0.55)),)
    else:
        face = RED_FACE if kind == "close" else BLUE_FACE
        tile = glossy(width, face, pale=(state == PRESSED))
        halo_colour = mix(face[4], (0, 0, 0), 0.2) + (110 if state == HOVER else 70,)
        glyph_colour = (255, 255, 255, 255)
    over(tile, halo_colour, halo)
    over(tile, glyph_colour, glyph)
    assert tile.size == size
    return tile


def lay_out_sheet(width, tiles):
    """Paste (x, tile) pairs into a sheet; every column left over is a separator."""
    sheet = Image.new("RGBA", (width, TILE_HEIGHT), (0, 0, 0, 0))
    used = [0] * width
    for x, tile in tiles:
        sheet.paste(tile, (x, 0))
        for c in range(x, x + tile.size[0]):
            used[c] += 1
    assert max(used) == 1, "tiles overlap"
    for c in range(width):
        if not used[c]:
            for y in range(TILE_HEIGHT):
                sheet.putpixel((c, y), SEPARATOR)
    return sheet


def draw_button_sheet():
    tiles = []
    for kind, (widths, offsets) in BUTTON_TILES.items():
        for state, (w, x) in enumerate(zip(widths, offsets), start=NORMAL):
            tiles.append((x, draw_tile(kind, state, w, rounded_corner=(kind == "minimise"))))
    return lay_out_sheet(BUTTON_SHEET_WIDTH, tiles)


def draw_close_only_sheet():
    widths, offsets = CLOSE_ONLY_TILES
    tiles = [(x + CLOSE_ONLY_SHIFT, draw_tile("close", state, w, rounded_corner=True))
             for state, (w, x) in enumerate(zip(widths, offsets), start=NORMAL)]
    return lay_out_sheet(CLOSE_ONLY_SHEET_WIDTH, tiles)


# ---------------------------------------------------------------- check box and option glyphs

KEY = (255, 0, 255)
GLYPH_SHEET = (72, 198)
GLYPH_CELL = (18, 22)
GLYPH_SIZE = 13
# Columns: the states. Per state: border, fill top, fill bottom, mark (3-D look),
# then border, fill, mark (flat look).
GLYPH_STATES = {
    "normal": (0x4A6A94, 0xEEF1F5, 0xFFFFFF, 0x1F3D73, 0x808080, 0xFFFFFF, 0x000000),
    "hot": (0x3C7FB1, 0xE2F2FD, 0xB8DFF8, 0x1F3D73, 0x3C7FB1, 0xFFFFFF, 0x000000),
    "pressed": (0x2C628B, 0xB3D8F3, 0x8CC3EC, 0x142C55, 0x2C628B, 0xE0E0E0, 0x000000),
    "disabled": (0xB5B5B5, 0xF4F4F4, 0xF4F4F4, 0xA6A6A6, 0xC0C0C0, 0xF0F0F0, 0xA0A0A0),
}
# Rows: what each glyph shows.
GLYPH_ROWS = [("box", "3d", "clear"), ("box", "3d", "checked"), ("box", "3d", "mixed"),
              ("option", "3d", "clear"), ("option", "3d", "chosen"),
              ("box", "flat", "clear"), ("box", "flat", "checked"),
              ("option", "flat", "clear"), ("option", "flat", "chosen")]


def draw_glyph(form, look, value, colours):
    """One 13 x 13 glyph, anti-aliased inside, on transparency."""
    border, top, bottom, mark, flat_border, flat_fill, flat_mark = colours
    if look == "flat":
        border, top, bottom, mark = flat_border, flat_fill, flat_fill, flat_mark
    k, n = 8, GLYPH_SIZE
    big = (n * k, n * k)
    img = Image.new("RGBA", big, (0, 0, 0, 0))
    fill = vertical_gradient(big, [(0, rgb(top)), (1, rgb(bottom))])
    if form == "box":
        over(img, rgb(border), shape(big, lambda d: d.rectangle((0, 0, n * k - 1, n * k - 1), fill=255)))
        over(img, fill, shape(big, lambda d: d.rectangle((k, k, (n - 1) * k - 1, (n - 1) * k - 1), fill=255)))
        if value == "checked":
            over(img, rgb(mark), shape(big, lambda d: d.line(
                [(3 * k, 6.5 * k), (5.3 * k, 9 * k), (10 * k, 3.5 * k)], fill=255, width=int(1.9 * k), joint="curve")))
        elif value == "mixed":
            over(img, rgb(mark), shape(big, lambda d: d.rectangle((4 * k, 4 * k, 9 * k - 1, 9 * k - 1), fill=255)))
    else:
        over(img, rgb(border), shape(big, lambda d: d.ellipse((0, 0, n * k - 1, n * k - 1), fill=255)))
        over(img, fill, shape(big, lambda d: d.ellipse((k, k, (n - 1) * k - 1, (n - 1) * k - 1), fill=255)))
        if value == "chosen":
            over(img, rgb(mark), shape(big, lambda d: d.ellipse((4 * k, 4 * k, 9 * k - 1, 9 * k - 1), fill=255)))
    return img.resize((n, n), BOX)


def draw_glyph_sheet():
    """Rows of glyph kinds, columns of states, on the magenta key colour.

    The key colour must never blend into a glyph, so outer edges are cut hard at
    half coverage; only the inside of a glyph is anti-aliased.
    """
    sheet = Image.new("RGB", GLYPH_SHEET, KEY)
    cw, ch = GLYPH_CELL
    pad_x, pad_y = (cw - GLYPH_SIZE) // 2, (ch - GLYPH_SIZE) // 2
    for row, (form, look, value) in enumerate(GLYPH_ROWS):
        for col, colours in enumerate(GLYPH_STATES.values()):
            glyph = draw_glyph(form, look, value, colours)
            for y in range(GLYPH_SIZE):
                for x in range(GLYPH_SIZE):
                    r, g, b, a = glyph.getpixel((x, y))
                    if a >= 128:
                        colour = (r, g, b) if (r, g, b) != KEY else (254, 0, 254)
                        sheet.putpixel((col * cw + pad_x + x, row * ch + pad_y + y), colour)
    return sheet


def bmp24(img):
    """An uncompressed bottom-up 24-bit BMP with the 40-byte info header."""
    w, h = img.size
    stride = (w * 3 + 3) // 4 * 4
    px = img.load()
    rows = bytearray()
    for y in reversed(range(h)):
        row = bytearray()
        for x in range(w):
            r, g, b = px[x, y]
            row += bytes((b, g, r))
        rows += row + bytes(stride - len(row))
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(rows), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", 14 + len(info) + len(rows), 0, 0, 14 + len(info))
    return head + info + bytes(rows)


# ---------------------------------------------------------------- read-back checks

class PictureError(Exception):
    pass


def expect(condition, message):
    if not condition:
        raise PictureError(message)


def check_icon_file(data, kind, expected):
    """Walk an .ico/.cur entry table; expected is a list of (size, bpp or hotspot)."""
    reserved, file_kind, count = struct.unpack_from("<HHH", data, 0)
    expect((reserved, file_kind, count) == (0, kind, len(expected)), "bad icon directory header")
    end = 6 + 16 * count
    for i, (size, detail) in enumerate(expected):
        w, h, colours, _, field1, field2, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        expect((w or 256, h or 256) == (size, size), f"entry {i}: size {w}x{h}, want {size}")
        expect(offset == end and offset + length <= len(data), f"entry {i}: data not packed in order")
        end = offset + length
        hsize, dw, dh, planes, bpp = struct.unpack_from("<IiiHH", data, offset)
        expect((hsize, dw, dh, planes) == (40, size, 2 * size, 1), f"entry {i}: bad DIB header")
        if kind == 1:
            expect(bpp == detail and field2 == detail and field1 == 1, f"entry {i}: {bpp} bits in the image, {field2} in the table, want {detail}")
            expect(colours == (16 if bpp == 4 else 0), f"entry {i}: colour count {colours}")
        else:
            expect((field1, field2) == detail, f"entry {i}: hot spot {(field1, field2)}, want {detail}")
            expect(bpp == 32, f"entry {i}: cursor image is {bpp} bits")
        table = (1 << bpp) * 4 if bpp <= 8 else 0
        xor = (size * bpp + 31) // 32 * 4 * size
        mask = (size + 31) // 32 * 4 * size
        expect(length == 40 + table + xor + mask, f"entry {i}: {length} bytes, want {40 + table + xor + mask}")
    expect(end == len(data), "trailing bytes after the last image")


def check_outputs(paths):
    ico = paths["icon"].read_bytes()
    check_icon_file(ico, 1, ICON_IMAGES)
    with Image.open(paths["icon"]) as im:
        found = sorted((e["width"], e["bpp"]) for e in im.ico.entry)
        expect(found == sorted(ICON_IMAGES), f"PIL sees icon entries {found}")
        for size, bpp in ICON_IMAGES:
            frame = im.ico.getimage((size, size), bpp)
            expect(frame.size == (size, size), f"PIL cannot decode the {size} px {bpp}-bit icon")

    cur = paths["pointer"].read_bytes()
    check_icon_file(cur, 2, [(32, POINTER_HOTSPOT)])
    with Image.open(paths["pointer"]) as im:
        im = im.convert("RGBA")
        expect(im.size == (32, 32), "pointer is not 32 x 32")
        expect(im.getpixel(POINTER_HOTSPOT)[3] == 255, "the hot spot is not on the hand")
        x, y = POINTER_HOTSPOT
        expect(all(im.getpixel((x, yy))[3] < 128 for yy in range(y)), "the hand reaches above its hot spot")

    jpg = paths["background"].read_bytes()
    expect(jpg[:2] == b"\xff\xd8", "background is not a JPEG")
    pos, markers, frame = 2, [], None
    while pos < len(jpg):
        marker, length = jpg[pos + 1], struct.unpack_from(">H", jpg, pos + 2)[0]
        markers.append(marker)
        if marker == 0xE1:
            expect(jpg[pos + 4:pos + 10] == b"Exif\0\0", "APP1 segment is not Exif")
        if 0xC0 <= marker <= 0xCF and marker not in (0xC4, 0xC8, 0xCC):
            frame = (marker,) + struct.unpack_from(">BHHB", jpg, pos + 4)
        if marker == 0xDA:
            break
        pos += 2 + length
    expect(0xE1 in markers, "no Exif segment")
    expect(frame == (0xC0, 8, BACKGROUND_SIZE[1], BACKGROUND_SIZE[0], 3),
           f"background frame {frame}: want baseline, 8 bits, 354 x 269, 3 components")
    with Image.open(paths["background"]) as im:
        expect(im.getexif().get(0x0131, "").startswith("dotlock"), "Exif Software tag missing")

    with Image.open(paths["frame"]) as im:
        expect(im.mode == "RGBA" and im.size == (17, 16), "frame template is not 17 x 16 RGBA")
        border, white = FRAME_BORDER + (255,), (255, 255, 255, 255)
        for where, want in (((8, 0), border), ((8, 1), white), ((8, 14), white), ((8, 15), border),
                            ((0, 7), border), ((1, 7), white), ((15, 7), white), ((16, 7), border),
                            ((7, 3), GUIDE), ((9, 12), GUIDE), ((3, 6), GUIDE), ((12, 8), GUIDE)):
            expect(im.getpixel(where) == want, f"frame template pixel {where} is {im.getpixel(where)}")
        for where in ((0, 0), (16, 0), (0, 15), (16, 15), (5, 4), (12, 11)):
            expect(im.getpixel(where)[3] == 0, f"frame template pixel {where} is not clear")

    with Image.open(paths["grip"]) as im:
        expect(im.mode == "RGBA" and im.size == (12, 12), "size grip is not 12 x 12 RGBA")
        colours = {c for c in im.getdata() if c[3]}
        expect(colours == {GRIP_DOT, GRIP_LIGHT}, f"size grip colours {colours}")
        expect(all(im.getpixel((x, y))[3] == 0 for y in range(12) for x in range(12) if x + y < 11),
               "size grip reaches into the upper left half")

    for key, width, tiles, shift in (("buttons", BUTTON_SHEET_WIDTH, BUTTON_TILES.values(), 0),
                                     ("close_only", CLOSE_ONLY_SHEET_WIDTH, [CLOSE_ONLY_TILES], CLOSE_ONLY_SHIFT)):
        with Image.open(paths[key]) as im:
            expect(im.mode == "RGBA" and im.size == (width, TILE_HEIGHT), f"{key} sheet size {im.size}")
            shown = set()
            for widths, offsets in tiles:
                for w, x in zip(widths, offsets):
                    shown.update(range(x + shift, x + shift + w))
            for c in range(width):
                column = [im.getpixel((c, y)) for y in range(TILE_HEIGHT)]
                is_separator = all(p == SEPARATOR for p in column)
                expect(is_separator == (c not in shown), f"{key} sheet column {c}: separator where a tile shows, "
                                                         "or a gap without one")

    bmp = paths["glyphs"].read_bytes()
    expect(len(bmp) == 42822, f"glyph bitmap is {len(bmp)} bytes")
    magic, size, _, _, offset = struct.unpack_from("<2sIHHI", bmp, 0)
    info = struct.unpack_from("<IiiHHIIiiII", bmp, 14)
    expect((magic, size, offset) == (b"BM", 42822, 54), "glyph bitmap file header")
    expect(info[:7] == (40, 72, 198, 1, 24, 0, 42768) and info[9] == 0, f"glyph bitmap info header {info}")
    expect(bmp[54:57] == b"\xff\x00\xff", "glyph bitmap's bottom-left pixel is not magenta")
    with Image.open(paths["glyphs"]) as im:
        expect(im.size == GLYPH_SHEET and im.getpixel((0, 197)) == KEY, "PIL reads the glyph bitmap differently")


# ---------------------------------------------------------------- main

def main():
    paths = {
        "icon": write_bytes("assets/dotlock.ico",
                            icon_container(1, [(draw_icon(s), bpp, None) for s, bpp in ICON_IMAGES])),
        "pointer": write_bytes("assets/pointer.cur", icon_container(2, [(draw_pointer(), 32, POINTER_HOTSPOT)])),
        "background": write_bytes("assets/background.jpg", background_jpeg()),
        "frame": save_png(draw_frame_template(), "src/skin/assets/frame_template.png"),
        "grip": save_png(draw_size_grip(), "src/skin/assets/size_grip.png"),
        "buttons": save_png(draw_button_sheet(), "src/skin/assets/button_sheet.png"),
        "close_only": save_png(draw_close_only_sheet(), "src/skin/assets/close_only_sheet.png"),
        "glyphs": write_bytes("src/auxiliary/assets/glyphs.bmp", bmp24(draw_glyph_sheet())),
    }
    try:
        check_outputs(paths)
    except PictureError as err:
        sys.exit(f"make_pictures: {err}")
    for path in paths.values():
        print(f"{path.relative_to(ROOT)}: {path.stat().st_size} bytes")


if __name__ == "__main__":
    main()
