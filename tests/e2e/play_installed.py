#!/usr/bin/env python3
"""Walks through the installed game as a player does: installs the build with `cmake --install`
into a temporary prefix, starts the installed launcher under Xvfb and openbox, and drives it with
real X input (xdotool): start window, Logic puzzle, sound switch, Jigsaw puzzle, a piece dragged,
the back colour chosen, the program closed; then a saved Logic game resumed, closed, reopened and
finished onto the scoreboard, and a damaged save set aside. Every step is checked from outside (window titles and
places, files in the data folder, pixels on the screen) and waits on the program, never on the
clock. What the unit tests check (the rules of play) is not checked again here.

Usage: play_installed.py --build DIR --xping PATH --shots DIR [--mode look|degraded]
  The screenshots go to DIR/<date>-<time>-<mode>/, which the run prints first.
  look      the walk at a device pixel ratio of 1 and of 2; the layout must hold
  degraded  the walk with a read-only program folder without sounds and tiles, as another user:
            the player's data lives in the per-user folder
"""

import argparse
import collections
import json
import os
import shutil
import stat
import subprocess
import sys
import tempfile
import time
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from desktop import (Desktop, E2EFailure, Program, Rect, check, colour_count, differing_pixels,  # noqa: E402
                     image_size, image_stats, missing_tools, sample_pixels, similarity_rmse, wait_until)

START = "Quarry Puzzle"
LOGIC = "Quarry Logic Puzzle Freeuse"
JIGSAW = "Quarry Jigsaw Puzzle Freeuse"
TOOL = "Toolbar"
PREVIEW = "Preview"
COLOR = "Color"
SCOREBOARD = "Puzzle scoreboard"
CONGRATULATE = "Congratulate"
PROMPT = "prompt"
LOGICAL_SCREEN = (1280, 1024)
GOLD = "#FFD700"  # the frame the jigsaw draws round a held piece
DEADLINE = 120  # s; a deadline only bounds how long a failing run takes to say so


STARTED = time.monotonic()


def log(message):
    print(f"[{time.monotonic() - STARTED:6.1f} s] {message}", flush=True)


class Run:
    """One start of the installed program on one desktop, walked through every step."""

    def __init__(self, desktop, prefix, shots, ratio, variant, home):
        self.desktop = desktop
        self.program_folder = os.path.join(prefix, "lib", "quarry-puzzle")
        # A program folder it cannot write sends the player's data to the per-user folder.
        self.data = (self.program_folder if variant == "full"
                     else os.path.join(home, ".local", "share", "Quarry Puzzle"))
        self.launcher = os.path.join(prefix, "bin", "quarry-puzzle")
        self.shots = shots
        self.ratio = ratio
        self.variant = variant  # "full" or "readonly"
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

    def wait_shot(self, name, window, condition, what):
        """Screenshots of window until one meets condition(path); that one is kept as name."""
        return wait_until(lambda: (lambda path: path if condition(path) else None)(self.shot(name, window)),
                          DEADLINE, interval=0.2, what=what)

    def wait_picture(self, name, window, what, min_colours=400):
        """A window is painted: the inside of its screenshot shows a picture, not a blank face (the
        frame alone, painted by the window manager, has colours enough to pass for one)."""
        def painted(path):
            deviation, colours = image_stats(path, self.inner[name])
            return deviation > 0.05 and colours >= min_colours
        return self.wait_shot(name, window, painted, f"{what} to be painted")

    def record(self, title, window):
        """Keeps the window's place once it lies on the screen, where the program keeps it."""
        d = self.desktop
        wait_until(lambda: d.frame_rect(window).inside(d.size), DEADLINE,
                   what=f'window "{title}" to lie on the screen (frame {d.frame_rect(window)}, screen {d.size})')
        self.rects[title] = d.client_rect(window)

    def fav(self):
        return self.read_fav(self.data)

    def program_fav(self):
        return self.read_fav(self.program_folder)

    @staticmethod
    def read_fav(folder):
        path = os.path.join(folder, "fav.dll")
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    # --- the walk -------------------------------------------------------------------------

    def play(self):
        env = {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime")}
        if self.ratio != 1:
            env["QT_SCALE_FACTOR"] = str(self.ratio)
        # Another user, so that the permissions of the data folder count even when the run is root's.
        user = 65534 if os.geteuid() == 0 and self.variant != "full" else None
        program = Program(self.desktop, [self.launcher], os.path.join(self.shots, "program.log"), env, user)
        try:
            self.steps(program)
        except Exception:
            log(f"program running: {program.process.poll() is None}; output:\n{program.output()}")
            if program.process.poll() is None and shutil.which("gdb"):
                # Where a program that neither answers nor shows its window is waiting.
                stacks = subprocess.run(["gdb", "-p", str(program.process.pid), "-batch", "-ex", "thread apply all bt"],
                                        capture_output=True, text=True, timeout=120).stdout
                log("program stacks:\n" + "\n".join(line for line in stacks.splitlines() if line.startswith(("#", "Thread"))))
            log(self.desktop.failure_report(os.path.join(self.shots, "failure.png")))
            raise
        finally:
            program.kill()

    def steps(self, program):
        d = self.desktop
        start = d.wait_window(START, DEADLINE)
        self.wait_picture("01-start-window", start, "the start window")
        self.record(START, start)
        log("start window shown")

        # Ctrl+L: the Logic puzzle with its companions; the start window steps aside.
        d.key(start, "ctrl+l")
        logic, tool, preview = (d.wait_window(title, DEADLINE) for title in (LOGIC, TOOL, PREVIEW))
        d.wait_gone(START, DEADLINE)
        self.wait_picture("02-logic-puzzle", logic, "the Logic puzzle")
        self.wait_picture("03-logic-preview", preview, "the Logic preview", 200)
        for title, window in ((LOGIC, logic), (TOOL, tool), (PREVIEW, preview)):
            self.record(title, window)
        log("Ctrl+L opened the Logic puzzle")
        self.switch_sound(logic)

        # F12: back to the start window, the companions with the game.
        d.key(logic, "F12")
        for title in (LOGIC, TOOL, PREVIEW):
            d.wait_gone(title, DEADLINE)
        start = d.wait_window(START, DEADLINE)
        log("F12 returned to the start window")

        # Ctrl+J: the Jigsaw puzzle.
        d.key(start, "ctrl+j")
        jigsaw, tool, preview = (d.wait_window(title, DEADLINE) for title in (JIGSAW, TOOL, PREVIEW))
        self.wait_picture("04-jigsaw-preview", preview, "the Jigsaw preview", 200)
        for title, window in ((JIGSAW, jigsaw), ("jigsaw " + TOOL, tool), ("jigsaw " + PREVIEW, preview)):
            self.record(title, window)
        log("Ctrl+J opened the Jigsaw puzzle")
        self.drag_piece(jigsaw, [d.frame_rect(w) for w in (tool, preview)])
        self.back_colour(jigsaw)

        # Closing the start window ends the program cleanly.
        d.key(jigsaw, "F12")
        d.wait_gone(JIGSAW, DEADLINE)
        d.key(d.wait_window(START, DEADLINE), "alt+F4")
        status = program.wait(DEADLINE)
        check(status == 0, f"the program ended with status {status}")
        log("closing the start window ended the program with status 0")

    def own_picture(self, root):
        """The player's own photo from the command line, in each game: its preview shows it."""
        photo = os.path.join(root, "own photo.png")
        write_photo(photo, 1200, 800)
        for option, title in (("--logic", LOGIC), ("--jigsaw", JIGSAW)):
            program = Program(self.desktop, [self.launcher, option, photo],
                              os.path.join(self.shots, f"program{option}.log"),
                              {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime")})
            try:
                self.desktop.wait_window(title, DEADLINE)
                preview = self.desktop.wait_window(PREVIEW, DEADLINE)
                name = f"09-own-photo{option}"

                def shows_photo(path):
                    inner = self.inner[name]
                    y = inner.y + inner.height // 2
                    left, right = (sample_pixels(path, 1, Rect(inner.x + inner.width * f // 4, y, 1, 1))
                                   for f in (1, 3))
                    return (close_to(next(iter(left.values()), None), PHOTO_LEFT)
                            and close_to(next(iter(right.values()), None), PHOTO_RIGHT))
                self.wait_shot(name, preview, shows_photo, f"the {title} preview to show the photo")
                log(f"{option} FILE: the preview shows the player's photo")
            finally:
                program.kill()

    def saved_games(self):
        """A Logic game saved one move short of its end (written here, in the documented format)
        is resumed, moved, saved by F12, reopened and finished: its row reaches records.txt and
        the scoreboard (F9). Then a damaged save: told once, set aside as .bad, a new game."""
        d, save, records = self.desktop, os.path.join(self.data, "logic.save"), os.path.join(self.data, "records.txt")
        for path in (records, save + ".bad"):
            if os.path.exists(path):
                os.unlink(path)
        write_logic_save(save, {7: 8, 8: 7})  # tile 8 and the blank (tile 9) exchanged
        program = Program(d, [self.launcher], os.path.join(self.shots, "program-saves.log"),
                          {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime")})
        saved = lambda key: (read_json(save) or {}).get("state", {}).get(key)
        try:
            d.key(d.wait_window(START, DEADLINE), "ctrl+l")
            d.key(d.wait_window(LOGIC, DEADLINE), "Right", "F12")  # tile 7 into the blank
            moved = [0, 1, 2, 3, 4, 5, 7, 8, 6]
            wait_until(lambda: saved("cells") == moved and saved("steps") == 5, DEADLINE,
                       what=f"F12 to save the resumed game one move on ({moved}, 5 steps)")
            d.key(d.wait_window(START, DEADLINE), "ctrl+l")
            logic = d.wait_window(LOGIC, DEADLINE)
            d.key(logic, "Left", "F9")  # back one move short of the end; the scoreboard empty yet
            board = d.wait_window(SCOREBOARD, DEADLINE)
            d.settle(board)
            empty = self.wait_shot("10-scoreboard-empty", board, unchanged, "the empty scoreboard to be painted")
            d.key(board, "alt+F4")
            d.key(logic, "Left")
            d.key(d.wait_window(CONGRATULATE, DEADLINE), "Return")
            row = wait_until(lambda: next((line for line in read_lines(records) if " L done b3 g3 " in line), None),
                             DEADLINE, what=f"the finished game's row in {records}")
            check(row.split()[-2] == "7", f"the row {row!r} does not count the game's 7 steps")
            d.key(d.wait_window(CONGRATULATE, DEADLINE), "Return")  # the best-result note
            wait_until(lambda: not d.windows(CONGRATULATE) and not os.path.exists(save), DEADLINE,
                       what="the note to go and the finished game's save with it")
            d.key(logic, "F9")
            self.wait_shot("11-scoreboard-row", d.wait_window(SCOREBOARD, DEADLINE), lambda path: image_size(path) ==
                           image_size(empty) and differing_pixels(empty, path) > 500, "the scoreboard to show the row")
            log(f"a saved game resumed, saved, reopened and finished: {row!r} in records.txt and on the scoreboard")
            d.key(logic, "F12")
            d.wait_gone(LOGIC, DEADLINE)  # the finished game's window has dropped its save
            with open(save, "wb") as f:
                f.write(b'{"format": "quarry-saved-game", "version": 1, "ga')
            d.key(d.wait_window(START, DEADLINE), "ctrl+l")
            d.key(d.wait_window(PROMPT, DEADLINE), "Return")
            logic = d.wait_window(LOGIC, DEADLINE)
            self.wait_picture("12-logic-after-bad-save", logic, "the new game after the damaged save")
            d.settle(logic)
            check(not d.windows(PROMPT) and os.path.exists(save + ".bad"), "the damaged save was not set aside, told once")
            d.key(logic, "F12")
            wait_until(lambda: saved("steps") == 0, DEADLINE, what="F12 to save the new game")
            log("a damaged save was told once, set aside as .bad, and a new game started")
            d.key(d.wait_window(START, DEADLINE), "alt+F4")
            check(program.wait(DEADLINE) == 0, "the program did not end with status 0")
        except Exception:
            log(f"program output:\n{program.output()}\n" + d.failure_report(os.path.join(self.shots, "failure-saves.png")))
            raise
        finally:
            program.kill()

    def switch_sound(self, logic):
        d = self.desktop
        before = self.fav()
        check(before is not None, f"no fav.dll in the data folder {self.data}")
        shipped = self.program_fav()
        d.key(logic, "F6")
        after = wait_until(lambda: self.fav() if self.fav() != before else None, DEADLINE,
                           what="fav.dll to change after F6")
        lines = before.split(b"\r\n")
        sliding = lines[0]
        flipped = sliding.replace(b"S1,", b"S0,") if b"S1," in sliding else sliding.replace(b"S0,", b"S1,")
        expected = b"\r\n".join([flipped] + lines[1:])
        check(after == expected, f"F6 wrote {after!r}, expected {expected!r}")
        log(f"F6 switched the sound in {self.data}/fav.dll: " + after.split(b"\r\n")[0].decode())
        if self.variant != "full":
            check(self.program_fav() == shipped, "F6 changed the read-only program folder's fav.dll")

    def pieces_and_room(self, shot, client, covered):
        """Points well inside pieces, and points with nothing but background for a good way all
        round, in the play area of a window shot (window-shot coordinates)."""
        step = self.px(6)
        frame = self.desktop.frame_rect(self.jigsaw)
        pixels = sample_pixels(shot, step)
        background = collections.Counter(pixels.values()).most_common(1)[0][0]
        columns, rows = max(x for x, _ in pixels) // step + 1, max(y for _, y in pixels) // step + 1
        far = [[sum(abs(a - b) for a, b in zip(pixels.get((i * step, j * step), background), background)) > 90
                for i in range(columns)] for j in range(rows)]
        # Sums of `far` over rectangles of the grid, for the room test.
        sums = [[0] * (columns + 1) for _ in range(rows + 1)]
        for j in range(rows):
            for i in range(columns):
                sums[j + 1][i + 1] = far[j][i] + sums[j][i + 1] + sums[j + 1][i] - sums[j][i]
        count = lambda i0, j0, i1, j1: sums[j1][i1] - sums[j0][i1] - sums[j1][i0] + sums[j0][i0]
        left, top = client.x - frame.x, client.y - frame.y + self.px(90)
        right, bottom = left + client.width, client.y - frame.y + client.height
        reach = self.px(110) // step
        under = lambda x0, y0, x1, y1: any(frame.x + x0 < r.right and r.x < frame.x + x1 and frame.y + y0 < r.bottom
                                           and r.y < frame.y + y1 for r in covered)
        pieces, room = [], []
        for j in range(rows):
            for i in range(columns):
                x, y = i * step, j * step
                if not (left <= x < right and top <= y < bottom):
                    continue
                if (x < left + client.width * 0.4 and 2 <= i < columns - 2 and 2 <= j < rows - 2
                        and count(i - 2, j - 2, i + 3, j + 3) == 25 and not under(x, y, x + 1, y + 1)
                        and all(abs(x - px) >= self.px(60) or abs(y - py) >= self.px(60) for px, py in pieces)):
                    pieces.append((x, y))
                lo_x, lo_y, hi_x, hi_y = x - reach * step, y - reach * step, x + reach * step, y + reach * step
                if (left <= lo_x and top <= lo_y and hi_x < right and hi_y < bottom
                        and count(i - reach, j - reach, i + reach + 1, j + reach + 1) == 0
                        and not under(lo_x, lo_y, hi_x, hi_y)):
                    room.append((x, y))
        return pieces, room

    def drag_piece(self, jigsaw, covered):
        """Drags a piece into free room, where nothing can join it, and sees it there. Each step
        waits on the program: the press is taken once the drag frame shows, the drop once the
        frame is gone and the piece's own pixels lie where the pointer let go."""
        d = self.desktop
        self.jigsaw = jigsaw
        frame, client = d.frame_rect(jigsaw), d.client_rect(jigsaw)

        found = {}

        def scattered(path):
            found["pieces"], found["room"] = self.pieces_and_room(path, client, covered)
            return found["pieces"] and found["room"]
        before = self.wait_shot("05-jigsaw-puzzle", jigsaw, scattered, "the jigsaw pieces and room beside them")
        pieces, room = found["pieces"], found["room"]
        (x, y), (tx, ty) = pieces[0], room[len(room) // 2]
        reach = self.px(4)
        patch = sample_pixels(before, 1, Rect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1))
        gold = colour_count(before, GOLD)
        d.activate(jigsaw)
        log(f"pressing the piece at ({x}, {y}) of the window shot")
        d.press(jigsaw, (frame.x + x, frame.y + y))
        self.wait_shot("tmp-held", jigsaw, lambda path: colour_count(path, GOLD) > gold + self.px(40),
                       "the drag frame round the pressed piece")
        d.move_held(jigsaw, (frame.x + x, frame.y + y), (frame.x + tx, frame.y + ty), 3)
        d.xdotool("mouseup", 1)

        def dropped(path):
            if colour_count(path, GOLD) > gold + self.px(4):
                return False
            there = sample_pixels(path, 1, Rect(tx - reach, ty - reach, 2 * reach + 1, 2 * reach + 1))
            same = {(px, py) for (px, py), colour in patch.items()
                    if sum(abs(a - b) for a, b in zip(colour, there[(px - x + tx, py - y + ty)])) <= 40}
            # Only the pixel under the pointer surely belongs to the held piece: another piece may
            # have lain over the rest of the patch, and the dropped piece's shadow falls beside it.
            return (x, y) in same and len(same) * 4 >= len(patch)
        self.wait_shot("06-jigsaw-piece-dragged", jigsaw, dropped, f"the piece held at ({x}, {y}) to lie at ({tx}, {ty})")
        os.unlink(os.path.join(self.shots, "tmp-held.png"))
        log(f"a piece was dragged from ({x}, {y}) to ({tx}, {ty})")

    def back_colour(self, jigsaw):
        d = self.desktop
        tile = os.path.join(self.data, "bakdatae")
        before = self.shot("tmp-before-colour", jigsaw)
        d.key(jigsaw, "F4")
        dialog = d.wait_window(COLOR, DEADLINE)
        self.wait_picture("07-back-colour-dialog", dialog, "the back-colour dialog")
        self.record(COLOR, dialog)
        d.key(dialog, "Return")
        d.wait_gone(COLOR, DEADLINE)
        def complete():
            with open(tile, "rb") as f:
                data = f.read()
            return data if data[:2] == b"BM" and int.from_bytes(data[2:6], "little") == len(data) else None
        data = wait_until(lambda: os.path.exists(tile) and complete(), DEADLINE,
                          what=f"OK in the back-colour dialog to write a complete BMP file {tile}")
        self.wait_shot("08-jigsaw-new-background", jigsaw, lambda path: differing_pixels(before, path) > 1000,
                       "the new background to be painted")
        log(f"OK in the back-colour dialog wrote {tile} ({len(data)} bytes)")
        if self.variant != "full":
            check(not os.path.exists(os.path.join(self.program_folder, "bakdatae")),
                  "bakdatae appeared in the read-only program folder")
        os.unlink(before)


PHOTO_LEFT, PHOTO_RIGHT = (200, 30, 160), (20, 170, 60)


def close_to(colour, wanted, tolerance=40):
    return colour is not None and all(abs(a - b) <= tolerance for a, b in zip(colour, wanted))


def write_photo(path, width, height):
    """A PNG photo whose left half is one colour and right half another."""
    def chunk(kind, data):
        return (len(data).to_bytes(4, "big") + kind + data
                + (zlib.crc32(kind + data) & 0xFFFFFFFF).to_bytes(4, "big"))
    row = b"\0" + bytes(PHOTO_LEFT) * (width // 2) + bytes(PHOTO_RIGHT) * (width - width // 2)
    header = width.to_bytes(4, "big") + height.to_bytes(4, "big") + bytes([8, 2, 0, 0, 0])
    with open(path, "wb") as f:
        f.write(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(row * height))
                + chunk(b"IEND", b""))


def write_logic_save(path, moved):
    """A 3 x 3 Logic game on built-in picture 3, its blank tile 9, solved but for the tiles in
    `moved` (tile index -> cell), 4 steps and 5 seconds played."""
    cells = [moved.get(tile, tile) for tile in range(9)]
    with open(path, "w") as f:
        json.dump({"format": "quarry-saved-game", "version": 1, "game": "logic", "picture": {"builtIn": 3},
                   "clock": {"seconds": 5, "paused": False}, "level": {"grid": 3},
                   "state": {"cells": cells, "blank": 9, "steps": 4, "picked": 0}}, f)


def unchanged(path):
    """True once a screenshot is the same as the one taken before it (kept beside it)."""
    same = os.path.exists(path + ".last") and differing_pixels(path + ".last", path, "0%") == 0
    shutil.copy(path, path + ".last")
    return same


def read_json(path):
    try:
        with open(path) as f:
            return json.load(f)
    except (OSError, ValueError):
        return None


def read_lines(path):
    try:
        with open(path) as f:
            return f.read().splitlines()
    except OSError:
        return []


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
        with Desktop(width, height, root, args.xping) as desktop:
            run = Run(desktop, prefix, shots, ratio, "full", make_home(root, None))
            run.play()
            if ratio == 1:
                run.own_picture(root)
                run.saved_games()
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
    for name in ("01-start-window", "07-back-colour-dialog"):
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
    """The walk with a read-only program folder, run as another user, without sound/ and tile files:
    the player's data goes to the per-user folder, seeded from the program folder, and stays there."""
    prefix = os.path.join(root, "prefix-readonly")
    install(args.build, prefix)
    data = os.path.join(prefix, "lib", "quarry-puzzle")
    shutil.rmtree(os.path.join(data, "sound"))
    for tile in ("bakdatal", "bakdatae"):
        if os.path.exists(os.path.join(data, tile)):
            os.unlink(os.path.join(data, tile))
    make_read_only(data)
    for path in (root, prefix):
        os.chmod(path, 0o755)
    shots = os.path.join(args.shots, "readonly")
    log(f"--- read-only program folder without sounds and tiles: screenshots in {shots}")
    with Desktop(*LOGICAL_SCREEN, root, args.xping) as desktop:
        run = Run(desktop, prefix, shots, 1, "readonly", make_home(root, 65534 if os.geteuid() == 0 else None))
        run.play()
    check(run.fav() is not None and run.fav() != run.program_fav(),
          "the switched sound did not stay in the per-user fav.dll after the program ended")
    log(f"the player's settings stayed in {run.data} after the program ended")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="build tree to install")
    parser.add_argument("--shots", required=True, help="folder for the runs' screenshot folders")
    parser.add_argument("--xping", required=True, help="the quarry-xping tool")
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
