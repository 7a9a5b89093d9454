// SlidingSearch.cpp: iterative deepening A* with two lower bounds, the Manhattan distance and
// the 4 x 4 pattern tables.
#include "SlidingSearch.h"

#include "SlidingPatternDb.h"

#include <algorithm>
#include <array>
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

// The sum of the three pattern tables of the blank's home.
class PatternBound {
public:
    explicit PatternBound(const Grid& grid)
        : m_partition(SlidingPatternDb::prepare(grid.blank))
    {
        m_patternOf.fill(-1);
        for (int p = 0; p < 3; ++p) {
            for (const int home : m_partition.tables[p]->homes)
                m_patternOf[home] = p;
        }
    }
    int initial(const std::vector<int>& position)
    {
        int sum = 0;
        for (int p = 0; p < 3; ++p) {
            m_rank[p] = rankOf(p, position);
            sum += m_partition.tables[p]->distance[m_rank[p]];
        }
        return sum;
    }
    int moved(int value, int, int, const std::vector<int>& position, int bound, int& token)
    {
        const int p = m_patternOf[value];
        const auto& distance = m_partition.tables[p]->distance;
        const std::uint32_t rank = rankOf(p, position);
        token = static_cast<int>(m_rank[p]) * 4 + p;
        const int result = bound - distance[m_rank[p]] + distance[rank];
        m_rank[p] = rank;
        return result;
    }
    void undo(int token) { m_rank[token % 4] = static_cast<std::uint32_t>(token / 4); }

private:
    std::uint32_t rankOf(int p, const std::vector<int>& position) const
    {
        const auto& homes = m_partition.tables[p]->homes;
        std::array<int, 16> placement {};
        for (std::size_t i = 0; i < homes.size(); ++i)
            placement[i] = position[homes[i]];
        return SlidingPatternDb::rank(placement.data(), static_cast<int>(homes.size()));
    }
    SlidingPatternDb::Partition m_partition;
    std::array<int, 16> m_patternOf {};
    std::array<std::uint32_t, 3> m_rank {};
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
    PatternBound bound(grid);
    return Search<PatternBound>(grid, bound).run();
}

} // namespace SlidingSearch
