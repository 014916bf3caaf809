#!/usr/bin/python3
"""How long QuortTrans's interface thread stops answering while it pictures the page and
while it saves a web archive.

Every 10 ms a separate process sends the program's main window an X `_NET_WM_PING`; Qt
answers it on its interface thread, while it handles X events, by sending it back to the
root window. The longest time between two answers while a command runs is the longest the
interface thread did not turn its event loop. The program is driven as a user drives it,
with the harness of tests/e2e (Xvfb, openbox, AT-SPI, xdotool). See README.md.
"""

import argparse
import ctypes
import os
import select
import signal
import statistics
import subprocess
import sys
import time
from pathlib import Path

import run  # bench/run.py: how busy the machine is

REPO = Path(__file__).resolve().parent.parent
INTERVAL = 0.010
TARGET_MS = 50
# What the e2e harness sets so that tests can read the program: the widgets' bridge, and
# the pages' own tree, which only a screen reader asks for. Most users run without both.
PAGE_TREE = "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY"
ACCESSIBILITY = ("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", PAGE_TREE)

# ---------------------------------------------------------------------------- pinger
# libX11 through ctypes: the bench needs no Python package beyond the e2e tests' own.


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong),
                ("send_event", ctypes.c_int), ("display", ctypes.c_void_p),
                ("window", ctypes.c_ulong), ("message_type", ctypes.c_ulong),
                ("format", ctypes.c_int), ("data", ctypes.c_long * 5)]


class XEvent(ctypes.Union):
    _fields_ = [("type", ctypes.c_int), ("client", ClientMessage),
                ("pad", ctypes.c_long * 24)]


CLIENT_MESSAGE = 33
STRUCTURE_NOTIFY_MASK = 1 << 17


def pinger(window, out_path):
    """Pings window every INTERVAL until SIGTERM; writes one line per ping: its number,
    when it was sent and when its answer came (or -1), in time.monotonic() seconds."""
    x = ctypes.CDLL("libX11.so.6")
    x.XOpenDisplay.restype = ctypes.c_void_p
    x.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x.XDefaultRootWindow.restype = ctypes.c_ulong
    x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
    x.XInternAtom.restype = ctypes.c_ulong
    x.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    x.XSelectInput.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_long]
    x.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                             ctypes.POINTER(XEvent)]
    x.XFlush.argtypes = [ctypes.c_void_p]
    x.XPending.argtypes = [ctypes.c_void_p]
    x.XNextEvent.argtypes = [ctypes.c_void_p, ctypes.POINTER(XEvent)]
    x.XConnectionNumber.argtypes = [ctypes.c_void_p]

    display = x.XOpenDisplay(None)
    if not display:
        sys.exit("pinger: no X display")
    root = x.XDefaultRootWindow(display)
    protocols = x.XInternAtom(display, b"WM_PROTOCOLS", 0)
    ping = x.XInternAtom(display, b"_NET_WM_PING", 0)
    # Qt sends the answer to the root window for its structure listeners.
    x.XSelectInput(display, root, STRUCTURE_NOTIFY_MASK)
    fd = x.XConnectionNumber(display)

    stop = []
    signal.signal(signal.SIGTERM, lambda *_: stop.append(True))
    sent, answered = [], {}
    event = XEvent()
    next_at = time.monotonic()
    while not stop:
        now = time.monotonic()
        if now >= next_at:
            number = len(sent) + 1
            message = XEvent()
            message.client.type = CLIENT_MESSAGE
            message.client.window = window
            message.client.message_type = protocols
            message.client.format = 32
            message.client.data[0] = ping
            message.client.data[1] = number  # the timestamp slot; Qt sends it back
            message.client.data[2] = window
            x.XSendEvent(display, window, 0, 0, ctypes.byref(message))
            x.XFlush(display)
            sent.append(now)
            next_at += INTERVAL
            if next_at < now:  # a late tick does not make a burst of pings
                next_at = now + INTERVAL
        while x.XPending(display):
            x.XNextEvent(display, ctypes.byref(event))
            if (event.type == CLIENT_MESSAGE and event.client.message_type == protocols
                    and event.client.data[0] == ping and event.client.window == root):
                answered.setdefault(event.client.data[1], time.monotonic())
        wait = next_at - time.monotonic()
        if wait > 0:
            try:
                select.select([fd], [], [], wait)
            except InterruptedError:
                pass
    with open(out_path, "w") as out:
        for number, at in enumerate(sent, 1):
            out.write(f"{number} {at:.6f} {answered.get(number, -1):.6f}\n")


class Heartbeat:
    """The pinger as a process of its own, so the driver's work never delays a ping."""

    def __init__(self, env, window, path):
        self.path = path
        self.process = subprocess.Popen(
            [sys.executable, os.path.abspath(__file__), "--pinger", str(window), path], env=env)

    def stop(self):
        self.process.send_signal(signal.SIGTERM)
        self.process.wait(10)
        with open(self.path) as source:
            rows = [line.split() for line in source]
        return [(float(sent), float(answer)) for _, sent, answer in rows]


def longest_silence(pings, start, end):
    """The longest time in [start, end] between two answers (or an edge and an
    answer), in ms, and the number of pings sent in it."""
    answers = sorted(a for s, a in pings if a >= 0 and start <= a <= end)
    sent = [s for s, _ in pings if start <= s <= end]
    if not sent:
        raise RuntimeError("no ping was sent while the command ran")
    edges = [start] + answers + [end]
    return max(b - a for a, b in zip(edges, edges[1:])) * 1000, len(sent)


# ---------------------------------------------------------------------------- driver

sys.path.insert(0, str(REPO / "tests" / "e2e"))
PAGE_TEXT = "Wombat-2931 likes pictures."


PAGE = f"""<!DOCTYPE html><html><head><meta charset="utf-8"><title>Heartbeat page</title>
</head><body style="margin:0"><div style="height:300px;background:rgb(200,30,30)"></div>
<p>{PAGE_TEXT}</p><img src="/dot.png" alt="dot" width="16" height="16"></body></html>"""


def open_harness(program, artifacts):
    """The e2e harness, pointed at a program folder and a folder for what it keeps."""
    os.environ.setdefault("QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox")
    import harness
    harness.PROGRAM_DIR = os.path.abspath(program)
    harness.ARTIFACTS_DIR = os.path.abspath(artifacts)
    os.makedirs(harness.ARTIFACTS_DIR, exist_ok=True)
    return harness


def session_pids(session, pinger_pid):
    """The processes whose work is part of the measurement: the program's tree, the
    desktop's (Xvfb, openbox, the buses), the pinger and this script."""
    import harness
    pids = {os.getpid(), pinger_pid}
    for process in session._processes:
        pids.update(harness.group_members(process.pid))
    return pids


def cpu_counters(session, pinger_pid, busy_before):
    """What others_since compares with: the machine's and the session's CPU time now."""
    pids = session_pids(session, pinger_pid)
    return busy_before, pinger_pid, run.cpu_times(), run.cpu_ticks(pids, with_children=True)


def others_since(session, state):
    """The share of both cores that work outside the session took since cpu_counters."""
    busy_before, pinger_pid, (total0, idle0), ours0 = state
    total1, idle1 = run.cpu_times()
    ours1 = run.cpu_ticks(session_pids(session, pinger_pid), with_children=True)
    total = total1 - total0
    busy = total - (idle1 - idle0)
    share = max(0.0, busy - (ours1 - ours0)) / total if total else 0.0
    return {"busy_before": busy_before, "others_during": share}


def wait_for_quiet(limit):
    """Waits up to limit seconds until the machine is nearly idle: on two cores, a build
    next door takes the interface thread's core for tens of ms at a time. Returns the
    busy share last seen (the idle program itself takes next to nothing)."""
    deadline = time.monotonic() + limit
    while True:
        share = run.busy_share()
        if share <= run.BUSY_LIMIT or time.monotonic() >= deadline:
            return share


class Driver:
    """Gives the commands with real clicks at places found once through AT-SPI, so that
    nothing asks the program anything while a command is measured."""

    def __init__(self, name, program, texts, work, places, quiet_wait):
        self.name, self.program, self.texts, self.work = name, program, texts, work
        self.images = os.path.join(program.folder.path, "Images")
        self.session = program.session
        self.places = places
        self.quiet_wait = quiet_wait
        self.count = 0

    def windows(self, name):
        """Visible dialogs of the program with that title. Read from the X server only,
        so the looking never costs the program anything. The floating bars may carry the
        program's name too, but they are no dialogs."""
        result = self.session.run(["xdotool", "search", "--onlyvisible", "--pid",
                                   str(self.program.pid), "--name", f"^{name}$"],
                                  check=False)
        found = set()
        for window in {int(w) for w in result.stdout.split()} - {self.program.window_id}:
            kind = self.session.run(["xprop", "-id", str(window), "_NET_WM_WINDOW_TYPE"],
                                    check=False).stdout
            if "_NET_WM_WINDOW_TYPE_DIALOG" in kind:
                found.add(window)
        return found

    def wait_window(self, name, timeout=30, gone=False):
        deadline = time.monotonic() + timeout
        while time.monotonic() < deadline:
            if bool(self.windows(name)) != gone:
                return time.monotonic()
            time.sleep(0.05)
        raise RuntimeError(f"window {name!r} {'still there' if gone else 'never came'}")

    def heartbeat(self):
        self.count += 1
        return Heartbeat(self.session.env, self.program.window_id,
                         os.path.join(self.work, f"{self.name}-pings-{self.count}.txt"))

    def begin(self, command):
        """Waits for a quiet machine, opens the menu, starts the heartbeat and clicks the
        item; returns the heartbeat, the click's time and the CPU counters then."""
        busy_before = wait_for_quiet(self.quiet_wait) if self.quiet_wait > 0 else None
        button, item = self.places[command]
        self.session.click(*button)
        time.sleep(0.8)  # the menu opens
        beat = self.heartbeat()
        time.sleep(0.5)  # the pinger is up and answered before the command starts
        start = time.monotonic()
        self.session.click(*item)
        return beat, start, self.counters(beat, busy_before)

    def counters(self, beat, busy_before):
        return cpu_counters(self.session, beat.process.pid, busy_before)

    def others(self, state):
        return others_since(self.session, state)

    def close_notice(self):
        self.session.key("Return")  # OK is the notice's default button
        self.wait_window(self.texts[179], gone=True)
        time.sleep(0.5)

    def idle(self, seconds=2.0):
        """The program left alone: what the machine and the method add by themselves."""
        busy_before = wait_for_quiet(self.quiet_wait) if self.quiet_wait > 0 else None
        beat = self.heartbeat()
        time.sleep(0.3)
        state = self.counters(beat, busy_before)
        start = time.monotonic()
        time.sleep(seconds)
        end = time.monotonic()
        others = self.others(state)
        return {"total": longest_silence(beat.stop(), start, end)[0], **others}

    def stopped(self, seconds=0.2):
        """The method's own check: the program stopped outright must show as a silence
        of that length."""
        beat = self.heartbeat()
        time.sleep(0.3)
        start = time.monotonic()
        os.kill(self.program.pid, signal.SIGSTOP)
        time.sleep(seconds)
        os.kill(self.program.pid, signal.SIGCONT)
        time.sleep(0.3)
        return longest_silence(beat.stop(), start, time.monotonic())[0]

    def pictures(self):
        return len(os.listdir(self.images)) if os.path.isdir(self.images) else 0

    def picture(self):
        before = self.pictures()
        beat, start, state = self.begin("picture")
        shown = self.wait_window(self.texts[179])
        time.sleep(0.3)  # the notice's first paints
        end = time.monotonic()
        pings = beat.stop()
        self.session.screenshot(f"{self.name}-picture-{self.count}")
        result = {"total": longest_silence(pings, start, end)[0],
                  "notice_after_ms": (shown - start) * 1000,
                  "long": silences(pings, start, end), **self.others(state)}
        self.close_notice()
        if self.pictures() != before + 1:
            raise RuntimeError(f"no new picture in {self.images} after the notice")
        return result

    def archive(self):
        # A name of its own each time: an existing file would bring the question first.
        path = os.path.join(self.work, f"{self.name}-archive-{self.count}.mht")
        beat, start, state = self.begin("archive")
        dialog_at = self.wait_window(self.texts[122]) + 0.3
        time.sleep(0.5)
        typing_at = time.monotonic()
        self.session.key("ctrl+a")
        self.session.type(path)
        enter_at = time.monotonic()
        self.session.key("Return")
        shown = self.wait_window(self.texts[179])
        time.sleep(0.3)
        end = time.monotonic()
        pings = beat.stop()
        self.session.screenshot(f"{self.name}-archive-{self.count}")
        result = {"total": longest_silence(pings, start, end)[0],
                  "to_dialog": longest_silence(pings, start, dialog_at)[0],
                  "typing": longest_silence(pings, typing_at, enter_at)[0],
                  "saving": longest_silence(pings, enter_at, end)[0],
                  "notice_after_ms": (shown - enter_at) * 1000,
                  "long": silences(pings, start, end), **self.others(state)}
        self.close_notice()
        if not os.path.exists(path):
            raise RuntimeError(f"no archive at {path}")
        return result


def silences(pings, start, end):
    """Every silence of TARGET_MS or more, as (ms after the click, length in ms)."""
    answers = sorted(a for s, a in pings if a >= 0 and start <= a <= end)
    edges = [start] + answers + [end]
    return [(round((a - start) * 1000), round((b - a) * 1000))
            for a, b in zip(edges, edges[1:]) if b - a >= TARGET_MS / 1000]


def disturbed(result):
    return any(result.get(key) is not None and result[key] > run.BUSY_LIMIT
               for key in ("busy_before", "others_during"))


def summary(label, results, key):
    """Median and max over all runs, with how many ran while other work took more than
    15 % of the machine."""
    values = sorted(r[key] for r in results)
    flag = "" if max(values) < TARGET_MS else "  OVER"
    busy = sum(1 for r in results if disturbed(r))
    note = f"  ({busy} of {len(results)} runs with other work)" if busy else ""
    print(f"{label:<30} median {statistics.median(values):6.1f} ms   max "
          f"{max(values):6.1f} ms   runs {', '.join(f'{v:.0f}' for v in values)}"
          f"{flag}{note}")


def find_places(harness, program, texts):
    """Screen places of the two menu items and their buttons, read through AT-SPI."""
    places = {}
    for command, button, item in (("picture", 129, 176), ("archive", 128, 145)):
        target = program.buttons(texts[button])[0]
        items = program.open_menu(texts[button])
        places[command] = (harness.centre(target), harness.centre(items[texts[item]]))
        program.session.key("Escape")
        time.sleep(0.5)
    return places


def start_program(harness, session, folder, server, accessible, label=None, extra_env=None):
    env = session.env
    if not accessible:
        session.env = {k: v for k, v in env.items() if k not in ACCESSIBILITY}
    try:
        label = label or ("program-accessible" if accessible else "program")
        program = harness.Program(session, folder, label).start(proxy=server,
                                                                extra_env=extra_env)
    finally:
        session.env = env
    program.wait_for_window()
    server.wait_for_count("/dot.png", 1)
    time.sleep(3)  # the window's first idle seconds, as a user reads the page
    return program


def measure(driver, runs, label):
    print(f"\n== {label}")
    print(f"method check, program stopped 200 ms: {driver.stopped():.1f} ms silent")
    idle = [driver.idle() for _ in range(3)]
    pictures, archives = [], []
    for number in range(runs):
        pictures.append(driver.picture())
        archives.append(driver.archive())
        for name, result in (("picture", pictures[-1]), ("archive", archives[-1])):
            shown = {k: (round(v, 1) if isinstance(v, float) else v)
                     for k, v in result.items()}
            print(f"run {number + 1} {name}: {shown}", flush=True)
    summary("idle, 2 s", idle, "total")
    summary("page picture", pictures, "total")
    summary("web archive, whole", archives, "total")
    for result in archives:
        result["own"] = max(result["to_dialog"], result["saving"])
    summary("  its own work (no typing)", archives, "own")
    summary("  click to Save dialog", archives, "to_dialog")
    summary("  typing into the dialog", archives, "typing")
    summary("  Enter to notice", archives, "saving")
    return max(r["total"] for r in pictures + archives) < TARGET_MS


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n\n")[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"),
                        help="the program folder (default build/program)")
    parser.add_argument("--runs", type=int, default=5, help="runs of each command")
    parser.add_argument("--quiet-wait", type=float, default=60,
                        help="seconds to wait before each run for a quiet machine")
    parser.add_argument("--artifacts", default="/tmp/heartbeat-artifacts",
                        help="where the program's output and the pings are kept")
    parser.add_argument("--pinger", nargs=2, help=argparse.SUPPRESS)
    options = parser.parse_args()
    if options.pinger:
        return pinger(int(options.pinger[0]), options.pinger[1])

    harness = open_harness(options.program, options.artifacts)
    texts = harness.captions("English")
    session = harness.Session("heartbeat").start()
    server = harness.PageServer().start()
    try:
        server.add_answer("/home", PAGE)
        server.add_picture("/dot.png", 16, 16, (20, 160, 40))
        folder = session.program_folder("program")
        folder.write_lines("quortspeak.Opt", ["1", "0", "0", "0", server.url("/home")])

        # Once with the accessibility bridge, to find the menu items, and measured so.
        program = start_program(harness, session, folder, server, accessible=True)
        harness.wait_equal("the page loaded", program.progress, 100)
        places = find_places(harness, program, texts)
        geometry = program.geometry()
        met = measure(Driver("accessible", program, texts, session.artifacts, places,
                             options.quiet_wait), options.runs,
                      "with the accessibility bridge (as screen readers and the e2e tests)")
        session.end_programs()

        # Then as most users run it; the window fills the same screen, so the places hold.
        program = start_program(harness, session, folder, server, accessible=False)
        if program.geometry() != geometry:
            raise RuntimeError(f"the window moved: {program.geometry()} after {geometry}")
        met = measure(Driver("plain", program, texts, session.artifacts, places,
                             options.quiet_wait), options.runs,
                      "without accessibility") and met
        return 0 if met else 1
    finally:
        server.stop()
        session.stop()


if __name__ == "__main__":
    sys.exit(main())
