"""mosaikon-convert --to KIND INPUT...: every input to a file of its own name, on every core; a
failed input writes nothing and is named, a summary ends the run. Pillow makes the inputs and
reads the outputs. Usage: manyfiles_test.py PATH/TO/mosaikon-convert"""

import os
import pty
import subprocess
import sys
import tempfile
import unittest

from PIL import Image, ImageDraw

CONVERT = None


class ManyFiles(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)

    def path(self, *names):
        return os.path.join(self.folder.name, *names)

    def photo(self, name, seed):
        image = Image.new("L", (120, 90), 255)
        ImageDraw.Draw(image).ellipse([seed % 60, seed % 40, 60 + seed % 60, 80], fill=0)
        image.save(self.path(name))

    def convert(self, *args, **kwargs):
        return subprocess.run([CONVERT, *args], capture_output=True, text=True, timeout=120,
                              cwd=self.folder.name, **kwargs)

    def test_good_and_bad_inputs_each_named_the_bad_ones_write_nothing(self):
        for index in range(24):
            self.photo(f"p{index}.png", index * 7)
        self.photo("twin.png", 3)
        self.photo("twin.gif", 3)
        with open(self.path("p1.png"), "rb") as whole:
            data = whole.read()
        os.mkdir(self.path("folder.png"))
        os.mkdir(self.path("out"))
        inputs = {  # name: the words of its line on stderr, or None when it converts
            **{f"p{index}.png": None for index in range(24)},
            "twin.png": None,
            "twin.gif": "twin.gif: out/twin.ems is written from twin.png already",
            "cut.png": "cut.png: cannot be decoded: ",
            "missing.png": "missing.png: cannot be read: No such file or directory",
            "folder.png": "folder.png: cannot be read: Is a directory",
            "plain.ems": "plain.ems: is no Mosaikon picture or animation",
            "big.png": "big.png: is 300 x 100, larger than 128 x 96; --fit scales it down",
        }
        with open(self.path("cut.png"), "wb") as cut:
            cut.write(data[:len(data) // 2])
        with open(self.path("plain.ems"), "w") as text:
            text.write("no picture")
        Image.new("L", (300, 100)).save(self.path("big.png"))
        result = self.convert("--to", "ems", "--output-dir", "out", *inputs)
        self.assertEqual(result.returncode, 1, result.stderr)
        lines = result.stderr.splitlines()
        failed = [name for name, words in inputs.items() if words]
        self.assertEqual(lines[-1], f"mosaikon-convert: {len(inputs) - len(failed)} of "
                                    f"{len(inputs)} files converted, {len(failed)} failed")
        self.assertEqual(len(lines), len(failed) + 1, result.stderr)
        for name in failed:
            self.assertIn(f"mosaikon-convert: {inputs[name]}", result.stderr)
        # The same output however it is spelt.
        result = self.convert("--to", "ems", "twin.png", "./twin.gif")
        self.assertEqual((result.returncode, result.stderr.splitlines()[0]), (1,
                         "mosaikon-convert: ./twin.gif: ./twin.ems is written from twin.png already"))
        written = sorted(os.listdir(self.path("out")))
        self.assertEqual(written, sorted(name.split(".")[0] + ".ems" for name in inputs
                                         if not inputs[name]))
        # Each output holds what the one-file form writes for its input, whichever core made it.
        for name in ["p0.png", "p13.png", "p23.png", "twin.png"]:
            self.assertEqual(self.convert(name, "one.ems").returncode, 0)
            with open(self.path("one.ems"), "rb") as one, \
                    open(self.path("out", name[:-4] + ".ems"), "rb") as many:
                self.assertEqual(one.read(), many.read(), name)

    def test_beside_the_inputs_and_a_bar_on_a_terminal_alone(self):
        for index in range(3):
            self.photo(f"p{index}.png", index)
        result = self.convert("--to", "gif", "--scale", "2", "p0.png", "p1.png", "p2.png")
        self.assertEqual((result.returncode, result.stderr),
                         (0, "mosaikon-convert: 3 of 3 files converted\n"))
        for index in range(3):
            with Image.open(self.path(f"p{index}.gif")) as gif:
                self.assertEqual(gif.size, (240, 180))
        terminal, other_end = pty.openpty()
        process = subprocess.run([CONVERT, "--to", "bmp", "p0.png", "p1.png", "p2.png"],
                                 stderr=other_end, cwd=self.folder.name, timeout=60)
        os.close(other_end)
        shown = os.read(terminal, 4096).decode()
        os.close(terminal)
        self.assertEqual(process.returncode, 0)
        self.assertIn("] 3 of 3", shown)
        self.assertTrue(shown.endswith("\x1b[Kmosaikon-convert: 3 of 3 files converted\r\n"),
                        repr(shown))


if __name__ == "__main__":
    CONVERT = os.path.abspath(sys.argv.pop(1))
    unittest.main()
