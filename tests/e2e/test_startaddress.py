"""QuortTrans started with an address, as the desktop starts it for a link opened with it
(the desktop entry's %u): tab 0 opens that address in place of the home page, which is
never asked for, and the address is handled as one typed into the address bar."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, wait_equal  # noqa: E402

HOME_TITLE = "Home of the test site"
GIVEN_TITLE = "The page handed over"


class StartAddressTest(harness.ProgramTestCase):

    SESSION = "startaddress"

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", HOME_TITLE, "The user's home page.")
        self.server.add_page("/given", GIVEN_TITLE, "Opened from the command line.")

    def start(self, label, argument):
        folder = self.session.program_folder(label)
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", self.server.url("/home")])
        program = Program(self.session, folder, label).start(proxy=self.server,
                                                             arguments=[argument])
        program.wait_until_ready()
        return folder, program

    def exit(self, folder, program):
        self.session.key("ctrl+q")
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
        folder.keep(self.session.artifacts, program.label)

    def shown_titles(self, program):
        return [title for title, _ in program.shown_pages()]

    def test_an_address_given_opens_in_tab_zero_and_the_home_page_is_never_asked_for(self):
        server = self.server
        given = server.url("/given")
        folder, program = self.start("with-address", given)
        server.wait_for_count("/given", 1)
        wait_equal("the page shown", lambda: self.shown_titles(program), [GIVEN_TITLE])
        wait_equal("the address bar", program.address_text, given)
        self.assertEqual(program.current_tab(), 0)
        self.assertEqual(program.tab_captions()[0], server.host)
        self.session.screenshot("given-address")
        self.exit(folder, program)
        self.assertEqual(server.count("/home"), 0, "the home page was never asked for")
        self.assertEqual(server.count("/given"), 1)
        # Kept as a typed address is; the home page stays the user's.
        self.assertEqual(folder.read_lines("quortspeak.Hys"), [given])
        self.assertEqual(folder.read_lines("quortspeak.Opt")[4], server.url("/home"))
        self.assertEqual(server.foreign, [])

    def test_text_without_a_web_scheme_gets_http_in_front_as_in_the_address_bar(self):
        server = self.server
        # An address without its scheme is completed, and opens.
        folder, program = self.start("without-scheme", f"{server.host}/given")
        server.wait_for_count("/given", 1)
        wait_equal("the page shown", lambda: self.shown_titles(program), [GIVEN_TITLE])
        wait_equal("the address bar", program.address_text, server.url("/given"))
        self.exit(folder, program)

        # A local file is no web address: it is asked of the web like any typed text,
        # never read from the disk, and the home page is not opened either.
        folder, program = self.start("local-file", "file:///nonexistent/page.html")
        harness.wait_until("the request to reach the web", lambda: server.foreign)
        self.assertTrue(server.foreign[0].path.startswith("http://file"), server.foreign)
        self.assertTrue(server.foreign[0].path.endswith("/nonexistent/page.html"),
                        server.foreign)
        # The bar shows the web address that was asked for (as the engine writes it).
        wait_equal("the address bar", program.address_text, server.foreign[0].path)
        self.exit(folder, program)
        self.assertEqual(server.count("/home"), 0, "the home page was never asked for")


if __name__ == "__main__":
    harness.main()
