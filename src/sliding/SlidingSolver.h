// SlidingSolver.h: the way home from a sliding board: which tiles to click, in order.
//
// 3 x 3 and 4 x 4 boards get an optimal answer; larger boards get a short one, found quickly by
// putting the outer rows and columns in place one after another. The 4 x 4 search needs pattern
// tables built once per run (see prepare()); the interface thread should solve on a worker.
#pragma once

#include <vector>

class SlidingBoard;

namespace SlidingSolver {

// A board as its tile numbers row by row, the blank written as its own number.
struct Position {
    int gridSize = 0;
    int blank = 0;
    std::vector<int> tiles;
};

Position positionOf(const SlidingBoard& board);

// The grid size is one a game may have, the blank is one of its tiles and every tile appears once.
bool isValid(const Position& position);

// Moves alone bring the board home exactly when the parity of the tiles' arrangement (the blank
// counted as a tile) equals the parity of the blank's row and column distance from its home.
bool isSolvable(const Position& position);

struct Solution {
    bool solvable = false;
    bool optimal = false;
    std::vector<int> clicks; // tiles to click, each beside the blank when its turn comes
};

// An invalid or unsolvable position gives a Solution that is not solvable.
Solution solve(const Position& position);

// Builds what an optimal solve of this position needs, so that solve() is quick afterwards.
void prepare(const Position& position);

// The swap of two tiles (neither of them the blank) that makes an unsolvable position solvable
// while leaving the tiles, in sum, as close to home as any such swap; {0, 0} when none is needed.
struct Swap {
    int first = 0;
    int second = 0;
};
Swap repairingSwap(const Position& position);

} // namespace SlidingSolver
