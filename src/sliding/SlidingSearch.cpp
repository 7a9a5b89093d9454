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
// left. Everything lives in fixed arrays; a move updates the one pattern of each partition that
// holds the moved tile.
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
                for (int i = 0; i < lookup.count; ++i)
                    m_patternOf[k][lookup.values[i]] = static_cast<std::int8_t>(p);
            }
        }
        // Partitions may share a pattern; its rank is then worked out once per move.
        for (std::size_t k = 0; k < m_partitions.size(); ++k) {
            m_copyOf[k].fill(-1);
            for (int value = 0; value < Cells; ++value) {
                if (value == m_blank)
                    continue;
                const SlidingPatternDb::Lookup& own = m_partitions[k][m_patternOf[k][value]];
                for (std::size_t earlier = 0; earlier < k && m_copyOf[k][value] < 0; ++earlier) {
                    const SlidingPatternDb::Lookup& other = m_partitions[earlier][m_patternOf[earlier][value]];
                    if (own.table == other.table && own.values == other.values && own.cellMap == other.cellMap)
                        m_copyOf[k][value] = static_cast<std::int8_t>(earlier);
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
                m_rank[k][p] = rankOf(m_partitions[k][p]);
                m_sum[k] += m_partitions[k][p].table->distance[m_rank[k][p]];
            }
            start = std::max(start, m_sum[k]);
        }
        for (int limit = start; limit < MaxMoves;) {
            m_nextLimit = INT_MAX;
            if (deepen(0, limit, start, -1))
                return Path(m_path.begin(), m_path.begin() + m_length);
            if (m_nextLimit == INT_MAX)
                return std::nullopt;
            limit = m_nextLimit;
        }
        return std::nullopt;
    }

private:
    std::uint32_t rankOf(const SlidingPatternDb::Lookup& lookup) const
    {
        std::uint32_t result = 0;
        std::uint32_t used = 0;
        for (int i = 0; i < lookup.count; ++i) {
            const std::uint32_t p = lookup.cellMap[m_cellOf[lookup.values[i]]];
            const auto smaller = SlidingPatternDb::cellCount(used & ((1u << p) - 1u));
            result = result * static_cast<std::uint32_t>(Cells - i) + (p - smaller);
            used |= 1u << p;
        }
        return result;
    }

    bool deepen(int cost, int limit, int bound, int previousBlank)
    {
        const int estimate = cost + bound;
        if (estimate > limit) {
            m_nextLimit = std::min(m_nextLimit, estimate);
            return false;
        }
        if (bound == 0) {
            m_length = cost;
            return true;
        }
        const int blankCell = m_cellOf[m_blank];
        const std::size_t partitions = m_partitions.size();
        // The children's table entries are worked out and fetched together before the first
        // child is searched: the tables are far larger than the cache.
        std::array<std::array<std::uint32_t, MaxPartitions>, 4> childRank {};
        for (int n = 0; n < m_nextCount[blankCell]; ++n) {
            const int from = m_next[blankCell][n];
            if (from == previousBlank)
                continue;
            const int value = m_valueAt[from];
            m_cellOf[value] = static_cast<std::uint8_t>(blankCell);
            for (std::size_t k = 0; k < partitions; ++k) {
                if (const int same = m_copyOf[k][value]; same >= 0) {
                    childRank[n][k] = childRank[n][same];
                    continue;
                }
                const SlidingPatternDb::Lookup& lookup = m_partitions[k][m_patternOf[k][value]];
                childRank[n][k] = rankOf(lookup);
                prefetch(lookup.table->distance.data() + childRank[n][k]);
            }
            m_cellOf[value] = static_cast<std::uint8_t>(from);
        }
        for (int n = 0; n < m_nextCount[blankCell]; ++n) {
            const int from = m_next[blankCell][n];
            if (from == previousBlank)
                continue;
            const int value = m_valueAt[from];
            m_valueAt[blankCell] = static_cast<std::uint8_t>(value);
            m_valueAt[from] = static_cast<std::uint8_t>(m_blank);
            m_cellOf[value] = static_cast<std::uint8_t>(blankCell);
            m_cellOf[m_blank] = static_cast<std::uint8_t>(from);
            std::array<std::uint32_t, MaxPartitions> oldRank {};
            std::array<int, MaxPartitions> oldSum {};
            int movedBound = 0;
            for (std::size_t k = 0; k < partitions; ++k) {
                const int p = m_patternOf[k][value];
                const SlidingPatternDb::Lookup& lookup = m_partitions[k][p];
                oldRank[k] = m_rank[k][p];
                oldSum[k] = m_sum[k];
                m_rank[k][p] = childRank[n][k];
                m_sum[k] += lookup.table->distance[m_rank[k][p]] - lookup.table->distance[oldRank[k]];
                movedBound = std::max(movedBound, m_sum[k]);
            }
            m_path[cost] = value;
            if (deepen(cost + 1, limit, movedBound, blankCell))
                return true;
            for (std::size_t k = 0; k < partitions; ++k) {
                m_rank[k][m_patternOf[k][value]] = oldRank[k];
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
    std::array<std::array<std::int8_t, Cells>, MaxPartitions> m_copyOf {}; // an earlier partition, same pattern
    std::array<std::array<std::uint32_t, 3>, MaxPartitions> m_rank {};
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
