"""The real mosaikon program on a private X display, used the way a user uses it."""

import os
import subprocess
import sys
import tempfile
import time
import unittest

from xserver import XServer, stop_process, wait_until

CLIENT_WIDTH = 421
CLIENT_HEIGHT = 342
SPLASH_SIZE = (500, 230)
# Inside the client area, below the menu bar.
FIELD_INNER_LEFT = 136 + 2
FIELD_INNER_TOP = 56 + 2
FIELD_INNER_WIDTH = 281
FIELD_INNER_HEIGHT = 282
PREVIEW_INNER_LEFT = 2
PREVIEW_INNER_TOP = 138
PREVIEW_WIDTH = 128
PREVIEW_HEIGHT = 96
PROGRESS_BAR = (0, 240, 132, 7)

SET_CELL = (0, 0, 128)
CLEAR_CELL = (255, 255, 255)
GRID_LINE = (192, 192, 192)
PREVIEW_SET = (0, 0, 0)

# How the address, leak and undefined-behaviour sanitizers start a report.
SANITIZER_REPORTS = ("ERROR: AddressSanitizer", "ERROR: LeakSanitizer", "runtime error:")

# Passed on the command line by ctest: the program under test.
BINARY = None


def cell_edge(length, index, count):
    """Border `index` of `count` equal cells over `length` pixels, rounded half up."""
    return (2 * length * index + count) // (2 * count)


class MosaikonApp:
    """One run of the program. Sizes and positions are those of the client area, the part of the
    main window below its menu bar."""

    def __init__(self, server, folder):
        self.server = server
        self.folder = folder
        self.picture_size = (32, 32)
        self.process = None
        self._log = None
        self.main_window = None

    def launch(self, *arguments, **environment_changes):
        """Starts the program on the server's display with the xcb platform; a keyword argument
        sets that environment variable instead, or, given None, leaves it unset."""
        home = os.path.join(self.folder, "home")
        runtime = os.path.join(self.folder, "runtime")
        os.makedirs(home)
        os.makedirs(runtime, mode=0o700)
        environment = self.server.environment()
        environment.update(HOME=home, XDG_CONFIG_HOME=os.path.join(home, ".config"),
                           XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        environment.update(environment_changes)
        environment = {name: value for name, value in environment.items() if value is not None}
        self._log = open(os.path.join(self.folder, "mosaikon.log"), "wb")
        self.process = subprocess.Popen([BINARY, *arguments], cwd=self.folder, env=environment,
                                        stdin=subprocess.DEVNULL, stdout=self._log,
                                        stderr=subprocess.STDOUT)

    def stop(self):
        """Ends the program, and fails when a sanitizer reported a fault in it meanwhile (a
        build with MOSAIKON_SANITIZE)."""
        if self.process is None:
            return
        stop_process(self.process)
        self._log.close()
        output = self._output()
        for marker in SANITIZER_REPORTS:
            if marker in output:
                report = output[output.index(marker):]
                raise AssertionError(f"the program reported a fault: {report[:6000]}")

    def wait_for_exit(self, timeout=10.0):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} s") from None

    def wait_for_splash(self):
        return self.wait_until(lambda: self._windows_sized(SPLASH_SIZE), "the splash")

    def wait_for_main_window(self):
        def main_window():
            windows = [window for window in self.server.visible_windows()
                       if window.width == CLIENT_WIDTH and window.height > CLIENT_HEIGHT]
            return windows[0] if windows else None

        self.main_window = self.wait_until(main_window, "the main window")
        return self.main_window

    def start(self, *arguments, **environment_changes):
        """Launches the program, sends the splash away with a key and waits for the main
        window."""
        self.launch(*arguments, **environment_changes)
        splash = self.wait_for_splash()[0]
        self.server.focus(splash)
        self.server.key("space")
        return self.wait_for_main_window()

    def _windows_sized(self, size):
        return [window for window in self.server.visible_windows()
                if (window.width, window.height) == size]

    def wait_until(self, condition, what, timeout=10.0):
        """wait_until that leaves a screenshot and the list of windows behind on failure."""
        try:
            return wait_until(condition, what, timeout)
        except AssertionError as failure:
            shot = os.path.join(os.getcwd(), "e2e-failures",
                                f"{os.getpid()}-{what.replace(' ', '-')[:40]}.png")
            os.makedirs(os.path.dirname(shot), exist_ok=True)
            self.server.screenshot().save(shot)
            raise AssertionError(f"{failure}; windows: {self.server.visible_windows()}; "
                                 f"screen saved as {shot}; {self._state()}") from None

    def _state(self):
        """Whether the program still runs, and what it printed."""
        if self.process is None:
            return "program not started"
        output = self._output()[-2000:]
        running = "running" if self.process.poll() is None else f"ended: {self.process.returncode}"
        return f"program {running}, output: {output!r}"

    def _output(self):
        if not self._log.closed:
            self._log.flush()
        with open(self._log.name, "rb") as log:
            return log.read().decode(errors="replace")

    # The main window

    def menu_bar_height(self):
        return self.main_window.height - CLIENT_HEIGHT

    def client_to_screen(self, x, y):
        return (self.main_window.x + x, self.main_window.y + self.menu_bar_height() + y)

    def title(self):
        return self.server.xdotool("getwindowname", self.main_window.id).rstrip("\n")

    def wait_for_title(self, title):
        self.wait_until(lambda: self.title() == title, f"the title '{title}'")

    def shortcut(self, *keys):
        self.server.focus(self.main_window)
        self.server.key(*keys)

    def shortcut_by_keycodes(self, *keycodes):
        self.server.focus(self.main_window)
        self.server.press_keycodes(*keycodes)

    def click_client(self, x, y, button=1):
        self.server.click(*self.client_to_screen(x, y), button)

    def is_main_window_visible(self):
        return self.server.is_visible(self.main_window.id)

    # Dialogs and message boxes, each its own top-level window

    def wait_for_window(self, name):
        """A newly shown window of this name other than the main window."""
        def found():
            return [window for window in self.server.windows_named(name)
                    if window.id != self.main_window.id]

        return self.wait_until(found, f"the window '{name}'")[0]

    def wait_until_gone(self, window):
        self.wait_until(lambda: not self.server.is_visible(window.id),
                        f"'{window.name}' to close")

    def choose_file(self, dialog_title, path):
        """Types a full path into Qt's file dialog, whose file-name box has the focus, and
        confirms it."""
        dialog = self.wait_for_window(dialog_title)
        self.server.focus(dialog)
        self.server.type(path)
        self.server.key("Return")
        self.wait_until_gone(dialog)

    def answer(self, box_title, answer):
        """Answers a question box: "Да", "Нет" or "Отмена", or "OK" for a message. The box
        opens with the focus on its first button; Tab moves on to the next one."""
        box = self.wait_for_window(box_title)
        self.server.focus(box)
        keys = {"Да": ["space"], "OK": ["space"], "Нет": ["Tab", "space"],
                "Отмена": ["Escape"]}[answer]
        self.server.key(*keys)
        self.wait_until_gone(box)

    def wait_for_message(self):
        """A message box carries the program's name as its caption, like the main window."""
        return self.wait_for_window("Mosaikon")

    # The drawing field

    def cell_box(self, x, y):
        """The inner-field pixels of cell (x, y): left, top, right, bottom, right and bottom
        exclusive. The grid line is the cell's first column and first row."""
        width, height = self.picture_size
        return (cell_edge(FIELD_INNER_WIDTH, x - 1, width),
                cell_edge(FIELD_INNER_HEIGHT, y - 1, height),
                cell_edge(FIELD_INNER_WIDTH, x, width),
                cell_edge(FIELD_INNER_HEIGHT, y, height))

    def cell_centre(self, x, y):
        left, top, right, bottom = self.cell_box(x, y)
        return self.client_to_screen(FIELD_INNER_LEFT + (left + right) // 2,
                                     FIELD_INNER_TOP + (top + bottom) // 2)

    def cell_grid_point(self, x, y):
        """A point of the grid line on the cell's left edge."""
        left, top, _, bottom = self.cell_box(x, y)
        return self.client_to_screen(FIELD_INNER_LEFT + left,
                                     FIELD_INNER_TOP + (top + bottom) // 2)

    def cell_colour(self, image, x, y):
        return image.getpixel(self.cell_centre(x, y))

    def shown_cells(self, image=None):
        """The cells the field shows dark blue, or None while a cell shows another colour than
        dark blue or white (a field not yet drawn at this size)."""
        if image is None:
            image = self.server.screenshot()
        width, height = self.picture_size
        cells = set()
        for x in range(1, width + 1):
            for y in range(1, height + 1):
                colour = self.cell_colour(image, x, y)
                if colour == SET_CELL:
                    cells.add((x, y))
                elif colour != CLEAR_CELL:
                    return None
        return cells

    def set_cells(self, image=None):
        cells = self.shown_cells(image)
        if cells is None:
            raise AssertionError("a cell of the field is neither dark blue nor white")
        return cells

    def wait_for_cells(self, cells, what):
        self.wait_until(lambda: self.shown_cells() == set(cells), what)

    def wait_for_cell(self, x, y, colour):
        self.wait_until(lambda: self.cell_colour(self.server.screenshot(), x, y) == colour,
                        f"cell {x}, {y} to show {colour}")

    def draw(self, x, y):
        self.server.click(*self.cell_centre(x, y), 1)
        self.wait_for_cell(x, y, SET_CELL)

    def erase(self, x, y):
        self.server.click(*self.cell_centre(x, y), 3)
        self.wait_for_cell(x, y, CLEAR_CELL)

    def drag(self, cells):
        """Holds the left button from the first cell through the others, each a move of the
        mouse; every cell is seen painted before the next move."""
        first, *rest = cells
        self.server.mouse_down(*self.cell_centre(*first))
        try:
            self.wait_for_cell(*first, SET_CELL)
            for cell in rest:
                self.server.mouse_move(*self.cell_centre(*cell))
                self.wait_for_cell(*cell, SET_CELL)
        finally:
            self.server.mouse_up()

    # The preview box

    def preview_period(self, ticks):
        """The preview's average milliseconds per frame over `ticks` ticks, timed by the
        progress bar, which moves at every tick of an animation of two frames or more. Only the
        first and the last change count, so a late paint in between does not matter."""
        left, top = self.client_to_screen(*PROGRESS_BAR[:2])
        changes = []
        with self.server.area_reader(left, top, *PROGRESS_BAR[2:]) as bar:
            shown = bar.read()
            deadline = time.monotonic() + ticks + 10
            while len(changes) <= ticks:
                if time.monotonic() > deadline:
                    raise AssertionError(f"only {len(changes)} preview ticks seen")
                time.sleep(0.001)
                now_shown = bar.read()
                if now_shown != shown:
                    changes.append(time.monotonic())
                    shown = now_shown
        return (changes[-1] - changes[0]) * 1000 / ticks

    def preview_cells(self, image):
        """The set pixels of the true-size preview, as 1-based cells of the picture."""
        width, height = self.picture_size
        left = self.client_to_screen(PREVIEW_INNER_LEFT + (PREVIEW_WIDTH - width) // 2, 0)[0]
        top = self.client_to_screen(0, PREVIEW_INNER_TOP + (PREVIEW_HEIGHT - height) // 2)[1]
        return {(x, y) for x in range(1, width + 1) for y in range(1, height + 1)
                if image.getpixel((left + x - 1, top + y - 1)) == PREVIEW_SET}


class MosaikonTestCase(unittest.TestCase):
    """Each test has its own X server, working folder and program run, all ended afterwards."""

    def setUp(self):
        folder = tempfile.TemporaryDirectory(prefix="mosaikon-e2e-")
        self.addCleanup(folder.cleanup)
        self.folder = folder.name
        self.server = self.enterContext(XServer())
        self.app = MosaikonApp(self.server, self.folder)
        self.addCleanup(self.app.stop)

    def path(self, name):
        return os.path.join(self.folder, name)

    def read_file(self, name):
        with open(self.path(name), "rb") as file:
            return file.read()

    def wait_for_file(self, name, size):
        """The program writes through a temporary file and renames it: a file of the right
        name is complete."""
        self.app.wait_until(lambda: os.path.exists(self.path(name)), f"{name} to be written")
        self.assertEqual(len(self.read_file(name)), size)


def main():
    """Runs the tests of the calling module; the program to test is the first argument."""
    global BINARY
    if len(sys.argv) < 2:
        sys.exit(f"usage: {sys.argv[0]} PATH-TO-MOSAIKON [unittest arguments]")
    BINARY = os.path.abspath(sys.argv.pop(1))
    unittest.main(module="__main__")
