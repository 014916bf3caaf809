"""Word documents and PDFs of the page, written by the real LibreOffice from the Save menu:
each document holds the page and its own template, the PDF has its Word copy beside it, a
cancelled dialog writes nothing, and without LibreOffice the user is told so and goes on
browsing."""

import os
import re
import subprocess
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from exportsteps import ExportSteps  # noqa: E402
from harness import Program, wait_equal, wait_until  # noqa: E402

TITLE = "Quarterly Wombats"
HEADING = "Wombat census"
PARAGRAPH = "Tea & biscuits für alle"
CELLS = ["Burrows", "Wombats", "17", "42"]
# A cold office (a new profile) can take a while to answer its first call.
OFFICE_TIMEOUT = 90


PAGE = f"""<!DOCTYPE html><html><head><meta charset="utf-8"><title>{TITLE}</title></head>
<body><h1>{HEADING}</h1><p>{PARAGRAPH.replace("&", "&amp;")}</p>
<table border="1"><tr><td>{CELLS[0]}</td><td>{CELLS[1]}</td></tr>
<tr><td>{CELLS[2]}</td><td>{CELLS[3]}</td></tr></table>
<img src="/burrow.png" alt="burrow" width="40" height="30"></body></html>"""


def office_html(document, outdir):
    """The document as LibreOffice reads it back, as HTML: its text, its page size and its
    pictures. Its own profile, so the program's office is not disturbed."""
    profile = os.path.join(outdir, "reader-profile")
    subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                    "--convert-to", "html", "--outdir", outdir, document],
                   check=True, capture_output=True, timeout=120)
    name = os.path.splitext(os.path.basename(document))[0] + ".html"
    with open(os.path.join(outdir, name), encoding="utf-8", errors="replace") as source:
        return source.read()


def text_of(html):
    return re.sub(r"\s+", " ", re.sub(r"<[^>]*>", " ", html)).replace("&amp;", "&")


class OfficeTest(ExportSteps, harness.ProgramTestCase):

    SESSION = "office"

    def setUp(self):
        super().setUp()
        self.server.add_answer("/home", PAGE)
        self.server.add_picture("/burrow.png", 40, 30, (120, 80, 40))

    def start(self, folder, label, extra_env=None):
        program = Program(self.session, folder, label).start(proxy=self.server,
                                                             extra_env=extra_env)
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        return program

    def export(self, program, item, path, offered, notice, label):
        """Save > item, the path typed into the Save dialog, and the notice confirmed."""
        program.choose(self.english[128], item)
        _dialog, field = self.save_dialog(program)
        self.assertEqual(field.queryText().getText(0, -1), offered, "the name offered")
        self.session.key("ctrl+a")
        self.session.type(path)
        wait_equal("the typed path in the file-name field",
                   lambda: field.queryText().getText(0, -1), path, timeout=10)
        self.session.key("Return")
        self.confirm_message(program, notice, label, timeout=OFFICE_TIMEOUT)

    def assert_holds_the_page(self, html, name):
        text = text_of(html)
        for expected in [HEADING, PARAGRAPH] + CELLS:
            self.assertIn(expected, text, f"{name} holds {expected!r}")

    def test_word_and_pdf_documents(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        exports = os.path.join(session.root, "exports")
        os.makedirs(exports)
        program = self.start(folder, "office")
        time.sleep(1)  # the template paths are set a moment after start-up

        # "Word document, landscape" on Template.Doc, "Word document, portrait" on
        # TemplateH.Doc (H for Hochformat). Letters beyond ASCII in names are left to the
        # widget test: xdotool drops them now and then while typing into the dialog.
        landscape = os.path.join(exports, "Wombats quer.doc")
        portrait = os.path.join(exports, "Wombats portrait.doc")
        pdf = os.path.join(exports, "census.pdf")
        self.export(program, self.english[146], landscape, "QuarterlyWombats.doc",
                    f"{self.english[108]}{landscape}", "word-h")
        self.export(program, self.english[147], portrait, "QuarterlyWombats.doc",
                    f"{self.english[108]}{portrait}", "word-v")
        word_copy = os.path.join(exports, "census.doc")
        self.export(program, self.english[206], pdf, "QuarterlyWombats.pdf",
                    f"{self.english[108]}{pdf}\n{self.english[246]} {word_copy}", "pdf")

        # Cancelled: nothing written, nothing said.
        program.choose(self.english[128], self.english[146])
        self.save_dialog(program)
        session.key("Escape")
        wait_until("the Save dialog to close", lambda: not self.save_dialogs(program),
                   timeout=10)
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            self.assertEqual(self.message_boxes(program), [], "no message after a cancel")
            time.sleep(0.2)
        self.assertEqual(sorted(os.listdir(exports)), sorted(
            os.path.basename(p) for p in (portrait, landscape, pdf, word_copy)),
            "only the chosen files were written, no temporary file is left")
        self.exit_by_button(program)

        readback = os.path.join(session.root, "readback")
        os.makedirs(readback)
        for document, size in ((portrait, "8.27in 11.69in"), (landscape, "11.69in 8.27in")):
            with open(document, "rb") as source:
                self.assertEqual(source.read(8), b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1",
                                 f"{document} is a Word 97 file")
            html = office_html(document, readback)
            self.assert_holds_the_page(html, document)
            self.assertIn("QuortTrans", text_of(html), f"{document} has its template's header")
            self.assertIn(f"size: {size}", html, f"{document} has its template's page size")
            self.assertEqual(len(re.findall(r"<img\b", html)), 1, f"{document}: one picture")
        pdf_text = subprocess.run(["pdftotext", "-enc", "UTF-8", pdf, "-"], check=True,
                                  capture_output=True, text=True).stdout
        self.assert_holds_the_page(pdf_text, pdf)
        self.assert_holds_the_page(office_html(word_copy, readback), word_copy)
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")

    def test_workbook_and_slides(self):
        session, server = self.session, self.server
        folder = session.program_folder("program-sheets-slides")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        exports = os.path.join(session.root, "sheets-slides")
        os.makedirs(exports)
        program = self.start(folder, "sheets-slides")

        # Excel, twice to one name: the second asks, and replaces the first whole.
        workbook = os.path.join(exports, "census.xls")
        self.export(program, self.english[148], workbook, "QuarterlyWombats.xls",
                    f"{self.english[108]}{workbook}", "workbook")
        first = os.path.getmtime(workbook)
        program.choose(self.english[128], self.english[148])
        _dialog, field = self.save_dialog(program)
        session.key("ctrl+a")
        session.type(workbook)
        wait_equal("the typed path", lambda: field.queryText().getText(0, -1), workbook,
                   timeout=10)
        session.key("Return")
        self.confirm_message(program, lambda labels: any(workbook in t for t in labels),
                             "replace-workbook", button="Yes")
        self.confirm_message(program, f"{self.english[108]}{workbook}", "workbook-again",
                             timeout=OFFICE_TIMEOUT)
        self.assertGreaterEqual(os.path.getmtime(workbook), first)

        # PowerPoint, twice to one file: slides 1 and 2, no question.
        deck = os.path.join(exports, "deck.ppt")
        for number in (1, 2):
            self.export(program, self.english[149], deck, "QuarterlyWombats.ppt",
                        lambda labels, n=number: any(
                            t.startswith(f"{self.english[216]}{n} {self.english[217]}") and deck in t
                            for t in labels), f"slide-{number}")

        # A file that is no presentation is left as it was, and the user is told.
        broken = os.path.join(exports, "broken.ppt")
        with open(broken, "wb") as out:
            out.write(b"This is a shopping list, not a presentation.\n")
        self.export(program, self.english[149], broken, "QuarterlyWombats.ppt",
                    lambda labels: any(t.startswith(self.english[244]) for t in labels),
                    "broken-presentation")
        with open(broken, "rb") as source:
            self.assertEqual(source.read(), b"This is a shopping list, not a presentation.\n")
        self.exit_by_button(program)
        self.assertEqual(sorted(os.listdir(exports)), ["broken.ppt", "census.xls", "deck.ppt"],
                         "no temporary file is left")

        readback = os.path.join(session.root, "readback-sheets")
        os.makedirs(readback)
        profile = os.path.join(readback, "profile")
        # Text quoted, numbers not: the numbers stayed numbers.
        subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                        "--convert-to", "csv:Text - txt - csv (StarCalc):44,34,76,1,,0,true,true",
                        "--outdir", readback, workbook], check=True, capture_output=True,
                       timeout=120)
        with open(os.path.join(readback, "census.csv"), encoding="utf-8") as source:
            rows = source.read().splitlines()
        self.assertIn(f'"{CELLS[0]}","{CELLS[1]}"', rows, "the header row in two cells")
        self.assertIn(f"{CELLS[2]},{CELLS[3]}", rows, "the number row, as numbers")
        subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                        "--convert-to", "fods", "--outdir", readback, workbook],
                       check=True, capture_output=True, timeout=120)
        with open(os.path.join(readback, "census.fods"), encoding="utf-8") as source:
            sheets = re.findall(r"<table:table table:name=", source.read())
        self.assertEqual(len(sheets), 2, "the page's sheet and the new workbook's own")

        subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                        "--convert-to", "pdf", "--outdir", readback, deck],
                       check=True, capture_output=True, timeout=120)
        pdf = os.path.join(readback, "deck.pdf")
        info = subprocess.run(["pdfinfo", pdf], check=True, capture_output=True,
                              text=True).stdout
        self.assertRegex(info, r"Pages:\s+2\n", "two slides")
        images = subprocess.run(["pdfimages", "-list", pdf], check=True, capture_output=True,
                                text=True).stdout.splitlines()[2:]
        self.assertEqual(sorted({int(line.split()[0]) for line in images}), [1, 2],
                         "a picture on each slide")

    def test_without_libreoffice_the_user_is_told_and_browses_on(self):
        folder = self.session.program_folder("program-without-office")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", self.server.url("/home")])
        program = self.start(folder, "no-office",
                             {"UNO_PATH": os.path.join(self.session.root, "nowhere")})
        time.sleep(1)
        program.choose(self.english[128], self.english[146])
        self.confirm_message(program, self.english[243], "no-office")
        self.assertEqual(self.save_dialogs(program), [], "no Save dialog without an office")
        # Still a browser: the next page loads.
        self.server.add_answer("/next", "<html><head><title>Next</title></head>"
                               "<body>on</body></html>")
        program.enter_address(self.server.url("/next"))
        self.server.wait_for_count("/next", 1)
        self.exit_by_button(program)


if __name__ == "__main__":
    harness.main()
