#!/usr/bin/env python3
"""Walks through the installed game as a player does: installs the build with `cmake --install`
into a temporary prefix, starts the installed launcher under Xvfb and openbox, and drives it with
real X input (xdotool): start window, Logic puzzle, sound switch, a new game chosen in the New game
dialog, Jigsaw puzzle, a piece dragged, the back colour chosen, the program closed; then a saved
Logic game resumed, closed, reopened and finished into the records; a jigsaw closed and
reopened with a dragged piece where it was left, and its damaged save set aside. Every step is
checked from outside (window titles and places, files in the data folder, pixels on the screen)
and waits on the program, never on the clock. What the unit tests check (the rules of play, the
contents of the files written) is not checked again here.

Usage: play_installed.py --build DIR --xping PATH --shots DIR [--mode look|degraded]
  The screenshots go to DIR/<date>-<time>-<mode>/, which the run prints first.
  look      the walk at a device pixel ratio of 1 and of 2; the layout must hold
  degraded  the walk with a read-only program folder without sounds and tiles, as another user:
            the player's data lives in the per-user folder
"""

import argparse
import collections
import contextlib
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
NEW_GAME = "New game"
QUESTION = "Question"
CONGRATULATE = "Congratulate"
PROMPT = "prompt"
LOGICAL_SCREEN = (1280, 1024)
GOLD = "#FFD700"  # the frame the jigsaw draws round a held piece
DEADLINE = 120  # s; a deadline only bounds how long a failing run takes to say so
ART = None  # the build's artwork folder: the built-in pictures as PNG files (set by main)


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

    def fav(self, folder=None):
        path = os.path.join(folder or self.data, "fav.dll")
        if not os.path.exists(path):
            return None
        with open(path, "rb") as f:
            return f.read()

    # --- the walk -------------------------------------------------------------------------

    @contextlib.contextmanager
    def running(self, name, *args):
        """The installed program started with args, its output in shots/name.log; on a failure
        what it and the desktop were doing is logged; it is killed at the end."""
        env = {"HOME": self.home, "XDG_RUNTIME_DIR": os.path.join(self.home, "runtime")}
        if self.ratio != 1:
            env["QT_SCALE_FACTOR"] = str(self.ratio)
        # Another user, so that the permissions of the data folder count even when the run is root's.
        user = 65534 if os.geteuid() == 0 and self.variant != "full" else None
        program = Program(self.desktop, [self.launcher, *args], os.path.join(self.shots, name + ".log"), env, user)
        try:
            yield program
        except Exception:
            log(f"program running: {program.process.poll() is None}; output:\n{program.output()}")
            if program.process.poll() is None and shutil.which("gdb"):
                # Where a program that neither answers nor shows its window is waiting.
                stacks = subprocess.run(["gdb", "-p", str(program.process.pid), "-batch", "-ex", "thread apply all bt"],
                                        capture_output=True, text=True, timeout=120).stdout
                log("program stacks:\n" + "\n".join(line for line in stacks.splitlines() if line.startswith(("#", "Thread"))))
            log(self.desktop.failure_report(os.path.join(self.shots, f"failure-{name}.png")))
            raise
        finally:
            program.kill()

    def play(self):
        with self.running("program") as program:
            self.steps(program)

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
        self.new_game(logic, preview)

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
            with self.running(f"program{option}", option, photo):
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

    def saved_games(self):
        """A Logic game saved one move short of its end (written here, in the documented format)
        is resumed, moved, saved by F12, reopened and finished: its row reaches records.txt. Then
        the jigsaw's save (saved_jigsaw)."""
        d, save, records = self.desktop, os.path.join(self.data, "logic.save"), os.path.join(self.data, "records.txt")
        write_logic_save(save, {7: 8, 8: 7})  # tile 8 and the blank (tile 9) exchanged
        saved = lambda key: (read_json(save) or {}).get("state", {}).get(key)
        with self.running("program-saves") as program:
            d.key(d.wait_window(START, DEADLINE), "ctrl+l")
            d.key(d.wait_window(LOGIC, DEADLINE), "Right", "F12")  # tile 7 into the blank
            moved = [0, 1, 2, 3, 4, 5, 7, 8, 6]
            wait_until(lambda: saved("cells") == moved and saved("steps") == 5, DEADLINE,
                       what=f"F12 to save the resumed game one move on ({moved}, 5 steps)")
            d.key(d.wait_window(START, DEADLINE), "ctrl+l")
            logic = d.wait_window(LOGIC, DEADLINE)
            d.key(logic, "Left", "Left")  # back one move short of the end, then the last move
            d.key(d.wait_window(CONGRATULATE, DEADLINE), "Return")
            row = wait_until(lambda: next((line for line in read_lines(records) if " L done b3 g3 " in line), None),
                             DEADLINE, what=f"the finished game's row in {records}")
            d.key(d.wait_window(CONGRATULATE, DEADLINE), "Return")  # the best-result note
            wait_until(lambda: not d.windows(CONGRATULATE) and not os.path.exists(save), DEADLINE,
                       what="the note to go and the finished game's save with it")
            log(f"a saved game resumed, saved, reopened and finished: {row!r} in records.txt")
            d.key(logic, "F12")
            for title in (LOGIC, TOOL, PREVIEW):  # the jigsaw's companions bear the same titles
                d.wait_gone(title, DEADLINE)
            self.saved_jigsaw()
            d.key(d.wait_window(START, DEADLINE), "alt+F4")
            check(program.wait(DEADLINE) == 0, "the program did not end with status 0")

    def saved_jigsaw(self):
        """A piece dragged, the jigsaw closed and reopened from the start window: the piece lies
        where it was left. Then its save damaged: told once, set aside as .bad, a new game."""
        d, save = self.desktop, os.path.join(self.data, "jigsaw.save")
        d.key(d.wait_window(START, DEADLINE), "ctrl+j")
        jigsaw, tool, preview = (d.wait_window(title, DEADLINE) for title in (JIGSAW, TOOL, PREVIEW))
        covered = [d.frame_rect(w) for w in (tool, preview)]
        spot = self.drag_piece(jigsaw, covered, 16)
        left = self.close_jigsaw(jigsaw, save, "18-jigsaw-closing")
        d.key(d.wait_window(START, DEADLINE), "ctrl+j")
        jigsaw = d.wait_window(JIGSAW, DEADLINE)
        self.wait_shot("19-jigsaw-reopened", jigsaw, lambda path: self.same_patch(left, spot, path, spot) >= 0.75,
                       f"the reopened jigsaw to show the dragged piece at {spot}")
        log(f"the jigsaw closed (its save written) and reopened shows the dragged piece at {spot}")
        self.close_jigsaw(jigsaw, save, "20-jigsaw-closing-again")
        with open(save, "r+b") as f:
            f.truncate(os.path.getsize(save) // 2)
        d.key(d.wait_window(START, DEADLINE), "ctrl+j")
        prompt = d.wait_window(PROMPT, DEADLINE)
        box = d.frame_rect(prompt)  # its pixels stay there until the new game is painted: no pieces
        d.key(prompt, "Return")
        d.wait_gone(PROMPT, DEADLINE)
        jigsaw = d.wait_window(JIGSAW, DEADLINE)
        new_game = lambda path: (all(self.pieces_and_room(path, jigsaw, covered + [box]))
                                 and self.same_patch(left, spot, path, spot) < 0.75)
        self.wait_shot("21-jigsaw-after-bad-save", jigsaw, new_game, "a new game after the damaged save")
        d.settle(jigsaw)
        check(not d.windows(PROMPT) and os.path.exists(save + ".bad"), "the damaged save was not set aside, told once")
        log("a damaged jigsaw save was told once, set aside as .bad, and a new game scattered")
        d.key(jigsaw, "F12")
        d.wait_gone(JIGSAW, DEADLINE)

    def close_jigsaw(self, jigsaw, save, name):
        """Closes the jigsaw after a shot of it (returned); its save, removed first, is written anew."""
        d = self.desktop
        d.settle(jigsaw)
        shot = self.shot(name, jigsaw)
        if os.path.exists(save):
            os.unlink(save)  # the open game has read it: only the close writes it again
        d.key(jigsaw, "F12")
        for title in (JIGSAW, TOOL, PREVIEW):
            d.wait_gone(title, DEADLINE)
        wait_until(lambda: read_json(save), DEADLINE, what=f"{save} to be written when the jigsaw closed")
        return shot

    def switch_sound(self, logic):
        d = self.desktop
        before = self.fav()
        check(before is not None, f"no fav.dll in the data folder {self.data}")
        d.key(logic, "F6")
        after = wait_until(lambda: self.fav() if self.fav() != before else None, DEADLINE,
                           what="fav.dll to change after F6")
        log(f"F6 switched the sound in {self.data}/fav.dll: " + after.split(b"\r\n")[0].decode())

    # The fifth built-in picture on a 3 x 3 board, as the New game dialog offers them.
    CHOSEN_PICTURE, CHOSEN_SIZE = 4, 3

    def closest_picture(self, shot, name):
        """The built-in picture (0 ..) the inside of a window shot looks most like."""
        inner = self.inner[name]
        crop = os.path.join(self.shots, f"tmp-{name}-inside.png")
        subprocess.run(["convert", shot, "-crop", f"{inner.width}x{inner.height}+{inner.x}+{inner.y}", "+repage",
                        crop], check=True)
        distances = [similarity_rmse(crop, os.path.join(ART, f"picture{k}.png"), 64, 48) for k in range(10)]
        os.unlink(crop)
        return distances.index(min(distances))

    def new_game(self, logic, preview):
        """Ctrl+N in the running game: the dialog opens on "Random" in the picture list; Right
        steps through the thumbnails, Tab goes on to the board size, where "3" picks 3 x 3, and
        Return plays. A game runs, so the question comes first; Return answers Yes."""
        d = self.desktop
        before = self.shot("tmp-before-new-game", logic)
        d.key(logic, "ctrl+n")
        dialog = d.wait_window(NEW_GAME, DEADLINE)
        self.wait_picture("13-new-game-dialog", dialog, "the New game dialog")
        d.key(dialog, *(["Right"] * (self.CHOSEN_PICTURE + 1)), "Tab", str(self.CHOSEN_SIZE), "Return")
        d.wait_gone(NEW_GAME, DEADLINE)
        d.key(d.wait_window(QUESTION, DEADLINE), "Return")
        d.wait_gone(QUESTION, DEADLINE)
        self.wait_shot("14-logic-new-game", logic, lambda path: differing_pixels(before, path) > 1000,
                       "the new game to be painted")
        os.unlink(before)
        name = "15-logic-preview-new-game"
        self.wait_shot(name, preview, lambda path: self.closest_picture(path, name) == self.CHOSEN_PICTURE,
                       f"the preview to show built-in picture {self.CHOSEN_PICTURE + 1}")
        log(f"New game... chose picture {self.CHOSEN_PICTURE + 1} on a 3 x 3 board")

    def pieces_and_room(self, shot, jigsaw, covered):
        """Points well inside pieces, and points with nothing but background for a good way all
        round, in the play area of a window shot (window-shot coordinates)."""
        step = self.px(6)
        frame, client = self.desktop.frame_rect(jigsaw), self.desktop.client_rect(jigsaw)
        pixels = sample_pixels(shot, step)
        background = collections.Counter(pixels.values()).most_common(1)[0][0]
        columns, rows = max(x for x, _ in pixels) // step + 1, max(y for _, y in pixels) // step + 1
        far = [[sum(abs(a - b) for a, b in zip(pixels.get((i * step, j * step), background), background)) > 90
                for i in range(columns)] for j in range(rows)]
        # The board the pieces go into is far from the background too, but no piece: its picture
        # makes one large region of far points, and its frame alone is narrower than a piece's
        # point needs round it.
        region, sizes = {}, []
        for seed in ((i, j) for j in range(rows) for i in range(columns) if far[j][i] and (i, j) not in region):
            region[seed], stack = len(sizes), [seed]
            sizes.append(0)
            while stack:
                i, j = stack.pop()
                sizes[-1] += 1
                for n in ((i + 1, j), (i - 1, j), (i, j + 1), (i, j - 1)):
                    if 0 <= n[0] < columns and 0 <= n[1] < rows and far[n[1]][n[0]] and n not in region:
                        region[n] = region[seed]
                        stack.append(n)
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
                if (3 <= i < columns - 3 and 3 <= j < rows - 3 and not under(x, y, x + 1, y + 1)
                        and count(i - 3, j - 3, i + 4, j + 4) == 49
                        and sizes[region[(i, j)]] * step * step < self.px(250) ** 2
                        and all(abs(x - px) >= self.px(60) or abs(y - py) >= self.px(60) for px, py in pieces)):
                    pieces.append((x, y))
                lo_x, lo_y, hi_x, hi_y = x - reach * step, y - reach * step, x + reach * step, y + reach * step
                if (left <= lo_x and top <= lo_y and hi_x < right and hi_y < bottom
                        and count(i - reach, j - reach, i + reach + 1, j + reach + 1) == 0
                        and not under(lo_x, lo_y, hi_x, hi_y)):
                    room.append((x, y))
        return pieces, room

    def same_patch(self, shot, at, other, to):
        """The share of the patch round `at` in shot that lies round `to` in other (colours within
        the tolerance), or 0 when its middle pixel does not."""
        reach = self.px(4)
        patch, there = (sample_pixels(path, 1, Rect(x - reach, y - reach, 2 * reach + 1, 2 * reach + 1))
                        for path, (x, y) in ((shot, at), (other, to)))
        same = {(px, py) for (px, py), colour in patch.items()
                if sum(abs(a - b) for a, b in zip(colour, there[(px - at[0] + to[0], py - at[1] + to[1])])) <= 40}
        return len(same) / len(patch) if at in same else 0

    def drag_piece(self, jigsaw, covered, first_shot=5):
        """Drags a piece into free room, where nothing can join it, and sees it there; returns
        where it lies. Each step waits on the program: the press is taken once the drag frame
        shows, the drop once the frame is gone and the piece's own pixels lie where the pointer let go."""
        d = self.desktop
        frame = d.frame_rect(jigsaw)
        found = {}

        def scattered(path):
            found["pieces"], found["room"] = self.pieces_and_room(path, jigsaw, covered)
            return found["pieces"] and found["room"]
        before = self.wait_shot(f"{first_shot:02}-jigsaw-puzzle", jigsaw, scattered,
                                "the jigsaw pieces and room beside them")
        pieces, room = found["pieces"], found["room"]
        (x, y), (tx, ty) = pieces[0], room[len(room) // 2]
        gold = colour_count(before, GOLD)
        d.activate(jigsaw)
        log(f"pressing the piece at ({x}, {y}) of the window shot")
        d.press(jigsaw, (frame.x + x, frame.y + y))
        self.wait_shot("tmp-held", jigsaw, lambda path: colour_count(path, GOLD) > gold + self.px(40),
                       "the drag frame round the pressed piece")
        d.move_held(jigsaw, (frame.x + x, frame.y + y), (frame.x + tx, frame.y + ty), 3)
        d.xdotool("mouseup", 1)

        # Only the pixel under the pointer surely belongs to the held piece: another piece may
        # have lain over the rest of the patch, and the dropped piece's shadow falls beside it.
        dropped = lambda path: (colour_count(path, GOLD) <= gold + self.px(4)
                                and self.same_patch(before, (x, y), path, (tx, ty)) >= 0.25)
        self.wait_shot(f"{first_shot + 1:02}-jigsaw-piece-dragged", jigsaw, dropped,
                       f"the piece held at ({x}, {y}) to lie at ({tx}, {ty})")
        os.unlink(os.path.join(self.shots, "tmp-held.png"))
        log(f"a piece was dragged from ({x}, {y}) to ({tx}, {ty})")
        return tx, ty

    def back_colour(self, jigsaw):
        d = self.desktop
        before = self.shot("tmp-before-colour", jigsaw)
        d.key(jigsaw, "F4")
        dialog = d.wait_window(COLOR, DEADLINE)
        self.wait_picture("07-back-colour-dialog", dialog, "the back-colour dialog")
        self.record(COLOR, dialog)
        d.key(dialog, "Return")
        d.wait_gone(COLOR, DEADLINE)
        self.wait_shot("08-jigsaw-new-background", jigsaw, lambda path: differing_pixels(before, path) > 1000,
                       "the new background to be painted")
        log("OK in the back-colour dialog painted the new background")
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
    check(run.fav() is not None and run.fav() != run.fav(run.program_folder),
          "the switched sound did not stay in the per-user fav.dll after the program ended")
    log(f"the player's settings stayed in {run.data} after the program ended")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build", required=True, help="build tree to install")
    parser.add_argument("--shots", required=True, help="folder for the runs' screenshot folders")
    parser.add_argument("--xping", required=True, help="the quarry-xping tool")
    parser.add_argument("--mode", choices=("look", "degraded"), default="look")
    args = parser.parse_args()
    global ART
    ART = os.path.join(os.path.abspath(args.build), "resources", "art")
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
