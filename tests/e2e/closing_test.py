"""Closing with a changed drawing asks "Сохранить изменения?" titled "Выход": Cancel keeps the
window and the drawing, No ends the program without writing anything."""

import os

import mosaikonapp
from mosaikonapp import MosaikonTestCase


class Closing(MosaikonTestCase):
    def exit_from_file_menu(self):
        window = self.app.main_window
        self.server.click(window.x + 18, window.y + self.app.menu_bar_height() // 2)
        self.app.wait_for_message()  # the menu, a window of its own with the program's name
        self.server.key("Up", "Return")  # up from the top wraps round to the last item, Exit

    def test_cancel_keeps_the_window_and_no_ends_the_program(self):
        self.app.start()
        self.app.draw(4, 4)
        files_before = sorted(os.listdir(self.folder))

        self.exit_from_file_menu()
        self.app.answer("Выход", "Отмена")
        self.assertTrue(self.app.is_main_window_visible())
        self.assertIsNone(self.app.process.poll())
        self.assertEqual(self.app.set_cells(), {(4, 4)})

        self.server.request_close(self.app.main_window)  # the close box
        self.app.answer("Выход", "Нет")
        self.assertEqual(self.app.wait_for_exit(), 0)
        self.assertEqual(sorted(os.listdir(self.folder)), files_before)


if __name__ == "__main__":
    mosaikonapp.main()
