// SlidingHint.cpp: the hint from the solver's way home.
#include "SlidingHint.h"

#include "SlidingBoard.h"
#include "SlidingSolver.h"

SlidingHint SlidingHint::of(const SlidingBoard& board, bool swapModeOn)
{
    SlidingHint hint;
    const SlidingSolver::Position position = SlidingSolver::positionOf(board);
    if (!SlidingSolver::isValid(position) || board.IsSolved())
        return hint;
    if (!SlidingSolver::isSolvable(position)) {
        hint.kind = swapModeOn ? Kind::Swap : Kind::Stuck;
        if (swapModeOn) {
            const SlidingSolver::Swap swap = SlidingSolver::repairingSwap(position);
            hint.swapFirst = swap.first;
            hint.swapSecond = swap.second;
        }
        return hint;
    }
    const SlidingSolver::Solution solution = SlidingSolver::solve(position);
    if (!solution.solvable || solution.clicks.empty())
        return hint;
    hint.kind = Kind::Move;
    hint.tile = solution.clicks.front();
    hint.movesToGo = static_cast<int>(solution.clicks.size());
    hint.exact = solution.optimal;
    return hint;
}

QString SlidingHint::text() const
{
    switch (kind) {
    case Kind::Move:
        return exact ? QStringLiteral("%1 moves to go").arg(movesToGo)
                     : QStringLiteral("about %1 moves to go").arg(movesToGo);
    case Kind::Swap:
        return QStringLiteral("Swap tiles %1 and %2 first").arg(swapFirst).arg(swapSecond);
    case Kind::Stuck:
        return QStringLiteral("Moves alone cannot finish this board");
    case Kind::None:
        break;
    }
    return {};
}
