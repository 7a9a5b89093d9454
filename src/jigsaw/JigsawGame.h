// JigsawGame.h: the game flow of the jigsaw: clock, pause, time end and completion with its score,
// over the JigsawPlay rules of one level.
//
// The model decides; the window shows. After every call the window reads the state it draws
// (clock text, banners, whether the clock runs) and acts on the returned drop or tick (piece
// windows, sounds, messages).
#pragma once

#include "GameModel.h"
#include "JigsawPlay.h"

#include <QList>
#include <QPointF>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>

class StringTable;

struct CompletionScore
{
    int score = 0;
    bool showMessage = false;
    QString message; // "Well done! Spend 245 sec., Score 24347."
};

class JigsawGame : public GameModel
{
public:
    // Before the first game: ended, so the first new game asks nothing; the clock stands.
    explicit JigsawGame(const StringTable& strings);

    JigsawPlay& play() { return m_play; }
    const JigsawPlay& play() const { return m_play; }

    // GameModel
    const GameClock& clock() const override { return m_clock; }
    bool isPaused() const override { return m_play.paused; }
    bool isTimeEnded() const override { return m_play.timeEnded; }
    bool isEnded() const override { return m_play.ended; }
    qint64 score() const override { return m_completion.score; }
    // Joins made in this game (the join counter starts at 1).
    int steps() const override { return m_play.joinCounter() - 1; }

    // ---- Starting games ----
    // Pixels a new picture may fill in a window of window twips (outer size): five sevenths of
    // the width less 1500 twips (8000 twips beside a window wider than 12000) by four sixths of
    // the height less 2000 (6000 below one higher than 9000); at least one pixel each way.
    static QSize pictureArea(QSizeF window);
    // A new picture is being fetched: the clock stands.
    void stopClock() { m_clock.stop(); }
    // A game start clears the pause first, also when it must fetch a picture before it can start.
    void clearPause() { m_play.paused = false; }
    // The old level's pieces are gone: the play holds the emptied table until the next level.
    void clearLevel(PieceTable* table) { m_play.startGame(table, JigsawPlay::Catalogue, false); }
    // A level is built and scattered: every flag cleared, join counter 1, clock at 0 and running.
    void startGame(PieceTable* table, int shapeFamily, bool rotation);
    // A saved game was restored into play(): the clock goes on from seconds, standing while paused.
    void resumeGame(int seconds, bool paused);

    // ---- Clock and pause ----
    // The Pause command: toggles pause. Resuming runs the clock only while a game is being played:
    // never after a completion or a time end, nor before the first game.
    void togglePause();
    struct Tick
    {
        // The clock reached its end with the game still in play: show the banner and the message.
        bool timeEnded = false;
        // A unit held when the time ran out is dropped where it is, before input stops; that drop
        // may complete the game (then timeEnded stays false).
        int droppedUnit = 0;
        JigsawPlay::Drop drop;
    };
    // One tick of the clock (nothing while it stands); client is the play area, twips.
    Tick tick(QSizeF client);

    // ---- Drops ----
    // Left release and the end of a drag (JigsawPlay); a join that completes the level runs the
    // completion: the clock stops for good, the game ends and completion() holds the score.
    JigsawPlay::Drop release(int k, QPointF mouse, QSizeF client);
    JigsawPlay::Drop endDrag(QSizeF client);
    // The last completion's score and message (none before the first).
    const CompletionScore& completion() const { return m_completion; }

    // "Gather pieces" (JigsawPlay::gather).
    QList<int> gather(QSizeF client, const QList<QRect>& companions);

    // The completion score and message for the clock reading seconds: 19999 (catalogue) or 15999
    // (shape board), less 4 a second, plus 99 a piece and 49 more a piece with rotation on. A
    // score of exactly 0 shows no message.
    static CompletionScore completionScore(int shapeFamily, int seconds, int pieceCount, bool rotation,
                                           const StringTable& strings);

private:
    JigsawPlay::Drop afterDrop(const JigsawPlay::Drop& drop);

    const StringTable& m_strings;
    JigsawPlay m_play;
    GameClock m_clock;
    CompletionScore m_completion;
};
