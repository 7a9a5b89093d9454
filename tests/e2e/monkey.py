#!/usr/bin/env python3
"""Monkey run: random clicks, drags, right clicks and keys (function keys included) against the
real program under Xvfb and openbox for a bounded time, with message boxes and dialogs answered.
Meant for the sanitizer build: any sanitizer report, a crash, an exit with a non-zero status or a
window that stops answering (a drag-and-drop round trip, see XPing.cpp) fails the run. The program is copied into a scratch
folder first, so that what the monkey writes (fav.dll, tile files) stays out of the build tree.

Usage: monkey.py --program PATH --xping PATH --logs DIR [--seconds N] [--seed S]
The seconds default to $QUARRY_MONKEY_SECONDS, else 60.
"""

import argparse
import glob
import os
import random
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, E2EFailure, Program, check, missing_tools  # noqa: E402

MAIN_WINDOWS = {"Quarry Puzzle", "Quarry Logic Puzzle Freeuse", "Quarry Jigsaw Puzzle Freeuse"}
COMPANIONS = {"Toolbar", "Preview", "Help", "About Quarry Puzzle"}
KEYS = (["Left", "Right", "Up", "Down"] * 6
        + ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F12", "ctrl+l", "ctrl+j",
           "Return", "Escape", "space", "Tab"])
PING_EVERY = 2.0
PING_TIMEOUT_MS = 15000  # a Debug build under the sanitizers builds a 101-piece level slowly


def log(message):
    print(message, flush=True)


class Monkey:
    def __init__(self, desktop, program_dir, xping, logs, rng):
        self.desktop = desktop
        self.program_dir = program_dir
        self.xping = xping
        self.logs = logs
        self.rng = rng
        self.program = None
        self.starts = 0
        self.actions = 0
        self.pings = 0
        self.stuck = {}
        self.seen = set()

    def start(self):
        self.starts += 1
        env = {
            "ASAN_OPTIONS": f"log_path={self.logs}/asan:detect_leaks=1:halt_on_error=1",
            "UBSAN_OPTIONS": f"log_path={self.logs}/ubsan:print_stacktrace=1:halt_on_error=1",
            "LSAN_OPTIONS": "print_suppressions=0:suppressions=" + os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                                            "lsan.supp"),
            "HOME": self.logs,
            "XDG_RUNTIME_DIR": os.path.join(self.logs, "runtime"),
        }
        os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
        self.program = Program(self.desktop, [os.path.join(self.program_dir, "quarry-puzzle")],
                               os.path.join(self.logs, f"program-{self.starts}.log"), env)
        log(f"program started, pid {self.program.process.pid}")
        self.desktop.wait_window("Quarry Puzzle", 60)

    def sanitizer_reports(self):
        """Sanitizer log files that report an error (not merely the suppressions used)."""
        found = []
        for path in sorted(glob.glob(os.path.join(self.logs, "asan*")) + glob.glob(os.path.join(self.logs, "ubsan*"))):
            with open(path, errors="replace") as f:
                text = f.read()
            if "ERROR:" in text or "runtime error" in text:
                found.append(path)
        return found

    def check_program(self):
        """Fails on a crash; restarts the program after a clean exit (the monkey found Exit)."""
        reports = self.sanitizer_reports()
        if reports:
            raise E2EFailure("sanitizer report:\n" + "".join(open(r, errors="replace").read() for r in reports))
        status = self.program.process.poll()
        if status is None:
            return
        check(status == 0, f"the program ended with status {status}:\n{self.program.output()[-4000:]}")
        log(f"the program (pid {self.program.process.pid}) ended cleanly after {self.actions} actions; "
            "starting it again")
        self.program.kill()
        self.start()

    def visible(self):
        """(window, title) of every visible window on the desktop."""
        found = []
        for window in self.desktop.xdotool("search", "--onlyvisible", "--name", ".").split():
            title = self.desktop.xdotool("getwindowname", window).strip()
            if title:
                found.append((int(window), title))
        return found

    def answer_dialogs(self, windows):
        """Message boxes and other dialogs: Return or Escape, and the close key if one lingers."""
        answered = False
        for window, title in windows:
            if title in MAIN_WINDOWS or title in COMPANIONS:
                continue
            count = self.stuck.get(window, 0) + 1
            self.stuck[window] = count
            key = "alt+F4" if count > 4 else self.rng.choice(["Return", "Return", "Escape"])
            try:
                self.desktop.activate(window, timeout=2)
                self.desktop.xdotool("key", "--clearmodifiers", key)
            except E2EFailure:
                pass
            answered = True
        return answered

    def act(self, windows):
        targets = [(w, t) for w, t in windows if t in MAIN_WINDOWS or t in COMPANIONS or t == "Color"]
        if not targets:
            return
        # Mostly the game windows: that is where play happens.
        weights = [6 if t in MAIN_WINDOWS else 2 for _, t in targets]
        window, title = self.rng.choices(targets, weights)[0]
        try:
            rect = self.desktop.client_rect(window)
            self.desktop.activate(window, timeout=2)
        except (E2EFailure, AttributeError):
            return  # it went away meanwhile
        point = lambda: (rect.x + self.rng.randrange(max(1, rect.width)),
                         rect.y + self.rng.randrange(max(1, rect.height)))
        roll = self.rng.random()
        if title == "Quarry Puzzle" and roll < 0.8:
            # The start window's third button ends the program: mostly open a game instead.
            self.desktop.xdotool("key", "--clearmodifiers", self.rng.choice(["ctrl+l", "ctrl+j"]))
        elif roll < 0.30:
            self.desktop.click(point())
        elif roll < 0.50:
            self.desktop.drag(point(), point(), steps=self.rng.randint(2, 10))
        elif roll < 0.60:
            self.desktop.click(point(), button=3)
        else:
            self.desktop.xdotool("key", "--clearmodifiers", self.rng.choice(KEYS))
        self.actions += 1
        self.seen.update(t for _, t in windows if t in MAIN_WINDOWS)

    def ping(self, windows):
        for window, title in windows:
            if title in MAIN_WINDOWS:
                result = self.desktop.run_status(self.xping, str(window), str(PING_TIMEOUT_MS))
                if result == 3:
                    continue  # gone between the search and the ping
                check(result == 0, f'"{title}" did not answer within {PING_TIMEOUT_MS} ms: the program hangs')
                self.pings += 1
                return

    def run(self, seconds):
        self.start()
        deadline = time.monotonic() + seconds
        next_ping = time.monotonic() + PING_EVERY
        while time.monotonic() < deadline:
            self.check_program()
            windows = self.visible()
            if not self.answer_dialogs(windows):
                self.act(windows)
            time.sleep(self.rng.uniform(0.02, 0.15))
            if time.monotonic() >= next_ping:
                self.ping(self.visible())
                next_ping = time.monotonic() + PING_EVERY
        self.check_program()
        self.finish()

    def finish(self):
        """Ends the program as a player would, so that leaks are checked at a normal exit."""
        for _ in range(40):
            if self.program.process.poll() is not None:
                break
            windows = self.visible()
            if self.answer_dialogs(windows):
                time.sleep(0.5)
                continue
            titles = {t: w for w, t in windows}
            try:
                for title in ("About Quarry Puzzle", "Help"):
                    if title in titles:
                        self.desktop.activate(titles[title], timeout=2)
                        self.desktop.xdotool("key", "--clearmodifiers", "alt+F4")
                for title in ("Quarry Logic Puzzle Freeuse", "Quarry Jigsaw Puzzle Freeuse"):
                    if title in titles:
                        self.desktop.activate(titles[title], timeout=2)
                        self.desktop.xdotool("key", "--clearmodifiers", "F12")
                if "Quarry Puzzle" in titles:
                    self.desktop.activate(titles["Quarry Puzzle"], timeout=2)
                    self.desktop.xdotool("key", "--clearmodifiers", "alt+F4")
            except E2EFailure:
                pass
            time.sleep(1.0)
        if self.program.process.poll() is None:
            shot = self.desktop.screenshot(os.path.join(self.logs, "not-ending.png"))
            raise E2EFailure(f"the program did not end when asked; windows {self.visible()}, screen in {shot}")
        status = self.program.wait(60)
        reports = self.sanitizer_reports()
        check(not reports, "sanitizer report:\n" + "".join(open(r, errors="replace").read() for r in reports))
        check(status == 0, f"the program ended with status {status}:\n{self.program.output()[-4000:]}")
        self.program.kill()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--program", required=True, help="quarry-puzzle of the sanitizer build")
    parser.add_argument("--xping", required=True, help="the quarry-xping tool")
    parser.add_argument("--logs", required=True, help="folder for this run's logs")
    parser.add_argument("--seconds", type=float,
                        default=float(os.environ.get("QUARRY_MONKEY_SECONDS", "60")))
    parser.add_argument("--seed", type=int, default=None)
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print("missing tools: " + " ".join(missing), file=sys.stderr)
        return 2
    seed = args.seed if args.seed is not None else random.SystemRandom().randrange(2 ** 32)
    logs = os.path.join(os.path.abspath(args.logs), time.strftime("%Y%m%d-%H%M%S") + f"-seed{seed}")
    os.makedirs(logs)
    log(f"monkey: {args.seconds:g} s, seed {seed} (--seed {seed} repeats the choices), logs in {logs}")
    scratch = tempfile.mkdtemp(prefix="quarry-monkey-")
    source = os.path.dirname(os.path.abspath(args.program))
    for name in ("quarry-puzzle", "fav.dll"):
        shutil.copy2(os.path.join(source, name), scratch)
    shutil.copytree(os.path.join(source, "sound"), os.path.join(scratch, "sound"))
    monkey = None
    try:
        with Desktop(1280, 1024, scratch) as desktop:
            monkey = Monkey(desktop, scratch, os.path.abspath(args.xping), logs, random.Random(seed))
            monkey.run(args.seconds)
    except E2EFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if monkey and monkey.program:
            monkey.program.kill()
        shutil.rmtree(scratch, ignore_errors=True)
    log(f"monkey run passed: {monkey.actions} actions, {monkey.pings} pings answered, "
        f"{monkey.starts} program start(s); windows played: {', '.join(sorted(monkey.seen))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
