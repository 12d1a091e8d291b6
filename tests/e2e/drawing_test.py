"""Drawing with the mouse, the grid switch, saving a picture and opening it again."""

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


if __name__ == "__main__":
    mosaikonapp.main()
