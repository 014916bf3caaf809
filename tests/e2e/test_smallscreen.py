"""A small screen without a graphics processor, as on a virtual machine or a thin client:
1024 × 768 pixels, with Mesa's software OpenGL under Xvfb. The tabs keep readable
captions beside a usable address bar, a page that asks for WebGL still loads under the
software renderer, and the about window says which renderer was chosen and why."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, centre, extents, wait_equal, wait_until  # noqa: E402

ENGLISH = None

# The page reports in its title whether WebGL gave it a context, and draws with it if so.
WEBGL_PAGE = """<!DOCTYPE html><html><head><meta charset="utf-8"><title>WebGL test</title>
</head><body><canvas id="c" width="300" height="150"></canvas><p id="result">waiting</p>
<script>
const gl = document.getElementById("c").getContext("webgl");
if (gl) { gl.clearColor(0, 0.5, 0, 1); gl.clear(gl.COLOR_BUFFER_BIT); }
const result = gl ? "WebGL: context" : "WebGL: null";
document.getElementById("result").textContent = result;
document.title = result;
</script></body></html>"""


class SmallScreenTest(harness.ProgramTestCase):

    SESSION = "smallscreen"
    SCREEN = (1024, 768)

    @classmethod
    def setUpClass(cls):
        global ENGLISH
        ENGLISH = harness.captions("English")
        super().setUpClass()

    def start(self, folder, label):
        program = Program(self.session, folder, label).start()
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        return program

    def renderer_line(self, program):
        """The about window's renderer line, opened from the settings menu."""
        program.choose(ENGLISH[131], ENGLISH[138])
        line = wait_until("the about window's renderer line", lambda: [
            node.name for node in program.nodes(harness.pyatspi.ROLE_LABEL)
            if (node.name or "").startswith("Renderer: ")])[0]
        self.session.screenshot(f"{program.label}-about")
        self.session.key("Escape")
        return line

    def test_every_tab_caption_is_readable_beside_a_usable_address_bar(self):
        session, server = self.session, self.server
        port = server.port
        # Names under .localhost reach this computer, as the captions need long site names.
        sites = [("www.duckduckgo", "Duckduckgo"),
                 ("en.wiktionary", f"En.wiktionary.localhost:{port}"),
                 ("www.openstreetmap", "Openstreetmap"),
                 ("mastodon.social", f"Mastodon.social.localhost:{port}"),
                 ("news", f"News.localhost:{port}"),
                 ("a-rather-long-site-name.example",
                  f"A-rather-long-site-name.example.localhost:{port}"),
                 ("x", f"X.localhost:{port}")]
        server.add_page("/home", "Home of the test site", "Welcome home.")
        server.add_page("/page", "A page of some site", "One of eight.")
        folder = session.program_folder("tabs")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        program = self.start(folder, "tabs-run")

        for index, (host, _) in enumerate(sites, start=1):
            session.click(*centre(program.tabs()[index]))
            wait_equal("the tab clicked", program.current_tab, index)
            program.enter_address(f"http://{host}.localhost:{port}/page")
        wanted = [f"127.0.0.1:{port}"] + [caption for _, caption in sites]
        # The whole caption stays the tab's name for a screen reader, however it is shown.
        wait_equal("every tab's caption", program.tab_captions, wanted)
        wait_equal("the progress bar after the last page loaded", program.progress, 100)
        session.screenshot("small-screen-tabs")

        # The tabs and the address bar share a line under the toolbars, every tab wide
        # enough for a caption's start and end, the address bar for an address.
        main_bar = extents(program.nodes(harness.pyatspi.ROLE_TOOL_BAR)[0])
        tabs = [extents(tab) for tab in program.tabs()]
        address = extents(program.address_bar())
        for x, y, width, _ in tabs:
            self.assertGreaterEqual(y, main_bar[1] + main_bar[3] - 1, "tabs under the bar")
            self.assertGreaterEqual(width, 80, f"tab widths {tabs}")
            self.assertLessEqual(x + width, address[0], "the tabs end before the address")
        self.assertGreaterEqual(address[2], 300, f"the address bar {address}")
        self.assertLessEqual(address[0] + address[2], 1024, "the address bar on the screen")
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")

    def test_a_webgl_page_loads_under_the_software_renderer_and_the_about_window_says_so(self):
        session, server = self.session, self.server
        server.add_answer("/webgl", WEBGL_PAGE)
        server.add_page("/after", "After the WebGL page", "The window still answers.")

        # RENDERER=software in the language file.
        folder = session.program_folder("software")
        language = os.path.join(folder.path, "languages", "Trans_English.txt")
        with open(language, "rb") as source:
            text = source.read()
        self.assertIn(b"\r\nRENDERER=auto\r\n", text)
        with open(language, "wb") as out:
            out.write(text.replace(b"\r\nRENDERER=auto\r\n", b"\r\nRENDERER=software\r\n"))
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/webgl")])
        program = self.start(folder, "software-run")

        title = wait_until("the WebGL page's report", lambda: [
            title for title, _ in program.shown_pages() if title.startswith("WebGL: ")])[0]
        print(f"note: under the software renderer the page got {title!r}", file=sys.stderr)
        session.screenshot("webgl-page")
        program.enter_address(server.url("/after"))
        wait_until("the next page", lambda: [
            title for title, _ in program.shown_pages() if title == "After the WebGL page"])
        program.check_running()
        self.assertEqual(self.renderer_line(program), "Renderer: software (RENDERER=software)")
        session.key("ctrl+q")
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")

        # As shipped (auto), the program asks OpenGL itself: Xvfb has no GPU.
        folder = session.program_folder("auto")
        program = self.start(folder, "auto-run")
        line = self.renderer_line(program)
        print(f"note: with RENDERER=auto the about window says {line!r}", file=sys.stderr)
        self.assertRegex(line, r"^Renderer: software \((no GPU: .*(llvmpipe|softpipe|swrast|"
                               r"Software Rasterizer).*|no OpenGL)\)$")


if __name__ == "__main__":
    harness.main()
