"""Interaction latency of the real program on an X display (Xvfb) under the window manager of
the desktop tests (openbox), driven by keys (xdotool). The program's latency probe
(FENLO_LATENCY_PROBE) reports when each key arrives and when a frame that painted a watched
window has been handed to the window system; the figures are the time between the two."""
import os
import queue
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
SETTLE = 0.3  # seconds without a new frame after which a change counts as painted


class Missing(Exception):
    pass


def tools_missing():
    return [t for t in ("Xvfb", "openbox", "xdotool", "xprop") if not shutil.which(t)]


class Desktop:
    """Xvfb, openbox and the program with its probe on a copy of `logbook`."""

    def __init__(self, fenlo, logbook):
        self.work = tempfile.mkdtemp(prefix="fenlo-interaction-")
        self.procs = []
        read, write = os.pipe()
        self.procs.append(subprocess.Popen(
            ["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
            pass_fds=(write,), stderr=subprocess.DEVNULL))
        os.close(write)
        with os.fdopen(read) as f:
            display = f.readline().strip()
        runtime = os.path.join(self.work, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = dict(os.environ, DISPLAY=":" + display, QT_QPA_PLATFORM="xcb",
                        XDG_CONFIG_HOME=os.path.join(self.work, "config"),
                        XDG_DATA_HOME=os.path.join(self.work, "data"), XDG_RUNTIME_DIR=runtime)
        self.env.pop("FENLO_QUIT_AFTER_FIRST_PAINT", None)
        self.procs.append(subprocess.Popen(["openbox", "--config-file", "/dev/null"], env=self.env,
                                           stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL))
        for _ in range(100):
            if b"window" in subprocess.run(["xprop", "-root", "_NET_SUPPORTING_WM_CHECK"],
                                           env=self.env, capture_output=True).stdout:
                break
            time.sleep(0.1)
        book = os.path.join(self.work, "bench.fnl")
        shutil.copy(logbook, book)
        self.lines = queue.Queue()
        self.app = subprocess.Popen([fenlo, book], env=dict(
            self.env, FENLO_LATENCY_PROBE=",".join(WATCHED)), stderr=subprocess.PIPE, text=True)
        self.procs.append(self.app)
        threading.Thread(target=self._read, daemon=True).start()
        frame = self.xdotool("search", "--sync", "--onlyvisible", "--name", "bench.fnl")
        self.xdotool("windowfocus", "--sync", frame.split()[0])
        self.quiet(1.0)

    def _read(self):
        for line in self.app.stderr:
            parts = line.split()
            if parts and parts[0] in ("key", "painted"):
                self.lines.put((time.monotonic(), parts))

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, check=True, capture_output=True,
                              text=True, timeout=30).stdout

    def quiet(self, seconds):
        """Waits until the probe has been silent for `seconds`; drops what it said."""
        while True:
            try:
                self.lines.get(timeout=seconds)
            except queue.Empty:
                return

    def keys(self, *keys):
        self.xdotool("key", "--delay", "40", *keys)

    def _events(self, name, last):
        """The probe's reports after the keys until `name` is painted (the first such frame,
        or with `last` the final one once the window has stopped changing); returns the time
        from the last key before that frame to it, in ms."""
        key_at, found, deadline = None, None, time.monotonic() + 10
        while True:
            timeout = SETTLE if found and last else max(0.01, deadline - time.monotonic())
            try:
                _, parts = self.lines.get(timeout=timeout)
            except queue.Empty:
                if found:
                    return found
                raise Missing(f"no frame of {name} within 10 s")
            if parts[0] == "key":
                if found is None:
                    key_at = float(parts[1])
            elif parts[1] == name and key_at is not None:
                found = float(parts[2]) - key_at
                if not last:
                    return found

    def opening(self, keys, name, close):
        """Time from the last of `keys` to the first frame of the window `name`; `close`
        closes it again."""
        self.quiet(0.15)
        self.keys(*keys)
        ms = self._events(name, last=False)
        self.quiet(0.25)
        self.keys(*close)
        self.quiet(0.4)
        return ms

    def change(self, keys, name):
        """Time from the last of `keys` to the last frame of `name` that the change brings."""
        self.quiet(0.15)
        self.keys(*keys)
        ms = self._events(name, last=True)
        return ms

    def cpu_seconds(self, pid):
        with open(f"/proc/{pid}/stat") as f:
            fields = f.read().rsplit(")", 1)[1].split()
        return (int(fields[11]) + int(fields[12])) / os.sysconf("SC_CLK_TCK")

    def turning(self, seconds):
        """While the pie turns: the program's and the X server's share of one core, and the
        number of frames of the chart, over `seconds`."""
        self.quiet(0.5)
        app0, x0, t0 = self.cpu_seconds(self.app.pid), self.cpu_seconds(self.procs[0].pid), \
            time.monotonic()
        frames = 0
        while time.monotonic() - t0 < seconds:
            try:
                _, parts = self.lines.get(timeout=0.1)
                frames += parts[0] == "painted" and parts[1] == "Chart1"
            except queue.Empty:
                pass
        wall = time.monotonic() - t0
        return ((self.cpu_seconds(self.app.pid) - app0) / wall,
                (self.cpu_seconds(self.procs[0].pid) - x0) / wall, frames / wall)

    def close(self):
        for p in reversed(self.procs):
            p.kill()
            p.wait()
        shutil.rmtree(self.work, ignore_errors=True)


def median_of(runs, measure):
    return statistics.median(measure() for _ in range(runs))


def measure(fenlo, logbook, runs=11):
    """The interaction figures: {label: ms} and the turning pie's shares."""
    d = Desktop(fenlo, logbook)
    try:
        fig = {}
        d.keys("alt+n", "k")  # the fueling list stays open for the entry dialog
        d.quiet(0.5)
        fig["entry"] = median_of(runs, lambda: d.opening(["Return"], "FrmNenpiDataINT",
                                                         ["alt+c"]))
        fig["registration"] = median_of(runs, lambda: (d.keys("Return"), d.quiet(0.4),
                                                       d.change(["alt+t"], "SGrdNenpi"))[2])
        d.keys("alt+e")
        d.quiet(0.4)
        fig["list: fuelings"] = median_of(runs, lambda: d.opening(["alt+n", "k"],
                                                                  "FrmNenpiDataIN", ["alt+e"]))
        for label, keys, name in [("list: makers", ["alt+n", "g"], "FrmGasIn"),
                                  ("list: memos", ["alt+n", "m"], "FrmMemo"),
                                  ("window: car name", ["alt+n", "s"], "FrmShameiT"),
                                  ("window: text output", ["alt+s", "t"], "FrmtextOut")]:
            fig[label] = median_of(runs, lambda: d.opening(keys, name, ["alt+e"]))
        fig["version dialog"] = median_of(runs, lambda: d.opening(["alt+h", "a"], "FrmAbort",
                                                                  ["alt+o"]))
        reports = [("display 1", "1", "FrmOut1", "alt+k",
                    [("graph: display 1", "alt+g", "FrmOut1G")]),
                   ("display 2", "2", "FrmOut2", "alt+k",
                    [("graph: display 2", "alt+g", "FrmOut2G")]),
                   ("monthly", "b", "FrmTukibetu", "alt+k",
                    [("graph: monthly", "alt+g", "FrmTukibetuGN")]),
                   # The maker report gives 更新 and its count graph the same access key K, so
                    # the key only moves the focus between them: neither is measured here.
                   ("by maker", "m", "FrmMBNIR", None,
                    [("graph: maker economy", "alt+g", "FrmMbnirGN")]),
                   ("by category", "n", "FrmKBNIR", "alt+d",
                    [("graph: category economy", "alt+g", "FrmKbnirGN"),
                     ("graph: category pie", "alt+k", "FrmKbnirGK")])]
        for label, key, name, refresh, graphs in reports:
            fig[f"report: {label}"] = median_of(runs, lambda: d.opening(["alt+s", key], name,
                                                                        ["alt+e"]))
            d.keys("alt+s", key)
            d.quiet(0.5)
            if refresh:
                fig[f"更新: {label}"] = median_of(runs, lambda: d.change([refresh], name))
            for glabel, gkey, gname in graphs:
                fig[glabel] = median_of(runs, lambda: d.opening([gkey], gname, ["alt+e"]))
            if label == "by category":
                d.keys("alt+k")
                d.quiet(0.5)
                step_ms, shares = pie(d)
                d.keys("alt+e")
            d.keys("alt+e")
            d.quiet(0.4)
        return fig, step_ms, shares
    finally:
        d.close()


def pie(d, seconds=4.0):
    """Sets the category pie turning at its fastest speed (the check box 回る, then the speed
    bar to its end): the program's CPU time per step in ms, and the shares of one core of the
    program and of the X server."""
    d.keys("Tab", "space", "Tab", "End")
    app, xserver, steps = d.turning(seconds)
    d.keys("shift+Tab", "space")
    return app / steps * 1e3 if steps else float("inf"), (app, xserver, steps)
