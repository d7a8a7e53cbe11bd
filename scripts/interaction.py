"""Interaction latency of the real program on an X display (Xvfb) under the window manager of
the desktop tests (openbox), driven by keys (xdotool). The program's latency probe
(FENLO_LATENCY_PROBE) reports when each key arrives, when a widget takes the focus, and when a
frame that painted a watched window has been handed to the window system; a figure is the time
from the key to that frame, on the program's own clock.

Every wait is bounded: a window that never shows, a program that paints without end or a tool
that hangs ends the measurement with an error instead of stalling it."""
import itertools
import os
import queue
import select
import shutil
import statistics
import subprocess
import tempfile
import threading
import time

# Watched object names: the windows the figures open or change, and the grids they refresh.
WATCHED = ["FrmNenpiDataIN", "FrmNenpiDataINT", "FrmGasIn", "FrmMemo", "FrmShameiT",
           "FrmtextOut", "FrmOut1", "FrmOut2", "FrmTukibetu", "FrmMBNIR", "FrmKBNIR",
           "FrmAbort", "FrmOut1G", "FrmOut2G", "FrmTukibetuGN", "FrmMbnirGN", "FrmMbnirGK",
           "FrmKbnirGN", "FrmKbnirGK", "SGrdNenpi", "Chart1"]
PATIENCE = 10.0  # seconds: the longest wait for anything the program should do at once
SETTLE = 0.15  # seconds without a new frame after which a changed window counts as painted


class Failed(Exception):
    pass


def tools_missing():
    return [t for t in ("Xvfb", "openbox", "xdotool", "xprop") if not shutil.which(t)]


def cpu_seconds(pid):
    """User and system time of the process so far."""
    with open(f"/proc/{pid}/stat") as f:
        fields = f.read().rsplit(")", 1)[1].split()
    return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")


class Desktop:
    """Xvfb, openbox and the program with its probe on a copy of `logbook`."""

    def __init__(self, fenlo, logbook):
        self.work = tempfile.mkdtemp(prefix="fenlo-interaction-")
        self.procs = []
        self.lines = queue.Queue()
        try:
            self._start(fenlo, logbook)
        except BaseException:
            self.close()
            raise

    def _start(self, fenlo, logbook):
        read, write = os.pipe()
        self.xserver = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
            pass_fds=(write,), stderr=subprocess.DEVNULL)
        self.procs.append(self.xserver)
        os.close(write)
        with os.fdopen(read) as f:
            if not select.select([f], [], [], PATIENCE)[0]:
                raise Failed("Xvfb gave no display")
            display = f.readline().strip()
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                        XDG_DATA_HOME=os.path.join(self.work, "data"), XDG_RUNTIME_DIR=runtime)
        self.env.pop("FENLO_QUIT_AFTER_FIRST_PAINT", None)
        self.procs.append(subprocess.Popen(["openbox", "--config-file", "/dev/null"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        self._wait_for_window_manager()
        book = os.path.join(self.work, "bench.fnl")
        shutil.copy(logbook, book)
        self.app = subprocess.Popen([fenlo, book], env=dict(
            self.env, FENLO_LATENCY_PROBE=",".join(WATCHED)), stdout=subprocess.DEVNULL,
            stderr=subprocess.PIPE, text=True)
        self.procs.append(self.app)
        threading.Thread(target=self._read, daemon=True).start()
        frame = self.xdotool("search", "--sync", "--onlyvisible", "--name", "bench.fnl")
        self.xdotool("windowfocus", "--sync", frame.split()[0])
        self.drain(0.5)

    def _wait_for_window_manager(self):
        deadline = time.monotonic() + PATIENCE
        while time.monotonic() < deadline:
            if b"window" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                           env=self.env, capture_output=True,
                                           timeout=PATIENCE).stdout:
                return
            time.sleep(0.1)
        raise Failed("openbox did not start")

    def _read(self):
        for line in self.app.stderr:
            parts = line.split()
            if parts and parts[0] in ("key", "done", "focus", "painted"):
                self.lines.put(parts)

    def _next(self, timeout):
        """The probe's next line, or None when it says nothing for `timeout` seconds."""
        try:
            return self.lines.get(timeout=max(0.0, timeout))
        except queue.Empty:
            if self.app.poll() is not None:
                raise Failed(f"the program ended with {self.app.returncode}")
            return None

    def xdotool(self, *args):
        try:
            return subprocess.run(["xdotool", *args], env=self.env, check=True,
                                  capture_output=True, text=True, timeout=PATIENCE).stdout
        except subprocess.TimeoutExpired:
            raise Failed(f"xdotool {' '.join(args)} did not end within {PATIENCE:g} s")

    def press(self, *keys):
        self.xdotool("key", "--delay", "30", *keys)

    def drain(self, quiet, limit=2.0):
        """Drops what the probe says until it has been silent for `quiet` seconds, or for at
        most `limit` seconds (a turning pie never falls silent)."""
        deadline = time.monotonic() + limit
        while time.monotonic() < deadline:
            if self._next(min(quiet, deadline - time.monotonic())) is None:
                return

    def command(self, keys, name, settle=None):
        """Presses `keys` and returns the milliseconds from the last of them to the first frame
        of the window `name`; or, with `settle`, to the end of the command: the last of the
        frames of `name` that follow one another within `settle` seconds (a window that a
        command changes may paint more than once before it shows the result), or the moment
        the program had handled the key when the command changed nothing on the screen."""
        self.drain(0.1)
        self.press(*keys)
        key_at, done_at, painted_at = None, None, None
        deadline = time.monotonic() + PATIENCE
        while True:
            left = deadline - time.monotonic()
            ended = done_at is not None or painted_at is not None
            line = self._next(min(left, settle) if settle and ended else left)
            if line is None or left <= 0:
                if settle and ended:
                    return max(t for t in (done_at, painted_at) if t is not None) - key_at
                raise Failed(f"no frame of {name} within {PATIENCE:g} s of {' '.join(keys)}")
            if line[0] == "key" and not ended:
                key_at, done_at = float(line[1]), None
            elif line[0] == "done" and key_at is not None and settle:
                done_at = float(line[1])
            elif line[0] == "painted" and line[1] == name and key_at is not None:
                painted_at = float(line[2])
                if settle is None:
                    return painted_at - key_at

    def focus(self, name, key="Tab", tries=30):
        """Presses `key` until the widget `name` has the focus."""
        for _ in range(tries):
            self.press(key)
            deadline = time.monotonic() + 0.5
            while (line := self._next(deadline - time.monotonic())) is not None:
                if line[0] == "focus" and line[1] == name:
                    return
        raise Failed(f"{key} never brought the focus to {name}")

    def turning(self, seconds):
        """Over `seconds` while the pie turns: the frames of the chart per second and the
        shares of one core that the program and the X server use."""
        app0, x0, t0 = cpu_seconds(self.app.pid), cpu_seconds(self.xserver.pid), time.monotonic()
        frames = 0
        while (now := time.monotonic()) - t0 < seconds:
            line = self._next(min(0.1, seconds - (now - t0)))
            frames += line is not None and line[0] == "painted" and line[1] == "Chart1"
        wall = time.monotonic() - t0
        return (frames / wall, (cpu_seconds(self.app.pid) - app0) / wall,
                (cpu_seconds(self.xserver.pid) - x0) / wall)

    def close(self):
        for p in reversed(self.procs):
            p.kill()
            try:
                p.wait(timeout=PATIENCE)
            except subprocess.TimeoutExpired:
                pass
        shutil.rmtree(self.work, ignore_errors=True)


class Figures:
    """The medians of the runs of each figure, in ms, in the order they were measured."""

    def __init__(self, runs):
        self.runs = runs
        self.ms = {}

    def take(self, label, measure):
        self.ms[label] = statistics.median(measure() for _ in range(self.runs))


# (label, keys from the frame, window, keys that close it) of the windows opened from the frame.
FRAME_WINDOWS = [
    ("list: fuelings", ["alt+n", "k"], "FrmNenpiDataIN", ["alt+e"]),
    ("list: makers", ["alt+n", "g"], "FrmGasIn", ["alt+e"]),
    ("list: memos", ["alt+n", "m"], "FrmMemo", ["alt+e"]),
    ("window: car name", ["alt+n", "s"], "FrmShameiT", ["alt+c"]),
    ("window: text output", ["alt+s", "t"], "FrmtextOut", ["alt+e"]),
    ("version dialog", ["alt+h", "a"], "FrmAbort", ["alt+o"]),
]

# (label, menu key, window, how 更新 is reached, graphs as (label, key, window)). The maker
# report's 更新 has no access key of its own, so the keyboard reaches it with Tab and Return.
REPORTS = [
    ("display 1", "1", "FrmOut1", ["alt+k"], [("display 1", "alt+g", "FrmOut1G")]),
    ("display 2", "2", "FrmOut2", ["alt+k"], [("display 2", "alt+g", "FrmOut2G")]),
    ("monthly", "b", "FrmTukibetu", ["alt+k"], [("monthly", "alt+g", "FrmTukibetuGN")]),
    ("by maker", "m", "FrmMBNIR", ("Button2", ["Return"]),
     [("maker economy", "alt+g", "FrmMbnirGN"), ("maker count pie", "alt+k", "FrmMbnirGK")]),
    ("by category", "n", "FrmKBNIR", ["alt+d"],
     [("category economy", "alt+g", "FrmKbnirGN"), ("category count pie", "alt+k", "FrmKbnirGK")]),
]


def opening(d, keys, name, close):
    ms = d.command(keys, name)
    d.drain(0.2)
    d.press(*close)
    d.drain(0.3)
    return ms


def measure(fenlo, logbook, runs=5, pie_seconds=2.0):
    """The interaction figures on `logbook`: ({label: median ms}, the turning pie's figures,
    each the median of three turns of `pie_seconds`)."""
    d = Desktop(fenlo, logbook)
    try:
        fig = Figures(runs)
        # The entry dialog, the floor, opens with Enter from the fueling list; registering
        # through 変更 closes it to the list, sorted and painted again. Each registration
        # changes the record's comment (a letter added, then taken away), so the list has
        # something new to show.
        d.press("alt+n", "k")
        d.drain(0.5)
        fig.take("entry dialog", lambda: opening(d, ["Return"], "FrmNenpiDataINT", ["alt+c"]))
        edits = itertools.cycle(["a", "BackSpace"])

        def registration():
            d.press("Return")
            d.drain(0.3)
            d.focus("Edtcomment")
            d.press("End", next(edits))
            return d.command(["alt+t"], "SGrdNenpi", settle=SETTLE)

        fig.take("registration (変更, 登録)", registration)
        d.press("alt+e")
        d.drain(0.3)
        for label, keys, name, close in FRAME_WINDOWS:
            fig.take(label, lambda: opening(d, keys, name, close))
        for label, key, name, refresh, graphs in REPORTS:
            fig.take(f"report: {label}", lambda: opening(d, ["alt+s", key], name, ["alt+e"]))
            d.press("alt+s", key)
            d.drain(0.5)
            if isinstance(refresh, tuple):
                d.focus(refresh[0])
                refresh = refresh[1]
            fig.take(f"更新: {label}", lambda: d.command(refresh, name, settle=SETTLE))
            for glabel, gkey, gname in graphs:
                fig.take(f"graph: {glabel}", lambda: opening(d, [gkey], gname, ["alt+e"]))
            if name == "FrmKBNIR":
                d.press("alt+k")
                d.drain(0.5)
                turns = [turning_pie(d, pie_seconds) for _ in range(3)]
                pie = {k: statistics.median(t[k] for t in turns) for k in turns[0]}
                d.press("alt+e")
                d.drain(0.3)
            d.press("alt+e")
            d.drain(0.3)
        return fig.ms, pie
    finally:
        d.close()


def turning_pie(d, seconds):
    """Sets the open pie turning at its fastest speed (回る, then the speed bar to its end) and
    returns {frames per second, program's share of a core, X server's share, CPU ms a step}."""
    d.focus("CheckBox1")
    d.press("space")
    d.focus("TrackBar1")
    d.press("End")
    d.drain(0.3, limit=0.5)
    fps, app, xserver = d.turning(seconds)
    d.focus("CheckBox1", key="shift+Tab")
    d.press("space")
    return {"fps": fps, "app": app, "xserver": xserver,
            "step_ms": app / fps * 1e3 if fps else float("inf")}
