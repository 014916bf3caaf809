#!/usr/bin/python3
"""Soak benchmark: QuortTrans with all its tabs navigating for half an hour.

The program runs under an Xvfb of this script with its tabs opened by mouse clicks, as a
user opens them. Every page it is served from 127.0.0.1 moves its tab on to the next of
20 pages after 2 s: text pages, pages with pictures and pages whose script builds and drops
some 50 MB of JavaScript objects. Once a minute the script reads the Pss of the program
and every process below it (the web engine's helpers). See README.md.
"""

import argparse
import ctypes
import http.server
import json
import os
import random
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import zlib
from pathlib import Path

sys.path.insert(0, str(Path(__file__).resolve().parent))
import run as common  # noqa: E402  the start-up benchmark's process and Pss helpers

REPO = common.REPO
PAGES = 20
TEXT_PAGES = range(0, 10)
PICTURE_PAGES = range(10, 18)
SCRIPT_PAGES = range(18, 20)
PICTURES_PER_PAGE = 6
GROWTH_TARGET = 0.10
# Minute from which growth is counted: start-up, first caches and the first rounds of
# the script pages' garbage collection are over by then.
BASELINE_MINUTE = 5


def png(width, height, seed):
    """A picture of noise bands, so it neither compresses to nothing nor repeats."""
    noise = random.Random(seed)
    rows = []
    for y in range(height):
        band = bytes((40 + seed % 200, 90, 160)) * width
        pixels = noise.randbytes(width * 3) if (y // 16) % 2 else band
        rows.append(b"\0" + pixels)  # filter: none

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xffffffff))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) +
            chunk(b"IDAT", zlib.compress(b"".join(rows), 6)) + chunk(b"IEND", b""))


def next_page(page):
    return (page + 1) % PAGES


def page_body(page, chain, interval_ms):
    """The HTML of page number page, on chain (the tab it was first opened in)."""
    parts = []
    if page in TEXT_PAGES:
        sentence = ("Page {0} of the soak benchmark, paragraph {1}: a line of ordinary text "
                    "that wraps like any article would, with words long and short. ")
        for paragraph in range(20 + page * 12):
            parts.append(f"<p>{sentence.format(page, paragraph) * 3}</p>")
    elif page in PICTURE_PAGES:
        for k in range(PICTURES_PER_PAGE):
            parts.append(f'<p>Picture {k}</p><img src="/img/{page}-{k}.png" alt="picture {k}">')
    else:
        # About 50 MB of objects, built and dropped again; the next page does the same.
        parts.append("""<p id="state">building</p>
<script>
var objects = [];
for (var i = 0; i < 420000; i++)
  objects.push({index: i, name: 'object number ' + i, pair: [i, i * 2]});
document.getElementById('state').textContent = 'built ' + objects.length + ' objects';
objects = null;
</script>""")
    nxt = f"/p/{next_page(page)}?c={chain}"
    return (f"""<!DOCTYPE html>
<html lang="en"><head><meta charset="utf-8"><title>Soak {page}</title></head>
<body><h1>Soak page {page}</h1>
<script>setTimeout(function () {{ location.href = '{nxt}'; }}, {interval_ms});</script>
{''.join(parts)}
</body></html>
""").encode()


class Site:
    """The pages, and what was asked for when."""

    def __init__(self, interval_ms):
        self.interval_ms = interval_ms
        self.lock = threading.Lock()
        self.chains = 0
        self.loads = []  # (time, chain) of each page asked for
        self.pictures = {}
        for page in PICTURE_PAGES:
            for k in range(PICTURES_PER_PAGE):
                width, height = 160 + 90 * k, 120 + 60 * k
                self.pictures[f"/img/{page}-{k}.png"] = png(width, height, page * 10 + k)

    def new_chain(self):
        with self.lock:
            self.chains += 1
            return self.chains

    def record(self, chain):
        with self.lock:
            self.loads.append((time.monotonic(), chain))

    def loads_between(self, start, end):
        with self.lock:
            return [(t, c) for t, c in self.loads if start <= t < end]

    def handler(self):
        site = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def send(self, status, body=b"", kind="text/html; charset=utf-8", cache=False,
                     location=None):
                self.send_response(status)
                self.send_header("Content-Type", kind)
                self.send_header("Content-Length", str(len(body)))
                self.send_header("Cache-Control", "max-age=3600" if cache else "no-store")
                if location:
                    self.send_header("Location", location)
                self.end_headers()
                self.wfile.write(body)

            def do_GET(self):
                path, _, query = self.path.partition("?")
                if path == "/start":
                    # Each tab that opens the start address begins a chain of its own.
                    self.send(302, location=f"/p/0?c={site.new_chain()}")
                elif path.startswith("/p/") and path[3:].isdigit() and int(path[3:]) < PAGES:
                    chain = query[2:] if query.startswith("c=") and query[2:].isdigit() else "0"
                    site.record(int(chain))
                    self.send(200, page_body(int(path[3:]), chain, site.interval_ms))
                elif path in site.pictures:
                    self.send(200, site.pictures[path], "image/png", cache=True)
                else:
                    self.send(404)

            def log_message(self, *args):
                pass

        return Handler


def start_desktop(screen):
    """An Xvfb of our own at 96 dpi, as the e2e tests run the program, and a session bus."""
    helpers = []
    xvfb, number = common.start_reporting(lambda fd: [
        "Xvfb", "-displayfd", str(fd), "-screen", "0", f"{screen}x24", "-dpi", "96",
        "-nolisten", "tcp", "-noreset"])
    if xvfb is None:
        sys.exit("Xvfb did not start")
    helpers.append(xvfb)
    bus, address = common.start_reporting(lambda fd: [
        "dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={fd}"])
    if bus is None:
        sys.exit("dbus-daemon did not start")
    helpers.append(bus)
    return helpers, ":" + number, address


def stop_helpers(helpers):
    for helper in reversed(helpers):
        helper.terminate()
        try:
            helper.wait(timeout=10)
        except subprocess.TimeoutExpired:
            helper.kill()
            helper.wait()


def prepare_program(source, run_dir, address):
    """A copy of the program folder with only the files the build ships in Data/, and the
    start address as the home page (the start-up benchmark does the same)."""
    program = run_dir / "program"
    shutil.copytree(source, program, symlinks=True)
    data = program / "Data"
    data.mkdir(exist_ok=True)
    shipped = {entry.name.lower() for entry in (REPO / "data" / "Data").iterdir()}
    for entry in data.iterdir():
        if entry.name.lower() not in shipped and entry.is_file():
            entry.unlink()
    lines = ["1", "0", "0", "0", address, "English"]
    (data / "quortspeak.Opt").write_bytes("".join(line + "\r\n" for line in lines).encode())
    return program


def tab_count(program):
    for line in (program / "languages" / "Trans_English.txt").read_text(errors="replace").splitlines():
        if line.upper().startswith("TAB_NUMBER="):
            return int(float(line.split("=", 1)[1]))
    return 8


def xdotool(env, *args):
    return subprocess.run(["xdotool", *args], env=env, capture_output=True, text=True,
                          timeout=20).stdout


def main_window(env, pid):
    """(x, y, width, height) of the program's largest visible window."""
    best = None
    for wid in xdotool(env, "search", "--onlyvisible", "--pid", str(pid)).split():
        geometry = dict(line.strip().split(": ", 1) for line in
                        xdotool(env, "getwindowgeometry", wid).splitlines()[1:] if ": " in line)
        x, y = (int(v) for v in geometry.get("Position", "0,0").split()[0].split(","))
        width, height = (int(v) for v in geometry.get("Geometry", "0x0").split("x"))
        if best is None or width * height > best[2] * best[3]:
            best = (x, y, width, height)
    return best


def tab_centres(env, window, tabs):
    """Where each tab is, read off the screen: the tabs are boxes of one width side by
    side, so on a row through the bar their borders, darker than what is beside them,
    repeat at one spacing tabs + 1 times. Nothing else in the bar does that."""
    x0, y0, width, _ = window
    shot = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=env,
                          capture_output=True, timeout=30).stdout
    screen_width = int(subprocess.run(["xdotool", "getdisplaygeometry"], env=env,
                                      capture_output=True, text=True,
                                      timeout=20).stdout.split()[0])
    for y in range(y0 + 6, y0 + 24):
        row = shot[3 * screen_width * y:3 * screen_width * (y + 1)]

        def grey(x):
            r, g, b = row[3 * x:3 * x + 3]
            return (r + g + b) // 3 if max(r, g, b) - min(r, g, b) < 8 else None

        borders = set()
        for x in range(max(1, x0), min(x0 + width, screen_width) - 1):
            here, left, right = grey(x), grey(x - 1), grey(x + 1)
            if here is not None and left is not None and right is not None and \
                    here + 24 <= min(left, right):
                borders.add(x)
        # A strip's width need not divide evenly: a border may sit a pixel off.
        def near(x):
            return x in borders or x - 1 in borders or x + 1 in borders

        for first in sorted(borders):
            for spacing in range(12, 200):
                if all(near(first + k * spacing) for k in range(tabs + 1)):
                    return [(first + k * spacing + spacing // 2, y) for k in range(tabs)]
    return None


def active_chains(site, seconds):
    now = time.monotonic()
    return {chain for _, chain in site.loads_between(now - seconds, now)}


def memory_of(pid):
    """Pss and private memory (Private_Clean + Private_Dirty) of one process, in KiB."""
    pss = private = 0
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Pss:"):
                    pss = int(line.split()[1])
                elif line.startswith(("Private_Clean:", "Private_Dirty:")):
                    private += int(line.split()[1])
    except OSError:
        pass
    return pss, private


def memory_of_tree(pid, helper_pids):
    """Pss and private memory (pages no other process maps) of the program and everything
    below it, each process's figures, and the other programs on the machine that map Qt's
    GUI or web engine: Pss shares a library's pages among all that map it, so while such
    a program runs (a GUI test next door) the tree's Pss reads tens of MiB low."""
    pids, table = common.tree_of(pid, helper_pids)
    live = [p for p in pids if table[p][1] != "Z"]
    per = []
    for p in live:
        pss, private = memory_of(p)
        per.append({"pid": p, "role": common.process_role(p), "pss_kib": pss,
                    "private_kib": private})
    others = common.other_qt_programs(set(pids) | {os.getpid()})
    return (sum(e["pss_kib"] for e in per), sum(e["private_kib"] for e in per), per, others)


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=str(REPO / "build-rel" / "program"),
                        help="QuortTrans's program folder (default: %(default)s)")
    parser.add_argument("--minutes", type=int, default=30,
                        help="minutes of navigating after the tabs are open (default 30)")
    parser.add_argument("--interval", type=float, default=2.0,
                        help="seconds a page stays before its tab moves on (default 2)")
    parser.add_argument("--screen", default="1280x800",
                        help="size of the Xvfb screen (default %(default)s)")
    parser.add_argument("--json", help="also write the figures to this file")
    parser.add_argument("--keep-log", help="copy the program's output to this file")
    args = parser.parse_args()
    if not 1 <= args.minutes <= 24 * 60:
        parser.error("--minutes must be 1 to 1440")
    source = Path(args.program).resolve()
    if not os.access(source / "quorttrans", os.X_OK):
        sys.exit(f"{source / 'quorttrans'} is missing; build it first (see bench/README.md)")

    signal.signal(signal.SIGTERM, common.interrupt)
    signal.signal(signal.SIGHUP, common.interrupt)
    libc = ctypes.CDLL(None, use_errno=True)
    libc.prctl(36, 1, 0, 0, 0)  # PR_SET_CHILD_SUBREAPER: orphans of the program stay ours

    site = Site(int(args.interval * 1000))
    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), site.handler())
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    start_address = f"http://127.0.0.1:{server.server_address[1]}/start"

    run_dir = Path(tempfile.mkdtemp(prefix="quorttrans-soak-"))
    helpers, display, bus = start_desktop(args.screen)
    helper_pids = {h.pid for h in helpers}
    process = None
    tabs = 0
    samples = []
    verdict = {"crashed": None}
    log_path = run_dir / "program.log"
    try:
        program = prepare_program(source, run_dir, start_address)
        tabs = tab_count(program)
        home = run_dir / "home"
        (home / ".config").mkdir(parents=True)
        runtime = run_dir / "runtime"
        runtime.mkdir(mode=0o700)
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        env.update({
            "HOME": str(home), "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_CACHE_HOME": str(home / ".cache"),
            "XDG_DATA_HOME": str(home / ".local" / "share"), "XDG_RUNTIME_DIR": str(runtime),
            "DISPLAY": display, "DBUS_SESSION_BUS_ADDRESS": bus, "QT_QPA_PLATFORM": "xcb",
            "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu --no-sandbox",
        })
        with open(log_path, "wb") as log:
            process = subprocess.Popen([str(program / "quorttrans")], cwd=program, env=env,
                                       stdin=subprocess.DEVNULL, stdout=log,
                                       stderr=subprocess.STDOUT, start_new_session=True)
        deadline = time.monotonic() + 60
        while not site.loads_between(0, time.monotonic()):
            if process.poll() is not None or time.monotonic() > deadline:
                sys.exit(f"the program never loaded its home page (log: {log_path})")
            time.sleep(0.2)
        time.sleep(2)

        # Each unused tab, clicked, opens the page of the tab to its left; the server
        # starts a chain for it. A click that missed is tried again.
        window = main_window(env, process.pid)
        if window is None:
            sys.exit("no window of the program found")
        centres = tab_centres(env, window, tabs)
        if centres is None:
            sys.exit("the tab strip was not found on the screen")
        for index in range(1, tabs):
            for _attempt in range(3):
                before = site.chains
                xdotool(env, "mousemove", str(centres[index][0]), str(centres[index][1]),
                        "click", "1")
                limit = time.monotonic() + 3 * args.interval + 5
                while site.chains == before and time.monotonic() < limit:
                    time.sleep(0.1)
                if site.chains > before:
                    break
        time.sleep(3 * args.interval)
        navigating = len(active_chains(site, 2 * args.interval + 2))
        print(f"{tabs} tabs, {navigating} navigating; a page every {args.interval:g} s "
              f"in each; program pid {process.pid}", flush=True)
        if navigating < tabs:
            screen = Path(tempfile.gettempdir()) / "quorttrans-soak-screen.png"
            subprocess.run(["import", "-window", "root", str(screen)], env=env, timeout=30)
            sys.exit(f"only {navigating} of {tabs} tabs navigate; the screen is in {screen}")

        print(f"{'minute':>6} {'Pss MiB':>8} {'private':>8} {'processes':>9} {'pages':>6} "
              f"{'tabs':>4}  other Qt programs", flush=True)
        begin = time.monotonic()
        for minute in range(1, args.minutes + 1):
            until = begin + 60 * minute
            while time.monotonic() < until:
                if process.poll() is not None:
                    verdict["crashed"] = f"the program ended with {process.returncode}"
                    break
                time.sleep(min(1.0, max(0.0, until - time.monotonic())))
            if verdict["crashed"]:
                break
            total, private, per, others = memory_of_tree(process.pid, helper_pids)
            loads = site.loads_between(until - 60, until)
            sample = {"minute": minute, "pss_kib": total, "private_kib": private,
                      "processes": len(per), "pages": len(loads),
                      "tabs": len({c for _, c in loads}), "shared_with": others,
                      "per_process": per}
            samples.append(sample)
            print(f"{minute:>6} {total / 1024:>8.1f} {private / 1024:>8.1f} {len(per):>9} "
                  f"{len(loads):>6} {sample['tabs']:>4}  "
                  f"{common.describe_processes(others) if others else '-'}", flush=True)
            if args.json:
                Path(args.json).write_text(json.dumps({"samples": samples}, indent=1) + "\n")
    except KeyboardInterrupt:
        print("interrupted", flush=True)
        verdict["crashed"] = verdict["crashed"] or "interrupted"
    finally:
        if process is not None and not common.kill_tree(process, helper_pids):
            print("warning: processes of the program survived the kill", flush=True)
        stop_helpers(helpers)
        server.shutdown()
        if args.keep_log and log_path.exists():
            shutil.copyfile(log_path, args.keep_log)
        shutil.rmtree(run_dir, ignore_errors=True)

    return report(samples, verdict, tabs, args)


def report(samples, verdict, tabs, args):
    """Prints the verdict; 0 when the program ran throughout with every tab navigating
    and grew less than the target, 1 otherwise."""
    status = 0
    if len(samples) < args.minutes and not verdict["crashed"]:
        verdict["crashed"] = f"measured {len(samples)} of {args.minutes} minutes"
    # A renderer that crashed leaves its tab standing on one page.
    stalled = [s["minute"] for s in samples if s["tabs"] < tabs]
    if stalled and not verdict["crashed"]:
        verdict["crashed"] = f"not every tab navigated in minutes {stalled}"
    if verdict["crashed"]:
        print(f"\nCRASH: {verdict['crashed']}")
        status = 1
    # Pss splits a shared page among all processes that map it, so a minute in which
    # another Qt program ran reads low; the growth is taken between minutes without one.
    alone = [s for s in samples if not s["shared_with"]]
    shared = [s["minute"] for s in samples if s["shared_with"]]
    if shared:
        print(f"\nother Qt programs ran in minutes {shared}; those are left out")
    first = next((s for s in alone if s["minute"] >= min(BASELINE_MINUTE, args.minutes)), None)
    last = alone[-1] if alone else None
    if first and last and last["minute"] > first["minute"]:
        growth = last["pss_kib"] / first["pss_kib"] - 1
        verdict["growth"] = growth
        verdict["from_minute"], verdict["to_minute"] = first["minute"], last["minute"]
        peak = max(alone, key=lambda s: s["pss_kib"])
        print(f"\nPss minute {first['minute']}: {first['pss_kib'] / 1024:.1f} MiB, minute "
              f"{last['minute']}: {last['pss_kib'] / 1024:.1f} MiB, growth {growth:+.1%} "
              f"({'within' if growth < GROWTH_TARGET else 'OVER'} the target of "
              f"{GROWTH_TARGET:.0%}); highest {peak['pss_kib'] / 1024:.1f} MiB in minute "
              f"{peak['minute']}")
        # One reading moves with the renderers' garbage collection; a straight line through
        # every minute from the baseline on says whether memory keeps growing.
        span = [s for s in alone if s["minute"] >= first["minute"]]
        if len(span) >= 3:
            xs = [s["minute"] for s in span]
            ys = [s["pss_kib"] / 1024 for s in span]
            mx, my = sum(xs) / len(xs), sum(ys) / len(ys)
            slope = (sum((x - mx) * (y - my) for x, y in zip(xs, ys)) /
                     sum((x - mx) ** 2 for x in xs))
            trend = slope * (xs[-1] - xs[0]) / (my + slope * (xs[0] - mx))
            verdict["trend"] = trend
            print(f"straight line through minutes {xs[0]}-{xs[-1]}: {slope:+.2f} MiB a minute, "
                  f"{trend:+.1%} over the span")
        if growth >= GROWTH_TARGET:
            status = 1
    elif samples:
        print("\nno two minutes without other Qt programs to compare")
        status = 1
    pages = sum(s["pages"] for s in samples)
    if samples:
        print(f"{pages} pages loaded, {pages / len(samples) / tabs:.1f} a minute in each tab "
              f"(at most {60 / args.interval:.0f})")
    if args.json:
        Path(args.json).write_text(json.dumps({"samples": samples, "verdict": verdict},
                                              indent=1) + "\n")
    return status


if __name__ == "__main__":
    sys.exit(main())
