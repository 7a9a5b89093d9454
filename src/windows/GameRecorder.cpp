// GameRecorder.cpp: recording ended games and opening the scoreboard.
#include "GameRecorder.h"

#include "AppContext.h"
#include "MessageBoxes.h"
#include "ScoreboardWindow.h"

#include <QWidget>

GameRecorder::GameRecorder(AppContext& context, const BuiltInPictures& pictures, RecordGame game, QWidget* gameWindow)
    : QObject(gameWindow)
    , m_context(context)
    , m_pictures(pictures)
    , m_game(game)
    , m_window(gameWindow)
    , m_clock([] { return QDateTime::currentDateTimeUtc(); })
{
}

RecordOutcome GameRecorder::record(GameRecord game)
{
    const QDateTime now = m_clock().toUTC();
    game.when = now.addMSecs(-now.time().msec());
    game.game = m_game;
    // A clock that reached its end finished nothing, whatever else the game shows.
    game.finished = game.seconds < GameRecord::TimeEndSeconds;
    if (game.game == RecordGame::Logic)
        game.rotation = false;
    RecordStore& store = m_context.records();
    // A problem found while reading comes first: it says why the result may not be kept.
    tellProblem();
    const RecordOutcome outcome = store.append(game);
    tellProblem();
    m_lastBoard = game.boardKey();
    if (outcome.best)
        m_context.messages->inform(m_window, m_context.strings.text(StringTable::Congratulate),
                                   m_context.strings.text(StringTable::NewBestResult), MessageIcon::Information);
    if (m_scoreboard) {
        m_scoreboard->reload();
        m_scoreboard->showBoard(m_game, m_lastBoard);
    }
    return outcome;
}

ScoreboardWindow* GameRecorder::scoreboard() const { return m_scoreboard; }

void GameRecorder::showScoreboard()
{
    if (!m_scoreboard)
        m_scoreboard = new ScoreboardWindow(m_context, m_pictures, m_game, m_window);
    else
        m_scoreboard->reload();
    m_scoreboard->showBoard(m_game, m_lastBoard);
    m_scoreboard->show();
    m_scoreboard->raise();
    m_scoreboard->activateWindow();
}

void GameRecorder::tellProblem()
{
    RecordStore& store = m_context.records();
    const RecordStore::Problem problem = store.takeProblem();
    if (problem != RecordStore::Problem::None)
        m_context.messages->inform(m_window, m_context.strings.text(StringTable::Prompt),
                                   store.problemText(problem, m_context.strings), MessageIcon::Warning);
}
