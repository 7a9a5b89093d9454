#!/usr/bin/env python3
"""Plays the installed game as a player does: installs the build with `cmake --install` into a
temporary prefix, starts the installed launcher under Xvfb and openbox, and drives it with real X
input (xdotool). Every step is checked from outside: window titles and places, files in the data
folder, and screenshots whose pixels must show the board. Screenshots of every window are kept.

Usage: play_installed.py --build DIR --shots DIR [--mode look|degraded]
  The screenshots go to DIR/<date>-<time>-<mode>/, which the run prints first.
  look      plays at a device pixel ratio of 1 and of 2 and checks that the layout holds
  degraded  plays with a read-only data folder, then also without fav.dll, sound/ and tile files
"""

import argparse
import collections
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Desktop, E2EFailure, Program, Rect, check, differing_pixels,  # noqa: E402
                     image_size, image_stats, missing_tools, pixel, sample_pixels, similarity_rmse, wait_until)

START = "Quarry Puzzle"
LOGIC = "Quarry Logic Puzzle Freeuse"
JIGSAW = "Quarry Jigsaw Puzzle Freeuse"
TOOL = "Toolbar"
PREVIEW = "Preview"
COLOR = "Color"
ABOUT = "About Quarry Puzzle"
HELP = "Help"
LOGICAL_SCREEN = (1280, 1024)


def log(message):
    print(message, flush=True)


class Run:
    """One start of the installed program on one desktop, played through every step."""

    def __init__(self, desktop, prefix, shots, ratio, variant, home):
        self.desktop = desktop
        self.data = os.path.join(prefix, "lib", "quarry-puzzle")
        self.launcher = os.path.join(prefix, "bin", "quarry-puzzle")
        self.shots = shots
        self.ratio = ratio
        self.variant = variant  # "full", "readonly" or "missing"
        self.home = home
        self.rects = {}  # window title -> client rectangle, for the layout comparison
        self.inner = {}  # screenshot name -> the window's inside within it (frame left out)
        os.makedirs(shots, exist_ok=True)

    def px(self, logical):
        return int(round(logical * self.ratio))

    def shot(self, name, window=None):
        """Screenshot of a window with its frame (or of the whole screen) under shots/name.png."""
        path = os.path.join(self.shots, name + ".png")
        rect = self.desktop.frame_rect(window) if window else None
        if window:
            client = self.desktop.client_rect(window)
            self.inner[name] = Rect(client.x - rect.x, client.y - rect.y, client.width, client.height)
        self.desktop.screenshot(path, rect)
        return path

    def record(self, title, window):
        self.rects[title] = self.desktop.client_rect(window)
        frame = self.desktop.frame_rect(window)
        check(frame.inside(self.desktop.size),
              f'window "{title}" reaches off the screen: frame {frame}, screen {self.desktop.size}')

    def check_shows_picture(self, path, what, min_colours=400):
        deviation, colours = image_stats(path)
        check(deviation > 0.05 and colours >= min_colours,
              f"{what} looks blank: deviation {deviation:.3f}, {colours} colours ({path})")

    def fav(self):
        path = os.path.join(self.data, "fav.dll")
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    # --- the steps ------------------------------------------------------------------------

    def play(self):
        d = self.desktop
        env = {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime")}
        if self.ratio != 1:
            env["QT_SCALE_FACTOR"] = str(self.ratio)
        user = 65534 if os.geteuid() == 0 and self.variant != "full" else None
        program = Program(d, [self.launcher], os.path.join(self.shots, "program.log"), env, user)
        try:
            self.steps(program)
        except Exception:
            log("program output:\n" + program.output())
            raise
        finally:
            program.kill()

    def steps(self, program):
        d = self.desktop
        start = d.wait_window(START, 30)
        self.record(START, start)
        time.sleep(0.5)  # the first paint
        self.check_shows_picture(self.shot("01-start-window", start), "the start window")
        log("start window shown")

        # Ctrl+L: the Logic puzzle with its companions; the start window steps aside.
        d.key(start, "ctrl+l")
        logic = d.wait_window(LOGIC)
        tool = d.wait_window(TOOL)
        preview = d.wait_window(PREVIEW)
        d.wait_gone(START)
        time.sleep(1.0)
        for title, window in ((LOGIC, logic), (TOOL, tool), (PREVIEW, preview)):
            self.record(title, window)
        board_shot = self.shot("02-logic-puzzle", logic)
        self.check_shows_picture(board_shot, "the Logic puzzle")
        self.shot("03-logic-toolbar", tool)
        self.check_shows_picture(self.shot("04-logic-preview", preview), "the Logic preview", 200)
        log("Ctrl+L opened the Logic puzzle")

        self.pause_and_resume(logic)
        self.move_tiles(logic)
        self.switch_sound(logic)
        self.help_and_about(logic, "logic")

        # F12: back to the start window.
        d.key(logic, "F12")
        d.wait_gone(LOGIC)
        start = d.wait_window(START)
        check(not d.windows(TOOL) and not d.windows(PREVIEW), "companions outlived the Logic puzzle")
        log("F12 returned to the start window")

        # Ctrl+J: the Jigsaw puzzle.
        d.key(start, "ctrl+j")
        jigsaw = d.wait_window(JIGSAW)
        tool = d.wait_window(TOOL)
        preview = d.wait_window(PREVIEW)
        time.sleep(1.5)
        for title, window in ((JIGSAW, jigsaw), ("jigsaw " + TOOL, tool), ("jigsaw " + PREVIEW, preview)):
            self.record(title, window)
        self.check_shows_picture(self.shot("05-jigsaw-puzzle", jigsaw), "the Jigsaw puzzle")
        self.shot("06-jigsaw-toolbar", tool)
        self.check_shows_picture(self.shot("07-jigsaw-preview", preview), "the Jigsaw preview", 200)
        log("Ctrl+J opened the Jigsaw puzzle")

        self.drag_piece(jigsaw)
        self.back_colour(jigsaw)

        # Closing the start window ends the program cleanly.
        d.key(jigsaw, "F12")
        d.wait_gone(JIGSAW)
        start = d.wait_window(START)
        d.key(start, "alt+F4")
        status = program.wait(20)
        check(status == 0, f"the program ended with status {status}")
        log("closing the start window ended the program with status 0")

    def changed_shot(self, reference, window, rect, name, timeout):
        """A screenshot of window under name that differs from reference within rect, or None
        if none comes within timeout seconds."""
        deadline = time.monotonic() + timeout
        while True:
            time.sleep(0.25)
            path = self.shot(name, window)
            if differing_pixels(reference, path, rect) > 0:
                return path
            if time.monotonic() >= deadline:
                return None

    def pause_and_resume(self, logic):
        d = self.desktop
        client = d.client_rect(logic)
        # The clock and step labels sit in the strip under the menu bar.
        strip = Rect(client.x, client.y, client.width, self.px(80))
        local = Rect(0, client.y - d.frame_rect(logic).y, strip.width, strip.height)
        d.key(logic, "F3")
        # Shots 1.2 s apart straddle a tick of a running clock; once two are the same, the pause
        # has been painted. It must then hold.
        for _ in range(4):
            first = self.shot("08-logic-paused", logic)
            time.sleep(1.2)
            second = self.shot("tmp-paused-later", logic)
            if differing_pixels(first, second, local) == 0:
                break
        time.sleep(1.2)
        second = self.shot("tmp-paused-later", logic)
        check(differing_pixels(first, second, local) == 0, "the clock went on while paused")
        d.key(logic, "F3")
        resumed = self.changed_shot(first, logic, local, "tmp-resumed", 3.0)
        check(resumed, "F3 did not take the pause banner away")
        check(self.changed_shot(resumed, logic, local, "tmp-resumed-later", 4.0),
              "the clock did not go on after the pause")
        for name in ("tmp-paused-later", "tmp-resumed", "tmp-resumed-later"):
            os.unlink(os.path.join(self.shots, name + ".png"))
        log("F3 paused the clock and F3 resumed it")

    def move_tiles(self, logic):
        d = self.desktop
        frame = d.frame_rect(logic)
        client = d.client_rect(logic)
        # The play area below the labels.
        area = Rect(0, client.y - frame.y + self.px(80), client.width, client.height - self.px(80))
        before = self.shot("tmp-before-move", logic)
        moved = None
        for key in ("Left", "Up", "Right", "Down"):
            d.key(logic, key)
            # A key that moves nothing leaves the board; give a slow repaint time before the next
            # key, which could otherwise undo this one.
            deadline = time.monotonic() + 1.5
            while moved is None and time.monotonic() < deadline:
                time.sleep(0.3)
                after = self.shot("tmp-after-move", logic)
                if differing_pixels(before, after, area) > self.px(20) ** 2:
                    moved = key
            if moved:
                break
        os.unlink(before)
        check(moved is not None, "no arrow key moved a tile")
        os.replace(after, os.path.join(self.shots, "09-logic-tile-moved.png"))
        log(f"the {moved} arrow key moved a tile")

    def switch_sound(self, logic):
        d = self.desktop
        before = self.fav()
        d.key(logic, "F6")
        if self.variant == "full":
            after = wait_until(lambda: self.fav() if self.fav() != before else None, 10,
                               what="fav.dll to change after F6")
            lines = before.split(b"\r\n")
            sliding = lines[0]
            flipped = sliding.replace(b"S1,", b"S0,") if b"S1," in sliding else sliding.replace(b"S0,", b"S1,")
            expected = b"\r\n".join([flipped] + lines[1:])
            check(after == expected, f"F6 wrote {after!r}, expected {expected!r}")
            log("F6 switched the sound in fav.dll: " + after.split(b"\r\n")[0].decode())
        else:
            time.sleep(1.0)
            check(self.fav() == before, "F6 changed fav.dll in a read-only or empty folder")
            check(d.windows(LOGIC), "the Logic puzzle went away after F6")
            log("F6 left the data folder as it was")

    def look_at_and_close(self, title, name, what):
        """Waits for a window, keeps its screenshot, and closes it with the window manager's key."""
        d = self.desktop
        window = d.wait_window(title)
        time.sleep(0.5)
        self.record(title, window)
        self.check_shows_picture(self.shot(name, window), what, 20)
        d.key(window, "alt+F4")
        d.wait_gone(title)

    def help_and_about(self, game, tag):
        d = self.desktop
        d.key(game, "F1")
        self.look_at_and_close(HELP, f"10-{tag}-help", "the Help window")
        # About is the last but one entry of the game menu, the first title of the menu bar.
        client = d.client_rect(game)
        d.activate(game)
        d.click((client.x + self.px(30), client.y + self.px(10)))
        time.sleep(0.5)
        d.xdotool("key", "Up", "Up", "Return")
        self.look_at_and_close(ABOUT, f"11-{tag}-about", "the About box")
        log("F1 opened Help and the menu opened About")

    def find_pieces(self, shot, client):
        """Points well inside pieces in the scatter area, in window-shot coordinates."""
        step = self.px(6)
        pixels = sample_pixels(shot, step)
        background = collections.Counter(pixels.values()).most_common(1)[0][0]
        far = lambda c: sum(abs(a - b) for a, b in zip(c, background)) > 90
        top = client.y - self.desktop.frame_rect(self.jigsaw).y + self.px(90)
        found = []
        for (x, y) in sorted(pixels, key=lambda p: (p[1], p[0])):
            if x > client.width * 0.4 or y < top or y > client.height - self.px(150):
                continue
            if any(abs(x - fx) < self.px(60) and abs(y - fy) < self.px(60) for fx, fy in found):
                continue
            if all(far(pixels.get((x + dx * step, y + dy * step), background))
                   for dx in range(-2, 3) for dy in range(-2, 3)):
                found.append((x, y))
        check(found, "no piece found in the scatter area")
        return found

    def drag_piece(self, jigsaw):
        """Drags pieces until one is seen to follow the mouse. A piece dropped by chance next to
        its neighbour joins it and may end up below another; then the next piece is tried."""
        d = self.desktop
        self.jigsaw = jigsaw
        frame = d.frame_rect(jigsaw)
        client = d.client_rect(jigsaw)
        delta = (self.px(140), self.px(90))
        probes = [(0, 0), (self.px(4), self.px(4)), (-self.px(4), self.px(4))]
        before = self.shot("tmp-before-drag", jigsaw)
        for attempt, (x, y) in enumerate(self.find_pieces(before, client)[:3]):
            colours = [pixel(before, x + dx, y + dy) for dx, dy in probes]
            d.activate(jigsaw)
            d.drag((frame.x + x, frame.y + y), (frame.x + x + delta[0], frame.y + y + delta[1]))
            time.sleep(0.6)
            after = self.shot("12-jigsaw-piece-dragged", jigsaw)
            check(differing_pixels(before, after) > self.px(30) ** 2, "dragging changed nothing on screen")
            moved = [pixel(after, x + delta[0] + dx, y + delta[1] + dy) for dx, dy in probes]
            if all(sum(abs(a - b) for a, b in zip(was, now)) <= 40 for was, now in zip(colours, moved)):
                os.unlink(before)
                log(f"a piece was dragged from ({x}, {y}) by {delta}")
                return
            log(f"attempt {attempt + 1}: the colours at the drop were {moved}, not {colours}")
            os.replace(after, before)
        raise E2EFailure("no dragged piece followed the mouse")

    def back_colour(self, jigsaw):
        d = self.desktop
        tile = os.path.join(self.data, "bakdatae")
        before = self.shot("tmp-before-colour", jigsaw)
        d.key(jigsaw, "F4")
        dialog = d.wait_window(COLOR)
        time.sleep(0.5)
        self.record(COLOR, dialog)
        self.check_shows_picture(self.shot("13-back-colour-dialog", dialog), "the back-colour dialog")
        d.key(dialog, "Return")
        d.wait_gone(COLOR)
        time.sleep(0.8)
        if self.variant == "full":
            check(os.path.exists(tile), "OK in the back-colour dialog wrote no bakdatae")
            with open(tile, "rb") as f:
                data = f.read()
            check(data[:2] == b"BM" and int.from_bytes(data[2:6], "little") == len(data),
                  "bakdatae is not a complete BMP file")
            after = self.shot("14-jigsaw-new-background", jigsaw)
            check(differing_pixels(before, after) > 1000, "the new background was not painted")
            log(f"OK in the back-colour dialog wrote bakdatae ({len(data)} bytes)")
        else:
            check(not os.path.exists(tile), "bakdatae appeared in a read-only folder")
            check(d.windows(JIGSAW), "the Jigsaw puzzle went away after the back-colour dialog")
            self.shot("14-jigsaw-after-colour", jigsaw)
            log("OK in the back-colour dialog left the read-only folder alone")
        os.unlink(before)


def install(build, prefix):
    subprocess.run(["cmake", "--install", build, "--prefix", prefix], check=True,
                   stdout=subprocess.DEVNULL)
    check(os.access(os.path.join(prefix, "bin", "quarry-puzzle"), os.X_OK), "no installed launcher")


def make_home(root, owner):
    home = tempfile.mkdtemp(prefix="home-", dir=root)
    runtime = os.path.join(home, "runtime")
    os.makedirs(runtime)
    os.chmod(runtime, 0o700)
    if owner is not None:
        for path in (home, runtime):
            os.chown(path, owner, owner)
    return home


def make_read_only(folder):
    for dirpath, dirnames, filenames in os.walk(folder):
        for name in filenames:
            path = os.path.join(dirpath, name)
            os.chmod(path, os.stat(path).st_mode & ~(stat.S_IWUSR | stat.S_IWGRP | stat.S_IWOTH))
    for dirpath, dirnames, filenames in list(os.walk(folder, topdown=False)):
        os.chmod(dirpath, 0o555)


def look(args, root):
    """Ratio 1 and ratio 2 on fresh installs; the layout must be the same in logical pixels."""
    runs = {}
    for ratio in (1, 2):
        prefix = os.path.join(root, f"prefix-ratio{ratio}")
        install(args.build, prefix)
        width, height = (v * ratio for v in LOGICAL_SCREEN)
        shots = os.path.join(args.shots, f"ratio{ratio}")
        log(f"--- device pixel ratio {ratio}: screen {width}x{height}, screenshots in {shots}")
        with Desktop(width, height, root) as desktop:
            run = Run(desktop, prefix, shots, ratio, "full", make_home(root, None))
            run.play()
        runs[ratio] = run
    one, two = runs[1], runs[2]
    for title, rect in one.rects.items():
        doubled = two.rects.get(title)
        check(doubled is not None, f'window "{title}" missing at ratio 2')
        # Game windows follow the screen less the window manager's frame, which is not scaled.
        slack = 16 if title in (LOGIC, JIGSAW) else 2
        for what, a, b in (("width", rect.width, doubled.width), ("height", rect.height, doubled.height)):
            check(abs(b / 2 - a) <= slack,
                  f'"{title}" {what} is {a} at ratio 1 but {b} ({b / 2} logical) at ratio 2')
    # Windows drawn the same each time must look the same at both ratios once scaled down
    # (their insides only: the window manager's frames are not scaled). Text is laid out anew at
    # each size, so lines may shift by a pixel; a different layout differs far more.
    for name in ("01-start-window", "11-logic-about", "10-logic-help", "13-back-colour-dialog"):
        crops = []
        for run in (one, two):
            crop = os.path.join(run.shots, f"tmp-{name}-inside.png")
            inner = run.inner[name]
            subprocess.run(["convert", os.path.join(run.shots, name + ".png"), "-crop",
                            f"{inner.width}x{inner.height}+{inner.x}+{inner.y}", "+repage", crop],
                           check=True)
            crops.append(crop)
        width, height = image_size(crops[0])
        difference = similarity_rmse(crops[0], crops[1], width, height)
        for crop in crops:
            os.unlink(crop)
        check(difference < 0.12, f"{name} differs between ratio 1 and 2 (RMSE {difference:.3f})")
        log(f"{name}: same layout at ratio 2 (RMSE {difference:.3f})")


def degraded(args, root):
    """Read-only data folder; then read-only and without fav.dll, sound/ and tile files."""
    user = 65534 if os.geteuid() == 0 else None
    for variant in ("readonly", "missing"):
        prefix = os.path.join(root, f"prefix-{variant}")
        install(args.build, prefix)
        data = os.path.join(prefix, "lib", "quarry-puzzle")
        if variant == "missing":
            os.unlink(os.path.join(data, "fav.dll"))
            shutil.rmtree(os.path.join(data, "sound"))
            for tile in ("bakdatal", "bakdatae"):
                if os.path.exists(os.path.join(data, tile)):
                    os.unlink(os.path.join(data, tile))
        make_read_only(data)
        for path in (root, prefix):
            os.chmod(path, 0o755)
        shots = os.path.join(args.shots, variant)
        log(f"--- data folder {variant}: screenshots in {shots}")
        with Desktop(*LOGICAL_SCREEN, root) as desktop:
            run = Run(desktop, prefix, shots, 1, variant, make_home(root, user))
            run.play()
        check(not os.path.exists(os.path.join(data, "fav.dll")) or variant == "readonly",
              "fav.dll was created in a read-only folder")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="build tree to install")
    parser.add_argument("--shots", required=True, help="folder for the runs' screenshot folders")
    parser.add_argument("--mode", choices=("look", "degraded"), default="look")
    args = parser.parse_args()
    missing = missing_tools()
    if missing:
        print("missing tools: " + " ".join(missing), file=sys.stderr)
        return 2
    # Each run names its own folder, so runs never mix their screenshots.
    args.shots = os.path.join(os.path.abspath(args.shots), time.strftime("%Y%m%d-%H%M%S") + "-" + args.mode)
    os.makedirs(args.shots, exist_ok=True)
    print(f"screenshots: {args.shots}", flush=True)
    root = tempfile.mkdtemp(prefix="quarry-e2e-")
    os.chmod(root, 0o755)
    try:
        (look if args.mode == "look" else degraded)(args, root)
    except E2EFailure as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    finally:
        for dirpath, dirnames, filenames in os.walk(root):
            os.chmod(dirpath, 0o755)
        shutil.rmtree(root, ignore_errors=True)
    print("end-to-end run passed", flush=True)
    return 0


if __name__ == "__main__":
    sys.exit(main())
