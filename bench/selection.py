#!/usr/bin/python3
"""How soon a selection leaves for translation after the mouse button goes up.

The program is driven as a user drives it, with the harness of tests/e2e (Xvfb, openbox,
AT-SPI, xdotool): a real drag over a paragraph of a page served on 127.0.0.1, twenty
times. Each time is measured from just before `xdotool mouseup` (the X server has the
release when xdotool returns) to the request's arrival at the loopback translation host.
TRANSLATOR=web, so the figure is the program's own: no translator on this computer takes
part. See README.md.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
TEXT = "Guten Tag"
TARGET_MS = 100


def drag(session, box):
    """Presses on the paragraph's first letter and moves past its last; returns the
    monotonic times just before and just after the release."""
    x, y, width, height = box
    middle = y + height // 2
    session.run(["xdotool", "mousemove", str(x + 1), str(middle), "mousedown", "1"])
    for step in range(1, 6):
        session.run(["xdotool", "mousemove", str(x + 1 + (width + 3) * step // 5),
                     str(middle)])
    time.sleep(0.2)
    before = time.monotonic()
    subprocess.run(["xdotool", "mouseup", "1"], env=session.env, check=True)
    return before, time.monotonic()


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"),
                        help="the program folder (default build/program)")
    parser.add_argument("--runs", type=int, default=20, help="selections to measure")
    parser.add_argument("--artifacts", default="/tmp/selection-artifacts",
                        help="where the program's output is kept")
    options = parser.parse_args()

    os.environ.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox")
    sys.path.insert(0, str(REPO / "tests" / "e2e"))
    import harness
    harness.PROGRAM_DIR = os.path.abspath(options.program)
    harness.ARTIFACTS_DIR = os.path.abspath(options.artifacts)
    os.makedirs(harness.ARTIFACTS_DIR, exist_ok=True)
    texts = harness.captions("English")
    session = harness.Session("selection").start()
    server = harness.PageServer().start()
    try:
        # The paragraph stands at the left, where the translation window never covers it.
        server.add_answer("/words", "<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                          f"<title>Words</title></head><body><p>{TEXT}</p></body></html>")
        server.add_answer("/translate_t", "<!DOCTYPE html><html><head><title>Answer"
                          "</title></head><body><p>Answer</p></body></html>")
        folder = session.program_folder("program")
        language_file = os.path.join(folder.path, "languages", "Trans_English.txt")
        with open(language_file, "ab") as out:
            out.write(f"TRANSLATE_HOST={server.host}\r\nTRANSLATOR=web\r\n".encode("ascii"))
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/words")])

        program = harness.Program(session, folder, "run").start(proxy=server)
        program.wait_until_ready()
        harness.wait_equal("the page loaded", program.progress, 100)
        box = harness.wait_until("the paragraph", lambda: program.page_text_box(TEXT))
        program.choose(texts[222], "German")
        time.sleep(1.5)

        delays, spans = [], []
        for number in range(1, options.runs + 1):
            before, after = drag(session, box)
            server.wait_for_count("/translate_t", number, timeout=15)
            arrived = server.requests_for("/translate_t")[number - 1].time
            delays.append((arrived - before) * 1000)
            spans.append((after - before) * 1000)
            print(f"run {number:2}: {delays[-1]:7.1f} ms (xdotool mouseup took "
                  f"{spans[-1]:.1f} ms)", flush=True)
            time.sleep(1.2)  # past the next the selection timer tick, so no tick is still pending
        count = len(server.requests_for("/translate_t"))
        median = statistics.median(delays)
        print(f"\nrelease to request, {len(delays)} selections: median {median:.1f} ms, "
              f"max {max(delays):.1f} ms, min {min(delays):.1f} ms "
              f"(target: median {TARGET_MS} ms or less)")
        print(f"requests for {options.runs} selections: {count}")
        return 0 if count == options.runs else 1
    finally:
        session.stop()
        server.stop()


if __name__ == "__main__":
    sys.exit(main())
