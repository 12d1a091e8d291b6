"""A run through the file dialogs and the other windows writes nothing but the file the user
saves: no settings, no dialog history under the private home's .config."""

import os

import mosaikonapp
from mosaikonapp import MosaikonTestCase

IMPORT_BUTTON = (72 + 14, 14)  # Command1_11
SIZE_BUTTON = (288 + 14, 14)  # Command1_7


def files_below(folder):
    return sorted(os.path.relpath(os.path.join(root, name), folder)
                  for root, _, names in os.walk(folder) for name in names)


class NoSettings(MosaikonTestCase):
    def test_dialogs_leave_no_settings_behind(self):
        self.app.start()
        self.app.draw(3, 3)
        self.app.shortcut("ctrl+s")
        self.app.choose_file("Сохранить файл", self.path("picture"))
        self.wait_for_file("picture.ems", 3 + 4 * 32)

        for open_dialog, title in [(lambda: self.app.shortcut("ctrl+o"), "Открыть файл"),
                                   (lambda: self.app.click_client(*IMPORT_BUTTON), "Открыть файл"),
                                   (lambda: self.app.click_client(*SIZE_BUTTON),
                                    "Выберите размер изображения"),
                                   (lambda: self.app.shortcut("F1"), "Справка")]:
            with self.subTest(title):
                open_dialog()
                dialog = self.app.wait_for_window(title)
                self.server.request_close(dialog)
                self.app.wait_until_gone(dialog)

        self.server.request_close(self.app.main_window)
        self.assertEqual(self.app.wait_for_exit(), 0)
        home = os.path.join(self.folder, "home")
        self.assertEqual(files_below(os.path.join(home, ".config")), [])
        self.assertNotIn("QtProject.conf", [os.path.basename(name) for name in files_below(home)])


if __name__ == "__main__":
    mosaikonapp.main()
