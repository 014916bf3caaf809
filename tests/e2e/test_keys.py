"""The keys people use in every browser, pressed as a user presses them on a real X
display: back, a tab by its number, the next and previous tab, reload and exit. Each must
do what its button or menu item does, also while the page has the keyboard focus."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, wait_equal, wait_until  # noqa: E402

HOME_TITLE = "Home of the test site"
SECOND_TITLE = "The second page"


class KeysTest(harness.ProgramTestCase):

    SESSION = "keys"

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", HOME_TITLE, "Welcome home.")
        self.server.add_page("/second", SECOND_TITLE, "Reached by typing its address.")

    def shown_title(self, program):
        titles = [title for title, _ in program.shown_pages()]
        return titles[0] if len(titles) == 1 else titles

    def test_back_tabs_reload_and_exit_from_the_keyboard(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        home, second = server.url("/home"), server.url("/second")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", home])
        program = Program(session, folder, "keys-run").start(proxy=server)
        program.wait_until_ready()
        server.wait_for_count("/home", 1)
        wait_equal("the progress bar after the home page loaded", program.progress, 100)

        # Alt+Left, pressed with the focus in the page, goes back to the home page.
        program.enter_address(second)
        server.wait_for_count("/second", 1)
        wait_equal("the page shown after typing its address",
                   lambda: self.shown_title(program), SECOND_TITLE)
        session.click(800, 600)
        session.key("alt+Left")
        wait_equal("the page shown after Alt+Left", lambda: self.shown_title(program),
                   HOME_TITLE)
        wait_equal("the address bar after Alt+Left", program.address_text, home)

        # F5 asks the server for the page again.
        wait_equal("the progress bar before F5", program.progress, 100)
        before = server.count("/home")
        session.key("F5")
        server.wait_for_count("/home", before + 1)
        wait_equal("the progress bar after reloading", program.progress, 100)

        # Ctrl+2 shows the second tab, which opens as a click on it does: on the address
        # the first tab was last sent (the typed one, not where Back went); Ctrl+Tab and
        # Ctrl+Shift+Tab step along the row.
        self.assertEqual(program.current_tab(), 0)
        session.key("ctrl+2")
        wait_equal("the current tab after Ctrl+2", program.current_tab, 1)
        wait_equal("the page shown in the second tab", lambda: self.shown_title(program),
                   SECOND_TITLE)
        site = program.tab_captions()[0]
        wait_equal("the second tab's caption", lambda: program.tab_captions()[1], site)
        session.screenshot("second-tab")
        session.key("ctrl+Tab")
        wait_equal("the current tab after Ctrl+Tab", program.current_tab, 2)
        session.key("ctrl+shift+Tab")
        wait_equal("the current tab after Ctrl+Shift+Tab", program.current_tab, 1)

        # Ctrl+Q ends the program the way its exit button does, saving the user's files.
        session.key("ctrl+q")
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
        folder.keep(session.artifacts, "after-ctrl-q")
        self.assertEqual(folder.read_lines("quortspeak.Hys"), [second])
        self.assertEqual(folder.read_lines("quortspeak.Opt")[4], home)
        self.assertEqual(len(folder.read_lines("Quortspeak.Ini")), 14)
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
