// SlidingHint.h: what the Hint command tells the player: the tile to move next and the moves still
// needed, or, on a board that moves alone cannot bring home, the swap that makes it possible.
//
// Working it out may build the 4 x 4 pattern tables (see SlidingSolver::prepare), so the window
// asks for it on a worker thread.
#pragma once

#include <QString>

class SlidingBoard;

struct SlidingHint {
    enum class Kind {
        None, // no game, or the board is home already
        Move, // click tile next; movesToGo moves remain
        Swap, // moves cannot finish the board: exchange swapFirst and swapSecond (swap mode)
        Stuck, // moves cannot finish the board and swap mode is off
    };
    Kind kind = Kind::None;
    int tile = 0;
    int movesToGo = 0;
    bool exact = false; // movesToGo is the fewest possible (3 x 3 and 4 x 4)
    int swapFirst = 0;
    int swapSecond = 0;

    static SlidingHint of(const SlidingBoard& board, bool swapModeOn);

    // "12 moves to go", "about 230 moves to go", "Swap tiles 7 and 8 first", ...
    QString text() const;
};
