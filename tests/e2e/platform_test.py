"""Which windowing system the program runs on when a Wayland compositor (a headless Weston) and
an X display are both at hand, as on a Wayland desktop with XWayland."""

import os
import subprocess
import time

import mosaikonapp
from mosaikonapp import MosaikonTestCase
from xserver import stop_process, wait_until

SOCKET = "mosaikon-test"


class Platform(MosaikonTestCase):
    def setUp(self):
        super().setUp()
        self.runtime = self.path("wayland")
        os.makedirs(self.runtime, mode=0o700)
        environment = dict(os.environ, XDG_RUNTIME_DIR=self.runtime)
        environment.pop("DISPLAY", None)
        environment.pop("WAYLAND_DISPLAY", None)
        with open(self.path("weston.log"), "wb") as log:
            weston = subprocess.Popen(
                ["weston", "--backend=headless-backend.so", f"--socket={SOCKET}", "--idle-time=0"],
                env=environment, stdin=subprocess.DEVNULL, stdout=log, stderr=subprocess.STDOUT)
        self.addCleanup(stop_process, weston)
        wait_until(lambda: os.path.exists(os.path.join(self.runtime, SOCKET)), "Weston")

    def wayland(self, **environment):
        return dict(XDG_RUNTIME_DIR=self.runtime, WAYLAND_DISPLAY=SOCKET, **environment)

    def test_x_display_is_preferred_to_wayland(self):
        self.app.launch(**self.wayland(QT_QPA_PLATFORM=None))
        self.app.wait_for_splash()
        with open(self.path("mosaikon.log"), "rb") as log:
            self.assertNotIn(b"wayland", log.read().lower())

    def test_wayland_alone_or_asked_for(self):
        for run, environment in enumerate([self.wayland(QT_QPA_PLATFORM=None, DISPLAY=None),
                                           self.wayland(QT_QPA_PLATFORM="wayland")]):
            with self.subTest(environment=environment):
                self.app = mosaikonapp.MosaikonApp(self.server, self.path(f"run{run}"))
                os.makedirs(self.app.folder)
                self.addCleanup(self.app.stop)
                self.app.launch(**environment)
                # A program that found no display would have ended by now, saying so.
                time.sleep(3)
                self.assertIsNone(self.app.process.poll(), self.app._state())
                self.assertEqual(self.server.visible_windows(), [], "nothing on the X display")


if __name__ == "__main__":
    mosaikonapp.main()
