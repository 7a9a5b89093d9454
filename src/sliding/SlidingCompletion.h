// SlidingCompletion.h: the score of a solved sliding puzzle and its congratulation message.
//
// GameScore = 19999 - 10 × steps - 5000 - 10 × seconds + 1000 × GridSize. It may be negative;
// a score of exactly 0 shows no message.
#pragma once

#include "SlidingMessage.h"

#include <QtGlobal>

struct SlidingCompletion {
    static constexpr qint64 BaseScore = 19999;
    static constexpr qint64 PointsPerStep = 10;
    static constexpr qint64 Deduction = 5000;
    static constexpr qint64 PointsPerSecond = 10;
    static constexpr qint64 PointsPerGridSize = 1000;

    int steps = 0;
    int seconds = 0;
    int gridSize = 0;
    qint64 score = 0;
    // The success sound is due (sound is on); it plays before the message.
    bool playSuccessSound = false;

    static qint64 scoreFor(int steps, int seconds, int gridSize);
    static SlidingCompletion compute(int steps, int seconds, int gridSize, bool soundOn = false);

    bool showsMessage() const { return score != 0; }
    // " Spend 57 steps under 63 sec., Score 17799"
    QString messageSuffix() const;
    // "Well done!" + messageSuffix(), titled "Congratulate".
    SlidingMessage message() const { return SlidingMessage::congratulation(messageSuffix()); }
};
