"""A small anti-aliased painter for the skin pictures, and BMP writers.

Pictures are lists of rows of (r, g, b) floats in 0..255. Shapes are drawn
by coverage: each pixel is sampled on a 4 x 4 grid and the shape's colour is
blended by the share of samples inside, so curves and diagonals come out
smooth without any imaging library.
"""

import struct

SUB = 4  # samples per pixel side


def hex_rgb(text):
    text = text.lstrip("#")
    return tuple(int(text[i:i + 2], 16) for i in (0, 2, 4))


def mix(a, b, t):
    return tuple(a[i] + (b[i] - a[i]) * t for i in range(3))


class Picture:
    def __init__(self, width, height, color=(255, 255, 255)):
        self.width = width
        self.height = height
        self.px = [[tuple(color) for _ in range(width)] for _ in range(height)]

    def get(self, x, y):
        return self.px[y][x]

    def put(self, x, y, color, alpha=1.0):
        if 0 <= x < self.width and 0 <= y < self.height and alpha > 0:
            self.px[y][x] = mix(self.px[y][x], color, min(alpha, 1.0))

    def fill(self, x0, y0, x1, y1, color):
        for y in range(max(y0, 0), min(y1, self.height)):
            for x in range(max(x0, 0), min(x1, self.width)):
                self.px[y][x] = tuple(color)

    def vgradient(self, x0, y0, x1, y1, stops):
        """Fills with a vertical gradient through (position 0..1, colour) stops."""
        span = max(y1 - y0 - 1, 1)
        for y in range(y0, y1):
            t = (y - y0) / span
            for (p0, c0), (p1, c1) in zip(stops, stops[1:]):
                if p0 <= t <= p1:
                    color = mix(c0, c1, (t - p0) / (p1 - p0) if p1 > p0 else 0)
                    break
            else:
                color = stops[-1][1]
            for x in range(x0, x1):
                self.put(x, y, color)

    def shape(self, inside, x0, y0, x1, y1, color, alpha=1.0):
        """Blends color (or color(x, y)) over the pixels of the box by the
        share of samples for which inside(sx, sy) holds."""
        for y in range(max(int(y0), 0), min(int(y1) + 1, self.height)):
            for x in range(max(int(x0), 0), min(int(x1) + 1, self.width)):
                hits = 0
                for j in range(SUB):
                    for i in range(SUB):
                        if inside(x + (i + 0.5) / SUB, y + (j + 0.5) / SUB):
                            hits += 1
                if hits:
                    c = color(x, y) if callable(color) else color
                    self.put(x, y, c, alpha * hits / (SUB * SUB))

    def blit(self, src, sx, sy, w, h, dx, dy):
        for y in range(h):
            for x in range(w):
                if 0 <= dy + y < self.height and 0 <= dx + x < self.width:
                    self.px[dy + y][dx + x] = src.px[sy + y][sx + x]


def in_round_rect(x0, y0, x1, y1, r):
    """Predicate: the point lies in the rectangle [x0, x1) x [y0, y1) with
    corners rounded by radius r."""
    def inside(x, y):
        if x < x0 or x >= x1 or y < y0 or y >= y1:
            return False
        cx = min(max(x, x0 + r), x1 - r)
        cy = min(max(y, y0 + r), y1 - r)
        return (x - cx) ** 2 + (y - cy) ** 2 <= r * r
    return inside


def round_rect(pic, x0, y0, x1, y1, r, color, alpha=1.0):
    pic.shape(in_round_rect(x0, y0, x1, y1, r), x0, y0, x1, y1, color, alpha)


def round_frame(pic, x0, y0, x1, y1, r, color, width=1.0, alpha=1.0):
    outer = in_round_rect(x0, y0, x1, y1, r)
    inner = in_round_rect(x0 + width, y0 + width, x1 - width, y1 - width, max(r - width, 0))
    pic.shape(lambda x, y: outer(x, y) and not inner(x, y), x0, y0, x1, y1, color, alpha)


def segment(pic, ax, ay, bx, by, width, color, alpha=1.0):
    """A line of the given width between two points, with round ends."""
    dx, dy = bx - ax, by - ay
    length2 = dx * dx + dy * dy or 1e-9
    half = width / 2

    def inside(x, y):
        t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / length2))
        px, py = ax + t * dx - x, ay + t * dy - y
        return px * px + py * py <= half * half

    pic.shape(inside, min(ax, bx) - half - 1, min(ay, by) - half - 1, max(ax, bx) + half + 1,
              max(ay, by) + half + 1, color, alpha)


def polygon(pic, points, color, alpha=1.0):
    def inside(x, y):
        result = False
        j = len(points) - 1
        for i, (xi, yi) in enumerate(points):
            xj, yj = points[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                result = not result
            j = i
        return result
    xs = [p[0] for p in points]
    ys = [p[1] for p in points]
    pic.shape(inside, min(xs), min(ys), max(xs), max(ys), color, alpha)


def disc(pic, cx, cy, r, color, alpha=1.0):
    pic.shape(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r * r, cx - r - 1, cy - r - 1, cx + r + 1,
              cy + r + 1, color, alpha)


def ring(pic, cx, cy, r, width, color, alpha=1.0):
    def inside(x, y):
        d = (x - cx) ** 2 + (y - cy) ** 2
        return (r - width) ** 2 <= d <= r * r
    pic.shape(inside, cx - r - 1, cy - r - 1, cx + r + 1, cy + r + 1, color, alpha)


# --- BMP files -----------------------------------------------------------------

def _rows(pic):
    return [[tuple(max(0, min(255, int(round(c)))) for c in p) for p in row] for row in pic.px]


def _median_cut(colors, counts, boxes_wanted):
    boxes = [list(colors)]
    while len(boxes) < boxes_wanted:
        best, best_range, best_channel = None, -1, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for ch in range(3):
                values = [c[ch] for c in box]
                spread = max(values) - min(values)
                if spread > best_range:
                    best, best_range, best_channel = i, spread, ch
        if best is None or best_range == 0:
            break
        box = sorted(boxes.pop(best), key=lambda c: c[best_channel])
        total = sum(counts[c] for c in box)
        running, cut = 0, 1
        for k, c in enumerate(box):
            running += counts[c]
            if running >= total / 2:
                cut = max(1, min(k + 1, len(box) - 1))
                break
        boxes += [box[:cut], box[cut:]]
    palette = []
    for box in boxes:
        weight = sum(counts[c] for c in box)
        palette.append(tuple(int(round(sum(c[ch] * counts[c] for c in box) / weight)) for ch in range(3)))
    return palette


def _header(width, height, bits, colors, image_size):
    off = 14 + 40 + colors * 4
    return (b"BM" + struct.pack("<IHHI", off + image_size, 0, 0, off) +
            struct.pack("<IiiHHIIiiII", 40, width, height, 1, bits, 0, image_size, 2835, 2835, 0, 0))


def save_bmp(pic, path, bits):
    """Writes the picture as a bottom-up BMP of 24, 8 (median-cut palette)
    or 1 bit (black where the picture is dark, white elsewhere)."""
    rows = _rows(pic)
    w, h = pic.width, pic.height
    stride = ((w * bits + 31) // 32) * 4
    body = bytearray()
    if bits == 24:
        for row in reversed(rows):
            line = bytearray()
            for r, g, b in row:
                line += bytes((b, g, r))
            body += line + bytes(stride - len(line))
        data = _header(w, h, 24, 0, len(body)) + bytes(body)
    elif bits == 8:
        counts = {}
        for row in rows:
            for c in row:
                counts[c] = counts.get(c, 0) + 1
        palette = sorted(counts) if len(counts) <= 256 else _median_cut(sorted(counts), counts, 256)
        nearest = {}

        def index(c):
            if c not in nearest:
                nearest[c] = min(range(len(palette)),
                                 key=lambda i: sum((palette[i][k] - c[k]) ** 2 for k in range(3)))
            return nearest[c]

        for row in reversed(rows):
            line = bytes(index(c) for c in row)
            body += line + bytes(stride - len(line))
        table = b"".join(bytes((b, g, r, 0)) for r, g, b in palette) + bytes(4 * (256 - len(palette)))
        data = _header(w, h, 8, 256, len(body)) + table + bytes(body)
    elif bits == 1:
        for row in reversed(rows):
            line = bytearray(stride)
            for x, c in enumerate(row):
                if sum(c) > 3 * 127:
                    line[x >> 3] |= 0x80 >> (x & 7)
            body += line
        data = _header(w, h, 1, 2, len(body)) + bytes((0, 0, 0, 0, 255, 255, 255, 0)) + bytes(body)
    else:
        raise ValueError(bits)
    with open(path, "wb") as f:
        f.write(data)
