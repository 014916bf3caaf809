#!/usr/bin/python3
"""Start-up time and memory of QuortTrans next to a bare Qt WebEngine browser.

Both programs open the same small page from a server of this script on 127.0.0.1, under
one Xvfb of this script, one after the other (bare, program, bare, program ...). For each
run it takes the time from just before the spawn to the page's onload request, then, after
a settle time, the summed Pss of the program and every process below it. See README.md.
"""

import argparse
import ctypes
import http.server
import json
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import threading
import time
from pathlib import Path

REPO = Path(__file__).resolve().parent.parent
STARTUP_TARGET = 1.15
MEMORY_TARGET = 1.10
CRLF = "\r\n"

PAGE = b"""<!DOCTYPE html>
<html lang="en">
<head><meta charset="utf-8"><title>Start-up benchmark</title></head>
<body>
<h1>Start-up benchmark</h1>
<p>This page tells the benchmark when a browser has loaded it.</p>
<script>
window.addEventListener('load', function () { fetch('/loaded', {cache: 'no-store'}); });
</script>
</body>
</html>
"""


class Recorder:
    """Remembers when the armed run first asked for the page and for /loaded."""

    def __init__(self):
        self.lock = threading.Lock()
        self.loaded = threading.Event()
        self.armed = False
        self.page_at = None
        self.loaded_at = None

    def arm(self):
        with self.lock:
            self.loaded.clear()
            self.armed = True
            self.page_at = None
            self.loaded_at = None

    def disarm(self):
        with self.lock:
            self.armed = False

    def saw(self, path, when):
        with self.lock:
            if not self.armed:
                return
            if path == "/loaded" and self.loaded_at is None:
                self.loaded_at = when
                self.loaded.set()
            elif path == "/" and self.page_at is None:
                self.page_at = when


def make_server(recorder):
    class Handler(http.server.BaseHTTPRequestHandler):
        def do_GET(self):
            # The clock is read first so the handler's own work is not counted.
            when = time.monotonic()
            path = self.path.split("?", 1)[0]
            recorder.saw(path, when)
            if path == "/":
                self.send_response(200)
                self.send_header("Content-Type", "text/html; charset=utf-8")
                self.send_header("Content-Length", str(len(PAGE)))
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(PAGE)
            elif path == "/loaded":
                self.send_response(204)
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
            else:
                self.send_response(404)
                self.send_header("Content-Length", "0")
                self.end_headers()

        def log_message(self, *args):
            pass

    server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), Handler)
    server.daemon_threads = True
    threading.Thread(target=server.serve_forever, daemon=True).start()
    return server


def start_reporting(argv_for_fd):
    """Starts a helper that writes one line to the descriptor it is given; returns the
    process and that line, or (None, None) when it does not start."""
    read_end, write_end = os.pipe()
    try:
        helper = subprocess.Popen(argv_for_fd(write_end), pass_fds=(write_end,),
                                  stdin=subprocess.DEVNULL, stdout=subprocess.DEVNULL,
                                  stderr=subprocess.DEVNULL, start_new_session=True)
    except OSError:
        os.close(read_end)
        os.close(write_end)
        return None, None
    os.close(write_end)
    line = b""
    deadline = time.monotonic() + 15
    while not line.endswith(b"\n") and time.monotonic() < deadline:
        chunk = os.read(read_end, 256)
        if not chunk:
            break
        line += chunk
    os.close(read_end)
    if not line.strip():
        helper.kill()
        helper.wait()
        return None, None
    return helper, line.decode().strip()


class Desktop:
    """One Xvfb and one session bus for all runs, as a user's desktop has them; without a
    bus of its own, each program would start one of its own through dbus-launch."""

    def __init__(self, scratch, screen):
        self.helpers = []
        xvfb, number = start_reporting(lambda fd: [
            "Xvfb", "-displayfd", str(fd), "-screen", "0", f"{screen}x24", "-nolisten", "tcp",
            "-noreset"])
        if xvfb is None:
            sys.exit("Xvfb did not start")
        self.helpers.append(xvfb)
        self.display = ":" + number
        bus, self.bus = start_reporting(lambda fd: [
            "dbus-daemon", "--session", "--nofork", "--nopidfile", f"--print-address={fd}"])
        if bus is None:
            # An address nobody listens on keeps the programs from starting buses of their own.
            self.bus = f"unix:path={scratch}/no-session-bus"
            print("warning: dbus-daemon did not start; the programs run without a session bus",
                  flush=True)
        else:
            self.helpers.append(bus)

    def pids(self):
        return {helper.pid for helper in self.helpers}

    def stop(self):
        for helper in reversed(self.helpers):
            helper.terminate()
            try:
                helper.wait(timeout=10)
            except subprocess.TimeoutExpired:
                helper.kill()
                helper.wait()


def process_table():
    """Maps every pid to (parent pid, state) from /proc/*/stat."""
    return {pid: (fields[1], fields[0]) for pid, fields in stat_fields().items()}


def stat_fields(pids=None):
    """The fields of /proc/<pid>/stat after the command name, for pids or for all."""
    table = {}
    if pids is None:
        pids = [int(entry) for entry in os.listdir("/proc") if entry.isdigit()]
    for pid in pids:
        try:
            with open(f"/proc/{pid}/stat", "rb") as f:
                data = f.read().decode(errors="replace")
        except OSError:
            continue
        # The command name may hold spaces and brackets; the fields start after the last ')'.
        fields = data[data.rindex(")") + 2:].split()
        table[pid] = [fields[0]] + [int(field) for field in fields[1:]]
    return table


def cpu_ticks(pids, with_children=False):
    """CPU time in clock ticks that pids used, and optionally their reaped children."""
    last = 15 if with_children else 13  # utime, stime, then cutime, cstime
    return sum(sum(fields[11:last]) for fields in stat_fields(pids).values())


def descendants(roots, table):
    children = {}
    for pid, (ppid, _) in table.items():
        children.setdefault(ppid, []).append(pid)
    found, todo = [], list(roots)
    while todo:
        pid = todo.pop()
        if pid in table and pid not in found:
            found.append(pid)
            todo.extend(children.get(pid, []))
    return found


def tree_of(program_pid, helper_pids):
    """The program and everything below it, with any of its orphans that came to us."""
    table = process_table()
    me = os.getpid()
    # This script is a subreaper, so a descendant whose parent died is adopted by us
    # rather than lost; none of our other children is alive while a program runs.
    adopted = [pid for pid, (ppid, _) in table.items()
               if ppid == me and pid != program_pid and pid not in helper_pids]
    return descendants([program_pid] + adopted, table), table


def pss_kib(pid):
    try:
        with open(f"/proc/{pid}/smaps_rollup") as f:
            for line in f:
                if line.startswith("Pss:"):
                    return int(line.split()[1])
    except OSError:
        pass
    return 0


def command_name(pid):
    try:
        return Path(f"/proc/{pid}/comm").read_text().strip()
    except OSError:
        return "?"


def process_role(pid):
    """Chromium's --type= of a helper process, or "main" for the program itself."""
    try:
        # Chromium rewrites its command line as one string with spaces, not NULs.
        arguments = Path(f"/proc/{pid}/cmdline").read_bytes().replace(b"\0", b" ").split()
    except OSError:
        return "?"
    for argument in arguments:
        if argument.startswith(b"--type="):
            return argument[len(b"--type="):].decode(errors="replace")
    return "main"


def kill_tree(process, helper_pids):
    """Kills the program and all its descendants, and reaps those that became ours."""
    for _ in range(3):
        pids, _ = tree_of(process.pid, helper_pids)
        for pid in pids:
            try:
                os.kill(pid, signal.SIGKILL)
            except ProcessLookupError:
                pass
        try:
            os.killpg(process.pid, signal.SIGKILL)
        except (ProcessLookupError, PermissionError):
            pass
        try:
            process.wait(timeout=10)
        except subprocess.TimeoutExpired:
            continue
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline:
            pids, table = tree_of(process.pid, helper_pids)
            me = os.getpid()
            for pid in pids:
                if table[pid] == (me, "Z"):
                    try:
                        os.waitpid(pid, 0)
                    except ChildProcessError:
                        pass
            if not [pid for pid in pids if table[pid][1] != "Z"]:
                return True
            time.sleep(0.05)
    return False


BUSY_LIMIT = 0.15


def cpu_times():
    with open("/proc/stat") as f:
        values = [int(v) for v in f.readline().split()[1:]]
    idle = values[3] + values[4]  # idle and iowait
    return sum(values[:8]), idle


def busy_share(seconds=0.5):
    """The share of all cores busy with anything during the next seconds."""
    total_before, idle_before = cpu_times()
    time.sleep(seconds)
    total_after, idle_after = cpu_times()
    total = total_after - total_before
    return 1 - (idle_after - idle_before) / total if total else 0.0


def other_qt_programs(ours):
    """Names of the processes outside ours that map Qt's GUI or web engine libraries. Pss
    splits a shared page among all who map it, so another Qt WebEngine program (a test next
    door) lowers our reading by tens of MiB; a program with QtCore alone moves it by little."""
    names = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit() or int(entry) in ours:
            continue
        try:
            with open(f"/proc/{entry}/maps", "rb") as f:
                maps = f.read()
                if b"/libQt6Gui" in maps or b"/libQt6WebEngine" in maps:
                    names.append(command_name(int(entry)))
        except OSError:
            continue
    return sorted(names)


def others_share(program_pid, helper_pids, ours, ours_before, machine_before):
    """The share of all cores that processes other than the program, its helpers and this
    script used since machine_before: work that competed with the start-up."""
    total_after, idle_after = cpu_times()
    pids, _ = tree_of(program_pid, helper_pids)
    total = total_after - machine_before[0]
    busy = total - (idle_after - machine_before[1])
    mine = cpu_ticks(pids, with_children=True) + cpu_ticks(ours) - ours_before
    return max(0.0, busy - mine) / total if total else 0.0


def disturbed(outcome):
    return any(outcome.get(key) is not None and outcome[key] > BUSY_LIMIT
               for key in ("busy_before", "others_during"))


def wait_for_quiet(limit):
    """Waits up to limit seconds until nothing else computes or runs Qt on the machine,
    because a compile next door shifts start-up times by far more than the differences
    measured. Returns the busy share last seen."""
    deadline = time.monotonic() + limit
    while True:
        share = busy_share()
        if (share <= BUSY_LIMIT and not other_qt_programs({os.getpid()})) \
                or time.monotonic() >= deadline:
            return share


class Side:
    """One of the two programs compared."""

    def __init__(self, label, executable, quorttrans_folder=None):
        self.label = label
        self.executable = Path(executable)
        self.folder = Path(quorttrans_folder) if quorttrans_folder else None
        self.results = []
        self.failures = []

    def prepare(self, run_dir, address):
        """Returns (argv, working folder) for one run in the fresh folder run_dir."""
        if self.folder is None:
            return [str(self.executable), address], run_dir
        program = run_dir / "program"
        shutil.copytree(self.folder, program, symlinks=True)
        data = program / "Data"
        data.mkdir(exist_ok=True)
        # The build's program folder also holds what earlier runs of it left there (the
        # window placement of a larger screen, a history ...); a first start has only
        # what the build ships.
        shipped = {entry.name.lower() for entry in (REPO / "data" / "Data").iterdir()}
        for entry in data.iterdir():
            if entry.name.lower() not in shipped and entry.is_file():
                entry.unlink()
        # Bar style, floating bars, two spares, home address, language: the page opens
        # as the home page at start-up.
        lines = ["1", "0", "0", "0", address, "English"]
        (data / "quortspeak.Opt").write_bytes("".join(line + CRLF for line in lines).encode())
        return [str(program / self.executable.name)], program


def run_once(side, index, counted, args, recorder, address, desktop, log_dir):
    run_dir = Path(tempfile.mkdtemp(prefix="quorttrans-bench-"))
    log_path = log_dir / f"{side.label}-{'run' if counted else 'warmup'}{index}.log"
    process = None
    outcome = {"run": index, "counted": counted}
    try:
        argv, cwd = side.prepare(run_dir, address)
        home = run_dir / "home"
        runtime = run_dir / "runtime"
        home.mkdir()
        runtime.mkdir(mode=0o700)
        env = dict(os.environ)
        env.pop("WAYLAND_DISPLAY", None)
        # A fresh home for each run: no profile, cache or settings carries over between runs.
        env.update({
            "HOME": str(home),
            "XDG_CONFIG_HOME": str(home / ".config"),
            "XDG_CACHE_HOME": str(home / ".cache"),
            "XDG_DATA_HOME": str(home / ".local" / "share"),
            "XDG_RUNTIME_DIR": str(runtime),
            "DISPLAY": desktop.display,
            "DBUS_SESSION_BUS_ADDRESS": desktop.bus,
            "QT_QPA_PLATFORM": "xcb",
            "QTWEBENGINE_CHROMIUM_FLAGS": "--disable-gpu --no-sandbox",
        })
        outcome["busy_before"] = wait_for_quiet(args.quiet_wait) if args.quiet_wait > 0 else None
        ours = desktop.pids() | {os.getpid()}
        ours_before = cpu_ticks(ours)
        machine_before = cpu_times()
        with open(log_path, "wb") as log:
            recorder.arm()
            started = time.monotonic()
            process = subprocess.Popen(argv, cwd=cwd, env=env, stdin=subprocess.DEVNULL,
                                       stdout=log, stderr=subprocess.STDOUT,
                                       start_new_session=True)
        while not recorder.loaded.wait(0.05):
            if process.poll() is not None:
                outcome["error"] = (f"exited with code {process.returncode} before loading "
                                    f"the page (log: {log_path})")
                return outcome
            if time.monotonic() - started > args.timeout:
                outcome["error"] = (f"did not load the page within {args.timeout:g} s "
                                    f"(log: {log_path})")
                return outcome
        recorder.disarm()
        outcome["others_during"] = others_share(process.pid, desktop.pids(), ours,
                                                ours_before, machine_before)
        outcome["startup_ms"] = (recorder.loaded_at - started) * 1000
        outcome["page_requested_ms"] = ((recorder.page_at - started) * 1000
                                        if recorder.page_at is not None else None)
        time.sleep(args.settle)
        if process.poll() is not None:
            outcome["error"] = (f"exited with code {process.returncode} during the settle "
                                f"time (log: {log_path})")
            return outcome
        pids, table = tree_of(process.pid, desktop.pids())
        live = [pid for pid in pids if table[pid][1] != "Z"]
        outcome["per_process"] = [{"name": command_name(pid), "role": process_role(pid),
                                   "pss_kib": pss_kib(pid)} for pid in live]
        outcome["pss_kib"] = sum(entry["pss_kib"] for entry in outcome["per_process"])
        outcome["shared_with"] = other_qt_programs(set(pids) | {os.getpid()})
        outcome["processes"] = sorted(command_name(pid) for pid in live)
        return outcome
    finally:
        recorder.disarm()
        if process is not None and not kill_tree(process, desktop.pids()):
            print(f"  warning: processes of {side.label} survived the kill", flush=True)
        shutil.rmtree(run_dir, ignore_errors=True)


def build_bench(build_dir):
    if not (build_dir / "build.ninja").exists():
        subprocess.run(["cmake", "-S", str(REPO / "bench"), "-B", str(build_dir), "-G", "Ninja",
                        "-DCMAKE_BUILD_TYPE=RelWithDebInfo"], check=True,
                       stdout=subprocess.DEVNULL)
    subprocess.run(["cmake", "--build", str(build_dir)], check=True, stdout=subprocess.DEVNULL)


def resolve_program(path):
    """A folder, or an executable beside Data/ or languages/, is started the QuortTrans way;
    any other executable gets the address as its first argument, like the bare browser."""
    path = Path(path).resolve()
    if path.is_dir():
        return path / "quorttrans", path
    if (path.parent / "Data").is_dir() or (path.parent / "languages").is_dir():
        return path, path.parent
    return path, None


def busy_note(outcome):
    notes = []
    share = outcome.get("busy_before")
    if share is not None and share > BUSY_LIMIT:
        notes.append(f"machine {share:.0%} busy at start")
    share = outcome.get("others_during")
    if share is not None and share > BUSY_LIMIT:
        notes.append(f"other work took {share:.0%} of the CPU during start-up")
    if outcome.get("shared_with"):
        notes.append("Qt shared with " + describe_processes(outcome["shared_with"]))
    return f" [{'; '.join(notes)}]" if notes else ""


def describe_processes(names):
    counts = {}
    for name in names:
        counts[name] = counts.get(name, 0) + 1
    return ", ".join(f"{n}×{c}" if c > 1 else n for n, c in sorted(counts.items()))


def summary(side):
    ok = side.results
    if not ok:
        return None
    # A run that other work competed with reads slow; leave such runs out of the start-up
    # figure when at least three ran on a quiet machine.
    quiet = [r for r in ok if not disturbed(r)]
    timed = quiet if len(quiet) >= min(3, len(ok)) else ok
    startup = [r["startup_ms"] for r in timed]
    # Runs during which another Qt program shared the libraries read low; leave them out
    # of the memory figure when there are runs without.
    unshared = [r for r in ok if not r["shared_with"]]
    pss = [r["pss_kib"] / 1024 for r in unshared or ok]
    page = [r["page_requested_ms"] for r in timed if r["page_requested_ms"] is not None]
    return {
        "runs": len(ok),
        "failed": len(side.failures),
        "startup_runs_quiet": len(quiet),
        "startup_runs_used": len(startup),
        "startup_ms_median": statistics.median(startup),
        "startup_ms_min": min(startup),
        "startup_ms_max": max(startup),
        "page_requested_ms_median": statistics.median(page) if page else None,
        "pss_runs_alone": len(unshared),
        "pss_mib_median": statistics.median(pss),
        "pss_mib_min": min(pss),
        "pss_mib_max": max(pss),
        "processes": describe_processes(ok[-1]["processes"]),
    }


def interrupt(signum, frame):
    raise KeyboardInterrupt


def runs(count):
    return f"{count} run" if count == 1 else f"{count} runs"


def verdict(ratio, target):
    return "within" if ratio <= target else "OVER"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", default=str(REPO / "build" / "program"),
                        help="QuortTrans's program folder or executable (default: %(default)s)")
    parser.add_argument("--bare", default=str(REPO / "build-bench" / "barebrowser"),
                        help="the bare browser (default: %(default)s)")
    parser.add_argument("--bare-only", action="store_true",
                        help="run the bare browser on both sides, to check the tooling")
    parser.add_argument("--runs", type=int, default=11, help="counted runs of each (default 11)")
    parser.add_argument("--warmup", type=int, default=1,
                        help="uncounted runs of each first (default 1)")
    parser.add_argument("--timeout", type=float, default=30,
                        help="seconds a run may take to load the page (default 30)")
    parser.add_argument("--settle", type=float, default=3,
                        help="seconds between the load and the memory reading (default 3)")
    parser.add_argument("--quiet-wait", type=float, default=60,
                        help="seconds to wait before each run for other work on the machine "
                        "to stop (default 60, 0 to not wait)")
    # QuortTrans fills the screen at its first start and the bare browser's window is
    # 1280x800: a screen of that size gives both the same number of pixels to draw.
    parser.add_argument("--screen", default="1280x800",
                        help="size of the Xvfb screen, WIDTHxHEIGHT (default %(default)s)")
    parser.add_argument("--no-build", action="store_true", help="do not build bench/ first")
    parser.add_argument("--json", help="also write every figure to this file")
    args = parser.parse_args()
    if args.runs < 1:
        parser.error("--runs must be at least 1")
    width, _, height = args.screen.partition("x")
    if not (width.isdigit() and height.isdigit()):
        parser.error("--screen must be WIDTHxHEIGHT, such as 1280x800")

    build_dir = Path(args.bare).resolve().parent
    if not args.no_build:
        build_bench(build_dir)
    bare = Side("bare", Path(args.bare).resolve())
    if args.bare_only:
        other = Side("bare-B", bare.executable)
    else:
        executable, folder = resolve_program(args.program)
        other = Side(executable.name, executable, folder)
    for side in (bare, other):
        if not os.access(side.executable, os.X_OK):
            sys.exit(f"{side.executable} is missing; build it first (see bench/README.md)")
    if args.runs < 5:
        print(f"warning: medians of {args.runs} runs are rough; use at least 5", flush=True)

    # A stop from outside still kills the running program and the desktop.
    signal.signal(signal.SIGTERM, interrupt)
    signal.signal(signal.SIGHUP, interrupt)
    # Adopt any descendant whose parent dies, so it is measured and killed, not lost.
    libc = ctypes.CDLL(None, use_errno=True)
    if libc.prctl(36, 1, 0, 0, 0) != 0:  # PR_SET_CHILD_SUBREAPER
        print("warning: cannot become a subreaper; orphans escape the count", flush=True)

    log_dir = build_dir / "bench-logs"
    shutil.rmtree(log_dir, ignore_errors=True)
    log_dir.mkdir(parents=True)
    recorder = Recorder()
    server = make_server(recorder)
    address = f"http://127.0.0.1:{server.server_address[1]}/"
    scratch = tempfile.mkdtemp(prefix="quorttrans-bench-desktop-")
    desktop = Desktop(scratch, args.screen)
    print(f"page {address}, Xvfb {desktop.display} ({args.screen}), {args.warmup} warm-up + "
          f"{args.runs} runs each", flush=True)
    try:
        schedule = [(i, False) for i in range(1, args.warmup + 1)]
        schedule += [(i, True) for i in range(1, args.runs + 1)]
        for index, counted in schedule:
            for side in (bare, other):
                outcome = run_once(side, index, counted, args, recorder, address, desktop,
                                   log_dir)
                kind = "run" if counted else "warm-up"
                if "error" in outcome:
                    print(f"{side.label:>12} {kind} {index}: {outcome['error']}", flush=True)
                    if counted:
                        side.failures.append(outcome)
                    continue
                page = outcome["page_requested_ms"]
                page = "?" if page is None else f"{page:.0f}"
                print(f"{side.label:>12} {kind} {index}: start-up {outcome['startup_ms']:7.0f} ms"
                      f" (page asked at {page} ms), Pss {outcome['pss_kib'] / 1024:6.1f} MiB"
                      f" in {len(outcome['processes'])} processes{busy_note(outcome)}",
                      flush=True)
                if counted:
                    side.results.append(outcome)
    except KeyboardInterrupt:
        print("interrupted", flush=True)
    finally:
        desktop.stop()
        shutil.rmtree(scratch, ignore_errors=True)
        server.shutdown()

    figures = {side.label: summary(side) for side in (bare, other)}
    print(f"\n{'program':>12} {'runs':>4}  {'start-up ms':>11} {'(min-max)':<13} "
          f"{'page asked':>10}  {'Pss MiB':>7} {'(min-max)':<15} processes")
    for side in (bare, other):
        s = figures[side.label]
        if s is None:
            if side.failures:
                print(f"{side.label:>12}  never loaded the page: {side.failures[0]['error']}")
            else:
                print(f"{side.label:>12}  no run measured")
            continue
        page = s["page_requested_ms_median"]
        page = "?" if page is None else f"{page:.0f}"
        startup_range = f"({s['startup_ms_min']:.0f}-{s['startup_ms_max']:.0f})"
        pss_range = f"({s['pss_mib_min']:.1f}-{s['pss_mib_max']:.1f})"
        print(f"{side.label:>12} {s['runs']:>4}  {s['startup_ms_median']:>11.0f} "
              f"{startup_range:<13} {page:>10}  {s['pss_mib_median']:>7.1f} {pss_range:<15} "
              f"{s['processes']}")
        if s["failed"]:
            print(f"{'':>14}{runs(s['failed'])} failed")
        if s["runs"] < 5:
            print(f"{'':>14}warning: only {runs(s['runs'])} counted")
        if s["startup_runs_used"] < s["runs"]:
            print(f"{'':>14}start-up from the {runs(s['startup_runs_used'])} without other work "
                  "on the machine")
        elif s["startup_runs_quiet"] < s["runs"]:
            print(f"{'':>14}warning: {runs(s['runs'] - s['startup_runs_quiet'])} had other work "
                  "on the machine; start-up may read slow")
        if s["pss_runs_alone"] == 0:
            print(f"{'':>14}warning: other Qt programs ran during every run; Pss reads low")
        elif s["pss_runs_alone"] < s["runs"]:
            print(f"{'':>14}Pss from the {runs(s['pss_runs_alone'])} without other Qt programs")

    status = 0
    a, b = figures[bare.label], figures[other.label]
    if a and b:
        startup_ratio = b["startup_ms_median"] / a["startup_ms_median"]
        memory_ratio = b["pss_mib_median"] / a["pss_mib_median"]
        figures["ratios"] = {"startup": startup_ratio, "memory": memory_ratio}
        print(f"\n{other.label}/{bare.label}: start-up {startup_ratio:.3f} "
              f"({verdict(startup_ratio, STARTUP_TARGET)} target {STARTUP_TARGET}), "
              f"memory {memory_ratio:.3f} ({verdict(memory_ratio, MEMORY_TARGET)} target "
              f"{MEMORY_TARGET})")
    else:
        status = 1
    if args.json:
        detail = {side.label: {"summary": figures[side.label], "runs": side.results,
                               "failures": side.failures} for side in (bare, other)}
        detail["ratios"] = figures.get("ratios")
        Path(args.json).write_text(json.dumps(detail, indent=2) + "\n")
    return status


if __name__ == "__main__":
    sys.exit(main())
