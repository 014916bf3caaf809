#!/usr/bin/python3
"""Whole-page translation, Spanish into English, on long pages served from 127.0.0.1:
from the command to the first screen translated and to the whole page translated, each
beside a bare `apertium -u -f html spa-eng` run over the same page's HTML in the same run;
the interface thread's longest silence meanwhile (the program's heartbeat probe); and the
memory of the process tree before and after ten translate/original toggles. See README.md.
"""

import argparse
import ctypes
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time
from pathlib import Path

import heartbeat
import run
import spanishpage
from stalls import Gaps

REPO = Path(__file__).resolve().parent.parent
FIRST_SCREEN_GOAL_S = 0.5
WHOLE_GOAL = 1.3
SILENCE_GOAL_MS = 50
MEMORY_GOAL = 0.05
PAGES = (("/es3000", 3000, 1), ("/es15000", 15000, 2))
TOGGLES = 10
SETTLE_S = 3.0
IDLE_END_S = 35  # the pipeline's idle end (30 s) and some
MARK_TIMEOUT_S = 150
APERTIUM_NAMES = ("lt-proc", "apertium-tagger", "apertium-pretra", "lrx-proc",
                  "apertium-transf", "apertium-interc", "apertium-postch")

# The page's own watcher, in the page's main world: it sees the program's changes to the
# DOM as any page script would, and tells the server when every block that was on screen
# when the translation began reads differently ("first"), when every block does ("whole"),
# and when every block reads as it did at load again ("original"). The server's clock
# times them; nothing here asks the program anything.
WATCHER = """<script>
(function () {
  var blocks = Array.prototype.slice.call(
      document.body.querySelectorAll('nav, h1, h2, p, li'));
  var original = blocks.map(function (b) { return b.textContent; });
  var index = new Map();
  blocks.forEach(function (b, i) { index.set(b, i); });
  var differing = new Set();
  var cycle = 0, translating = false, firstSent = false, wholeSent = false, visible = [];
  function onScreen() {
    var height = window.innerHeight, found = [];
    blocks.forEach(function (b, i) {
      var box = b.getBoundingClientRect();
      if (box.bottom > 0 && box.top < height && box.height > 0)
        found.push(i);
    });
    return found;
  }
  function report(what, extra) {
    fetch('/mark/' + what + '?c=' + cycle + '&n=' + blocks.length + (extra || ''),
          {cache: 'no-store'});
  }
  function blockOf(node) {
    for (; node && node !== document.body; node = node.parentNode)
      if (index.has(node))
        return index.get(node);
    return -1;
  }
  visible = onScreen();
  window.addEventListener('resize', function () { if (!translating) visible = onScreen(); });
  window.addEventListener('scroll', function () { if (!translating) visible = onScreen(); });
  new MutationObserver(function (records) {
    var touched = new Set();
    records.forEach(function (r) {
      var i = blockOf(r.target);
      if (i >= 0)
        touched.add(i);
    });
    touched.forEach(function (i) {
      if (blocks[i].textContent !== original[i])
        differing.add(i);
      else
        differing.delete(i);
    });
    if (!translating && differing.size > 0) {
      translating = true;
      firstSent = wholeSent = false;
      ++cycle;
    }
    if (!translating)
      return;
    if (!firstSent && visible.every(function (i) { return differing.has(i); })) {
      firstSent = true;
      report('first', '&v=' + visible.length);
    }
    if (!wholeSent && differing.size === blocks.length) {
      wholeSent = true;
      report('whole');
    }
    if (differing.size === 0) {
      translating = false;
      visible = onScreen();
      report('original');
    }
  }).observe(document.body, {subtree: true, childList: true, characterData: true});
  report('loaded');
})();
</script>
"""


class Keys:
    """Key presses sent straight to the X server (XTest), so the command's time starts at
    the press and not at a helper program's start."""

    def __init__(self, display):
        self.x11 = ctypes.CDLL("libX11.so.6")
        self.xtst = ctypes.CDLL("libXtst.so.6")
        self.x11.XOpenDisplay.restype = ctypes.c_void_p
        self.x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
        self.x11.XStringToKeysym.restype = ctypes.c_ulong
        self.x11.XStringToKeysym.argtypes = [ctypes.c_char_p]
        self.x11.XKeysymToKeycode.restype = ctypes.c_ubyte
        self.x11.XKeysymToKeycode.argtypes = [ctypes.c_void_p, ctypes.c_ulong]
        self.x11.XFlush.argtypes = [ctypes.c_void_p]
        self.xtst.XTestFakeKeyEvent.argtypes = [ctypes.c_void_p, ctypes.c_uint, ctypes.c_int,
                                                ctypes.c_ulong]
        self.display = self.x11.XOpenDisplay(display.encode())
        if not self.display:
            raise RuntimeError(f"cannot open display {display}")

    def press(self, *names):
        codes = [self.x11.XKeysymToKeycode(self.display, self.x11.XStringToKeysym(n.encode()))
                 for n in names]
        # Taken before the events go out: a thread of the page server may hold the
        # interpreter when the X call returns, and the time read then would come late.
        pressed = time.monotonic()
        for code in codes:
            self.xtst.XTestFakeKeyEvent(self.display, code, 1, 0)
        for code in reversed(codes):
            self.xtst.XTestFakeKeyEvent(self.display, code, 0, 0)
        self.x11.XFlush(self.display)
        return pressed


def tree_memory(pid):
    """Pss of the program's process tree in MiB: all, the program itself, the Apertium
    chain, and how many processes the chain has."""
    table = run.process_table()
    pids = [p for p in run.descendants([pid], table) if table[p][1] != "Z"]
    chain = [p for p in pids if run.command_name(p).startswith(APERTIUM_NAMES)]
    return {"all": sum(run.pss_kib(p) for p in pids) / 1024,
            "main": run.pss_kib(pid) / 1024,
            "chain": sum(run.pss_kib(p) for p in chain) / 1024,
            "chain processes": len(chain)}


def bare_apertium(html_path, niceness=0):
    """Seconds a bare `apertium -u -f html spa-eng` takes over the page's HTML."""
    command = ["apertium", "-u", "-f", "html", "spa-eng"]
    if niceness:
        command = ["nice", "-n", str(niceness)] + command
    with open(html_path, "rb") as source, open(os.devnull, "wb") as sink:
        started = time.monotonic()
        subprocess.run(command, stdin=source, stdout=sink, check=True, timeout=300)
        return time.monotonic() - started


class Bench:
    def __init__(self, harness, session, server, folder, number, work):
        self.harness, self.session, self.server = harness, session, server
        self.english = harness.captions("English")
        self.probe = Gaps(os.path.join(session.root, f"heartbeat-{number}.txt"))
        self.work = work
        self.loaded_at_start = len(server.requests_for("/mark/loaded"))
        env = session.env
        # As most users run it: the widgets readable for the driving, the pages' own
        # accessibility tree off (it stalls the interface thread on long pages by itself).
        session.env = {k: v for k, v in env.items() if k != heartbeat.PAGE_TREE}
        try:
            self.program = harness.Program(session, folder, f"program-{number}").start(
                proxy=server, extra_env={"QUORTTRANS_HEARTBEAT": self.probe.path})
        finally:
            session.env = env
        self.keys = Keys(session.display)

    def marks(self, name):
        return self.server.requests_for(f"/mark/{name}")

    def wait_mark(self, name, count, timeout=MARK_TIMEOUT_S):
        self.server.wait_for_count(f"/mark/{name}", count, timeout=timeout)
        return self.marks(name)[count - 1]

    def bar_text(self):
        """The offer bar's message, read over AT-SPI (never while a figure is taken)."""
        import pyatspi
        prefixes = [self.english[n].split("%")[0] for n in (251, 257, 258, 259, 264)]
        for node in self.program.nodes(pyatspi.ROLE_LABEL):
            try:
                name = node.name
            except Exception:
                continue
            if name and any(name.startswith(p) for p in prefixes):
                return name
        return ""

    def load(self, path):
        loaded = len(self.marks("loaded"))
        if path == "start":
            loaded = self.loaded_at_start
        else:
            self.program.enter_address(self.server.url(path))
        self.wait_mark("loaded", loaded + 1, timeout=60)
        offer = self.english[251].split("%")[0]
        self.harness.wait_until("the offer bar", lambda: self.bar_text().startswith(offer),
                                timeout=30)
        time.sleep(2)

    def chain_running(self):
        return tree_memory(self.program.pid)["chain processes"]

    def command(self, quiet_wait, expect):
        """Ctrl+Shift+L; waits for the watcher's marks of expect ("translate" or
        "original") and returns the figures."""
        busy = heartbeat.wait_for_quiet(quiet_wait) if quiet_wait else run.busy_share()
        chain = self.chain_running()
        counters = heartbeat.cpu_counters(self.session, os.getpid(), busy)
        load_average = os.getloadavg()[0]
        gaps_before = len(self.probe.read())
        counts = {name: len(self.marks(name)) for name in ("first", "whole", "original")}
        pressed = self.keys.press("Control_L", "Shift_L", "l")
        result = {"busy before": round(busy, 2), "chain running": chain,
                  "load average": load_average}
        if expect == "translate":
            first = self.wait_mark("first", counts["first"] + 1)
            whole = self.wait_mark("whole", counts["whole"] + 1)
            result["first s"] = first.time - pressed
            result["whole s"] = whole.time - pressed
            result["visible blocks"] = first.query
            end = whole.time
        else:
            back = self.wait_mark("original", counts["original"] + 1)
            result["original s"] = back.time - pressed
            end = back.time
        time.sleep(max(0.0, end + 0.3 - time.monotonic()))
        gaps = [gap for _, gap in self.probe.read()[gaps_before:]]
        result["longest silence ms"] = max(gaps, default=0)
        result["silences over 50 ms"] = sum(1 for g in gaps if g > SILENCE_GOAL_MS)
        result.update(heartbeat.others_since(self.session, counters))
        return result

    def idle_floor(self, seconds=3.0):
        """The longest silence of the idle program over a stretch as long as a command,
        under the same load: what the machine gives by itself."""
        before = len(self.probe.read())
        time.sleep(seconds)
        return max((gap for _, gap in self.probe.read()[before:]), default=0)

    def check_bar(self, caption):
        want = self.english[caption].split("%")[0]
        return self.harness.wait_until(f"the bar saying {want!r}",
                                       lambda: self.bar_text().startswith(want) and
                                       self.bar_text(), timeout=30)


def run_program(harness, session, server, folder, number, pages, options):
    work = os.path.join(session.root, f"work-{number}")
    os.makedirs(work, exist_ok=True)
    folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url(PAGES[0][0]),
                                          "English"])
    bench = Bench(harness, session, server, folder, number, work)
    out = {"cold": {}, "warm": [], "memory": {}}
    bench.program.wait_for_window()
    bench.program.wait_until_ready()
    bench.load("start")
    time.sleep(SETTLE_S)
    out["memory"]["loaded"] = tree_memory(bench.program.pid)

    for index, (path, _, _) in enumerate(PAGES):
        if index:
            bench.load(path)
        bare_before = bare_apertium(pages[path])
        floor = bench.idle_floor()
        figures = bench.command(options.quiet_wait, "translate")
        figures["idle floor ms"] = floor
        bare_after = bare_apertium(pages[path])
        figures["bare s"] = statistics.median([bare_before, bare_after])
        figures["bare nice 10 s"] = bare_apertium(pages[path], 10)
        figures["bar"] = bench.check_bar(258)
        out["cold"][path] = figures
        print(f"  {path}: {fmt(figures)}", flush=True)
        time.sleep(1)
        back = bench.command(options.quiet_wait, "original")
        bench.check_bar(251)
        print(f"  {path} original: {fmt(back)}", flush=True)
        if index == 0:
            time.sleep(SETTLE_S)
            out["memory"]["after one toggle"] = tree_memory(bench.program.pid)
            for toggle in range(options.toggles):
                floor = bench.idle_floor(1.5)
                there = bench.command(options.toggle_quiet_wait, "translate")
                there["idle floor ms"] = floor
                there["bare s"] = bare_apertium(pages[path])
                time.sleep(1)
                back = bench.command(options.toggle_quiet_wait, "original")
                there["original s"] = back["original s"]
                there["original silence ms"] = back["longest silence ms"]
                out["warm"].append(there)
                print(f"  toggle {toggle + 1}: {fmt(there)}", flush=True)
            time.sleep(SETTLE_S)
            out["memory"]["after toggles"] = tree_memory(bench.program.pid)
            # The chain ends by itself after its idle time; then only the page is left.
            time.sleep(IDLE_END_S)
            out["memory"]["chain ended"] = tree_memory(bench.program.pid)
            print(f"  memory: {out['memory']}", flush=True)
    session.end_programs()
    return out


def fmt(figures):
    return ", ".join(f"{k} {v:.3f}" if isinstance(v, float) else f"{k} {v}"
                     for k, v in figures.items())


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"))
    parser.add_argument("--runs", type=int, default=3, help="program runs")
    parser.add_argument("--toggles", type=int, default=TOGGLES)
    parser.add_argument("--quiet-wait", type=float, default=30,
                        help="seconds to wait for a quiet machine before each first translation")
    parser.add_argument("--toggle-quiet-wait", type=float, default=0,
                        help="the same before each toggle (default: never wait)")
    parser.add_argument("--artifacts", default="/tmp/pagetranslate-artifacts")
    parser.add_argument("--json", help="also write every figure to this file")
    options = parser.parse_args()

    harness = heartbeat.open_harness(options.program, options.artifacts)
    session = harness.Session("pagetranslate").start()
    server = harness.PageServer().start()
    pages = {}
    folder_of_pages = tempfile.mkdtemp(prefix="pagetranslate-")
    try:
        for path, words, seed in PAGES:
            page = spanishpage.article(words, seed, report_script=WATCHER)
            server.add_answer(path, page)
            pages[path] = os.path.join(folder_of_pages, path.strip("/") + ".html")
            with open(pages[path], "w", encoding="utf-8") as out:
                out.write(page)
            print(f"{path}: {spanishpage.word_count(page)} words, {len(page)} characters")
        for name in ("loaded", "first", "whole", "original"):
            server.add_answer(f"/mark/{name}", "", "text/plain")
        folder = session.program_folder("program")
        language_file = os.path.join(folder.path, "languages", "Trans_English.txt")
        with open(language_file, "ab") as out:  # nothing may reach the web translator
            out.write(f"TRANSLATE_HOST={server.host}\r\n".encode("ascii"))
        print(f"load average at the start: {os.getloadavg()}")
        results = []
        for number in range(options.runs):
            print(f"program run {number + 1}", flush=True)
            results.append(run_program(harness, session, server, folder, number, pages,
                                       options))
            probe = os.path.join(session.root, f"heartbeat-{number}.txt")
            if os.path.exists(probe):
                shutil.copyfile(probe, os.path.join(options.artifacts,
                                                    f"heartbeat-{number}.txt"))
        print(f"load average at the end: {os.getloadavg()}")
        if server.foreign:
            print(f"requests that would have left 127.0.0.1: {len(server.foreign)}")
        if options.json:
            import json
            with open(options.json, "w") as out:
                json.dump(results, out, indent=1)
        return summary(results)
    finally:
        server.stop()
        session.stop()
        shutil.rmtree(folder_of_pages, ignore_errors=True)


def summary(results):
    print("\n== medians over", len(results), "program runs")
    met = True
    for path, _, _ in PAGES:
        rows = [r["cold"][path] for r in results]
        first = median(r["first s"] for r in rows)
        whole = median(r["whole s"] for r in rows)
        bare = median(r["bare s"] for r in rows)
        ratio = median(r["whole s"] / r["bare s"] for r in rows)
        silence = max(r["longest silence ms"] for r in rows)
        print(f"{path} first command: first screen {first:.3f} s (goal {FIRST_SCREEN_GOAL_S}), "
              f"whole {whole:.3f} s, bare apertium {bare:.3f} s "
              f"(nice 10: {median(r['bare nice 10 s'] for r in rows):.3f} s), "
              f"ratio {ratio:.2f} (goal {WHOLE_GOAL}), longest silence "
              f"{median(r['longest silence ms'] for r in rows):.0f} ms median, {silence} max "
              f"(idle floor {median(r['idle floor ms'] for r in rows):.0f} ms median), "
              f"load average {median(r['load average'] for r in rows):.2f}")
        met = met and first <= FIRST_SCREEN_GOAL_S and ratio <= WHOLE_GOAL and \
            silence <= SILENCE_GOAL_MS
    warm = [w for r in results for w in r["warm"]]
    if warm:
        print(f"{PAGES[0][0]} toggled ({len(warm)}): first screen "
              f"{median(w['first s'] for w in warm):.3f} s, whole "
              f"{median(w['whole s'] for w in warm):.3f} s, bare "
              f"{median(w['bare s'] for w in warm):.3f} s, ratio "
              f"{median(w['whole s'] / w['bare s'] for w in warm):.2f}, original back "
              f"{median(w['original s'] for w in warm):.3f} s, longest silence "
              f"{median(w['longest silence ms'] for w in warm):.0f} ms median, "
              f"{max(w['longest silence ms'] for w in warm)} max (idle floor "
              f"{median(w['idle floor ms'] for w in warm):.0f} ms median, "
              f"{max(w['idle floor ms'] for w in warm)} max); original: "
              f"{max(w['original silence ms'] for w in warm)} max")
    for r in results:
        memory = r["memory"]
        if "after toggles" in memory:
            before, after = memory["after one toggle"]["all"], memory["after toggles"]["all"]
            growth = after / before - 1
            met = met and growth <= MEMORY_GOAL
            print(f"memory: loaded {memory['loaded']['all']:.1f} MiB, after one toggle "
                  f"{before:.1f}, after {len(r['warm'])} more {after:.1f} MiB: "
                  f"{growth * 100:+.1f} % (goal {MEMORY_GOAL * 100:.0f} %); chain "
                  f"{memory['after one toggle']['chain']:.1f} -> "
                  f"{memory['after toggles']['chain']:.1f} MiB, main "
                  f"{memory['after one toggle']['main']:.1f} -> "
                  f"{memory['after toggles']['main']:.1f} MiB; chain ended "
                  f"{memory['chain ended']['all']:.1f} MiB "
                  f"({memory['chain ended']['all'] / memory['loaded']['all'] * 100 - 100:+.1f} % "
                  f"against loaded)")
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
