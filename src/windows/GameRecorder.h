// GameRecorder.h: a game window's link to the records: it records each game that ends (completed,
// or out of time), adds the best-result note after the completion message, and opens the
// window's scoreboard.
#pragma once

#include "GameRecord.h"
#include "RecordStore.h"

#include <QDateTime>
#include <QObject>
#include <QPointer>

#include <functional>

struct AppContext;
class BuiltInPictures;
class ScoreboardWindow;
class QWidget;

class GameRecorder : public QObject
{
    Q_OBJECT

public:
    using Clock = std::function<QDateTime()>;

    GameRecorder(AppContext& context, const BuiltInPictures& pictures, RecordGame game, QWidget* gameWindow);

    // The clock that dates the records (the system's UTC time unless a test sets one).
    void setClock(Clock clock) { m_clock = std::move(clock); }

    // Records a game that ended: board (picture, size, rotation, swap mode) and result (seconds,
    // steps or joins, score) as the window knows them; the date, the game and, from the seconds,
    // whether it was finished are filled in here. Call it after the completion message: a best
    // result adds its own note, a problem with the file its own message.
    RecordOutcome record(GameRecord game);

    // The "Puzzle scoreboard" command: opens (or raises) this window's scoreboard on this game,
    // at the board of the last recorded game.
    void showScoreboard();
    ScoreboardWindow* scoreboard() const;

private:
    void tellProblem();

    AppContext& m_context;
    const BuiltInPictures& m_pictures;
    RecordGame m_game;
    QWidget* m_window;
    Clock m_clock;
    QString m_lastBoard;
    QPointer<ScoreboardWindow> m_scoreboard;
};
