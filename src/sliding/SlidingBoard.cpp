// SlidingBoard.cpp: building, scrambling, moves and the solved test of the sliding board.
#include "SlidingBoard.h"

#include "RandomSource.h"
#include "Rounding.h"

#include <algorithm>
#include <cstdlib>

void SlidingBoard::BuildTiles(int gridSize)
{
    if (gridSize < 1 || gridSize > MaxGridSize)
        return;
    m_gridSize = gridSize;
    m_blank = 0;
    const int n = tileCount();
    m_cellOfTile.assign(n + 1, 0);
    m_tileAtCell.assign(n, 0);
    for (int tile = 1; tile <= n; ++tile)
        place(tile, tile - 1);
}

int SlidingBoard::drawBlank(double r, int tileCount)
{
    const int blank = Rounding::roundToInt(r * tileCount);
    return std::clamp(blank, 1, std::max(tileCount, 1));
}

void SlidingBoard::ShuffleTiles(RandomSource& random)
{
    const double r = random.next();
    scramble(drawBlank(r, tileCount()));
}

void SlidingBoard::scramble(int blank)
{
    if (isEmpty())
        return;
    BuildTiles(m_gridSize);
    const int n = tileCount();
    m_blank = std::clamp(blank, 1, n);

    // Translation: every tile steps one column right (the last column wraps to the first), then
    // one row down, three times over. The board stays a permutation after each full pass, so
    // the inverse table is rebuilt once at the end.
    for (int round = 0; round < TranslationRounds; ++round) {
        for (int tile = 1; tile <= n; ++tile) {
            Cell cell = cellOf(tile);
            cell.column = cell.column == m_gridSize - 1 ? 0 : cell.column + 1;
            m_cellOfTile[tile] = cellIndex(cell);
        }
        for (int tile = 1; tile <= n; ++tile) {
            Cell cell = cellOf(tile);
            cell.row = cell.row == m_gridSize - 1 ? 0 : cell.row + 1;
            m_cellOfTile[tile] = cellIndex(cell);
        }
    }
    for (int tile = 1; tile <= n; ++tile)
        m_tileAtCell[m_cellOfTile[tile]] = tile;

    // Sweeps: each tile in number order that lies beside the blank changes places with it, by
    // the same rule as a click.
    for (int round = 0; round < SweepRounds; ++round) {
        for (int tile = 1; tile <= n; ++tile)
            click(tile);
    }
}

bool SlidingBoard::restore(int gridSize, int blank, const std::vector<int>& cellOfTile)
{
    const int n = gridSize * gridSize;
    if (gridSize < MinGridSize || gridSize > MaxGridSize || blank < 1 || blank > n
        || static_cast<int>(cellOfTile.size()) != n)
        return false;
    std::vector<int> tileAtCell(n, 0);
    for (int tile = 1; tile <= n; ++tile) {
        const int cell = cellOfTile[tile - 1];
        if (cell < 0 || cell >= n || tileAtCell[cell] != 0)
            return false;
        tileAtCell[cell] = tile;
    }
    m_gridSize = gridSize;
    m_blank = blank;
    m_cellOfTile.assign(1, 0);
    m_cellOfTile.insert(m_cellOfTile.end(), cellOfTile.begin(), cellOfTile.end());
    m_tileAtCell = std::move(tileAtCell);
    return true;
}

Cell SlidingBoard::homeCell(int tile, int gridSize)
{
    if (gridSize <= 0)
        return {};
    return { (tile - 1) / gridSize, (tile - 1) % gridSize };
}

Cell SlidingBoard::cellOf(int tile) const
{
    return cellAt(m_cellOfTile.at(tile));
}

int SlidingBoard::tileAt(Cell cell) const
{
    if (cell.row < 0 || cell.row >= m_gridSize || cell.column < 0 || cell.column >= m_gridSize)
        return 0;
    return m_tileAtCell[cellIndex(cell)];
}

QList<QList<int>> SlidingBoard::rows() const
{
    QList<QList<int>> result;
    for (int row = 0; row < m_gridSize; ++row) {
        QList<int> line;
        for (int column = 0; column < m_gridSize; ++column)
            line.append(tileAt({ row, column }));
        result.append(line);
    }
    return result;
}

int SlidingBoard::firstNonBlankTile() const
{
    for (int tile = 1; tile <= tileCount(); ++tile) {
        if (tile != m_blank)
            return tile;
    }
    return 0;
}

bool SlidingBoard::IsSolved() const
{
    for (int tile = 1; tile <= tileCount(); ++tile) {
        if (m_cellOfTile[tile] != tile - 1)
            return false;
    }
    return true;
}

bool SlidingBoard::isSolvableByMoves() const
{
    const int n = tileCount();
    if (n == 0 || m_blank == 0)
        return false;
    // A permutation of n cells with c cycles is a product of n - c exchanges.
    std::vector<bool> seen(n + 1, false);
    int exchanges = 0;
    for (int tile = 1; tile <= n; ++tile) {
        for (int k = tile; !seen[k]; k = m_tileAtCell[k - 1]) {
            seen[k] = true;
            if (m_tileAtCell[k - 1] != tile)
                ++exchanges;
        }
    }
    const Cell blank = cellOf(m_blank);
    const Cell home = homeCell(m_blank);
    const int distance = std::abs(blank.row - home.row) + std::abs(blank.column - home.column);
    return exchanges % 2 == distance % 2;
}

void SlidingBoard::exchangeHighestTiles()
{
    int tiles[2] = {};
    int found = 0;
    for (int tile = tileCount(); tile >= 1 && found < 2; --tile) {
        if (tile != m_blank)
            tiles[found++] = tile;
    }
    if (found == 2)
        exchange(tiles[0], tiles[1]);
}

int SlidingBoard::tileForArrow(ArrowKey key) const
{
    if (m_blank == 0)
        return 0;
    const Cell blank = cellOf(m_blank);
    Cell wanted = blank;
    switch (key) {
    case ArrowKey::Left:
        ++wanted.column; // the tile right of the blank moves left
        break;
    case ArrowKey::Up:
        ++wanted.row; // the tile below the blank moves up
        break;
    case ArrowKey::Right:
        --wanted.column;
        break;
    case ArrowKey::Down:
        --wanted.row;
        break;
    }
    for (int tile = 1; tile <= tileCount(); ++tile) {
        if (tile != m_blank && cellOf(tile) == wanted)
            return tile;
    }
    return 0;
}

MoveResult SlidingBoard::apply(const Move& move)
{
    if (m_blank == 0)
        return {};
    switch (move.kind) {
    case Move::Kind::Click:
        return isTile(move.tile) ? click(move.tile) : MoveResult {};
    case Move::Kind::Arrow: {
        const int tile = tileForArrow(move.key);
        return tile != 0 ? click(tile) : MoveResult {};
    }
    case Move::Kind::Swap:
        return swapTiles(move.tile, move.otherTile);
    }
    return {};
}

MoveResult SlidingBoard::click(int tile)
{
    MoveResult result { true, tile, 0, false };
    // Both tests use the blank's cell as it was read before either of them.
    const Cell blank = cellOf(m_blank);
    Cell cell = cellOf(tile);
    if (cell.row == blank.row && std::abs(cell.column - blank.column) == 1) {
        exchange(tile, m_blank);
        ++result.steps;
    }
    // The tile's column as it now stands: a tile moved sideways sits in the blank's old row and
    // can therefore never also move vertically.
    cell = cellOf(tile);
    if (cell.column == blank.column && std::abs(cell.row - blank.row) == 1) {
        exchange(tile, m_blank);
        ++result.steps;
    }
    result.moved = result.steps > 0;
    return result;
}

MoveResult SlidingBoard::swapTiles(int first, int second)
{
    if (!isTile(first) || !isTile(second))
        return {};
    exchange(first, second);
    return { true, second, 1, first != second };
}

void SlidingBoard::exchange(int first, int second)
{
    const int firstCell = m_cellOfTile[first];
    place(first, m_cellOfTile[second]);
    place(second, firstCell);
}

void SlidingBoard::place(int tile, int cellIndex)
{
    m_cellOfTile[tile] = cellIndex;
    m_tileAtCell[cellIndex] = tile;
}
