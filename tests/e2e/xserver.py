"""A private Xvfb display with the means a user has on it: see windows, look, click and type."""

import ctypes
import os
import subprocess
import time

from PIL import ImageGrab

SCREEN_SIZE = "1024x768x24"
COMMAND_TIMEOUT = 10


def wait_until(condition, what, timeout=10.0, interval=0.03):
    """Polls `condition` until it returns something true, and returns that; fails after
    `timeout` seconds saying what did not happen."""
    deadline = time.monotonic() + timeout
    while True:
        result = condition()
        if result:
            return result
        if time.monotonic() > deadline:
            raise AssertionError(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


def stop_process(process, timeout=5.0):
    """Ends a process this test started, politely first."""
    if process.poll() is not None:
        return
    process.terminate()
    try:
        process.wait(timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait(timeout)


class Window:
    """A top-level window as the X server shows it."""

    def __init__(self, window_id, name, x, y, width, height):
        self.id = window_id
        self.name = name
        self.x = x
        self.y = y
        self.width = width
        self.height = height

    def __repr__(self):
        return f"<{self.id} '{self.name}' {self.width}x{self.height}+{self.x}+{self.y}>"


class XServer:
    """Xvfb on the first free display number, which it picks itself, so that tests can run side
    by side. Use as a context manager: the server ends with the block."""

    def __enter__(self):
        self._process, self.display = _start_xvfb()
        return self

    def __exit__(self, *exception):
        stop_process(self._process)

    def environment(self):
        return dict(os.environ, DISPLAY=self.display)

    def xdotool(self, *arguments, check=True):
        result = subprocess.run(["xdotool", *map(str, arguments)], env=self.environment(),
                                capture_output=True, text=True, timeout=COMMAND_TIMEOUT)
        if check and result.returncode != 0:
            raise RuntimeError(f"xdotool {arguments}: {result.stderr.strip()}")
        return result.stdout

    def visible_windows(self):
        """Every mapped top-level window with a name, as a list of Window."""
        # A search by name would only see the old-style WM_NAME, which Qt leaves empty for
        # some windows; every window is listed and named from _NET_WM_NAME instead.
        listed = self.xdotool("search", "--onlyvisible", "--maxdepth", "1", "--name", "",
                              check=False)
        windows = []
        for window_id in listed.split():
            window = self._window(int(window_id))
            if window is not None and window.name:
                windows.append(window)
        return windows

    def windows_named(self, name):
        return [window for window in self.visible_windows() if window.name == name]

    def _window(self, window_id):
        result = subprocess.run(
            ["xdotool", "getwindowname", str(window_id), "getwindowgeometry", "--shell",
             str(window_id)], env=self.environment(), capture_output=True, text=True,
            timeout=COMMAND_TIMEOUT)
        if result.returncode != 0:  # unmapped or gone meanwhile
            return None
        name, *geometry = result.stdout.splitlines()
        fields = dict(line.split("=", 1) for line in geometry if "=" in line)
        return Window(window_id, name, int(fields["X"]), int(fields["Y"]), int(fields["WIDTH"]),
                      int(fields["HEIGHT"]))

    def is_visible(self, window_id):
        return any(window.id == window_id for window in self.visible_windows())

    def focus(self, window):
        self.xdotool("windowfocus", "--sync", window.id)

    def key(self, *keys):
        self.xdotool("key", "--delay", 20, *keys)

    def press_keycodes(self, *keycodes):
        """Holds the keys down in order and lets them go in reverse, by keycode: what the
        keyboard sends, whatever the layout makes of it."""
        presses = [("keydown", str(code)) for code in keycodes]
        releases = [("keyup", str(code)) for code in reversed(keycodes)]
        self.xdotool(*[word for event in presses + releases for word in event])

    def set_keyboard_layout(self, layout):
        subprocess.run(["setxkbmap", "-layout", layout], env=self.environment(), check=True,
                       timeout=COMMAND_TIMEOUT)

    def type(self, text):
        self.xdotool("type", "--delay", 4, text)

    # No --sync on a move: it waits for the pointer to move and hangs when it is already there.
    # The server handles the generated events in order anyway.
    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def mouse_down(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "mousedown", button)

    def mouse_move(self, x, y):
        self.xdotool("mousemove", x, y)

    def mouse_up(self, button=1):
        self.xdotool("mouseup", button)

    def screenshot(self):
        """The whole screen as an RGB image."""
        return ImageGrab.grab(xdisplay=self.display)

    def request_close(self, window):
        """What a window manager sends when the user clicks a window's close box."""
        _send_delete_window(self.display, window.id)

    def area_reader(self, x, y, width, height):
        return AreaReader(self.display, x, y, width, height)


def _start_xvfb():
    """Starts Xvfb and returns the process and its display name, once it accepts clients."""
    read_end, write_end = os.pipe()
    process = subprocess.Popen(
        # Without -noreset the server resets when its last client leaves, and a program that
        # connects during the reset is turned away.
        ["Xvfb", "-displayfd", str(write_end), "-screen", "0", SCREEN_SIZE, "-nolisten", "tcp",
         "-noreset"],
        pass_fds=[write_end], stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
        stderr=subprocess.DEVNULL)
    os.close(write_end)
    try:
        with os.fdopen(read_end) as reader:
            number = reader.readline().strip()
        if not number:
            raise RuntimeError("Xvfb did not start")
        return process, ":" + number
    except BaseException:
        stop_process(process)
        raise


class _XImageHead(ctypes.Structure):
    """The leading fields of Xlib's XImage."""
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_char)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int)]


def _xlib():
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XDefaultRootWindow.restype = ctypes.c_ulong
    x11.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x11.XGetImage.restype = ctypes.POINTER(_XImageHead)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XDestroyImage.argtypes = [ctypes.POINTER(_XImageHead)]
    return x11


class AreaReader:
    """The raw pixels of one screen area, read straight from the server in well under a
    millisecond (a whole screenshot takes tens): fast enough to time when the area changes.
    Use as a context manager: the connection ends with the block."""

    def __init__(self, display_name, x, y, width, height):
        self._x11 = _xlib()
        self._area = (x, y, width, height)
        self._display = self._x11.XOpenDisplay(display_name.encode())
        if not self._display:
            raise RuntimeError(f"cannot open display {display_name}")

    def __enter__(self):
        return self

    def __exit__(self, *exception):
        self._x11.XCloseDisplay(self._display)

    def read(self):
        z_pixmap = 2
        all_planes = 0xFFFFFFFF
        image = self._x11.XGetImage(self._display, self._x11.XDefaultRootWindow(self._display),
                                    *self._area, all_planes, z_pixmap)
        if not image:
            raise RuntimeError(f"cannot read the screen area {self._area}")
        try:
            return image.contents.data[:image.contents.bytes_per_line * image.contents.height]
        finally:
            self._x11.XDestroyImage(image)


class _ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5)]


class _Event(ctypes.Union):
    _fields_ = [("client", _ClientMessage), ("pad", ctypes.c_long * 24)]


def _send_delete_window(display_name, window_id):
    x11 = ctypes.cdll.LoadLibrary("libX11.so.6")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XInternAtom.restype = ctypes.c_ulong
    x11.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x11.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                               ctypes.POINTER(_Event)]
    x11.XFlush.argtypes = [ctypes.c_void_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]

    display = x11.XOpenDisplay(display_name.encode())
    if not display:
        raise RuntimeError(f"cannot open display {display_name}")
    try:
        event = _Event()
        client_message = 33
        event.client.type = client_message
        event.client.window = window_id
        event.client.message_type = x11.XInternAtom(display, b"WM_PROTOCOLS", 0)
        event.client.format = 32
        event.client.data[0] = x11.XInternAtom(display, b"WM_DELETE_WINDOW", 0)
        event.client.data[1] = 0  # CurrentTime
        if not x11.XSendEvent(display, window_id, 0, 0, ctypes.byref(event)):
            raise RuntimeError("the close request was not sent")
        x11.XFlush(display)
    finally:
        x11.XCloseDisplay(display)
