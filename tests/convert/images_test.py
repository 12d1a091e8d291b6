"""mosaikon-convert and common images, judged by Pillow: it makes the images read and reads back
the PNG, GIF and BMP files written.
Usage: images_test.py PATH/TO/mosaikon-convert"""

import os
import struct
import subprocess
import sys
import tempfile
import unittest
import zlib

from PIL import Image, ImageDraw

CONVERT = None


def cell_set(frame, x, y):
    return (3 * x + 5 * y + frame) % 7 == 0 or x == y + frame


def animation_bytes(width, height, frames, delay):
    """An .ema of the cell_set pattern, 0-based frames."""
    out = bytearray([6, width, height, frames, delay])
    for frame in range(frames):
        for y in range(height):
            row = bytearray((width + 7) // 8)
            for x in range(width):
                if cell_set(frame, x, y):
                    row[x // 8] |= 0x80 >> (x % 8)
            out += row
    return bytes(out)


def cells_of(data):
    """(width, height, delay, frames as sets of (x, y)) of .ems or .ema bytes."""
    animation = data[0] == 6
    width, height = data[1], data[2]
    count, delay, start = (data[3], data[4], 5) if animation else (1, 0, 3)
    row = (width + 7) // 8
    frames = []
    for frame in range(count):
        base = start + frame * row * height
        frames.append({(x, y) for y in range(height) for x in range(width)
                       if data[base + y * row + x // 8] & (0x80 >> (x % 8))})
    return width, height, delay, frames


def dark_cells(image, size=None):
    """The cells of a picture as the converter should see it: luminance below 128."""
    grey = image.convert("L")
    if size:
        grey = grey.resize(size, Image.BOX)
    return {(x, y) for y in range(grey.height) for x in range(grey.width)
            if grey.getpixel((x, y)) < 128}


class Images(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()

    def tearDown(self):
        self.folder.cleanup()

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def run_convert(self, *args):
        names = [self.path(a) if "." in a and not a.startswith("-") else a for a in args]
        return subprocess.run([CONVERT, *names], capture_output=True, text=True, timeout=60)

    def converted(self, *args):
        result = self.run_convert(*args)
        self.assertEqual(result.returncode, 0, result.stderr)
        return result.stderr

    def refused(self, args, words):
        """Status 1, the words on stderr, and the output as it was before: none, or whole."""
        output = self.path(args[-1])
        before = self.read(args[-1]) if os.path.exists(output) else None
        result = self.run_convert(*args)
        self.assertEqual(result.returncode, 1, args)
        for word in words:
            self.assertIn(word, result.stderr, args)
        self.assertEqual(self.read(args[-1]) if os.path.exists(output) else None, before, args)

    def write(self, name, data):
        with open(self.path(name), "wb") as file:
            file.write(data)

    def read(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def test_png_and_bmp_show_the_chosen_frame_cell_by_cell(self):
        self.write("a.ema", animation_bytes(20, 10, 3, 8))
        cases = [  # options, output, frames shown left to right, scale
            (["--frame", "2", "--scale", "3"], "f2.png", [1], 3),
            (["--all-frames", "--scale", "2"], "all.png", [0, 1, 2], 2),
            ([], "f1.png", [0], 1),
            (["--frame", "3"], "f3.bmp", [2], 1),
        ]
        for options, output, frames, scale in cases:
            self.converted(*options, "a.ema", output)
            with Image.open(self.path(output)) as file:
                image = file.convert("L")
            self.assertEqual(image.size, (20 * scale * len(frames), 10 * scale), output)
            for px in range(image.width):
                for py in range(image.height):
                    cell = px // scale
                    wanted = cell_set(frames[cell // 20], cell % 20, py // scale)
                    self.assertEqual(image.getpixel((px, py)), 0 if wanted else 255,
                                     f"{output} at {px}, {py}")
        self.refused(["--frame", "4", "a.ema", "new.png"], ["a.ema", "3 frames"])
        self.write("old.png", b"kept")
        self.refused(["--frame", "4", "a.ema", "old.png"], ["a.ema", "3 frames"])

    def test_gif_has_every_frame_its_delay_and_loops_for_ever(self):
        cases = [(1, 20, True), (2, 20, False), (8, 100, False), (9, 110, False),
                 (255, 3060, False)]  # zZ, milliseconds Pillow reads, a remark
        for delay, milliseconds, remarked in cases:
            self.write("a.ema", animation_bytes(12, 9, 3, delay))
            stderr = self.converted("a.ema", "a.gif")
            self.assertEqual("2/100 s" in stderr, remarked, stderr)
            with Image.open(self.path("a.gif")) as gif:
                self.assertEqual((gif.n_frames, gif.info.get("loop")), (3, 0))
                for frame in range(3):
                    gif.seek(frame)
                    self.assertEqual(gif.info["duration"], milliseconds, f"zZ {delay}")
                    self.assertEqual(dark_cells(gif), {(x, y) for y in range(9)
                                                       for x in range(12) if cell_set(frame, x, y)})
        # A picture, and an animation of delay 0, which stands still: frame 1 alone.
        self.write("p.ems", bytes([2, 12, 9]) + animation_bytes(12, 9, 1, 0)[5:])
        self.write("still.ema", animation_bytes(12, 9, 3, 0))
        for name in ["p.ems", "still.ema"]:
            stderr = self.converted(name, "p.gif")
            self.assertEqual("stands still" in stderr, name == "still.ema", stderr)
            with Image.open(self.path("p.gif")) as gif:
                self.assertEqual((gif.n_frames, dark_cells(gif)),
                                 (1, {(x, y) for y in range(9) for x in range(12)
                                      if cell_set(0, x, y)}), name)

    def test_shades_cut_by_threshold_invert_and_transparency(self):
        shades = [(0, 255), (127, 255), (128, 255), (200, 255), (255, 255), (0, 0), (255, 100)]
        image = Image.new("LA", (len(shades), 1))
        image.putdata(shades)
        image.save(self.path("shades.png"))
        cases = [([], {0, 1}), (["--threshold", "201"], {0, 1, 2, 3}),
                 (["--threshold", "0"], set()),
                 (["--invert"], {2, 3, 4}), (["--dither"], {0, 1})]
        for options, columns in cases:
            self.converted(*options, "shades.png", "s.ems")
            self.assertEqual(cells_of(self.read("s.ems"))[3][0], {(x, 0) for x in columns}, options)

    def test_writable_output_in_a_read_only_folder_is_refused_and_kept(self):
        # No temporary file can be made beside it, and writing it in place could leave it cut
        # short. Root passes every permission check, so the converter runs as nobody then.
        self.write("a.ems", bytes([2, 8, 1, 0x81]))
        locked = self.path("locked")
        os.mkdir(locked)
        self.write("locked/old.png", b"kept")
        os.chmod(self.path("locked/old.png"), 0o666)
        os.chmod(locked, 0o555)
        os.chmod(self.folder.name, 0o755)
        as_nobody = (lambda: os.setuid(65534)) if os.getuid() == 0 else None
        result = subprocess.run([CONVERT, self.path("a.ems"), self.path("locked/old.png")],
                                capture_output=True, text=True, preexec_fn=as_nobody)
        os.chmod(locked, 0o755)
        self.assertEqual((result.returncode, self.read("locked/old.png")), (1, b"kept"))
        self.assertIn("old.png: cannot be written: Permission denied", result.stderr)
        self.assertEqual(os.listdir(locked), ["old.png"])

    def test_sizes_kept_refused_or_fitted(self):
        Image.new("L", (129, 96), 0).save(self.path("wide.png"))
        self.refused(["wide.png", "w.ems"], ["wide.png", "129 x 96", "128 x 96"])
        cases = [(["--fit"], (129, 96), (128, 95)), (["--size", "72x28"], (640, 480), (37, 28)),
                 ([], (128, 96), (128, 96)), (["--fit"], (5, 3), (5, 3))]
        for options, size, cells in cases:
            Image.new("L", size, 0).save(self.path("in.png"))
            self.converted(*options, "in.png", "out.ems")
            self.assertEqual(cells_of(self.read("out.ems"))[:2], cells, options)

    def test_bombs_are_refused_from_their_headers(self):
        def chunk(kind, data):
            return (struct.pack(">I", len(data)) + kind + data
                    + struct.pack(">I", zlib.crc32(kind + data)))
        header = struct.pack(">IIBBBBB", 60000, 60000, 8, 0, 0, 0, 0)
        png = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
               + chunk(b"IDAT", zlib.compress(b"\0" * 4096)) + chunk(b"IEND", b""))
        # A top-down 24-bit BMP of 5000 x 5000: 75 MB, within Qt's own allocation limit.
        bmp_header = struct.pack("<2sIHHIIiiHHIIiiII", b"BM", 54, 0, 0, 54, 40, 5000, -5000, 1, 24,
                                 0, 0, 0, 0, 0, 0)
        self.write("bomb.png", png)
        self.write("bomb.bmp", bmp_header + b"\0" * 64)
        for name in ["bomb.png", "bomb.bmp"]:
            self.refused(["--fit", name, "b.ems"], [name, "5000 x 5000" if "bmp" in name
                                                    else "60000 x 60000", "16 megapixels"])
        self.write("junk.jpg", b"\xff\xd8\xff\xe0 no more")
        self.refused(["junk.jpg", "j.ems"], ["junk.jpg"])

    def test_damaged_images_are_refused_in_one_line_of_our_own(self):
        photo = Image.radial_gradient("L").resize((800, 600)).convert("RGB")
        photo.save(self.path("whole.jpg"), quality=90)
        photo.save(self.path("whole.png"))
        jpeg, png = self.read("whole.jpg"), bytearray(self.read("whole.png"))
        png[300:340] = bytes(40)  # inside the compressed rows
        self.write("cut.jpg", jpeg[:len(jpeg) // 3])
        self.write("bad.png", bytes(png))
        self.write("cut.png", bytes(png[:len(png) // 2]))
        for name in ["cut.jpg", "bad.png", "cut.png"]:
            result = self.run_convert("--fit", name, "out.ems")
            self.assertEqual(result.returncode, 1, name)
            self.assertFalse(os.path.exists(self.path("out.ems")), name)
            self.assertRegex(result.stderr, rf"\Amosaikon-convert: \S*{name}: cannot be decoded: "
                             r"\S[^\n]*\n\Z")
        self.converted("--fit", "whole.jpg", "out.ems")

    def test_animated_gif_and_webp_frames_delay_and_first_sixteen(self):
        frames = []
        for index in range(20):
            frame = Image.new("L", (40, 30), 255)
            ImageDraw.Draw(frame).rectangle([index, 2, index + 9, 20], fill=0)
            frames.append(frame)
        cases = [("a.gif", 0, 8), ("b.gif", 10, 8), ("c.gif", 20, 2), ("d.gif", 100, 8),
                 ("e.gif", 5000, 255), ("f.webp", 240, 20)]  # name, first delay (ms), zZ
        for name, milliseconds, delay in cases:
            frames[0].save(self.path(name), save_all=True, append_images=frames[1:],
                           duration=[milliseconds] + [100] * 19, loop=0, lossless=True)
            stderr = self.converted(name, "a.ema")
            self.assertIn("20 frames", stderr)
            width, height, read_delay, cells = cells_of(self.read("a.ema"))
            self.assertEqual((width, height, read_delay, len(cells)), (40, 30, delay, 16), name)
            with Image.open(self.path(name)) as source:
                for index in range(16):
                    source.seek(index)
                    self.assertEqual(cells[index], dark_cells(source), f"{name} frame {index + 1}")
        self.converted("a.gif", "first.ems")
        self.assertEqual(cells_of(self.read("first.ems"))[3], [dark_cells(frames[0])])

    def test_photo_fits_as_its_area_average(self):
        photo = Image.radial_gradient("L").resize((1600, 1200)).convert("RGB")
        draw = ImageDraw.Draw(photo)
        for step in range(0, 1600, 90):
            draw.line([(step, 0), (1600 - step, 1200)], fill=(20, 40, 200), width=9)
        draw.ellipse([300, 200, 900, 800], fill=(250, 200, 30))
        for name in ["photo.png", "photo.jpg"]:
            photo.save(self.path(name), quality=95)
            self.converted("--fit", name, "photo.ems")
            cells = cells_of(self.read("photo.ems"))[3][0]
            with Image.open(self.path(name)) as saved:
                wanted = dark_cells(saved, (128, 96))
            differing = len(cells ^ wanted)
            self.assertLess(differing, 128 * 96 // 100, f"{name}: {differing} cells differ")


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv.pop(1))
    unittest.main()
