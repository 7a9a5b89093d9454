// tst_slidinggame.cpp: flags, steps, clock, pause, swap mode and completion of the sliding game.
#include "RandomSource.h"
#include "SlidingGame.h"
#include "StringTable.h"

#include <QtTest>

namespace {

// 4 × 4 with blank 1: 10 3 14 2 / 1 15 7 12 / 9 4 13 8 / 6 11 5 16; the blank at row 1, column 0.
SlidingGame exampleGame()
{
    SlidingGame game;
    game.startGameWithBlank(4, 1);
    return game;
}

// Brings every tile home by swap-mode exchanges; returns the steps they counted.
int solveBySwaps(SlidingGame& game)
{
    const int before = game.StepCount();
    for (int tile = 1; tile <= game.board().tileCount(); ++tile) {
        const int occupant = game.board().tileAt(game.board().homeCell(tile));
        if (occupant == tile)
            continue;
        game.mouseUp(tile, true, true);
        game.mouseUp(occupant, true, true);
    }
    return game.StepCount() - before;
}

void ticks(SlidingGame& game, int count)
{
    for (int i = 0; i < count; ++i)
        game.tick();
}

const StringTable english(StringTable::Language::English);

// Moves can solve a board when the parity of its inversions (tiles read row by row, the blank by
// its number) equals the parity of the blank's distance from its home cell.
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

// Plays a script on game: "c15" clicks tile 15, "s3,14" swaps tiles 3 and 14 in swap mode, "u"
// undoes, "r" redoes, "p" pauses or resumes, "n" starts the example game again.
void play(SlidingGame& game, const QString& script)
{
    for (const QString& word : script.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList tiles = word.mid(1).split(u',');
        switch (word.front().toLatin1()) {
        case 'c':
            game.click(tiles[0].toInt());
            break;
        case 's':
            game.mouseUp(tiles[0].toInt(), true, true);
            game.mouseUp(tiles[1].toInt(), true, true);
            break;
        case 'u':
            game.undo();
            break;
        case 'r':
            game.redo();
            break;
        case 'p':
            game.togglePause();
            break;
        default:
            game.startGameWithBlank(4, 1);
        }
    }
}

} // namespace

class TestSlidingGame : public QObject {
    Q_OBJECT

private slots:
    void gridSizeFromRecord_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<int>("gridSize");
        QTest::newRow("default record") << "G0,BF0132768,D1,M1,L0,K1,S1," << 4;
        QTest::newRow("smallest") << "G0,D0," << 3;
        QTest::newRow("largest") << "G0,D7," << 10;
        QTest::newRow("too large") << "G0,D8," << 4;
        QTest::newRow("negative") << "G0,D-1," << 4;
        QTest::newRow("no D reads 0") << "G0,M1," << 3;
        QTest::newRow("fraction rounds") << "G0,D2.6," << 6;
        QTest::newRow("fraction rounds past 10") << "G0,D7.6," << 4;
    }
    void gridSizeFromRecord()
    {
        QFETCH(QString, record);
        QFETCH(int, gridSize);
        QCOMPARE(SlidingGame::gridSizeFromRecord(record), gridSize);
    }

    // A new game starts clean, also after a pause, the time end and a swap pick.
    void startGame()
    {
        ScriptedRandom random({ 0.99 });
        SlidingGame game;
        QCOMPARE(game.IsIdle(), true);
        QCOMPARE(game.needsNewGameQuestion(), false);
        game.startGameWithBlank(4, 1);
        game.togglePause();
        ticks(game, 5);
        game.togglePause();
        ticks(game, 9999);
        game.mouseUp(3, true, true);
        QCOMPARE(game.IsTimeEnd(), true);
        QCOMPARE(game.SwapPending(), true);
        game.startGame(4, random, true);
        QCOMPARE(game.board().blankIndex(), 16);
        QCOMPARE(game.board().firstNonBlankTile(), 1);
        QCOMPARE(game.IsIdle(), false);
        QCOMPARE(game.needsNewGameQuestion(), true);
        QCOMPARE(game.IsTimeEnd(), false);
        QCOMPARE(game.SwapPending(), false);
        QCOMPARE(game.IsPaused(), false);
        QCOMPARE(game.timeEndBannerVisible(), false);
        QCOMPARE(game.stepText(), QStringLiteral("Step 0"));
        QCOMPARE(game.timeText(), QStringLiteral("Time 0 0 0 0"));
        QCOMPARE(game.isClockRunning(), true);
        QCOMPARE(game.showsWholePicture(), false);

        game.startGame(12, random, true);
        QCOMPARE(game.board().gridSize(), 4);
        QCOMPARE(SlidingMessage::newGameQuestion().question, true); // its texts: the window suite
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

    void refusals_data()
    {
        QTest::addColumn<QString>("state");
        QTest::newRow("paused") << "paused";
        QTest::newRow("time ended") << "time end";
        QTest::newRow("swap pending") << "swap";
    }
    void refusals()
    {
        QFETCH(QString, state);
        SlidingGame game = exampleGame();
        if (state == u"paused")
            game.togglePause();
        else if (state == u"time end")
            ticks(game, 9999);
        else
            game.mouseUp(7, true, true);
        const auto rows = game.board().rows();
        for (ClickOutcome outcome : { game.click(10), game.arrowKey(ArrowKey::Down), game.click(4) }) {
            QCOMPARE(outcome.accepted, false);
            QCOMPARE(outcome.playMoveSound, false);
        }
        QCOMPARE(game.board().rows(), rows);
        QCOMPARE(game.StepCount(), 0);
    }

    void clickCountsAndSounds()
    {
        SlidingGame game = exampleGame();
        ClickOutcome outcome = game.click(10);
        QCOMPARE(outcome.accepted, true);
        QCOMPARE(outcome.steps, 1);
        QCOMPARE(outcome.moved, true);
        QCOMPARE(outcome.playMoveSound, true);
        QCOMPARE(game.stepText(), QStringLiteral("Step 1"));
        // A tile far from the blank: no step, but the move sound still plays.
        outcome = game.click(16);
        QCOMPARE(outcome.accepted, true);
        QCOMPARE(outcome.steps, 0);
        QCOMPARE(outcome.playMoveSound, true);
        game.setSoundOn(false);
        QCOMPARE(game.arrowKey(ArrowKey::Left).playMoveSound, false);
        QCOMPARE(game.StepCount(), 2);
        // Blank now at the top, second column: nothing lies above it.
        QCOMPARE(game.arrowKey(ArrowKey::Down).accepted, false);
        QCOMPARE(game.StepCount(), 2);
    }

    void timeEndThenResume()
    {
        SlidingGame game = exampleGame();
        // The clock's own digits and end are GameClock's; here the game's flags around them.
        ticks(game, 9998);
        QCOMPARE(game.IsTimeEnd(), false);
        QCOMPARE(game.timeEndBannerVisible(), false);
        const TickOutcome end = game.tick();
        QCOMPARE(end.timeEnded, true); // its message and banner texts: the window suite
        QCOMPARE(game.timeEndBannerVisible(), true);
        QCOMPARE(game.isClockRunning(), false);
        QCOMPARE(game.click(10).accepted, false);

        // Pause and resume show the banner but leave the clock stopped; moves stay refused.
        game.togglePause();
        QCOMPARE(game.pauseBannerVisible(), true);
        game.togglePause();
        QCOMPARE(game.pauseBannerVisible(), false);
        QCOMPARE(game.isClockRunning(), false);
        QCOMPARE(game.tick().timeEnded, false);
        QCOMPARE(game.timeText(), QStringLiteral("Time 9 9 9 9"));
        QCOMPARE(game.arrowKey(ArrowKey::Down).accepted, false);
        QCOMPARE(game.IsTimeEnd(), true);
    }

    void pauseBeforeFirstGame()
    {
        SlidingGame game; // no game yet: the label still shows its initial 9 9 9 9
        QCOMPARE(game.timeText(), QStringLiteral("9 9 9 9"));
        QCOMPARE(game.isClockRunning(), false);
        QCOMPARE(game.tick().timeEnded, false);
        game.togglePause();
        QCOMPARE(game.IsPaused(), true);
        QCOMPARE(game.isClockRunning(), false);
        game.togglePause();
        QCOMPARE(game.IsPaused(), false);
        QCOMPARE(game.isClockRunning(), false);
    }

    // The mark and the status line follow the pick: set by a pick, gone after the drop or Escape
    // (which swaps nothing and counts no step).
    void swapMark_data()
    {
        QTest::addColumn<QString>("actions"); // "p3": right release on 3 with M on, "o3": M off, "x": Escape
        QTest::addColumn<int>("marked");
        QTest::addColumn<int>("steps");
        QTest::newRow("picked") << "p3" << 3 << 0;
        QTest::newRow("dropped") << "p3 p5" << 0 << 1;
        QTest::newRow("cancelled, picked again") << "p3 x x p7" << 7 << 0;
        QTest::newRow("swap mode off") << "o3" << 0 << 0;
    }
    void swapMark()
    {
        QFETCH(QString, actions);
        QFETCH(int, marked);
        QFETCH(int, steps);
        SlidingGame game = exampleGame();
        for (const QString& a : actions.split(u' '))
            a == u"x" ? void(game.cancelSwap()) : void(game.mouseUp(a.mid(1).toInt(), true, a[0] == u'p'));
        QCOMPARE(game.markedTile(), marked);
        QCOMPARE(game.StepCount(), steps);
        QCOMPARE(SlidingGame::swapStatusText(true, marked != 0).contains(QStringLiteral("Esc cancels")), marked != 0);
        QVERIFY(SlidingGame::swapStatusText(false, false).isEmpty());
    }

    void swapMode()
    {
        SlidingGame game = exampleGame();
        // Left button and swap mode off with nothing picked: nothing.
        QCOMPARE(game.mouseUp(3, false, true).action, SwapOutcome::Action::None);
        QCOMPARE(game.mouseUp(3, true, false).action, SwapOutcome::Action::None);
        QCOMPARE(game.SwapPending(), false);

        // A tile dropped on itself counts a step and changes nothing.
        const auto rows = game.board().rows();
        QCOMPARE(game.mouseUp(3, true, true).action, SwapOutcome::Action::Picked);
        QCOMPARE(game.pickedTile(), 3);
        SwapOutcome outcome = game.mouseUp(3, true, true);
        QCOMPARE(outcome.action, SwapOutcome::Action::Dropped);
        QCOMPARE(outcome.steps, 1);
        QCOMPARE(outcome.moved, false);
        QCOMPARE(game.board().rows(), rows);
        QCOMPARE(game.stepText(), QStringLiteral("Step 1"));

        // Switching swap mode off after the pick still completes the swap; pause and time end do not matter.
        game.togglePause();
        ticks(game, 1);
        game.mouseUp(10, true, true);
        QCOMPARE(game.IsPaused(), true);
        outcome = game.mouseUp(5, true, false);
        QCOMPARE(outcome.action, SwapOutcome::Action::Dropped);
        QCOMPARE(outcome.pickedTile, 10);
        QCOMPARE(outcome.droppedTile, 5);
        QCOMPARE(outcome.moved, true);
        QCOMPARE(game.board().cellOf(10), (Cell { 3, 2 }));
        QCOMPARE(game.board().cellOf(5), (Cell { 0, 0 }));
        QCOMPARE(game.StepCount(), 2);
        QCOMPARE(game.SwapPending(), false);
    }

    void score_data()
    {
        QTest::addColumn<int>("gridSize");
        QTest::addColumn<int>("steps");
        QTest::addColumn<int>("seconds");
        QTest::addColumn<qint64>("score");
        QTest::addColumn<QString>("text");
        QTest::newRow("4 x 4") << 4 << 57 << 63 << qint64(17799)
                               << "Well done! Spend 57 steps under 63 sec., Score 17799";
        QTest::newRow("3 x 3") << 3 << 20 << 30 << qint64(17499)
                               << "Well done! Spend 20 steps under 30 sec., Score 17499";
        QTest::newRow("10 x 10, long") << 10 << 2000 << 9999 << qint64(-94991)
                                       << "Well done! Spend 2000 steps under 9999 sec., Score -94991";
        QTest::newRow("just below zero")
            << 3 << 1000 << 800 << qint64(-1) << "Well done! Spend 1000 steps under 800 sec., Score -1";
        QTest::newRow("no overflow") << 3 << 2147483647 << 0 << qint64(-21474818471)
                                     << "Well done! Spend 2147483647 steps under 0 sec., Score -21474818471";
    }
    void score()
    {
        QFETCH(int, gridSize);
        QFETCH(int, steps);
        QFETCH(int, seconds);
        QFETCH(qint64, score);
        QFETCH(QString, text);
        const SlidingCompletion completion = SlidingCompletion::compute(steps, seconds, gridSize);
        QCOMPARE(completion.score, score);
        QCOMPARE(completion.showsMessage(), true);
        QCOMPARE(completion.message().text(english), text);
        QCOMPARE(completion.message().title(english), QStringLiteral("Congratulate"));
        QCOMPARE(completion.message().icon, MessageIcon::Information);
    }

    void zeroScoreShowsNoMessage()
    {
        // The formula always ends in 9, so 0 never comes from whole steps and seconds; the rule
        // still holds for the value itself.
        SlidingCompletion completion = SlidingCompletion::compute(1000, 799, 3);
        QCOMPARE(completion.score, qint64(9));
        completion.score = 0;
        QCOMPARE(completion.showsMessage(), false);
    }

    void completion()
    {
        SlidingGame game;
        game.startGameWithBlank(3, 5);
        const int swaps = solveBySwaps(game);
        QVERIFY(swaps > 0);
        // Swaps make no solved test.
        QCOMPARE(game.IsIdle(), false);
        QCOMPARE(game.showsWholePicture(), false);
        ticks(game, 30);

        // Any accepted click runs the solved test, even one that moves nothing: tile 1 lies
        // diagonally from the blank in the centre.
        QCOMPARE(game.board().cellOf(game.board().blankIndex()), (Cell { 1, 1 }));
        const ClickOutcome outcome = game.click(1);
        QCOMPARE(outcome.steps, 0);
        QCOMPARE(outcome.accepted, true);
        QCOMPARE(outcome.solved, true);
        QCOMPARE(outcome.playMoveSound, false);
        QVERIFY(outcome.completion.has_value());
        QCOMPARE(outcome.completion->playSuccessSound, true);
        QCOMPARE(outcome.completion->steps, swaps);
        QCOMPARE(outcome.completion->seconds, 30);
        QCOMPARE(outcome.completion->score, qint64(19999 - 10 * swaps - 5000 - 10 * 30 + 1000 * 3));
        QCOMPARE(game.GameScore(), outcome.completion->score);
        QCOMPARE(game.IsIdle(), true);
        QCOMPARE(game.isClockRunning(), false);
        QCOMPARE(game.showsWholePicture(), true);
        game.togglePause();
        game.togglePause();
        QCOMPARE(game.isClockRunning(), false);

        // Completion does not block: an arrow key moves a hidden tile and counts.
        const int steps = game.StepCount();
        const ClickOutcome after = game.arrowKey(ArrowKey::Left);
        QCOMPARE(after.accepted, true);
        QCOMPARE(after.steps, 1);
        QCOMPARE(after.solved, false);
        QCOMPARE(after.playMoveSound, true);
        QCOMPARE(game.StepCount(), steps + 1);
        // Moving it back completes once more.
        const ClickOutcome again = game.arrowKey(ArrowKey::Right);
        QCOMPARE(again.solved, true);
        QCOMPARE(again.completion->steps, steps + 2);
    }

    // Undo and Redo replay moves and swaps, each a step; the board ends as if only the moves left
    // in the history had been played.
    void undoRedo_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QString>("kept");
        QTest::addColumn<int>("steps");
        QTest::addColumn<bool>("canUndo");
        QTest::addColumn<bool>("canRedo");
        QTest::newRow("move taken back") << "c15 u" << "" << 2 << false << true;
        QTest::newRow("move played again") << "c15 u r" << "c15" << 3 << true << false;
        QTest::newRow("swap taken back and again") << "s3,14 u r" << "s3,14" << 3 << true << false;
        QTest::newRow("latest first") << "c15 c7 s3,14 u u" << "c15" << 5 << true << true;
        QTest::newRow("a new move forgets the redo") << "c15 u c10 r" << "c10" << 3 << true << false;
        QTest::newRow("nothing to take back") << "u r" << "" << 0 << false << false;
        QTest::newRow("a click that moves nothing") << "c3 u" << "" << 0 << false << false;
        QTest::newRow("refused while paused") << "c15 p u r" << "c15" << 1 << true << false;
        QTest::newRow("a new game forgets all") << "c15 c7 u n" << "" << 0 << false << false;
    }
    void undoRedo()
    {
        QFETCH(QString, script);
        QFETCH(QString, kept);
        QFETCH(int, steps);
        QFETCH(bool, canUndo);
        QFETCH(bool, canRedo);
        SlidingGame game = exampleGame();
        play(game, script);
        SlidingGame expected = exampleGame();
        play(expected, kept);
        QCOMPARE(game.board().rows(), expected.board().rows());
        QCOMPARE(game.StepCount(), steps);
        QCOMPARE(game.canUndo(), canUndo);
        QCOMPARE(game.canRedo(), canRedo);
    }
};

QTEST_GUILESS_MAIN(TestSlidingGame)
#include "tst_slidinggame.moc"
