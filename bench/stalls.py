#!/usr/bin/python3
"""The longest time the interface thread stalls while a user does the common things:
start-up up to the first page, a heavy page, every menu, a language switch, a page
picture. The program's own heartbeat probe (QUORTTRANS_HEARTBEAT) writes every gap of
30 ms or more; this script drives the program with the e2e harness and reads the gaps of
each phase. See README.md."""

import argparse
import os
import statistics
import sys
import time
from pathlib import Path

import heartbeat

REPO = Path(__file__).resolve().parent.parent
TARGET_MS = 50
MENUS = (129, 128, 131, 194, 222, 221, 134)  # the tooltips of the buttons with menus


def heavy_page():
    """About 5 MB of text and 200 pictures."""
    paragraph = "<p>" + "Wombats dig long burrows and sleep through the day. " * 20 + "</p>\n"
    text = paragraph * (5 * 1024 * 1024 // len(paragraph))
    pictures = "".join(f'<img src="/pic{n}.png" width="40" height="30">' for n in range(200))
    return f"<html><head><title>Heavy</title></head><body>{pictures}{text}</body></html>"


class Gaps:
    """The probe's file: gaps as (ms since the program's start, length in ms)."""

    def __init__(self, path):
        self.path = path

    def read(self):
        if not os.path.exists(self.path):
            return []
        with open(self.path) as source:
            return [tuple(int(v) for v in line.split()) for line in source if line.strip()]

    def count(self):
        return len(self.read())

    def since(self, index):
        return [gap for _, gap in self.read()[index:]]


def longest(gaps):
    return max(gaps) if gaps else 0


def run_once(harness, session, server, folder, number):
    english = harness.captions("English")
    german = harness.captions("Deutsch")
    probe = Gaps(os.path.join(session.root, f"heartbeat-{number}.txt"))
    program = harness.Program(session, folder, f"program-{number}").start(
        proxy=server, extra_env={"QUORTTRANS_HEARTBEAT": probe.path})
    program.wait_for_window()
    shown = probe.count()
    program.wait_until_ready()
    harness.wait_equal("the home page loaded", program.progress, 100)
    result = {"start-up after the window shows": longest(probe.since(shown))}
    time.sleep(2)

    mark = probe.count()
    program.enter_address(server.url("/heavy"))
    server.wait_for_count("/pic199.png", 1, timeout=60)
    harness.wait_equal("the heavy page loaded", program.progress, 100, timeout=60)
    time.sleep(1)
    result["heavy page (5 MB, 200 pictures)"] = longest(probe.since(mark))

    mark = probe.count()
    for tooltip in MENUS:
        before = probe.count()
        program.open_menu(english[tooltip])
        session.key("Escape")
        time.sleep(0.3)
        print(f"menu {english[tooltip]!r}: {longest(probe.since(before))} ms", flush=True)
    result["every menu opened"] = longest(probe.since(mark))

    mark = probe.count()
    program.choose(english[194], "Deutsch")
    harness.wait_until("the German texts", lambda: program.buttons(german[128]), timeout=20)
    program.choose(german[194], "English")
    harness.wait_until("the English texts", lambda: program.buttons(english[128]), timeout=20)
    time.sleep(0.5)
    result["language switched twice"] = longest(probe.since(mark))

    mark = probe.count()
    program.choose(english[129], english[176])
    time.sleep(2)
    session.key("Return")  # the notice
    time.sleep(0.5)
    result["page picture"] = longest(probe.since(mark))
    session.end_programs()
    return result


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"))
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--artifacts", default="/tmp/stalls-artifacts")
    options = parser.parse_args()

    harness = heartbeat.open_harness(options.program, options.artifacts)
    session = harness.Session("stalls").start()
    server = harness.PageServer().start()
    try:
        server.add_answer("/home", "<html><head><title>Home</title></head><body><p>Home page"
                          "</p><img src='/dot.png'></body></html>")
        picture = harness.png(40, 30, (120, 80, 40))
        for name in ["/dot.png"] + [f"/pic{n}.png" for n in range(200)]:
            server.add_answer(name, picture, "image/png")
        server.add_answer("/heavy", heavy_page())
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
        results = [run_once(harness, session, server, folder, n) for n in range(options.runs)]
        for result in results:
            print({k: v for k, v in result.items()}, flush=True)
        met = True
        print()
        for phase in results[0]:
            values = sorted(r[phase] for r in results)
            over = max(values) > TARGET_MS
            met = met and not over
            print(f"{phase:<34} median {statistics.median(values):5.0f} ms   max "
                  f"{max(values):5.0f} ms   runs {', '.join(str(v) for v in values)}"
                  f"{'  OVER' if over else ''}")
        return 0 if met else 1
    finally:
        server.stop()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
