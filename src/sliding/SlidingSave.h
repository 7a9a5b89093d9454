// SlidingSave.h: the Logic puzzle's part of a saved game.
//
//   "level": { "grid": 3..10 }
//   "state": { "cells":  [ cell index of tile 1, of tile 2, ... ]   N = grid² entries, a
//                                          permutation of 0..N-1 (cell = row × grid + column),
//              "blank":  1..N,             the empty square's tile,
//              "steps":  0..,              the step count,
//              "picked": 0..N,             the tile picked in swap mode (0: no swap pending)
//              "hints":  1.. }             hints asked for (left out when none)
//
// The clock and pause live in the document's "clock" part.
#pragma once

#include "SavedGame.h"
#include "SlidingGame.h"

namespace SlidingSave {

// Level and state of a game in progress (clock and pause included).
SavedGame::Document capture(const SlidingGame& game);

// Checks level and state whole and, only when everything is sound, resumes game from them.
// False with problem set otherwise; game is then untouched.
bool restore(const SavedGame::Document& document, SlidingGame& game, QString* problem);

} // namespace SlidingSave
