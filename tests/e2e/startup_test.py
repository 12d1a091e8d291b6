"""Start-up: the splash, a key that sends it away, and the main window at its design size."""

import time

import mosaikonapp
from mosaikonapp import (CLEAR_CELL, CLIENT_HEIGHT, CLIENT_WIDTH, FIELD_INNER_HEIGHT,
                         FIELD_INNER_LEFT, FIELD_INNER_TOP, FIELD_INNER_WIDTH, GRID_LINE,
                         MosaikonTestCase, cell_edge)

# The splash hides itself after 101 ticks of 16 ms; the count starts after the program does.
SPLASH_MILLISECONDS = 1600
FIELD_BORDER = (159, 159, 159)


class StartUp(MosaikonTestCase):
    def test_splash_then_main_window_of_design_size(self):
        launched = time.monotonic()
        self.app.launch()
        splash = self.app.wait_for_splash()[0]
        self.assertEqual(splash.name, "Mosaikon")
        self.assertEqual(len(self.server.visible_windows()), 1, "only the splash is shown")

        self.server.focus(splash)
        self.server.key("space")
        self.app.wait_until(lambda: not self.server.is_visible(splash.id), "the splash to hide")
        hidden_after = (time.monotonic() - launched) * 1000
        # Sooner than the splash's own count could have hidden it: the key did.
        self.assertLess(hidden_after, SPLASH_MILLISECONDS)

        window = self.app.wait_for_main_window()
        self.assertEqual(window.name, "Mosaikon")
        self.assertEqual(window.width, CLIENT_WIDTH)
        menu_bar = window.height - CLIENT_HEIGHT
        self.assertTrue(15 <= menu_bar <= 30, f"menu bar {menu_bar} px high")

        # The field's top edge, two rows of its sunken border over a grid line, lies 56 px
        # below the menu bar, where the client area starts.
        column = window.x + 200

        def field_top_edge():
            image = self.server.screenshot()
            colours = [image.getpixel((column, y))
                       for y in range(window.y, window.y + window.height)]
            for y in range(len(colours) - 2):
                if colours[y:y + 3] == [FIELD_BORDER, FIELD_BORDER, GRID_LINE]:
                    return y, image
            return None

        border_top, image = self.app.wait_until(field_top_edge, "the field to be painted")
        self.assertEqual(border_top, menu_bar + 56)
        # 32 columns of cells over 281 pixels and 32 rows over 282, each with its grid line
        # where the rounding puts it: the field's inside has the size it should.
        inner_left, inner_top = self.app.client_to_screen(FIELD_INNER_LEFT, FIELD_INNER_TOP)
        middle_of_first_row = inner_top + 4
        middle_of_first_column = inner_left + 4
        for index in range(32):
            column = inner_left + cell_edge(FIELD_INNER_WIDTH, index, 32)
            row = inner_top + cell_edge(FIELD_INNER_HEIGHT, index, 32)
            self.assertEqual(image.getpixel((column, middle_of_first_row)), GRID_LINE)
            self.assertEqual(image.getpixel((column + 1, middle_of_first_row)), CLEAR_CELL)
            self.assertEqual(image.getpixel((middle_of_first_column, row)), GRID_LINE)
            self.assertEqual(image.getpixel((middle_of_first_column, row + 1)), CLEAR_CELL)
        self.assertEqual(self.app.set_cells(image), set())


if __name__ == "__main__":
    mosaikonapp.main()
