"""One table over the three programs: wrong command lines, missing files, folders, pipes, "-",
help and version; the exit status (0 done, 1 failed, 2 wrong command line) and the first words
of what each says. The thumbnailer and the editor are found beside mosaikon-convert; the editor
runs with no display. Usage: commandlines_test.py PATH/TO/mosaikon-convert"""

import os
import re
import subprocess
import sys
import tempfile
import unittest

FOLDER = None
PICTURE = bytes([2, 8, 2, 0x81, 0x7E])
PNG = b"\x89PNG\r\n\x1a\n"

C, T, E = "mosaikon-convert", "mosaikon-thumbnailer", "mosaikon"
# program, arguments, standard input, status, the start of stderr's first line (of stdout's for
# status 0), the file that must hold a PNG afterwards. "{}" in a start is the program's name.
ROWS = [
    (C, ["--help"], None, 0, "Usage: mosaikon-convert", None),
    (C, ["-V"], None, 0, "mosaikon-convert 1.", None),
    (C, [], None, 2, "{}: an INPUT and an OUTPUT are needed", None),
    (C, ["--bogus", "p.ems", "o.png"], None, 2, "{}: unknown option --bogus", None),
    (C, ["-x"], None, 2, "{}: unknown option -x", None),
    (C, ["p.ems", "o.png", "x.png"], None, 2, "{}: too many files", None),
    (C, ["p.ems", "-"], None, 2, "{}: - as OUTPUT needs --to KIND", None),
    (C, ["-", "o.png"], PICTURE, 2, "{}: - as INPUT needs --from KIND", None),
    (C, ["--scale", "2", "p.ems", "o.pdu"], None, 2, "{}: --scale is for a PNG or GIF", None),
    (C, ["missing.ems", "o.png"], None, 1,
     "{}: missing.ems: cannot be read: No such file or directory", None),
    (C, ["folder.ems", "o.png"], None, 1, "{}: folder.ems: cannot be read: Is a directory", None),
    (C, ["fifo.ems", "o.png"], None, 1, "{}: fifo.ems: cannot be read: not a regular file", None),
    (C, ["p.ems", "nofolder/o.png"], None, 1,
     "{}: nofolder/o.png: cannot be written: No such file or directory", None),
    (C, ["p.ems", "p.ems"], None, 1, "{}: p.ems: is the INPUT file itself", None),
    (C, ["--list", "p.ems"], None, 1, "{}: p.ems: is a Mosaikon picture, not a message listing",
     None),
    (C, ["--from", "ems", "-", "o.png"], b"junk", 1, "{}: -: is no Mosaikon picture", None),
    (C, ["--list", "-"], PICTURE, 1, "{}: -: is a Mosaikon picture, not a message listing", None),
    (C, ["--from", "ems", "-", "o.png"], PICTURE, 0, "", "o.png"),
    (C, ["--from", "ems", "--to", "png", "-", "-"], PICTURE, 0, "", "-"),
    (C, ["--to", "png", "p.ems", "-"], None, 0, "", "-"),
    (T, ["--help"], None, 0, "Usage: mosaikon-thumbnailer", None),
    (T, ["-V"], None, 0, "mosaikon-thumbnailer 1.", None),
    (T, [], None, 2, "{}: -s SIZE is needed", None),
    (T, ["-s", "9"], None, 2, "{}: an INPUT and an OUTPUT are needed", None),
    (T, ["-s", "9", "p.ems"], None, 2, "{}: an OUTPUT is needed", None),
    (T, ["-s", "9", "p.ems", "o.png", "x.png"], None, 2, "{}: too many files", None),
    (T, ["-s", "0", "p.ems", "o.png"], None, 2, "{}: -s takes a whole number", None),
    (T, ["--bogus", "p.ems", "o.png"], None, 2, "{}: unknown option --bogus", None),
    (T, ["-s", "9", "missing.ems", "o.png"], None, 1,
     "{}: missing.ems: cannot be read: No such file or directory", None),
    (T, ["-s", "9", "folder.ems", "o.png"], None, 1,
     "{}: folder.ems: cannot be read: Is a directory", None),
    (T, ["-s", "9", "fifo.ems", "o.png"], None, 1,
     "{}: fifo.ems: cannot be read: not a regular file", None),
    (T, ["-s", "9", "p.ems", "p.ems"], None, 1, "{}: p.ems: is the INPUT file itself", None),
    (T, ["-s", "9", "p.ems", "-"], None, 0, "", "-"),
    (E, ["--help"], None, 0, "Usage: ", None),
    (E, ["--version"], None, 0, "Mosaikon 1.", None),
    (E, ["-V"], None, 0, "Mosaikon 1.", None),
    (E, ["--bogus"], None, 2, "{}: unknown option --bogus", None),
]


class CommandLines(unittest.TestCase):
    def setUp(self):
        self.folder = tempfile.TemporaryDirectory()
        self.addCleanup(self.folder.cleanup)
        with open(self.path("p.ems"), "wb") as picture:
            picture.write(PICTURE)
        os.mkdir(self.path("folder.ems"))
        os.mkfifo(self.path("fifo.ems"))

    def path(self, name):
        return os.path.join(self.folder.name, name)

    def run_program(self, program, arguments, stdin=None):
        environment = {k: v for k, v in os.environ.items()
                       if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        return subprocess.run([os.path.join(FOLDER, program), *arguments], input=stdin,
                              capture_output=True, cwd=self.folder.name, env=environment,
                              timeout=30)

    def test_every_row(self):
        for program, arguments, stdin, status, start, png in ROWS:
            with self.subTest(program=program, arguments=arguments):
                if not os.path.exists(os.path.join(FOLDER, program)):
                    self.skipTest(f"{program} is not built")
                result = self.run_program(program, arguments, stdin)
                self.assertEqual(result.returncode, status, result.stderr)
                said = (result.stdout if status == 0 else result.stderr).decode(errors="replace")
                if start is not None:
                    self.assertTrue(said.startswith(start.format(program)), said)
                if png == "-":
                    self.assertTrue(result.stdout.startswith(PNG))
                elif png:
                    with open(self.path(png), "rb") as written:
                        self.assertTrue(written.read().startswith(PNG))
                    os.remove(self.path(png))
                self.assertFalse(os.path.exists(self.path("o.png")), "written on a failure")
                with open(self.path("p.ems"), "rb") as picture:
                    self.assertEqual(picture.read(), PICTURE)

    def test_help_lists_every_option_the_parser_takes_and_no_other(self):
        for program in [C, T]:
            listed = self.run_program(program, ["--help"]).stdout.decode()
            names = re.findall(r"^ +(?:-(\w), )?--([\w-]+)", listed, re.MULTILINE)
            self.assertGreater(len(names), 2, listed)
            for letter, name in names:
                for form in [f"--{name}"] + ([f"-{letter}"] if letter else []):
                    said = self.run_program(program, [form]).stderr.decode()
                    self.assertNotIn("unknown option", said, form)
            said = self.run_program(program, ["--unlisted"]).stderr.decode()
            self.assertIn("unknown option --unlisted", said)


if __name__ == "__main__":
    FOLDER = os.path.dirname(os.path.abspath(sys.argv.pop(1)))
    unittest.main()
