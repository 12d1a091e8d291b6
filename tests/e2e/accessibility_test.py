"""The program as a screen reader sees it, through the AT-SPI tree on a private D-Bus session:
every control of the main window, the two dialogs and the help window has a role and a name;
the drawing field's cursor is announced; F10 opens the menu and Esc closes the help window."""

import os
import sys

# AT-SPI lives on the session bus, so the test runs on one of its own, ended with it.
if os.environ.get("MOSAIKON_PRIVATE_BUS") != "1":
    os.environ["MOSAIKON_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, "-B", *sys.argv])

import pyatspi  # noqa: E402  (connects to the bus above)
from gi.repository import GLib  # noqa: E402

import mosaikonapp  # noqa: E402
from mosaikonapp import MosaikonTestCase  # noqa: E402

SIZE_BUTTON = (288 + 14, 14)  # Command1_7
NEW_ANIMATION_BUTTON = (32 + 14, 14)  # Command1_1
FRAMES_BUTTON = (320 + 14, 14)  # Command1_8
TABS_TO_FIELD = 12
# Boxes that only group other controls; the user never reaches them.
GROUPING_ROLES = {pyatspi.ROLE_FILLER, pyatspi.ROLE_PANEL}


class ScreenReader(MosaikonTestCase):
    def setUp(self):
        super().setUp()
        # Listening before the program starts, so that it knows from the start to tell.
        self.heard = []
        pyatspi.Registry.registerEventListener(
            self.hear, "object:property-change:accessible-description")
        self.addCleanup(pyatspi.Registry.deregisterEventListener, self.hear,
                        "object:property-change:accessible-description")
        self.app.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

    def hear(self, event):
        if event.source.name == "Поле рисования":
            self.heard.append(event.source.description)

    def pump(self, condition, what):
        """Lets AT-SPI's events in until `condition` holds."""
        context = GLib.MainContext.default()

        def pumped():
            while context.iteration(False):
                pass
            return condition()

        return self.app.wait_until(pumped, what)

    def window(self, name):
        def found():
            for application in pyatspi.Registry.getDesktop(0):
                if application is None or application.name != "Mosaikon":
                    continue
                for window in application:
                    if window.name == name and window.getState().contains(
                            pyatspi.STATE_SHOWING):
                        return window
            return None

        return self.pump(found, f"'{name}' in the AT-SPI tree")

    def unnamed_controls(self, window):
        """The shown controls under `window` without a role or a name, as 'role path'."""
        missing = []

        def visit(node, path):
            if not node.getState().contains(pyatspi.STATE_SHOWING):
                return
            role = node.getRole()
            where = f"{path}/{node.getRoleName()}"
            if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID) or (
                    role not in GROUPING_ROLES and not node.name):
                missing.append(where)
            for child in node:
                visit(child, f"{where}:{node.name}")

        visit(window, "")
        return missing

    def check_window(self, name, role):
        window = self.window(name)
        self.assertEqual(window.getRole(), role, name)
        self.assertEqual(self.unnamed_controls(window), [], name)
        return window

    def test_every_window_is_named_and_reachable_by_keys(self):
        self.check_window("Mosaikon", pyatspi.ROLE_FRAME)

        self.app.shortcut("F10")
        self.pump(lambda: self.window("Mosaikon")[1][0][0].getState().contains(
            pyatspi.STATE_SHOWING), "F10 to open the first menu")
        self.server.key("Escape", "Escape")

        self.app.shortcut("F1")
        help_window = self.check_window("Справка", pyatspi.ROLE_FRAME)
        self.server.key("Escape")
        self.pump(lambda: not help_window.getState().contains(pyatspi.STATE_SHOWING),
                  "Esc to close the help window")

        self.app.click_client(*SIZE_BUTTON)
        self.check_window("Выберите размер изображения", pyatspi.ROLE_DIALOG)
        self.server.key("Escape")
        self.app.click_client(*NEW_ANIMATION_BUTTON)
        self.app.click_client(*FRAMES_BUTTON)
        self.check_window("Параметры анимации", pyatspi.ROLE_DIALOG)
        self.server.key("Escape")

    def test_cursor_moves_and_cell_changes_are_announced(self):
        self.app.shortcut(*["Tab"] * TABS_TO_FIELD)
        self.pump(lambda: True, "the description the field starts with")
        self.heard.clear()
        said = [("Right", "строка 1, столбец 2: пусто"), ("Down", "строка 2, столбец 2: пусто"),
                ("space", "строка 2, столбец 2: закрашена"),
                ("BackSpace", "строка 2, столбец 2: пусто")]
        for count, (key, description) in enumerate(said, 1):
            self.server.key(key)
            self.pump(lambda: len(self.heard) >= count, f"an announcement after {key}")
            self.assertEqual(self.heard[-1], description)
        self.assertEqual(len(self.heard), len(said))


if __name__ == "__main__":
    mosaikonapp.main()
