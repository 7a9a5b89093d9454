// SlidingSolverBench.cpp: the solver's costs: building the 4 x 4 pattern tables, an optimal 4 x 4
// solve once they exist, and a whole solve of a 10 x 10 board, which is what one hint costs.
#include "BenchHarness.h"
#include "SlidingPatternDb.h"
#include "SlidingSolver.h"

#include <QRandomGenerator>

#include <algorithm>

namespace {

// count solvable positions of gridSize with the blank's home at blank, from a fixed seed.
std::vector<SlidingSolver::Position> positions(int gridSize, int blank, int count)
{
    QRandomGenerator random(20261207);
    std::vector<SlidingSolver::Position> result;
    while (static_cast<int>(result.size()) < count) {
        SlidingSolver::Position position { gridSize, blank, {} };
        for (int tile = 1; tile <= gridSize * gridSize; ++tile)
            position.tiles.push_back(tile);
        for (int i = gridSize * gridSize - 1; i > 0; --i)
            std::swap(position.tiles[i], position.tiles[random.bounded(i + 1)]);
        if (SlidingSolver::isSolvable(position))
            result.push_back(position);
    }
    return result;
}

} // namespace

QUARRY_BENCH(
    SlidingSolver_BuildTables_4x4, "< 2 s: the pattern tables, built once per run off the interface thread")
{
    Bench::keep(SlidingPatternDb::buildPartition(15));
}

QUARRY_BENCH_EACH(
    SlidingSolver_Optimal_4x4, "p95 < 200 ms: an optimal solve of a random position, tables built")
{
    static const std::vector<SlidingSolver::Position> boards = [] {
        std::vector<SlidingSolver::Position> made = positions(4, 16, 100);
        SlidingSolver::prepare(made.front());
        return made;
    }();
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}

QUARRY_BENCH_EACH(SlidingSolver_Hint_10x10, "< 50 ms: the whole way home of a random 10 x 10 board")
{
    static const std::vector<SlidingSolver::Position> boards = positions(10, 37, 100);
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}
