"""BMP import from the toolbar: a file that is no BMP is refused with the program's message and
leaves the drawing alone; a two-colour BMP made by ImageMagick shows on the field."""

import subprocess

import mosaikonapp
from mosaikonapp import MosaikonTestCase

IMPORT_BUTTON = (72 + 14, 14)  # Command1_11
RECTANGLE = {(x, y) for x in range(4, 12) for y in range(3, 8)}


class Import(MosaikonTestCase):
    def import_file(self, name):
        """Import with a changed drawing: the question first, answered No, then the file."""
        self.app.click_client(*IMPORT_BUTTON)
        self.app.answer("Импорт из BMP-файла", "Нет")
        self.app.choose_file("Открыть файл", self.path(name))

    def test_refused_file_then_imagemagick_bmp(self):
        # 24 x 16, black rectangle from (3, 2) to (10, 6) and the last pixel, 0-based.
        subprocess.run(["/usr/bin/convert", "-size", "24x16", "xc:white", "-fill", "black",
                        "-draw", "rectangle 3,2 10,6", "-draw", "point 23,15", "-monochrome",
                        "BMP3:" + self.path("picture.bmp")], check=True, timeout=30)
        with open(self.path("words.bmp"), "w") as file:
            file.write("Only words, in a file named like a picture.\n")

        self.app.start()
        self.app.draw(2, 2)
        self.import_file("words.bmp")
        self.app.answer(self.app.wait_for_message().name, "OK")
        self.assertEqual(self.app.set_cells(), {(2, 2)})
        self.assertEqual(self.app.title(), "Mosaikon")

        self.import_file("picture.bmp")
        self.app.picture_size = (24, 16)
        self.app.wait_for_cells(RECTANGLE | {(24, 16)}, "the imported picture")
        self.assertEqual(self.app.title(), "Mosaikon")


if __name__ == "__main__":
    mosaikonapp.main()
