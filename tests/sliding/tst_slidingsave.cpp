// tst_slidingsave.cpp: a Logic game saved in the middle and resumed finishes exactly as the
// uninterrupted one; a board that cannot be is refused and changes nothing.
#include "SlidingSave.h"

#include <QJsonArray>
#include <QtTest>

namespace {
// "L" "U" "R" "D": arrow keys; "c7": click tile 7; "s7": right-button release on tile 7 (swap
// mode); "p": pause; "t": clock tick; "h": a hint counted; "solve": every tile home by swaps, then a click on tile 1.
QString play(SlidingGame& game, const QString& script)
{
    QString out;
    for (const QString& step : script.split(u' ', Qt::SkipEmptyParts)) {
        const int tile = step.mid(1).toInt();
        if (step == QLatin1String("solve")) {
            for (int k = 1; k <= game.board().tileCount(); ++k) {
                const int occupant = game.board().tileAt(game.board().homeCell(k));
                if (occupant != k) {
                    game.mouseUp(k, true, true);
                    game.mouseUp(occupant, true, true);
                }
            }
            const ClickOutcome c = game.click(1);
            out += QStringLiteral("solved %1 score %2 ").arg(c.solved).arg(c.completion ? c.completion->score : -1);
        } else if (step[0] == u'c') {
            out += QString::number(game.click(tile).steps);
        } else if (step[0] == u's') {
            out += QString::number(int(game.mouseUp(tile, true, true).action));
        } else if (step == QLatin1String("p")) {
            game.togglePause();
        } else if (step == QLatin1String("t")) {
            game.tick();
        } else if (step == QLatin1String("h")) {
            game.countHint();
        } else {
            const ArrowKey key = step == QLatin1String("L") ? ArrowKey::Left
                : step == QLatin1String("U")                ? ArrowKey::Up
                : step == QLatin1String("R")                ? ArrowKey::Right
                                                            : ArrowKey::Down;
            out += QString::number(game.arrowKey(key).accepted);
        }
    }
    return out;
}

QString snapshot(const SlidingGame& g)
{
    QString out;
    QDebug(&out) << g.board().rows() << g.board().blankIndex() << g.StepCount() << g.timeText() << g.IsPaused()
                 << g.isClockRunning() << g.SwapPending() << g.pickedTile() << g.IsIdle() << g.GameScore() << g.HintCount();
    return out;
}

SavedGame::Document throughBytes(SavedGame::Document d)
{
    d.picture.builtIn = 0;
    const SavedGame::ReadResult read = SavedGame::decode(SavedGame::encode(d), SavedGame::Game::Logic);
    if (!read.ok)
        qFatal("%s", qPrintable(read.problem));
    return read.document;
}
} // namespace

class TestSlidingSave : public QObject
{
    Q_OBJECT

private slots:
    void resumedGameFinishesAsTheUninterruptedOne_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("swap pending") << 4 << 1 << "t t L U t s5" << "s7 t t D solve";
        QTest::newRow("paused") << 3 << 5 << "L h t t p" << "U p h t R solve";
        QTest::newRow("largest") << 10 << 37 << "t L L U" << "t solve";
    }
    void resumedGameFinishesAsTheUninterruptedOne()
    {
        QFETCH(int, grid);
        QFETCH(int, blank);
        QFETCH(QString, before);
        QFETCH(QString, after);
        SlidingGame straight;
        straight.startGameWithBlank(grid, blank);
        play(straight, before);
        SlidingGame resumed;
        QString problem;
        QVERIFY2(SlidingSave::restore(throughBytes(SlidingSave::capture(straight)), resumed, &problem),
            qPrintable(problem));
        QCOMPARE(snapshot(resumed), snapshot(straight));
        const QString result = play(straight, after);
        QVERIFY(result.contains(QLatin1String("solved 1")));
        QCOMPARE(play(resumed, after), result);
        QCOMPARE(snapshot(resumed), snapshot(straight));
    }

    void unsoundBoardIsRefused_data()
    {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QJsonValue>("value");
        QTest::newRow("two tiles in one cell") << "cells" << QJsonValue(QJsonArray { 0, 0, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("cell off the board") << "cells" << QJsonValue(QJsonArray { 9, 1, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("too few cells") << "cells" << QJsonValue(QJsonArray { 0, 1, 2 });
        QTest::newRow("cells not a list") << "cells" << QJsonValue("012345678");
        QTest::newRow("fractional cell") << "cells" << QJsonValue(QJsonArray { 0.5, 1, 2, 3, 4, 5, 6, 7, 8 });
        QTest::newRow("grid too large") << "grid" << QJsonValue(11);
        QTest::newRow("no blank") << "blank" << QJsonValue(0);
        QTest::newRow("picked off the board") << "picked" << QJsonValue(10);
        QTest::newRow("negative steps") << "steps" << QJsonValue(-1);
        QTest::newRow("steps as text") << "steps" << QJsonValue("5");
        QTest::newRow("no hints written as 0") << "hints" << QJsonValue(0);
    }
    void unsoundBoardIsRefused()
    {
        QFETCH(QString, key);
        QFETCH(QJsonValue, value);
        SlidingGame game;
        game.startGameWithBlank(3, 2);
        SavedGame::Document saved = SlidingSave::capture(game);
        (key == QLatin1String("grid") ? saved.level : saved.state).insert(key, value);
        SlidingGame target;
        target.startGameWithBlank(4, 1);
        play(target, QStringLiteral("L t"));
        const QString before = snapshot(target);
        QString problem;
        QVERIFY(!SlidingSave::restore(saved, target, &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(snapshot(target), before);
    }
};

QTEST_GUILESS_MAIN(TestSlidingSave)
#include "tst_slidingsave.moc"
