// SlidingGame.cpp: game-flow rules of the sliding puzzle.
#include "SlidingGame.h"

#include <utility>

#include "Fields.h"
#include "Rounding.h"

int SlidingGame::gridSizeFromRecord(QStringView record)
{
    // The size is held as a whole number, so a fractional field is rounded like any whole-number store.
    const int size = Rounding::roundToInt(Fields::fieldValue(record, u'D') + 3.0);
    return size < SlidingBoard::MinGridSize || size > SlidingBoard::MaxGridSize ? DefaultGridSize : size;
}

namespace {
int playableGridSize(int gridSize)
{
    return gridSize < SlidingBoard::MinGridSize || gridSize > SlidingBoard::MaxGridSize
        ? SlidingGame::DefaultGridSize
        : gridSize;
}
} // namespace

void SlidingGame::startGame(int gridSize, RandomSource& random, bool swapModeOn)
{
    m_board.BuildTiles(playableGridSize(gridSize));
    m_board.ShuffleTiles(random);
    makeSolvable(swapModeOn);
    resetFlags();
}

void SlidingGame::startGameWithBlank(int gridSize, int blank, bool swapModeOn)
{
    m_board.BuildTiles(playableGridSize(gridSize));
    m_board.scramble(blank);
    makeSolvable(swapModeOn);
    resetFlags();
}

void SlidingGame::makeSolvable(bool swapModeOn)
{
    // With swap mode the player can exchange two tiles, so every scramble can be finished as it is.
    if (!swapModeOn && !m_board.isSolvableByMoves())
        m_board.exchangeHighestTiles();
}

void SlidingGame::resetFlags()
{
    m_steps = 0;
    m_clock.restart();
    m_paused = false;
    m_timeEnd = false;
    m_idle = false;
    m_swapPending = false;
    m_pickedTile = 0;
    m_wholePicture = false;
    m_hints = 0;
    m_done.clear();
    m_undone.clear();
}

void SlidingGame::remember(const Move& move)
{
    m_done.push_back(move);
    m_undone.clear();
}

ClickOutcome SlidingGame::replay(std::vector<Move>& from, std::vector<Move>& to)
{
    if (m_paused || m_timeEnd || m_swapPending || m_idle || m_wholePicture || from.empty())
        return {};
    const Move move = from.back();
    from.pop_back();
    to.push_back(move);
    const MoveResult result = m_board.apply(move);
    if (move.kind != Move::Kind::Swap)
        return afterRequest(result);
    // A swap makes no solved test, whichever way it is played.
    m_steps += result.steps;
    ClickOutcome outcome;
    outcome.accepted = result.accepted;
    outcome.tile = move.tile;
    outcome.otherTile = move.otherTile;
    outcome.steps = result.steps;
    outcome.moved = result.moved;
    outcome.playMoveSound = m_soundOn;
    return outcome;
}

void SlidingGame::resumeGame(const SlidingBoard& board, int steps, int seconds, bool paused, int pickedTile, int hints)
{
    m_board = board;
    resetFlags();
    m_steps = steps;
    m_hints = hints;
    m_paused = paused;
    m_clock.resume(seconds, !paused);
    m_swapPending = pickedTile != 0;
    m_pickedTile = pickedTile;
}

ClickOutcome SlidingGame::click(int tile)
{
    if (m_paused || m_timeEnd || m_swapPending)
        return {};
    const MoveResult result = m_board.apply(Move::click(tile));
    if (result.moved)
        remember(Move::click(result.tile));
    return afterRequest(result);
}

ClickOutcome SlidingGame::arrowKey(ArrowKey key)
{
    if (m_paused || m_timeEnd || m_swapPending)
        return {};
    const MoveResult result = m_board.apply(Move::arrow(key));
    if (result.moved)
        remember(Move::click(result.tile));
    return afterRequest(result);
}

ClickOutcome SlidingGame::afterRequest(const MoveResult& result)
{
    ClickOutcome outcome;
    if (!result.accepted)
        return outcome;
    outcome.accepted = true;
    outcome.tile = result.tile;
    outcome.steps = result.steps;
    outcome.moved = result.moved;
    m_steps += result.steps;

    // The solved test follows every accepted request, also one that moved nothing, and
    // completion does not block further moves: a later arrow key can complete once more.
    if (!m_board.IsSolved()) {
        outcome.playMoveSound = m_soundOn;
        return outcome;
    }
    outcome.solved = true;
    m_wholePicture = true;
    m_clock.finish();
    m_idle = true;
    const SlidingCompletion completion
        = SlidingCompletion::compute(m_steps, m_clock.value(), m_board.gridSize(), m_soundOn);
    m_score = completion.score;
    outcome.completion = completion;
    return outcome;
}

bool SlidingGame::cancelSwap()
{
    return std::exchange(m_swapPending, false);
}

QString SlidingGame::swapStatusText(bool swapModeOn, bool pending)
{
    if (pending)
        return QStringLiteral("Swap mode: right-click the tile to exchange it with (Esc cancels)");
    return swapModeOn ? QStringLiteral("Swap mode is on: right-click two tiles to exchange them") : QString();
}

SwapOutcome SlidingGame::mouseUp(int tile, bool rightButton, bool swapModeOn)
{
    SwapOutcome outcome;
    if (!rightButton || !m_board.isTile(tile))
        return outcome;
    if (m_swapPending) {
        // A pending pick always ends in the exchange, even when swap mode was switched off since.
        m_swapPending = false;
        const MoveResult result = m_board.apply(Move::swap(m_pickedTile, tile));
        m_steps += result.steps;
        if (result.moved)
            remember(Move::swap(m_pickedTile, tile));
        outcome.action = SwapOutcome::Action::Dropped;
        outcome.pickedTile = m_pickedTile;
        outcome.droppedTile = tile;
        outcome.steps = result.steps;
        outcome.moved = result.moved;
        return outcome;
    }
    if (!swapModeOn)
        return outcome;
    m_swapPending = true;
    m_pickedTile = tile;
    outcome.action = SwapOutcome::Action::Picked;
    outcome.pickedTile = tile;
    return outcome;
}

TickOutcome SlidingGame::tick()
{
    TickOutcome outcome;
    if (m_clock.tick()) {
        m_timeEnd = true;
        outcome.timeEnded = true;
    }
    return outcome;
}

void SlidingGame::togglePause()
{
    if (m_paused) {
        m_paused = false;
        m_clock.start();
    } else {
        m_clock.stop();
        m_paused = true;
    }
}
