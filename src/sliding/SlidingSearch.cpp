// SlidingSearch.cpp: iterative deepening A* with two lower bounds, the Manhattan distance and
// the 4 x 4 pattern tables.
#include "SlidingSearch.h"

#include "SlidingPatternDb.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <climits>
#include <cstdlib>

namespace SlidingSearch {
namespace {

// The sum over the tiles other than the blank of their row and column distances from home.
class ManhattanBound {
public:
    explicit ManhattanBound(const Grid& grid)
        : m_width(grid.width)
        , m_blank(grid.blank)
    {
    }
    int initial(const std::vector<int>& position) const
    {
        int sum = 0;
        for (int value = 0; value < static_cast<int>(position.size()); ++value) {
            if (value != m_blank)
                sum += distance(position[value], value);
        }
        return sum;
    }
    int moved(int value, int from, int to, const std::vector<int>&, int bound, int&) const
    {
        return bound - distance(from, value) + distance(to, value);
    }
    void undo(int) { }

private:
    int distance(int cell, int home) const
    {
        return std::abs(cell / m_width - home / m_width) + std::abs(cell % m_width - home % m_width);
    }
    int m_width;
    int m_blank;
};

inline void prefetch(const void* address)
{
#if defined(__GNUC__)
    __builtin_prefetch(address);
#else
    (void)address;
#endif
}

// The 4 x 4 search with the pattern tables: the larger of the partitions' sums bounds the moves
// left. Everything lives in fixed arrays. A move changes one pattern of each partition, the one
// that holds the moved tile, and that pattern's table index by a single digit (see
// SlidingPatternDb::index()): the new index is the old one plus a difference read from a table.
class PatternSearch {
public:
    static constexpr int Cells = 16;
    static constexpr int MaxPartitions = 4;
    static constexpr int MaxMoves = 96; // the longest optimal solution has 80

    explicit PatternSearch(const Grid& grid)
        : m_partitions(SlidingPatternDb::prepare(grid.blank))
        , m_blank(grid.blank)
    {
        for (int cell = 0; cell < Cells; ++cell) {
            m_valueAt[cell] = static_cast<std::uint8_t>(grid.cells[cell]);
            m_cellOf[grid.cells[cell]] = static_cast<std::uint8_t>(cell);
            const int row = cell / 4;
            const int column = cell % 4;
            int count = 0;
            // Up, left, right, down: the blank tries the cells nearer the top left first.
            for (const int next : { row > 0 ? cell - 4 : -1, column > 0 ? cell - 1 : -1, column < 3 ? cell + 1 : -1,
                     row < 3 ? cell + 4 : -1 }) {
                if (next >= 0)
                    m_next[cell][count++] = static_cast<std::int8_t>(next);
            }
            m_nextCount[cell] = count;
        }
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            for (int p = 0; p < 3; ++p) {
                const SlidingPatternDb::Lookup& lookup = m_partitions[k][p];
                m_table[k][p] = lookup.table->distance.data();
                for (int i = 0; i < lookup.count; ++i) {
                    const int value = lookup.values[i];
                    m_patternOf[k][value] = static_cast<std::int8_t>(p);
                    for (int cell = 0; cell < Cells; ++cell)
                        m_digit[k][value][cell] = static_cast<std::uint32_t>(lookup.cellMap[cell]) << (4 * i);
                }
            }
        }
    }

    std::optional<Path> run()
    {
        int start = 0;
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            m_sum[k] = 0;
            for (int p = 0; p < 3; ++p) {
                const SlidingPatternDb::Lookup& lookup = m_partitions[k][p];
                m_index[k][p] = 0;
                for (int i = 0; i < lookup.count; ++i)
                    m_index[k][p] += m_digit[k][lookup.values[i]][m_cellOf[lookup.values[i]]];
                m_distance[k][p] = m_table[k][p][m_index[k][p]];
                m_sum[k] += m_distance[k][p];
            }
            start = std::max(start, m_sum[k]);
        }
        if (start == 0)
            return Path();
        for (int limit = start; limit < MaxMoves;) {
            m_nextLimit = INT_MAX;
            if (deepen(0, limit, -1))
                return Path(m_path.begin(), m_path.begin() + m_length);
            if (m_nextLimit == INT_MAX)
                return std::nullopt;
            limit = m_nextLimit;
        }
        return std::nullopt;
    }

private:
    // Searches the children of the position reached in cost moves whose estimate stays within
    // limit; the children are judged here, so that those cut off cost no call.
    bool deepen(int cost, int limit, int previousBlank)
    {
        const int blankCell = m_cellOf[m_blank];
        const std::size_t partitions = m_partitions.size();
        const int room = limit - cost - 1; // the largest bound a child may have
        // The children's table entries are worked out and fetched together before the first
        // is read: the tables are far larger than the cache.
        std::array<std::array<std::uint32_t, MaxPartitions>, 4> childIndex {};
        for (int n = 0; n < m_nextCount[blankCell]; ++n) {
            const int from = m_next[blankCell][n];
            if (from == previousBlank)
                continue;
            const int value = m_valueAt[from];
            for (std::size_t k = 0; k < partitions; ++k) {
                const int p = m_patternOf[k][value];
                childIndex[n][k] = m_index[k][p] + m_digit[k][value][blankCell] - m_digit[k][value][from];
                prefetch(m_table[k][p] + childIndex[n][k]);
            }
        }
        for (int n = 0; n < m_nextCount[blankCell]; ++n) {
            const int from = m_next[blankCell][n];
            if (from == previousBlank)
                continue;
            const int value = m_valueAt[from];
            // Every partition's sum has the parity of the Manhattan distance, so the first sum
            // past room is as good a next limit as the largest.
            std::array<int, MaxPartitions> childDistance {};
            int bound = 0;
            for (std::size_t k = 0; k < partitions && bound <= room; ++k) {
                const int p = m_patternOf[k][value];
                childDistance[k] = m_table[k][p][childIndex[n][k]];
                bound = std::max(bound, m_sum[k] + childDistance[k] - m_distance[k][p]);
            }
            if (bound > room) {
                m_nextLimit = std::min(m_nextLimit, cost + 1 + bound);
                continue;
            }
            m_path[cost] = value;
            if (bound == 0) {
                m_length = cost + 1;
                return true;
            }
            m_valueAt[blankCell] = static_cast<std::uint8_t>(value);
            m_valueAt[from] = static_cast<std::uint8_t>(m_blank);
            m_cellOf[value] = static_cast<std::uint8_t>(blankCell);
            m_cellOf[m_blank] = static_cast<std::uint8_t>(from);
            std::array<std::uint32_t, MaxPartitions> oldIndex {};
            std::array<int, MaxPartitions> oldSum {};
            for (std::size_t k = 0; k < partitions; ++k) {
                const int p = m_patternOf[k][value];
                oldIndex[k] = m_index[k][p];
                oldSum[k] = m_sum[k];
                m_sum[k] += childDistance[k] - m_distance[k][p];
                std::swap(m_distance[k][p], childDistance[k]);
                m_index[k][p] = childIndex[n][k];
            }
            if (deepen(cost + 1, limit, blankCell))
                return true;
            for (std::size_t k = 0; k < partitions; ++k) {
                const int p = m_patternOf[k][value];
                m_index[k][p] = oldIndex[k];
                m_distance[k][p] = childDistance[k];
                m_sum[k] = oldSum[k];
            }
            m_valueAt[from] = static_cast<std::uint8_t>(value);
            m_valueAt[blankCell] = static_cast<std::uint8_t>(m_blank);
            m_cellOf[value] = static_cast<std::uint8_t>(from);
            m_cellOf[m_blank] = static_cast<std::uint8_t>(blankCell);
        }
        return false;
    }

    std::vector<SlidingPatternDb::Partition> m_partitions;
    int m_blank;
    std::array<std::uint8_t, Cells> m_valueAt {};
    std::array<std::uint8_t, Cells> m_cellOf {};
    std::array<std::array<std::int8_t, 4>, Cells> m_next {};
    std::array<int, Cells> m_nextCount {};
    std::array<std::array<std::int8_t, Cells>, MaxPartitions> m_patternOf {};
    // The part of a pattern's table index that a tile's cell makes: by partition, tile and cell.
    std::array<std::array<std::array<std::uint32_t, Cells>, Cells>, MaxPartitions> m_digit {};
    std::array<std::array<const std::uint8_t*, 3>, MaxPartitions> m_table {};
    std::array<std::array<std::uint32_t, 3>, MaxPartitions> m_index {};
    std::array<std::array<int, 3>, MaxPartitions> m_distance {}; // the table entries at m_index
    std::array<int, MaxPartitions> m_sum {};
    std::array<int, MaxMoves> m_path {};
    int m_length = 0;
    int m_nextLimit = INT_MAX;
};

template <typename Bound> class Search {
public:
    Search(const Grid& grid, Bound& bound)
        : m_grid(grid)
        , m_bound(bound)
        , m_position(grid.cells.size())
        , m_next(grid.cells.size())
    {
        for (int cell = 0; cell < static_cast<int>(grid.cells.size()); ++cell) {
            m_position[grid.cells[cell]] = cell;
            const int row = cell / grid.width;
            const int column = cell % grid.width;
            if (row > 0)
                m_next[cell].push_back(cell - grid.width);
            if (row < grid.height - 1)
                m_next[cell].push_back(cell + grid.width);
            if (column > 0)
                m_next[cell].push_back(cell - 1);
            if (column < grid.width - 1)
                m_next[cell].push_back(cell + 1);
        }
    }

    std::optional<Path> run()
    {
        const int start = m_bound.initial(m_position);
        for (int limit = start;;) {
            m_nextLimit = INT_MAX;
            if (deepen(0, limit, start, -1))
                return m_path;
            if (m_nextLimit == INT_MAX)
                return std::nullopt;
            limit = m_nextLimit;
        }
    }

private:
    bool deepen(int cost, int limit, int bound, int previousBlank)
    {
        const int estimate = cost + bound;
        if (estimate > limit) {
            m_nextLimit = std::min(m_nextLimit, estimate);
            return false;
        }
        if (bound == 0)
            return true;
        const int blankValue = m_grid.blank;
        const int blankCell = m_position[blankValue];
        for (const int from : m_next[blankCell]) {
            if (from == previousBlank)
                continue;
            const int value = m_grid.cells[from];
            m_grid.cells[blankCell] = value;
            m_grid.cells[from] = blankValue;
            m_position[value] = blankCell;
            m_position[blankValue] = from;
            int token = 0;
            const int movedBound = m_bound.moved(value, from, blankCell, m_position, bound, token);
            m_path.push_back(value);
            if (deepen(cost + 1, limit, movedBound, blankCell))
                return true;
            m_path.pop_back();
            m_bound.undo(token);
            m_grid.cells[from] = value;
            m_grid.cells[blankCell] = blankValue;
            m_position[value] = from;
            m_position[blankValue] = blankCell;
        }
        return false;
    }

    Grid m_grid;
    Bound& m_bound;
    std::vector<int> m_position; // the cell of each home value
    std::vector<std::vector<int>> m_next;
    Path m_path;
    int m_nextLimit = INT_MAX;
};

} // namespace

std::optional<Path> solveManhattan(const Grid& grid)
{
    ManhattanBound bound(grid);
    return Search<ManhattanBound>(grid, bound).run();
}

std::optional<Path> solvePatterns(const Grid& grid)
{
    if (grid.width != 4 || grid.height != 4)
        return std::nullopt;
    return PatternSearch(grid).run();
}

} // namespace SlidingSearch
