// SlidingSolverBench.cpp: the solver's costs: building the 4 x 4 pattern tables, an optimal 4 x 4
// solve once they exist, and a whole solve of a 10 x 10 board, which is what one hint costs. The
// 5 x 5 row also prints how long the fast solver's answers are against a lower bound.
#include "BenchHarness.h"
#include "PeakMemory.h"
#include "SlidingPatternDb.h"
#include "SlidingSolver.h"

#include <QRandomGenerator>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <cstdlib>

namespace {

// count solvable positions of gridSize with the blank's home at blank, from a fixed seed.
// blank 0: the blank's home drawn at random for each position.
std::vector<SlidingSolver::Position> positions(int gridSize, int blank, int count)
{
    QRandomGenerator random(20261207);
    const bool drawBlank = blank == 0;
    std::vector<SlidingSolver::Position> result;
    while (static_cast<int>(result.size()) < count) {
        if (drawBlank)
            blank = 1 + static_cast<int>(random.bounded(gridSize * gridSize));
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

// The Manhattan distance plus two moves for every tile that must leave its row or column to
// let another of the same line pass (linear conflicts, counted greedily per line): a lower bound.
int lowerBound(const SlidingSolver::Position& position)
{
    const int g = position.gridSize;
    int bound = 0;
    for (int cell = 0; cell < g * g; ++cell) {
        const int home = position.tiles[cell] - 1;
        if (position.tiles[cell] != position.blank)
            bound += std::abs(cell / g - home / g) + std::abs(cell % g - home % g);
    }
    for (int line = 0; line < g; ++line) {
        for (const bool rows : { true, false }) {
            // The homes along the line of the tiles that belong in it; conflicts are pairs out of order.
            std::vector<int> along;
            for (int i = 0; i < g; ++i) {
                const int cell = rows ? line * g + i : i * g + line;
                const int tile = position.tiles[cell];
                const int home = tile - 1;
                if (tile != position.blank && (rows ? home / g : home % g) == line)
                    along.push_back(rows ? home % g : home / g);
            }
            // Tiles to take out so that the rest stand in order: the line's length less its longest
            // increasing run.
            std::vector<int> tails;
            for (const int home : along) {
                const auto it = std::lower_bound(tails.begin(), tails.end(), home);
                if (it == tails.end())
                    tails.push_back(home);
                else
                    *it = home;
            }
            bound += 2 * static_cast<int>(along.size() - tails.size());
        }
    }
    return bound;
}

// Solves every board once and prints the median and 95th percentile of the processor time each
// took: on a machine shared with other work the table's wall-clock times run long.
void printProcessorTimes(const char* what, const std::vector<SlidingSolver::Position>& boards)
{
    std::vector<double> times;
    for (const SlidingSolver::Position& position : boards) {
        const std::clock_t start = std::clock();
        Bench::keep(SlidingSolver::solve(position));
        times.push_back(1000.0 * static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
    }
    std::sort(times.begin(), times.end());
    const auto at = [&](double q) { return times[static_cast<std::size_t>(q * static_cast<double>(times.size() - 1))]; };
    std::fprintf(stderr, "%s, processor time over %d boards: median %.1f ms, p95 %.1f ms, max %.1f ms\n", what,
        static_cast<int>(times.size()), at(0.5), at(0.95), times.back());
}

} // namespace

QUARRY_BENCH(
    SlidingSolver_BuildTables_4x4, "< 2 s: the pattern tables, built once per run off the interface thread")
{
    static const bool printed = [] {
        const std::clock_t start = std::clock();
        Bench::keep(SlidingPatternDb::buildTables(15));
        std::fprintf(stderr, "4 x 4 tables: %.2f s of processor time (two threads)\n",
            static_cast<double>(std::clock() - start) / CLOCKS_PER_SEC);
        return true;
    }();
    Bench::keep(printed);
    Bench::keep(SlidingPatternDb::buildTables(15));
}

// Each of the 100 positions is one sample: the warm-up solves the first, the samples the other
// 99 and the first again.
QUARRY_BENCH_SAMPLES(SlidingSolver_Optimal_4x4,
    "p95 < 200 ms over 100 random solvable positions (seeded): an optimal solve, tables built", 100)
{
    static const std::vector<SlidingSolver::Position> boards = [] {
        std::vector<SlidingSolver::Position> made = positions(4, 16, 100);
        SlidingSolver::prepare(made.front());
        printProcessorTimes("Optimal 4 x 4", made);
        return made;
    }();
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}

// What the tables of every blank's home hold once built: what a long run keeps at most.
QUARRY_BENCH_MEMORY(SlidingSolver_Tables_4x4_memory, "< 64 MiB: the bytes of the pattern tables of all 16 blank homes")
{
    for (int blank = 1; blank <= 16; ++blank)
        SlidingSolver::prepare(positions(4, blank, 1).front());
    return static_cast<long long>(SlidingPatternDb::memoryUsed());
}

// The same tables built afresh for the usual blank home: the resident growth building costs.
QUARRY_BENCH_MEMORY(SlidingSolver_BuildTables_4x4_memory, "< 64 MiB: peak resident growth building one blank home's tables")
{
    const Bench::PeakMemory peak;
    Bench::keep(SlidingPatternDb::buildTables(15));
    return peak.grownBytes();
}

QUARRY_BENCH_EACH(SlidingSolver_Hint_10x10, "< 50 ms: the whole way home of a random 10 x 10 board")
{
    static const std::vector<SlidingSolver::Position> boards = positions(10, 37, 100);
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}

QUARRY_BENCH_SAMPLES(SlidingSolver_Optimal_4x4_anyBlank,
    "p95 < 200 ms: as above, the blank's home drawn anywhere, tables built", 100)
{
    static const std::vector<SlidingSolver::Position> boards = [] {
        std::vector<SlidingSolver::Position> made = positions(4, 0, 100);
        for (const SlidingSolver::Position& position : made)
            SlidingSolver::prepare(position);
        std::fprintf(stderr, "4 x 4 pattern tables: %.1f MiB\n",
            static_cast<double>(SlidingPatternDb::memoryUsed()) / (1024.0 * 1024.0));
        printProcessorTimes("Optimal 4 x 4, any blank", made);
        return made;
    }();
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}

QUARRY_BENCH_EACH(SlidingSolver_Fast_5x5, "the whole way home of a random 5 x 5 board (lengths printed once)")
{
    static const std::vector<SlidingSolver::Position> boards = [] {
        std::vector<SlidingSolver::Position> made = positions(5, 0, 200);
        double length = 0;
        double bound = 0;
        for (const SlidingSolver::Position& position : made) {
            length += static_cast<double>(SlidingSolver::solve(position).clicks.size());
            bound += lowerBound(position);
        }
        const double count = static_cast<double>(made.size());
        std::fprintf(stderr,
            "5 x 5 fast solver over %d boards: mean length %.1f, mean lower bound (Manhattan + linear "
            "conflicts) %.1f, ratio %.2f\n",
            static_cast<int>(made.size()), length / count, bound / count, length / bound);
        return made;
    }();
    static std::size_t next = 0;
    Bench::keep(SlidingSolver::solve(boards[next++ % boards.size()]));
}
