"""The link table's help documents as the build ships them: for every shipped language a
PDF named by the language's code in the program folder's Data/, titled and headed with
the language's caption for the help button, and naming the buttons as the program does."""

import os
import re
import shutil
import subprocess
import sys
import unittest

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402

HELP_CAPTION = 83
# Add the current page, rename group, sort links, save link table.
BUTTON_CAPTIONS = (75, 77, 81, 82)


def language_code(language):
    """LANG of the language file: its first three characters, trimmed."""
    path = os.path.join(harness.PROGRAM_DIR, "languages", f"Trans_{language}.txt")
    with open(path, encoding="utf-8") as source:
        match = re.search(r"^LANG=(.*)$", source.read(), re.MULTILINE)
    return match.group(1).strip()[:3]


def words(text):
    """The text with every run of white space one blank, as pdftotext breaks lines."""
    return " ".join(text.split())


class HelpDocumentTest(unittest.TestCase):

    def test_each_language_has_its_help_document(self):
        if not shutil.which("soffice"):
            self.skipTest("no LibreOffice on this machine: the build makes no help documents")
        for language in ("English", "Deutsch"):
            with self.subTest(language=language):
                texts = harness.captions(language)
                path = os.path.join(harness.PROGRAM_DIR, "Data",
                                    f"QuortGOTab{language_code(language)}.pdf")
                with open(path, "rb") as document:
                    self.assertEqual(document.read(5), b"%PDF-", path)
                info = subprocess.run(["pdfinfo", path], capture_output=True, text=True,
                                      check=True).stdout
                self.assertRegex(info, rf"(?m)^Title:\s+{re.escape(texts[HELP_CAPTION])}$")
                text = words(subprocess.run(["pdftotext", "-enc", "UTF-8", path, "-"],
                                            capture_output=True, text=True, check=True).stdout)
                self.assertTrue(text.startswith(texts[HELP_CAPTION]), text[:80])
                for caption in BUTTON_CAPTIONS:
                    self.assertIn(texts[caption], text)


if __name__ == "__main__":
    harness.main()
