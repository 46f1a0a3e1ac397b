"""Screenshots of X windows through ImageMagick's `import`, read as plain RGB."""

import subprocess


class Picture:
    def __init__(self, width, height, rgb):
        self.width = width
        self.height = height
        self.rgb = rgb

    def pixel(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.rgb[i:i + 3])

    def crop(self, rect):
        """The bytes of the pixels in rect = (x, y, w, h), row by row."""
        x, y, w, h = rect
        return b"".join(self.rgb[3 * (row * self.width + x):3 * (row * self.width + x + w)]
                        for row in range(y, y + h))

    def share(self, rect, test):
        """The share of pixels in rect = (x, y, w, h) for which test(r, g, b) holds."""
        x0, y0, w, h = rect
        x0, y0 = max(0, x0), max(0, y0)
        x1, y1 = min(self.width, x0 + w), min(self.height, y0 + h)
        total = hits = 0
        for y in range(y0, y1):
            row = self.rgb[3 * (y * self.width + x0):3 * (y * self.width + x1)]
            for i in range(0, len(row), 3):
                total += 1
                hits += test(row[i], row[i + 1], row[i + 2])
        return hits / total if total else 0.0

    def bounding_box(self, test, within=None):
        """The smallest (x, y, w, h) holding every pixel for which test holds, or None."""
        x0, y0, w, h = within or (0, 0, self.width, self.height)
        xs, ys = [], []
        for y in range(y0, min(self.height, y0 + h)):
            row = self.rgb[3 * (y * self.width + x0):3 * (y * self.width + min(self.width, x0 + w))]
            hit = [i // 3 for i in range(0, len(row), 3) if test(row[i], row[i + 1], row[i + 2])]
            if hit:
                xs += [x0 + hit[0], x0 + hit[-1]]
                ys.append(y)
        if not ys:
            return None
        return (min(xs), ys[0], max(xs) - min(xs) + 1, ys[-1] - ys[0] + 1)


def grab(window, env):
    """The window's pixels as they are on the display now."""
    out = subprocess.run(["import", "-window", str(window), "-depth", "8", "ppm:-"],
                         env=env, capture_output=True, timeout=60)
    if out.returncode != 0:
        raise RuntimeError("import could not read window %s: %s" % (window, out.stderr.decode().strip()))
    data = out.stdout
    # P6 <width> <height> 255, each separated by one whitespace byte.
    fields, at = [], 0
    while len(fields) < 4:
        while data[at:at + 1].isspace():
            at += 1
        end = at
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[at:end])
        at = end
    at += 1
    if fields[0] != b"P6" or fields[3] != b"255":
        raise RuntimeError("import gave an unexpected picture format %r" % fields[:4])
    width, height = int(fields[1]), int(fields[2])
    return Picture(width, height, data[at:at + 3 * width * height])


def save_screen(path, env):
    """The whole screen into a PNG, for a look after a failure."""
    subprocess.run(["import", "-window", "root", path], env=env, capture_output=True, timeout=60)
