"""QuortTrans as a Debian package installs it: the .deb that CPack makes, unpacked with
dpkg-deb into a folder of its own and run from there with a fresh home. The installed
program reads its shipped files from share/quorttrans, keeps the user's files in the
user's data folder, and writes nothing into the installed tree."""

import glob
import os
import subprocess
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import harness  # noqa: E402
from harness import Program, wait_equal, wait_until  # noqa: E402

APP_ID = "org.example.QuortTrans"


def tree(root):
    """Every file and folder below root with its size and time of change."""
    found = {}
    for folder, folders, files in os.walk(root):
        for name in folders + files:
            path = os.path.join(folder, name)
            info = os.lstat(path)
            found[os.path.relpath(path, root)] = (info.st_size, info.st_mtime_ns)
    return found


class InstallTest(harness.ProgramTestCase):

    SESSION = "install"

    @classmethod
    def setUpClass(cls):
        build = os.path.dirname(harness.PROGRAM_DIR)
        for old in glob.glob(os.path.join(build, "quorttrans_*.deb")):
            os.remove(old)
        subprocess.run(["cpack", "-G", "DEB"], cwd=build, check=True, capture_output=True,
                       timeout=900)
        debs = glob.glob(os.path.join(build, "quorttrans_*_amd64.deb"))
        if len(debs) != 1:
            raise AssertionError(f"one package wanted, CPack made {debs}")
        cls.deb = debs[0]
        super().setUpClass()

    def unpack(self, name):
        root = os.path.join(self.session.root, name)
        self.session.run(["dpkg-deb", "-x", self.deb, root])
        return root

    def test_the_package_passes_the_desktops_checks(self):
        root = self.unpack("checked")
        share = os.path.join(root, "usr", "share")
        self.session.run(["desktop-file-validate",
                          os.path.join(share, "applications", f"{APP_ID}.desktop")])
        self.session.run(["appstreamcli", "validate", "--no-net",
                          os.path.join(share, "metainfo", f"{APP_ID}.metainfo.xml")])
        self.session.run(["lintian", "--fail-on", "error", "--tag-display-limit", "0", self.deb],
                         timeout=600)
        for icon in ("scalable/apps/org.example.QuortTrans.svg",
                     "48x48/apps/org.example.QuortTrans.png",
                     "256x256/apps/org.example.QuortTrans.png"):
            self.assertTrue(os.path.isfile(os.path.join(share, "icons", "hicolor", icon)), icon)
        for code in ("Eng", "Deu"):
            help_document = os.path.join(share, "quorttrans", "Data", f"QuortGOTab{code}.pdf")
            self.assertTrue(os.path.isfile(help_document), help_document)
        fields = self.session.run(["dpkg-deb", "-f", self.deb, "Depends", "Recommends"]).stdout
        self.assertIn("libqt6webenginewidgets6", fields, "dependencies from dpkg-shlibdeps")
        self.assertIn("apertium", fields)
        self.assertIn("libreoffice-writer-nogui", fields)

    def test_installed_program_keeps_the_users_files_in_the_data_folder(self):
        session, server = self.session, self.server
        server.add_page("/typed", "A typed page", "Reached from the installed program.")
        root = self.unpack("installed")
        subprocess.run(["chmod", "-R", "a-w", root], check=True)
        self.addCleanup(subprocess.run, ["chmod", "-R", "u+w", root])
        before = tree(root)
        data_home = os.path.join(session.env["XDG_DATA_HOME"], "quorttrans")
        self.assertFalse(os.path.exists(data_home), "a fresh home")

        program = Program(session, harness.ProgramFolder(os.path.join(root, "usr", "bin")),
                          "installed-run").start(proxy=server)
        program.wait_until_ready()
        # The start page, a file of the shipped folder, is the home page of a first start.
        wait_equal("the page shown at the first start",
                   lambda: [title for title, _ in program.shown_pages()], ["QuortTrans"])
        shipped = os.path.join(root, "usr", "share", "quorttrans", "Data", "start.html")
        wait_equal("the address bar at the first start", program.address_text,
                   "file://" + shipped)
        typed = server.url("/typed")
        program.enter_address(typed)
        server.wait_for_count("/typed", 1)
        wait_equal("the progress bar after the typed page", program.progress, 100)
        session.run(["wmctrl", "-i", "-c", hex(program.window_id)])
        self.assertEqual(program.wait_for_exit(), 0, "the program ends normally")
        program.wait_for_helpers_gone()

        user = harness.ProgramFolder(data_home)
        self.assertEqual(user.read_lines("quortspeak.Hys"), [typed])
        self.assertEqual(user.read_lines("quortspeak.Opt")[4], "file://" + shipped)
        self.assertTrue(os.path.isfile(user.data_file("Quortspeak.Ini")))
        self.assertEqual(tree(root), before, "nothing written below the installed tree")
        self.assertEqual(server.foreign, [], "nothing was asked of any other address")


if __name__ == "__main__":
    harness.main()
