// SlidingBoard.h: the sliding puzzle's board in cells: building, scrambling, moves and the solved test.
//
// Tile k (1..N, N = GridSize²) belongs at row (k - 1) div GridSize, column (k - 1) mod GridSize.
// One tile, the blank, is the empty square. The board holds which cell each tile occupies;
// the window turns cells into positions and draws the tiles.
#pragma once

#include "SlidingMove.h"

#include <QList>

#include <vector>

class RandomSource;

class SlidingBoard {
public:
    // Grid sizes a game may have.
    static constexpr int MinGridSize = 3;
    static constexpr int MaxGridSize = 10;
    // Scrambling: the board is first translated this many cells right and down (with wrap-around),
    // then swept this many times in tile-number order.
    static constexpr int TranslationRounds = 3;
    static constexpr int SweepRounds = 100;

    // An empty board: no tiles, no blank.
    SlidingBoard() = default;

    // All tiles of a gridSize × gridSize board at home, no blank chosen yet.
    // A gridSize below 1 or above MaxGridSize leaves the board as it is.
    void BuildTiles(int gridSize);
    // Draws the blank from one random value and scrambles the board (see scramble()).
    void ShuffleTiles(RandomSource& random);
    // The deterministic part of ShuffleTiles: makes blank the blank (clamped into 1..N) and
    // scrambles the board, which first returns every tile home. The result depends only on the
    // grid size and the blank.
    void scramble(int blank);
    // The blank for random value r in [0, 1): r × tileCount rounded half to even, kept in 1..tileCount.
    static int drawBlank(double r, int tileCount);

    int gridSize() const { return m_gridSize; }
    int tileCount() const { return m_gridSize * m_gridSize; }
    bool isEmpty() const { return m_gridSize == 0; }
    // The blank tile, 0 before the first scramble.
    int blankIndex() const { return m_blank; }
    bool isTile(int tile) const { return tile >= 1 && tile <= tileCount(); }

    static Cell homeCell(int tile, int gridSize);
    Cell homeCell(int tile) const { return homeCell(tile, m_gridSize); }
    // The cell tile occupies now (tile must be 1..N).
    Cell cellOf(int tile) const;
    // The tile in cell, or 0 for a cell outside the board.
    int tileAt(Cell cell) const;
    // Tile numbers row by row, top to bottom, each row left to right.
    QList<QList<int>> rows() const;
    // The lowest-numbered tile that is not the blank (0 on an empty board).
    int firstNonBlankTile() const;

    // True when every tile, the blank included, is in its home cell.
    bool IsSolved() const;
    // True when moves of tiles into the blank alone can bring every tile home: each move is one
    // exchange with the blank and shifts the blank by one cell, so the parity of the arrangement
    // must equal the parity of the blank's distance from its home cell.
    bool isSolvableByMoves() const;
    // Exchanges the two highest-numbered tiles that are not the blank (no step is counted). This
    // flips the parity, so it turns a board moves cannot solve into one they can.
    void exchangeHighestTiles();

    // A saved board: cellOfTile[k - 1] is tile k's cell index. False (board unchanged) unless
    // gridSize is a playable size, blank a tile and the cells a permutation of 0..N-1.
    bool restore(int gridSize, int blank, const std::vector<int>& cellOfTile);
    // Tile k's cell index (row × gridSize + column), k in 1..N.
    int cellIndexOf(int tile) const { return m_cellOfTile.at(tile); }

    // The tile an arrow key moves: tiles 1..N are scanned in order, skipping the blank, for the
    // first one in the cell beside the blank that the key needs. 0 when there is none.
    int tileForArrow(ArrowKey key) const;

    // Applies a request.
    // Click: a tile directly beside, above or below the blank changes places with it (one step);
    //   any other tile, the blank included, stays (no step) but the click is still accepted.
    // Arrow: the tile found by tileForArrow is clicked; nothing is accepted when there is none.
    // Swap: any two tiles exchange cells; a tile with itself counts a step and changes nothing.
    // Requests naming tiles outside 1..N, or made before a blank exists, are not accepted.
    MoveResult apply(const Move& move);

private:
    MoveResult click(int tile);
    MoveResult swapTiles(int first, int second);
    // The two tiles exchange cells.
    void exchange(int first, int second);
    void place(int tile, int cellIndex);
    int cellIndex(Cell cell) const { return cell.row * m_gridSize + cell.column; }
    Cell cellAt(int cellIndex) const { return { cellIndex / m_gridSize, cellIndex % m_gridSize }; }

    int m_gridSize = 0;
    int m_blank = 0;
    // m_cellOfTile[k] is tile k's cell index (index 0 unused); m_tileAtCell is its inverse.
    std::vector<int> m_cellOfTile;
    std::vector<int> m_tileAtCell;
};
