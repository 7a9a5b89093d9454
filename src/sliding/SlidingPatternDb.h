// SlidingPatternDb.h: additive pattern databases of the 4 x 4 board, the lower bound of the optimal solver.
//
// Cells are numbered 0..15 row by row. A pattern is a set of home cells; its table gives, for
// every placement of the tiles whose homes those are, the fewest moves of those tiles (moves of
// other tiles are free) that bring them home. Tables of disjoint patterns add up to a bound that
// never overestimates. Tables are built on first use and kept for the run; building one of six
// tiles takes a noticeable fraction of a second, so callers on the interface thread call
// prepare() from a worker first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace SlidingPatternDb {

// One pattern's table: the home cells in increasing order and the distance of every placement.
struct Table {
    std::vector<int> homes;
    std::vector<std::uint8_t> distance; // by rank(), see below
};

// Three disjoint patterns covering every home cell except the blank's.
struct Partition {
    std::array<const Table*, 3> tables {};
};

// The partition for a board whose blank belongs in blankHome (0..15), building its tables if
// needed. Safe to call from several threads; the returned tables live until the process ends.
Partition prepare(int blankHome);

// The tables of blankHome's partition built afresh and not kept: the cost prepare() pays once.
std::array<std::unique_ptr<Table>, 3> buildPartition(int blankHome);

// The number of cells in each set of cells.
extern const std::array<std::uint8_t, 1 << 16> bitCount;

// The index of a placement in a table: positions[i] is where the tile of homes[i] stands.
inline std::uint32_t rank(const int* positions, int count)
{
    std::uint32_t result = 0;
    std::uint32_t used = 0;
    for (int i = 0; i < count; ++i) {
        const int p = positions[i];
        const int smaller = bitCount[used & ((1u << p) - 1u)];
        result = result * static_cast<std::uint32_t>(16 - i) + static_cast<std::uint32_t>(p - smaller);
        used |= 1u << p;
    }
    return result;
}

// Bytes held by every table built so far.
std::size_t memoryUsed();

} // namespace SlidingPatternDb
