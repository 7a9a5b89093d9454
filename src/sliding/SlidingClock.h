// SlidingClock.h: the sliding game's one-second clock, whose value is what its label shows.
//
// The label shows four digits. Each tick adds one to the shown value and shows the first four
// characters of the result written with at least four digits, so the tick after 9999 shows
// 1 0 0 0 and counting goes on from 1001. The clock ends the game when a tick reaches 9999.
#pragma once

#include <QString>

class SlidingClock {
public:
    // The value whose tick ends the game.
    static constexpr int EndValue = 9999;

    // Before the first game the label shows its initial text "9 9 9 9", read as 9999.
    SlidingClock() = default;

    // A new game: shows 0 and runs.
    void restart();
    void start() { m_running = true; }
    void stop() { m_running = false; }
    bool isRunning() const { return m_running; }

    // One tick of the running clock; returns true when this tick reached the end value (the clock
    // has then stopped). A stopped clock does not tick.
    bool tick();

    // The seconds as the label shows them (0 to 9999).
    int value() const { return m_value; }
    // The label text: "Time 0 1 2 3" (before the first game: "9 9 9 9").
    QString text() const;
    // "Time " followed by the four digits of value, separated by single spaces.
    static QString textFor(int value);

private:
    int m_value = EndValue;
    bool m_labelled = false; // false while the label still shows its initial text
    bool m_running = false;
};
