// SlidingSearch.h: optimal searches on a rectangle of cells, the working core of the solver.
//
// A grid holds in each cell the home cell of the tile standing there (cells counted 0.. row by
// row); the blank's home is one of them. Solved means every cell holds its own number.
#pragma once

#include <optional>
#include <vector>

namespace SlidingSearch {

struct Grid {
    int width = 0;
    int height = 0;
    std::vector<int> cells;
    int blank = 0; // the home cell of the blank
};

// Moves are the home cells of the tiles that step into the blank, in order.
using Path = std::vector<int>;

// Both searches expect a position that moves can solve (see SlidingSolver::isSolvable): on any
// other they would never stop.

// Iterative deepening A* with the Manhattan distance: optimal, quick for nine cells.
std::optional<Path> solveManhattan(const Grid& grid);

// Iterative deepening A* on the 4 x 4 board with the additive pattern tables (built on first use).
std::optional<Path> solvePatterns(const Grid& grid);

} // namespace SlidingSearch
