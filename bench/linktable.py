#!/usr/bin/python3
"""How long the link table window takes from the favourite links button to its first paint
with 105 full groups of 30 links, against the same with an empty Links folder, and how long
the interface thread stays silent while the shown page is added as a link. The program's
heartbeat probe (QUORTTRANS_HEARTBEAT) marks the click and the window's first paint and
writes every gap of the interface thread; the program is driven with the e2e harness. See
README.md."""

import argparse
import os
import signal
import statistics
import sys
import time
from pathlib import Path

import heartbeat
import run
import stalls

REPO = Path(__file__).resolve().parent.parent
RATIO_TARGET = 1.3
TARGET_MS = 50
GROUPS, LINKS, TITLE_ENTRIES = 105, 30, 150
CRLF = "\r\n"
ARMS = ("empty", "full")


def write_lines(path, lines):
    with open(path, "wb") as out:
        out.write("".join(line + CRLF for line in lines).encode("utf-8"))


def fill_links(links):
    """The Links folder as the program writes it: the titles file with 150 entries (title,
    comma, count) and a file of 30 links for each of the 105 groups, six fields a line
    joined by ";-;", of the lengths real pages give."""
    write_lines(os.path.join(links, "Links.Bok"),
                [f"Travel and maps {n},{LINKS if n <= GROUPS else 0}"
                 for n in range(1, TITLE_ENTRIES + 1)])
    for group in range(GROUPS):
        rows = []
        for n in range(LINKS):
            address = (f"https://www.example.org/articles/{group:03d}/{n:02d}/"
                       f"wombats-and-their-burrows-in-the-southern-highlands")
            shown = address if len(address) <= 100 else address[:100] + ".."
            rows.append(";-;".join((
                f"Wombats and their burrows, part {n + 1} of group {group}", address,
                "read again before the trip", f"pin {4000 + n}" if n % 3 == 0 else "", shown,
                f"2026-{1 + n % 12:02d}-{1 + n % 28:02d}")))
        write_lines(os.path.join(links, f"Links.{group:03d}"), rows)


def group_zero_lines(folder):
    path = os.path.join(folder.path, "Links", "Links.000")
    if not os.path.exists(path):
        return 0
    with open(path, "rb") as source:
        return source.read().count(b"\r\n")


def prepare(session, server, label, full):
    folder = session.program_folder(label)
    folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])
    links = os.path.join(folder.path, "Links")
    os.makedirs(links)
    if full:
        fill_links(links)
    return folder


def find_places(harness, session, server, texts):
    """Screen places of the favourite links button and of the window's add button, read
    through AT-SPI in a run of their own, so that nothing asks the measured runs anything."""
    folder = prepare(session, server, "places", full=False)
    program = heartbeat.start_program(harness, session, folder, server, accessible=True,
                                      label="places")
    button = harness.wait_until("the favourite links button to be enabled", lambda: [
        b for b in program.buttons(texts[130])
        if harness.has_state(b, harness.pyatspi.STATE_ENABLED)])[0]
    favorite = harness.centre(button)
    session.click(*favorite)
    window = harness.wait_until("the link table window", lambda: [
        n for n in program.nodes(harness.pyatspi.ROLE_DIALOG, texts[33])
        if harness.on_screen(n)], timeout=20)[0]
    add = harness.centre([
        b for b in program.nodes(harness.pyatspi.ROLE_PUSH_BUTTON, texts[75], root=window)
        if harness.on_screen(b)][0])
    geometry = program.geometry()
    session.end_programs()
    return favorite, add, geometry


def wait_for(what, condition, timeout=30):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        value = condition()
        if value:
            return value
        time.sleep(0.02)
    raise RuntimeError(f"timed out waiting for {what}")


def stopped(program, probe, seconds=0.2):
    """The method's own check: the program stopped outright must show as a gap of that
    length in the probe's file."""
    mark = probe.count()
    os.kill(program.pid, signal.SIGSTOP)
    time.sleep(seconds)
    os.kill(program.pid, signal.SIGCONT)
    time.sleep(0.3)
    return stalls.longest(probe.since(mark))


def measure(harness, session, server, places, arm, label, quiet_wait, check=False):
    """One program run: the window opened once, then the page added in it."""
    favorite, add, geometry = places
    folder = prepare(session, server, label, arm == "full")
    # No compile and no other Qt program next door while the program starts, and the CPU
    # quiet again before the click.
    if quiet_wait > 0:
        run.wait_for_quiet(quiet_wait)
    probe = stalls.Gaps(os.path.join(session.root, f"{label}-probe.txt"))
    pictures = server.count("/dot.png")
    program = heartbeat.start_program(harness, session, folder, server, accessible=False,
                                      label=label,
                                      extra_env={"QUORTTRANS_HEARTBEAT": probe.path})
    server.wait_for_count("/dot.png", pictures + 1)  # this run's page, with its title
    if program.geometry() != geometry:
        raise RuntimeError(f"the window is at {program.geometry()}, not at {geometry}")

    if check:
        print(f"method check, program stopped 200 ms: a gap of {stopped(program, probe)} ms",
              flush=True)
    busy_before = heartbeat.wait_for_quiet(quiet_wait) if quiet_wait > 0 else None
    state = heartbeat.cpu_counters(session, os.getpid(), busy_before)
    clicks = len(probe.marks("click"))
    session.click(*favorite)
    painted = wait_for("the link table window's first paint", lambda: [
        at for at, name in probe.marks("painted") if name == "frmTab"])[0]
    clicked = [at for at, _ in probe.marks("click")[clicks:] if at <= painted]
    if not clicked:
        raise RuntimeError("the window painted without the click being seen")
    result = {"open_ms": painted - clicked[0], **heartbeat.others_since(session, state)}

    time.sleep(1.0)  # the window as the user first looks at it
    before = group_zero_lines(folder)
    gaps = probe.count()
    state = heartbeat.cpu_counters(session, os.getpid(), None)
    session.click(*add)
    wait_for("the link in Links.000", lambda: group_zero_lines(folder) == before + 1)
    time.sleep(0.5)  # the group read again and shown
    result["add_gap_ms"] = stalls.longest(probe.since(gaps))
    result["add_others"] = heartbeat.others_since(session, state)["others_during"]
    session.end_programs()
    return result


def load_average():
    with open("/proc/loadavg") as source:
        return " ".join(source.read().split()[:3])


def spread(values):
    return (f"median {statistics.median(values):6.1f}   range {min(values):.0f}-"
            f"{max(values):.0f}   runs {', '.join(f'{v:.0f}' for v in values)}")


def undisturbed(runs):
    """The runs no other work competed with, when there are at least three of them; all
    runs otherwise (as run.py takes its medians)."""
    quiet = [r for r in runs if not run.disturbed(r)]
    return quiet if len(quiet) >= 3 else runs


def report(results):
    medians = {}
    for arm in ARMS:
        runs = results[arm]
        kept = undisturbed(runs)
        medians[arm] = statistics.median(r["open_ms"] for r in kept)
        print(f"open, {arm:<5} Links, all runs (ms)   {spread([r['open_ms'] for r in runs])}")
        if len(kept) < len(runs):
            print(f"open, {arm:<5} Links, {len(kept)} quiet runs (ms) "
                  f"{spread([r['open_ms'] for r in kept])}")
    ratio = medians["full"] / medians["empty"]
    every = (statistics.median(r["open_ms"] for r in results["full"])
             / statistics.median(r["open_ms"] for r in results["empty"]))
    print(f"ratio full / empty: {ratio:.2f} (target at most {RATIO_TARGET})"
          f"{'' if ratio <= RATIO_TARGET else '  OVER'}; over all runs {every:.2f}")
    # The probe writes gaps of 30 ms and more: 0 stands for "under 30 ms".
    runs = results["full"] + results["empty"]
    adds = [r["add_gap_ms"] for r in runs]
    busy = sum(1 for r in runs if r["add_others"] > run.BUSY_LIMIT)
    print(f"adding a link, longest gap (ms) {spread(adds)}"
          f"{'' if max(adds) <= TARGET_MS else '  OVER'}"
          f"{f'  ({busy} runs with other work)' if busy else ''}")
    return ratio <= RATIO_TARGET and max(adds) <= TARGET_MS


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"),
                        help="the program folder (default build/program)")
    parser.add_argument("--runs", type=int, default=9, help="counted runs of each arm")
    parser.add_argument("--warmup", type=int, default=1, help="uncounted runs of each first")
    parser.add_argument("--quiet-wait", type=float, default=60,
                        help="seconds to wait before each run for a quiet machine")
    parser.add_argument("--artifacts", default="/tmp/linktable-artifacts",
                        help="where the program's output and the probe files are kept")
    options = parser.parse_args()

    harness = heartbeat.open_harness(options.program, options.artifacts)
    texts = harness.captions("English")
    print(f"load average at the start: {load_average()}", flush=True)
    session = harness.Session("linktable-bench").start()
    server = harness.PageServer().start()
    try:
        server.add_answer("/home", heartbeat.PAGE)
        server.add_picture("/dot.png", 16, 16, (20, 160, 40))
        places = find_places(harness, session, server, texts)
        results = {arm: [] for arm in ARMS}
        for number in range(options.warmup + options.runs):
            # Interleaved, and each arm first in every other round.
            order = ARMS if number % 2 == 0 else ARMS[::-1]
            for arm in order:
                result = measure(harness, session, server, places, arm,
                                 f"{arm}-{number}", options.quiet_wait,
                                 check=number == 0 and arm == order[0])
                shown = {k: (round(v, 2) if isinstance(v, float) else v)
                         for k, v in result.items()}
                counted = number >= options.warmup
                print(f"{'run' if counted else 'warm-up'} {number + 1} {arm}: {shown}",
                      flush=True)
                if counted:
                    results[arm].append(result)
        print(f"\nload average at the end: {load_average()}")
        return 0 if report(results) else 1
    finally:
        server.stop()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
