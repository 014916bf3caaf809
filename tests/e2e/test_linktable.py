"""The link table as a user meets it: the page added from the favourite links button, the
tab sent to it from a later page, a group renamed, a private value kept masked until
clicked, and all of it there again, in the files' own format, after a restart."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from exportsteps import ExportSteps  # noqa: E402
from harness import Program, centre, has_state, on_screen, wait_equal, wait_until  # noqa: E402

HOME_TITLE = "Wombat home"
OTHER_TITLE = "Numbat elsewhere"
SECRET = "pin 4711"


class LinkTableTest(ExportSteps, harness.ProgramTestCase):

    SESSION = "linktable"

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", HOME_TITLE, "Wombats dig burrows.")
        self.server.add_page("/other", OTHER_TITLE, "Numbats eat termites.")

    # -- helpers

    def start(self, folder, label):
        program = Program(self.session, folder, label).start(proxy=self.server)
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        return program

    def dialog(self, program, caption):
        return wait_until(f"the window {self.english[caption]!r}", lambda: [
            node for node in program.nodes(harness.pyatspi.ROLE_DIALOG, self.english[caption])
            if on_screen(node)], timeout=20)[0]

    def open_link_table(self, program):
        """The favourite links button, once the program has finished starting."""
        button = wait_until("the favourite links button to be enabled", lambda: [
            b for b in program.buttons(self.english[130]) if has_state(b, harness.pyatspi.STATE_ENABLED)])[0]
        self.session.click(*centre(button))
        return self.dialog(program, 33)

    def bar_button(self, program, window, caption):
        return [b for b in program.nodes(harness.pyatspi.ROLE_PUSH_BUTTON, self.english[caption], root=window)
                if on_screen(b)][0]

    def cells(self, program, window, text):
        return [c for c in program.nodes(harness.pyatspi.ROLE_TABLE_CELL, text, root=window)
                if on_screen(c)]

    def cell(self, program, window, text):
        return wait_until(f"a grid cell showing {text!r}",
                          lambda: self.cells(program, window, text), timeout=10)[0]

    def double_click(self, node):
        x, y = centre(node)
        self.session.run(["xdotool", "mousemove", str(x), str(y),
                          "click", "--repeat", "2", "--delay", "60", "1"])

    def group_tab(self, program, window, title):
        return wait_until(f"the group tab {title!r}", lambda: [
            t for t in program.nodes(harness.pyatspi.ROLE_PAGE_TAB, title, root=window)
            if on_screen(t)], timeout=10)[0]

    def wait_closed(self, program, caption):
        wait_until(f"the window {self.english[caption]!r} to close", lambda: not [
            n for n in program.nodes(harness.pyatspi.ROLE_DIALOG, self.english[caption]) if on_screen(n)],
            timeout=10)

    # -- the test

    def test_links_are_added_chosen_renamed_kept_private_and_found_again(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        home, other = server.url("/home"), server.url("/other")

        program = self.start(folder, "first-run")
        table = self.open_link_table(program)
        self.click_button(program, table, 75)  # add the current page
        self.cell(program, table, HOME_TITLE)
        session.screenshot("page-added")
        self.click_button(program, table, 32)
        self.wait_closed(program, 33)

        program.enter_address(other)
        wait_equal("the address bar on the other page", program.address_text, other)
        wait_equal("the progress bar on the other page", program.progress, 100)
        table = self.open_link_table(program)
        self.double_click(self.cell(program, table, HOME_TITLE))
        self.wait_closed(program, 33)
        server.wait_for_count("/home", 2)
        wait_equal("the address bar after choosing the link", program.address_text, home)

        # Group 3 is the fourth tab of the lowest strip.
        table = self.open_link_table(program)
        session.click(*centre(self.group_tab(program, table, f"{self.english[34]} 4")))
        self.click_button(program, table, 77)
        title_box = wait_until("the title box", lambda: [
            n for n in program.nodes(harness.pyatspi.ROLE_TEXT, self.english[72], root=table)
            if has_state(n, harness.pyatspi.STATE_FOCUSED)], timeout=10)[0]
        self.assertTrue(on_screen(title_box))
        session.type("Animals & plants")
        session.key("Return")
        self.group_tab(program, table, "Animals & plants")

        # The private value of the link in group 0, through the editor.
        session.click(*centre(self.group_tab(program, table, f"{self.english[34]} 1")))
        self.double_click(self.cell(program, table, "1"))
        editor = self.dialog(program, 76)
        field = program.node(harness.pyatspi.ROLE_TEXT, self.english[68], root=editor)
        session.click(*centre(field))
        wait_until("the private field to have the focus",
                   lambda: has_state(field, harness.pyatspi.STATE_FOCUSED), timeout=10)
        session.type(SECRET)
        self.click_button(program, editor, 95)
        self.wait_closed(program, 76)
        masked = self.cell(program, table, "********")
        self.assertEqual(self.cells(program, table, SECRET), [], "the value is masked")
        session.click(*centre(masked))
        self.cell(program, table, SECRET)
        session.screenshot("private-revealed")
        self.click_button(program, table, 32)
        self.wait_closed(program, 33)
        self.exit_by_button(program)

        links = os.path.join(folder.path, "Links")
        with open(os.path.join(links, "Links.000"), "rb") as source:
            lines = source.read().split(b"\r\n")
        today = lines[0].decode().rsplit(";-;", 1)[-1]
        self.assertEqual(lines, [f"{HOME_TITLE};-;{home};-;;-;{SECRET};-;{home};-;{today}"
                                 .encode(), b""], "Links.000: one link, six fields, CR LF")
        self.assertRegex(today, r"^\d{4}-\d\d-\d\d$")
        with open(os.path.join(links, "Links.Bok"), "rb") as source:
            titles = source.read().decode().split("\r\n")
        self.assertEqual(len(titles), 151, "150 entries and the last line end")
        self.assertEqual(titles[0], f"{self.english[34]} 1,1")
        self.assertEqual(titles[3], "Animals & plants,0")
        for name in ("Links.000", "Links.Bok"):
            self.assertEqual(os.stat(os.path.join(links, name)).st_mode & 0o077, 0,
                             f"{name} is for its owner only")

        program = self.start(folder, "second-run")
        table = self.open_link_table(program)
        self.group_tab(program, table, "Animals & plants")
        self.cell(program, table, HOME_TITLE)
        self.cell(program, table, "********")
        session.screenshot("after-restart")
        self.click_button(program, table, 32)
        self.wait_closed(program, 33)
        self.exit_by_button(program)
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")

    def click_button(self, program, window, caption):
        self.session.click(*centre(self.bar_button(program, window, caption)))


if __name__ == "__main__":
    harness.main()
