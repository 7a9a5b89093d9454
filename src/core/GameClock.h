// GameClock.h: the one-second game clock of both games, whose value is what its label shows.
//
// The label shows four digits. Each tick adds one to the shown value and shows the first four
// characters of the result written with at least four digits, so the tick after 9999 shows
// 1 0 0 0 and counting goes on from 1001. The clock ends the game when a tick reaches 9999.
#pragma once

#include <QString>

class GameClock {
public:
    // The value whose tick ends the game.
    static constexpr int EndValue = 9999;

    // Before the first game the label shows its initial text "9 9 9 9", read as 9999.
    GameClock() = default;

    // A new game: shows 0 and runs.
    void restart();
    // Resumes a stopped clock (pause). A finished clock stays stopped: a completed or timed-out
    // game, or no game yet, must not count on; only restart() runs it again.
    void start() { m_running = !m_finished; }
    void stop() { m_running = false; }
    // The game is over (completed): the clock stops for good.
    void finish();
    // A saved game resumed: shows value (clamped into 0..EndValue - 1) and runs unless paused.
    void resume(int value, bool running);
    bool isRunning() const { return m_running; }
    bool isFinished() const { return m_finished; }

    // One tick of the running clock; returns true when this tick reached the end value (the clock
    // has then finished). A stopped clock does not tick.
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
    bool m_finished = true; // until the first game
};
