// SlidingPatternDb.h: additive pattern databases of the 4 x 4 board, the lower bound of the optimal solver.
//
// Cells are numbered 0..15 row by row. A pattern is a set of home cells; its table gives, for
// every placement of the tiles whose homes those are, the fewest moves of those tiles (moves of
// other tiles are free) that bring them home. Tables of disjoint patterns add up to a bound that
// never overestimates.
//
// Every partition used is made of a line along an edge and two blocks of three by two beside it,
// so a pattern is a turned or mirrored copy of a few shapes; one table per shape serves them all,
// read through the symmetry of the square that carries the pattern onto the shape. The tables are
// built on first use and kept for the run; the block of six takes a noticeable time, so callers
// on the interface thread call prepare() from a worker first.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace SlidingPatternDb {

// One shape's table: the home cells in increasing order and the distance of every placement,
// by index() (see below). The entries whose digits repeat a cell are no placement and unused:
// the search finds a move's index by changing one digit, far quicker than ranking afresh, and
// the table of six, the largest, takes 16 MiB rather than 5.5.
struct Table {
    std::vector<int> homes;
    std::vector<std::uint8_t> distance;
};

// One pattern as the search reads it: the tiles whose homes are values[0..count) stand, after the
// board is carried by cellMap, where the table's homes[i] are looked up.
struct Lookup {
    const Table* table = nullptr;
    int count = 0;
    std::array<std::uint8_t, 16> values {};
    std::array<std::uint8_t, 16> cellMap {};
};

// Three disjoint patterns covering every home cell except the blank's.
using Partition = std::array<Lookup, 3>;

// The partitions whose bounds the search takes the largest of for a board whose blank belongs in
// blankHome (0..15): the board's own, for a corner also one with the blocks staggered, and the
// images of those mirrored on the diagonal where they differ. Builds missing tables; safe to call from several threads; tables live until the end.
std::vector<Partition> prepare(int blankHome);

// The tables blankHome's partitions read, built afresh and not kept: the cost prepare() pays once.
std::vector<std::unique_ptr<Table>> buildTables(int blankHome);

// The number of cells in a set of cells, from a table small enough to stay in the nearest cache
// (std::popcount is a library call on plain x86-64).
inline constexpr std::array<std::uint8_t, 256> byteCount = [] {
    std::array<std::uint8_t, 256> counts {};
    for (std::size_t bits = 1; bits < counts.size(); ++bits)
        counts[bits] = static_cast<std::uint8_t>(counts[bits >> 1] + (bits & 1));
    return counts;
}();
inline std::uint32_t cellCount(std::uint32_t cells)
{
    return byteCount[cells & 0xFF] + byteCount[(cells >> 8) & 0xFF];
}

// The entry of a placement in a table: positions[i], where the tile of homes[i] stands, is the
// digit i in base 16.
inline std::uint32_t index(const int* positions, int count)
{
    std::uint32_t result = 0;
    for (int i = 0; i < count; ++i)
        result |= static_cast<std::uint32_t>(positions[i]) << (4 * i);
    return result;
}

// The number of a placement among all placements of count tiles, 0 .. 16! / (16 - count)! - 1:
// positions[i] is where the tile of homes[i] stands. The builder's marks go by it, to stay small.
inline std::uint32_t rank(const int* positions, int count)
{
    std::uint32_t result = 0;
    std::uint32_t used = 0;
    for (int i = 0; i < count; ++i) {
        const auto p = static_cast<std::uint32_t>(positions[i]);
        const auto smaller = cellCount(used & ((1u << p) - 1u));
        result = result * static_cast<std::uint32_t>(16 - i) + (p - smaller);
        used |= 1u << p;
    }
    return result;
}

// Bytes held by every table built so far; does not wait for a build in progress.
std::size_t memoryUsed();

} // namespace SlidingPatternDb
