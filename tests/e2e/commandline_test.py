"""The command line: a file given there, as a path or a file: URI, opens after the splash as Open
would open it, a bad one ends in Open's message, and help, version and an unknown option answer
without a display."""

import os
import subprocess
import tempfile
import urllib.parse

import mosaikonapp
from emsfiles import picture_file
from mosaikonapp import MosaikonTestCase

CELLS = {(1, 1), (16, 16)}


class CommandLine(MosaikonTestCase):
    def test_given_file_opens_and_saves_back_into_its_folder(self):
        os.mkdir(self.path("pictures"))
        with open(self.path("pictures/given.ems"), "wb") as file:
            file.write(picture_file(16, 16, CELLS))

        self.app.start("pictures/given.ems")
        self.app.wait_for_title("given - Mosaikon")
        self.app.picture_size = (16, 16)
        self.app.wait_for_cells(CELLS, "the given picture")

        self.app.draw(8, 8)
        self.app.shortcut("ctrl+s")
        self.app.wait_until(lambda: self.read_file("pictures/given.ems")
                            == picture_file(16, 16, CELLS | {(8, 8)}), "the file saved back")

    def test_file_uri_opens_the_file_its_path_names(self):
        os.mkdir(self.path("my pictures"))
        given = self.path("my pictures/Привет.ems")
        with open(given, "wb") as file:
            file.write(picture_file(16, 16, CELLS))

        self.app.start("file://" + urllib.parse.quote(given))
        self.app.wait_for_title("Привет - Mosaikon")
        self.app.picture_size = (16, 16)
        self.app.wait_for_cells(CELLS, "the picture the URI names")

        self.app.draw(8, 8)
        self.app.shortcut("ctrl+s")
        self.app.wait_until(lambda: self.read_file("my pictures/Привет.ems")
                            == picture_file(16, 16, CELLS | {(8, 8)}), "the file saved back")
        self.assertEqual(os.listdir(self.path("my pictures")), ["Привет.ems"])

    def test_bad_file_shows_the_message_then_the_empty_picture(self):
        with open(self.path("bad.ems"), "wb") as file:
            file.write(bytes([0x09, 16, 16]))

        self.app.start("bad.ems")
        self.app.answer(self.app.wait_for_message().name, "OK")
        self.assertEqual(self.app.title(), "Mosaikon")
        self.assertEqual(self.app.set_cells(), set())
        self.assertEqual(self.app.main_window.width, mosaikonapp.CLIENT_WIDTH)

    def test_text_answers_and_unknown_options_need_no_display(self):
        """Qt's own options pass with their values; the program's are checked before any display
        is opened."""
        environment = {key: value for key, value in os.environ.items()
                       if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        cases = [
            (["--version"], 0, "Mosaikon 1.3\n"),
            (["-style", "fusion", "-reverse", "--help"], 0, "Usage:"),
            (["--no-such-option"], 2, "mosaikon: unknown option --no-such-option\n"),
            (["-platform", "xcb", "--colour", "x.ems"], 2, "mosaikon: unknown option --colour\n"),
            (["-colour=red"], 2, "mosaikon: unknown option -colour\n"),
        ]
        for arguments, status, text in cases:
            with self.subTest(arguments=arguments):
                run = subprocess.run([mosaikonapp.BINARY, *arguments], env=environment,
                                     capture_output=True, text=True, timeout=10)
                self.assertEqual(run.returncode, status, run.stderr)
                self.assertIn(text, run.stdout if status == 0 else run.stderr)

        unknown = subprocess.run([mosaikonapp.BINARY, "--colour", "x.ems"],
                                 env=self.server.environment(), capture_output=True, text=True,
                                 timeout=10)
        self.assertEqual(unknown.returncode, 2)
        self.assertIn("Try 'mosaikon --help'.", unknown.stderr)
        self.assertEqual(self.server.visible_windows(), [])

    def test_no_display_is_one_line_and_a_failure(self):
        """Without a display the program says which one it could not open, instead of Qt's
        abort; a platform that needs none starts as usual."""
        environment = {key: value for key, value in os.environ.items()
                       if key not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        # A Wayland desktop's own socket must not answer for the display that is missing.
        runtime = tempfile.TemporaryDirectory()
        self.addCleanup(runtime.cleanup)
        environment["XDG_RUNTIME_DIR"] = runtime.name
        cases = [
            ({}, [], 'mosaikon: cannot open display: none is set (DISPLAY, WAYLAND_DISPLAY)'),
            ({"DISPLAY": ":99"}, [], 'mosaikon: cannot open display ":99"'),
            ({"QT_QPA_PLATFORM": "xcb"}, ["-display", ":98"],
             'mosaikon: cannot open display ":98"'),
        ]
        for variables, arguments, line in cases:
            with self.subTest(variables=variables, arguments=arguments):
                run = subprocess.run([mosaikonapp.BINARY, *arguments, "smile.ems"],
                                     env={**environment, **variables}, capture_output=True,
                                     text=True, timeout=10)
                self.assertEqual((run.returncode, run.stderr), (1, line + "\n"))

        offscreen = subprocess.Popen([mosaikonapp.BINARY, "smile.ems"],
                                     env={**environment, "QT_QPA_PLATFORM": "offscreen"},
                                     stderr=subprocess.DEVNULL)
        try:
            with self.assertRaises(subprocess.TimeoutExpired):
                offscreen.wait(timeout=2)
        finally:
            offscreen.kill()
            offscreen.wait()


if __name__ == "__main__":
    mosaikonapp.main()
