#!/usr/bin/env python3
"""Monkey run: random clicks, drags, right clicks and keys (function keys included) against the
real program under Xvfb and openbox for a bounded time, with message boxes and dialogs answered.
Jigsaw pieces turn (rotation is switched on) after being dragged to each edge of the window in
turn, and F2/F3/F4/F7 come in the middle of drags, the button held. Each action waits until the
program has taken in the last one.
Meant for the sanitizer build: any sanitizer report, a crash, an exit with a non-zero status or a
window that stops answering (a drag-and-drop round trip, see XPing.cpp) fails the run. The program is copied into a scratch
folder first, so that what the monkey writes (fav.dll, tile files) stays out of the build tree.

Usage: monkey.py --program PATH --xping PATH --logs DIR [--seconds N] [--seed S]
The seconds default to $QUARRY_MONKEY_SECONDS, else 60.
"""

import argparse
import collections
import glob
import os
import random
import re
import shutil
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import Desktop, E2EFailure, Program, check, missing_tools, sample_pixels  # noqa: E402

MAIN_WINDOWS = {"Quarry Puzzle", "Quarry Logic Puzzle Freeuse", "Quarry Jigsaw Puzzle Freeuse"}
JIGSAW = "Quarry Jigsaw Puzzle Freeuse"
COMPANIONS = {"Toolbar", "Preview", "Help", "About Quarry Puzzle"}
KEYS = (["Left", "Right", "Up", "Down"] * 6
        + ["F1", "F2", "F3", "F4", "F5", "F6", "F7", "F8", "F12", "ctrl+l", "ctrl+j", "ctrl+g", "ctrl+n",
           "Return", "Escape", "space", "Tab"])
# Commands that pause the game or open a modal window, pressed while a piece is held.
MID_DRAG_KEYS = ["F2", "F3", "F4", "F7", "ctrl+n"]
EDGES = ("left", "top", "right", "bottom")
HANG_MS = 60000  # no answer for this long is a hang, even for a sanitizer build on a loaded machine


STARTED = time.monotonic()


def log(message):
    print(f"[{time.monotonic() - STARTED:6.1f} s] {message}", flush=True)


class Monkey:
    def __init__(self, desktop, program_dir, logs, rng):
        self.desktop = desktop
        self.program_dir = program_dir
        self.logs = logs
        self.rng = rng
        self.program = None
        self.starts = 0
        self.actions = 0
        self.turns_at_edges = {edge: 0 for edge in EDGES}
        self.mid_drag_keys = 0
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
        self.desktop.wait_window("Quarry Puzzle", 120)

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

    def settle(self, windows):
        """Waits until the program has taken in everything sent so far (one of its main windows
        answers a round trip); fails if it stops answering. The monkey goes at the program's pace."""
        for window, title in windows:
            if title in MAIN_WINDOWS and self.desktop.settle(window, HANG_MS):
                return

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
                self.desktop.activate(window, timeout=5)
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
        except (E2EFailure, AttributeError):
            return  # it went away meanwhile
        point = lambda: (rect.x + self.rng.randrange(max(1, rect.width)),
                         rect.y + self.rng.randrange(max(1, rect.height)))
        d = self.desktop
        roll = self.rng.random()
        if title == "Quarry Puzzle" and roll < 0.8:
            # The start window's third button ends the program: mostly open a game instead.
            self.key(window, self.rng.choice(["ctrl+l", "ctrl+j", "ctrl+j"]))
        elif title == JIGSAW and roll < 0.3:
            self.turn_at_edge(window, rect)
        elif roll < 0.45:
            d.click(window, point())
        elif roll < 0.6:
            d.drag(window, point(), point(), steps=self.rng.randint(1, 6))
        elif roll < 0.68:
            d.click(window, point(), button=3)
        elif roll < 0.78:
            self.key_mid_drag(window, point(), point())
        else:
            self.key(window, self.rng.choice(KEYS))
        self.actions += 1
        self.seen.update(t for _, t in windows if t in MAIN_WINDOWS)

    def key(self, window, key):
        """A key into window, once it is active (one under a modal dialog never is: no key then)."""
        try:
            self.desktop.activate(window, timeout=5)
        except E2EFailure:
            return
        self.desktop.xdotool("key", "--clearmodifiers", key)

    def turn_at_edge(self, window, rect):
        """Drags a piece to the next edge of the window in turn, up to a little beyond it, and
        right-clicks just inside that edge, where the dropped piece keeps its strip."""
        edge = EDGES[sum(self.turns_at_edges.values()) % len(EDGES)]
        self.turns_at_edges[edge] += 1
        # A piece: a point of the window whose colour is not the background's.
        shot = self.desktop.screenshot(os.path.join(self.logs, "jigsaw.png"), rect)
        pixels = sample_pixels(shot, 8)
        background = collections.Counter(pixels.values()).most_common(1)[0][0]
        pieces = sorted(p for p, c in pixels.items() if sum(abs(a - b) for a, b in zip(c, background)) > 90)
        start = self.rng.choice(pieces) if pieces else (0, 0)
        start = (rect.x + start[0], rect.y + start[1])
        beyond, inside = self.rng.randint(-20, 40), self.rng.randint(2, 12)
        x, y = rect.x + self.rng.randrange(max(1, rect.width)), rect.y + self.rng.randrange(max(1, rect.height))
        end, turn_at = {
            "left": ((rect.x - beyond, y), (rect.x + inside, y)),
            "top": ((x, rect.y - beyond), (x, rect.y + inside)),
            "right": ((rect.right + beyond, y), (rect.right - inside, y)),
            "bottom": ((x, rect.bottom + beyond), (x, rect.bottom - inside)),
        }[edge]
        self.desktop.drag(window, start, end, steps=self.rng.randint(2, 6))
        for _ in range(self.rng.randint(1, 4)):
            self.desktop.click(window, turn_at, button=3)

    def key_mid_drag(self, window, start, end):
        """Presses a command key while the button is held, then goes on moving and lets go."""
        d = self.desktop
        d.press(window, start)
        try:
            d.move_held(window, start, end, self.rng.randint(1, 4))
            self.key(window, self.rng.choice(MID_DRAG_KEYS))
            self.mid_drag_keys += 1
            d.move_held(window, end, (end[0] + self.rng.randint(-60, 60), end[1] + self.rng.randint(-60, 60)), 2)
        finally:
            d.xdotool("mouseup", 1)

    def restore_icons(self):
        """Brings minimised windows back: a minimised modal box would hold every other window's keys
        unseen, and a minimised game window could not be closed at the end."""
        for icon in self.desktop.iconified():
            log(f"window {icon} is minimised; restoring it")
            self.desktop.xdotool("windowactivate", str(icon))

    def run(self, seconds):
        self.start()
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            self.check_program()
            self.restore_icons()
            windows = self.desktop.visible()
            if not self.answer_dialogs(windows):
                self.act(windows)
            self.settle(windows)
        self.check_program()
        self.finish()

    def finish(self):
        """Ends the program as a player would, so that leaks are checked at a normal exit: one
        window closed at a time, each close taken in before the next is chosen."""
        deadline = time.monotonic() + 300
        while self.program.process.poll() is None:
            if time.monotonic() > deadline:
                shot = self.desktop.screenshot(os.path.join(self.logs, "not-ending.png"))
                raise E2EFailure(f"the program did not end when asked; windows {self.desktop.visible()}, screen in {shot}")
            self.restore_icons()
            windows = self.desktop.visible()
            if not self.answer_dialogs(windows):
                titles = {t: w for w, t in windows}
                for title, key in (("About Quarry Puzzle", "alt+F4"), ("Help", "alt+F4"), (JIGSAW, "F12"),
                                   ("Quarry Logic Puzzle Freeuse", "F12"), ("Quarry Puzzle", "alt+F4")):
                    if title in titles:
                        try:
                            self.desktop.activate(titles[title], timeout=5)
                            # Escape first: an open pop-up menu takes the keys and would keep the close key.
                            self.desktop.xdotool("key", "--clearmodifiers", "Escape", key)
                        except E2EFailure:
                            pass
                        break
            if self.program.process.poll() is None:
                self.settle(windows)
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
    # Pieces turn on a right click (R1); the seed picks the family, the shape board (M1) or not.
    rng = random.Random(seed)
    with open(os.path.join(scratch, "fav.dll"), "rb") as f:
        lines = f.read().split(b"\r\n")
    lines[1] = re.sub(rb"R\d+,", b"R1,", re.sub(rb"M\d+,", b"M%d," % rng.randint(0, 1), lines[1]))
    with open(os.path.join(scratch, "fav.dll"), "wb") as f:
        f.write(b"\r\n".join(lines))
    monkey = None
    try:
        with Desktop(1280, 1024, scratch, os.path.abspath(args.xping)) as desktop:
            monkey = Monkey(desktop, scratch, logs, rng)
            try:
                monkey.run(args.seconds)
            except E2EFailure:
                log(desktop.failure_report(os.path.join(logs, "failure.png")))
                raise
    except E2EFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        if monkey and monkey.program:
            monkey.program.kill()
        shutil.rmtree(scratch, ignore_errors=True)
    log(f"monkey run passed: {monkey.actions} actions, {monkey.starts} program start(s), turns at the edges "
        f"{monkey.turns_at_edges}, {monkey.mid_drag_keys} command keys in the middle of drags; "
        f"windows played: {', '.join(sorted(monkey.seen))}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
