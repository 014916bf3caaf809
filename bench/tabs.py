#!/usr/bin/python3
"""Memory with every tab loaded: QuortTrans next to the bare browser with as many views.

Each run loads six different pages from this script's server on 127.0.0.1 into six tabs
and reads the Pss of the whole process tree; then two more pages into tabs 7 and 8, and
reads it again; then tabs 2 to 8 go to about:blank, and it reads it a third time, to show
that pages left behind are not kept alive. Both open one page at start-up and then each
next one in a tab of its own that shows as it loads, as a user visits them: QuortTrans
through the keys a user presses (Ctrl+<tab>, Ctrl+L, the address, Enter), the bare
browser through its standard input. Both run without the accessibility bridge, as most
users do. See README.md.
"""

import argparse
import os
import statistics
import subprocess
import sys
import time
from pathlib import Path

import heartbeat
import run

REPO = Path(__file__).resolve().parent.parent
TARGET = 1.10
SIX, EIGHT = 6, 8
SETTLE = 3.0


def page(number):
    """A page of its own for each tab: a heading, text, a table, a picture and a script,
    and a request that tells the script it has loaded."""
    rows = "".join(f"<tr><td>{number}.{row}</td><td>{'cell ' * 12}</td></tr>"
                   for row in range(150))
    text = (f"<p>Page {number}: tabs keep their pages while the user reads another one. "
            * 40 + "</p>") * 20
    return (f"<!DOCTYPE html><html><head><meta charset='utf-8'><title>Tab {number}</title>"
            f"</head><body><h1>Tab page {number}</h1><img src='/picture{number}.png'>"
            f"{text}<table>{rows}</table><script>"
            f"const list = []; for (let i = 0; i < 20000; ++i) list.push({{n: i, s: 'x' + i}});"
            f"window.kept = list;"
            f"window.addEventListener('load', () => fetch('/loaded{number}', "
            f"{{cache: 'no-store'}}));</script></body></html>")


def tree_pss_mib(pid):
    """The Pss of the whole tree and of the program's own process, and the tree's size."""
    table = run.process_table()
    pids = [p for p in run.descendants([pid], table) if table[p][1] != "Z"]
    return sum(run.pss_kib(p) for p in pids) / 1024, run.pss_kib(pid) / 1024, len(pids)


def settled_pss(pid):
    time.sleep(SETTLE)
    return tree_pss_mib(pid)


class QuortTrans:
    label = "QuortTrans"

    def __init__(self, harness, session, folder, server):
        self.harness, self.session, self.folder, self.server = harness, session, folder, server

    def start(self, number):
        """The home page opens tab 0; the others are typed in."""
        self.program = self.harness.Program(self.session, self.folder, f"program-{number}")
        self.program.start()
        self.program.wait_for_window()
        return self.program.pid

    def open(self, tab, address):
        time.sleep(0.5)
        self.session.key(f"ctrl+{tab + 1}")
        time.sleep(0.3)
        self.session.key("ctrl+l")
        time.sleep(0.2)
        self.session.type(address)
        self.session.key("Return")

    def blank(self, tabs):
        for tab in range(1, tabs):
            self.open(tab, "about:blank")
        time.sleep(1)

    def stop(self):
        self.session.end_programs()


class Bare:
    label = "bare browser"

    def __init__(self, session, executable, server):
        self.session, self.executable, self.server = session, executable, server

    def start(self, number):
        """The first page at start-up; the others come through open()."""
        with open(self.session.log_path(f"bare-{number}"), "ab") as log:
            self.process = subprocess.Popen(
                [str(self.executable), "--tabs", self.server.url("/tab0")],
                env=self.session.env, cwd=self.session.root, start_new_session=True, stdin=subprocess.PIPE,
                stdout=log, stderr=subprocess.STDOUT)
        return self.process.pid

    def open(self, _tab, address):
        self.process.stdin.write(address.encode() + b"\n")
        self.process.stdin.flush()

    def blank(self, _tabs):
        self.open(0, "blank")
        time.sleep(1)

    def stop(self):
        os.killpg(self.process.pid, 9)
        self.process.wait()


def wait_loaded(server, counts, numbers):
    for n in numbers:
        server.wait_for_count(f"/loaded{n}", counts[n] + 1, timeout=60)


def one_run(side, server, number, quiet_wait):
    busy = heartbeat.wait_for_quiet(quiet_wait) if quiet_wait > 0 else None
    counts = {n: server.count(f"/loaded{n}") for n in range(EIGHT)}
    pid = side.start(number)
    result = {"busy_before": busy}
    try:
        wait_loaded(server, counts, [0])
        for tab in range(1, SIX):
            side.open(tab, server.url(f"/tab{tab}"))
            wait_loaded(server, counts, [tab])
        result["six"], result["six, own process"], _ = settled_pss(pid)
        for tab in range(SIX, EIGHT):
            side.open(tab, server.url(f"/tab{tab}"))
            wait_loaded(server, counts, [tab])
        result["eight"] = settled_pss(pid)[0]
        side.blank(EIGHT)
        # Chromium frees a renderer some seconds after its last page has gone.
        time.sleep(5)
        result["blanked"], _, result["processes"] = settled_pss(pid)
        return result
    finally:
        side.stop()


def summary(name, results, key):
    values = [r[key] for r in results]
    return statistics.median(values), min(values), max(values)


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"))
    parser.add_argument("--bare", default=str(REPO / "build-bench" / "barebrowser"))
    parser.add_argument("--runs", type=int, default=9)
    parser.add_argument("--quiet-wait", type=float, default=60)
    parser.add_argument("--artifacts", default="/tmp/tabs-artifacts")
    options = parser.parse_args()
    run.build_bench(REPO / "build-bench")

    harness = heartbeat.open_harness(options.program, options.artifacts)
    # Both windows draw the same pixels: QuortTrans fills this screen at its first start.
    harness.SCREEN_WIDTH, harness.SCREEN_HEIGHT = 1280, 800
    session = harness.Session("tabs").start()
    # As most users run it: no accessibility bridge, no tree of the pages kept for one.
    for name in heartbeat.ACCESSIBILITY:
        session.env.pop(name, None)
    server = harness.PageServer().start()
    try:
        for n in range(EIGHT):
            server.add_answer(f"/tab{n}", page(n))
            server.add_picture(f"/picture{n}.png", 320, 200, (30 * n, 120, 200 - 20 * n))
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/tab0"),
                                              "English"])
        sides = [Bare(session, options.bare, server),
                 QuortTrans(harness, session, folder, server)]
        results = {side.label: [] for side in sides}
        for number in range(options.runs):
            for side in sides:
                result = one_run(side, server, number, options.quiet_wait)
                results[side.label].append(result)
                print(f"run {number + 1} {side.label}: " + ", ".join(
                    f"{k} {v:.1f}" if isinstance(v, float) else f"{k} {v}"
                    for k, v in result.items()), flush=True)
        print()
        for key, title in (("six", "6 tabs loaded"), ("eight", "8 tabs loaded"),
                           ("blanked", "8 tabs, 7 then about:blank")):
            bare = summary("bare", results["bare browser"], key)
            ours = summary("ours", results["QuortTrans"], key)
            ratio = ours[0] / bare[0]
            print(f"{title:<28} bare {bare[0]:6.1f} MiB ({bare[1]:.1f}-{bare[2]:.1f})   "
                  f"QuortTrans {ours[0]:6.1f} MiB ({ours[1]:.1f}-{ours[2]:.1f})   "
                  f"ratio {ratio:.3f}" + ("  OVER" if key == "six" and ratio > TARGET else ""))
        for label, rows in results.items():
            fell = statistics.median(r["eight"] - r["blanked"] for r in rows)
            print(f"{label}: memory fell by {fell:.1f} MiB (median) when 7 tabs went blank")
        return 0
    finally:
        server.stop()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
