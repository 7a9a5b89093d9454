"""A private X desktop for end-to-end runs: Xvfb with openbox, driven from outside with xdotool,
looked at with xwininfo/xprop and ImageMagick. Nothing here reaches into the program: every
check is made on what a player would see (windows, pixels) or find on disk (files)."""

import os
import re
import shutil
import signal
import subprocess
import tempfile
import time

REQUIRED_TOOLS = ("Xvfb", "openbox", "xdotool", "xwininfo", "xprop", "xev", "import", "convert", "compare")


class E2EFailure(AssertionError):
    """A check of the end-to-end run failed."""


def check(condition, message):
    if not condition:
        raise E2EFailure(message)


def missing_tools():
    return [tool for tool in REQUIRED_TOOLS if shutil.which(tool) is None]


def wait_until(predicate, timeout, interval=0.1, what="condition"):
    """Polls predicate until it gives a true value, which is returned; fails after timeout s."""
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() >= deadline:
            raise E2EFailure(f"timed out after {timeout} s waiting for {what}")
        time.sleep(interval)


class Rect:
    def __init__(self, x, y, width, height):
        self.x, self.y, self.width, self.height = x, y, width, height

    @property
    def right(self):
        return self.x + self.width

    @property
    def bottom(self):
        return self.y + self.height

    def inside(self, other):
        return (self.x >= other.x and self.y >= other.y
                and self.right <= other.right and self.bottom <= other.bottom)

    def __repr__(self):
        return f"{self.width}x{self.height}+{self.x}+{self.y}"


class Desktop:
    """Xvfb on a free display with openbox managing it."""

    def __init__(self, width, height, workdir, xping):
        self.size = Rect(0, 0, width, height)
        self.workdir = workdir
        self.xping = xping
        self.processes = []
        read_end, write_end = os.pipe()
        self.x_log = tempfile.TemporaryFile(mode="w+")
        xvfb = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", f"{width}x{height}x24",
             "-dpi", "96", "-nolisten", "tcp", "-ac"],
            pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=self.x_log)
        os.close(write_end)
        self.processes.append(xvfb)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        check(number.strip().isdigit(), "Xvfb did not start")
        self.display = ":" + number.strip().decode()
        self.env = dict(os.environ, DISPLAY=self.display)
        self.env.pop("QT_QPA_PLATFORM", None)
        self.wm_log = tempfile.TemporaryFile(mode="w+")
        openbox = subprocess.Popen(["openbox", "--sm-disable"], env=self.env,
                                   stdout=self.wm_log, stderr=subprocess.STDOUT)
        self.processes.append(openbox)
        try:
            wait_until(lambda: "window id" in self.run("xprop", "-root", "_NET_SUPPORTING_WM_CHECK")
                       or openbox.poll() is not None, 120, what="openbox to manage the screen")
            # Whether Xvfb still runs tells a display that went away from one openbox cannot reach.
            check(openbox.poll() is None, f"openbox ended with status {openbox.returncode}: {self.wm_output()}; Xvfb "
                  f"{'running' if xvfb.poll() is None else xvfb.returncode}: {self.wm_output(self.x_log)}")
            self.wait_wm_maps()
        except Exception:
            self.close()
            raise

    def wait_wm_maps(self):
        """Returns once openbox maps new windows. It names itself the window manager before its
        start is over, and a window asking to be mapped in between can stay unmapped for good: so
        probe windows are opened, a new one every two seconds, until openbox has mapped one."""
        probes = []
        def mapped():
            if not probes or time.monotonic() - probes[-1][1] > 2:
                probes.append((subprocess.Popen(["xev", "-name", "quarry-wm-probe"], env=self.env,
                                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL),
                               time.monotonic()))
            return self.windows("quarry-wm-probe")
        try:
            wait_until(mapped, 120, what="openbox to map a first window")
        finally:
            for probe, _ in probes:
                probe.kill()
                probe.wait()
        wait_until(lambda: not self.windows("quarry-wm-probe"), 30, what="the probe windows to go")

    def wm_output(self, log=None):
        log = log or self.wm_log
        log.seek(0)
        return log.read()[-2000:]

    def failure_report(self, path):
        """What a failing run leaves for the reader: the screen, its windows, the window manager."""
        try:
            self.screenshot(path)
            return (f"screen in {path}; windows {self.visible()}; every top-level window:\n{self.tree()}\n"
                    f"openbox {self.wm_state()}; openbox output: {self.wm_output()!r}")
        except Exception as error:  # the report must not hide the failure
            return f"no picture of the screen ({error})"

    def wm_state(self):
        wm = self.processes[1]
        if wm.poll() is not None:
            return f"ended with status {wm.returncode}"
        if not shutil.which("gdb"):
            return "running"
        stack = subprocess.run(["gdb", "-p", str(wm.pid), "-batch", "-ex", "bt"],
                               capture_output=True, text=True, timeout=120).stdout
        return "running, at:\n" + "\n".join(line for line in stack.splitlines() if line.startswith("#"))

    def tree(self):
        """Each named child of the root, mapped or not, with its map state and WM_STATE: tells a
        window the program never mapped from one the window manager did not take."""
        lines = []
        for line in self.run("xwininfo", "-root", "-tree").splitlines():
            found = re.match(r"\s+(0x[0-9a-f]+) \"(.+?)\"", line)
            if found:
                info = self.run("xwininfo", "-id", found.group(1))
                state = re.search(r"Map State: (\w+)", info)
                wm = self.run("xprop", "-id", found.group(1), "WM_STATE").strip().replace("\n", " ")
                lines.append(f"  {found.group(1)} {found.group(2)!r} {state.group(1) if state else '?'} {wm}")
        return "\n".join(lines) or "  (none)"

    def close(self):
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(5)
                except subprocess.TimeoutExpired:
                    process.kill()

    def __enter__(self):
        return self

    def __exit__(self, *exc):
        self.close()

    # --- commands -------------------------------------------------------------------------

    def run(self, *args, check_status=False, timeout=30):
        result = subprocess.run(args, env=self.env, capture_output=True, text=True, timeout=timeout)
        if check_status and result.returncode != 0:
            raise E2EFailure(f"{' '.join(args)} failed: {result.stderr.strip()}")
        return result.stdout

    def run_status(self, *args, timeout=90):
        return subprocess.run(args, env=self.env, capture_output=True, timeout=timeout).returncode

    def xdotool(self, *args):
        return self.run("xdotool", *[str(a) for a in args])

    # --- windows --------------------------------------------------------------------------

    def windows(self, title):
        """Visible top-level windows whose whole title is `title`."""
        out = self.xdotool("search", "--onlyvisible", "--name", "^" + re.escape(title) + "$")
        return [int(w) for w in out.split()]

    def visible(self):
        """(window, title) of every visible top-level window with a title."""
        windows = self.xdotool("search", "--onlyvisible", "--name", ".").split()
        if not windows:
            return []
        # One xdotool for all the names, a line each (a window gone meanwhile gives none).
        names = self.xdotool(*[a for w in windows for a in ("getwindowname", w)]).splitlines()
        if len(names) != len(windows):  # one went away meanwhile: one at a time
            names = [self.xdotool("getwindowname", w) for w in windows]
        return [(int(w), t.strip()) for w, t in zip(windows, names) if t.strip()]

    def iconified(self):
        """Top-level windows the window manager holds as icons (a player minimised them)."""
        shown = {w for w, _ in self.visible()}
        found = []
        for w in self.xdotool("search", "--name", ".").split():
            if int(w) not in shown and "Iconic" in self.run("xprop", "-id", w, "WM_STATE"):
                found.append(int(w))
        return found

    def wait_window(self, title, timeout=20):
        return wait_until(lambda: (self.windows(title) or [None])[0], timeout,
                          what=f'window "{title}"')

    def wait_gone(self, title, timeout=20):
        wait_until(lambda: not self.windows(title), timeout, what=f'window "{title}" to go')

    def client_rect(self, window):
        info = self.run("xwininfo", "-id", str(window))
        value = lambda key: int(re.search(key + r":\s+(-?\d+)", info).group(1))
        return Rect(value("Absolute upper-left X"), value("Absolute upper-left Y"),
                    value("Width"), value("Height"))

    def frame_rect(self, window):
        client = self.client_rect(window)
        extents = re.findall(r"\d+", self.run("xprop", "-id", str(window), "_NET_FRAME_EXTENTS"))
        left, right, top, bottom = (int(e) for e in extents[-4:]) if len(extents) >= 4 else (0, 0, 0, 0)
        return Rect(client.x - left, client.y - top, client.width + left + right,
                    client.height + top + bottom)

    def activate(self, window, timeout=30):
        # No --sync: a window under a modal dialog is never made active, and --sync would wait on.
        self.xdotool("windowactivate", window)
        wait_until(lambda: self.xdotool("getactivewindow").strip() == str(window), timeout,
                   what=f"window {window} to be active")

    def settle(self, window, timeout_ms=60000):
        """Returns once the program has taken in every event sent to it before (see XPing.cpp):
        the round trip through its event loop comes after them. False if the window is gone."""
        status = self.run_status(self.xping, str(window), str(timeout_ms), timeout=timeout_ms / 1000 + 30)
        check(status in (0, 3), f"window {window} did not answer within {timeout_ms} ms: the program hangs")
        return status == 0

    def key(self, window, *keys):
        """Real key presses into the active window, after making `window` active."""
        self.activate(window)
        for k in keys:
            self.xdotool("key", "--clearmodifiers", k)

    def pointer(self):
        out = self.xdotool("getmouselocation", "--shell")
        return tuple(int(re.search(key + r"=(-?\d+)", out).group(1)) for key in ("X", "Y"))

    def move(self, point):
        """Moves the pointer and returns once the X server has it there. (Not mousemove --sync,
        which waits for a change that never comes when the pointer is there already.)"""
        point = (min(max(point[0], 0), self.size.right - 1), min(max(point[1], 0), self.size.bottom - 1))
        self.xdotool("mousemove", point[0], point[1])
        wait_until(lambda: self.pointer() == point, 30, interval=0.02, what=f"the pointer to reach {point}")

    def press(self, window, point, button=1):
        """Presses a button at point once the program under it has seen the pointer arrive: a
        press that overtakes the motion can reach the program for the place the pointer left."""
        self.move(point)
        self.settle(window)
        self.xdotool("mousedown", button)

    def drag(self, window, start, end, steps=6):
        """Press at start, motion to end in steps, release: each step taken in by the program."""
        self.press(window, start)
        self.move_held(window, start, end, steps)
        self.xdotool("mouseup", 1)

    def move_held(self, window, start, end, steps):
        for i in range(1, steps + 1):
            self.move((start[0] + (end[0] - start[0]) * i // steps, start[1] + (end[1] - start[1]) * i // steps))
        self.settle(window)

    def click(self, window, point, button=1):
        self.press(window, point, button)
        self.xdotool("mouseup", button)

    # --- pixels ---------------------------------------------------------------------------

    def screenshot(self, path, rect=None):
        """The screen, or one rectangle of it, as the X server shows it (frames included)."""
        args = ["import", "-silent", "-window", "root", "-quality", "10"]  # quick compression
        if rect is not None:
            args += ["-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage"]
        self.run(*args, path, check_status=True)
        return path


def image_stats(path, rect=None):
    """(standard deviation 0..1, number of distinct colours) of an image or a part of it."""
    args = ["convert", path]
    if rect is not None:
        args += ["-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage"]
    out = subprocess.run(args + ["-format", "%[fx:standard_deviation] %k", "info:"],
                         capture_output=True, text=True, check=True).stdout.split()
    return float(out[0]), int(out[1])


def image_size(path):
    out = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True,
                         check=True).stdout.split()
    return int(out[0]), int(out[1])


def differing_pixels(first, second, fuzz="6%"):
    """Number of pixels that differ between two images of the same size (within `fuzz`)."""
    result = subprocess.run(["compare", "-metric", "AE", "-fuzz", fuzz, first, second, "null:"],
                            capture_output=True, text=True)
    return int(float(result.stderr.split()[0]))


def similarity_rmse(first, second, width, height):
    """Normalised RMSE (0 same .. 1 opposite) of two images scaled to one size."""
    scaled = []
    for path in (first, second):
        out = tempfile.mktemp(suffix=".png", dir=os.path.dirname(path))
        subprocess.run(["convert", path, "-resize", f"{width}x{height}!", out], check=True)
        scaled.append(out)
    result = subprocess.run(["compare", "-metric", "RMSE", scaled[0], scaled[1], "null:"],
                            capture_output=True, text=True)
    for path in scaled:
        os.unlink(path)
    return float(re.search(r"\(([\d.e-]+)\)", result.stderr).group(1))


def sample_pixels(path, step, rect=None):
    """Pixels of an image (or of rect in it) sampled every `step` pixels: {(x, y): (r, g, b)} in
    image coordinates."""
    args = ["convert", path, "-depth", "8"]
    if rect is not None:
        args += ["-crop", f"{rect.width}x{rect.height}+{rect.x}+{rect.y}", "+repage"]
    if step != 1:
        # The top-left pixel of each block, so that a sample's coordinates are the very pixel it
        # read (by default -sample reads the block's middle, a few pixels away: a press there can
        # fall into a gap between pieces).
        args += ["-define", "sample:offset=0", "-sample", f"{100.0 / step}%"]
    out = subprocess.run(args + ["txt:-"], capture_output=True, text=True, check=True).stdout
    x0, y0 = (rect.x, rect.y) if rect is not None else (0, 0)
    pixels = {}
    for line in out.splitlines()[1:]:
        match = re.match(r"(\d+),(\d+):\s*\(\s*([\d.]+),\s*([\d.]+),\s*([\d.]+)", line)
        if match:
            x, y = int(match.group(1)), int(match.group(2))
            pixels[(x0 + x * step, y0 + y * step)] = tuple(int(float(match.group(i))) for i in (3, 4, 5))
    return pixels


def colour_count(path, colour):
    """How many pixels of an image have exactly this colour ("#RRGGBB")."""
    out = subprocess.run(["convert", path, "-alpha", "off", "-fill", "black", "+opaque", colour, "-fill", "white",
                          "-opaque", colour, "-format", "%[fx:round(mean*w*h)]", "info:"],
                         capture_output=True, text=True, check=True).stdout
    return int(float(out))


class Program:
    """The game started as a player starts it, with its output kept in a log file."""

    def __init__(self, desktop, command, log_path, extra_env=None, user=None):
        env = dict(desktop.env)
        env.update(extra_env or {})
        self.log_path = log_path
        self.log = open(log_path, "w")
        prefix = []
        if user is not None:
            # Another user, so that file permissions count even when the run is root's.
            prefix = ["setpriv", f"--reuid={user}", f"--regid={user}", "--clear-groups", "--"]
        self.process = subprocess.Popen(prefix + command, env=env, stdout=self.log,
                                        stderr=subprocess.STDOUT, start_new_session=True)

    def wait(self, timeout):
        try:
            return self.process.wait(timeout)
        except subprocess.TimeoutExpired:
            raise E2EFailure(f"the program did not end within {timeout} s")

    def kill(self):
        if self.process.poll() is None:
            os.killpg(self.process.pid, signal.SIGKILL)
            self.process.wait()
        self.log.close()

    def output(self):
        self.log.flush()
        with open(self.log_path, errors="replace") as f:
            return f.read()
