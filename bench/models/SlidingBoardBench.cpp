// SlidingBoardBench.cpp: scrambling the largest sliding board and moving one tile on it.
#include "BenchHarness.h"
#include "RandomSource.h"
#include "SlidingBoard.h"

namespace {

SlidingBoard largestBoard()
{
    SlidingBoard board;
    board.BuildTiles(SlidingBoard::MaxGridSize);
    return board;
}

} // namespace

QUARRY_BENCH(ShuffleTiles_10x10, "< 1 ms: a new 10 x 10 game is dealt at once")
{
    static SlidingBoard board = largestBoard();
    static ScriptedRandom random({0.37});
    board.ShuffleTiles(random);
    Bench::keep(board);
}

// A tile beside the blank, clicked back and forth: every iteration is one real move.
QUARRY_BENCH(SlidingMove_10x10, "< 10 us: a click answers at once")
{
    static SlidingBoard board = [] {
        SlidingBoard b = largestBoard();
        b.scramble(45);
        return b;
    }();
    static const int tile = [] {
        for (ArrowKey key : {ArrowKey::Left, ArrowKey::Up, ArrowKey::Right, ArrowKey::Down}) {
            if (const int t = board.tileForArrow(key))
                return t;
        }
        qFatal("quarry-bench: no tile beside the blank");
    }();
    const MoveResult result = board.apply(Move::click(tile));
    if (!result.moved)
        qFatal("quarry-bench: the tile did not move");
    Bench::keep(result);
}
