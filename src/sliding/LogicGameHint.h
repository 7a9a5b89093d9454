// LogicGameHint.h: the Hint command's display in the sliding window: the hint is worked out on a
// worker thread (the 4 x 4 tables may have to be built first), then the tile to move next blinks
// briefly and a small label over the board tells the moves to go, until the next move.
#pragma once

#include "SlidingHint.h"

#include <QObject>
#include <QTimer>

#include <functional>

class QLabel;
class QWidget;
class SlidingBoard;

class LogicGameHint : public QObject {
    Q_OBJECT
public:
    // tileWidget gives the surface of a tile (nullptr when there is none); the label lives on board.
    LogicGameHint(QWidget* board, std::function<QWidget*(int)> tileWidget);

    // Works the hint out for board as it is now. A hint that arrives after clear() is dropped.
    void request(const SlidingBoard& board, bool swapModeOn);
    // Hides the text and ends any blinking (every move or new game calls it).
    void clear();

    bool isWorking() const { return m_working; }
    QLabel* label() const { return m_label; }

signals:
    // The hint is on show.
    void shown(const SlidingHint& hint);

private:
    void show(const SlidingHint& hint);
    void blink();

    QWidget* m_board;
    std::function<QWidget*(int)> m_tileWidget;
    QLabel* m_label;
    QTimer m_blinkTimer;
    int m_blinkTile = 0;
    int m_blinksLeft = 0;
    int m_generation = 0; // requests before the last clear() are out of date
    bool m_working = false;
};
