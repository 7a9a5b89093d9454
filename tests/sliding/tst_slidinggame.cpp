// tst_slidinggame.cpp: flags, steps, clock, pause, swap mode and completion of the sliding game; a
// game saved in the middle resumes exactly, and an unsound saved board is refused.
#include "RandomSource.h"
#include "SlidingGame.h"
#include "SlidingSave.h"
#include "SlidingScript.h"
#include "StringTable.h"

#include <QJsonArray>
#include <QtTest>

namespace {

// 4 × 4 with blank 1: 10 3 14 2 / 1 15 7 12 / 9 4 13 8 / 6 11 5 16; the blank at row 1, column 0.
SlidingGame exampleGame()
{
    SlidingGame game;
    game.startGameWithBlank(4, 1);
    return game;
}

const StringTable english(StringTable::Language::English);

// Moves can solve a board when its inversions (the blank by its number) and the blank's distance
// from home have the same parity.
bool solvableByInversions(const SlidingBoard& board)
{
    QList<int> tiles;
    for (const QList<int>& row : board.rows())
        tiles += row;
    int inversions = 0;
    for (qsizetype i = 0; i < tiles.size(); ++i)
        for (qsizetype j = i + 1; j < tiles.size(); ++j)
            inversions += tiles[i] > tiles[j] ? 1 : 0;
    const Cell at = board.cellOf(board.blankIndex());
    const Cell home = board.homeCell(board.blankIndex());
    return inversions % 2 == (qAbs(at.row - home.row) + qAbs(at.column - home.column)) % 2;
}

// The switches on: P paused, E time ended, C clock running, S and the tile: a pick pending, I idle,
// W whole picture shown, U and R: something to undo, to redo.
QString flags(const SlidingGame& g)
{
    return QString(g.IsPaused() ? "P" : "") + (g.IsTimeEnd() ? "E" : "") + (g.isClockRunning() ? "C" : "")
        + (g.SwapPending() ? "S" + QString::number(g.markedTile()) : "") + (g.IsIdle() ? "I" : "")
        + (g.showsWholePicture() ? "W" : "") + (g.canUndo() ? "U" : "") + (g.canRedo() ? "R" : "");
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

class TestSlidingGame : public QObject {
    Q_OBJECT

private slots:
    // D is the size less 3: out of range plays 4, no D reads 0, a fraction rounds.
    void gridSizeFromRecord()
    {
        const QList<std::pair<const char*, int>> rows
            = { { "G0,BF0132768,D1,M1,L0,K1,S1,", 4 }, { "G0,D0,", 3 }, { "G0,D7,", 10 }, { "G0,D8,", 4 },
                  { "G0,D-1,", 4 }, { "G0,M1,", 3 }, { "G0,D2.6,", 6 }, { "G0,D7.6,", 4 } };
        for (const auto& [record, gridSize] : rows)
            QVERIFY2(SlidingGame::gridSizeFromRecord(QString::fromLatin1(record)) == gridSize, record);
    }

    // A new game starts clean, also after moves, a hint, a pause, the time end and a swap pick.
    void startGame()
    {
        ScriptedRandom random({ 0.99 });
        SlidingGame game;
        QCOMPARE(flags(game), QStringLiteral("I"));
        QCOMPARE(game.needsNewGameQuestion(), false);
        SlidingScript::play(game, QStringLiteral("n c10 u h p t5 p t9999 m3"));
        QCOMPARE(flags(game), QStringLiteral("ES3R"));
        game.startGame(4, random, true);
        SlidingGame fresh;
        fresh.startGameWithBlank(4, 16);
        QCOMPARE(SlidingScript::snapshot(game), SlidingScript::snapshot(fresh));
        QCOMPARE(flags(game), QStringLiteral("C"));
        QCOMPARE(game.timeText(), QStringLiteral("Time 0 0 0 0"));
        QCOMPARE(game.needsNewGameQuestion(), true);
        QCOMPARE(game.board().firstNonBlankTile(), 1);
        SlidingGame large; // a size out of range plays 4 x 4
        large.startGame(12, random, true);
        QCOMPARE(large.board().gridSize(), 4);
    }

    void swapModeOffGivesSolvableBoards_data()
    {
        QTest::addColumn<int>("gridSize");
        for (int size = SlidingBoard::MinGridSize; size <= SlidingBoard::MaxGridSize; ++size)
            QTest::addRow("%d", size) << size;
    }
    void swapModeOffGivesSolvableBoards()
    {
        QFETCH(int, gridSize);
        const int n = gridSize * gridSize;
        for (int blank = 1; blank <= n; ++blank) {
            SlidingBoard scrambled;
            scrambled.BuildTiles(gridSize);
            scrambled.scramble(blank);
            QCOMPARE(scrambled.isSolvableByMoves(), solvableByInversions(scrambled));
            SlidingGame withSwaps;
            withSwaps.startGameWithBlank(gridSize, blank, true);
            QCOMPARE(withSwaps.board().rows(), scrambled.rows());

            // Without swap mode: the same scramble, or it with the two highest tiles exchanged.
            SlidingGame game;
            game.startGameWithBlank(gridSize, blank, false);
            QVERIFY(solvableByInversions(game.board()));
            const int high = blank == n ? n - 1 : n;
            const int next = blank >= n - 1 ? n - 2 : n - 1;
            for (int tile = 1; tile <= n; ++tile) {
                const bool exchanged = !scrambled.isSolvableByMoves() && (tile == high || tile == next);
                const int source = exchanged ? high + next - tile : tile;
                QCOMPARE(game.board().cellOf(tile), scrambled.cellOf(source));
            }
        }
    }

    // Requests and answers (SlidingScript) on 4 x 4 with blank 1: the steps, the switches, and the
    // board as the kept script alone leaves it.
    void flow_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("answers");
        QTest::addColumn<int>("steps");
        QTest::addColumn<QString>("flags");
        QTest::addColumn<QString>("kept");
        // Refused while paused, after the time end and with a pick pending, also what moves nothing.
        QTest::newRow("paused") << "p c10 D c4" << "- - -" << 0 << "P" << "";
        QTest::newRow("time ended") << "t9999 c10 D c4" << "e - - -" << 0 << "E" << "";
        QTest::newRow("swap pending") << "m7 c10 D c4" << "P - - -" << 0 << "CS7" << "";
        // Beside the blank a tile moves; far from it nothing moves, but the sound plays.
        QTest::newRow("clicks and keys") << "c10 c16 q L D" << "1ms 0s 1m -" << 2 << "CU" << "c10 L";
        // The time end stops the clock for good, also through a pause; before a game it never runs.
        QTest::newRow("just before the end") << "t9998 c10" << "1ms" << 1 << "CU" << "c10";
        QTest::newRow("time end, pause, resume") << "t9999 p p t D" << "e -" << 0 << "E" << "";
        QTest::newRow("paused before any game") << "z t p" << "" << 0 << "PI" << "z";
        QTest::newRow("resumed before any game") << "z p p" << "" << 0 << "I" << "z";
        // Swap mode: a right release picks, the next drops (whatever the mode, pause or time end).
        QTest::newRow("picked") << "m3" << "P" << 0 << "CS3" << "";
        QTest::newRow("dropped") << "m3 m5" << "P D1m" << 1 << "CU" << "s3,5";
        QTest::newRow("cancelled, picked again") << "m3 x x m7" << "P P" << 0 << "CS7" << "";
        QTest::newRow("left button, swap mode off") << "l3 o3" << "_ _" << 0 << "C" << "";
        QTest::newRow("on itself, then with the mode off")
            << "m3 m3 p t m10 o5" << "P D1 P D1m" << 2 << "PU" << "s10,5";
        // Undo and Redo replay moves and swaps, each a step; a new move forgets the redo, a new game all.
        QTest::newRow("move taken back") << "c15 u" << "1ms 1ms" << 2 << "CR" << "";
        QTest::newRow("move played again") << "c15 u r" << "1ms 1ms 1ms" << 3 << "CU" << "c15";
        QTest::newRow("swap taken back and again") << "s3,14 u r" << "P D1m 1ms 1ms" << 3 << "CU" << "s3,14";
        QTest::newRow("latest first") << "c15 c7 s3,14 u u" << "1ms 1ms P D1m 1ms 1ms" << 5 << "CUR" << "c15";
        QTest::newRow("a new move forgets the redo") << "c15 u c10 r" << "1ms 1ms 1ms -" << 3 << "CU" << "c10";
        QTest::newRow("nothing to take back") << "u r" << "- -" << 0 << "C" << "";
        QTest::newRow("a click that moves nothing") << "c3 u" << "0s -" << 0 << "C" << "";
        QTest::newRow("refused while paused") << "c15 p u r" << "1ms - -" << 1 << "PU" << "c15";
        QTest::newRow("refused after the time end") << "c15 t9999 u" << "1ms e -" << 1 << "EU" << "c15";
        QTest::newRow("refused with a pick pending") << "c15 m3 u r" << "1ms P - -" << 1 << "CS3U" << "c15";
        QTest::newRow("a new game forgets all") << "c15 c7 u n" << "1ms 1ms 1ms" << 0 << "C" << "";
    }
    void flow()
    {
        QFETCH(QString, script);
        QFETCH(QString, answers);
        QFETCH(int, steps);
        QFETCH(QString, flags);
        QFETCH(QString, kept);
        SlidingGame game = exampleGame();
        QCOMPARE(SlidingScript::play(game, script), answers);
        QCOMPARE(game.StepCount(), steps);
        QCOMPARE(::flags(game), flags);
        SlidingGame expected = exampleGame();
        SlidingScript::play(expected, kept);
        QCOMPARE(game.board().rows(), expected.board().rows());
    }

    void swapStatusText()
    {
        QVERIFY(SlidingGame::swapStatusText(true, true).contains(QStringLiteral("Esc cancels")));
        QVERIFY(!SlidingGame::swapStatusText(true, false).contains(QStringLiteral("Esc cancels")));
        QVERIFY(SlidingGame::swapStatusText(false, false).isEmpty());
    }

    // A score of 0 shows no message (the formula never gives it, but the rule holds for the value).
    void score_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<QString>("text");
        QTest::newRow("4 x 4") << 4 << 57 << 63 << "Well done! Spend 57 steps under 63 sec., Score 17799";
        QTest::newRow("3 x 3") << 3 << 20 << 30 << "Well done! Spend 20 steps under 30 sec., Score 17499";
        QTest::newRow("10 x 10, long") << 10 << 2000 << 9999 << "Well done! Spend 2000 steps under 9999 sec., Score -94991";
        QTest::newRow("just above zero") << 3 << 1000 << 799 << "Well done! Spend 1000 steps under 799 sec., Score 9";
        QTest::newRow("just below zero") << 3 << 1000 << 800 << "Well done! Spend 1000 steps under 800 sec., Score -1";
        QTest::newRow("no overflow") << 3 << 2147483647 << 0 << "Well done! Spend 2147483647 steps under 0 sec., Score -21474818471";
    }
    void score()
    {
        QFETCH(int, gridSize);
        QFETCH(int, steps);
        QFETCH(int, seconds);
        QFETCH(QString, text);
        SlidingCompletion completion = SlidingCompletion::compute(steps, seconds, gridSize);
        QCOMPARE(completion.showsMessage(), true);
        QCOMPARE(completion.message().text(english), text);
        QCOMPARE(completion.message().title(english), QStringLiteral("Congratulate"));
        QCOMPARE(completion.message().icon, MessageIcon::Information);
        completion.score = 0;
        QCOMPARE(completion.showsMessage(), false);
    }

    // Swaps make no solved test; the next accepted request does, even one that moves nothing (c1 is
    // diagonal). Moved away and back, it completes again.
    void completion()
    {
        SlidingGame game;
        game.startGameWithBlank(3, 5);
        SlidingScript::play(game, QStringLiteral("t30 home"));
        const int swaps = game.StepCount();
        QVERIFY(swaps > 0);
        QCOMPARE(flags(game), QStringLiteral("CU"));
        const qint64 score = 19999 - 10 * swaps - 5000 - 10 * 30 + 1000 * 3;
        QCOMPARE(SlidingScript::play(game, QStringLiteral("c1 p p")), QStringLiteral("0!%1").arg(score));
        QCOMPARE(game.GameScore(), score);
        QCOMPARE(flags(game), QStringLiteral("IWU"));
        QCOMPARE(SlidingScript::play(game, QStringLiteral("L R u")), QStringLiteral("1ms 1m!%1 -").arg(score - 20));
        // An Undo that brings the tiles home completes like the move it replays.
        game.startGameWithBlank(3, 5);
        SlidingScript::play(game, QStringLiteral("t30 home"));
        QCOMPARE(SlidingScript::play(game, QStringLiteral("L u")), QStringLiteral("1ms 1m!%1").arg(score - 20));
    }

    void resumedGameFinishesAsTheUninterruptedOne_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<int>("blank");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("after");
        QTest::newRow("swap pending") << 4 << 1 << "t t L U t m5" << "m7 t t D solve";
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
        SlidingScript::play(straight, before);
        SlidingGame resumed;
        QString problem;
        QVERIFY2(SlidingSave::restore(throughBytes(SlidingSave::capture(straight)), resumed, &problem),
            qPrintable(problem));
        QCOMPARE(SlidingScript::snapshot(resumed), SlidingScript::snapshot(straight));
        const QString result = SlidingScript::play(straight, after);
        QVERIFY(result.contains(u'!'));
        QCOMPARE(SlidingScript::play(resumed, after), result);
        QCOMPARE(SlidingScript::snapshot(resumed), SlidingScript::snapshot(straight));
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
        SlidingScript::play(target, QStringLiteral("L t"));
        const QString before = SlidingScript::snapshot(target);
        QString problem;
        QVERIFY(!SlidingSave::restore(saved, target, &problem));
        QVERIFY(!problem.isEmpty());
        QCOMPARE(SlidingScript::snapshot(target), before);
    }
};

QTEST_GUILESS_MAIN(TestSlidingGame)
#include "tst_slidinggame.moc"
