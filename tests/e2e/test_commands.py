"""Menu commands as a user gives them with the mouse: the program language, the look of
the bars, the bookmark, the page's source and the find bar. What the first two change
must still hold at the next start."""

import os
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, centre, extents, has_state, on_screen, wait_equal, wait_until  # noqa: E402

# The built program's captions, read once the program folder is known.
ENGLISH = GERMAN = None
# Main-bar buttons whose names are tooltips, by caption number.
BUTTON_CAPTIONS = {"EDIT": 129, "SAVE": 128, "FILE": 131, "LANG": 194, "TTS": 222,
                   "SPEAK": 221, "BACK": 123, "NEXT": 124, "EXIT": 32}
MARKER = "Marker-4711-source"


class CommandsTest(harness.ProgramTestCase):

    SESSION = "commands"

    @classmethod
    def setUpClass(cls):
        global ENGLISH, GERMAN
        ENGLISH = harness.captions("English")
        GERMAN = harness.captions("Deutsch")
        super().setUpClass()

    def setUp(self):
        super().setUp()
        self.server.add_page("/home", "Home of the test site", "Welcome home.")
        self.server.add_page("/marked", "The marked page", "A page worth a bookmark.")
        self.server.add_page("/source", "Source test", f"The source holds {MARKER}.")
        self.server.add_page("/find", "Find test",
                             "A quokka here, a quokka there, the third quokka last.")

    # -- helpers

    def start(self, folder, label):
        program = Program(self.session, folder, label).start(proxy=self.server)
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        return program

    def names_on_screen(self, program):
        return {button.name for button in program.buttons(None)}

    def assert_language(self, program, texts, other):
        """Every checked button is named in texts, none in the other language."""
        def named():
            names = self.names_on_screen(program)
            return all(texts[n] in names for n in BUTTON_CAPTIONS.values())
        try:
            wait_until("the main bar's buttons in the chosen language", named, timeout=10)
        except AssertionError:
            raise AssertionError(
                f"buttons on screen: {sorted(self.names_on_screen(program))}; wanted "
                f"{[texts[n] for n in BUTTON_CAPTIONS.values()]}") from None
        names = self.names_on_screen(program)
        for n in BUTTON_CAPTIONS.values():
            if texts[n] != other[n]:
                self.assertNotIn(other[n], names, f"caption {n} still in the old language")
        self.assertEqual(program.address_field().name, texts[186], "the address bar's name")

    def exit_by_button(self, program, texts):
        buttons = sorted(program.buttons(texts[32]), key=lambda b: extents(b)[0])
        self.assertEqual(len(buttons), 2, "an exit button at each end of the bars")
        self.session.click(*centre(buttons[0]))
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()

    def main_bar_strip(self, program, label):
        """The main bar's pixels. A button whose menu was used keeps its hover look
        until the pointer passes over it, so the pointer first runs along the bar and
        then rests over the page, as a user's would."""
        bar = program.nodes(harness.pyatspi.ROLE_TOOL_BAR)[0]
        x, y, width, height = extents(bar)
        sweep = ["xdotool"]
        for step in range(x + 4, x + width, 12):
            sweep += ["mousemove", str(step), str(y + height // 2), "sleep", "0.02"]
        self.session.run(sweep + ["mousemove", "800", "600"])
        time.sleep(1.0)  # hover looks fade
        box = extents(bar)
        return box, self.session.region(label, box)

    # -- the tests

    def test_language_bar_style_and_bookmark_last_to_the_next_start(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        home = server.url("/home")
        marked = server.url("/marked")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", home])

        program = self.start(folder, "first-run")
        self.assert_language(program, ENGLISH, GERMAN)

        # The XP look, chosen in the settings menu: the main bar looks different.
        office_box, office = self.main_bar_strip(program, "bar-office-style")
        program.choose(ENGLISH[131], ENGLISH[173])
        xp_box, xp = wait_until(
            "the main bar to change its look",
            lambda: (lambda got: got if harness.differing_share(office, got[1]) > 0.05
                     else None)(self.main_bar_strip(program, "bar-xp-style")), timeout=10)
        session.screenshot("xp-style")

        # A typed address, then Navigation > Set bookmark.
        program.enter_address(marked)
        server.wait_for_count("/marked", 1)
        wait_equal("the progress bar after the typed page loaded", program.progress, 100)
        program.choose(ENGLISH[134], ENGLISH[170])
        wait_until("the bookmark file", lambda: os.path.exists(
            folder.data_file("QuortBook.bm")), timeout=10)
        self.assertEqual(folder.read_lines("QuortBook.bm"), [marked],
                         "the bookmark file holds the typed address")

        # German, from the language menu: the texts change and the choice is saved
        # at once.
        program.choose(ENGLISH[194], "Deutsch")
        self.assert_language(program, GERMAN, ENGLISH)
        session.screenshot("german")
        wait_until("the settings file naming the language", lambda: (
            lambda lines: len(lines) >= 6 and lines[5] == "Deutsch")(
            folder.read_lines("quortspeak.Opt")), timeout=10)
        self.exit_by_button(program, GERMAN)
        folder.keep(session.artifacts, "after-first-run")
        options = folder.read_lines("quortspeak.Opt")
        self.assertEqual(options[0], "3", "the XP style saved")
        self.assertEqual(options[5], "Deutsch")

        # The next start: German and the XP look still; the bookmark leads back.
        program = self.start(folder, "second-run")
        self.assert_language(program, GERMAN, ENGLISH)
        session.screenshot("german-after-restart")
        box, again = self.main_bar_strip(program, "bar-xp-after-restart")
        self.assertEqual(box, xp_box, "the main bar where it was after the switch")
        share = harness.differing_share(xp, again)
        self.assertLess(share, 0.01, f"the main bar looks as after the switch to XP: "
                                     f"{share:.1%} of its pixels differ")
        program.choose(GERMAN[134], GERMAN[169])
        server.wait_for_count("/marked", 2)
        wait_equal("the address bar after going to the bookmark", program.address_text, marked)
        wait_equal("the progress bar after the bookmarked page loaded", program.progress, 100)

        # Back to English.
        program.choose(GERMAN[194], "English")
        self.assert_language(program, ENGLISH, GERMAN)
        wait_until("the settings file naming the language", lambda: (
            lambda lines: len(lines) >= 6 and lines[5].lower() == "english")(
            folder.read_lines("quortspeak.Opt")), timeout=10)
        self.exit_by_button(program, ENGLISH)
        folder.keep(session.artifacts, "after-second-run")
        options = folder.read_lines("quortspeak.Opt")
        self.assertEqual(options[0], "3")
        self.assertEqual(options[5].lower(), "english")
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")

    def test_page_source_and_find_on_page(self):
        session, server = self.session, self.server
        folder = session.program_folder("source-find")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/source")])
        program = self.start(folder, "source-find-run")

        # Edit > View page source: the markup lands in Doc.Txt in the program folder.
        def doc_file():
            names = [n for n in os.listdir(folder.path) if n.lower() == "doc.txt"]
            return os.path.join(folder.path, names[0]) if names else None
        self.assertIsNone(doc_file(), "no Doc.Txt before the command")
        program.choose(ENGLISH[129], ENGLISH[35])
        path = wait_until("Doc.Txt in the program folder", doc_file, timeout=15)
        self.assertEqual(os.path.basename(path), "Doc.Txt")
        def markup():
            with open(path, "rb") as doc:
                text = doc.read().decode("utf-8")
            return text if MARKER in text else None
        source = wait_until("Doc.Txt to hold the page's markup", markup, timeout=10)
        self.assertIn("<title>Source test</title>", source)
        self.assertIn(f"<p>The source holds {MARKER}.</p>", source)

        # Find on page, with Ctrl+F.
        program.enter_address(server.url("/find"))
        server.wait_for_count("/find", 1)
        wait_equal("the progress bar after the typed page loaded", program.progress, 100)
        session.click(800, 600)  # into the page
        session.key("ctrl+f")
        field = wait_until("the find bar's field on screen", lambda: [
            node for node in program.nodes(harness.pyatspi.ROLE_TEXT, ENGLISH[166])
            if on_screen(node)])[0]
        wait_until("the find field to have the keyboard focus",
                   lambda: has_state(field, harness.pyatspi.STATE_FOCUSED))
        bar = field.parent

        def result():
            labels = [label.name for label in program.nodes(harness.pyatspi.ROLE_LABEL,
                                                            root=bar)]
            return labels[0] if labels else None

        session.type("quokka")
        wait_equal("the number of matches", result, "3", timeout=10)
        session.screenshot("find-three")
        session.key("ctrl+a")
        session.type("wombat")
        wait_equal("the find bar's answer to a missing word", result, ENGLISH[167], timeout=10)
        session.screenshot("find-none")
        session.key("Escape")
        wait_until("the find bar to close", lambda: not on_screen(field), timeout=10)

        self.exit_by_button(program, ENGLISH)
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
