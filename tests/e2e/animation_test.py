"""A new animation from the toolbar, two drawn frames, the saved .ema and the playing preview;
the preview's speed."""

import mosaikonapp
from emsfiles import animation_file
from mosaikonapp import MosaikonTestCase

NEW_ANIMATION_BUTTON = (32 + 14, 14)  # Command1_1
FRAME_1 = {(3, 4), (4, 4), (5, 4), (5, 5), (10, 12)}
FRAME_2 = {(8, 2), (8, 3), (12, 14), (16, 16)}


class Animation(MosaikonTestCase):
    def test_two_frames_saved_and_played(self):
        self.app.start()
        self.app.click_client(*NEW_ANIMATION_BUTTON)
        self.app.picture_size = (16, 16)
        self.app.wait_for_cells(set(), "an empty 16 x 16 field")

        self.app.drag([(3, 4), (4, 4), (5, 4), (5, 5)])
        self.app.draw(10, 12)
        self.app.wait_for_cells(FRAME_1, "frame 1")
        self.app.shortcut("ctrl+a")
        self.app.wait_for_cells(set(), "frame 2, still empty")
        self.app.drag([(8, 2), (8, 3)])
        self.app.draw(12, 14)
        self.app.draw(16, 16)
        self.app.wait_for_cells(FRAME_2, "frame 2")

        self.app.shortcut("ctrl+s")
        self.app.choose_file("Сохранить файл", self.path("anim"))
        self.wait_for_file("anim.ema", 5 + 4 * 32)
        # Four frames of 16 x 16 at 16 x 12 ms, the last two empty.
        self.assertEqual(self.read_file("anim.ema"),
                         animation_file(16, 16, [FRAME_1, FRAME_2, set(), set()], 16))
        self.app.wait_for_title("anim - Mosaikon")

        # The preview plays the frames in turn at true size.
        seen = set()

        def both_frames_seen():
            cells = self.app.preview_cells(self.server.screenshot())
            for number, frame in ((1, FRAME_1), (2, FRAME_2)):
                if cells == frame:
                    seen.add(number)
            return seen == {1, 2}

        self.app.wait_until(both_frames_seen, "frames 1 and 2 in the preview")

    # A timer that rounds its interval would play both delays at 200 ms.
    def test_the_preview_plays_at_the_delay_of_the_animation(self):
        self.app.start()
        self.app.click_client(*NEW_ANIMATION_BUTTON)
        self.assertAlmostEqual(self.app.preview_period(20), 16 * 12, delta=2)

        with open(self.path("slower.ema"), "wb") as file:
            file.write(animation_file(16, 16, [set()] * 4, 17))
        self.app.shortcut("ctrl+o")
        self.app.choose_file("Открыть файл", self.path("slower.ema"))
        self.app.wait_for_title("slower - Mosaikon")
        self.assertAlmostEqual(self.app.preview_period(20), 17 * 12, delta=2)


if __name__ == "__main__":
    mosaikonapp.main()
