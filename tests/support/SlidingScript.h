// SlidingScript.h: plays a script of the player's requests on a sliding game and writes down what
// each one answered, so model suites state a whole exchange in a table row.
#pragma once

#include "SlidingGame.h"

#include <QDebug>
#include <QStringList>

namespace SlidingScript {

// Words: "c7" clicks tile 7; "L" "U" "R" "D" are arrow keys; "m7" is a right-button release on
// tile 7 with swap mode on, "o7" one with it off, "l7" a left-button release; "s3,14" swaps 3 and
// 14 (two releases, swap mode on); "x" Escape; "u" Undo, "r" Redo; "p" Pause; "t" a clock tick,
// "t30" thirty; "h" a hint counted; "q" sound off; "n" the 4 x 4 game with blank 1 again, "z" a
// game never started; "home" every tile home by swaps; "solve" that, then a click on tile 1.
// Each request answers one word: "-" refused, else its steps, "m" when tiles moved, "s" for a move
// sound, "!" and the score when solved; a release: "_" nothing, "P" picked, "D" and its steps,
// "m" when tiles moved; ticks: "e" when one ended the time.
inline QString play(SlidingGame& game, const QString& script)
{
    QStringList out;
    const auto request = [&out](const ClickOutcome& c) {
        const QString score = c.completion ? QString::number(c.completion->score) : QString();
        out << (c.accepted ? QString::number(c.steps) + (c.moved ? "m" : "") + (c.playMoveSound ? "s" : "")
                    + (c.solved ? "!" + score : "")
                           : QStringLiteral("-"));
    };
    const auto release = [&out, &game](int tile, bool right, bool swapMode) {
        const SwapOutcome s = game.mouseUp(tile, right, swapMode);
        const QString dropped = QString::number(s.steps) + (s.moved ? "m" : "");
        out << QStringList { "_", "P", "D" + dropped }[int(s.action)];
    };
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList numbers = word.mid(1).split(u',');
        const int n = numbers[0].toInt();
        const char c = word[0].toLatin1();
        if (word == u"home" || word == u"solve") {
            for (int k = 1; k <= game.board().tileCount(); ++k) {
                const int occupant = game.board().tileAt(game.board().homeCell(k));
                if (occupant != k) {
                    game.mouseUp(k, true, true);
                    game.mouseUp(occupant, true, true);
                }
            }
            if (word == u"solve")
                request(game.click(1));
        } else if (c == 'c')
            request(game.click(n));
        else if (QByteArrayView("LURD").contains(c))
            request(game.arrowKey(ArrowKey(int(ArrowKey::Left) + QByteArrayView("LURD").indexOf(c))));
        else if (c == 'u' || c == 'r')
            request(c == 'u' ? game.undo() : game.redo());
        else if (c == 'm' || c == 'o' || c == 'l')
            release(n, c != 'l', c != 'o');
        else if (c == 's') {
            release(n, true, true);
            release(numbers[1].toInt(), true, true);
        } else if (c == 't') {
            bool ended = false;
            for (int i = 0; i < qMax(n, 1); ++i)
                ended = game.tick().timeEnded || ended;
            out << (ended ? QStringList { "e" } : QStringList());
        } else if (c == 'x')
            game.cancelSwap();
        else if (c == 'p')
            game.togglePause();
        else if (c == 'h')
            game.countHint();
        else if (c == 'q')
            game.setSoundOn(false);
        else if (c == 'z')
            game = SlidingGame();
        else
            game.startGameWithBlank(4, 1);
    }
    return out.join(u' ');
}

// Everything a game shows and a save keeps.
inline QString snapshot(const SlidingGame& g)
{
    QString out;
    QDebug(&out) << g.board().rows() << g.board().blankIndex() << g.StepCount() << g.timeText()
                 << g.IsPaused() << g.isClockRunning() << g.SwapPending() << g.pickedTile() << g.IsIdle()
                 << g.GameScore() << g.HintCount();
    return out;
}

} // namespace SlidingScript
