// GameModel.h: what every game model answers, whichever game it plays, so the game windows, the
// records and saved games treat both games alike.
#pragma once

#include "GameClock.h"

#include <QString>
#include <QtGlobal>

class GameModel {
public:
    virtual ~GameModel() = default;

    // The game clock; it counts while the game runs.
    virtual const GameClock& clock() const = 0;
    // Paused by the player: input is refused and the clock stands.
    virtual bool isPaused() const = 0;
    // The clock reached its end: input is refused until the next game.
    virtual bool isTimeEnded() const = 0;
    // No game in play: none started yet, or the last one completed. A new game asks nothing.
    virtual bool isEnded() const = 0;
    // Score of the last completion (0 before any).
    virtual qint64 score() const = 0;
    // What the player has done that counts: sliding steps, jigsaw joins.
    virtual int steps() const = 0;

    bool isRunning() const { return clock().isRunning(); }
    int seconds() const { return clock().value(); }
    QString timeText() const { return clock().text(); }
    // Moves, drags and gathers are refused while paused and after the time end.
    bool refusesInput() const { return isPaused() || isTimeEnded(); }
    // A new-game request while a game is in play must be confirmed first.
    bool needsNewGameQuestion() const { return !isEnded(); }

    // The banners both game windows show.
    static QString pauseText() { return QStringLiteral("P A U S E !"); }
    static QString timeEndText() { return QStringLiteral("T I M E   E N D !"); }
};
