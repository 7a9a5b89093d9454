// SlidingSolver.cpp: solvability, the repairing swap, and the choice between the optimal searches
// and the row-and-column reduction of large boards.
#include "SlidingSolver.h"

#include "SlidingBoard.h"
#include "SlidingPatternDb.h"
#include "SlidingSearch.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <deque>
#include <optional>

namespace SlidingSolver {
namespace {

using SlidingSearch::Grid;
using SlidingSearch::Path;

Grid gridOf(const Position& position)
{
    Grid grid { position.gridSize, position.gridSize, {}, position.blank - 1 };
    for (const int tile : position.tiles)
        grid.cells.push_back(tile - 1);
    return grid;
}

int distance(int cell, int home, int width)
{
    return std::abs(cell / width - home / width) + std::abs(cell % width - home % width);
}

// Large boards: the outer rows and columns are put in place one at a time, always on a side away
// from the blank's home, until three rows and three columns remain; those are solved optimally.
// Each tile is brought home along the shortest way that leaves the placed tiles alone.
class Reduction {
public:
    explicit Reduction(const Grid& grid)
        : m_size(grid.width)
        , m_cells(grid.cells)
        , m_blank(grid.blank)
        , m_position(grid.cells.size())
        , m_locked(grid.cells.size(), false)
    {
        for (int cell = 0; cell < cellCount(); ++cell)
            m_position[m_cells[cell]] = cell;
    }

    std::optional<Path> run()
    {
        int top = 0;
        int bottom = m_size - 1;
        int left = 0;
        int right = m_size - 1;
        const int blankRow = m_blank / m_size;
        const int blankColumn = m_blank % m_size;
        while (bottom - top > 2 || right - left > 2) {
            std::vector<int> line;
            int inward = 0;
            if (bottom - top >= right - left) {
                const bool fromTop = blankRow != top;
                const int row = fromTop ? top : bottom;
                for (int column = left; column <= right; ++column)
                    line.push_back(row * m_size + column);
                inward = fromTop ? m_size : -m_size;
                (fromTop ? top : bottom) += fromTop ? 1 : -1;
            } else {
                const bool fromLeft = blankColumn != left;
                const int column = fromLeft ? left : right;
                for (int row = top; row <= bottom; ++row)
                    line.push_back(row * m_size + column);
                inward = fromLeft ? 1 : -1;
                (fromLeft ? left : right) += fromLeft ? 1 : -1;
            }
            if (!placeLine(line, inward))
                return std::nullopt;
        }
        if (!finish(top, left))
            return std::nullopt;
        return m_path;
    }

private:
    int cellCount() const { return m_size * m_size; }

    template <typename Visit> void forNeighbours(int cell, Visit visit) const
    {
        const int row = cell / m_size;
        const int column = cell % m_size;
        if (row > 0)
            visit(cell - m_size);
        if (row < m_size - 1)
            visit(cell + m_size);
        if (column > 0)
            visit(cell - 1);
        if (column < m_size - 1)
            visit(cell + 1);
    }

    // The tile in from steps into the blank's cell.
    void step(int from)
    {
        const int blankCell = m_position[m_blank];
        const int value = m_cells[from];
        m_cells[blankCell] = value;
        m_cells[from] = m_blank;
        m_position[value] = blankCell;
        m_position[m_blank] = from;
        m_path.push_back(value);
    }

    // The blank travels to target over unlocked cells.
    bool moveBlank(int target)
    {
        const int start = m_position[m_blank];
        std::vector<int> cameFrom(cellCount(), -1);
        cameFrom[start] = start;
        std::deque<int> queue { start };
        while (!queue.empty() && cameFrom[target] < 0) {
            const int cell = queue.front();
            queue.pop_front();
            forNeighbours(cell, [&](int next) {
                if (!m_locked[next] && cameFrom[next] < 0) {
                    cameFrom[next] = cell;
                    queue.push_back(next);
                }
            });
        }
        if (cameFrom[target] < 0)
            return false;
        std::vector<int> route;
        for (int cell = target; cell != start; cell = cameFrom[cell])
            route.push_back(cell);
        for (auto it = route.rbegin(); it != route.rend(); ++it)
            step(*it);
        return true;
    }

    // The fewest moves over unlocked cells that bring the tile of value to target: a search over
    // the pairs (tile's cell, blank's cell).
    bool placeTile(int value, int target)
    {
        const int n = cellCount();
        const int start = m_position[value] * n + m_position[m_blank];
        std::vector<int> cameFrom(static_cast<std::size_t>(n) * n, -1);
        cameFrom[start] = start;
        std::deque<int> queue { start };
        int found = m_position[value] == target ? start : -1;
        while (!queue.empty() && found < 0) {
            const int state = queue.front();
            queue.pop_front();
            const int tile = state / n;
            const int blank = state % n;
            forNeighbours(blank, [&](int next) {
                if (m_locked[next] || found >= 0)
                    return;
                const int moved = next == tile ? blank * n + next : tile * n + next;
                if (cameFrom[moved] >= 0)
                    return;
                cameFrom[moved] = state;
                queue.push_back(moved);
                if (moved / n == target)
                    found = moved;
            });
        }
        return found >= 0 && replayBlankRoute(start, found, cameFrom);
    }

    // Plays the blank's route of a search from start to found, read back through cameFrom
    // (states encode the blank's cell in their lowest digit, base cellCount()).
    bool replayBlankRoute(int start, int found, const std::vector<int>& cameFrom)
    {
        const int n = cellCount();
        std::vector<int> blankRoute;
        for (int state = found; state != start; state = cameFrom[state])
            blankRoute.push_back(state % n);
        for (auto it = blankRoute.rbegin(); it != blankRoute.rend(); ++it)
            step(*it);
        return true;
    }

    // The fewest moves over unlocked cells that bring the tiles of first and second home, by a
    // search over (first's cell, second's cell, blank's cell).
    bool placePair(int first, int second)
    {
        const int n = cellCount();
        auto encode = [n](int a, int b, int blank) { return (a * n + b) * n + blank; };
        const int start = encode(m_position[first], m_position[second], m_position[m_blank]);
        const int goal = encode(first, second, 0); // with the blank anywhere
        std::vector<int> cameFrom(static_cast<std::size_t>(n) * n * n, -1);
        cameFrom[start] = start;
        std::deque<int> queue { start };
        int found = start - start % n == goal ? start : -1;
        while (!queue.empty() && found < 0) {
            const int state = queue.front();
            queue.pop_front();
            const int a = state / (n * n);
            const int b = state / n % n;
            const int blank = state % n;
            forNeighbours(blank, [&](int next) {
                if (m_locked[next] || found >= 0)
                    return;
                const int moved = encode(next == a ? blank : a, next == b ? blank : b, next);
                if (cameFrom[moved] >= 0)
                    return;
                cameFrom[moved] = state;
                queue.push_back(moved);
                if (moved - moved % n == goal)
                    found = moved;
            });
        }
        return found >= 0 && replayBlankRoute(start, found, cameFrom);
    }

    // Puts the tiles of line home in order. The last two cannot simply follow the others: the
    // last tile is parked in the one-but-last cell, the one-but-last tile beside it further in,
    // and both then slide into place together.
    bool placeLine(const std::vector<int>& line, int inward)
    {
        const std::size_t count = line.size();
        for (std::size_t i = 0; i + 2 < count; ++i) {
            if (!placeTile(line[i], line[i]))
                return false;
            m_locked[line[i]] = true;
        }
        const int nextToLast = line[count - 2];
        const int last = line[count - 1];
        if (m_cells[nextToLast] != nextToLast || m_cells[last] != last) {
            const int below = nextToLast + inward;
            if (!placeTile(last, nextToLast))
                return false;
            m_locked[nextToLast] = true;
            if (placeTile(nextToLast, below)) {
                m_locked[below] = true;
                if (!moveBlank(last))
                    return false;
                step(nextToLast);
                step(below);
                m_locked[below] = false;
            } else {
                // The one-but-last tile is shut in the last cell behind the blank: both tiles
                // are brought home together, a few moves from here.
                m_locked[nextToLast] = false;
                if (!placePair(nextToLast, last))
                    return false;
            }
        }
        m_locked[nextToLast] = true;
        m_locked[last] = true;
        return true;
    }

    // The remaining three by three cells from (top, left), solved optimally on their own.
    bool finish(int top, int left)
    {
        constexpr int side = 3;
        Grid rest { side, side, {}, 0 };
        std::vector<int> valueOf(side * side);
        auto local = [&](int cell) { return (cell / m_size - top) * side + (cell % m_size - left); };
        for (int row = 0; row < side; ++row) {
            for (int column = 0; column < side; ++column) {
                const int cell = (top + row) * m_size + left + column;
                const int value = m_cells[cell];
                const int home = local(value);
                if (value / m_size - top < 0 || value / m_size - top >= side || value % m_size - left < 0
                    || value % m_size - left >= side)
                    return false;
                rest.cells.push_back(home);
                valueOf[home] = value;
            }
        }
        rest.blank = local(m_blank);
        const std::optional<Path> path = SlidingSearch::solveManhattan(rest);
        if (!path)
            return false;
        for (const int home : *path)
            step(m_position[valueOf[home]]);
        return true;
    }

    int m_size;
    std::vector<int> m_cells;
    int m_blank;
    std::vector<int> m_position;
    std::vector<bool> m_locked;
    Path m_path;
};

} // namespace

Position positionOf(const SlidingBoard& board)
{
    Position position { board.gridSize(), board.blankIndex(), {} };
    for (const QList<int>& row : board.rows())
        position.tiles.insert(position.tiles.end(), row.begin(), row.end());
    return position;
}

bool isValid(const Position& position)
{
    const int n = position.gridSize * position.gridSize;
    if (position.gridSize < SlidingBoard::MinGridSize || position.gridSize > SlidingBoard::MaxGridSize
        || position.blank < 1 || position.blank > n || static_cast<int>(position.tiles.size()) != n)
        return false;
    std::vector<bool> seen(n + 1, false);
    for (const int tile : position.tiles) {
        if (tile < 1 || tile > n || seen[tile])
            return false;
        seen[tile] = true;
    }
    return true;
}

bool isSolvable(const Position& position)
{
    if (!isValid(position))
        return false;
    const Grid grid = gridOf(position);
    const int n = static_cast<int>(grid.cells.size());
    // A permutation is even exactly when its cell count less its cycle count is.
    std::vector<bool> visited(n, false);
    int cycles = 0;
    int blankCell = 0;
    for (int cell = 0; cell < n; ++cell) {
        if (grid.cells[cell] == grid.blank)
            blankCell = cell;
        if (visited[cell])
            continue;
        ++cycles;
        for (int at = cell; !visited[at]; at = grid.cells[at])
            visited[at] = true;
    }
    return (n - cycles) % 2 == distance(blankCell, grid.blank, grid.width) % 2;
}

Solution solve(const Position& position)
{
    if (!isSolvable(position))
        return {};
    const Grid grid = gridOf(position);
    std::optional<Path> path;
    const bool optimal = position.gridSize <= 4;
    if (position.gridSize == 3)
        path = SlidingSearch::solveManhattan(grid);
    else if (position.gridSize == 4)
        path = SlidingSearch::solvePatterns(grid);
    else
        path = Reduction(grid).run();
    if (!path)
        return {};
    Solution solution { true, optimal, {} };
    for (const int value : *path)
        solution.clicks.push_back(value + 1);
    return solution;
}

void prepare(const Position& position)
{
    if (position.gridSize == 4 && isValid(position))
        SlidingPatternDb::prepare(position.blank - 1);
}

Swap repairingSwap(const Position& position)
{
    if (!isValid(position) || isSolvable(position))
        return {};
    const int width = position.gridSize;
    const int n = width * width;
    std::vector<int> cellOf(n + 1);
    for (int cell = 0; cell < n; ++cell)
        cellOf[position.tiles[cell]] = cell;
    Swap best;
    int bestChange = INT_MAX;
    for (int first = 1; first <= n; ++first) {
        for (int second = first + 1; second <= n; ++second) {
            if (first == position.blank || second == position.blank)
                continue;
            const int a = cellOf[first];
            const int b = cellOf[second];
            const int change = distance(b, first - 1, width) + distance(a, second - 1, width)
                - distance(a, first - 1, width) - distance(b, second - 1, width);
            if (change < bestChange) {
                bestChange = change;
                best = { first, second };
            }
        }
    }
    return best;
}

} // namespace SlidingSolver
