"""Drives the built QuortTrans from outside, as a user would.

A test gets: a loopback web server with the pages it registers, a private X display (Xvfb)
with a window manager, a private D-Bus session with the accessibility bus, and a copy of
the program folder of its own. It starts the program there, reads what the window shows
through AT-SPI (pyatspi), and acts with real X input (xdotool).

Run with Debian's /usr/bin/python3: pyatspi is installed for it only. By hand:

    /usr/bin/python3 tests/e2e/test_browse.py --program-dir build/program
        --artifacts /tmp/e2e-artifacts [unittest options, e.g. a test name]

Screenshots, the program's output and the user files after each run are kept in the
artefacts folder, one subfolder per script.
"""

import argparse
import html
import http.server
import os
import select
import shutil
import signal
import struct
import subprocess
import sys
import tempfile
import threading
import time
import unittest
import urllib.parse
import warnings
import zlib
from dataclasses import dataclass

SCREEN_WIDTH = 1600
SCREEN_HEIGHT = 1000
# Xvfb is told its resolution, so a pixel is 15 twips as the program counts them.
SCREEN_DPI = 96
TWIPS_PER_PIXEL = 1440 // SCREEN_DPI

START_TIMEOUT = 60
WAIT_TIMEOUT = 30
EXIT_TIMEOUT = 30
# How long a user looks at a page before typing a new address.
TYPING_PAUSE = 2.5

# Files the program writes for its user; a fresh program folder has none of them.
USER_FILES = ("quortspeak.opt", "quortspeak.ini", "quortspeak.hys", "quortbook.bm")

PROGRAM_DIR = None
ARTIFACTS_DIR = None
# Imported by Session.start, once the session's buses are known.
pyatspi = None


def parse_arguments():
    """Reads --program-dir and --artifacts; the rest is left to unittest."""
    global PROGRAM_DIR, ARTIFACTS_DIR
    parser = argparse.ArgumentParser(add_help=False)
    parser.add_argument("--program-dir", required=True)
    parser.add_argument("--artifacts", required=True)
    options, rest = parser.parse_known_args()
    PROGRAM_DIR = os.path.abspath(options.program_dir)
    ARTIFACTS_DIR = os.path.abspath(options.artifacts)
    os.makedirs(ARTIFACTS_DIR, exist_ok=True)
    return [sys.argv[0]] + rest


def main():
    argv = parse_arguments()
    unittest.main(module="__main__", argv=argv, verbosity=2)


# --------------------------------------------------------------------------- waiting


class ProgramEnded(AssertionError):
    """The program ended while a test still waited for something of it."""


def wait_until(what, condition, timeout=WAIT_TIMEOUT, interval=0.2):
    """Polls condition until it returns something true; fails naming what was awaited
    and what was seen last."""
    deadline = time.monotonic() + timeout
    last, error = None, None
    while True:
        try:
            last = condition()
            error = None
            if last:
                return last
        except ProgramEnded:
            raise
        except Exception as exc:  # the window may be between states; try again
            error = exc
        if time.monotonic() > deadline:
            seen = f"; last error: {error!r}" if error else f"; last seen: {last!r}"
            raise AssertionError(f"waited {timeout} s for {what}{seen}")
        time.sleep(interval)


def wait_equal(what, read, expected, timeout=WAIT_TIMEOUT):
    """Polls read() until it equals expected; fails with the last value read."""
    box = {}

    def check():
        box["value"] = read()
        return box["value"] == expected

    try:
        wait_until(what, check, timeout)
    except AssertionError:
        raise AssertionError(
            f"{what}: expected {expected!r}, last seen {box.get('value')!r} "
            f"(waited {timeout} s)") from None
    return box["value"]


# --------------------------------------------------------------------------- web server


def png(width, height, rgb):
    """A PNG of one colour, made here so the pages need nothing from outside."""
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    row = b"\x00" + bytes(rgb) * width
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(row * height))
            + chunk(b"IEND", b""))


@dataclass
class Request:
    method: str
    path: str
    time: float
    # The raw query string, as it came (percent-encoded).
    query: str = ""


class PageServer:
    """Pages on 127.0.0.1 that a test registers, and a record of every request.

    The program is also told to use this server as its proxy: a request for any address
    outside 127.0.0.1 then arrives here instead of leaving the machine, and is kept in
    `foreign` so a test can tell."""

    def __init__(self):
        self._pages = {}
        self._answers = {}
        self._gates = {}
        self._lock = threading.Condition()
        self.requests = []
        self.foreign = []
        self._server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), self._handler())
        self._server.daemon_threads = True
        self.port = self._server.server_address[1]
        self.host = f"127.0.0.1:{self.port}"
        self._thread = threading.Thread(target=self._server.serve_forever, daemon=True)

    def start(self):
        self._thread.start()
        return self

    def stop(self):
        for gate in self._gates.values():
            gate.set()
        self._server.shutdown()
        self._server.server_close()

    def url(self, path):
        return f"http://{self.host}{path}"

    def add_page(self, path, title, text="", links=()):
        """A page with a title, a heading of the same text, a paragraph and links
        given as (label, path) pairs. "{visit}" in the text becomes the number of this
        request for the page, so each copy of a page on screen can be told apart."""
        self._pages[path] = (title, text, tuple(links))

    def add_answer(self, path, body, content_type="text/html; charset=utf-8"):
        """A fixed answer to path, whatever its query; the query is kept in `requests`.
        Text is sent as UTF-8, bytes as they are."""
        self._answers[path] = (body.encode("utf-8") if isinstance(body, str) else body,
                               content_type)

    def add_picture(self, path, width, height, rgb):
        """A PNG of one colour at path."""
        self.add_answer(path, png(width, height, rgb), "image/png")

    def requests_for(self, path):
        with self._lock:
            return [r for r in self.requests if r.path == path]

    def _page(self, path, visit):
        title, text, links = self._pages[path]
        items = "".join(
            f'<li><a href="{html.escape(href)}">{html.escape(label)}</a></li>'
            for label, href in links)
        body = (f"<!DOCTYPE html><html><head><meta charset=\"utf-8\">"
                f"<title>{html.escape(title)}</title></head><body>"
                f"<h1>{html.escape(title)}</h1>"
                f"<p>{html.escape(text.replace('{visit}', str(visit)))}</p>"
                f"<ul>{items}</ul></body></html>")
        return body.encode("utf-8")

    def hold(self, path):
        """Answers to path wait until the returned event is set, so a test can look at
        the window while that page is still loading."""
        gate = threading.Event()
        self._gates[path] = gate
        return gate

    def count(self, path):
        with self._lock:
            return sum(1 for r in self.requests if r.path == path)

    def wait_for_count(self, path, count, timeout=WAIT_TIMEOUT):
        """Waits until path has been asked for at least count times."""
        with self._lock:
            if not self._lock.wait_for(lambda: self._count_locked(path) >= count, timeout):
                raise AssertionError(
                    f"the server got {path} {self._count_locked(path)} times, expected "
                    f"{count} within {timeout} s; requests so far: "
                    f"{[r.path for r in self.requests]}")

    def _count_locked(self, path):
        return sum(1 for r in self.requests if r.path == path)

    def _record(self, method, target):
        parsed = urllib.parse.urlsplit(target)
        if parsed.scheme or method == "CONNECT":
            # A proxy request; our own host may come this way too.
            if parsed.netloc != self.host:
                with self._lock:
                    self.foreign.append(Request(method, target, time.monotonic()))
                return None
        path = parsed.path or "/"
        with self._lock:
            self.requests.append(Request(method, path, time.monotonic(), parsed.query))
            self._lock.notify_all()
        return path

    def _handler(self):
        server = self

        class Handler(http.server.BaseHTTPRequestHandler):
            protocol_version = "HTTP/1.1"

            def do_GET(self):
                path = server._record("GET", self.path)
                if path is None:
                    self.send_error(403, "Outside 127.0.0.1")
                    return
                gate = server._gates.get(path)
                if gate is not None:
                    gate.wait(WAIT_TIMEOUT * 2)
                if path in server._answers:
                    body, content_type = server._answers[path]
                elif path in server._pages:
                    body = server._page(path, server.count(path))
                    content_type = "text/html; charset=utf-8"
                else:
                    self.send_error(404)
                    return
                self.send_response(200)
                self.send_header("Content-Type", content_type)
                self.send_header("Content-Length", str(len(body)))
                # Every visit, reload or tab opening must reach the server.
                self.send_header("Cache-Control", "no-store")
                self.end_headers()
                self.wfile.write(body)

            def do_CONNECT(self):
                server._record("CONNECT", self.path)
                self.send_error(403, "Outside 127.0.0.1")

            do_POST = do_GET
            do_HEAD = do_GET

            def log_message(self, *args):
                pass

        return Handler


# --------------------------------------------------------------------------- processes


def _kill_group(process, grace=5):
    """Ends a process started in its own session, with everything it started."""
    if process is None:
        return
    for sig, wait in ((signal.SIGTERM, grace), (signal.SIGKILL, 5)):
        try:
            os.killpg(process.pid, sig)
        except ProcessLookupError:
            pass
        try:
            process.wait(wait)
            return
        except subprocess.TimeoutExpired:
            continue


def group_members(pgid):
    """Live processes (not zombies) of a process group."""
    members = []
    for entry in os.listdir("/proc"):
        if not entry.isdigit():
            continue
        try:
            with open(f"/proc/{entry}/stat") as stat:
                fields = stat.read().rsplit(")", 1)[1].split()
        except OSError:
            continue
        state, pgrp = fields[0], int(fields[2])
        if pgrp == pgid and state != "Z":
            members.append(int(entry))
    return members


class Session:
    """One private desktop: Xvfb, openbox, a D-Bus session bus and the AT-SPI bus it
    starts on demand. Everything lives below a temporary folder that is removed at the
    end, and every process is ended, also after a failure."""

    def __init__(self, name, screen=(SCREEN_WIDTH, SCREEN_HEIGHT)):
        self.name = name
        self.screen = screen
        # Each run leaves its own artefacts, not a mix with the last run's.
        self.artifacts = os.path.join(ARTIFACTS_DIR, name)
        shutil.rmtree(self.artifacts, ignore_errors=True)
        os.makedirs(self.artifacts)
        self.root = tempfile.mkdtemp(prefix="quort-e2e-")
        self.display = None
        self.env = None
        self._processes = []
        self._programs = []
        self._shots = 0

    # -- start and stop

    def start(self):
        try:
            self._start()
        except BaseException:
            self.stop()
            raise
        return self

    def _start(self):
        home = os.path.join(self.root, "home")
        runtime = os.path.join(self.root, "runtime")
        for folder in (home, runtime):
            os.makedirs(folder, mode=0o700)
        env = dict(os.environ)
        # An accessibility bus or desktop from outside must not leak in.
        for name in ("AT_SPI_BUS_ADDRESS", "DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY",
                     "NO_AT_BRIDGE", "QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS",
                     "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_ACCESSIBILITY", "SESSION_MANAGER"):
            env.pop(name, None)
        env.update({
            "HOME": home,
            "XDG_RUNTIME_DIR": runtime,
            "XDG_CONFIG_HOME": os.path.join(home, ".config"),
            "XDG_CACHE_HOME": os.path.join(home, ".cache"),
            "XDG_DATA_HOME": os.path.join(home, ".local", "share"),
            "QT_QPA_PLATFORM": "xcb",
            "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1",
            # The page's own tree too, so a test can read what the page shows.
            "QTWEBENGINE_ENABLE_LINUX_ACCESSIBILITY": "1",
            "QTWEBENGINE_CHROMIUM_FLAGS": os.environ.get(
                "QTWEBENGINE_CHROMIUM_FLAGS", "--disable-gpu --no-sandbox"),
        })

        read_end, write_end = os.pipe()
        xvfb = self.spawn("xvfb", [
            "Xvfb", "-displayfd", str(write_end), "-screen", "0",
            f"{self.screen[0]}x{self.screen[1]}x24", "-dpi", str(SCREEN_DPI),
            "-nolisten", "tcp", "-noreset"], env, pass_fds=(write_end,))
        os.close(write_end)
        try:
            number = self._read_line(read_end, "Xvfb's display number", xvfb)
        finally:
            os.close(read_end)
        self.display = f":{number}"
        env["DISPLAY"] = self.display

        bus = self.spawn("dbus", ["dbus-daemon", "--session", "--nofork", "--nopidfile",
                                  "--print-address=1"], env, stdout=subprocess.PIPE)
        env["DBUS_SESSION_BUS_ADDRESS"] = self._read_line(
            bus.stdout.fileno(), "the session bus address", bus)
        bus.stdout.close()
        self.env = env

        self.spawn("openbox", ["openbox", "--sm-disable"], env)
        wait_until("the window manager", lambda: self.run(
            ["wmctrl", "-m"], check=False).returncode == 0, timeout=20)

        # pyatspi talks to this session from now on; it is imported only here, after the
        # environment names the session's buses.
        for name in ("AT_SPI_BUS_ADDRESS",):
            os.environ.pop(name, None)
        os.environ["DISPLAY"] = self.display
        os.environ["DBUS_SESSION_BUS_ADDRESS"] = env["DBUS_SESSION_BUS_ADDRESS"]
        global pyatspi
        with warnings.catch_warnings():
            warnings.simplefilter("ignore", ImportWarning)
            import pyatspi  # noqa: F401 (used by the module's helpers)
        # pyatspi calls libatspi functions that warn of their age on every use. Set
        # here, as unittest resets the filters before the tests run.
        warnings.filterwarnings("ignore", category=DeprecationWarning, module="pyatspi")
        pyatspi.setTimeout(10000, 20000)

    def end_programs(self):
        """Ends every program run still going, for example after a failed check; the
        screen is kept first, to show where it stood."""
        running = [program for program in self._programs if program.running()]
        if running:
            self.screenshot("left-running")
        for program in self._programs:
            _kill_group(program.process)
        self._programs.clear()

    def stop(self):
        self.end_programs()
        for process in reversed(self._processes):
            _kill_group(process)
        self._processes.clear()
        shutil.rmtree(self.root, ignore_errors=True)

    def log_path(self, name):
        return os.path.join(self.artifacts, f"{name}.log")

    def spawn(self, name, command, env, stdout=None, pass_fds=()):
        """Starts a process in a session of its own, so that it and everything it
        starts can be ended together; its output goes to <name>.log."""
        with open(self.log_path(name), "ab") as log:
            process = subprocess.Popen(
                command, env=env, cwd=self.root, start_new_session=True,
                pass_fds=pass_fds, stdout=stdout or log, stderr=subprocess.STDOUT
                if stdout is None else log)
        self._processes.append(process)
        return process

    @staticmethod
    def _read_line(fd, what, process, timeout=20):
        data = b""
        deadline = time.monotonic() + timeout
        while not data.endswith(b"\n"):
            remaining = deadline - time.monotonic()
            if remaining <= 0 or not select.select([fd], [], [], remaining)[0]:
                raise AssertionError(f"no {what} within {timeout} s")
            chunk = os.read(fd, 256)
            if not chunk:
                raise AssertionError(f"no {what}: the process ended with "
                                     f"{process.poll()}")
            data += chunk
        return data.decode().strip()

    # -- tools

    def run(self, command, check=True, timeout=WAIT_TIMEOUT):
        result = subprocess.run(command, env=self.env, capture_output=True, text=True,
                                timeout=timeout)
        if check and result.returncode != 0:
            raise AssertionError(f"{' '.join(command)} failed ({result.returncode}): "
                                 f"{result.stderr.strip()}")
        return result

    def click(self, x, y, button=1):
        """A real pointer click at screen position x, y."""
        # One xdotool call keeps move and click in order; its --sync would wait for ever
        # when the pointer is already there.
        self.run(["xdotool", "mousemove", str(int(x)), str(int(y)), "click", str(button)])

    def key(self, *keys):
        self.run(["xdotool", "key", "--clearmodifiers", *keys])

    def type(self, text):
        self.run(["xdotool", "type", "--clearmodifiers", "--delay", "30", text])

    def screenshot(self, label):
        """The whole screen as a PNG in the artefacts folder; returns its path."""
        self._shots += 1
        path = os.path.join(self.artifacts, f"{self._shots:02d}-{label}.png")
        self.run(["import", "-window", "root", path])
        return path

    def region(self, label, box):
        """A part of the screen (x, y, width, height): saved as a PNG in the artefacts
        folder, and returned as its raw RGB bytes."""
        x, y, width, height = (int(v) for v in box)
        self._shots += 1
        path = os.path.join(self.artifacts, f"{self._shots:02d}-{label}.png")
        geometry = f"{width}x{height}+{x}+{y}"
        self.run(["import", "-window", "root", "-crop", geometry, "+repage", path])
        raw = subprocess.run(["import", "-window", "root", "-crop", geometry, "+repage",
                              "-depth", "8", "rgb:-"], env=self.env, capture_output=True,
                             timeout=WAIT_TIMEOUT, check=True).stdout
        if len(raw) != width * height * 3:
            raise AssertionError(f"{label}: {len(raw)} bytes for a {geometry} region")
        return raw

    def program_folder(self, name):
        """A copy of the built program folder without any user file."""
        folder = os.path.join(self.root, name)
        shutil.copytree(PROGRAM_DIR, folder, symlinks=True)
        data = os.path.join(folder, "Data")
        for entry in os.listdir(data):
            if entry.lower() in USER_FILES or entry.lower() in ("html.txt", "doc.txt"):
                os.remove(os.path.join(data, entry))
        for entry in os.listdir(folder):
            if entry.lower() == "links":
                shutil.rmtree(os.path.join(folder, entry))
        return ProgramFolder(folder)


class ProgramTestCase(unittest.TestCase):
    """A test class whose tests share one desktop (SESSION names it, SCREEN is its size)
    and each get a page server of their own; the programs a test started are ended after
    it."""

    SESSION = None
    SCREEN = (SCREEN_WIDTH, SCREEN_HEIGHT)

    @classmethod
    def setUpClass(cls):
        cls.session = Session(cls.SESSION, cls.SCREEN).start()
        cls.addClassCleanup(cls.session.stop)

    def setUp(self):
        self.server = PageServer().start()
        self.addCleanup(self.server.stop)
        self.addCleanup(self.session.end_programs)


def captions(language):
    """The captions of a language file of the built program, caption n at index n: the
    n-th line that begins with a double quote."""
    path = os.path.join(PROGRAM_DIR, "languages", f"Trans_{language}.txt")
    texts = [None]
    with open(path, encoding="utf-8") as source:
        for line in source.read().splitlines():
            line = line.strip(" ")
            if line.startswith('"'):
                texts.append(line[1:-1] if len(line) >= 2 else "")
    return texts


def differing_share(first, second):
    """The share of pixels that differ between two RGB byte strings of one size."""
    if len(first) != len(second):
        return 1.0
    pixels = len(first) // 3
    differing = sum(1 for i in range(0, len(first), 3) if first[i:i + 3] != second[i:i + 3])
    return differing / pixels if pixels else 0.0


# --------------------------------------------------------------------------- user files


class ProgramFolder:
    """The program's own folder, where it keeps its user files."""

    def __init__(self, path):
        self.path = path
        self.executable = os.path.join(path, "quorttrans")

    def data_file(self, name):
        return os.path.join(self.path, "Data", name)

    def write_lines(self, name, lines):
        with open(self.data_file(name), "wb") as out:
            out.write("".join(line + "\r\n" for line in lines).encode("utf-8"))

    def read_lines(self, name):
        """The file's lines; every line must end in CR LF."""
        with open(self.data_file(name), "rb") as source:
            data = source.read()
        if not data:
            return []
        if not data.endswith(b"\r\n"):
            raise AssertionError(f"{name} does not end with CR LF: {data[-20:]!r}")
        lines = data[:-2].split(b"\r\n")
        for line in lines:
            if b"\n" in line or b"\r" in line:
                raise AssertionError(f"{name} has a line not ended by CR LF: {line!r}")
        return [line.decode("utf-8") for line in lines]

    def keep(self, artifacts, label):
        """Copies the user files into the artefacts folder, for a look after the run."""
        target = os.path.join(artifacts, label)
        os.makedirs(target, exist_ok=True)
        for entry in os.listdir(os.path.join(self.path, "Data")):
            if entry.lower() in USER_FILES:
                shutil.copy(os.path.join(self.path, "Data", entry), target)


# --------------------------------------------------------------------------- the program


def _walk(node, skip_web=True):
    """Depth-first walk of an accessible tree; the web page's own tree is skipped. A node
    that goes away during the walk (a notice closing) ends its branch."""
    try:
        count = node.childCount
        web = skip_web and node.getRole() == pyatspi.ROLE_DOCUMENT_WEB
    except Exception:
        return
    yield node
    if web:
        return
    for i in range(count):
        try:
            child = node.getChildAtIndex(i)
        except Exception:
            continue
        if child is not None:
            yield from _walk(child, skip_web)


def role_name(role):
    return str(role).replace("ROLE_", "").replace("_", " ").lower()


def extents(node):
    box = node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def centre(node):
    x, y, width, height = extents(node)
    return x + width // 2, y + height // 2


def has_state(node, state):
    return node.getState().contains(state)


def on_screen(node):
    """Whether node and every widget around it are showing. The web engine marks its
    page as showing even while the widget that holds it is hidden, so the widgets up
    the tree decide."""
    try:
        while node is not None and node.getRole() != pyatspi.ROLE_APPLICATION:
            if not has_state(node, pyatspi.STATE_SHOWING):
                return False
            node = node.parent
    except Exception:
        return False  # gone meanwhile, so not on the screen
    return True


class Program:
    """One run of the built program in a program folder."""

    def __init__(self, session, folder, label):
        self.session = session
        self.folder = folder
        self.label = label
        self.process = None
        self.window_id = None
        self._app = None

    def start(self, proxy=None, extra_env=None, arguments=()):
        """Starts the program; arguments follow its name on the command line, as the
        desktop passes an address."""
        env = dict(self.session.env)
        env.update(extra_env or {})
        if proxy is not None:
            # Anything outside 127.0.0.1 goes to the test's server instead of away.
            env["QTWEBENGINE_CHROMIUM_FLAGS"] += (
                f" --proxy-server=http://{proxy.host} --proxy-bypass-list=127.0.0.1")
        # Started from elsewhere: the program must find its files in its own folder.
        self.process = self.session.spawn(self.label, [self.folder.executable, *arguments],
                                          env)
        self.session._programs.append(self)
        return self

    def check_running(self):
        if not self.running():
            raise ProgramEnded(f"the program ended with {self.process.returncode}; its "
                               f"output is in {self.session.log_path(self.label)}")

    @property
    def pid(self):
        return self.process.pid

    def running(self):
        return self.process.poll() is None

    # -- the window as X sees it

    def wait_for_window(self):
        def search():
            self.check_running()
            result = self.session.run(
                ["xdotool", "search", "--onlyvisible", "--pid", str(self.pid)], check=False)
            return [int(line) for line in result.stdout.split()]

        ids = wait_until("the program's window", search, timeout=START_TIMEOUT)

        def area(wid):
            self.window_id = wid
            _, _, width, height = self.geometry()
            return width * height

        # Popups are small; the main window is the largest one.
        self.window_id = max(ids, key=area)
        return self.window_id

    def geometry(self):
        """x, y, width, height of the main window on the screen."""
        result = self.session.run(["xdotool", "getwindowgeometry", "--shell",
                                   str(self.window_id)])
        values = dict(line.split("=", 1) for line in result.stdout.split())
        return int(values["X"]), int(values["Y"]), int(values["WIDTH"]), int(values["HEIGHT"])

    def move(self, x, y, width, height):
        self.session.run(["xdotool", "windowsize", str(self.window_id), str(width),
                          str(height)])
        self.session.run(["xdotool", "windowmove", str(self.window_id), str(x), str(y)])
        wait_equal("the window's place after moving it", self.geometry, (x, y, width, height))
        # The program itself must have seen the move before anything reads it.
        wait_equal("the window's place as the program reports it",
                   lambda: extents(self.main_window()), (x, y, width, height))

    # -- the window as AT-SPI shows it

    def app(self):
        if self._app is None:
            def find():
                self.check_running()
                desktop = pyatspi.Registry.getDesktop(0)
                for i in range(desktop.childCount):
                    app = desktop.getChildAtIndex(i)
                    try:
                        if app is not None and app.get_process_id() == self.pid:
                            return app
                    except Exception:
                        continue
                return None
            self._app = wait_until("the program on the accessibility bus", find,
                                   timeout=START_TIMEOUT)
        return self._app

    def refresh(self):
        self.app().clearCache()

    def nodes(self, role=None, name=None, root=None, skip_web=True):
        self.refresh()
        found = []
        for node in _walk(root or self.app(), skip_web):
            try:
                if role is not None and node.getRole() != role:
                    continue
                if name is not None and node.name != name:
                    continue
            except Exception:
                continue
            found.append(node)
        return found

    def node(self, role, name=None, root=None):
        found = self.nodes(role, name, root)
        if not found:
            raise LookupError(f"no {role_name(role)} named {name!r}")
        return found[0]

    def wait_for_node(self, role, name=None):
        return wait_until(f"a {role_name(role)} named {name!r}",
                          lambda: self.nodes(role, name), timeout=START_TIMEOUT)[0]

    def main_window(self):
        """The program's top window: the child of the application holding the bars."""
        for i in range(self.app().childCount):
            child = self.app().getChildAtIndex(i)
            if child is not None and self.nodes(pyatspi.ROLE_TOOL_BAR, root=child):
                return child
        raise LookupError("no window with tool bars")

    def wait_until_ready(self):
        """Waits for the window and its bars: the address bar is the last to be placed."""
        self.wait_for_window()
        self.wait_for_node(pyatspi.ROLE_COMBO_BOX)
        return self

    def buttons(self, name):
        """Push buttons on screen with that accessible name, in the order of the tree;
        hidden ones (a closed find bar's) are no use to a user."""
        return [button for button in self.nodes(pyatspi.ROLE_PUSH_BUTTON, name)
                if on_screen(button)]

    def press(self, node):
        """Presses a control through its accessible action, as assistive tools do."""
        action = node.queryAction()
        names = [action.getName(i) for i in range(action.nActions)]
        action.doAction(names.index("Press") if "Press" in names else 0)

    def open_menu(self, button_name):
        """Opens the menu of a main-bar button with a real click and returns its items
        by accessible name. Qt lists no popup among the application's windows, so the
        menu is found through the item that Down focuses in it."""
        from gi.repository import GLib
        focused = []

        def listener(event):
            try:
                if event.detail1 and event.source.getRole() == pyatspi.ROLE_MENU_ITEM:
                    focused.append(event.source)
            except Exception:
                pass

        def pump(seconds):
            context = GLib.MainContext.default()
            deadline = time.monotonic() + seconds
            while time.monotonic() < deadline:
                while context.iteration(False):
                    pass
                time.sleep(0.05)

        button = wait_until(f"a button named {button_name!r} on screen",
                            lambda: self.buttons(button_name))[0]
        pyatspi.Registry.registerEventListener(listener, "object:state-changed:focused")
        try:
            self.session.click(*centre(button))
            pump(0.6)
            self.session.key("Down")
            deadline = time.monotonic() + WAIT_TIMEOUT / 3
            while not focused and time.monotonic() < deadline:
                pump(0.1)
        finally:
            pyatspi.Registry.deregisterEventListener(listener, "object:state-changed:focused")
        if not focused:
            raise AssertionError(f"no menu item took the focus after a click on "
                                 f"{button_name!r} and Down")
        menu = focused[-1].parent
        items = {}
        for i in range(menu.childCount):
            item = menu.getChildAtIndex(i)
            if item is not None and item.getRole() == pyatspi.ROLE_MENU_ITEM:
                items.setdefault(item.name, item)
        return items

    def choose(self, button_name, item_name):
        """Opens a main-bar button's menu and clicks the item with the real pointer."""
        items = self.open_menu(button_name)
        if item_name not in items:
            self.session.key("Escape")
            raise AssertionError(f"no item {item_name!r} in the menu of {button_name!r}; "
                                 f"it has {list(items)}")
        self.session.click(*centre(items[item_name]))

    def tabs(self):
        """The page tabs of the tab strip, left to right."""
        return self.nodes(pyatspi.ROLE_PAGE_TAB)

    def tab_captions(self):
        return [tab.name for tab in self.tabs()]

    def current_tab(self):
        """Index of the tab the strip marks as current."""
        marked = [i for i, tab in enumerate(self.tabs())
                  if has_state(tab, pyatspi.STATE_FOCUSED) or
                  has_state(tab, pyatspi.STATE_SELECTED)]
        return marked[0] if len(marked) == 1 else None

    def address_bar(self):
        return self.node(pyatspi.ROLE_COMBO_BOX)

    def address_field(self):
        return self.node(pyatspi.ROLE_TEXT, root=self.address_bar())

    def address_text(self):
        return self.address_field().queryText().getText(0, -1)

    def enter_address(self, address, shortcut=False):
        """Types address into the address bar as a user does and presses Enter: the bar
        gets the focus by a click into it (or Ctrl+L), its text is selected, replaced
        by typing, and checked before Enter goes."""
        # The user reads the page first. Up to two seconds after a page has loaded the
        # program puts its address into the bar, over anything typed by then.
        wait_equal("the progress bar before typing", self.progress, 100)
        time.sleep(TYPING_PAUSE)
        for _attempt in range(3):
            if shortcut:
                self.session.key("ctrl+l")
            else:
                self.session.click(*centre(self.address_field()))
                self.session.key("ctrl+a")
            wait_until("the address bar to have the keyboard focus",
                       lambda: has_state(self.address_field(), pyatspi.STATE_FOCUSED))
            self.session.type(address)
            shown = self.address_text()
            if shown == address:
                break
            # The bar takes the loaded page's address once the page is idle, also
            # while someone types; a user sees that and types again.
            print(f"note: the address bar showed {shown!r} after typing {address!r}; "
                  "typing again", file=sys.stderr)
        else:
            raise AssertionError(f"the address bar never kept the typed {address!r}")
        self.session.key("Return")

    def history(self):
        """The entries of the address bar's drop-down list."""
        lists = self.nodes(pyatspi.ROLE_LIST, root=self.address_bar())
        return [item.name for item in self.nodes(pyatspi.ROLE_LIST_ITEM, root=lists[0])]

    def progress(self):
        return self.node(pyatspi.ROLE_PROGRESS_BAR).queryValue().currentValue

    def page_text_box(self, text):
        """The place on the screen of a piece of the shown page whose text is text, through
        the page's own accessibility tree; None while it is not there."""
        for doc in self.nodes(pyatspi.ROLE_DOCUMENT_WEB, skip_web=False):
            if not on_screen(doc):
                continue
            for node in _walk(doc, skip_web=False):
                try:
                    if node is not doc and node.name == text:
                        box = extents(node)
                        if box[2] > 0 and box[3] > 0:
                            return box
                except Exception:
                    continue
        return None

    def shown_pages(self):
        """Every web page on screen, as its title and the texts it shows."""
        pages = []
        for doc in self.nodes(pyatspi.ROLE_DOCUMENT_WEB, skip_web=False):
            if not on_screen(doc):
                continue
            texts = [node.name for node in _walk(doc, skip_web=False)
                     if node is not doc and node.getRole() in (pyatspi.ROLE_LABEL,
                                                               pyatspi.ROLE_STATIC)]
            pages.append((doc.name, texts))
        return pages

    # -- ending

    def wait_for_exit(self, timeout=EXIT_TIMEOUT):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise AssertionError(f"the program did not end within {timeout} s") from None

    def wait_for_helpers_gone(self):
        """The web engine's helper processes end with the program."""
        wait_until("the program's helper processes to end",
                   lambda: not group_members(self.pid), timeout=EXIT_TIMEOUT)
