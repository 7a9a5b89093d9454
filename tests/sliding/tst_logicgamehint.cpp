// tst_logicgamehint.cpp: the hint's display: the text over the board, the blinking tile, a hint
// that arrives after the board has changed, and the 4 x 4 tables built off the interface thread.
#include "LogicGameHint.h"
#include "SlidingBoard.h"
#include "SlidingPatternDb.h"

#include <QLabel>
#include <QtTest>

namespace {
// One move from home: the last tile stands in the blank's home cell.
SlidingBoard oneMoveFromHome(int g)
{
    SlidingBoard board;
    board.BuildTiles(g);
    board.scramble(g * g);
    for (int cell = 0; cell < g * g; ++cell) {
        const int wanted = cell == g * g - 2 ? g * g : cell == g * g - 1 ? g * g - 1 : cell + 1;
        board.apply(Move::swap(board.tileAt({ cell / g, cell % g }), wanted));
    }
    return board;
}
} // namespace

class TestLogicGameHint : public QObject {
    Q_OBJECT

private slots:
    void shownOrDropped_data()
    {
        QTest::addColumn<int>("grid");
        QTest::addColumn<bool>("clearedBeforeArrival");
        QTest::newRow("shown") << 3 << false;
        QTest::newRow("dropped after a move") << 3 << true;
        // The first 4 x 4 hint of a run builds the pattern tables on the worker: the request returns
        // before they are all built (the worker may have finished the smallest), the hint follows.
        QTest::newRow("4 x 4: the tables built on the worker") << 4 << false;
    }
    void shownOrDropped()
    {
        QFETCH(int, grid);
        QFETCH(bool, clearedBeforeArrival);
        const int next = grid * grid - 1; // the tile to move home
        QWidget surface;
        QWidget tile(&surface);
        LogicGameHint hint(&surface, [&](int index) { return index == next ? &tile : nullptr; });
        QSignalSpy shown(&hint, &LogicGameHint::shown);
        surface.show();
        QCOMPARE(SlidingPatternDb::memoryUsed(), std::size_t(0)); // none built yet in this process
        hint.request(oneMoveFromHome(grid), true);
        const std::size_t atReturn = SlidingPatternDb::memoryUsed();
        if (clearedBeforeArrival)
            hint.clear();
        QTest::qWait(100);
        QTRY_COMPARE_WITH_TIMEOUT(shown.count(), clearedBeforeArrival ? 0 : 1, 120000);
        QCOMPARE(atReturn < SlidingPatternDb::memoryUsed(), grid == 4);
        QCOMPARE(hint.label()->isVisible(), !clearedBeforeArrival);
        if (clearedBeforeArrival)
            return;
        QCOMPARE(hint.label()->text(), QStringLiteral("1 moves to go"));
        QTRY_VERIFY(!tile.isVisible());
        QTRY_VERIFY(tile.isVisible());
        hint.clear();
        QVERIFY(!hint.label()->isVisible());
        QVERIFY(tile.isVisible());
    }
};

QTEST_MAIN(TestLogicGameHint)
#include "tst_logicgamehint.moc"
