// GameClock.h: the one-second game clock both games show as "Time 0 1 2 3".
//
// The clock shows four digits. A tick adds one to the shown value and shows the first four
// digits of the result, so the tick after 9999 shows 1 0 0 0 and counting goes on from 1001.
// Reaching 9999 is the time end.
#pragma once

#include <QString>

class GameClock
{
public:
    static constexpr int TimeEnd = 9999;

    void reset() { m_shown = 0; }
    // Sets the shown value directly (tests, and a clock restored to a given reading).
    void setShown(int value);
    // One second: true when this tick reaches the time end.
    bool tick();
    // The value the display shows, as the completion reads it back.
    int seconds() const { return m_shown; }
    // "Time " followed by the four digits, each but the last followed by a space.
    QString text() const;
    static QString textFor(int shown);

private:
    int m_shown = 0;
};
