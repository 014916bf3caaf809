"""Every way out of the program saves the user's files: the window manager's close, the
termination signals and the exit button at the right end of the bars. Each run in the
same folder types one more address and leaves the window somewhere else, so each file
shows that this run wrote it."""

import os
import signal
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, centre, extents, wait_equal  # noqa: E402

TWIPS = harness.TWIPS_PER_PIXEL
# The other windows' places and the window mode: no run here changes them, so every
# exit writes them back as they were read.
OTHER_PLACES = ["1500", "2250.5", "4000", "6000", "750", "900", "3000", "4500"]


class ExitTest(harness.ProgramTestCase):

    SESSION = "exit"

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", "Home of the test site", "Welcome home.")
        for name in ("one", "two", "three", "four"):
            self.server.add_page(f"/{name}", f"Page {name}", f"This is page {name}.")

    def browse_and_place(self, program, path, place, shortcut):
        """Types the address of path into the address bar, waits for its page and puts
        the window at place."""
        program.enter_address(self.server.url(path), shortcut=shortcut)
        self.server.wait_for_count(path, 1)
        wait_equal("the progress bar after the typed page loaded", program.progress, 100)
        program.move(*place)

    def check_saved(self, folder, home, history, place, label):
        """The three files as the exit must have left them."""
        folder.keep(self.session.artifacts, label)
        self.assertEqual(folder.read_lines("quortspeak.Opt"),
                         ["1", "3", "0", "4", home, "English"])
        self.assertEqual(folder.read_lines("quortspeak.Hys"),
                         [self.server.url(path) for path in history])
        settings = folder.read_lines("Quortspeak.Ini")
        self.assertEqual(len(settings), 14, settings)
        x, y, width, height = place
        self.assertEqual([float(v) for v in settings[:4]],
                         [y * TWIPS, x * TWIPS, height * TWIPS, width * TWIPS],
                         "the window's top, left, height and width in twips")
        self.assertEqual([float(v) for v in settings[4:12]],
                         [float(v) for v in OTHER_PLACES])
        self.assertEqual(settings[12:], ["0", "de"])

    def end_normally(self, program):
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()

    def test_every_way_out_saves_the_users_files(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        home = server.url("/home")
        folder.write_lines("quortspeak.Opt", ["1", "3", "0", "4", home])
        # Top 200, left 300, 600 high and 1000 wide, in pixels.
        folder.write_lines("Quortspeak.Ini", [str(200 * TWIPS), str(300 * TWIPS),
                                              str(600 * TWIPS), str(1000 * TWIPS)]
                           + OTHER_PLACES + ["0", "de"])
        place = (300, 200, 1000, 600)
        history = []

        # Closed by the window manager, as the close box of a desktop does.
        program = Program(session, folder, "closed-by-window-manager").start(proxy=server)
        program.wait_until_ready()
        self.assertEqual(program.geometry(), place, "the window where the file puts it")
        server.wait_for_count("/home", 1)
        place = (40, 60, 1100, 700)
        self.browse_and_place(program, "/one", place, shortcut=True)
        history.append("/one")
        session.screenshot("before-window-manager-close")
        session.run(["wmctrl", "-i", "-c", hex(program.window_id)])
        self.end_normally(program)
        self.check_saved(folder, home, history, place, "after-window-manager-close")

        # Ended by a termination signal, as a log-out or `kill` does.
        for sig, path, new_place in ((signal.SIGTERM, "/two", (200, 150, 1000, 650)),
                                     (signal.SIGHUP, "/three", (10, 20, 1300, 900))):
            with self.subTest(signal=sig.name):
                program = Program(session, folder, f"ended-by-{sig.name}").start(proxy=server)
                program.wait_until_ready()
                self.assertEqual(program.geometry(), place, "the window where it was left")
                self.browse_and_place(program, path, new_place, shortcut=False)
                history.append(path)
                place = new_place
                os.kill(program.pid, sig)
                self.end_normally(program)
                self.check_saved(folder, home, history, place, f"after-{sig.name}")

        # The exit button at the right end of the bars.
        program = Program(session, folder, "exit-button-right").start(proxy=server)
        program.wait_until_ready()
        self.assertEqual(program.geometry(), place, "the window where it was left")
        place = (150, 100, 1250, 780)
        self.browse_and_place(program, "/four", place, shortcut=True)
        history.append("/four")
        close_buttons = sorted(program.buttons("Close"), key=lambda b: extents(b)[0])
        self.assertEqual(len(close_buttons), 2, "an exit button at each end of the bars")
        session.click(*centre(close_buttons[-1]))
        self.end_normally(program)
        self.check_saved(folder, home, history, place, "after-exit-button-right")

        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
