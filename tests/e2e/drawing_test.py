"""Drawing with the mouse, the grid switch, saving a picture and opening it again; the Ctrl
shortcuts on a keyboard whose only layout is Russian."""

import mosaikonapp
from emsfiles import picture_file
from mosaikonapp import CLEAR_CELL, GRID_LINE, SET_CELL, MosaikonTestCase


class Drawing(MosaikonTestCase):
    def grid_point_colour(self, x, y):
        return self.server.screenshot().getpixel(self.app.cell_grid_point(x, y))

    def test_draw_save_and_open_again(self):
        self.app.start()
        self.app.draw(3, 4)
        self.app.draw(10, 10)
        self.app.drag([(5, 20), (6, 20), (7, 20), (8, 20), (9, 20), (9, 21)])
        self.app.erase(7, 20)
        drawn = {(3, 4), (10, 10), (5, 20), (6, 20), (8, 20), (9, 20), (9, 21)}
        self.assertEqual(self.app.set_cells(), drawn)

        # The grid line on a cell's left edge goes with Ctrl+G and comes back with the next.
        self.assertEqual(self.grid_point_colour(20, 5), GRID_LINE)
        self.app.shortcut("ctrl+g")
        self.app.wait_until(lambda: self.grid_point_colour(20, 5) == CLEAR_CELL,
                            "the grid to hide")
        self.assertEqual(self.grid_point_colour(9, 20), SET_CELL)
        self.assertEqual(self.app.set_cells(), drawn)
        self.app.shortcut("ctrl+g")
        self.app.wait_until(lambda: self.grid_point_colour(20, 5) == GRID_LINE,
                            "the grid to show again")
        self.assertEqual(self.grid_point_colour(9, 20), GRID_LINE)

        # A name without an extension gets .ems.
        self.app.shortcut("ctrl+s")
        self.app.choose_file("Сохранить файл", self.path("drawing"))
        expected = picture_file(32, 32, drawn)
        self.wait_for_file("drawing.ems", 3 + 4 * 32)
        self.assertEqual(self.read_file("drawing.ems"), expected)
        self.app.wait_for_title("drawing - Mosaikon")

        # The saved picture asks nothing before New; Open brings it back.
        self.app.shortcut("ctrl+n")
        self.app.wait_for_cells(set(), "an empty field after New")
        self.app.wait_for_title("Mosaikon")
        self.app.shortcut("ctrl+o")
        self.app.choose_file("Открыть файл", self.path("drawing.ems"))
        self.app.wait_for_cells(drawn, "the opened picture")
        self.app.wait_for_title("drawing - Mosaikon")
        self.assertEqual(self.read_file("drawing.ems"), expected)

    # The X11 keycodes of Ctrl and of the letter keys, which a Russian layout makes Cyrillic.
    CTRL = 37
    KEYS = dict(N=57, O=32, S=39, Z=52, X=53, C=54, V=55, A=38, Q=24, G=42)

    def test_ctrl_shortcuts_by_key_on_a_russian_only_keyboard(self):
        self.server.set_keyboard_layout("ru")
        self.app.start()

        def press(letter):
            self.app.shortcut_by_keycodes(self.CTRL, self.KEYS[letter])

        self.app.draw(3, 4)
        press("C")
        self.app.draw(5, 5)
        press("V")
        self.app.wait_for_cells({(3, 4)}, "the copy pasted")
        press("Z")
        self.app.wait_for_cells({(3, 4), (5, 5)}, "the paste undone")
        press("X")
        self.app.wait_for_cells(set(), "the cut")
        press("Z")  # back to the frame before the paste's undo copy: a cut takes none
        self.app.wait_for_cells({(3, 4)}, "the cut undone")
        press("G")
        self.app.wait_until(lambda: self.grid_point_colour(20, 5) == CLEAR_CELL,
                            "the grid to hide")
        for letter in "AQ":  # the frame commands refuse a picture
            press(letter)
            self.app.answer("Mosaikon", "OK")

        # Typing a path would need Latin keys; seeing the dialogs come is enough here.
        press("S")
        self.cancel_file_dialog("Сохранить файл")
        press("O")
        self.app.answer("Открытие нового файла", "Нет")
        self.cancel_file_dialog("Открыть файл")
        press("N")
        self.app.answer("Создание нового рисунка", "Нет")
        self.app.wait_for_cells(set(), "an empty field after New")

    def cancel_file_dialog(self, title):
        dialog = self.app.wait_for_window(title)
        self.server.focus(dialog)
        self.server.key("Escape")
        self.app.wait_until_gone(dialog)


if __name__ == "__main__":
    mosaikonapp.main()
