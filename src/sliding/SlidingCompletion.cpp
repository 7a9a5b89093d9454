// SlidingCompletion.cpp: score formula and congratulation text of the sliding game.
#include "SlidingCompletion.h"

qint64 SlidingCompletion::scoreFor(int steps, int seconds, int gridSize)
{
    // 64-bit arithmetic: an absurd step count must not overflow the score.
    return BaseScore - PointsPerStep * steps - Deduction - PointsPerSecond * seconds
        + PointsPerGridSize * gridSize;
}

SlidingCompletion SlidingCompletion::compute(int steps, int seconds, int gridSize, bool soundOn)
{
    return { steps, seconds, gridSize, scoreFor(steps, seconds, gridSize), soundOn };
}

QString SlidingCompletion::messageSuffix() const
{
    return QStringLiteral(" Spend %1 steps under %2 sec., Score %3").arg(steps).arg(seconds).arg(score);
}
