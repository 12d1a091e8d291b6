"""The program as a screen reader sees it, in the AT-SPI tree on a private D-Bus session."""

import os
import sys

# AT-SPI lives on the session bus: the test runs on a bus of its own, which ends with it.
if os.environ.get("MOSAIKON_PRIVATE_BUS") != "1":
    os.environ["MOSAIKON_PRIVATE_BUS"] = "1"
    os.execvp("dbus-run-session", ["dbus-run-session", "--", sys.executable, "-B", *sys.argv])

import pyatspi  # noqa: E402  (connects to the bus above)
from gi.repository import GLib  # noqa: E402

import mosaikonapp  # noqa: E402
from mosaikonapp import MosaikonTestCase  # noqa: E402

BUTTONS = {"new animation": (46, 14), "size": (302, 14), "frames": (334, 14)}
DESCRIPTION = "object:property-change:accessible-description"


class ScreenReader(MosaikonTestCase):
    def test_windows_named_keys_and_the_cursor_heard(self):
        heard = []

        def listener(event):
            if event.source.name == "Поле рисования":
                heard.append(event.source.description)

        # Listening before the program starts, so that it tells from the start.
        pyatspi.Registry.registerEventListener(listener, DESCRIPTION)
        self.addCleanup(pyatspi.Registry.deregisterEventListener, listener, DESCRIPTION)
        self.app.start(QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")

        self.app.shortcut(*["Tab"] * 12)  # through the toolbar to the field
        self.pump(lambda: True, "the field's first description")
        heard.clear()
        for key, said in [("Right", "строка 1, столбец 2: пусто"),
                          ("Down", "строка 2, столбец 2: пусто"),
                          ("space", "строка 2, столбец 2: закрашена"),
                          ("BackSpace", "строка 2, столбец 2: пусто")]:
            self.server.key(key)
            self.pump(lambda: heard, f"an announcement after {key}")
            self.assertEqual(heard, [said])
            heard.clear()

        # Every shown control of each window has a role and a name; boxes that only group
        # controls (fillers) need none.
        def click(button):
            return lambda: self.app.click_client(*BUTTONS[button])

        for name, opening, role in [
                ("Mosaikon", [], pyatspi.ROLE_FRAME),
                ("Справка", [lambda: self.app.shortcut("F1")], pyatspi.ROLE_FRAME),
                ("Выберите размер изображения", [click("size")], pyatspi.ROLE_DIALOG),
                ("Параметры анимации",
                 [click("new animation"), lambda: self.app.answer("Создание новой анимации", "Нет"),
                  click("frames")], pyatspi.ROLE_DIALOG)]:
            for step in opening:
                step()
            window = self.pump(lambda: self.window(name), f"'{name}' in the tree")
            self.assertEqual(window.getRole(), role, name)
            self.assertEqual(unnamed_controls(window), [], name)
            if opening:
                self.server.key("Escape")  # closes the help window too
                self.pump(lambda: not showing(window), f"Esc to close '{name}'")

        menu = self.window("Mosaikon")[1][0][0]  # the menu bar's first menu
        self.app.shortcut("F10")
        self.pump(lambda: showing(menu), "F10 to open the first menu")
        self.server.key("Escape", "Escape")

    def pump(self, condition, what):
        """Lets AT-SPI's events in until `condition` holds."""
        context = GLib.MainContext.default()

        def pumped():
            while context.iteration(False):
                pass
            return condition()

        return self.app.wait_until(pumped, what)

    @staticmethod
    def window(name):
        for application in pyatspi.Registry.getDesktop(0):
            if application is not None and application.name == "Mosaikon":
                for window in application:
                    if window.name == name and showing(window):
                        return window
        return None


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def unnamed_controls(node, path=""):
    """The shown controls under `node` without a role or a name, as paths of roles."""
    if not showing(node):
        return []
    where = f"{path}/{node.getRoleName()}"
    role = node.getRole()
    missing = [where] if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID) or (
        role != pyatspi.ROLE_FILLER and not node.name) else []
    for child in node:
        missing += unnamed_controls(child, f"{where}:{node.name}")
    return missing


if __name__ == "__main__":
    mosaikonapp.main()
