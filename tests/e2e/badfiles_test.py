"""Bad files chosen in the real Open dialog: each ends in the program's message, and the drawing
stays as it was, still unsaved."""

import os

import mosaikonapp
from mosaikonapp import MosaikonTestCase

DRAWING = {(1, 1), (16, 16), (32, 32)}


class BadFiles(MosaikonTestCase):
    def test_each_bad_file_shows_the_message_and_keeps_the_drawing(self):
        with open(self.path("empty.ems"), "wb"):
            pass
        with open(self.path("huge.ems"), "wb") as file:
            file.write(b"\xee" * (8 * 1024 * 1024))
        with open(self.path("wide.ems"), "wb") as file:
            file.write(bytes([0x02, 200, 16]) + bytes(400))
        os.mkfifo(self.path("fifo.ems"))

        self.app.start()
        for cell in DRAWING:
            self.app.draw(*cell)
        for name in ["empty.ems", "huge.ems", "wide.ems", "fifo.ems"]:
            with self.subTest(name):
                self.app.shortcut("ctrl+o")
                self.app.answer("Открытие нового файла", "Нет")
                self.app.choose_file("Открыть файл", self.path(name))
                self.app.answer(self.app.wait_for_message().name, "OK")
                self.assertEqual(self.app.set_cells(), DRAWING)
                self.assertEqual(self.app.title(), "Mosaikon")

        # Still changed: closing asks before anything is lost.
        self.server.request_close(self.app.main_window)
        self.app.answer("Выход", "Отмена")
        self.assertIsNone(self.app.process.poll())


if __name__ == "__main__":
    mosaikonapp.main()
