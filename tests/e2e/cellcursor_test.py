"""Drawing by keyboard alone: the cell cursor on the drawing field, its strokes, their undo, the
digit keys beside it, and the mouse that hides it."""

import mosaikonapp
from emsfiles import picture_file
from mosaikonapp import FIELD_INNER_HEIGHT, FIELD_INNER_LEFT, FIELD_INNER_TOP, \
    FIELD_INNER_WIDTH, MosaikonTestCase

CURSOR = (255, 0, 0)
TABS_TO_FIELD = 12  # from toolbar button 0, through the toolbar, to the field

# xdotool words pressed on the field, the cells set afterwards, and the cell the cursor
# outlines. Shift held over several arrows draws one stroke, which one undo takes back whole.
STROKE = {(3, 2), (4, 2), (4, 3), (4, 4)}
STEPS = [
    (["key", "Right", "Right", "Down", "space"], {(3, 2)}, (3, 2)),
    (["keydown", "shift", "key", "Right", "Down", "Down", "keyup", "shift"], STROKE, (4, 4)),
    (["key", "ctrl+z"], {(3, 2)}, (4, 4)),
    (["key", "ctrl+z"], STROKE, (4, 4)),  # Undo exchanges the frame with its copy
    (["key", "BackSpace"], STROKE - {(4, 4)}, (4, 4)),
    (["key", "ctrl+z"], STROKE, (4, 4)),
    (["key", "End", "Next", "space"], STROKE | {(32, 32)}, (32, 32)),
    (["key", "Home", "Prior", "space", "Right", "Left", "Up"], STROKE | {(1, 1), (32, 32)}, (1, 1)),
    (["key", "6"], {(2, 1), (4, 2), (5, 2), (5, 3), (5, 4), (1, 32)}, (1, 1)),
    (["key", "KP_8"], {(4, 1), (5, 1), (5, 2), (5, 3), (1, 31), (2, 32)}, (1, 1)),
]


class CellCursor(MosaikonTestCase):
    def cursor_pixels(self, image):
        """How many pixels of the field show the cursor's colour."""
        left, top = self.app.client_to_screen(FIELD_INNER_LEFT, FIELD_INNER_TOP)
        area = image.crop((left, top, left + FIELD_INNER_WIDTH, top + FIELD_INNER_HEIGHT))
        return sum(count for count, colour in area.getcolors(1 << 16) if colour == CURSOR)

    def test_keys_draw_undo_scroll_and_save(self):
        self.app.start()
        self.app.shortcut(*["Tab"] * TABS_TO_FIELD)
        for words, cells, cursor in STEPS:
            with self.subTest(words=words):
                self.server.xdotool(*words)
                self.app.wait_for_cells(cells, f"the cells after {words}")
                # The outline lies on the cell's edge, its middle shows the cell as always.
                shown = self.server.screenshot().getpixel(self.app.cell_grid_point(*cursor))
                self.assertEqual(shown, CURSOR)

        # A mouse press hides the cursor and draws as always.
        drawn = STEPS[-1][1] | {(20, 20)}
        self.app.draw(20, 20)
        self.app.wait_until(lambda: self.cursor_pixels(self.server.screenshot()) == 0,
                            "the cursor to hide")
        self.assertEqual(self.app.set_cells(), drawn)

        self.app.shortcut("ctrl+s")
        self.app.choose_file("Сохранить файл", self.path("keys"))
        self.wait_for_file("keys.ems", 3 + 4 * 32)
        self.assertEqual(self.read_file("keys.ems"), picture_file(32, 32, drawn))


if __name__ == "__main__":
    mosaikonapp.main()
