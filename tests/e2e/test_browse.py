"""Browsing as a user does: the home page at the first start, an address typed into the
address bar, tabs opened and refreshed with the mouse, the exit button, and the next start
finding the window's place and the typed address again."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, centre, extents, wait_equal, wait_until  # noqa: E402

TWIPS = harness.TWIPS_PER_PIXEL


class BrowseTest(harness.ProgramTestCase):

    SESSION = "browse"

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", "Home of the test site", "Welcome home.",
                             [("Second page", "/second")])
        self.server.add_page("/second", "The second page", "Visit {visit} of this page.")

    @staticmethod
    def wait_for_page(program, title, text):
        """Waits until exactly one page is on screen, with that title and text."""
        def shown():
            pages = program.shown_pages()
            return len(pages) == 1 and pages[0][0] == title and text in pages[0][1]
        try:
            wait_until(f"the page {title!r} reading {text!r} alone on screen", shown)
        except AssertionError as e:
            raise AssertionError(f"{e}; pages on screen: {program.shown_pages()!r}") from None

    def exit_buttons(self, program):
        """The two exit buttons, at the left end of the bars (the main bar's first
        button) and at the right end."""
        buttons = sorted(program.buttons("Close"), key=lambda button: extents(button)[0])
        self.assertEqual(len(buttons), 2, "an exit button at each end of the bars")
        return buttons

    def wait_for_visit(self, program, visit):
        """Waits until the page on screen is the given visit of /second."""
        self.wait_for_page(program, "The second page", f"Visit {visit} of this page.")

    def test_home_page_address_bar_tabs_exit_and_next_start(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        home = server.url("/home")
        second = server.url("/second")
        site = server.host  # the site name of an address on 127.0.0.1
        # Five lines, as the program's own default file has: the language line comes
        # with the first save. The spare numbers must come back as they went in.
        folder.write_lines("quortspeak.Opt", ["1", "7", "0", "9", home])

        # First start in a fresh folder: the home page in tab 0.
        program = Program(session, folder, "first-run").start(proxy=server)
        program.wait_until_ready()
        self.assertEqual(program.geometry(), (0, 0, harness.SCREEN_WIDTH,
                                              harness.SCREEN_HEIGHT),
                         "with no settings file the window covers the screen")
        server.wait_for_count("/home", 1)
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        self.wait_for_page(program, "Home of the test site", "Welcome home.")
        captions = program.tab_captions()
        self.assertGreaterEqual(len(captions), 2, "a row of tabs")
        self.assertEqual(captions[0], site, "tab 0 is named after the home page's site")
        self.assertEqual(captions[1:], [""] * (len(captions) - 1), "the other tabs unopened")
        self.assertEqual(program.current_tab(), 0)
        self.assertEqual(program.address_text(), home)
        session.screenshot("home-page")

        # An address typed into the address bar, and Enter. The server holds the page
        # back, so the window can be seen while it loads.
        release = server.hold("/second")
        program.enter_address(second)
        server.wait_for_count("/second", 1)
        self.assertLess(program.progress(), 100, "the progress bar while the page loads")
        self.assertEqual(program.address_text(), second)
        release.set()
        wait_equal("the progress bar after the typed page loaded", program.progress, 100)
        self.wait_for_visit(program, 1)
        self.assertEqual(program.tab_captions()[0], site)
        self.assertEqual(program.address_text(), second)
        self.assertEqual(program.history(), [second], "the typed address in the list")

        # A left click on the first unopened tab opens it on its left neighbour's page.
        tabs = program.tabs()
        session.click(*centre(tabs[1]))
        server.wait_for_count("/second", 2)
        wait_equal("the clicked tab's caption", lambda: program.tab_captions()[1], site)
        wait_equal("the current tab", program.current_tab, 1)
        self.wait_for_visit(program, 2)
        wait_equal("the progress bar after the tab opened", program.progress, 100)
        self.assertEqual(program.tab_captions()[2:], [""] * (len(tabs) - 2))
        self.assertEqual(program.address_text(), second)

        # A right click on the current tab reloads its page.
        session.click(*centre(program.tabs()[1]), button=3)
        server.wait_for_count("/second", 3)
        self.wait_for_visit(program, 3)
        self.assertEqual(program.current_tab(), 1)
        # A right click on another tab makes it current and reloads it: an unopened
        # tab has nothing to reload, and takes no neighbour's page.
        session.click(*centre(program.tabs()[2]), button=3)
        wait_equal("the current tab", program.current_tab, 2)
        self.assertEqual(program.tab_captions()[2], "", "a right click opens no tab")
        # A right click back on tab 1 shows its page again and reloads it.
        session.click(*centre(program.tabs()[1]), button=3)
        server.wait_for_count("/second", 4)
        wait_equal("the current tab", program.current_tab, 1)
        self.wait_for_visit(program, 4)
        session.screenshot("second-tab-opened")

        # Back to tab 0, which shows its own copy of the page again.
        session.click(*centre(program.tabs()[0]))
        wait_equal("the current tab", program.current_tab, 0)
        self.wait_for_visit(program, 1)

        # The window moved and resized, then the exit button on the main bar.
        program.move(120, 80, 1200, 800)
        placed = program.geometry()
        session.screenshot("before-exit")
        session.click(*centre(self.exit_buttons(program)[0]))
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
        folder.keep(session.artifacts, "after-first-run")

        self.assertEqual(folder.read_lines("quortspeak.Opt"),
                         ["1", "7", "0", "9", home, "English"])
        self.assertEqual(folder.read_lines("quortspeak.Hys"), [second])
        x, y, width, height = placed
        settings = folder.read_lines("Quortspeak.Ini")
        self.assertEqual(len(settings), 14, settings)
        self.assertEqual([float(v) for v in settings[:4]],
                         [y * TWIPS, x * TWIPS, height * TWIPS, width * TWIPS],
                         "the window's top, left, height and width in twips")
        self.assertEqual([float(v) for v in settings[4:12]], [0.0] * 8,
                         "the other windows' places, never set")
        self.assertEqual(settings[12:], ["0", "en"])

        # The next start in the same folder: the same place, the typed address in the
        # address bar's list, and a choice from that list goes there again.
        program = Program(session, folder, "second-run").start(proxy=server)
        program.wait_until_ready()
        server.wait_for_count("/home", 2)
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        got = program.geometry()
        self.assertTrue(all(abs(a - b) <= 2 for a, b in zip(got, placed)),
                        f"the window where it was: {got} against {placed}")
        self.assertEqual(program.history(), [second])
        self.assertEqual(program.address_text(), home)

        bar_x, bar_y, bar_width, bar_height = extents(program.address_bar())
        session.click(bar_x + bar_width - bar_height // 2, bar_y + bar_height // 2)
        entry = wait_until("the address list to open", lambda: [
            item for item in program.nodes(harness.pyatspi.ROLE_LIST_ITEM,
                                           root=program.address_bar())
            if item.name == second and extents(item)[2] > 0
            and harness.has_state(item, harness.pyatspi.STATE_SHOWING)])[0]
        session.screenshot("address-list-open")
        session.click(*centre(entry))
        server.wait_for_count("/second", 5)
        self.wait_for_visit(program, 5)
        wait_equal("the address bar after the choice", program.address_text, second)
        self.assertEqual(program.tab_captions()[0], site)

        # Out through the same button, pressed as assistive tools press it.
        program.press(self.exit_buttons(program)[0])
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
        folder.keep(session.artifacts, "after-second-run")
        self.assertEqual(folder.read_lines("quortspeak.Hys"), [second],
                         "an address already in the list is not added again")
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")

    def test_tabs_fill_the_tab_strip_at_every_window_width(self):
        session, server = self.session, self.server
        folder = session.program_folder("tabs")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        program = Program(session, folder, "tabs-run").start(proxy=server)
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)

        def tiles():
            """Each tab's left edge and width against an equal share of the strip."""
            strip_x, _, strip_width, _ = extents(
                program.node(harness.pyatspi.ROLE_PAGE_TAB_LIST))
            tabs = [extents(tab) for tab in program.tabs()]
            share = strip_width // len(tabs)
            wanted = [(strip_x + i * share, share) for i in range(len(tabs))]
            return [(x, width) for x, _, width, _ in tabs], wanted

        def tiled():
            got, wanted = tiles()
            return all(abs(g[0] - w[0]) <= 1 and abs(g[1] - w[1]) <= 1
                       for g, w in zip(got, wanted))

        # Narrower, then wider again: the strip changes its width each time.
        for width in (1200, 1450):
            with self.subTest(window_width=width):
                if program.current_tab() != 0:
                    session.click(*centre(program.tabs()[0]))
                    wait_equal("the current tab", program.current_tab, 0)
                program.move(60, 40, width, 760)
                before, wanted = tiles()
                # The tabs share the strip equally (the tab tooltips reckon so): a
                # click in the last share of the strip is a click on the last tab.
                last = len(before) - 1
                _, strip_y, _, strip_height = extents(
                    program.node(harness.pyatspi.ROLE_PAGE_TAB_LIST))
                session.click(wanted[last][0] + wanted[last][1] // 2,
                              strip_y + strip_height // 2)
                try:
                    wait_equal("the tab clicked in the last share of the strip",
                               program.current_tab, last, timeout=5)
                    wait_until("the tabs to share the strip equally", tiled, timeout=5)
                except AssertionError as failure:
                    session.screenshot(f"tabs-at-{width}")
                    raise AssertionError(
                        f"{failure}; tabs (left, width) before the click: {before}; "
                        f"after it: {tiles()[0]}; equal shares of the strip: "
                        f"{wanted}") from None

        program.press(self.exit_buttons(program)[0])
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
