"""Pictures and web archives of the page, given from the menus with the mouse: each
picture is a new numbered BMP of the window, also after a restart; the archive is saved
where the user's Save dialog says, and nothing at all when the dialog is cancelled."""

import os
import quopri
import shutil
import struct
import sys
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from exportsteps import ExportSteps  # noqa: E402
from harness import Program, wait_equal, wait_until  # noqa: E402

TITLE = "Capture test page"
TEXT = "Wombat-2931 likes pictures."
BLOCK = (200, 30, 30)
WHITE = (255, 255, 255)
BLOCK_HEIGHT = 300
# A page's colours may come out a few steps off after the engine's colour handling.
TOLERANCE = 12


PAGE = f"""<!DOCTYPE html><html><head><meta charset="utf-8"><title>{TITLE}</title></head>
<body style="margin:0;background:#fff">
<div style="width:100%;height:{BLOCK_HEIGHT}px;background:rgb{BLOCK}"></div>
<p>{TEXT}</p><img src="/dot.png" alt="dot" width="16" height="16"></body></html>"""


class Bitmap:
    """Size and pixels of a BMP file as a viewer reads it."""

    def __init__(self, path):
        with open(path, "rb") as source:
            data = source.read()
        if data[:2] != b"BM":
            raise AssertionError(f"{path} is no BMP: it begins with {data[:2]!r}")
        offset, = struct.unpack_from("<I", data, 10)
        self.width, height, _planes, self.bits, compression = struct.unpack_from(
            "<iiHHI", data, 18)
        if self.bits not in (24, 32) or compression not in (0, 3):
            raise AssertionError(f"{path}: {self.bits} bits, compression {compression}")
        self.bottom_up = height > 0
        self.height = abs(height)
        self.stride = (self.width * self.bits // 8 + 3) // 4 * 4
        self.data, self.offset = data, offset

    def pixel(self, x, y):
        row = self.height - 1 - y if self.bottom_up else y
        at = self.offset + row * self.stride + x * self.bits // 8
        blue, green, red = self.data[at:at + 3]
        return red, green, blue


class CaptureTest(ExportSteps, harness.ProgramTestCase):

    SESSION = "capture"

    def setUp(self):
        super().setUp()
        self.server.add_answer("/home", PAGE)
        self.server.add_picture("/dot.png", 16, 16, (20, 160, 40))

    # -- helpers

    def start(self, folder, label):
        program = Program(self.session, folder, label).start(proxy=self.server)
        program.wait_until_ready()
        wait_equal("the progress bar after the home page loaded", program.progress, 100)
        self.server.wait_for_count("/dot.png", 1)
        return program

    def take_picture(self, program, folder, name, label):
        """Edit > Save page picture; checks the notice, the bars and the file."""
        path = os.path.join(folder.path, "Images", name)
        self.assertFalse(os.path.exists(path), f"{name} before the picture")
        program.choose(self.english[129], self.english[176])
        self.confirm_message(program, f"{self.english[192]}: {path}", label)
        wait_until("the Edit button on screen again", lambda: program.buttons(self.english[129]),
                   timeout=10)
        shutil.copy(path, self.session.artifacts)
        picture = Bitmap(path)
        _, _, width, height = program.geometry()
        self.assertEqual((picture.width, picture.height), (width, height),
                         f"{name} is as large as the window")
        # The bars and the status strip are not in the picture: the page fills it,
        # its block from the top row down, its white background in the bottom row.
        middle = width // 2
        for (x, y), wanted in (((middle, 1), BLOCK), ((middle, BLOCK_HEIGHT - 2), BLOCK),
                               ((middle, BLOCK_HEIGHT + 2), WHITE), ((2, height - 2), WHITE)):
            colour = picture.pixel(x, y)
            self.assertTrue(all(abs(a - b) <= TOLERANCE for a, b in zip(colour, wanted)),
                            f"{name}: the pixel at {x}, {y} is {colour}, expected {wanted}")
        return path

    # -- the test

    def test_pictures_and_web_archive(self):
        session, server = self.session, self.server
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        exports = os.path.join(session.root, "exports")
        os.makedirs(exports)

        program = self.start(folder, "first-run")
        self.take_picture(program, folder, "Quort000.bmp", "first-picture")
        self.take_picture(program, folder, "Quort001.bmp", "second-picture")

        # Save > Web archive: the dialog offers the title's letters; a typed path wins.
        archive = os.path.join(exports, "saved page.mht")
        program.choose(self.english[128], self.english[145])
        dialog, field = self.save_dialog(program)
        self.assertEqual(field.queryText().getText(0, -1), "Capturetestpage.mht",
                         "the name the dialog offers")
        session.key("ctrl+a")
        session.type(archive)
        wait_equal("the typed path in the file-name field",
                   lambda: field.queryText().getText(0, -1), archive, timeout=10)
        session.key("Return")
        self.confirm_message(program, f"{self.english[108]}{archive}", "archive-saved")
        with open(archive, "rb") as source:
            mhtml = source.read()
        self.assertIn(b"multipart/related", mhtml, "the archive is MHTML")
        # The page's part may be quoted-printable, with its lines broken anywhere.
        self.assertIn(TEXT.encode(), quopri.decodestring(mhtml),
                      "the archive holds the page's text")
        self.assertIn(b"Content-Type: image/png", mhtml, "the archive holds the picture")

        # Again, but cancelled: nothing is written and nothing is said.
        program.choose(self.english[128], self.english[145])
        dialog, field = self.save_dialog(program)
        session.key("Escape")
        wait_until("the Save dialog to close", lambda: not self.save_dialogs(program),
                   timeout=10)
        deadline = time.monotonic() + 2
        while time.monotonic() < deadline:
            self.assertEqual(self.message_boxes(program), [], "no message after a cancel")
            time.sleep(0.2)
        self.assertEqual(os.listdir(exports), [os.path.basename(archive)],
                         "the cancelled dialog wrote nothing")
        session.screenshot("after-cancel")
        self.exit_by_button(program)

        # The next run does not overwrite the pictures it finds.
        program = self.start(folder, "second-run")
        self.take_picture(program, folder, "Quort002.bmp", "picture-after-restart")
        self.assertEqual(sorted(os.listdir(os.path.join(folder.path, "Images"))),
                         ["Quort000.bmp", "Quort001.bmp", "Quort002.bmp"])
        self.exit_by_button(program)
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
