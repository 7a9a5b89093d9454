// SlidingSave.cpp: capture and checked restore of the Logic puzzle's board.
#include "SlidingSave.h"

#include <QJsonArray>

#include <cmath>

#include <limits>

namespace SlidingSave {

SavedGame::Document capture(const SlidingGame& game)
{
    SavedGame::Document d;
    d.game = SavedGame::Game::Logic;
    d.seconds = game.clock().value();
    d.paused = game.IsPaused();
    const SlidingBoard& board = game.board();
    d.level.insert(QStringLiteral("grid"), board.gridSize());
    QJsonArray cells;
    for (int tile = 1; tile <= board.tileCount(); ++tile)
        cells.append(board.cellIndexOf(tile));
    d.state.insert(QStringLiteral("cells"), cells);
    d.state.insert(QStringLiteral("blank"), board.blankIndex());
    d.state.insert(QStringLiteral("steps"), game.StepCount());
    d.state.insert(QStringLiteral("picked"), game.SwapPending() ? game.pickedTile() : 0);
    if (game.HintCount() > 0) // left out when none, as saves from before the count have it
        d.state.insert(QStringLiteral("hints"), game.HintCount());
    return d;
}

bool restore(const SavedGame::Document& d, SlidingGame& game, QString* problem)
{
    using namespace SavedGame;
    int grid = 0;
    if (!readInt(d.level, QStringLiteral("grid"), SlidingBoard::MinGridSize, SlidingBoard::MaxGridSize, &grid,
            problem))
        return false;
    const int n = grid * grid;
    int blank = 0;
    int steps = 0;
    int picked = 0;
    if (!readInt(d.state, QStringLiteral("blank"), 1, n, &blank, problem)
        || !readInt(d.state, QStringLiteral("steps"), 0, std::numeric_limits<int>::max() - 1, &steps, problem)
        || !readInt(d.state, QStringLiteral("picked"), 0, n, &picked, problem))
        return false;
    // Saves written before hints were counted have none.
    int hints = 0;
    if (d.state.contains(QStringLiteral("hints"))
        && !readInt(d.state, QStringLiteral("hints"), 1, std::numeric_limits<int>::max() - 1, &hints, problem))
        return false;
    const QJsonValue cellsValue = d.state.value(QStringLiteral("cells"));
    const QJsonArray cells = cellsValue.toArray();
    if (!cellsValue.isArray() || cells.size() != n) {
        *problem = QStringLiteral("\"cells\" does not hold one cell for each of the %1 tiles.").arg(n);
        return false;
    }
    std::vector<int> cellOfTile;
    cellOfTile.reserve(n);
    for (const QJsonValue& cell : cells) {
        const double v = cell.toDouble(-1);
        // The range first: a number out of int's range must never be cast.
        if (!cell.isDouble() || !(v >= 0 && v < n) || v != std::floor(v)) {
            *problem = QStringLiteral("\"cells\" holds a cell outside the board.");
            return false;
        }
        cellOfTile.push_back(static_cast<int>(v));
    }
    SlidingBoard board;
    if (!board.restore(grid, blank, cellOfTile)) {
        *problem = QStringLiteral("\"cells\" puts two tiles into one cell.");
        return false;
    }
    game.resumeGame(board, steps, d.seconds, d.paused, picked, hints);
    return true;
}

} // namespace SlidingSave
