#!/usr/bin/python3
"""How long an office export takes (Word, Excel or PowerPoint): the first of a run, when
the office has to start, and the ones after it, against one bare `soffice --headless
--convert-to` of the same page; and the longest time the interface thread stays silent
meanwhile. See README.md."""

import argparse
import base64
import os
import statistics
import subprocess
import sys
import tempfile
import time

import heartbeat
from heartbeat import REPO, TARGET_MS, Driver, longest_silence, silences

OLE_MAGIC = b"\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1"
TABLE = "".join(f"<tr><td>Burrow {n}</td><td>{n * 7}</td></tr>" for n in range(40))
PARAGRAPHS = "".join(f"<p>Paragraph {n}: wombats dig at night & sleep by day.</p>"
                     for n in range(60))


def page(picture_src):
    return (f"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Office bench</title>"
            f"</head><body><h1>Wombat census</h1>{PARAGRAPHS}<table border=1>{TABLE}</table>"
            f"<img src='{picture_src}' width=160 height=120></body></html>")


# Each command: its menu item's caption, the extension of its files, and the bare
# conversion it is measured against (Writer's or Calc's HTML import, then the Office 97
# export). A slide has no bare conversion of its own (soffice cannot make a presentation
# of a picture from the command line): it is measured against the Word one.
COMMANDS = {
    "word": (146, "doc", "HTML (StarWriter)", "doc:MS Word 97"),
    "excel": (148, "xls", "HTML (StarCalc)", "xls:MS Excel 97"),
    "ppt": (149, "ppt", "HTML (StarWriter)", "doc:MS Word 97"),
}


class OfficeDriver(Driver):
    def export(self, command):
        """Save > the command's item, a new name each time; the times of the parts."""
        extension = COMMANDS[command][1]
        path = os.path.join(self.work, f"{self.name}-{command}-{self.count}.{extension}")
        beat, start, state = self.begin("export")
        dialog_at = self.wait_window(self.texts[122]) + 0.3
        time.sleep(0.5)
        self.session.key("ctrl+a")
        self.session.type(path)
        enter_at = time.monotonic()
        self.session.key("Return")
        shown = self.wait_window(self.texts[179], timeout=120)
        time.sleep(0.3)
        end = time.monotonic()
        pings = beat.stop()
        self.session.screenshot(f"{self.name}-{command}-{self.count}")
        result = {"export_s": shown - enter_at,
                  "own": max(longest_silence(pings, start, dialog_at)[0],
                             longest_silence(pings, enter_at, end)[0]),
                  "long": silences(pings, start, end), **self.others(state)}
        self.close_notice()
        with open(path, "rb") as written:
            if written.read(8) != OLE_MAGIC:
                raise RuntimeError(f"{path} is no Office 97 document")
        return result


def bare_conversions(html, command, runs, work):
    """Seconds of each bare conversion of the page, after one that makes the profile."""
    _item, _extension, infilter, target = COMMANDS[command]
    source = os.path.join(work, "bare-page.html")
    with open(source, "w", encoding="utf-8") as out:
        out.write(html)
    profile = tempfile.mkdtemp(prefix="bare-profile-", dir=work)
    times = []
    for number in range(runs + 1):
        outdir = os.path.join(work, f"bare-{number}")
        began = time.monotonic()
        # Writer's HTML import, as the program uses it (without it soffice opens the page
        # as a web document, which has no Word export, and writes nothing).
        subprocess.run(["soffice", f"-env:UserInstallation=file://{profile}", "--headless",
                        f"--infilter={infilter}", "--convert-to", target,
                        "--outdir", outdir, source],
                       check=True, capture_output=True, timeout=180)
        took = time.monotonic() - began
        with open(os.path.join(outdir, "bare-page." + target.split(":")[0]), "rb") as written:
            if written.read(8) != OLE_MAGIC:
                raise RuntimeError("the bare conversion wrote no Office 97 document")
        if number:
            times.append(took)
    return times


def spread(values):
    return (f"median {statistics.median(values):6.2f}  min {min(values):6.2f}  "
            f"max {max(values):6.2f}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"))
    parser.add_argument("--command", choices=sorted(COMMANDS), default="word")
    parser.add_argument("--program-runs", type=int, default=4,
                        help="program runs; the first makes the office's profile")
    parser.add_argument("--exports", type=int, default=4, help="Word exports in each run")
    parser.add_argument("--bare-runs", type=int, default=5)
    parser.add_argument("--quiet-wait", type=float, default=60)
    parser.add_argument("--artifacts", default="/tmp/office-bench-artifacts")
    options = parser.parse_args()
    if options.program_runs < 2:
        parser.error("--program-runs must be 2 or more: the first run makes the profile")

    harness = heartbeat.open_harness(options.program, options.artifacts)
    texts = harness.captions("English")
    session = harness.Session("office-bench").start()
    server = harness.PageServer().start()
    picture = harness.png(160, 120, (120, 80, 40))
    try:
        server.add_answer("/home", page("/dot.png"))  # start_program waits for /dot.png
        server.add_answer("/dot.png", picture, "image/png")
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        first_ever, firsts, nexts = None, [], []
        places = None
        for number in range(options.program_runs):
            program = heartbeat.start_program(harness, session, folder, server, accessible=True)
            harness.wait_equal("the page loaded", program.progress, 100)
            if places is None:
                target = program.buttons(texts[128])[0]
                items = program.open_menu(texts[128])
                item = texts[COMMANDS[options.command][0]]
                places = {"export": (harness.centre(target), harness.centre(items[item]))}
                session.key("Escape")
                time.sleep(0.5)
            driver = OfficeDriver(f"run{number}", program, texts, session.artifacts, places,
                                  options.quiet_wait)
            results = [driver.export(options.command) for _ in range(options.exports)]
            for index, result in enumerate(results):
                shown = {k: (round(v, 2) if isinstance(v, float) else v)
                         for k, v in result.items()}
                print(f"program run {number} export {index + 1}: {shown}", flush=True)
            if number == 0:
                first_ever = results[0]
            else:
                firsts.append(results[0])
            nexts.extend(results[1:])
            session.end_programs()

        inline = "data:image/png;base64," + base64.b64encode(picture).decode()
        bare = bare_conversions(page(inline), options.command, options.bare_runs,
                                session.artifacts)
        base = statistics.median(bare)
        print(f"\n{options.command}: bare soffice --convert-to, s {spread(bare)}")
        print(f"first export with a new profile, s  {first_ever['export_s']:6.2f}")
        first_times = [r["export_s"] for r in firsts]
        next_times = [r["export_s"] for r in nexts]
        print(f"first export of a run, s            {spread(first_times)}   "
              f"{statistics.median(first_times) / base:.2f}x bare (target 1.3)")
        print(f"next exports, s                     {spread(next_times)}   "
              f"{statistics.median(next_times) / base:.2f}x bare (target 0.25)")
        silent = [r["own"] for r in [first_ever] + firsts + nexts]
        print(f"longest silence, ms                 {spread(silent)}   (target {TARGET_MS})")
        met = (statistics.median(first_times) <= 1.3 * base
               and statistics.median(next_times) <= 0.25 * base and max(silent) < TARGET_MS)
        return 0 if met else 1
    finally:
        server.stop()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
